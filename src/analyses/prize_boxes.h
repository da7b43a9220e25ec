#pragma once
// The prize boxes of System Performance and Average Profitability: the ten
// prize classes of a classic game (txtP2, txtP2b, ... txtP6b, in prize-class
// order), or one box per tier of the prize table of a game beyond the record
// (txtTier1 .., see shell/game.h). What the boxes show is decided here; the
// windows lay them out (analyses/ui/prize_boxes.h).
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "shell/app_state.h"
#include "shell/numbers.h"

namespace ds {

// The texts of the boxes.
struct PrizeTexts {
  std::array<std::string, 10> classes;  // txtP2 .. txtP6b
  std::vector<std::string> tiers;       // txtTier1 .. txtTierN
  bool operator==(const PrizeTexts&) const = default;
};

// The boxes laid out and filled for one game.
struct PrizeBoxesView {
  bool general = false;                  // the tier boxes instead of the ten classes
  std::vector<std::string> tier_labels;  // lblTier1 ..: one per tier, in the order of the game's table
  PrizeTexts texts;                      // the game's prizes, as their shortest text
};
PrizeBoxesView prize_boxes_for(const LottoDefinition& game, const NumberFormat& format);

// The boxes follow the current game. `shown` holds the labels of the tier boxes
// on screen. When they are not the tiers of `game` (another game was chosen
// meanwhile), `shown` and `texts` take the game's tiers and prizes and the view
// to lay out is returned; otherwise the typed prizes stay (nullopt).
std::optional<PrizeBoxesView> follow_game(std::vector<std::string>& shown, PrizeTexts& texts,
                                          const LottoDefinition& game, const NumberFormat& format);

}  // namespace ds
