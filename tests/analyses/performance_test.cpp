#include "analyses/performance.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/scratch.h"

namespace {

namespace fs = std::filesystem;

class PerformanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    in.draw = {"", "3", "9", "17", "25", "33", "41", "12"};
    in.prizes = {"0", "0", "10", "0", "54.5", "0", "0", "0", "0", "0"};
    in.tset_numbers = {0, 3, 9, 17, 25, 33, 41, 12, 20, 22, 28};
    in.tset_size = 10;
    in.system_id = "10_3_6";
    in.pick_n = 6;
    in.system_file = dir.path() / "system";
    write("N1 3 9 12 30 31 44\r\nN2 3 9 17 20 22 28\r\nN3 3 9 17 25 40 45\r\nN4 1 2 4 5 6 7\r\n");
    ds::reset_performance_grid(grid);
  }
  void write(const std::string& text) { std::ofstream(in.system_file, std::ios::binary) << text; }

  ds::test::ScratchFolder dir;
  ds::PerformanceInput in;
  ds::TextGrid grid;
};

TEST_F(PerformanceTest, WorkedExampleWritesTwoTicketsAndABoldTotal) {
  const auto out = ds::Performance(in, grid);
  EXPECT_TRUE(out.message.empty());
  EXPECT_EQ(out.system_label, "10_3_6");
  EXPECT_EQ(out.tset_label, "3 9 17 25 33 41 12 20 22 28 ");
  ASSERT_EQ(grid.rows(), 4);
  const std::vector<std::string> row1 = {"2", "3 9 17 20 22 28", "3", "10"};
  const std::vector<std::string> row2 = {"3", "3 9 17 25 40 45", "4", "54.5"};
  for (int c = 0; c < 4; ++c) {
    EXPECT_EQ(grid.cell(1, c), row1[c]);
    EXPECT_EQ(grid.cell(2, c), row2[c]);
    EXPECT_TRUE(grid.bold(0, c));
  }
  EXPECT_EQ(grid.cell(3, 1), "Total");
  EXPECT_EQ(grid.cell(3, 3), "64.5");
  EXPECT_TRUE(grid.bold(3, 1) && grid.bold(3, 3));
  EXPECT_FALSE(grid.bold(3, 0));

  // The same draw with the 2+bonus box paid, then a draw that wins nothing.
  in.prizes[1] = "5";
  ds::Performance(in, grid);
  EXPECT_EQ(grid.cell(1, 2), "2+bonus");
  EXPECT_EQ(grid.cell(4, 3), "69.5");
  // 5 + 10 + 22,000,664: beyond 2^24 single precision would round the total to 22,000,680.
  in.prizes[4] = "22000664";
  ds::Performance(in, grid);
  EXPECT_EQ(grid.cell(4, 3), "22000679");
  in.draw = {"", "1", "2", "0", "0", "0", "0", "9"};
  const auto none = ds::Performance(in, grid);
  EXPECT_EQ(none.winning_tickets, 0);
  EXPECT_EQ(grid.rows(), 2);
  EXPECT_EQ(grid.cell(1, 0), "");
  EXPECT_FALSE(grid.bold(0, 0));
}

TEST_F(PerformanceTest, ChecksComeFirstAndLeaveTheGridAlone) {
  grid.set_cell(1, 1, "kept");
  in.draw[1] = "0";
  auto out = ds::Performance(in, grid);
  EXPECT_EQ(out.message, "Please select numbers in the draw");
  EXPECT_EQ(out.focus, ds::PerformanceFocus::first_number);
  // What is chosen is shown even so.
  EXPECT_EQ(out.system_label, "10_3_6");
  EXPECT_EQ(out.tset_label, "3 9 17 25 33 41 12 20 22 28 ");
  in.draw[1] = "3";
  in.tset_numbers[1] = 0;
  out = ds::Performance(in, grid);
  EXPECT_EQ(out.message, "Please select a Targeted Set in the 'Targeted Sets' window.");
  EXPECT_EQ(out.show, ds::WindowId::tsets);
  EXPECT_EQ(out.system_label, "10_3_6");
  EXPECT_FALSE(out.tset_label);
  in.tset_numbers[1] = 3;
  in.system_id.clear();
  out = ds::Performance(in, grid);
  EXPECT_EQ(out.show, ds::WindowId::system);
  EXPECT_FALSE(out.system_label);
  EXPECT_EQ(grid.cell(1, 1), "kept");
}

TEST_F(PerformanceTest, MatchingIsByTextAndByTheFileTicketNumber) {
  // "07" is not 7; the bonus alone wins nothing; the number comes from the file.
  write("N12 7 9 17 25 1 2\nN13 07 9 17 40 41 42\n\n N14 1 12 50 51 52 53\n");
  in.draw = {"", "7", " 9 ", "17", "25", "33", "42", "1"};
  in.prizes = {"2", "0", "10", "0", "54.5", "60", "0", "0", "0", "0"};
  const auto out = ds::Performance(in, grid);
  EXPECT_TRUE(out.message.empty());
  ASSERT_EQ(grid.rows(), 4);
  EXPECT_EQ(grid.cell(1, 0), "12");
  EXPECT_EQ(grid.cell(1, 2), "4+bonus");
  EXPECT_EQ(grid.cell(1, 3), "60");
  EXPECT_EQ(grid.cell(2, 0), "13");
  EXPECT_EQ(grid.cell(2, 2), "3");  // 9, 17 and the sixth number drawn
  EXPECT_EQ(grid.cell(2, 1), "07 9 17 40 41 42");
  EXPECT_EQ(grid.cell(2, 3), "10");
  EXPECT_EQ(grid.cell(3, 3), "70");
}

TEST_F(PerformanceTest, FailuresKeepTheRowsWrittenSoFar) {
  // (Damaged ticket files are in the hostile-input table.)
  write("N2 3 9 17 20 22 28\nNx 3 9 17 25 40 45\n");
  auto out = ds::Performance(in, grid);
  EXPECT_EQ(out.message, "Sorry, the data is not correct.");
  EXPECT_EQ(grid.cell(1, 0), "2");
  EXPECT_EQ(out.winning_tickets, 1);
  EXPECT_FALSE(out.total_written);
  fs::remove(in.system_file);
  EXPECT_EQ(ds::Performance(in, grid).system_label, "10_3_6");

  // A cleared prize box is not "0": its class wins with an empty value; the
  // total cannot be formed once another ticket follows.
  write("N2 3 9 17 20 22 28\nN3 3 9 17 25 40 45\n");
  in.prizes[4] = "";
  out = ds::Performance(in, grid);
  EXPECT_EQ(out.message, "Sorry, the data is not correct.");
  EXPECT_EQ(grid.cell(2, 3), "");
  EXPECT_EQ(grid.rows(), 3);
  in.prizes[2] = "";
  out = ds::Performance(in, grid);
  EXPECT_TRUE(out.message.empty());  // row 1 has no value: no total
  EXPECT_FALSE(out.total_written);
}

TEST_F(PerformanceTest, PrintedReportHoldsDrawSystemTicketsAndTotal) {
  ds::Performance(in, grid);
  const std::string html =
      ds::performance_report_html({"Canada_6_49", "10_3_6", "3 9 17 25 33 41 12 20 22 28 ", in.draw, &grid});
  for (const char* part : {"Canada_6_49", "3 9 17 25 33 41", "<td>12</td>", "10_3_6", "3 9 17 20 22 28",
                           "<b>Total</b>", "<b>64.5</b>"})
    EXPECT_NE(html.find(part), std::string::npos) << part;
  ds::TextGrid empty;
  ds::reset_performance_grid(empty);
  EXPECT_NE(ds::performance_report_html({"", "x<y", "", in.draw, &empty}).find("x&lt;y"), std::string::npos);
}

}  // namespace

TEST_F(PerformanceTest, SecondPoolPlaysArePaidByTheirTier) {
  // The plays of the back-test's worked draw 1 2 3 20 30 + 4 (analyses/backtest_test).
  in.general = true;
  in.pick_n = in.lotto.pick_n = 5;
  in.lotto.play_n = 69;
  in.lotto.bonus_n = 0;
  in.lotto.second_pool = 26;
  in.lotto.second_n = 1;
  in.lotto.tiers = {{5, false, 1, 0}, {3, false, 1, 0}, {3, false, 0, 0}, {0, false, 1, 0}, {1, false, 1, 0}};
  in.tier_prizes = {"20000000", "100", "7", "4", "0"};
  in.draw = {"", "1", "2", "3", "20", "30", "0", "0"};
  in.draw_second = {"4", ""};
  write(
      "N1 1 2 3 4 5 + 4\r\nN2 1 2 3 4 5 + 19\r\nN3 6 7 8 9 10 + 4\r\nN4 6 7 8 9 10 + 19\r\n"
      "N5 1 6 7 8 9 + 4\r\n");
  const auto out = ds::Performance(in, grid);
  EXPECT_EQ(out.message, "");
  std::string rows;
  for (int r = 1; r < grid.rows(); ++r)
    rows += grid.cell(r, 0) + "|" + grid.cell(r, 1) + "|" + grid.cell(r, 2) + "|" + grid.cell(r, 3) + "\n";
  EXPECT_EQ(rows, "1|1 2 3 4 5 + 4|3+1|100\n2|1 2 3 4 5 + 19|3+0|7\n3|6 7 8 9 10 + 4|0+1|4\n|Total||111\n");
}

TEST(PerformanceDraw, AGeneralGameShowsItsCurrentDrawInItsBoxes) {
  // 7 of 50 with a bonus and 2 of 12: N1..N6, the bonus in the seventh box, then N7, S1, S2.
  ds::AppState s = ds::test::fresh_state();
  s.lotto = ds::test::game_shape(50, 7, 1, 12, 2);
  s.current_draw = {4, 9, 14, 19, 24, 29, 39};
  s.current_draw_n7 = 34;
  s.current_draw_second = {3, 11};
  ds::PerformanceModel model;
  const ds::PerformanceDraw d = *ds::open_performance(model, s).draw;
  EXPECT_EQ(d.n, (std::array<std::string, 8>{"", "4", "9", "14", "19", "24", "29", "39"}));
  EXPECT_EQ(d.main7 + " " + d.second[0] + " " + d.second[1], "34 3 11");
}

TEST_F(PerformanceTest, AGeneralGameShowsItsBoxesHiddenOnesZeroAndTypedPrizesStay) {
  ds::AppState s = ds::test::fresh_state(dir.path());
  s.lotto = ds::test::powerball_game();  // 5 of 69, 1 of 26, no bonus: N6, the bonus and S2 hidden
  ds::PerformanceModel model;
  ds::PerformanceForm form{{{"", "1", "2", "3", "20", "30", "6", "7"}, "8", {"4", "9"}}, {}};
  auto out = ds::refresh_performance(model, form, s);
  EXPECT_TRUE(out.boxes.main == 5 && !out.boxes.main7 && out.boxes.second == 1 && !out.boxes.bonus);
  ASSERT_TRUE(out.draw && out.prizes);
  EXPECT_EQ(out.draw->n[6] + out.draw->n[7] + out.draw->main7 + out.draw->second[0] + out.draw->second[1],
            "00040");
  EXPECT_EQ(out.prizes->tier_labels.back() + " " + out.prizes->texts.tiers.front(), "0+1 20000000");
  form = {*out.draw, {{}, {"5", "6", "7", "8", "9", "10", "11", "12", "13"}}};
  out = ds::refresh_performance(model, form, s);  // the same game: nothing shown anew
  EXPECT_FALSE(out.draw || out.prizes);
  EXPECT_EQ(model.report.second, "4");
}
