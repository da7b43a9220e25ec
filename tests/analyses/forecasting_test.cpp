#include "analyses/forecasting.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "support/scratch.h"

namespace {

using ds::TextGrid;

std::string seven(float v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(v));
  return buf;
}

// A draw grid as the Lotto window keeps it: date, hidden key, N1..N6, bonus.
TextGrid draws_of(const std::vector<std::vector<std::string>>& rows) {
  TextGrid g(static_cast<int>(rows.size()) + 1, 9);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    g.set_cell(static_cast<int>(r) + 1, 0, rows[r][0]);
    for (std::size_t c = 1; c < rows[r].size(); ++c)
      g.set_cell(static_cast<int>(r) + 1, static_cast<int>(c) + 1, rows[r][c]);
  }
  return g;
}

// A set grid: date, then the numbers.
TextGrid sets_of(const std::vector<std::vector<std::string>>& rows, int size) {
  TextGrid g(static_cast<int>(rows.size()) + 1, size + 1);
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      g.set_cell(static_cast<int>(r) + 1, static_cast<int>(c), rows[r][c]);
  return g;
}

const ds::DateFormat iso = ds::DateFormat::iso();

TEST(Forecasting, ChancesAndRatioTexts) {
  ds::FaTable t{};
  t[0][0] = 7;  // levels 0 and 1 stay as they were
  ds::fill_fa_table(49, 6, 10, t);
  EXPECT_EQ(seven(t[3][0]), "0.07842495");
  EXPECT_EQ(seven(t[3][1]), "0.03228998");
  EXPECT_EQ(t[0][0], 7.0f);
  const ds::NumberFormat dot;
  EXPECT_EQ(ds::fa_ratio_text(12, 100, t[3][0], dot), "1.53");
  EXPECT_EQ(ds::fa_ratio_text(5, 100, t[3][1], dot), "1.55");
  EXPECT_EQ(ds::fa_ratio_text(12, 100, t[3][0], ds::NumberFormat{','}), "1,53");
  EXPECT_EQ(ds::fa_ratio_text(1, 2, 0.5f, dot), "1");        // exactly 1
  EXPECT_EQ(ds::fa_ratio_text(1004, 1000, 1.0f, dot), "1");  // 1.004 rounds to 1
  EXPECT_EQ(ds::fa_ratio_text(5, 0, t[3][0], dot), "1");     // nothing matched
  EXPECT_EQ(ds::fa_ratio_text(5, 10, 0.0f, dot), "1");       // level out of reach
  // One rare hit: far beyond 327.675, still two decimals and no failure.
  EXPECT_EQ(ds::fa_ratio_text(1, 1, t[6][0], dot), "66589.6");
  // Halves go to the even neighbour: 1.125 -> 1.12, 1.375 -> 1.38.
  EXPECT_EQ(ds::fa_ratio_text(9, 8, 1.0f, dot), "1.12");
  EXPECT_EQ(ds::fa_ratio_text(11, 8, 1.0f, dot), "1.38");
  // A lotto with fewer numbers than the set has no chances at all.
  ds::fill_fa_table(8, 6, 10, t);
  EXPECT_EQ(t[3][0], 0.0f);
}

TEST(Forecasting, DatesAndRowRanges) {
  const TextGrid g = sets_of({{"2025-01-01"}, {"2025-01-04"}, {"2025-01-08"}}, 0);
  const auto d = [](const char* s) { return *ds::parse_date(s, iso); };
  EXPECT_EQ(ds::find_start(d("2025-01-04"), g, iso), 2);
  EXPECT_EQ(ds::find_start(d("2025-01-05"), g, iso), 3);
  EXPECT_EQ(ds::find_start(d("2025-02-01"), g, iso), 0);
  EXPECT_EQ(ds::find_end(d("2025-01-04"), g, iso), 2);
  EXPECT_EQ(ds::find_end(d("2024-12-31"), g, iso), 0);
  EXPECT_EQ(ds::find_end(d("2026-01-01"), g, iso), 3);
  EXPECT_EQ(ds::find_end(d("2026-01-01"), TextGrid(1, 9), iso), 0);
  // A cell that is no date ends either search with what was found so far.
  const TextGrid bad = sets_of({{"2025-01-01"}, {"x"}, {"2025-01-08"}}, 0);
  EXPECT_EQ(ds::find_start(d("2025-01-05"), bad, iso), 0);
  EXPECT_EQ(ds::find_end(d("2025-01-03"), bad, iso), 3);
}

TEST(Forecasting, IntersectCountsEqualPositiveNumbers) {
  const std::vector<std::int16_t> a = {99, 3, 9, 0, 17};
  const std::vector<std::int16_t> b = {3, 17, 0, 9, 4};
  EXPECT_EQ(ds::intersect(a, 4, b, 4), 2);  // 9 and 17
  EXPECT_EQ(ds::intersect(a, 0, b, 4), 0);
  EXPECT_EQ(ds::intersect(a, 2, b, 1), 0);  // index 0 is never read
}

TEST(Forecasting, PairsCountLevelsBonusAndMissingNumbers) {
  const TextGrid draws = draws_of({
      {"2025-01-01", "1", "2", "3", "20", "21", "22", "4"},    // 3 in the set, bonus 4 in it: 3+bonus
      {"2025-01-04", "1", "2", "3", "20", "21", "22", "30"},   // 3, bonus outside
      {"2025-01-08", "1", "20", "21", "22", "23", "24", "2"},  // 1 hit, paired twice
      {"2025-01-11", "1", "2", "3", "4", "5", "6", ""},        // no set row that day
      {"2025-01-15", "6", "5", "4", "3", "2", "1", "7"},       // 6+bonus
  });
  const TextGrid sets = sets_of(
      {
          {"2025-01-01", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
          {"2025-01-04", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
          {"2025-01-08", "1", "", "", "", "", "", "", "", "", ""},
          {"2025-01-08", "1", "x", "", "", "", "", "", "", "", ""},
          {"2025-01-15", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
      },
      10);
  const ds::FaCounts c = ds::count_fa_hits(draws, 1, 5, sets, 1, 5, 6, 10, iso);
  EXPECT_EQ(c.matched_rows, 5);
  EXPECT_EQ(c.hits[6][1], 1);
  EXPECT_EQ(c.hits[6][0], 0);
  EXPECT_EQ(c.hits[3][1], 1);
  EXPECT_EQ(c.hits[3][0], 1);
  // The empty cells of the third and fourth rows hold no number: they do not
  // keep 2..10 from the row compared before, so the bonus 2 is not in the set.
  EXPECT_EQ(c.hits[1][0], 2);
  EXPECT_EQ(c.hits[1][1], 0);
}

TEST(Forecasting, CalculationChecksInOrderAndWritesTheGrid) {
  const ds::FaInput in{"2025-01-01", "2025-12-31", "Canada_6_49", 49, 6, "Forecaster1", 10, iso, {}};
  ds::ChosenGrids env;
  ds::FaModel model;
  const TextGrid& grid = model.grid;
  ds::FaTable table{};

  using Focus = ds::FaOutcome::Focus;
  const struct {
    void (*edit)(ds::FaInput&);
    const char* message;
    Focus focus;
    ds::WindowId show;
    bool lotto_label, tset_label;
  } refusals[] = {
      {[](ds::FaInput& x) { x.from_text = "2025-02-30"; }, "Incorrect date.", Focus::from, {}, false, false},
      {[](ds::FaInput& x) { x.to_text = ""; }, "Incorrect date.", Focus::to, {}, false, false},
      {[](ds::FaInput& x) { x.lotto_name = ""; }, "Please select a Lotto", Focus::none, ds::WindowId::lotto,
       false, false},
      {[](ds::FaInput& x) { x.pick_n = 0; }, "Incorrect data about Lotto.", Focus::none, {}, true, false},
      {[](ds::FaInput& x) { x.tset_name = ""; }, "Please select", Focus::none, ds::WindowId::tsets, true,
       false},
      {[](ds::FaInput& x) { x.tset_size = 0; },
       "Incorrect size of the Targeted Set.",
       Focus::none,
       {},
       true,
       true},
  };
  for (const auto& r : refusals) {
    auto bad = in;
    r.edit(bad);
    const auto out = ds::calculate_fa(model, bad, env, table);
    EXPECT_EQ(out.message.english().substr(0, std::string(r.message).size()), r.message) << out.message;
    EXPECT_EQ(out.focus, r.focus) << r.message;
    EXPECT_EQ(out.show, r.show) << r.message;
    EXPECT_EQ(out.lotto_label.has_value(), r.lotto_label) << r.message;
    EXPECT_EQ(out.tset_size_label.has_value(), r.tset_label) << r.message;
  }
  EXPECT_EQ(grid.rows(), 2);

  // No rows in the period: labels and "1" everywhere, the source windows untouched.
  auto out = ds::calculate_fa(model, in, env, table);
  EXPECT_TRUE(out.message.empty());
  EXPECT_FALSE(out.compared);
  ASSERT_EQ(grid.rows(), 11);
  EXPECT_EQ(grid.cell(4, 0), "3+bonus");
  EXPECT_EQ(grid.cell(10, 1), "1");
  EXPECT_EQ(seven(table[3][0]), "0.07842495");

  // 100 pairs: 12 at level 3, 5 at level 3 with the bonus, the rest with no hit.
  std::vector<std::vector<std::string>> d, s;
  for (int i = 0; i < 100; ++i) {
    const std::string date = ds::format_date(*ds::day_number(2025, 1, 1) + i, iso);
    const bool three = i < 17;
    d.push_back({date, three ? "1" : "31", three ? "2" : "32", three ? "3" : "33", "40", "41", "42",
                 i < 5 ? "4" : "44"});
    s.push_back({date, "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
  }
  const TextGrid draws = draws_of(d), sets = sets_of(s, 10);
  env.draws = &draws;
  env.sets = &sets;
  out = ds::calculate_fa(model, in, env, table);
  EXPECT_TRUE(out.compared);
  EXPECT_EQ(out.counts.matched_rows, 100);
  EXPECT_EQ(out.period, "100 draws fall in the period.");
  EXPECT_EQ(grid.cell(3, 1), "1.53");
  EXPECT_EQ(grid.cell(4, 1), "1.55");
  EXPECT_EQ(grid.cell(5, 1), "1");

  // From after To: nothing in the period.
  auto reversed = in;
  reversed.from_text = "2025-12-31";
  reversed.to_text = "2025-01-01";
  EXPECT_EQ(
      ds::calculate_fa(model, reversed, env, table).period,
      "No draw falls in the period from 2025-12-31 to 2025-01-01. The draw history runs from 2025-01-01 "
      "to 2025-04-10.");  // the 100th day of 2025
  for (int r = 1; r <= 10; ++r) EXPECT_EQ(grid.cell(r, 1), "1");
}

}  // namespace

TEST(Forecasting, SecondPoolGameLevelsAgainstExactChances) {
  // 5 of 69 + 1 of 26, set 1..10, second-pool numbers 4 and 19 picked. Worked
  // apart (Python fractions): 3 in the set has the chance C(5,3)C(64,7)/C(69,10)
  // = 0.01826932, once in 2 pairs: 27.37; 5 in the set C(64,5)/C(69,10): 22298.64;
  // a drawn second-pool number among 2 picked of 26 is 1/13, twice in 2: 13.
  ds::FaInput in{"2024-01-01", "2024-12-31", "Power", 69, 5, "Set", 10, iso, {}};
  in.general = true;
  in.lotto = ds::test::game_shape(69, 5, 0, 26, 1);
  in.second_picks = {4, 19};
  const TextGrid draws = draws_of({{"2024-01-03", "1", "2", "3", "20", "30", "", "4"},
                                   {"2024-01-06", "6", "7", "8", "9", "10", "", "19"}});
  const TextGrid sets = sets_of({{"2024-01-03", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
                                 {"2024-01-06", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
                                10);
  ds::FaModel model;
  ds::FaTable table{};
  const auto out = ds::calculate_fa(model, in, ds::ChosenGrids{&draws, &sets}, table);
  const TextGrid& grid = model.grid;
  EXPECT_EQ(out.message, "");
  std::string rows;
  for (int r = 1; r < grid.rows(); ++r) rows += grid.cell(r, 0) + "=" + grid.cell(r, 1) + " ";
  EXPECT_EQ(rows, "2=1 3=27.37 4=1 5=22298.64 second 1=13 ");
}
