#include "analyses/backtest.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "lotto/lotto_files.h"
#include "shell/files.h"
#include "support/scratch.h"
#include "systems/played_system.h"

using namespace ds;

namespace {

std::string sample(const char* file) {
  return *read_file(std::filesystem::path(DRAWSMITH_SOURCE_DIR) / "data" / "samples" / file);
}

// Lines of blank-separated cells; numbers from column 2 in a draw table (1 holds its key), 1 in a set.
TextGrid grid_of(const std::string& text, int first_number_col) {
  TextGrid g(1, 21);
  for (const auto line : split_lines(text)) {
    std::istringstream in{std::string(line)};
    std::string cell;
    const int r = g.append_row();
    for (int c = 0; in >> cell; c = c == 0 ? first_number_col : c + 1) g.set_cell(r, c, cell);
  }
  return g;
}

// The sample lotto: 6 of 49; 3: 10, 4: 80, 2+bonus: 5, 3+bonus: 10, ...; a ticket costs 3.
BacktestInput sample_input(const char* system, int tset_size, DayNumber from, DayNumber to) {
  return {system, *decode_definition(sample("d1a")), tset_size, from, to, DateFormat::iso(), {}};
}

}  // namespace

TEST(Backtest, HandWorkedDrawsARepeatedSetNumberAndRefusals) {
  // 10_3_6: ticket j holds positions j..j+4 and j+6 (round 10).
  // 01-03: set 1..10, draw 1 2 3 11 12 13 + 4: tickets 1 and 10 win 3+bonus (10 each),
  //   9 wins 3 (10), 2 and 8 win 2+bonus (5 each): 40, best 3+bonus.
  // 01-06: no set row, not played. 01-10: 5 stands at positions 1 and 2 and counts
  //   once; every ticket holds at most 5 and 6 of the draw: best 2, nothing won.
  const TextGrid draws = grid_of(
      "2023-12-30 1 2 3 4 5 6 7\n2024-01-03 1 2 3 11 12 13 4\n2024-01-06 1 2 3 4 5 6 7\n"
      "2024-01-10 5 6 20 21 22 23 0",
      2);
  const TextGrid sets = grid_of(
      "2023-12-30 1 2 3 4 5 6 7 8 9 10\n2024-01-03 1 2 3 4 5 6 7 8 9 10\n2024-01-10 5 5 6 7 8 9 10 11 12 13",
      1);
  const BacktestResult r = run_backtest(
      sample_input("10_3_6", 10, *day_number(2024, 1, 1), *day_number(2024, 1, 31)), draws, sets);
  EXPECT_EQ(r.message, "");
  EXPECT_EQ(r.running_net, (std::vector<double>{10, -20}));
  // 01-03 alone at 0.05 a ticket: 0.5 staked, 40 won, 80 per unit.
  BacktestInput cheap = sample_input("10_3_6", 10, *day_number(2024, 1, 3), *day_number(2024, 1, 3));
  cheap.lotto.cost = 0.05f;
  EXPECT_DOUBLE_EQ(run_backtest(cheap, draws, sets).return_per_unit, 80.0);
  const TextGrid g = backtest_grid(r, DateFormat::iso(), NumberFormat{});
  std::string rows;
  for (int row = 0; row < g.rows(); ++row)
    for (int c = 0; c < 6; ++c) rows += g.cell(row, c) + (c == 5 ? "\n" : "|");
  EXPECT_EQ(
      rows,
      "Date|Tickets|Spent|Won|Best match|Net\n2024-01-03|10|30|40|3+bonus|10\n2024-01-10|10|30|0|2|-20\n");
  EXPECT_EQ(
      backtest_totals_text(r, "$", NumberFormat{','}),
      "Spent 60 $, won 40 $, net -20 $; return per unit staked 0,6667; draws with a prize: 1 of 2 played.\n"
      "1 of the 3 draws of the period has no targeted set row of its date and was not played.");

  // A wheel of the library, listed for a set of its size and played like a made wheel:
  // 1 2 3 4 5 6 and 5..10 on 01-03 (set 1..10, draw 1 2 3 11 12 13 + 4) win 3+bonus (10)
  // and nothing; on 01-10 (set 5 5 6 ... 13) they hold 5 6 (of 5 5 6 7 8 9) and none (of 8..13):
  // best 2, no prize.
  test::ScratchFolder scratch;
  const auto library = scratch.path() / "wheel_library.txt";
  scratch.put(library,
              "# wheel v=10 k=6 t=1 m=1 tickets=2 made=by hand\n1 2 3 4 5 6\n5 6 7 8 9 10\n"
              "# wheel v=9 k=6 t=1 m=1 tickets=2 made=by hand\n1 2 3 4 5 6\n4 5 6 7 8 9\n");
  EXPECT_EQ(backtest_wheels({}, 10, 6, library), std::vector<std::string>{"library 10_6_1if1"});
  BacktestInput from_library =
      sample_input("library 10_6_1if1", 10, *day_number(2024, 1, 1), *day_number(2024, 1, 31));
  from_library.library = library;
  const BacktestResult lib = run_backtest(from_library, draws, sets);
  EXPECT_EQ(lib.message, "");
  EXPECT_EQ(lib.running_net, (std::vector<double>{4, -2}));  // 6 staked a draw at 3 a ticket
  from_library.library.clear();
  EXPECT_EQ(run_backtest(from_library, draws, sets).message, "Please choose a system.");

  const std::tuple<const char*, int, int, const char*> refusals[] = {
      // system, set size, year, message
      {"9_3_6", 10, 2024, "Please choose a system."},
      {"11_3_6", 10, 2024, "The system 11_3_6 needs a targeted set of 11 numbers; the chosen set has 10."},
      {"11_3_5", 11, 2024, "The system 11_3_5 makes tickets of 5 numbers; the lotto draws 6."},
      {"10_3_6", 10, 2030,
       "No draw falls in the period from 2030-01-01 to 2030-12-31. The draw history runs from 2023-12-30 to "
       "2024-01-10."}};
  for (const auto& [system, size, year, message] : refusals)
    EXPECT_EQ(run_backtest(sample_input(system, size, *day_number(year, 1, 1), *day_number(year, 12, 31)),
                           draws, sets)
                  .message,
              message)
        << system;
}

TEST(Backtest, SampleHistoryAndSampleSetWith10_4_6) {
  // Figures from a python3 script over d1, d1a and d2 that expands the three base
  // tickets of 10_4_6 itself: 60 set rows, each on a draw date; 30 tickets a draw.
  const BacktestResult r =
      run_backtest(sample_input("10_4_6", 10, *day_number(1982, 1, 1), *day_number(2025, 12, 31)),
                   grid_of(sample("d1"), 2), grid_of(sample("d2"), 1));
  EXPECT_EQ(r.draws_in_period, 3622);
  EXPECT_EQ(r.draws_without_set, 3562);
  ASSERT_EQ(r.draws.size(), 60u);
  EXPECT_EQ(r.spent, 5400);
  EXPECT_EQ(r.won, 690);
  EXPECT_EQ(r.winning_draws, 6);
  EXPECT_EQ(r.running_net.front(), -90);
  EXPECT_EQ(r.running_net.back(), -4710);
  std::map<std::string, int> best;
  for (const auto& d : r.draws) ++best[best_match_text(d.best_hits, d.best_bonus)];
  EXPECT_EQ(best, (std::map<std::string, int>{{"0", 16},
                                              {"0+bonus", 3},
                                              {"1", 14},
                                              {"1+bonus", 8},
                                              {"2", 13},
                                              {"2+bonus", 2},
                                              {"3", 1},
                                              {"3+bonus", 1},
                                              {"4", 2}}));
}

TEST(Backtest, WindowSystemsLoadChecksAndPrintedPage) {
  // The catalogue's systems of each set size and ticket size (read off its list).
  const std::tuple<int, int, std::vector<std::string>> fits[] = {{10, 6, {"10_3_6", "10_4_6"}},
                                                                 {11, 5, {"11_3_5", "11_4_5"}},
                                                                 {20, 6, {"20_3_6", "20_4_6"}},
                                                                 {9, 6, {}}};
  for (const auto& [v, m, ids] : fits) EXPECT_EQ(backtest_systems(v, m), ids) << v << "_" << m;

  AppState s;
  s.date_format = DateFormat::iso();
  s.lotto = sample_input("10_3_6", 10, 0, 0).lotto;
  const TextGrid draws = grid_of("2024-01-10 1 2 3 4 5 6 7\n2023-12-30 1 2 3 4 5 6 7", 2);
  const TextGrid sets = grid_of("2024-01-10 1 2 3 4 5 6 7 8 9 10", 1);
  const BacktestLoad none = backtest_load(s, nullptr, *day_number(2025, 2, 3));
  EXPECT_EQ(none.lotto_label + "|" + none.tset_label + "|" + none.from_text + "|" + none.to_text,
            "Not selected|Not selected|2025-02-03|2025-02-03");
  EXPECT_TRUE(none.systems.empty());
  s.lotto_name = "L";
  s.tset_name = "T";
  s.tset_size = 10;
  const BacktestLoad load = backtest_load(s, &draws, *day_number(2025, 2, 3));
  EXPECT_EQ(load.tset_label + "|" + load.from_text + "|" + load.to_text,
            "T (10 numbers)|2023-12-30|2024-01-10");
  EXPECT_EQ(load.systems.size(), 2u);

  using Focus = BacktestOutcome::Focus;
  const struct {
    const char *lotto, *tset, *system, *from, *to, *message, *period;
    Focus focus;
    WindowId show;
  } cases[] = {
      {"", "T", "10_3_6", "x", "x", "Please select a Lotto in the 'Lotto' window.", "", Focus::none,
       WindowId::lotto},
      {"L", "", "10_3_6", "x", "x", "Please select a Targeted Set in the 'Targeted Sets' window.", "",
       Focus::none, WindowId::tsets},
      {"L", "T", " ", "x", "x", "Please choose a system.", "", Focus::system, {}},
      {"L", "T", "10_3_6", "2024-02-30", "x", "Incorrect date.", "", Focus::from, {}},
      {"L", "T", "10_3_6", "2024-01-01", "x", "Incorrect date.", "", Focus::to, {}},
      {"L", "T", "10_3_6", "2024-01-01", "2024-12-31", "", "1 draw falls in the period.", Focus::none, {}},
      {"L",
       "T",
       "10_3_6",
       "2023-01-01",
       "2023-12-31",
       "The draw of the period has no targeted set row of its date.",
       "1 draw falls in the period.",
       Focus::none,
       {}},
      // no draw: said in the status line alone
      {"L",
       "T",
       "10_3_6",
       "2025-01-01",
       "2025-12-31",
       "",
       "No draw falls in the period from 2025-01-01 to 2025-12-31. The draw history runs from 2023-12-30 to "
       "2024-01-10.",
       Focus::none,
       {}},
  };
  for (const auto& c : cases) {
    s.lotto_name = c.lotto;
    s.tset_name = c.tset;
    const BacktestOutcome out = backtest_go({c.system, c.from, c.to, {}}, s, &draws, &sets);
    EXPECT_EQ(out.message, c.message) << c.from;
    EXPECT_EQ(out.period, c.period) << c.from;
    EXPECT_EQ(out.focus, c.focus) << c.message;
    EXPECT_EQ(out.show, c.show) << c.message;
  }

  TextGrid g(2, 2);
  g.set_cell(0, 0, "Date");
  g.set_cell(0, 1, "Won");
  g.set_cell(1, 0, "2024-01-10");
  g.set_cell(1, 1, "<5>");
  EXPECT_EQ(
      backtest_report_html({"L&M", "T", "10_3_6", "2024", "Spent 30\nWon 5", &g}),
      "<html><body><h1>Back-test</h1><table cellpadding=\"3\"><tr><td><b>Lotto</b></td><td>L&amp;M</td></tr>"
      "<tr><td><b>Targeted set</b></td><td>T</td></tr><tr><td><b>System</b></td><td>10_3_6</td></tr>"
      "<tr><td><b>Period</b></td><td>2024</td></tr></table><p>Spent 30</p><p>Won 5</p>"
      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr><th>Date</th><th>Won</th></tr>"
      "<tr><td>2024-01-10</td><td>&lt;5&gt;</td></tr></table></body></html>");
}

TEST(Backtest, TwoMadeWheelsOnTheSameDrawsGiveARowEach) {
  test::ScratchFolder dir;
  test::ScratchFolder::put(dir.path() / "Wheels" / "a4if6.txt",
                           "# wheel v=10 k=6 t=4 m=6 made=x\n1 2 3 4 5 6\n1 2 3 7 8 9\n4 5 6 7 8 10\n");
  test::ScratchFolder::put(dir.path() / "Wheels" / "b2if6.txt",
                           "# wheel v=10 k=6 t=2 m=6 made=x\n5 6 7 8 9 10\n");
  test::ScratchFolder::put(dir.path() / "Wheels" / "c.txt",
                           "# wheel v=11 k=6 t=2 m=6 made=x\n5 6 7 8 9 11\n");
  // 01-03, set 1..10, draw 1 2 3 11 12 13 + 4: a's first ticket 3+bonus (10), its
  // second 3 (10), its third only the bonus; b holds none. 01-10, draw 5 6 ...: two
  // matches at best (class 2 pays 0). So a: spent 2 x 3 x 3 = 18, won 20; b: 6 and 0.
  const TextGrid draws = grid_of("2024-01-03 1 2 3 11 12 13 4\n2024-01-10 5 6 20 21 22 23 0", 2);
  const TextGrid sets = grid_of("2024-01-03 1 2 3 4 5 6 7 8 9 10\n2024-01-10 1 2 3 4 5 6 7 8 9 10", 1);
  AppState s;
  s.date_format = DateFormat::iso();
  s.app_folder = dir.path();
  s.lotto = sample_input("10_3_6", 10, 0, 0).lotto;
  s.lotto_name = "L";
  s.tset_name = "T";
  s.tset_size = 10;
  EXPECT_EQ(backtest_wheels(dir.path(), 10, 6), (std::vector<std::string>{"a4if6", "b2if6"}));
  EXPECT_EQ(backtest_load(s, &draws, 0).systems.size(), 4u);  // 10_3_6, 10_4_6, then the wheels

  const BacktestOutcome out = backtest_go(
      {"a4if6", "2024-01-01", "2024-01-31", {"b2if6", "a4if6", "c", "nothing"}}, s, &draws, &sets);
  EXPECT_EQ(
      out.message,
      "The wheel c needs a targeted set of 11 numbers; the chosen set has 10.\nPlease choose a system.");
  ASSERT_EQ(out.runs.size(), 2u);
  EXPECT_EQ(out.result.running_net, (std::vector<double>{11, 2}));
  EXPECT_EQ(out.runs[1].second.running_net, (std::vector<double>{-3, -6}));
  const TextGrid t = backtest_totals_grid(out.runs, NumberFormat{});
  std::string rows;
  for (int r = 0; r < t.rows(); ++r)
    for (int c = 0; c < t.cols(); ++c) rows += t.cell(r, c) + (c + 1 == t.cols() ? "\n" : "|");
  EXPECT_EQ(
      rows,
      "System|Tickets per draw|Draws|Spent|Won|Net|Return\na4if6|3|2|18|20|2|1.111\nb2if6|1|2|6|0|-6|0\n");
  BacktestReport report{"L", "T", "a4if6", "2024", "", nullptr, &t};
  const std::string page = backtest_report_html(report);
  EXPECT_NE(page.find("<td>b2if6</td><td>1</td>"), std::string::npos);
  EXPECT_NE(page.find("The table below is that of a4if6."), std::string::npos);
}

TEST(Backtest, SecondPoolGamePaysByItsPrizeTable) {
  // 5 of 69 + 1 of 26, a play costs 2; a made wheel of two tickets, positions 1-5
  // and 6-10, on the set 1..10, each played with the second-pool numbers 4 and 19.
  // Worked by hand: 01-03 draws 1 2 3 20 30 + 4: 3+1 (100), 3+0 (7), 0+1 (4), 0+0:
  // 111. 01-06 draws 6 7 8 9 10 + 19: 0+0, 0+1 (4), 5+0 (1000000), 5+1 (20000000).
  // 01-10 draws 11..15 + 26: nothing. Four plays a draw spend 8.
  test::ScratchFolder dir;
  test::ScratchFolder::put(made_wheel_path(dir.path(), "Halves"),
                           "# wheel v=10 k=5 t=1 m=1 made=by hand\n1 2 3 4 5\n6 7 8 9 10\n");
  const LottoDefinition pb = test::powerball_game();
  // Main numbers in columns 2..7 (the sixth empty), the second-pool number in column 8.
  const TextGrid draws =
      grid_of("2024-01-03 1 2 3 20 30 0 4\n2024-01-06 6 7 8 9 10 0 19\n2024-01-10 11 12 13 14 15 0 26", 2);
  const TextGrid sets = grid_of(
      "2024-01-03 1 2 3 4 5 6 7 8 9 10\n2024-01-06 1 2 3 4 5 6 7 8 9 10\n2024-01-10 1 2 3 4 5 6 7 8 9 10", 1);
  BacktestInput in{"Halves",          pb,        10, *day_number(2024, 1, 1), *day_number(2024, 1, 31),
                   DateFormat::iso(), dir.path()};
  EXPECT_EQ(run_backtest(in, draws, sets).message,
            "Please pick the second-pool numbers to play in the Systems window.");
  in.second_picks = {4, 19};
  const BacktestResult r = run_backtest(in, draws, sets);
  ASSERT_EQ(r.message, "");
  EXPECT_EQ(r.system_tickets, 4);
  EXPECT_EQ(r.running_net, (std::vector<double>{103, 21000099, 21000091}));
  EXPECT_EQ(r.won, 21000115);
  EXPECT_EQ(r.spent, 24);
  const TextGrid g = backtest_grid(r, DateFormat::iso(), NumberFormat{});
  EXPECT_EQ(g.cell(1, 4) + " " + g.cell(2, 4) + " " + g.cell(3, 4), "3+1 5+1 0+0");
  EXPECT_EQ(r.draws[0].winning_tickets, 3);

  // 7 of 50 with the bonus in column 9, a wheel of 7 numbers per ticket, 5 a play.
  // 1..6, 20 + bonus 7: tickets 1-7 win 6+bonus (50000); 4-10 hold 4 5 6 and the
  // bonus: no 3+bonus tier, so 3 (5). Won 50005, spent 10.
  test::ScratchFolder::put(made_wheel_path(dir.path(), "Sevens"),
                           "# wheel v=10 k=7 t=3 m=3 made=by hand\n1 2 3 4 5 6 7\n4 5 6 7 8 9 10\n");
  LottoDefinition max = test::game_shape(50, 7, 1, 0, 0);
  max.cost = 5;
  max.tiers = {{7, false, 0, 1000000}, {6, true, 0, 50000}, {6, false, 0, 1000}, {3, false, 0, 5}};
  const BacktestResult seven = run_backtest(
      {"Sevens", max, 10, *day_number(2024, 1, 1), *day_number(2024, 1, 31), DateFormat::iso(), dir.path()},
      grid_of("2024-01-03 1 2 3 4 5 6 20 7", 2), sets);
  ASSERT_EQ(seven.message, "");
  EXPECT_EQ(seven.running_net, (std::vector<double>{49995}));
  EXPECT_EQ(backtest_grid(seven, DateFormat::iso(), NumberFormat{}).cell(1, 4), "6+bonus");
}
