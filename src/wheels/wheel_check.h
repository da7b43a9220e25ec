#pragma once
// The exhaustive check of a wheel: every placement of w winners among the v positions,
// against every ticket.
#include <atomic>
#include <cstdint>
#include <span>
#include <stop_token>
#include <string>
#include <vector>

#include "shell/text.h"
#include "wheels/wheel_file.h"

namespace ds {

using WheelMask = std::uint64_t;  // bit p - 1 stands for position p

std::vector<WheelMask> wheel_masks(const std::vector<std::vector<int>>& tickets);

// The first w-subset of 0..v-1 as a mask and the next one with the same number of bits
// (in increasing order); the walk is over when the mask reaches 1 << v.
WheelMask next_same_bits(WheelMask x);

// The number of r-subsets of n things, exact while it fits 64 bits; 0 outside 0 <= r <= n.
std::uint64_t subsets_count(int n, int r);

// One row of the check: w winners inside the set. A case is one placement of the w
// winners; its match is the most winners any one ticket holds.
struct MatchRow {
  int w = 0;
  int worst = 0;                     // the smallest match over all cases
  int best = 0;                      // the largest
  std::vector<std::uint64_t> cases;  // cases[j]: how many cases have match j, j = 0..w
};

struct CheckProgress {
  std::atomic<std::uint64_t> done{0};   // cases walked so far
  std::atomic<std::uint64_t> total{0};  // cases in all, set before the walk starts
};

struct WheelCheckResult {
  bool complete = false;  // false when stopped: the figures below are then not to be shown
  int v = 0, k = 0;
  std::vector<MatchRow> rows;           // w = 0..max_w (at most v)
  int t = 0, m = 0;                     // the guarantee checked; 0 when none
  int keys = 0;                         // the wheel's keys: the guarantee with them among the winners
  std::uint64_t hole_count = 0;         // m-subsets where no ticket holds t: exact
  std::vector<std::vector<int>> holes;  // the first of them (positions, ascending), capped
  bool meets = false;                   // complete and no hole (or no guarantee asked)
};

inline constexpr std::size_t default_hole_cap = 1000;

// Checks `wheel` (tickets of positions 1..wheel.v, v <= max_wheel_v) exhaustively: the rows
// w = 0..max_w (0: max(k, m) but at most 7, then at most v) and, when 1 <= t <= m <= v, the
// holes of "t if m" in increasing mask order, at most `hole_cap` listed; for a wheel with
// keys (wheel.keys < t), only the cases holding every key count, the guarantee it makes. `progress` (may be
// null) counts the cases walked; the stop token ends the walk early (complete = false).
// The work is C(v, w) cases per row times the tickets: 38,760 x 440 for six of 20 takes a
// few milliseconds, seven of 63 (553 million cases) minutes; keep m <= 7 and run it off the
// window's thread.
WheelCheckResult check_wheel(const Wheel& wheel, int t, int m, const std::stop_token& stop = {},
                             CheckProgress* progress = nullptr, int max_w = 0,
                             std::size_t hole_cap = default_hole_cap);

// "covers 96.7 % of the cases of 6 winners": the share of `cases` that are no hole, cut
// (not rounded) to one decimal, so that a wheel with a hole never shows 100 %.
Text covered_share_text(std::uint64_t holes, std::uint64_t cases, int m);

// One row over masks: the cases of w winners among v positions (w <= v <= max_wheel_v).
MatchRow check_row(std::span<const WheelMask> tickets, int v, int w);

// True when every m-subset of the v positions meets some ticket in at least t positions.
bool meets_guarantee(std::span<const WheelMask> tickets, int v, int t, int m);
bool meets_guarantee(const Wheel& wheel, int t, int m);

}  // namespace ds
