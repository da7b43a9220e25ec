#include "shell/csv_export.h"

#include <gtest/gtest.h>

#include "shell/files.h"
#include "support/scratch.h"

using namespace ds;

TEST(CsvExport, QuotingHiddenColumnsAndAtomicFile) {
  TextGrid g(3, 4);
  const char* cells[3][4] = {{"Date", "key", "Numbers", "Note"},
                             {"2024-02-03", "45325", "1 2 3", "a, \"b\""},
                             {"2024-02-07", "45329", "", "two\r\nlines\tand a tab"}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c) g.set_cell(r, c, cells[r][c]);
  g.set_col_width(1, TextGrid::hidden);
  EXPECT_EQ(grid_csv(g),
            "Date,Numbers,Note\r\n2024-02-03,1 2 3,\"a, \"\"b\"\"\"\r\n2024-02-07,,\"two\r\nlines\tand a "
            "tab\"\r\n");
  EXPECT_EQ(grid_clipboard_text(g),
            "Date\tNumbers\tNote\n2024-02-03\t1 2 3\ta, \"b\"\n2024-02-07\t\ttwo  lines and a tab\n");

  const test::ScratchFolder scratch;
  const auto& folder = scratch.path();
  EXPECT_EQ(*export_table(g, folder / "t.csv", "my t.csv").status, "2 rows exported to my t.csv");
  EXPECT_EQ(read_file(folder / "t.csv"), grid_csv(g));
  const Outcome failed = export_table(g, folder / "none" / "t.csv", "t.csv");
  EXPECT_EQ(failed.message, "The file 't.csv' was not written: the file cannot be created (" +
                                (folder / "none" / "t.csv").string() + ").");
  EXPECT_FALSE(failed.status);
  EXPECT_EQ(*copy_table(g).status, "2 rows copied to the clipboard");

  // The header alone is no table to take elsewhere: refused, nothing written or copied.
  g.set_rows(1);
  const char* const refused = "The table has no rows yet.";
  EXPECT_EQ(table_refusal(g).message, refused);
  EXPECT_EQ(export_table(g, folder / "h.csv", "h.csv").message, refused);
  EXPECT_FALSE(file_exists(folder / "h.csv"));
  const CopyOutcome copied = copy_table(g);
  EXPECT_EQ(copied.message, refused);
  EXPECT_EQ(copied.text, "");
}
