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
#include <vector>

#include "shell/app_state.h"
#include "shell/dates.h"
#include "shell/grid.h"
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
std::string fair_draw_line(double p_value);

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

// Draws of the period whose main numbers pass the filters; a draw passes `new`
// when no earlier draw of the period had the same main numbers (as a ticket played
// for that draw would have been chosen).
int draws_passing(const TicketFilters& filters, const std::vector<PeriodDraw>& draws, int pool);

// The share of the period's draws that passed beside the share of all combinations
// that pass (which a fair draw gives each draw): the draws' share with its 95 %
// interval (Wilson's), and the chance that a fair draw puts the share of `draws`
// draws at least this far from the combinations' (the binomial by its normal
// approximation: chi-square of one degree of freedom). p_value 1 when there is no draw.
struct PassRateCheck {
  double draws_rate = 0, low = 0, high = 0;
  double combinations_rate = 0;
  double p_value = 1;
};
PassRateCheck check_pass_rate(int passed, int draws, double combinations_rate);

}  // namespace ds
