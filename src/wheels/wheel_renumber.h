#pragma once
// Filters on a wheel without losing its guarantee. A wheel is written on the positions
// 1..v of a set; which number of the set stands at which position is free: every
// numbering of the set keeps the guarantee exactly, since a case of m winners is a case
// of m positions under any numbering. Dropping the tickets that fail a filter breaks the
// guarantee; choosing the numbering under which the most tickets pass does not.
//
// The search: for a set of at most `exhaustive_v` numbers every numbering is walked (by
// Heap's order, one swap from each numbering to the next, so only the tickets holding
// one of the two positions are scored again), split by the number at the last position
// over the threads: exact. For larger sets, restarts of simulated annealing over
// numberings, one move a swap of two positions' numbers scored by the tickets it
// changes (those holding one of the two: a ticket holding both keeps its numbers).
// Restart r starts from a numbering drawn from seed and r (restart 0 from the set's own
// order) and runs a fixed number of moves: with a count of restarts the result depends
// on the seed alone, not on the threads or the machine; with a time limit, on how many
// restarts ended in the time. The best numbering wins, the lowest restart among equals,
// and the set's own order when it does as well.
#include <atomic>
#include <cstdint>
#include <span>
#include <stop_token>
#include <string>
#include <vector>

#include "shell/grid.h"
#include "shell/ticket_filters.h"
#include "wheels/wheel_check.h"
#include "wheels/wheel_file.h"

namespace ds {

struct RenumberRequest {
  Wheel wheel;           // tickets on positions 1..wheel.v
  std::vector<int> set;  // wheel.v distinct numbers of 1..game.pool; position p is set[p - 1] as given
  TicketFilters filters;
  FilterGame game;
  PastDraws past;  // what `new` reads
  std::uint64_t seed = 1;
  double seconds = 10;      // wall-clock limit of the annealing; 0: none (give restarts)
  int restarts = 0;         // 0: until the time runs out; otherwise exactly that many
  int threads = 0;          // 0: every core
  std::uint64_t steps = 0;  // moves per restart; 0: chosen from the size of the wheel
  int exhaustive_v = 9;     // sets of at most this many numbers are searched exhaustively
};

// "" when the request can be searched, else what is wrong, as a sentence.
std::string renumber_request_error(const RenumberRequest& request);

struct RenumberProgress {
  std::atomic<int> best{-1};            // tickets passing under the best numbering so far
  std::atomic<int> restarts{0};         // restarts ended (annealing)
  std::atomic<std::uint64_t> done{0};   // numberings walked (exhaustive) or moves made
  std::atomic<std::uint64_t> total{0};  // numberings in all (exhaustive); 0 for the annealing
  std::atomic<double> seconds{0};
};

struct RenumberResult {
  bool complete = false;     // ran to its end (the time counts as an end; the stop token does not)
  bool exact = false;        // every numbering was walked: none passes more tickets
  std::vector<int> numbers;  // numbers[p - 1]: the number at position p
  std::vector<std::vector<int>> tickets;  // the wheel's tickets in those numbers, each ascending
  std::vector<bool> passes;               // per ticket: it passes every filter
  int passing = 0;                        // tickets passing under `numbers`
  int identity_passing = 0;               // under the set's own order
  int restarts = 0;
  double seconds = 0;
};

// Searches the numbering that makes the most tickets of the wheel pass the filters; the
// request must be sound (renumber_request_error). When stopped, the best found so far
// with complete = false.
RenumberResult renumber_for_filters(const RenumberRequest& request, const std::stop_token& stop,
                                    RenumberProgress& progress);

// The tickets of `wheel` in the numbers `numbers` (numbers[p - 1] at position p), each
// ascending; and whether each passes the filters.
std::vector<std::vector<int>> numbered_tickets(const Wheel& wheel, std::span<const int> numbers);
std::vector<bool> tickets_passing(const std::vector<std::vector<int>>& tickets, const TicketFilters& filters,
                                  int pool, const PastDraws& past);

// What playing only the passing tickets keeps of the wheel's guarantee "t if m": the
// cases of m winners among the set (with keys, those holding the keys) in which some
// passing ticket still holds t, counted exhaustively by the wheel check.
struct KeptGuarantee {
  bool complete = false;  // false when stopped, or when the wheel states no guarantee
  Wheel wheel;            // the passing tickets, on the wheel's positions
  int t = 0, m = 0, keys = 0;
  std::uint64_t holes = 0;  // cases where no passing ticket holds t
  std::uint64_t cases = 0;  // every case of the guarantee
  std::string text;         // kept_guarantee_text
};
KeptGuarantee kept_guarantee(const Wheel& wheel, const std::vector<bool>& passes,
                             std::span<const int> numbers, const std::stop_token& stop = {},
                             CheckProgress* progress = nullptr);

// "3 if 6" when no case is lost, else "3 if 6 on 94.1 % of the cases" (the share cut,
// not rounded, to one decimal, so that a lost case never shows 100 %); with keys, "...
// when the keys 4 and 17 are among the winners" naming the numbers at the key positions.
// "no guarantee: no ticket passes" for no ticket; "no guarantee is known" when t is 0.
std::string kept_guarantee_text(int t, int m, std::uint64_t holes, std::uint64_t cases, std::size_t tickets,
                                std::span<const int> key_numbers = {});

// The main numbers of the draws of a draw grid (row 0 the headers, columns 2.. the
// numbers, `drawn` of them), as `new` reads them.
PastDraws grid_past_draws(const TextGrid& draws, int drawn);

}  // namespace ds
