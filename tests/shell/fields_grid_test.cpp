#include <gtest/gtest.h>

#include "shell/dates.h"
#include "shell/fields.h"
#include "shell/grid.h"

using namespace ds;

// Fields joined with '|' after their count, as split_fields leaves them in f[1..n].
std::string split(const char* separator, const char* line, std::vector<std::string> f = {}) {
  std::int16_t n = -1;
  split_fields(separator, line, n, f);
  std::string out = std::to_string(n) + ":";
  for (std::size_t i = 1; i < f.size(); ++i) out += f[i] + "|";
  return out;
}

TEST(SplitFields, BlanksFoldUnderscoresKeepEmptyFields) {
  const struct {
    const char *separator, *line, *fields;
  } cases[] = {
      {" ", "  2024-01-03 1  2 3   4 5 6 7 ", "8:2024-01-03|1|2|3|4|5|6|7|"},
      {"_", "10_3_6", "3:10|3|6|"},
      {"_", "_a__ b _\tc", "5:|a||b|\tc|"},  // only blanks are trimmed
      {"_", "single", "1:single|"},
      {"", "a b", "0:"},
  };
  for (const auto& c : cases) EXPECT_EQ(split(c.separator, c.line), c.fields) << c.line;
  // A line of blanks leaves the fields of the line before.
  EXPECT_EQ(split(" ", "   ", {"", "a", "b"}), "0:a|b|");
}

TEST(SortGridByDate, OrdersRowsAndKeepsTextOrReportsError) {
  const DateFormat us{DateFormat::Order::mdy, '/', false};
  TextGrid g(1, 3);
  EXPECT_EQ(sort_grid_by_date(g, 0, us), "");
  EXPECT_EQ(g.cols(), 3);

  g.resize(4, 3);
  g.set_cell(1, 0, "3/3/2024");
  g.set_cell(1, 1, "c");
  g.set_cell(2, 0, "2024-03-01");
  g.set_cell(2, 1, "a");
  g.set_cell(3, 0, " 03/02/2024");
  g.set_cell(3, 1, "b");
  EXPECT_EQ(sort_grid_by_date(g, 0, us), "");
  EXPECT_EQ(g.cols(), 3);
  EXPECT_EQ(g.cell(1, 1), "a");
  EXPECT_EQ(g.cell(2, 1), "b");
  EXPECT_EQ(g.cell(3, 0), "3/3/2024");

  g.set_cell(2, 0, "2/30/2024");
  EXPECT_EQ(sort_grid_by_date(g, 0, us), "error");
  EXPECT_EQ(g.cols(), 3);
  EXPECT_EQ(g.cell(1, 1), "a");
  EXPECT_EQ(g.cell(3, 1), "c");
}
