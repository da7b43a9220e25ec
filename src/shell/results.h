#pragma once
// The types a system's tickets are described by and its guaranteed results are held in,
// shared by the session state, the catalogue and the placement evaluation.
#include <array>
#include <cstdint>
#include <vector>

namespace ds {

// Base tickets of one system: rows 1..c hold the six increments of a base ticket in
// columns 1..6; row 0 and column 0 are unused and hold 0.
using TicketTable = std::vector<std::array<std::int16_t, 7>>;

// Guaranteed results indexed [w][k]: w winning numbers inside the targeted set,
// k matches on one ticket, up to seven (a game that draws seven numbers).
inline constexpr int max_results_winners = 7;
using ResultsAvg = std::array<std::array<float, 8>, 8>;
using ResultsCount = std::array<std::array<std::int16_t, 8>, 8>;

}  // namespace ds
