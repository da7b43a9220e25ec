#pragma once
// The maker: a search for a small wheel with the guarantee "t if m" on v numbers with
// tickets of k numbers. Each thread starts from a greedy wheel (or from the wheel the
// request hands it, holes filled greedily), then repeatedly drops a
// ticket and repairs the wheel by simulated annealing (moves that swap one number of a
// ticket so that an uncovered case becomes covered, cost = uncovered m-subsets), going
// down one ticket each time the cost reaches 0. On 18 numbers and more, "t if t" without
// a starting wheel first searches among the wheels that turning 1..v-1 (i -> i+1 mod v-1,
// v fixed) or 1..v leaves as they are, an orbit at a time, annealed with kicks of
// its best wheel, then goes on one ticket at a time from the smallest it found. The
// threads are independent restarts: thread i uses the seed seed + i. Every wheel offered
// has passed the exhaustive check.
#include <atomic>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "wheels/wheel_file.h"

namespace ds {

// Limits of the maker. It keeps a counter per m-subset of the set in each thread, so
// C(v, m) is bounded: at most max_maker_cases cases (C(30, 7) = 2,035,800; C(34, 6) =
// 1,344,904; C(44, 5) = 1,086,008 all fit).
inline constexpr int min_maker_v = 6;
inline constexpr int max_maker_v = 48;
inline constexpr std::uint64_t max_maker_cases = 2'100'000;
inline constexpr int max_maker_m = 7;

struct MakeRequest {
  int v = 0, k = 0, t = 0, m = 0;
  double seconds = 60;     // wall-clock limit
  std::uint64_t seed = 1;  // thread i uses seed + i
  int threads = 0;         // 0 = every core
  // 0 = none; otherwise each thread stops after that many annealing moves. With a step
  // budget the result does not depend on timing (give a long enough time limit too):
  // the smallest wheel wins, the lowest thread index among equals. With only a time
  // limit and several threads, which thread gets furthest depends on the machine's load.
  std::uint64_t steps = 0;
  // Empty = a greedy start; otherwise tickets (positions 1..v, k each) every thread starts
  // from, holes filled greedily: a wheel made before, which the search then tries to
  // shorten by one ticket at a time.
  std::vector<std::vector<int>> start;
  // 0 = the full guarantee. Otherwise a budget wheel: at most that many tickets, searched
  // for the fewest cases of m winners without t (the wheel returned may have holes; a
  // complete wheel within the budget ends the search).
  int budget = 0;
  // The numbers the cyclic phase turns, 1..cycle (cycle + 1 .. v stay): 0 = v - 1 on the
  // even threads (v fixed) and v on the odd ones (none fixed); the two groups each give
  // the smaller wheel on some sizes.
  int cycle = 0;
};

// "" when the request is within the limits, else what is wrong, as a sentence.
std::string make_request_error(const MakeRequest& request);

// A wheel whose key numbers 1..keys are on every ticket is the wheel for the numbers
// besides them (v, k, t and m each `keys` fewer) with the keys added (with_keys): its
// guarantee t if m holds when the keys are among the winners. Turns `request` into the
// search for the wheel without the keys; "" or why it cannot be (keys not below t, or
// the smaller wheel outside the maker's limits), as a sentence. keys = 0 changes nothing.
std::string take_keys_off(MakeRequest& request, int keys);

struct MakeProgress {
  std::atomic<int> best_size{0};         // tickets of the best complete wheel so far; 0 = none yet
  std::atomic<long long> uncovered{-1};  // uncovered cases of the attempt one below best; -1 before
  std::atomic<double> seconds{0};        // elapsed
  std::atomic<double> best_seconds{0};   // elapsed when the best size so far was first reached
  std::atomic<bool> done{false};
};

// Runs the search until the time, the step budget or the stop token ends it, and returns
// the smallest complete wheel found (nullopt when none was complete by then); for a
// budget wheel, the one with the fewest holes (progress.uncovered: their exact count). The
// wheel's t and m are the request's; `made` says the date, the seed and the time taken.
std::optional<Wheel> make_wheel(const MakeRequest& request, std::stop_token stop, MakeProgress& progress);

// Schönheim's lower bound on the tickets of a "t if t" wheel:
// ceil(v/k ceil((v-1)/(k-1) ... ceil((v-t+1)/(k-t+1)))). 0 when t < 1 or k > v.
long long schonheim_bound(int v, int k, int t);

// The lower bound known for "t if m": the Schönheim bound when m == t, else 0 (unknown).
long long known_bound(int v, int k, int t, int m);

}  // namespace ds
