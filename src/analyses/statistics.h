#pragma once
// Statistics of a lotto's draw history over a period, each beside what chance
// alone gives: how often each number came and how long since, the chi-square test
// of the main-pool counts, pairs, repeats from the previous draw, and the spread
// of sums, odd counts, low counts and longest runs against the exact spread over
// all combinations of the game.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/app_state.h"
#include "shell/dates.h"
#include "shell/grid.h"
#include "shell/numbers.h"
#include "shell/outcome.h"
#include "shell/ticket_filters.h"

namespace ds {

struct PeriodDraw {
  DayNumber day = 0;
  std::vector<int> main;    // ascending
  int bonus = 0;            // 0 when the game draws none or the draw does not record it
  std::vector<int> second;  // ascending
};

struct PeriodDraws {
  std::vector<PeriodDraw> draws;  // oldest first
  int skipped =
      0;  // rows dated in the period whose numbers are no draw of the game (missing, repeated, out of range)
};

// The rows 1.. of a draw grid (date in column 0, in `format` or ISO) dated from
// `from` to `to`, both included; a missing bound leaves that side open. Rows whose
// date cannot be read are left out.
PeriodDraws period_draws(const TextGrid& grid, const LottoDefinition& game, const DateFormat& format,
                         std::optional<DayNumber> from, std::optional<DayNumber> to);

// The main numbers of each draw, as the filter `new` reads them.
PastDraws past_main_draws(const std::vector<PeriodDraw>& draws);

struct NumberStats {
  int number = 0;
  bool second = false;            // a number of the second pool
  int drawn = 0;                  // draws holding it (main numbers; the second pool for its own)
  int bonus = 0;                  // draws holding it as the bonus (main pool only)
  double expected = 0;            // draws x numbers drawn / pool
  std::optional<DayNumber> last;  // the last draw holding it (not as the bonus)
  int since = 0;                  // the period's draws after that one; all of them when none held it
  int longest_gap = 0;  // the most draws in a row without it, before the first, between two or after the last
};

// Every number of the main pool, then of the second pool when the game has one.
std::vector<NumberStats> number_statistics(const std::vector<PeriodDraw>& draws, const LottoDefinition& game);

// ---- Chi-square ----
// The regularized upper incomplete gamma function Q(a, x) = Γ(a, x) / Γ(a), a > 0, x >= 0.
double upper_gamma_q(double a, double x);
// Chance that a chi-square variable of `dof` degrees of freedom is at least `x`.
double chi_square_tail(double x, int dof);

struct ChiSquare {
  double statistic = 0;
  int dof = 0;
  double p_value = 1;  // chance that a fair draw gives counts at least this uneven
};
// The counts against the same expectation for each; dof = counts - 1. A p-value of 1
// when there is nothing to test (fewer than two counts or no expectation).
ChiSquare chi_square_uniform(std::span<const int> counts, double expected);
// The counts of one pool of `stats` (the main pool, or the second) against draws x drawn / pool.
ChiSquare pool_chi_square(const std::vector<NumberStats>& stats, bool second = false);

// "These counts are what a fair draw gives 47 % of the time." (whole per cent;
// "less than 1 %" below one half of a per cent).
Text fair_draw_line(double p_value);

// ---- Pairs ----
struct PairCount {
  int a = 0, b = 0;  // a < b
  int count = 0;
};
// Draws holding both a and b, for every pair of the main pool, (1,2), (1,3) .. (pool-1,pool).
std::vector<PairCount> pair_counts(const std::vector<PeriodDraw>& draws, int pool);
// The `n` pairs that came most often (most first) or least often (least first);
// among equal counts the lower numbers first.
std::vector<PairCount> extreme_pairs(std::vector<PairCount> pairs, std::size_t n, bool most);
// What chance gives each pair: draws x C(drawn, 2) / C(pool, 2).
double expected_pair_count(int draws, int pool, int drawn);

// ---- Spreads ----
enum class DrawMeasure { sum, odd, low, run };

struct Spread {
  std::vector<int> draws;                   // draws of the period with each value (index = value)
  std::vector<std::uint64_t> combinations;  // combinations of the game with each value
};
// Values 0 .. the largest a ticket can have (for the sum, the sum of the highest numbers).
Spread measure_spread(DrawMeasure measure, const std::vector<PeriodDraw>& draws, const FilterGame& game);

// How many main numbers each draw shares with the draw before it (index = count,
// 0..drawn; the first draw of the period has none before it), and the chance of
// each count for a fair draw.
struct Repeats {
  std::vector<int> draws;
  std::vector<double> chance;
};
Repeats repeats_from_previous(const std::vector<PeriodDraw>& draws, const FilterGame& game);

// The chance that a fair draw gives `k` or a count no likelier among `n` draws that
// each pass with chance `p` (the exact two-sided binomial test: the sum of
// P(X = i) over every i with P(X = i) <= P(X = k)).
double binomial_two_sided_p(int k, int n, double p);

// Draws of the period whose main numbers pass the filters; a draw passes `new`
// when no earlier draw of the period had the same main numbers (as a ticket played
// for that draw would have been chosen).
int draws_passing(const TicketFilters& filters, const std::vector<PeriodDraw>& draws, int pool);

// The share of the period's draws that passed beside the share of all combinations
// that pass (which a fair draw gives each draw): the draws' share with its 95 %
// interval (Wilson's), and the chance that a fair draw puts the share of `draws`
// draws at least this far from the combinations' (binomial_two_sided_p: exact, where
// the normal approximation claims far too much for a rate near 0 or 1 over few
// draws). p_value 1 when there is no draw.
struct PassRateCheck {
  double draws_rate = 0, low = 0, high = 0;
  double combinations_rate = 0;
  double p_value = 1;
};
PassRateCheck check_pass_rate(int passed, int draws, double combinations_rate);

// ---- The Statistics window ----

// What the spread table shows: one measure of the period's draws against all
// combinations, or the repeats from the previous draw against their chance.
enum class SpreadView { sum, odd, low, run, repeats };

// One row of the spread table; a sum table groups the sums in bands of equal width
// (at most about twenty) so that its chart stays readable.
struct SpreadRow {
  std::string value;        // "3", or "100-109" for a band of sums
  int draws = 0;            // draws of the period with this value
  double draws_share = 0;   // of the period's draws (0 without draws)
  double combinations = 0;  // combinations of the game with it; -1 for the repeats (no such count)
  double chance = 0;        // the share of combinations, or the chance of a fair draw
};
std::vector<SpreadRow> spread_rows(SpreadView view, const std::vector<PeriodDraw>& draws,
                                   const FilterGame& game);

// One filter, or all of them together, over the period's draws and over all
// combinations.
struct FilterRate {
  std::string filter;  // as typed; "All together" for the set
  int passed = 0, draws = 0;
  std::uint64_t passing = 0;  // combinations passing
  double combinations = 0;    // of the game
  PassRateCheck check;
};

// The filters typed in the window: one expression per line, or several on a line
// between blanks or semicolons (a blank after ':' or ',' goes on with the
// expression: "include: 3, 7"). Each is read against the game; the first that
// cannot be read stops with its message.
struct TypedFilters {
  std::vector<std::string> expressions;
  std::vector<TicketFilters> each;
  TicketFilters all;
  std::string message;  // "" when every expression was read
};
TypedFilters read_typed_filters(std::string_view text, const FilterGame& game);

// The rate of each filter, then of all together when there are two or more.
std::vector<FilterRate> filter_rates(const TypedFilters& filters, const std::vector<PeriodDraw>& draws,
                                     const FilterGame& game);

// The lines under the filter table for `rate` (the set's, or the one filter's):
// the two rates, the interval, the binomial test's verdict, then the line that
// says what a filter does.
std::string filter_rate_text(const FilterRate& rate, const NumberFormat& format);

// The texts of the window's controls.
struct StatisticsForm {
  std::string from_text, to_text, filters_text;
};

// The window's tabs, each with its table for Export CSV and its page for Print.
enum class StatisticsTab { numbers, pairs, spreads, filters };

// Everything the Statistics window holds apart from its widgets: the lotto read,
// the period's draws and the tables the tabs show.
struct StatisticsModel {
  DateFormat date_format;
  NumberFormat number_format;
  std::string lotto_name;  // "" when none is chosen
  LottoDefinition game;
  TextGrid history;  // the draws as read (from the state, or the lotto's draws file)
  std::string period_label;
  PeriodDraws period;
  std::vector<NumberStats> numbers;  // numbers_grid's rows 1.., in the same order
  Text fair_main, fair_second;       // the fair-draw line of each pool ("" when it has none)
  std::vector<PairCount> pairs;
  double pair_expected = 0;
  SpreadView view = SpreadView::sum;
  std::vector<SpreadRow> spread;
  std::vector<FilterRate> rates;
  std::string rates_text;
  // Number, Pool, Drawn, Bonus, Expected, Last drawn, Draws since, Longest gap
  TextGrid numbers_grid;
  // Pair, Draws: the most frequent pairs, and the least frequent
  TextGrid pairs_most, pairs_least;
  // First, Second, Draws, Expected: every pair (Export CSV of the pairs tab)
  TextGrid pairs_grid;
  // Value, Draws, Share of draws, Combinations, Share of combinations (or Chance)
  TextGrid spread_grid;
  // Filter, Draws passing, Share of draws, 95 % interval, Combinations passing,
  // Share of combinations, Chance of the difference
  TextGrid rates_grid;
  StatisticsModel(const DateFormat& date_format, const NumberFormat& number_format);
};

// The window opens or the lotto changed: the lotto chosen and its draws, those
// the state carries (`draws`, when the Lotto window read them) or else those of the
// lotto's draws file. The period texts of the whole history (today alone when it has
// no draw); the message when the draws cannot be read.
struct StatisticsLoad {
  std::string lotto_label;  // "Not selected" when none
  std::string from_text, to_text;
  std::string message;
};
StatisticsLoad statistics_open(StatisticsModel& model, const AppState& state, const TextGrid* draws,
                               DayNumber today);

enum class StatisticsFocus { none, from, to, filters, count };
struct StatisticsOutcome : FocusOutcome<StatisticsFocus> {
  using Focus = StatisticsFocus;
  bool shown = false;  // the tables were filled anew
};

// cmdGo (Enter in a box): the lotto first, then the dates, then every table over
// the period; filters that cannot be read are the message (the other tables are
// still filled) and take the focus. The status line says how many draws the
// period holds and how many of its rows are no draw of the game.
StatisticsOutcome statistics_go(StatisticsModel& model, const StatisticsForm& form);

// cmbSpread: the spread table of another measure over the same draws.
void statistics_spread(StatisticsModel& model, SpreadView view);

// The value a column of numbers_grid sorts by (grid row 1..): the figure, the day
// of the last draw (-1 for none), the pool then the number for the first two.
double numbers_sort_value(const StatisticsModel& model, int row, int column);

// The heat map's tooltip for the pair a, b (a != b, either order): "7 and 12: 9 draws (chance: 7.7)".
std::string pair_tip(const StatisticsModel& model, int a, int b);

// The table a tab exports, and the file name it suggests.
const TextGrid& statistics_table(const StatisticsModel& model, StatisticsTab tab);
std::string statistics_file_name(const StatisticsModel& model, StatisticsTab tab);
// cmdPrint: the tab's page (the lotto, the period, the lines and the tables).
PrintOutcome print_statistics(const StatisticsModel& model, StatisticsTab tab);

}  // namespace ds
