#include "wheels/wheel_check.h"

#include <algorithm>
#include <bit>

namespace ds {

namespace {

// The hot walks are built twice on x86-64 Linux, for the baseline and for processors with
// the popcount instruction, and the loader picks one: the core library itself is built
// for the baseline target.
#if defined(__x86_64__) && defined(__GNUC__) && defined(__linux__) && !defined(__clang__)
#define DS_POPCOUNT_CLONES __attribute__((target_clones("popcnt", "default")))
#else
#define DS_POPCOUNT_CLONES
#endif

constexpr std::uint64_t kStopEvery = 4096;

std::vector<int> positions_of(WheelMask x) {
  std::vector<int> out;
  for (; x; x &= x - 1) out.push_back(std::countr_zero(x) + 1);
  return out;
}

// The best match of one case: the most positions of `p` any ticket holds, stopping at `cap`.
DS_POPCOUNT_CLONES
void walk_cases(const WheelMask* tickets, std::size_t n, WheelMask from, WheelMask end, std::uint64_t limit,
                int cap, int hole_below, std::uint64_t* counts, std::vector<WheelMask>& holes,
                std::size_t hole_cap, std::uint64_t& walked, WheelMask& next) {
  WheelMask p = from;
  std::uint64_t done = 0;
  for (; p < end && done < limit; ++done) {
    int best = 0;
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
      const int a = std::popcount(tickets[i] & p), b = std::popcount(tickets[i + 1] & p);
      const int c = std::popcount(tickets[i + 2] & p), d = std::popcount(tickets[i + 3] & p);
      best = std::max(best, std::max(std::max(a, b), std::max(c, d)));
      if (best >= cap) break;
    }
    for (; i < n && best < cap; ++i) best = std::max(best, std::popcount(tickets[i] & p));
    ++counts[best];
    if (best < hole_below && holes.size() < hole_cap) holes.push_back(p);
    const WheelMask c = p & (~p + 1), r = p + c;
    p = (((r ^ p) >> 2) / c) | r;
  }
  walked = done;
  next = p;
}

// Walks every w-subset of v positions; false when stopped.
bool walk_row(std::span<const WheelMask> tickets, int v, int w, int k, int hole_below, MatchRow& row,
              std::uint64_t* hole_count, std::vector<WheelMask>* holes, std::size_t hole_cap,
              const std::stop_token& stop, CheckProgress* progress) {
  row = MatchRow{};
  row.w = w;
  row.cases.assign(static_cast<std::size_t>(w) + 1, 0);
  std::vector<WheelMask> found;
  const int cap = std::min(w, k);
  const WheelMask end = WheelMask{1} << v;
  WheelMask p = w == 0 ? 0 : (WheelMask{1} << w) - 1;
  if (w == 0) {  // one case, no winner: every ticket holds none
    row.cases[0] = 1;
    if (hole_below > 0 && holes && hole_cap > 0) found.push_back(0);
    if (progress) progress->done.fetch_add(1, std::memory_order_relaxed);
  } else {
    while (p < end) {
      if (stop.stop_requested()) return false;
      std::uint64_t walked = 0;
      walk_cases(tickets.data(), tickets.size(), p, end, kStopEvery, tickets.empty() ? 0 : cap, hole_below,
                 row.cases.data(), found, holes ? hole_cap : 0, walked, p);
      if (progress) progress->done.fetch_add(walked, std::memory_order_relaxed);
    }
  }
  bool first = true;
  for (int j = 0; j <= w; ++j)
    if (row.cases[j]) {
      if (first) row.worst = j;
      row.best = j;
      first = false;
    }
  if (hole_count) {
    *hole_count = 0;
    for (int j = 0; j < hole_below && j <= w; ++j) *hole_count += row.cases[j];
  }
  if (holes) *holes = std::move(found);
  return true;
}

}  // namespace

std::vector<WheelMask> wheel_masks(const std::vector<std::vector<int>>& tickets) {
  std::vector<WheelMask> out;
  out.reserve(tickets.size());
  for (const auto& ticket : tickets) {
    WheelMask x = 0;
    for (int p : ticket)
      if (p >= 1 && p <= 64) x |= WheelMask{1} << (p - 1);
    out.push_back(x);
  }
  return out;
}

WheelMask next_same_bits(WheelMask x) {
  const WheelMask c = x & (~x + 1), r = x + c;
  return (((r ^ x) >> 2) / c) | r;
}

MatchRow check_row(std::span<const WheelMask> tickets, int v, int w) {
  MatchRow row;
  int k = 0;
  for (WheelMask x : tickets) k = std::max(k, std::popcount(x));
  walk_row(tickets, v, w, k, 0, row, nullptr, nullptr, 0, {}, nullptr);
  return row;
}

WheelCheckResult check_wheel(const Wheel& wheel, int t, int m, const std::stop_token& stop,
                             CheckProgress* progress, int max_w, std::size_t hole_cap) {
  WheelCheckResult result;
  result.v = wheel.v;
  result.k = wheel.k;
  if (wheel.v < 1 || wheel.v > max_wheel_v) return result;
  const bool guarantee = t >= 1 && t <= m && m <= wheel.v;
  // with keys, the holes are those of the wheel on the other numbers (the keys among the winners)
  const int keys = guarantee && wheel.keys > 0 && wheel.keys < t ? wheel.keys : 0;
  if (guarantee) {
    result.t = t;
    result.m = m;
    result.keys = keys;
  }
  if (max_w <= 0) max_w = std::min(7, std::max(wheel.k, guarantee ? m : 0));
  max_w = std::min(max_w, wheel.v);
  const std::vector<WheelMask> masks = wheel_masks(wheel.tickets);
  if (progress) {
    std::uint64_t total = 0;
    for (int w = 0; w <= max_w; ++w) total += subsets_count(wheel.v, w);
    if (keys > 0)
      total += subsets_count(wheel.v - keys, m - keys);
    else if (guarantee && m > max_w)
      total += subsets_count(wheel.v, m);
    progress->total.store(total);
    progress->done.store(0);
  }
  const bool plain = guarantee && keys == 0;
  for (int w = 0; w <= std::max(max_w, plain ? m : 0); ++w) {
    MatchRow row;
    std::vector<WheelMask> holes;
    const bool hole_row = plain && w == m;
    if (!walk_row(masks, wheel.v, w, wheel.k, hole_row ? t : 0, row, hole_row ? &result.hole_count : nullptr,
                  hole_row ? &holes : nullptr, hole_cap, stop, progress))
      return result;
    for (WheelMask h : holes) result.holes.push_back(positions_of(h));
    if (w <= max_w) result.rows.push_back(std::move(row));
  }
  if (keys > 0) {
    const Wheel rest = without_keys(wheel);
    MatchRow row;
    std::vector<WheelMask> holes;
    if (!walk_row(wheel_masks(rest.tickets), rest.v, m - keys, rest.k, t - keys, row, &result.hole_count,
                  &holes, hole_cap, stop, progress))
      return result;
    for (WheelMask h : holes) {
      std::vector<int> numbers = positions_of(h);
      for (int& p : numbers) p += keys;
      for (int key = keys; key >= 1; --key) numbers.insert(numbers.begin(), key);
      result.holes.push_back(std::move(numbers));
    }
  }
  result.complete = true;
  result.meets = result.hole_count == 0;
  return result;
}

Text covered_share_text(std::uint64_t holes, std::uint64_t cases, int m) {
  const std::uint64_t tenths = cases == 0 ? 1000 : (cases - std::min(holes, cases)) * 1000 / cases;
  return DS_TR("covers %1 % of the cases of %2 winners")
      .arg(std::to_string(tenths / 10) + (tenths < 1000 ? "." + std::to_string(tenths % 10) : ""))
      .arg(m);
}

bool meets_guarantee(std::span<const WheelMask> tickets, int v, int t, int m) {
  if (v < 1 || v > max_wheel_v || t < 0 || m < t || m > v) return false;
  if (t == 0) return true;
  MatchRow row;
  std::uint64_t holes = 0;
  std::vector<WheelMask> none;
  // stopping each case at t: a case is a hole when its best match stays below t
  walk_row(tickets, v, m, t, t, row, &holes, &none, 0, {}, nullptr);
  return holes == 0;
}

bool meets_guarantee(const Wheel& wheel, int t, int m) {
  return meets_guarantee(wheel_masks(wheel.tickets), wheel.v, t, m);
}

std::uint64_t subsets_count(int n, int r) {
  if (r < 0 || n < 0 || r > n) return 0;
  std::uint64_t x = 1;
  for (int i = 1; i <= r; ++i) x = x * static_cast<std::uint64_t>(n - r + i) / static_cast<std::uint64_t>(i);
  return x;
}

}  // namespace ds
