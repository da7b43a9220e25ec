#pragma once
// The ten prize classes, in the order every list and grid of the analyses uses.
#include <array>
#include <string_view>

namespace ds {

// "2", "2+bonus", "3", ... "6+bonus": class i (0..9) is 2 + i / 2 matching
// numbers, with the bonus when i is odd.
inline constexpr std::array<std::string_view, 10> prize_class_labels = {
    "2", "2+bonus", "3", "3+bonus", "4", "4+bonus", "5", "5+bonus", "6", "6+bonus"};

// Index of the class for `main` matching numbers (2..6) and the bonus.
constexpr int prize_class_index(int main, bool bonus) { return (main - 2) * 2 + (bonus ? 1 : 0); }

}  // namespace ds
