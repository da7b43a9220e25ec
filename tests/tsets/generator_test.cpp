#include "tsets/generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

#include "lotto/lotto_files.h"
#include "support/scratch.h"
#include "tsets/set_files.h"

using namespace ds;
using ds::test::fresh_state;
using ds::test::ScratchFolder;

namespace {

// A draw grid with one draw a day from 2025-01-01, the numbers given per draw.
TextGrid draw_grid(const std::vector<std::vector<int>>& draws) {
  TextGrid g(1, draw_columns);
  for (std::size_t i = 0; i < draws.size(); ++i) {
    const int r = g.append_row();
    const DayNumber day = *day_number(2025, 1, 1) + static_cast<int>(i);
    g.set_cell(r, col_date, format_date(day, DateFormat::iso()));
    g.set_cell(r, col_key, std::to_string(day));
    for (std::size_t k = 0; k < draws[i].size(); ++k)
      g.set_cell(r, col_n1 + static_cast<int>(k), std::to_string(draws[i][k]));
  }
  return g;
}

DayNumber jan(int d) { return *day_number(2025, 1, d); }

int frequency_of(const TextGrid& freq, int number) {
  for (int r = 1; r < freq.rows(); ++r)
    if (freq.cell(r, 0) == std::to_string(number)) return std::stoi(freq.cell(r, 1));
  return -1;
}

}  // namespace

TEST(Generator, PeriodStepAndTies) {
  // Seven draws; draw i holds i, i+10, ..., i+50 and falls on i January, but the 5th
  // falls on the 10th: the grid is not in date order.
  std::vector<std::vector<int>> d;
  for (int i = 1; i <= 7; ++i) d.push_back({i, i + 10, i + 20, i + 30, i + 40, i + 50 > 59 ? 59 : i + 50});
  TextGrid draws = draw_grid(d);
  draws.set_cell(5, col_date, "2025-01-10");
  draws.set_cell(5, col_key, std::to_string(jan(10)));
  TextGrid freq;
  struct Case {
    int from, to, step;
    const char* message;
    int total;
  } cases[] = {
      {2, 4, 1, "", 3},  // a To date on a draw ends the count there
      {2, 8, 1, "", 5},  // between draws at the earlier one: the 2nd, 3rd, 4th, 6th, 7th
      // an empty period names where the history starts and ends (the 5th draw is on the 10th)
      {20, 25, 1,
       "No data for this criteria. No draw falls in the period from 2025-01-20 to 2025-01-25. "
       "The draw history runs from 2025-01-01 to 2025-01-10.",
       -1},
      {5, 1, 1,
       "No data for this criteria. No draw falls in the period from 2025-01-05 to 2025-01-01. "
       "The draw history runs from 2025-01-01 to 2025-01-10.",
       -1},
      {1, 7, 2, "", 3},  // every 2nd of the draws of 1, 2, 3, 4, 6, 7 January
  };
  for (const Case& c : cases) {
    const auto r = calc_fr(draws, jan(c.from), jan(c.to), c.step, 59, 6, freq, DateFormat::iso());
    EXPECT_EQ(r.res, c.total < 0 ? "error" : "") << c.from << "-" << c.to;
    EXPECT_EQ(r.message, c.message);
    if (c.total >= 0) {
      EXPECT_EQ(freq.cell(61, 1), std::to_string(c.total)) << c.from << "-" << c.to;
    }
  }
  // The last case counted the draws of the 1st, 3rd and 6th; equal counts keep
  // ascending number order.
  EXPECT_EQ(frequency_of(freq, 1), 1);
  EXPECT_EQ(frequency_of(freq, 2), 0);
  EXPECT_EQ(frequency_of(freq, 6), 1);
  EXPECT_EQ(freq.cell(1, 0), "1");
  EXPECT_EQ(freq.cell(2, 0), "3");
  EXPECT_EQ(freq.cell(3, 0), "6");

  // A bad cell ends the count silently and keeps the last table.
  freq.set_cell(1, 1, "kept");
  draws.set_cell(3, col_n1 + 2, "99");
  auto r = calc_fr(draws, jan(1), jan(7), 1, 59, 6, freq, DateFormat::iso());
  EXPECT_EQ(r.res, "error");
  EXPECT_EQ(r.message, "");
  EXPECT_EQ(freq.cell(1, 1), "kept");

  TextGrid few = draw_grid({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}});
  r = calc_fr(few, jan(1), jan(7), 1, 49, 6, freq, DateFormat::iso());
  EXPECT_EQ(r.message, "There is no draws data on the 'Lotto' form.");
}

TEST(Generator, RandomGivesDistinctNumbers) {
  std::mt19937 engine(7);
  const UniformSource u = [&] { return std::uniform_real_distribution<double>(0.0, 1.0)(engine); };
  std::array<std::int16_t, 91> numbers{};
  std::int16_t n = 20, max = 20;
  get_rand(n, max, numbers, u);
  std::vector<int> got(numbers.begin() + 1, numbers.begin() + 21);
  std::sort(got.begin(), got.end());
  for (int i = 0; i < 20; ++i) EXPECT_EQ(got[i], i + 1);
  // A source stuck on one value cannot make a set larger than the range: no hang.
  numbers.fill(0);
  n = 21;
  get_rand(n, max, numbers, [] { return 0.5; });
  EXPECT_EQ(numbers[1], 0);
}

namespace {

struct GeneratorCase {
  AppState state = fresh_state("/nonexistent");
  TextGrid draws;
  GeneratorModel model;
  TextGrid& freq = model.frequencies;
  TsetsModel tsets;
  TextGrid& sets = tsets.work.grid;
  GeneratorTarget target;
  GeneratorInput input{"2025-01-01", "2026-12-31", "1", GeneratorRule::random};
  std::mt19937 engine{11};
  GeneratorCase() {
    state.lotto.play_n = 49;
    state.lotto.pick_n = 6;
    std::int16_t row = 0;
    Tsets_headers(sets, 10, row);
    tsets.work.size = 10;
    target = {&tsets, "2025-09-09"};
    // 40 numbers drawn: number k drawn 3k times over the period.
    std::vector<std::vector<int>> d;
    std::vector<int> pool;
    for (int k = 1; k <= 40; ++k)
      for (int i = 0; i < 3 * k; ++i) pool.push_back(k);
    for (std::size_t i = 0; i + 6 <= pool.size(); i += 6)
      d.push_back({pool[i], pool[i + 1], pool[i + 2], pool[i + 3], pool[i + 4], pool[i + 5]});
    draws = draw_grid(d);
  }
  std::vector<int> answers;  // to the question before a stored row is replaced
  std::string asked;
  GeneratorOutcome go() {
    return generate(
        model, input, state, &draws, target,
        [this] { return std::uniform_real_distribution<double>(0.0, 1.0)(engine); },
        [this](const Question& q) {
          asked = q.text;
          if (answers.empty()) ADD_FAILURE() << "not expected: " << q.text;
          const int a = answers.empty() ? -1 : answers.front();
          if (!answers.empty()) answers.erase(answers.begin());
          return a;
        });
  }
};

}  // namespace

TEST(Generator, GoChecksInOrder) {
  const char* const no = "Sorry, the data is not correct.";
  const struct Case {
    int play_n;
    const char *from, *to, *step, *message;
    GeneratorFocus focus;
  } cases[] = {
      {0, "x", "y", "0", "Please select a Lotto in the 'Lotto' window.", GeneratorFocus::none},
      {49, "x", "y", "0", no, GeneratorFocus::from},
      {49, "2025-01-01", "y", "0", no, GeneratorFocus::to},
      {49, "2025-01-01", "2025-12-31", "0", no, GeneratorFocus::step},
      {49, "2025-01-01", "2025-12-31", "-2", no, GeneratorFocus::step},
      {49, "2025-01-01", "2025-12-31", "a", no, GeneratorFocus::step},
      // a set larger than the game is refused rather than looping for ever
      {9, "2025-01-01", "2025-12-31", "1", "Incorrect size of the Targeted Set.", GeneratorFocus::none},
  };
  for (const Case& c : cases) {
    GeneratorCase g;
    g.state.lotto.play_n = static_cast<std::int16_t>(c.play_n);
    g.input = {c.from, c.to, c.step, GeneratorRule::highest};
    const auto out = g.go();
    EXPECT_EQ(out.message, c.message) << c.from << " " << c.step;
    EXPECT_EQ(out.focus, c.focus) << c.message;
    EXPECT_EQ(out.show == WindowId::lotto, c.play_n == 0);
    EXPECT_EQ(g.freq.rows(), 1) << c.message;
  }
  // No row in the Targeted Sets table: tset_row is raised to 1 and the user told.
  GeneratorCase g;
  g.input.rule = GeneratorRule::highest;
  const auto out = g.go();
  EXPECT_TRUE(g.tsets.enabled.save && g.tsets.unsaved);
  EXPECT_EQ(out.message, "Please select a row in the 'Targeted Sets' table.");
  EXPECT_EQ(out.show, WindowId::tsets);
  EXPECT_EQ(g.state.tset_row, 1);
}

TEST(Generator, RulesFillTheCurrentRowWithTheDateText) {
  // Number k was drawn 3k times (k = 1..40): the table runs 40, 39, ..., 1, then the
  // numbers never drawn.
  const struct {
    GeneratorRule rule;
    int play_n;
    const char* row;
  } cases[] = {
      {GeneratorRule::highest, 49, "2025-09-09 40 39 38 37 36 35 34 33 32 31"},
      {GeneratorRule::lowest_positive, 49, "2025-09-09 10 9 8 7 6 5 4 3 2 1"},  // table rows 31..40
      {GeneratorRule::lowest, 49, "2025-09-09 49 48 47 46 45 44 43 42 41 1"},   // rows 49, 48, ...
      {GeneratorRule::lowest, 40, "2025-09-09 1 2 3 4 5 6 7 8 9 10"},
      {GeneratorRule::lowest_positive, 40, "2025-09-09 10 9 8 7 6 5 4 3 2 1"},
  };
  for (const auto& c : cases) {
    GeneratorCase g;
    g.sets.set_rows(3);
    g.state.tset_row = 2;
    g.state.tset_numbers[1] = 3;
    g.state.lotto.play_n = static_cast<std::int16_t>(c.play_n);
    g.input.rule = c.rule;
    const auto out = g.go();
    ASSERT_EQ(out.message, "");
    EXPECT_EQ(out.period, "410 draws fall in the period.");  // 3 * (1 + ... + 40) / 6 numbers
    EXPECT_EQ(out.written_row, 2);
    std::string row = g.sets.cell(2, 0);
    for (int col = 1; col <= 10; ++col) row += " " + g.sets.cell(2, col);
    EXPECT_EQ(row, c.row) << c.play_n;
    // The row written is the current set, as the Targeted Sets window shows it.
    EXPECT_EQ(g.state.tset_numbers[1], std::stoi(g.sets.cell(2, 1)));
    EXPECT_EQ(g.state.tset_numbers[10], std::stoi(g.sets.cell(2, 10)));
  }
  // The random rule leaves the table as it was.
  GeneratorCase g;
  g.sets.set_rows(2);
  g.state.tset_row = 1;
  g.freq = TextGrid(2, 2);
  g.freq.set_cell(1, 1, "untouched");
  g.go();
  EXPECT_EQ(g.freq.cell(1, 1), "untouched");
}

TEST(Generator, AStoredRowOfAnotherDateIsKeptAndTheProposalGetsANewRow) {
  const auto row_text = [](const TextGrid& sets, int r) {
    std::string t = sets.cell(r, 0);
    for (int c = 1; c <= 10; ++c) t += " " + sets.cell(r, c);
    return t;
  };
  const std::string stored = "2025-08-01 1 2 3 4 5 6 7 8 9 10";
  const std::string proposal = "2025-09-09 40 39 38 37 36 35 34 33 32 31";
  const auto with_row = [&](const std::string& date, bool numbers) {
    auto g = std::make_unique<GeneratorCase>();
    g->input.rule = GeneratorRule::highest;
    g->sets.set_rows(2);
    g->sets.set_cell(1, 0, date);
    for (int c = 1; c <= 10 && numbers; ++c) g->sets.set_cell(1, c, std::to_string(c));
    g->state.tset_row = 1;
    return g;
  };
  // The current row is a set of 2025-08-01: it stays, and a new last row gets the proposal.
  auto g = with_row("2025-08-01", true);
  auto out = g->go();
  EXPECT_EQ(out.message, "");
  EXPECT_TRUE(out.row_added);
  EXPECT_EQ(out.written_row, 2);
  EXPECT_EQ(g->state.tset_row, 2);
  ASSERT_EQ(g->sets.rows(), 3);
  EXPECT_EQ(row_text(g->sets, 1), stored);
  EXPECT_EQ(row_text(g->sets, 2), proposal);
  EXPECT_EQ(g->state.tset_numbers[1], 40);
  // A stored row holding its last number alone is kept as well.
  auto last = with_row("2025-08-01", false);
  last->sets.set_cell(1, 10, "10");
  EXPECT_TRUE(last->go().row_added);
  // Go again: the new row is of the date written and holds numbers: asked first.
  // Cancel writes nothing; New row adds one of that date; Replace writes in place.
  g->tsets.unsaved = false;
  g->answers = {-1};
  out = g->go();
  EXPECT_EQ(g->asked,
            "The row of 2025-09-09 already holds a set (40 39 38 37 36 35 34 33 32 31). Replace it with the "
            "proposal, or put the proposal in a new row?");
  EXPECT_EQ(out.written_row, 0);
  EXPECT_FALSE(g->tsets.unsaved);
  g->answers = {1, 0};
  EXPECT_TRUE(g->go().row_added);
  EXPECT_EQ(g->sets.rows(), 4);
  EXPECT_EQ(g->sets.cell(3, 0), "2025-09-09");
  out = g->go();
  EXPECT_FALSE(out.row_added);
  EXPECT_EQ(g->sets.rows(), 4);
  EXPECT_EQ(row_text(g->sets, 3), proposal);
  // An empty row (New, Add) is filled in place whatever its date; so is a row of the same day.
  for (const auto& [date, numbers] : {std::pair{"", false}, {"2025-08-01", false}, {"2025-9-9", true}}) {
    g = with_row(date, numbers);
    if (numbers) g->answers = {0};
    out = g->go();
    EXPECT_FALSE(out.row_added) << date;
    EXPECT_EQ(g->sets.rows(), 2) << date;
    EXPECT_EQ(row_text(g->sets, 1), proposal) << date;
  }
}
