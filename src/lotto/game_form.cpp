#include "lotto/game_form.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "shell/fields.h"
#include "shell/text.h"

namespace ds {

namespace {

std::string lowered(std::string_view t) {
  std::string s(trim_blanks(t));
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

bool GameShapeForm::operator==(const GameShapeForm& o) const {
  if (bonus != o.bonus || second_pool != o.second_pool || second_n != o.second_n) return false;
  if (prizes.rows() != o.prizes.rows() || prizes.cols() != o.prizes.cols()) return false;
  for (int r = 0; r < prizes.rows(); ++r)
    for (int c = 0; c < prizes.cols(); ++c)
      if (prizes.cell(r, c) != o.prizes.cell(r, c)) return false;
  return true;
}

std::vector<std::string> second_pool_items() {
  std::vector<std::string> items{"0"};
  for (int n = 5; n <= 50; ++n) items.push_back(std::to_string(n));
  return items;
}

std::vector<std::string> second_n_items() { return {"0", "1", "2"}; }

bool uses_prize_table(int pick_n, bool bonus, int second_n) { return pick_n > 6 || !bonus || second_n > 0; }

TextGrid prize_grid(const std::vector<PrizeTier>& tiers, const NumberFormat& format) {
  TextGrid g(static_cast<int>(tiers.size()) + 1, prize_columns);
  g.fixed_rows = 1;
  const char* headers[] = {DS_TR_NOOP("Main"), DS_TR_NOOP("Bonus"), DS_TR_NOOP("Second"),
                           DS_TR_NOOP("Payout"), DS_TR_NOOP("Kind")};
  for (int c = 0; c < prize_columns; ++c) g.set_cell(0, c, headers[c]);
  for (std::size_t i = 0; i < tiers.size(); ++i) {
    const PrizeTier& t = tiers[i];
    const int r = static_cast<int>(i) + 1;
    g.set_cell(r, prize_main, std::to_string(t.main));
    g.set_cell(r, prize_bonus, t.bonus ? "yes" : "no");
    g.set_cell(r, prize_second, std::to_string(t.second));
    g.set_cell(r, prize_payout, format_general(t.payout, format));
    g.set_cell(r, prize_kind, t.average ? "average" : "fixed");
  }
  return g;
}

std::vector<PrizeTier> starting_tiers(int pick_n, bool bonus, int second_n) {
  std::vector<PrizeTier> tiers;
  for (int main = pick_n; main >= 0; --main)
    for (int second = second_n; second >= 0; --second)
      for (bool b : {true, false}) {
        if (b && (!bonus || main >= pick_n)) continue;
        if (main + second + (b ? 1 : 0) >= 2) tiers.push_back({main, b, second, 0, false});
      }
  return tiers;
}

GameShapeForm show_game_shape(const LottoDefinition& def, const NumberFormat& format) {
  GameShapeForm f;
  f.bonus = def.bonus_n > 0;
  f.second_pool = std::to_string(def.second_pool);
  f.second_n = std::to_string(def.second_n);
  f.prizes = prize_grid(def.tiers, format);
  return f;
}

GameShapeRead read_game_shape(const GameShapeForm& form, const NumberFormat& format, LottoDefinition& def) {
  GameShapeRead r;
  const auto refuse = [&r](int row, int col, std::string message) {
    r.row = row;
    r.col = col;
    r.message = std::move(message);
    return r;
  };
  const auto second_n = parse_whole(form.second_n);
  if (!second_n || *second_n < 0 || *second_n > max_second_drawn)
    return refuse(0, -2, "The second-pool numbers drawn must be 0, 1 or 2.");
  const auto second_pool =
      trim_blanks(form.second_pool).empty() ? std::optional<long long>(0) : parse_whole(form.second_pool);
  if (*second_n == 0 && (!second_pool || *second_pool != 0))
    return refuse(0, -1, "A game that draws no second-pool number has a second pool of 0.");
  if (*second_n > 0 && (!second_pool || *second_pool <= *second_n || *second_pool > max_second_pool))
    return refuse(0, -1, "The second pool must hold more numbers than a draw picks from it, and at most 99.");
  LottoDefinition d = def;
  d.bonus_n = form.bonus ? 1 : 0;
  d.second_n = static_cast<std::int16_t>(*second_n);
  d.second_pool = static_cast<std::int16_t>(*second_pool);
  d.tiers.clear();
  if (uses_prize_table(d.pick_n, form.bonus, d.second_n)) {
    const TextGrid& g = form.prizes;
    for (int row = 1; row < g.rows(); ++row) {
      bool empty = true;
      for (int c = 0; c < prize_columns && c < g.cols(); ++c)
        empty = empty && trim_blanks(g.cell(row, c)).empty();
      if (empty) continue;
      const std::string at = "Prize table, row " + std::to_string(row) + ": ";
      const auto cell = [&](int c) { return c < g.cols() ? g.cell(row, c) : std::string(); };
      PrizeTier t;
      const auto main = parse_whole(cell(prize_main));
      if (!main || *main < 0 || *main > d.pick_n)
        return refuse(
            row, prize_main,
            at + "the main matches must be a whole number from 0 to " + std::to_string(d.pick_n) + ".");
      t.main = static_cast<int>(*main);
      const std::string bonus = lowered(cell(prize_bonus));
      if (bonus != "yes" && bonus != "no" && !bonus.empty())
        return refuse(row, prize_bonus, at + "the bonus is yes or no.");
      t.bonus = bonus == "yes";
      if (t.bonus && (!form.bonus || t.main >= d.pick_n))
        return refuse(row, prize_bonus,
                      at + (form.bonus ? "a play that matched every main number cannot hold the bonus."
                                       : "this game draws no bonus."));
      const std::string second_text(trim_blanks(cell(prize_second)));
      const auto second = second_text.empty() ? std::optional<long long>(0) : parse_whole(second_text);
      if (!second || *second < 0 || *second > d.second_n)
        return refuse(row, prize_second,
                      at + "the second-pool matches must be a whole number from 0 to " +
                          std::to_string(d.second_n) + ".");
      t.second = static_cast<int>(*second);
      const auto payout = parse_double(cell(prize_payout), format);
      if (!payout || !std::isfinite(*payout) || *payout < 0)
        return refuse(row, prize_payout, at + "the payout must be a number of at least 0.");
      t.payout = *payout;
      const std::string kind = lowered(cell(prize_kind));
      if (kind != "fixed" && kind != "average" && !kind.empty())
        return refuse(row, prize_kind, at + "the kind is fixed or average.");
      t.average = kind == "average";
      for (std::size_t i = 0; i < d.tiers.size(); ++i)
        if (d.tiers[i].main == t.main && d.tiers[i].bonus == t.bonus && d.tiers[i].second == t.second)
          return refuse(row, prize_main, at + "the same matches as another row.");
      d.tiers.push_back(t);
    }
    if (d.tiers.empty()) return refuse(1, prize_main, "Please type the prize table: at least one row.");
  }
  def = d;
  return r;
}

std::string check_second_numbers(const std::array<std::string, 2>& texts, int second_n, int second_pool,
                                 int& bad) {
  long long seen = 0;
  for (int j = 0; j < second_n && j < 2; ++j) {
    bad = j;
    const auto v = parse_whole(texts[j]);
    if (!v || *v < 1 || *v > second_pool)
      return "A second-pool number must be a whole number from 1 to " + std::to_string(second_pool) + ".";
    if (j == 1 && *v == seen)
      return "The second-pool number " + std::to_string(*v) + " is drawn twice. A draw holds it once.";
    seen = *v;
  }
  bad = -1;
  return {};
}

}  // namespace ds
