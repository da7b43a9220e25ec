#pragma once
// Evaluation of all placements of the winning numbers against a list of tickets.
#include <cstdint>
#include <span>
#include <vector>

#include "shell/results.h"

namespace ds {

// A ticket or a placement as a set of positions: bit p - 1 stands for position p.
using PositionMask = std::uint32_t;

std::vector<PositionMask> ticket_masks(const std::vector<std::vector<int>>& tickets);

// A count vector (n_2 .. n_7) packed 10 bits per count with n_7 in the highest field,
// so that comparing packed values compares the vectors on n_7 first, then n_6 ... n_2.
using PackedCounts = std::uint64_t;
int packed_count(PackedCounts packed, int k);

struct PlacementExtremes {
  PackedCounts worst = 0;  // smallest count vector over all placements
  PackedCounts best = 0;   // largest
};

// Evaluates every placement of w positions among 1..v (2 <= w <= 7, w <= v <= 32).
// Packing needs fewer than 1024 tickets; longer lists take a slower exact path.
PlacementExtremes evaluate_placements(std::span<const PositionMask> tickets, int v, int w);

// Writes rows w = 2..m of the worst and best cases into min and max (cells k = 2..w).
void placement_rows(std::span<const PositionMask> tickets, int v, int m, ResultsCount& min,
                    ResultsCount& max);

}  // namespace ds
