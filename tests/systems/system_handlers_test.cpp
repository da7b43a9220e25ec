#include "systems/system_handlers.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "shell/files.h"
#include "support/scratch.h"
#include "systems/played_system.h"
#include "wheels/wheel_file.h"

namespace ds {
namespace {

namespace fs = std::filesystem;

// The last row of the shipped set Forecaster1.
constexpr int kSet[] = {41, 17, 5, 46, 12, 22, 4, 21, 35, 38};

AppState chosen_state(int set_size = 10, int pick_n = 6, float cost = 3) {
  AppState s;
  s.lotto_name = "Canada_6_49";
  s.lotto.play_n = 49;
  s.lotto.pick_n = static_cast<std::int16_t>(pick_n);
  s.lotto.cost = cost;
  s.lotto.currency = "$";
  s.tset_name = "Forecaster1";
  s.tset_size = static_cast<std::int16_t>(set_size);
  for (int p = 1; p <= set_size; ++p)
    s.tset_numbers[p] = static_cast<std::int16_t>(p <= 10 ? kSet[p - 1] : p + 50);
  return s;
}

std::string numbers_at(std::initializer_list<int> positions) {
  std::string out;
  for (int p : positions) out += (out.empty() ? "" : " ") + std::to_string(kSet[p - 1]);
  return out;
}

class TicketFileTest : public ::testing::Test {
 protected:
  void SetUp() override { file = ticket_file_path(dir.path()); }
  std::string file_text() const { return read_file(file).value_or("<missing>"); }
  test::ScratchFolder dir;
  fs::path file;
};

TEST(ResultsGrid, LayoutHeadersAndEveryCount) {
  AppState s;
  TextGrid g(3, 3);
  g.set_row_height_factor(2, 5);
  fill_results(" 10_4_6 ", s, g);  // the list text is trimmed
  ASSERT_EQ(g.rows(), 12);
  ASSERT_EQ(g.cols(), 7);
  EXPECT_EQ(g.fixed_rows, 2);
  EXPECT_EQ(g.fixed_cols, 2);
  EXPECT_EQ(g.row_height_factor(0), 2);
  EXPECT_EQ(g.row_height_factor(1), 3);
  EXPECT_EQ(g.row_height_factor(2), 1);
  EXPECT_EQ(g.cell(0, 0), "Number of winning");
  EXPECT_EQ(g.cell(1, 0), "balls in the targeted set");
  const char* phrase[] = {"Number", "of tickets", "with", "winning", "balls="};
  for (int k = 2; k <= 6; ++k) {
    EXPECT_EQ(g.cell(0, k), phrase[k - 2]);
    EXPECT_EQ(g.cell(1, k), std::to_string(k));
  }
  EXPECT_EQ(g.cell(0, 1), "");
  EXPECT_EQ(g.cell(1, 1), "");
  // The body, row by row ('_' for an empty cell): the published rows of 10_4_6.
  const auto body = [&g] {
    std::string out;
    for (int r = 2; r < g.rows(); ++r)
      for (int c = 0; c < g.cols(); ++c)
        out += (g.cell(r, c).empty() ? "_" : g.cell(r, c)) + (c == 6 ? "|" : " ");
    return out;
  };
  EXPECT_EQ(body(),
            "2 Min 9 0 0 0 0|_ Max 11 0 0 0 0|3 Min 16 4 0 0 0|_ Max 11 7 0 0 0|4 Min 15 12 1 0 0|"
            "_ Max 12 9 4 0 0|5 Min 5 20 5 0 0|_ Max 10 12 6 2 0|6 Min 1 12 15 2 0|_ Max 2 12 13 2 1|");
  // A five-number system right after: zeros in the w = 6 pair and in column k = 6.
  fill_results("11_3_5", s, g);
  EXPECT_EQ(g.row_height_factor(0), 2);
  EXPECT_EQ(body(),
            "2 Min 4 0 0 0 0|_ Max 4 0 0 0 0|3 Min 9 1 0 0 0|_ Max 6 2 0 0 0|4 Min 12 4 0 0 0|"
            "_ Max 12 2 1 0 0|5 Min 10 8 1 0 0|_ Max 15 5 0 1 0|6 Min 0 0 0 0 0|_ Max 0 0 0 0 0|");
}

TEST(SystemCost, GeneralNumberText) {
  const NumberFormat dot{'.'}, comma{','};
  EXPECT_EQ(system_cost_text(10, 3, dot), "30");
  EXPECT_EQ(system_cost_text(10, 2, dot), "20");
  EXPECT_EQ(system_cost_text(3, 0.5f, comma), "1,5");
  EXPECT_EQ(system_cost_text(500, 2.5f, dot), "1250");
  // The cost as typed, not its binary neighbour.
  EXPECT_EQ(system_cost_text(10, 0.1f, dot), "1");
  EXPECT_EQ(system_cost_text(969, 0.3f, dot), "290.7");
  EXPECT_EQ(system_cost_text(10, 0, dot), "0");
}

TEST_F(TicketFileTest, TenThreeSixOnTheSampleSet) {
  AppState s = chosen_state();
  TextGrid g;
  const FillSystemOutcome out = fill_system("10_3_6 ", s, g, file);
  ASSERT_EQ(out.status, FillSystemStatus::shown);
  EXPECT_TRUE(out.message.empty());
  EXPECT_TRUE(out.file_written);
  EXPECT_EQ(s.ticket_count, 1);
  ASSERT_EQ(g.rows(), 11);
  ASSERT_EQ(g.cols(), 2);
  EXPECT_EQ(g.fixed_rows, 1);
  EXPECT_EQ(g.fixed_cols, 1);
  EXPECT_EQ(g.cell(0, 0), "Tickets");
  EXPECT_EQ(g.cell(0, 1), "Numbers");
  EXPECT_EQ(g.cell(8, 0), "N8");
  EXPECT_EQ(g.cell(8, 1), "21 35 38 41 17 46");
  EXPECT_EQ(out.shown.cost, "30");
  EXPECT_EQ(out.shown.ticket_count, 10);
  EXPECT_EQ(out.shown.plays_text, "");  // no second pool, no plays line
  EXPECT_EQ(out.shown.t, 3);

  // Base ticket 1 1 1 1 2 4 from each start j: positions j..j+4 and j+6 of the circle.
  EXPECT_EQ(file_text(),
            "N1 41 17 5 46 12 4\r\nN2 17 5 46 12 22 21\r\nN3 5 46 12 22 4 35\r\nN4 46 12 22 4 21 38\r\n"
            "N5 12 22 4 21 35 41\r\nN6 22 4 21 35 38 17\r\nN7 4 21 35 38 41 5\r\nN8 21 35 38 41 17 46\r\n"
            "N9 35 38 41 17 5 12\r\nN10 38 41 17 5 46 22\r\n");

  // 10_4_6 next replaces them: 30 tickets at 1 each.
  s.lotto.cost = 1;
  const FillSystemOutcome next = fill_system("10_4_6", s, g, file);
  EXPECT_EQ(s.ticket_count, 3);
  EXPECT_EQ(g.rows(), 31);
  EXPECT_EQ(next.shown.cost, "30");
  EXPECT_EQ(g.cell(11, 1), numbers_at({1, 2, 3, 4, 6, 8}));
  EXPECT_EQ(file_text().substr(file_text().size() - 21), "N30 " + numbers_at({10, 1, 2, 3, 4, 7}) + "\r\n");
}

TEST_F(TicketFileTest, SystemsThatDoNotFitChangeNothing) {
  AppState s = chosen_state();
  TextGrid g;
  fill_system("10_3_6", s, g, file);
  const std::string before = file_text();
  const auto revision = g.revision();
  const auto tickets = s.tickets;
  // Another set size, another ticket size, and no id at all.
  for (const char* id : {"11_3_6", "10_3_5", "11_3_5", "Select ", ""}) {
    const FillSystemOutcome out = fill_system(id, s, g, file);
    EXPECT_EQ(out.status, FillSystemStatus::not_fitting) << id;
    EXPECT_TRUE(out.message.empty()) << id;
  }
  // A five-number lotto does not take six-number tickets.
  s.lotto.pick_n = 5;
  EXPECT_EQ(fill_system("10_3_6", s, g, file).status, FillSystemStatus::not_fitting);
  // A set without numbers is reported.
  s.lotto.pick_n = 6;
  s.tset_numbers = {};
  const FillSystemOutcome none = fill_system("10_3_6", s, g, file);
  EXPECT_EQ(none.status, FillSystemStatus::no_tset_numbers);
  EXPECT_EQ(none.message, "Please, select the targeted set on the form 'Tsets'");
  EXPECT_EQ(g.revision(), revision);
  EXPECT_EQ(s.tickets, tickets);
  EXPECT_EQ(s.ticket_count, 1);
  EXPECT_EQ(file_text(), before);
}

TEST_F(TicketFileTest, UnwritableFileIsReportedAndTheTicketsStay) {
  AppState s = chosen_state();
  TextGrid g;
  ASSERT_TRUE(fill_system("10_3_6", s, g, file).file_written);
  const std::string before = file_text();
  testing::fail_next_write_after(5, ENOSPC);
  const FillSystemOutcome out = fill_system("10_4_6", s, g, file);
  EXPECT_EQ(out.status, FillSystemStatus::shown);
  EXPECT_FALSE(out.file_written);
  EXPECT_EQ(out.message, "The tickets could not be saved: the disk is full (" + file.string() +
                             "). They are shown here, but the System Performance window will not find them.");
  EXPECT_EQ(g.rows(), 31);
  EXPECT_EQ(out.shown.cost, "90");
  EXPECT_EQ(file_text(), before);  // the earlier file is whole

  const FillSystemOutcome missing = fill_system("10_3_6", s, g, dir.path() / "no such folder" / "system");
  EXPECT_FALSE(missing.file_written);
  EXPECT_FALSE(missing.message.empty());
  EXPECT_EQ(g.rows(), 11);
}

TEST_F(TicketFileTest, TheWindowNamesTheSetAsThePrintoutDoes) {
  AppState s = chosen_state();
  s.app_folder = dir.path();
  ASSERT_EQ(system_window_load(s).tset_label, "unsaved set");  // no such file
  fs::create_directories(dir.path() / "Tsets" / "10");
  ASSERT_EQ(write_file_atomic(dir.path() / "Tsets" / "10" / "Forecaster1",
                              "2025-11-19 41 17 5 46 12 22 4 21 35 38 \r\n"),
            "");
  EXPECT_EQ(system_window_load(s).tset_label, "Forecaster1");
  EXPECT_EQ(system_window_load(s).lotto_label, "Canada_6_49");
  s.tset_numbers[10] = 39;  // a row changed and not saved
  EXPECT_EQ(system_window_load(s).tset_label, "unsaved set");
  TextGrid g;
  EXPECT_EQ(fill_system("10_3_6", s, g, file).shown.tset_name, "unsaved set");
  s.tset_name.clear();
  EXPECT_EQ(system_window_load(s).message, "Please select a Targeted Set in the 'Targeted Sets' window.");
}

TEST_F(TicketFileTest, PrintedDocumentDescribesTheTicketsShown) {
#ifdef _WIN32
  GTEST_SKIP() << "the set's name holds < > \" that Windows file names cannot";
#endif
  AppState s = chosen_state();
  s.tset_name = "Mine <&> \"best\"";
  s.app_folder = dir.path();
  fs::create_directories(dir.path() / "Tsets" / "10");
  ASSERT_EQ(
      write_file_atomic(dir.path() / "Tsets" / "10" / s.tset_name,
                        "2025-01-01 1 2 3 4 5 6 7 8 9 10 \r\n2025-01-04 41 17 5 46 12 22 4 21 35 38 \r\n"),
      "");
  TextGrid g;
  // Numbers no saved row holds are not called by the set's name.
  s.tset_numbers[10] = 39;
  EXPECT_NE(system_print_html(fill_system("10_4_6", s, g, file).shown, g).find("unsaved set (10 numbers)"),
            std::string::npos);
  s.tset_numbers[10] = 38;
  const FillSystemOutcome out = fill_system("10_4_6", s, g, file);
  ASSERT_EQ(out.status, FillSystemStatus::shown);
  const std::string html = system_print_html(out.shown, g);
  for (const std::string& part :
       {std::string("Canada_6_49"), std::string("Mine &lt;&amp;&gt; &quot;best&quot;"),
        std::string("41 17 5 46 12 22 4 21 35 38"), std::string("System 10_4_6"),
        std::string("at least 4 of the winning numbers lie among the 10 numbers"), std::string("<td>30</td>"),
        std::string("90 $"), std::string("<b>N1</b></td><td>" + g.cell(1, 1)),
        std::string("<b>N30</b></td><td>" + g.cell(30, 1))})
    EXPECT_NE(html.find(part), std::string::npos) << part;
  EXPECT_EQ(html.find("<&>"), std::string::npos);
  EXPECT_EQ(html.find("N31"), std::string::npos);
  g.set_rows(2);  // one ticket is still a page to print
  EXPECT_NE(print_system(out.shown, g).html, "");
}

TEST_F(TicketFileTest, SecondPoolPlaysEveryTicketWithEachPickedNumber) {
  // 11_3_5 on a 5 of 69 + 1 of 26 game: its 22 tickets, each played with 4 and with 19.
  AppState classic = chosen_state(11, 5, 2);
  TextGrid grid;
  ASSERT_EQ(fill_system("11_3_5", classic, grid, file).status, FillSystemStatus::shown);
  const std::string tickets = file_text();
  AppState s = classic;
  s.lotto.play_n = 69;
  s.lotto.bonus_n = 0;
  s.lotto.second_pool = 26;
  s.lotto.second_n = 1;
  std::remove(file.string().c_str());
  FillSystemOutcome out = fill_system("11_3_5", s, grid, file);
  EXPECT_EQ(out.status, FillSystemStatus::no_second_picks);
  EXPECT_EQ(out.message, "Type at least 1 second-pool number (1 to 26) to play with the tickets.");
  EXPECT_EQ(file_text(), "<missing>");

  s.second_picks = {4, 19};
  out = fill_system("11_3_5", s, grid, file);
  ASSERT_EQ(out.status, FillSystemStatus::shown);
  std::string expected;
  int play = 0;
  for (const auto line : split_lines(tickets)) {
    const std::string numbers(line.substr(line.find(' ') + 1));
    for (const char* second : {"4", "19"})
      expected += "N" + std::to_string(++play) + " " + numbers + " + " + second + "\r\n";
  }
  EXPECT_EQ(play, 44);
  EXPECT_EQ(file_text(), expected);
  EXPECT_EQ(grid.cell(0, 2), "Second pool");
  EXPECT_EQ(grid.cell(44, 2), "19");
  EXPECT_EQ(out.shown.cost, "88");
  EXPECT_EQ(out.shown.plays_text, "22 tickets \u00d7 2 second-pool numbers = 44 plays");
  const std::string html = system_print_html(out.shown, grid);
  EXPECT_NE(html.find("<b>N44</b></td><td>" + grid.cell(44, 1) + " + 19</td>"), std::string::npos);
  // The wheel reader takes the file back as the 22 tickets, without the second pool.
  const WheelRead read = parse_ticket_list(file_text(), {});
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(read.wheel.tickets.size(), 22u);
  EXPECT_EQ(read.wheel.k, 5);

  // txtSecond: new picks show the chosen system again with them; the same picks
  // change nothing; an empty box is let be only while none are picked.
  s.app_folder = dir.path();
  SystemModel m;
  EXPECT_FALSE(take_second_picks(m, " 19 4 ", "11_3_5", s).tickets);
  const SystemOutcome again = take_second_picks(m, "7", "11_3_5", s);
  EXPECT_EQ(again.second_text.value_or("") + "/" + m.tickets.cell(22, 2), "7/7");
  EXPECT_EQ(take_second_picks(m, "", "11_3_5", s).focus, SystemFocus::second);
  s.second_picks.clear();
  EXPECT_EQ(take_second_picks(m, " ", "11_3_5", s).message, "");

  // A 7-number game: no system of the list fits, and the choice says so.
  s = chosen_state(10, 7);
  out = fill_system("10_3_6", s, grid, file);
  EXPECT_EQ(out.status, FillSystemStatus::not_fitting);
  EXPECT_EQ(out.message,
            "The systems of the list make tickets of 5 or 6 numbers; the lotto draws 7. Make a wheel with 7 "
            "numbers per ticket (Make a Wheel) and choose it here.");
  classic = chosen_state(11, 6);
  EXPECT_EQ(fill_system("11_3_5", classic, grid, file).message, "");  // silent as always
  // A made wheel of 7 numbers per ticket plays on it.
  s.app_folder = dir.path();
  test::ScratchFolder::put(made_wheel_path(dir.path(), "Seven"),
                           "# wheel v=10 k=7 t=2 m=2 made=by hand\n1 2 3 4 5 6 7\n4 5 6 7 8 9 10\n");
  out = fill_system("Seven", s, grid, file);
  ASSERT_EQ(out.status, FillSystemStatus::shown) << out.message;
  EXPECT_EQ(grid.cell(2, 1), numbers_at({4, 5, 6, 7, 8, 9, 10}));
}

}  // namespace
}  // namespace ds
