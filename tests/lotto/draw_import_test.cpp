#include "lotto/draw_import.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sstream>

#include "lotto/draw_period.h"
#include "lotto/lotto_files.h"
#include "support/scratch.h"

using namespace ds;

namespace {

const DateFormat iso = DateFormat::iso();
const LottoDefinition six_of_49 = test::game_shape(49, 6, 1, 0, 0);

// The preview's message, or the merged rows as "date n1 .. n6 bonus" lines.
std::string merged(const char* csv, DayMonthOrder order = DayMonthOrder::unknown) {
  const ImportPreview p = preview_import(csv, six_of_49, TextGrid{}, iso, order);
  if (!p.message.empty()) return p.message;
  const TextGrid g = merged_draws(TextGrid{}, p, iso);
  std::string s;
  for (int r = 1; r < g.rows(); ++r) {
    s += g.cell(r, col_date);
    for (int c = col_n1; c <= col_bonus; ++c) s += " " + g.cell(r, c);
    s += "\n";
  }
  return s;
}

}  // namespace

TEST(DrawImport, ShapesOfPublishedFiles) {
  const char* either = "03/02/2024,1,2,3,4,5,6\n04/05/2024,7,8,9,10,11,12\n";
  const struct {
    const char* csv;
    const char* rows;
  } cases[] = {
      {"Date,N1,N2,N3,N4,N5,N6,Bonus\r\n2024-02-03,5,1,9,20,33,49,7\r\n", "2024-02-03 5 1 9 20 33 49 7\n"},
      // No header, semicolons, day first (13 is no month), no bonus column.
      {"13/02/2024;1;2;3;4;5;6\n3/2/2024;7;8;9;10;11;12\n",
       "2024-02-03 7 8 9 10 11 12 0\n2024-02-13 1 2 3 4 5 6 0\n"},
      {"02/13/2024\t1\t2\t3\t4\t5\t6\t7\n02/03/2024\t8\t9\t10\t11\t12\t13\t14\n",
       "2024-02-03 8 9 10 11 12 13 14\n2024-02-13 1 2 3 4 5 6 7\n"},
      // Quoted fields, a quoted comma before the draw, month names as real files spell them.
      {"Note,Draw,\"Date\",A,B,C,D,E,F,Bonus,Jackpot\n"
       "\"a, \"\"b\"\"\",3620,\"Febraury 3, 2024\",4,8,15,16,23,42,1,1000000\n"
       "plain,3621,\"Sat 10 Feb 2024\",\"9\",2,3,4,5,6,,2000000\n"
       "year first,3622,2024 Feb 17,1,2,3,4,5,6,7,0\n",
       "2024-02-03 4 8 15 16 23 42 1\n2024-02-10 9 2 3 4 5 6 0\n2024-02-17 1 2 3 4 5 6 7\n"},
      {either,
       "The dates of this file read both as day/month/year and as month/day/year. Please choose the order "
       "of day and month."},
  };
  for (const auto& c : cases) EXPECT_EQ(merged(c.csv), c.rows) << c.csv;
  // A doubled quote in a quoted field is one quote of its text.
  EXPECT_EQ(
      import_summary(preview_import(
          "2024-02-03,4,8,15,16,23,42\n2024-02-06,4,8,15,16,23,41\n2024-02-10,\"4\"\"0\",8,15,16,23,42\n",
          six_of_49, TextGrid{}, iso)),
      "Rows read: 3. New: 2. Already present: 0. In conflict: 0. Refused: 1.\n"
      "Line 3: '4\"0' is not a whole number.");
  // A file in UTF-8 is read as it is, not as 8-bit text.
  EXPECT_EQ(
      import_summary(preview_import(
          "2024-02-03,4,8,15,16,23,42\n2024-02-06,4,8,15,16,23,41\n2024-02-10,4,8,15,16,23,\"4\xC3\xA9\"\n",
          six_of_49, TextGrid{}, iso)),
      "Rows read: 3. New: 2. Already present: 0. In conflict: 0. Refused: 1.\n"
      "Line 3: '4\xC3\xA9' is not a whole number.");
  // The preview shows no bonus as an empty cell, not 0.
  const TextGrid no_bonus =
      import_preview_grid(preview_import("2024-02-03,4,8,15,16,23,42\n", six_of_49, TextGrid{}, iso));
  EXPECT_EQ(no_bonus.cell(1, 2) + "|" + no_bonus.cell(1, 3), "4 8 15 16 23 42|");
  EXPECT_EQ(merged(either, DayMonthOrder::day_month),
            "2024-02-03 1 2 3 4 5 6 0\n2024-05-04 7 8 9 10 11 12 0\n");
  EXPECT_EQ(merged(either, DayMonthOrder::month_day),
            "2024-03-02 1 2 3 4 5 6 0\n2024-04-05 7 8 9 10 11 12 0\n");
  // "Juen" is as near June as July.
  const std::pair<const char*, int> names[] = {{"Febraury", 2},  {"feb", 2},      {"SEPT", 9}, {"Agust", 8},
                                               {"Setpember", 9}, {"Marzipan", 0}, {"Ju", 0},   {"Juen", 0}};
  for (const auto& [name, month] : names) EXPECT_EQ(month_of_name(name), month) << name;
}

TEST(DrawImport, FlawsAreRefusedByLineAndAFailedWriteLosesNothing) {
  test::ScratchFolder dir;
  const std::string before = "2024-01-06 1 2 3 4 5 6 7 \r\n2024-01-10 10 11 12 13 14 15 0 \r\n";
  dir.put("L", "draws.txt", before);
  TextGrid table;
  ASSERT_EQ(read_draws(dir.games(), "L", table, iso).message, "");
  // The window's Import goes to the lotto chosen, whose whole history the grid holds.
  dir.put("B", "draws.txt", "2024-01-06 1 2 3\r\n");
  const std::string choose = "Please choose in the Name list the lotto that gets the draws.";
  const std::string other =
      "The draws shown are not those of the lotto 'L'. Choose 'L' in the Name list first.";
  const std::tuple<const char*, const char*, const char*, std::string> targets[] = {
      {"L", "", "", choose},
      {"M", "L", "L", choose},
      {"L", "L", "K", other},
      {"L", "L", "", other},
      {" L ", "L", "L", ""},
      {"N", "N", "", ""},
      {"B", "B", "B", "The draws of 'B' must be corrected first: "}};
  for (const auto& [text, chosen, owner, message] : targets)
    EXPECT_EQ(import_refusal(text, chosen, owner, dir.games(), iso).substr(0, message.size()), message)
        << text;
  const ImportPreview p = preview_import(
      "Date,N1,N2,N3,N4,N5,N6,B\n2024-01-06,6,5,4,3,2,1,7\n2024-01-10,10,11,12,13,14,16,1\n"
      "2024-01-13,1,2,3,4,5,50,6\n2024-01-17,1,2,3,4,5,5,6\n2024-01-20,1,2,3,4,5,6,6\n"
      "2024-02-30,1,2,3,4,5,6,7\n2024-01-24,1,2,x,4,5,6,7\n\"2024-01-27,1,2,3,4,5,6,7\n2024-01-31,1,2,3\n"
      "2024-01-08,46,45,44,33,22,11,1\n2024-01-08,46,45,44,33,22,11,1\n\n2024-02-07,1,2,3,4,5,6,50\n",
      six_of_49, table, iso);
  EXPECT_EQ(
      import_summary(p),
      "Rows read: 12. New: 1. Already present: 1. In conflict: 1. Refused: 9.\n"
      "Line 3: The table holds 10 11 12 13 14 15 for 2024-01-10; that draw is kept.\n"
      "Line 4: The number 50 is not between 1 and 49.\nLine 5: The number 5 appears twice.\n"
      "Line 6: The bonus 6 is also one of the numbers.\nLine 7: '2024-02-30' is not a date.\n"
      "Line 8: 'x' is not a whole number.\nLine 9: A quoted field is not closed.\n"
      "Line 10: The line has 4 fields; a draw needs 7.\nLine 12: A draw of the same date is on line 11.\n"
      "Line 14: The bonus 50 is not between 1 and 49.");
  // A write that fails half-way leaves both the file and the table as they were.
  ds::testing::fail_next_write_after(20, ENOSPC);
  const ImportWrite full = write_import(dir.games(), "L", table, p, iso);
  EXPECT_FALSE(full.written);
  EXPECT_EQ(full.message,
            "The data was not saved: the disk is full (" + (dir.games() / "L" / "draws.txt").string() + ").");
  EXPECT_EQ(dir.get("L", "draws.txt"), before);
  EXPECT_EQ(table.rows(), 3);
  EXPECT_EQ(write_import(dir.games(), "L", table, p, iso).added, 1);
  EXPECT_EQ(
      dir.get("L", "draws.txt"),
      "2024-01-06 1 2 3 4 5 6 7 \r\n2024-01-08 46 45 44 33 22 11 1 \r\n2024-01-10 10 11 12 13 14 15 0 \r\n");
  EXPECT_EQ(table.rows(), 4);
  // A day-first file with one month-first date: that line does not fit.
  const auto mixed = preview_import(
      "13/02/2024,1,2,3,4,5,6\n14/02/2024,1,2,3,4,5,6\n02/15/2024,1,2,3,4,5,6\n", six_of_49, TextGrid{}, iso);
  ASSERT_EQ(mixed.rows.size(), 3u);
  EXPECT_EQ(mixed.rows[2].reason, "the date does not fit the day/month order of the other dates.");
}

TEST(DrawImport, SampleHistoryAsPublishedCsvMergesBackIntoTheSameFile) {
  // d1 (3,622 draws, every date once, every row valid: checked by a python3 script
  // over the file, 6 of them in November 2025) as a published file: a header,
  // semicolons, d/m/yyyy dates, quoted numbers. The table holds every other draw.
  test::ScratchFolder dir;
  const std::string d1 = test::ScratchFolder::sample("d1");
  std::string csv = "Draw date;N1;N2;N3;N4;N5;N6;Bonus\r\n", half;
  int i = 0;
  for (const auto line : split_lines(d1)) {
    std::istringstream in{std::string(line)};
    std::string date, n;
    in >> date;
    csv += std::to_string(std::stoi(date.substr(8))) + "/" + date.substr(5, 2) + "/" + date.substr(0, 4);
    while (in >> n) csv += ";\"" + n + "\"";
    csv += "\r\n";
    if (i++ % 2 == 0) half += std::string(line) + "\r\n";
  }
  dir.put("S", "draws.txt", half);
  dir.put("S", "param.tix", test::ScratchFolder::sample("d1a"));
  dir.put("S", "published.csv", csv);
  const ImportFileRun run = import_draws_file(dir.games() / "S" / "published.csv", dir.games(), "S", iso);
  EXPECT_EQ(run.message, "");
  EXPECT_EQ(run.summary, "Rows read: 3622. New: 1811. Already present: 1811. In conflict: 0. Refused: 0.");
  EXPECT_EQ(dir.get("S", "draws.txt"), d1);
  TextGrid table;
  read_draws(dir.games(), "S", table, iso);
  EXPECT_EQ(draws_in_period_message(table, *day_number(2025, 11, 1), *day_number(2025, 11, 30), iso),
            "6 draws fall in the period.");
  // Both ends of the period count: November 2025 has draws on the 1st, 5th, 8th, 12th, 15th and 19th.
  EXPECT_EQ(draws_in_period_message(table, *day_number(2025, 11, 5), *day_number(2025, 11, 19), iso),
            "5 draws fall in the period.");
}

TEST(DrawImport, RowsOutOfStepWithTheFileColumnsAreRefusedAndShownAsWritten) {
  // The header has six numbers and a bonus: a row one value short would put the
  // bonus among the numbers, a row with more values would lose some.
  const ImportPreview p = preview_import(
      "Date,N1,N2,N3,N4,N5,N6,Bonus\n2026-01-03,1,2,3,4,5,6,7\n2026-01-10,1,2,3,4,5,9\n"
      "2026-01-17,11,12,13,14,15,16,17,18\n2026-01-24,21,22,23,24,25,26,27,,\n",
      six_of_49, TextGrid{}, iso);
  EXPECT_EQ(import_summary(p),
            "Rows read: 4. New: 2. Already present: 0. In conflict: 0. Refused: 2.\n"
            "Line 3: The line has 7 values where the header has 8 columns.\n"
            "Line 4: The line has 9 values where the header has 8 columns.");
  const TextGrid g = import_preview_grid(p);
  ASSERT_EQ(g.rows(), 5);
  const std::vector<std::string> refused = {"3", "2026-01-10,1,2,3,4,5,9", "", "", "refused"};
  for (int c = 0; c < 5; ++c) EXPECT_EQ(g.cell(2, c), refused[c]) << c;
  EXPECT_EQ(g.cell(3, 1), "2026-01-17,11,12,13,14,15,16,17,18");
  EXPECT_EQ(g.cell(4, 2), "21 22 23 24 25 26");
  EXPECT_EQ(g.cell(4, 3), "27");
  // A separator at the end of the header names no column.
  EXPECT_EQ(
      import_summary(preview_import("Date;A;B;C;D;E;F;\n2026-01-03;1;2;3;4;5;6\n2026-01-07;1;2;3;4;5;6;\n",
                                    six_of_49, TextGrid{}, iso)),
      "Rows read: 2. New: 2. Already present: 0. In conflict: 0. Refused: 0.");
  // A header that names fewer columns than a draw takes is no map of them.
  EXPECT_EQ(import_summary(
                preview_import("Date,Numbers,Bonus\n2026-01-03,1,2,3,4,5,6,7\n2026-01-07,1,2,3,4,5,6,8\n",
                               six_of_49, TextGrid{}, iso)),
            "Rows read: 2. New: 2. Already present: 0. In conflict: 0. Refused: 0.");
  // Without a header the columns are those most lines have.
  EXPECT_EQ(import_summary(preview_import(
                "2026-01-03;1;2;3;4;5;6\n2026-01-10;7;8;9;10;11;12;13\n2026-01-17;14;15;16;17;18;19\n",
                six_of_49, TextGrid{}, iso)),
            "Rows read: 3. New: 2. Already present: 0. In conflict: 0. Refused: 1.\n"
            "Line 2: The line has 8 values where the other lines have 7.");
}

TEST(DrawImport, NumberColumnsOutOfOrderAreReadWithinTheLine) {
  // The number columns found are 2 to 6 and then 0 (round from the date column):
  // the first line, three fields long, once made the reader look past its fields.
  test::ScratchFolder dir;
  dir.put("C", "param.tix", test::ScratchFolder::sample("d1a"));
  dir.put("C", "odd.csv", "8\t1985-4-7\t4\n\t1-4-27\t\t2\t4\t2\t2\n3\t1-4-27\t4\t3\t4\t2\t2");
  const ImportFileRun odd = import_draws_file(dir.games() / "C" / "odd.csv", dir.games(), "C", iso);
  EXPECT_EQ(odd.message, "");
  EXPECT_EQ(odd.summary,
            "Rows read: 3. New: 0. Already present: 0. In conflict: 0. Refused: 3.\n"
            "Line 1: The line has 3 fields; a draw needs 7.\nLine 2: '' is not a whole number.\n"
            "Line 3: The number 4 appears twice.");
  EXPECT_EQ(odd.status, "Nothing was written: the file holds no new draw.");
  EXPECT_EQ(dir.get("C", "draws.txt"), "<missing>");
  // What the command line prints at the end names the file the draws went into.
  dir.put("C", "new.csv", "Date,A,B,C,D,E,F\n2026-01-03,1,2,3,4,5,6\n2026-01-07,7,8,9,10,11,12\n");
  const ImportFileRun run = import_draws_file(dir.games() / "C" / "new.csv", dir.games(), "C", iso);
  EXPECT_EQ(run.status, "2 draws were saved in '" + (dir.games() / "C" / "draws.txt").string() + "'.");
  EXPECT_EQ(dir.get("C", "draws.txt"), "2026-01-03 1 2 3 4 5 6 0 \r\n2026-01-07 7 8 9 10 11 12 0 \r\n");
  // A lotto that does not exist, or whose folder lost its definition, is said to be so.
  EXPECT_EQ(import_draws_file(dir.games() / "C" / "new.csv", dir.games(), "NoSuch", iso).message,
            "There is no lotto named 'NoSuch' (no folder 'NoSuch' in '" + dir.games().string() +
                "'). Create it in the Lotto window first.");
  dir.put("Empty", "draws.txt", "");
  EXPECT_EQ(import_draws_file(dir.games() / "C" / "new.csv", dir.games(), "Empty", iso).message,
            "The lotto 'Empty' has no definition: its folder holds neither 'param.tix' nor 'game.txt'.");
}
