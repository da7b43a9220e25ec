#include <gtest/gtest.h>

#include "shell/dates.h"
#include "shell/fields.h"
#include "shell/grid.h"

using namespace ds;

TEST(SplitFields, BlankSeparatorFoldsRunsOfBlanks) {
  std::int16_t n = -1;
  std::vector<std::string> f;
  split_fields(" ", "  2024-01-03 1  2 3   4 5 6 7 ", n, f);
  ASSERT_EQ(n, 8);
  EXPECT_EQ(f.size(), 9u);
  EXPECT_EQ(f[1], "2024-01-03");
  EXPECT_EQ(f[8], "7");
}

TEST(SplitFields, UnderscoreKeepsEmptyFieldsAndTrimsOnlyBlanks) {
  std::int16_t n = 0;
  std::vector<std::string> f;
  split_fields("_", "10_3_6", n, f);
  ASSERT_EQ(n, 3);
  EXPECT_EQ(f[1], "10");
  EXPECT_EQ(f[3], "6");
  split_fields("_", "_a__ b _\tc", n, f);
  ASSERT_EQ(n, 5);
  EXPECT_EQ(f[1], "");
  EXPECT_EQ(f[2], "a");
  EXPECT_EQ(f[3], "");
  EXPECT_EQ(f[4], "b");
  EXPECT_EQ(f[5], "\tc");
  split_fields("_", "single", n, f);
  EXPECT_EQ(n, 1);
  EXPECT_EQ(f.size(), 2u);
}

TEST(SplitFields, EmptyLineLeavesTheArrayAndEmptySeparatorIsRejected) {
  std::int16_t n = 0;
  std::vector<std::string> f;
  split_fields(" ", "a b", n, f);
  split_fields(" ", "   ", n, f);
  EXPECT_EQ(n, 0);
  ASSERT_EQ(f.size(), 3u);
  EXPECT_EQ(f[2], "b");
  split_fields("", "a b", n, f);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(f[1], "a");
}

TEST(SortGridByDate, OrdersRowsAndKeepsTextOrReportsError) {
  const DateFormat us{DateFormat::Order::mdy, '/', false};
  TextGrid g(1, 3);
  std::string result = "x";
  sort_grid_by_date(g, 0, result, us);
  EXPECT_EQ(result, "");
  EXPECT_EQ(g.cols(), 3);

  g.resize(4, 3);
  g.set_cell(1, 0, "3/3/2024"); g.set_cell(1, 1, "c");
  g.set_cell(2, 0, "2024-03-01"); g.set_cell(2, 1, "a");
  g.set_cell(3, 0, " 03/02/2024"); g.set_cell(3, 1, "b");
  sort_grid_by_date(g, 0, result, us);
  EXPECT_EQ(result, "");
  EXPECT_EQ(g.cols(), 3);
  EXPECT_EQ(g.cell(1, 1), "a");
  EXPECT_EQ(g.cell(2, 1), "b");
  EXPECT_EQ(g.cell(3, 0), "3/3/2024");

  g.set_cell(2, 0, "2/30/2024");
  sort_grid_by_date(g, 0, result, us);
  EXPECT_EQ(result, "error");
  EXPECT_EQ(g.cols(), 3);
  EXPECT_EQ(g.cell(1, 1), "a");
  EXPECT_EQ(g.cell(3, 1), "c");
}
