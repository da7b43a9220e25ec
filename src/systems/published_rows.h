#pragma once
// The worst-case and best-case rows published for the systems of the catalogue:
// what the usual tables of these systems print under their guaranteed results.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace ds {

// The cells of rows w = 2..m of one case in reading order: w = 2 holds k = 2, w = 3
// holds k = 2, 3, and so on (10 cells for m = 5, 15 for m = 6). Every cell of a row the
// published table leaves open holds -1.
using PublishedCells = std::array<std::int16_t, 15>;

struct PublishedRows {
  std::string_view id;
  PublishedCells worst, best;
};

// The 41 systems in the order of the catalogue.
std::span<const PublishedRows> published_rows();

// The published rows of `system_id`, or nullptr.
const PublishedRows* find_published_rows(std::string_view system_id);

}  // namespace ds
