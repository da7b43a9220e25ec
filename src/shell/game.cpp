#include "shell/game.h"

#include <algorithm>

#include "shell/app_state.h"

namespace ds {

namespace {

double choose(int n, int k) {
  if (k < 0 || n < k) return 0;
  double r = 1;
  for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
  return r;
}

// Exactly k of the `drawn` numbers of a pool of `pool` among `picked` numbers played.
double pool_chance(int pool, int drawn, int picked, int k) {
  const double all = choose(pool, picked);
  if (all == 0) return 0;
  return choose(drawn, k) * choose(pool - drawn, picked - k) / all;
}

}  // namespace

bool fits_record(const LottoDefinition& def) {
  return def.pick_n <= 6 && def.bonus_n == 1 && def.second_n == 0 && def.second_pool == 0 &&
         def.tiers.empty();
}

std::vector<PrizeTier> prize_tiers(const LottoDefinition& def) {
  if (!def.tiers.empty()) return def.tiers;
  const float amounts[10] = {def.prize_2,  def.prize_2b, def.prize_3,  def.prize_3b, def.prize_4,
                             def.prize_4b, def.prize_5,  def.prize_5b, def.prize_6,  def.prize_6b};
  std::vector<PrizeTier> out;
  for (int i = 0; i < 10; ++i) out.push_back({2 + i / 2, i % 2 == 1, 0, amounts[i], false});
  return out;
}

const PrizeTier* find_tier(const std::vector<PrizeTier>& tiers, int main, bool bonus, int second) {
  auto find = [&](bool b) -> const PrizeTier* {
    for (const PrizeTier& t : tiers)
      if (t.main == main && t.bonus == b && t.second == second) return &t;
    return nullptr;
  };
  const PrizeTier* t = find(bonus);
  if (!t && bonus) t = find(false);
  return t;
}

std::string tier_label(const LottoDefinition& def, const PrizeTier& tier) {
  std::string s = std::to_string(tier.main);
  if (def.second_n > 0) s += "+" + std::to_string(tier.second);
  if (tier.bonus) s += "+bonus";
  return s;
}

int main_columns(const LottoDefinition& def) {
  // A record may hold any count: the grid never has more columns than a draw can.
  return std::clamp<int>(def.pick_n, 6, max_main_drawn);
}

int bonus_column(const LottoDefinition& def) { return def.bonus_n > 0 ? 2 + main_columns(def) : -1; }

int second_column(const LottoDefinition& def, int j) {
  return 2 + main_columns(def) + (def.bonus_n > 0 ? 1 : 0) + j;
}

int draw_grid_columns(const LottoDefinition& def) { return second_column(def, def.second_n); }

double tier_probability(const LottoDefinition& def, int main, bool bonus, int second) {
  const int n = def.play_n, k = def.pick_n;
  double p = pool_chance(n, k, k, main);
  if (def.bonus_n > 0) {
    // The bonus is one of the n - k numbers not drawn as main numbers; the play
    // holds k - main of those.
    const double held = n > k ? static_cast<double>(k - main) / (n - k) : 0;
    p *= bonus ? held : 1 - held;
  } else if (bonus) {
    return 0;
  }
  if (def.second_n > 0)
    p *= pool_chance(def.second_pool, def.second_n, def.second_n, second);
  else if (second != 0)
    return 0;
  return p;
}

}  // namespace ds
