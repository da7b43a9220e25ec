#pragma once
// Filters on the main numbers of a ticket, shared by the generator, the Systems
// window and the wheel maker:
//   sum:A-B       the sum of the numbers lies in A..B
//   odd:A-B       how many are odd
//   low:A-B       how many are at most pool / 2 (rounded down)
//   run:A-B       the longest run of consecutive numbers (1 when none are adjacent)
//   decade:A-B    the most numbers in one group of ten (1-9, 10-19, 20-29, ...)
//   new           not the main numbers of any draw of the period
//   include:n,m   holds every one of these numbers
//   exclude:n,m   holds none of them
// A ticket passes a set of filters when it passes each; two ranges of the same
// kind keep what both allow.
//
// How many of all the game's combinations pass is counted exactly, without going
// through them: a walk over the numbers 1..pool that carries, for each partial
// choice, only what the filters asked for need (count chosen, sum, odd count,
// current run, count in the current group of ten, and whether the run and group
// bounds were reached). A filter changes which tickets are played, not the chance
// of each: for a fair draw the share of past draws that pass tends to the share of
// combinations that pass.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ds {

struct FilterRange {
  bool on = false;
  int lo = 0, hi = 0;  // both included
  bool holds(int x) const { return !on || (x >= lo && x <= hi); }
};

struct TicketFilters {
  FilterRange sum, odd, low, run, decade;
  bool new_only = false;     // `new`
  std::vector<int> include;  // ascending, distinct
  std::vector<int> exclude;  // ascending, distinct
  bool empty() const;
};

// The game the filters apply to: numbers 1..pool, `drawn` of them on a ticket.
struct FilterGame {
  int pool = 0;
  int drawn = 0;
};

// Adds one expression to `into`. "" when it was read, otherwise the message that
// says what is wrong and shows the form expected, such as
// "'sum:200-100' is no filter: the range runs from the smaller to the larger, sum:100-200."
// Numbers of include/exclude must lie in 1..pool; one number both included and
// excluded, or more numbers included than a ticket holds, is refused.
std::string add_filter(std::string_view expression, const FilterGame& game, TicketFilters& into);

// The measures the filters read, of ascending distinct numbers.
int numbers_sum(std::span<const int> ticket);
int odd_count(std::span<const int> ticket);
int low_count(std::span<const int> ticket, int pool);
int longest_run(std::span<const int> ticket);  // 0 for no number
int most_in_decade(std::span<const int> ticket);

// The period's draws as `new` reads them: the main numbers of each draw, each
// list ascending, sorted and without repeats.
using PastDraws = std::vector<std::vector<int>>;
PastDraws distinct_draws(std::vector<std::vector<int>> draws);

// True when `ticket` (ascending distinct numbers of 1..pool) passes every filter.
bool ticket_passes(const TicketFilters& filters, std::span<const int> ticket, int pool,
                   const PastDraws& past);

// The exact count of the game's combinations that pass; `new` takes off the
// distinct past draws (of `drawn` numbers in 1..pool) that pass the other filters.
// The walk keeps its states in an array while they are at most `dense_states`
// (32 MB each for the two steps it holds), else only the states reached, in a hash
// map: slower, and bounded by what wide ranges on a large game reach.
inline constexpr std::uint64_t default_dense_states = std::uint64_t{1} << 22;
std::uint64_t count_passing(const TicketFilters& filters, const FilterGame& game, const PastDraws& past,
                            std::uint64_t dense_states = default_dense_states);

}  // namespace ds
