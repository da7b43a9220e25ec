#include "analyses/prize_boxes.h"

#include "shell/game.h"

namespace ds {

PrizeBoxesView prize_boxes_for(const LottoDefinition& game, const NumberFormat& format) {
  PrizeBoxesView v;
  v.general = !fits_record(game);
  const std::array<float, 10> prizes = {game.prize_2, game.prize_2b, game.prize_3, game.prize_3b,
                                        game.prize_4, game.prize_4b, game.prize_5, game.prize_5b,
                                        game.prize_6, game.prize_6b};
  for (int i = 0; i < 10; ++i) v.texts.classes[i] = format_single_exact(prizes[i], format);
  if (!v.general) return v;
  for (const PrizeTier& tier : prize_tiers(game)) {
    v.tier_labels.push_back(tier_label(game, tier));
    v.texts.tiers.push_back(format_general(tier.payout, format));
  }
  return v;
}

std::optional<PrizeBoxesView> follow_game(std::vector<std::string>& shown, PrizeTexts& texts,
                                          const LottoDefinition& game, const NumberFormat& format) {
  PrizeBoxesView v = prize_boxes_for(game, format);
  if (v.tier_labels == shown) return std::nullopt;
  shown = v.tier_labels;
  texts = v.texts;
  return v;
}

}  // namespace ds
