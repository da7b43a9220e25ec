#include "shell/game.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "shell/app_state.h"

namespace ds {

double ways_to_choose(int n, int k) {
  if (k < 0 || n < k) return 0;
  double r = 1;
  for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
  return r;
}

double pool_chance(int pool, int drawn, int picked, int k) {
  const double all = ways_to_choose(pool, picked);
  if (all == 0) return 0;
  return ways_to_choose(drawn, k) * ways_to_choose(pool - drawn, picked - k) / all;
}

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

double tier_payout(const std::vector<PrizeTier>& tiers, int main, bool bonus, int second) {
  const PrizeTier* t = find_tier(tiers, main, bonus, second);
  return t ? t->payout : 0;
}

std::vector<std::vector<int>> second_subsets(const std::vector<int>& picks, int size) {
  std::vector<std::vector<int>> out;
  const int n = static_cast<int>(picks.size());
  if (size < 0 || size > n) return out;
  std::vector<int> at(static_cast<std::size_t>(size));
  for (int i = 0; i < size; ++i) at[i] = i;
  while (true) {
    std::vector<int> subset;
    for (int i : at) subset.push_back(picks[i]);
    out.push_back(std::move(subset));
    int i = size - 1;
    while (i >= 0 && at[i] == n - size + i) --i;
    if (i < 0) return out;
    ++at[i];
    for (int j = i + 1; j < size; ++j) at[j] = at[j - 1] + 1;
  }
}

long long plays_per_ticket(const LottoDefinition& def, int picks) {
  return def.second_n > 0 ? static_cast<long long>(ways_to_choose(picks, def.second_n)) : 1;
}

SecondPicks parse_second_picks(std::string_view text, const LottoDefinition& def) {
  SecondPicks out;
  const int pool = def.second_pool, need = def.second_n;
  const std::string range = "1 to " + std::to_string(pool);
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == ' ' || c == ',' || c == ';' || c == '\t') {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < text.size() && !std::strchr(" ,;\t", text[j])) ++j;
    const std::string word(text.substr(i, j - i));
    i = j;
    int n = 0;
    bool digits = word.size() <= 3;
    for (char d : word) digits = digits && std::isdigit(static_cast<unsigned char>(d));
    if (digits) n = std::stoi(word);
    if (!digits || n < 1 || n > pool) {
      out.message = "\"" + word + "\" is not a second-pool number: the numbers run from " + range + ".";
      return out;
    }
    if (std::find(out.numbers.begin(), out.numbers.end(), n) != out.numbers.end()) {
      out.message = "The second-pool number " + word + " is typed twice.";
      return out;
    }
    out.numbers.push_back(n);
  }
  if (static_cast<int>(out.numbers.size()) < need) {
    out.message = "Type at least " + std::to_string(need) + " second-pool number" + (need == 1 ? "" : "s") +
                  " (" + range + ") to play with the tickets.";
    return out;
  }
  std::sort(out.numbers.begin(), out.numbers.end());
  out.ok = true;
  return out;
}

std::string numbers_text(const std::vector<int>& numbers) {
  std::string s;
  for (int n : numbers) s += (s.empty() ? "" : " ") + std::to_string(n);
  return s;
}

}  // namespace ds
