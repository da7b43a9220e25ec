// The history below is small enough to count by hand; the chi-square tails come
// from mpmath's regularized incomplete gamma (python3) or from a closed form, and
// the sample's figures from a python3 script over data/samples/d1.
#include "analyses/statistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "analyses/stats_command.h"
#include "shell/game.h"
#include "support/scratch.h"

namespace ds {
namespace {

// Three of 1..10 with a bonus, and one of a second pool of 1..4.
LottoDefinition small_game() {
  LottoDefinition g;
  g.play_n = 10;
  g.pick_n = 3;
  g.second_pool = 4;
  g.second_n = 1;
  return g;
}

// Date, key, N1..N6, bonus, S1.
TextGrid small_history() {
  const char* rows[][6] = {{"2024-01-11", "3", "7", "9", "10", "4"}, {"2024-01-01", "1", "2", "3", "4", "1"},
                           {"2024-01-04", "2", "5", "9", "1", "2"},  {"2024-01-08", "1", "5", "10", "2", "1"},
                           {"2024-01-15", "2", "5", "7", "3", "1"},  {"2024-01-10", "2", "2", "7", "3", "1"},
                           {"2023-12-28", "4", "6", "8", "1", "3"},  {"2024-02-01", "1", "2", "3", "4", "1"}};
  TextGrid g(9, 10);
  for (int r = 0; r < 8; ++r) {
    g.set_cell(r + 1, 0, rows[r][0]);
    for (int k = 0; k < 3; ++k) g.set_cell(r + 1, 2 + k, rows[r][1 + k]);
    for (int k = 3; k < 6; ++k) g.set_cell(r + 1, 2 + k, "0");
    g.set_cell(r + 1, 8, rows[r][4]);
    g.set_cell(r + 1, 9, rows[r][5]);
  }
  return g;
}

TEST(Statistics, NumbersOfAHandCountedHistory) {
  const PeriodDraws period = period_draws(small_history(), small_game(), DateFormat::iso(),
                                          day_number(2024, 1, 1), day_number(2024, 1, 31));
  EXPECT_EQ(period.draws.size(), 5u);  // sorted by date; 2023-12-28 and 2024-02-01 lie outside
  EXPECT_EQ(period.skipped, 1);        // 2024-01-10 holds 2 twice
  EXPECT_EQ(period.draws[0].main, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(period.draws[3].day, *day_number(2024, 1, 11));
  TextGrid odd_rows = small_history();
  odd_rows.set_cell(1, 8, "0");  // no bonus recorded: the draw counts
  odd_rows.set_cell(2, 8, "2");  // the bonus among the main numbers: left out
  const PeriodDraws kept = period_draws(odd_rows, small_game(), DateFormat::iso(), {}, {});
  EXPECT_EQ(kept.draws.size(), 6u);  // no bounds: 2023-12-28 and 2024-02-01 too
  EXPECT_EQ(kept.skipped, 2);
  EXPECT_EQ(kept.draws[3].bonus, 0);  // 2024-01-11
  const auto stats = number_statistics(period.draws, small_game());
  ASSERT_EQ(stats.size(), 14u);
  // number, drawn, bonus, last day of January (0: none), since, longest gap
  const int expected[14][6] = {
      {1, 2, 1, 8, 2, 2},  {2, 3, 1, 15, 0, 2}, {3, 2, 1, 11, 1, 2}, {4, 0, 1, 0, 5, 5},  {5, 3, 0, 15, 0, 1},
      {6, 0, 0, 0, 5, 5},  {7, 2, 0, 15, 0, 3}, {8, 0, 0, 0, 5, 5},  {9, 2, 0, 11, 1, 1}, {10, 1, 1, 8, 2, 2},
      {1, 3, 0, 15, 0, 1}, {2, 1, 0, 4, 3, 3},  {3, 0, 0, 0, 5, 5},  {4, 1, 0, 11, 1, 3}};
  for (int i = 0; i < 14; ++i) {
    const NumberStats& s = stats[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(s.number, expected[i][0]);
    EXPECT_EQ(s.second, i >= 10);
    EXPECT_EQ(s.drawn, expected[i][1]);
    EXPECT_EQ(s.bonus, expected[i][2]);
    EXPECT_EQ(s.last, expected[i][3] ? day_number(2024, 1, expected[i][3]) : std::nullopt);
    EXPECT_EQ(s.since, expected[i][4]);
    EXPECT_EQ(s.longest_gap, expected[i][5]);
    EXPECT_DOUBLE_EQ(s.expected, i < 10 ? 1.5 : 1.25);
  }
  // Counts 2 3 2 0 3 0 2 0 2 1 against 1.5: 12.5 / 1.5; Q(4.5, 25/6) by mpmath.
  const ChiSquare chi = pool_chi_square(stats);
  EXPECT_NEAR(chi.statistic, 25.0 / 3, 1e-12);
  EXPECT_EQ(chi.dof, 9);
  EXPECT_NEAR(chi.p_value, 0.500934447749105, 1e-12);
  // The second pool: 3 1 0 1 against 1.25 is 4.75 / 1.25 = 3.8 on 3 degrees; Q(1.5, 1.9).
  const ChiSquare second = pool_chi_square(stats, true);
  EXPECT_NEAR(second.statistic, 3.8, 1e-12);
  EXPECT_NEAR(second.p_value, 0.283886130759827, 1e-12);
  EXPECT_EQ(fair_draw_line(chi.p_value), "These counts are what a fair draw gives 50 % of the time.");

  const auto pairs = pair_counts(period.draws, 10);
  EXPECT_EQ(pairs.size(), 45u);
  int pair_total = 0;
  for (const PairCount& p : pairs) pair_total += p.count;
  EXPECT_EQ(pair_total, 15);  // three pairs a draw
  const auto most = extreme_pairs(pairs, 2, true), least = extreme_pairs(pairs, 1, false);
  EXPECT_EQ(most[0].a * 100 + most[0].b * 10 + most[0].count, 252);  // 2 and 5, twice
  EXPECT_EQ(most[1].a * 100 + most[1].b * 10 + most[1].count, 121);
  EXPECT_EQ(least[0].a * 100 + least[0].b * 10 + least[0].count, 140);
  EXPECT_DOUBLE_EQ(expected_pair_count(5, 10, 3), 1.0 / 3);

  const Repeats rep = repeats_from_previous(period.draws, {10, 3});
  EXPECT_EQ(rep.draws, (std::vector<int>{1, 3, 0, 0}));
  EXPECT_DOUBLE_EQ(rep.chance[1], 63.0 / 120);  // 3 x C(7, 2) of C(10, 3)
  // Odd counts, low counts (1..5), longest runs and sums of the five draws, and of
  // all 120 combinations (odd and low: C(5, j) C(5, 3 - j); runs and sums enumerated).
  const std::pair<DrawMeasure, std::vector<int>> seen[] = {
      {DrawMeasure::odd, {0, 0, 4, 1}}, {DrawMeasure::low, {0, 1, 3, 1}}, {DrawMeasure::run, {0, 4, 0, 1}}};
  for (const auto& [measure, draws] : seen) {
    const Spread s = measure_spread(measure, period.draws, {10, 3});
    EXPECT_EQ(s.draws, draws);
    EXPECT_EQ(s.combinations, (measure == DrawMeasure::run ? std::vector<std::uint64_t>{0, 56, 56, 8}
                                                           : std::vector<std::uint64_t>{10, 50, 50, 10}));
  }
  const Spread sums = measure_spread(DrawMeasure::sum, period.draws, {10, 3});
  ASSERT_EQ(sums.draws.size(), 28u);
  EXPECT_EQ(sums.draws[16], 2);
  EXPECT_EQ(sums.draws[14] + sums.draws[19] + sums.draws[6], 3);
  EXPECT_EQ(sums.combinations[6] * 10000 + sums.combinations[14] * 100 + sums.combinations[16], 10910u);
  EXPECT_EQ(sums.combinations[27], 1u);
  TicketFilters two_odd, only_new;
  two_odd.odd = {true, 2, 2};
  only_new.new_only = true;
  EXPECT_EQ(draws_passing(two_odd, period.draws, 10), 4);
  EXPECT_EQ(draws_passing(only_new, period.draws, 10), 5);  // no draw repeats an earlier one
  std::vector<PeriodDraw> again = period.draws;
  again.push_back(again[1]);
  again.push_back(again[1]);
  EXPECT_EQ(draws_passing(only_new, again, 10), 5);
}

TEST(Statistics, ChiSquareTails) {
  EXPECT_NEAR(chi_square_tail(3.841458820694124, 1), 0.05, 1e-13);
  EXPECT_NEAR(chi_square_tail(2, 4), 2 * std::exp(-1.0), 1e-14);  // e^-1 (1 + 1)
  EXPECT_NEAR(chi_square_tail(100, 80), 0.064570368921133, 1e-12);
  EXPECT_NEAR(chi_square_tail(30, 48), 0.980535425627977, 1e-12);
  EXPECT_NEAR(chi_square_tail(6, 2), std::exp(-3.0), 1e-15);
  EXPECT_EQ(chi_square_tail(0, 5), 1);
  EXPECT_EQ(chi_square_uniform(std::vector<int>{4}, 4).p_value, 1);
  // 4 of 5 against one half: Wilson's interval 0.3755 to 0.9638; the binomial tail
  // (1 + 5 + 5 + 1) / 32 by hand, the others by mpmath. One draw of 50 passing a filter
  // that keeps 0.1 % of the combinations is what a fair draw gives 4.9 % of the time
  // (the normal approximation said 0.002 %).
  const PassRateCheck half = check_pass_rate(4, 5, 0.5);
  EXPECT_NEAR(half.low, 0.3755346297625253, 1e-12);
  EXPECT_NEAR(half.high, 0.9637758913675698, 1e-12);
  EXPECT_NEAR(half.p_value, 0.375, 1e-12);
  EXPECT_NEAR(binomial_two_sided_p(1, 50, 0.001), 0.04879437180296865, 1e-12);
  EXPECT_NEAR(binomial_two_sided_p(18, 50, 4655200.0 / 13983816), 0.6561949926283317, 1e-12);
  EXPECT_EQ(binomial_two_sided_p(0, 10, 0), 1);
  EXPECT_EQ(check_pass_rate(0, 0, 0.5).p_value, 1);
  EXPECT_EQ(fair_draw_line(0.004), "These counts are what a fair draw gives less than 1 % of the time.");
}

TEST(StatsCommand, SampleHistoryFromTheCommandLine) {
  test::ScratchFolder dir;
  dir.put("Canada", "param.tix", test::ScratchFolder::sample("d1a"));
  dir.put("Canada", "draws.txt", test::ScratchFolder::sample("d1"));
  const auto run = [&](std::vector<std::string> args) { return run_stats_command(args, dir.games(), {}); };
  const CommandRun stats =
      run({"--stats", "--lotto", "Canada", "--from", "2025-01-01", "--to", "2025-11-30"});
  EXPECT_EQ(stats.exit_code, 0);
  EXPECT_EQ(stats.err, "");
  // 50 draws; 7 came 6 times, last on 2025-11-12, two draws since; 49 seven times and once as the bonus.
  EXPECT_EQ(stats.out.substr(0, stats.out.find('\n')),
            "number,pool,drawn,bonus,expected,last_drawn,draws_since");
  EXPECT_NE(stats.out.find("\n7,main,6,0,6.122448979591836,2025-11-12,2\n"), std::string::npos);
  EXPECT_NE(stats.out.find("\n49,main,7,1,6.122448979591836,2025-10-25,7\n"), std::string::npos);
  EXPECT_EQ(std::count(stats.out.begin(), stats.out.end(), '\n'), 50);
  const CommandRun rate = run({"--filter-rate", "--lotto", "Canada", "--filter", "odd:3-3", "--from",
                               "2025-01-01", "--to", "2025-11-30"});
  EXPECT_EQ(rate.exit_code, 0);
  EXPECT_EQ(
      rate.out,
      "past draws passing: 18 of 50\ncombinations passing: 4655200 of 13983816\n"
      "Pass rate: 36.0 % of the past draws (95 % interval 24.1 % to 49.9 %), 33.3 % of the combinations; a "
      "fair draw gives a difference at least this large 66 % of the time. For a fair draw the two agree: a "
      "filter changes which tickets are played, not the chance of each.\n");
  const std::pair<std::vector<std::string>, std::string> wrong[] = {
      {{"--stats", "--lotto", "Canada", "--from", "2025-13-01"},
       "'2025-13-01' is not a date such as 2024-01-31."},
      {{"--stats", "--from", "2025-01-01"}, "--lotto NAME is needed."},
      {{"--stats", "--lotto", "Canada", "--filter", "new"}, "Unknown argument '--filter'."},
      {{"--filter-rate", "--lotto", "Canada"}, "At least one --filter EXPR is needed."},
      {{"--filter-rate", "--lotto", "Canada", "--filter", "odd:9-1"},
       "'odd:9-1' is no filter: the range runs from the smaller number to the larger, odd:1-9."}};
  for (const auto& [args, why] : wrong) {
    const CommandRun r = run(args);
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_EQ(r.err.substr(0, r.err.find('\n')), why);
    EXPECT_NE(r.err.find("Usage: drawsmith --"), std::string::npos);
  }
  EXPECT_EQ(run({"--stats", "--lotto", "Nowhere"}).exit_code, 1);
  // A game with a second pool: 5 of 69 and 1 of 26, 50 draws from 2025-10-01.
  dir.put("Power", "game.txt", test::ScratchFolder::sample("game_powerball"));
  dir.put("Power", "draws.txt", test::ScratchFolder::sample("draws_powerball"));
  const std::string power = run({"--stats", "--lotto", "Power"}).out;
  EXPECT_NE(power.find("\n1,main,2,0,3.6231884057971016,2025-12-13,18\n"), std::string::npos);
  EXPECT_NE(power.find("\n26,second,3,0,1.9230769230769231,2025-12-31,10\n"), std::string::npos);
}

// Twelve draws of a 5/20 game without a bonus, one a day from 2024-03-01, the tenth
// the fourth again. The counts come from a python3 script that goes through all
// 15,504 combinations; the tails from mpmath.
TEST(StatisticsWindow, TablesAndFilterRatesOfA5Of20Game) {
  LottoDefinition game;
  game.play_n = 20;
  game.pick_n = 5;
  game.bonus_n = 0;
  const int rows[12][5] = {{2, 3, 5, 11, 13}, {2, 4, 7, 12, 18}, {2, 3, 14, 18, 19},  {2, 3, 8, 14, 18},
                           {2, 4, 8, 13, 19}, {2, 5, 8, 10, 20}, {4, 5, 10, 14, 18},  {4, 6, 7, 12, 18},
                           {2, 3, 4, 7, 18},  {2, 3, 8, 14, 18}, {8, 10, 12, 15, 19}, {3, 6, 8, 10, 16}};
  TextGrid history(13, draw_grid_columns(game));
  for (int r = 0; r < 12; ++r) {
    history.set_cell(r + 1, 0, format_date(*day_number(2024, 3, 1) + r, DateFormat::iso()));
    for (int k = 0; k < 5; ++k) history.set_cell(r + 1, 2 + k, std::to_string(rows[r][k]));
  }
  AppState state;
  state.lotto = game;
  state.lotto_name = "Five";
  StatisticsModel model(DateFormat::iso(), NumberFormat{','});
  const StatisticsLoad load = statistics_open(model, state, &history, 0);
  EXPECT_EQ(load.from_text + " " + load.to_text, "2024-03-01 2024-03-12");
  EXPECT_TRUE(statistics_go(model, {"2024-03-01", "2024-03-12", "sum:40-60 odd:2-3"}).message.empty());
  // 2 came 8 times, last on 2024-03-10; 1 never: all 12 draws since, sorted before any day.
  EXPECT_EQ(model.numbers_grid.cell(2, 2) + " " + model.numbers_grid.cell(2, 5) + " " +
                model.numbers_grid.cell(2, 6) + " " + model.numbers_grid.cell(2, 7),
            "8 2024-03-10 2 2");
  EXPECT_EQ(model.numbers_grid.cell(1, 4) + " " + model.numbers_grid.cell(1, 6), "3,0 12");
  EXPECT_LT(numbers_sort_value(model, 1, 5), numbers_sort_value(model, 20, 5));
  EXPECT_EQ(model.fair_main, "Main numbers: these counts are what a fair draw gives 1 % of the time.");
  EXPECT_EQ(pair_tip(model, 3, 2), "2 and 3: 5 draws (chance: 0,6)");
  // Each filter, then both: draws passing, share, Wilson's interval, combinations, the binomial tail.
  ASSERT_EQ(model.rates_grid.rows(), 4);
  EXPECT_EQ(
      model.rates_grid.cell(1, 1) + "|" + model.rates_grid.cell(1, 4) + "|" + model.rates_grid.cell(1, 6),
      "9 of 12|9586 of 15504|55 %");
  EXPECT_EQ(model.rates_grid.cell(2, 4) + "|" + model.rates_grid.cell(2, 6), "10800 of 15504|1 %");
  EXPECT_EQ(model.rates_grid.cell(3, 0) + "|" + model.rates_grid.cell(3, 2) + "|" +
                model.rates_grid.cell(3, 3) + "|" + model.rates_grid.cell(3, 4) + "|" +
                model.rates_grid.cell(3, 5) + "|" + model.rates_grid.cell(3, 6),
            "All together|16,7 %|4,7 % to 44,8 %|6587 of 15504|42,5 %|8 %");
  EXPECT_NEAR(model.rates[2].check.p_value, 0.08376316139868523, 1e-12);
  EXPECT_NE(model.rates_text.find(" 8 % of the time: no more than chance."), std::string::npos);
  EXPECT_NE(filter_rate_text(model.rates[1], {}).find("1 % of the time: more than chance"),
            std::string::npos);
  // Sums in bands of 5 from 15 to 94; odd counts 0..5; repeats over the 11 draws with one before.
  ASSERT_EQ(model.spread.size(), 16u);
  EXPECT_EQ(
      model.spread_grid.cell(7, 0) + "|" + model.spread_grid.cell(7, 1) + "|" + model.spread_grid.cell(7, 3),
      "45-49|5|2347");
  statistics_spread(model, SpreadView::odd);
  EXPECT_EQ(model.spread.size(), 6u);
  EXPECT_EQ(model.spread[1].draws, 7);
  EXPECT_EQ(model.spread[1].combinations, 2100);
  statistics_spread(model, SpreadView::repeats);
  std::vector<int> repeats;
  for (const SpreadRow& r : model.spread) repeats.push_back(r.draws);
  EXPECT_EQ(repeats, (std::vector<int>{0, 2, 6, 2, 1, 0}));
  EXPECT_NEAR(model.spread[2].chance, 4550.0 / 15504, 1e-15);
  // `new` leaves out the tenth draw and the 11 distinct draws among the combinations.
  EXPECT_EQ(read_typed_filters("sum:40-60 odd:2-3\ninclude: 3, 7;new", {20, 5}).expressions,
            (std::vector<std::string>{"sum:40-60", "odd:2-3", "include:3,7", "new"}));
  statistics_go(model, {"2024-03-01", "2024-03-12", "new"});
  EXPECT_EQ(model.rates_grid.cell(1, 1) + "|" + model.rates_grid.cell(1, 4), "11 of 12|15493 of 15504");
  const StatisticsOutcome wrong =
      statistics_go(model, {"2024-03-01", "2024-03-12", "odd:1 exclude:3 include:3"});
  EXPECT_EQ(wrong.focus, StatisticsFocus::filters);
  EXPECT_EQ(model.rates_grid.rows(), 1);
  EXPECT_EQ(statistics_go(model, {"2024-03-12", "2024-03-01", ""}).focus, StatisticsFocus::to);
}

// A game of seven numbers, and one with a second pool, go through the same tables.
TEST(StatisticsWindow, SevenNumbersAndASecondPool) {
  LottoDefinition seven;
  seven.play_n = 20;
  seven.pick_n = 7;
  seven.bonus_n = 0;
  const int rows[3][7] = {{1, 2, 3, 4, 5, 6, 7}, {3, 6, 9, 12, 15, 18, 20}, {2, 5, 7, 11, 13, 17, 19}};
  TextGrid history(4, draw_grid_columns(seven));
  for (int r = 0; r < 3; ++r) {
    history.set_cell(r + 1, 0, format_date(*day_number(2025, 1, 1) + 7 * r, DateFormat::iso()));
    for (int k = 0; k < 7; ++k) history.set_cell(r + 1, 2 + k, std::to_string(rows[r][k]));
  }
  AppState state;
  state.lotto = seven;
  state.lotto_name = "Seven";
  StatisticsModel model(DateFormat::iso(), {});
  statistics_open(model, state, &history, 0);
  statistics_go(model, {"2025-01-01", "2025-01-31", "sum:60-80 odd:3-4"});
  EXPECT_EQ(model.numbers_grid.rows(), 21);
  EXPECT_EQ(model.numbers_grid.cell(7, 2), "2");  // 7 in the first and third draws
  ASSERT_EQ(model.rates.size(), 3u);
  EXPECT_EQ(model.rates[0].passing, 44072u);  // of 77,520; the sums are 28, 83 and 74
  EXPECT_EQ(model.rates[0].passed, 1);
  EXPECT_EQ(model.rates[1].passing, 50400u);  // odd counts 4, 3 and 6
  EXPECT_EQ(model.rates[1].passed, 2);

  state.lotto = small_game();
  state.lotto_name = "Small";
  statistics_open(model, state, nullptr, 0);  // no file in the games folder: no draws
  EXPECT_EQ(model.history.rows(), 0);
  const TextGrid small = small_history();
  statistics_open(model, state, &small, 0);
  const StatisticsOutcome out = statistics_go(model, {"2024-01-01", "2024-01-31", ""});
  EXPECT_NE(out.status->english().find("1 of them is left out"), std::string::npos);
  EXPECT_EQ(model.numbers_grid.rows(), 15);  // 10 main numbers, 4 of the second pool
  EXPECT_EQ(model.numbers_grid.cell(11, 0) + " " + model.numbers_grid.cell(11, 1), "1 Second");
  EXPECT_EQ(model.fair_second.english().substr(0, 31), "Second pool: these counts are w");
  EXPECT_EQ(print_statistics(model, StatisticsTab::filters).html, "");  // no filter typed
}

}  // namespace
}  // namespace ds
