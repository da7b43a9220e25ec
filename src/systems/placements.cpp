#include "systems/placements.h"

#include <algorithm>
#include <array>
#include <bit>

namespace ds {

namespace {

constexpr int kField = 10;
constexpr std::size_t kPackedLimit = (std::size_t{1} << kField) - 1;

// weight[k] adds one to n_k (k = 2..7: six fields of ten bits); intersections of 0
// or 1 position are not counted.
constexpr int kTop = 7;
constexpr std::array<PackedCounts, 33> make_weights() {
  std::array<PackedCounts, 33> w{};
  for (int k = 2; k <= kTop; ++k) w[k] = PackedCounts{1} << (kField * (k - 2));
  return w;
}
constexpr auto kWeight = make_weights();

std::uint64_t next_same_popcount(std::uint64_t x) {
  const std::uint64_t c = x & (~x + 1);
  const std::uint64_t r = x + c;
  return (((r ^ x) >> 2) / c) | r;
}

// Exact path for lists too long to pack: counts in full integers, compared field by field.
PlacementExtremes evaluate_wide(std::span<const PositionMask> tickets, int v, int w) {
  using Counts = std::array<std::size_t, kTop + 1>;
  auto less = [w](const Counts& a, const Counts& b) {
    for (int k = w; k >= 2; --k)
      if (a[k] != b[k]) return a[k] < b[k];
    return false;
  };
  Counts lo{}, hi{};
  bool first = true;
  const std::uint64_t end = std::uint64_t{1} << v;
  for (std::uint64_t p = (std::uint64_t{1} << w) - 1; p < end; p = next_same_popcount(p)) {
    Counts n{};
    for (PositionMask x : tickets) ++n[std::min(kTop, std::popcount(x & static_cast<PositionMask>(p)))];
    if (first || less(n, lo)) lo = n;
    if (first || less(hi, n)) hi = n;
    first = false;
  }
  // saturate into the packed form; only reached by lists longer than any system's
  auto pack = [](const Counts& n) {
    PackedCounts x = 0;
    for (int k = 2; k <= kTop; ++k) x |= PackedCounts{std::min(n[k], kPackedLimit)} << (kField * (k - 2));
    return x;
  };
  return {pack(lo), pack(hi)};
}

}  // namespace

std::vector<PositionMask> ticket_masks(const std::vector<std::vector<int>>& tickets) {
  std::vector<PositionMask> out;
  out.reserve(tickets.size());
  for (const auto& ticket : tickets) {
    PositionMask x = 0;
    for (int p : ticket) x |= PositionMask{1} << (p - 1);
    out.push_back(x);
  }
  return out;
}

int packed_count(PackedCounts packed, int k) {
  return static_cast<int>(packed >> (kField * (k - 2)) & kPackedLimit);
}

PlacementExtremes evaluate_placements(std::span<const PositionMask> tickets, int v, int w) {
  if (tickets.size() > kPackedLimit) return evaluate_wide(tickets, v, w);
  PackedCounts lo = ~PackedCounts{0}, hi = 0;
  const std::uint64_t end = std::uint64_t{1} << v;
  for (std::uint64_t p = (std::uint64_t{1} << w) - 1; p < end; p = next_same_popcount(p)) {
    const auto placement = static_cast<PositionMask>(p);
    PackedCounts n = 0;
    for (PositionMask x : tickets) n += kWeight[std::popcount(x & placement)];
    lo = std::min(lo, n);
    hi = std::max(hi, n);
  }
  return {lo, hi};
}

void placement_rows(std::span<const PositionMask> tickets, int v, int m, ResultsCount& min,
                    ResultsCount& max) {
  for (int w = 2; w <= m; ++w) {
    const PlacementExtremes e = evaluate_placements(tickets, v, w);
    for (int k = 2; k <= w; ++k) {
      min[w][k] = static_cast<std::int16_t>(packed_count(e.worst, k));
      max[w][k] = static_cast<std::int16_t>(packed_count(e.best, k));
    }
  }
}

}  // namespace ds
