#pragma once
// The worst-case and best-case rows of every catalogue system that has base tickets,
// worked out from those tickets when the program is built (make_result_tables writes
// them), so that choosing a system only looks its rows up.
#include <span>
#include <string_view>

#include "shell/results.h"

namespace ds {

struct HeldResults {
  std::string_view id;
  ResultsCount worst, best;  // rows w = 2..m, cells k = 2..w; every other cell 0
};

// In catalogue order.
std::span<const HeldResults> held_results();

}  // namespace ds
