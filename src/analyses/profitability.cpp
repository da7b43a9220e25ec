#include "analyses/profitability.h"

#include <cmath>
#include <limits>

#include "analyses/forecasting.h"
#include "analyses/probability.h"

namespace ds {

namespace {

constexpr int last_prize_box = 9;  // txtP6b

ProfitabilityInput input(const ProfitabilityModel& model, const PrizeTexts& prizes, const std::string& clevel,
                         const AppState& state) {
  ProfitabilityInput in = profitability_input(state, prizes.classes, fa_column(model.fa), clevel);
  in.tier_prizes = prizes.tiers;
  in.fa_rows = fa_rows(model.fa);
  return in;
}

// Chance of x hits inside the set, or nullopt when it cannot be formed.
std::optional<float> chance(const ProfitabilityInput& in, int x) {
  const float h = hypergeometric(in.play_n, in.pick_n, in.tset_size, static_cast<std::int16_t>(x));
  if (!std::isfinite(h)) return std::nullopt;
  return h;
}

// A forecasting ability: an empty cell counts as 1.
std::optional<float> ability(const ProfitabilityInput& in, int row) {
  const std::string& t = in.fa[row - 1];
  if (t.empty()) return 1.0f;
  return parse_single(t, in.number_format);
}

enum class TimesResult { ok, select_lotto, failed };

// The fewest draws n for which one with the top class inside the set has come with the
// chance asked, 1 - (1 - p)^n >= percent / 100: rounded up, since the nearest whole
// number can fall short of the confidence (72872.26 draws rounded to 72872 reach only
// 94.99995 %).
double draws_to_reach(float percent, double p) {
  return std::ceil(std::log(1.0 - static_cast<double>(percent) / 100.0) / std::log(1.0 - p));
}

// A general game's abilities from this window's msfFA: for each w the level's
// ability (the rows with and without the bonus weighed by their chances), for
// each u that of the second-pool level. An empty or missing row counts as 1;
// nullopt when a cell holds no number.
struct GeneralAbilities {
  std::vector<double> main, second;
};
std::optional<GeneralAbilities> general_abilities(const ProfitabilityInput& in) {
  GeneralAbilities a;
  a.main.assign(static_cast<std::size_t>(std::max<int>(in.lotto.pick_n, 0)) + 1, 1.0);
  a.second.assign(static_cast<std::size_t>(std::max<int>(in.lotto.second_n, 0)) + 1, 1.0);
  std::vector<double> weight(a.main.size(), 0.0), sum(a.main.size(), 0.0);
  for (const FaLevel& level : general_fa_levels(in.lotto, in.tset_size, in.second_picks)) {
    double f = 1.0;
    for (const auto& [label, value] : in.fa_rows) {
      if (label != level.label || value.empty()) continue;
      const auto v = parse_double(value, in.number_format);
      if (!v) return std::nullopt;
      f = *v;
    }
    if (level.second >= 1) {
      a.second[static_cast<std::size_t>(level.second)] = f;
    } else if (level.main >= 0) {
      weight[level.main] += level.chance;
      sum[level.main] += level.chance * f;
    }
  }
  for (std::size_t w = 0; w < a.main.size(); ++w)
    if (weight[w] > 0) a.main[w] = sum[w] / weight[w];
  return a;
}

TimesResult general_times(const ProfitabilityInput& in, std::string& text) {
  const std::vector<PrizeTier> tiers = prize_tiers(in.lotto);
  int k = 0;
  for (std::size_t i = 0; i < tiers.size() && i < in.tier_prizes.size(); ++i) {
    const auto v = parse_double(in.tier_prizes[i], in.number_format);
    if (!v) return TimesResult::failed;
    if (*v != 0) k = std::max(k, tiers[i].main);
  }
  double p = pool_chance(in.lotto.play_n, in.lotto.pick_n, in.tset_size, k);
  if (p == 1.0) return TimesResult::select_lotto;
  const auto abilities = general_abilities(in);
  if (!abilities) return TimesResult::failed;
  if (k < static_cast<int>(abilities->main.size()) && abilities->main[k] > 1.0) p *= abilities->main[k];
  const auto c = parse_single(in.clevel, in.number_format);
  if (!c || !(*c > 0.0f) || !(*c < 100.0f)) return TimesResult::failed;
  if (!(p > 0.0) || !(p < 1.0)) return TimesResult::failed;
  const double times = draws_to_reach(*c, p);
  if (!std::isfinite(times) || times < 0.0 || times > std::numeric_limits<std::int32_t>::max())
    return TimesResult::failed;
  text = std::to_string(static_cast<std::int32_t>(times));
  return TimesResult::ok;
}

TimesResult times_to_play(const ProfitabilityInput& in, std::string& text) {
  if (in.general) return general_times(in, text);
  int k = 0;
  for (int c = 2; c <= 6; ++c) {
    const auto plain = parse_double(in.prizes[prize_class_index(c, false)], in.number_format);
    const auto bonus = parse_double(in.prizes[prize_class_index(c, true)], in.number_format);
    if (!plain || !bonus) return TimesResult::failed;
    if (*plain != 0 || *bonus != 0) k = c;
  }
  const auto h = chance(in, k);
  if (!h) return TimesResult::failed;
  float p = *h;
  if (p == 1.0f) return TimesResult::select_lotto;
  // The set's measured ability for the top class raises its chance; class 2 is
  // corrected like the others.
  if (k >= 2) {
    const std::string& cell = in.fa[prize_class_index(k, false)];
    double f = 1.0;
    if (!cell.empty()) {
      const auto v = parse_double(cell, in.number_format);
      if (!v) return TimesResult::failed;
      f = *v;
    }
    if (f > 1.0) p = static_cast<float>(static_cast<double>(p) * f);
  }
  const auto c = parse_single(in.clevel, in.number_format);
  if (!c || !(*c > 0.0f) || !(*c < 100.0f)) return TimesResult::failed;
  if (!(p > 0.0f) || !(p < 1.0f)) return TimesResult::failed;
  const double rounded = draws_to_reach(*c, p);
  if (!std::isfinite(rounded) || rounded < 0.0 ||
      rounded > static_cast<double>(std::numeric_limits<std::int32_t>::max()))
    return TimesResult::failed;
  text = std::to_string(static_cast<std::int32_t>(rounded));
  return TimesResult::ok;
}

}  // namespace

void reset_profitability_fa_grid(TextGrid& grid) {
  grid.resize(11, 2);
  grid.clear_cells();
  grid.fixed_rows = 1;
  grid.fixed_cols = 1;
  grid.set_cell(0, 0, DS_TR_NOOP("Prizes"));
  grid.set_cell(0, 1, DS_TR_NOOP("FA"));
}

bool copy_fa_rows(const TextGrid* source, TextGrid& target, bool general) {
  if (general) {
    if (!source || source->rows() < 2 || source->cols() < 2 || source->cell(1, 0).empty()) return false;
    target.set_rows(source->rows());
    for (int r = 1; r < source->rows(); ++r) {
      target.set_cell(r, 0, source->cell(r, 0));
      target.set_cell(r, 1, source->cell(r, 1));
    }
    return true;
  }
  if (!source || source->rows() < 11 || source->cols() < 2) return false;
  target.set_rows(11);
  for (int r = 1; r <= 10; ++r) {
    target.set_cell(r, 0, source->cell(r, 0));
    target.set_cell(r, 1, source->cell(r, 1));
  }
  return true;
}

std::vector<std::pair<std::string, std::string>> fa_rows(const TextGrid& grid) {
  std::vector<std::pair<std::string, std::string>> out;
  for (int r = 1; r < grid.rows(); ++r) out.emplace_back(grid.cell(r, 0), grid.cell(r, 1));
  return out;
}

double expected_play_prize(const LottoDefinition& game, int v, int picks, const std::vector<double>& payouts,
                           const std::vector<double>& main_fa, const std::vector<double>& second_fa) {
  const int n = game.play_n, k = game.pick_n, second_n = std::max<int>(game.second_n, 0);
  const std::vector<PrizeTier> tiers = prize_tiers(game);
  const auto pay = [&](int j, bool b, int s) {
    const PrizeTier* t = find_tier(tiers, j, b, s);
    if (!t) return 0.0;
    const auto i = static_cast<std::size_t>(t - tiers.data());
    return i < payouts.size() ? payouts[i] : t->payout;
  };
  const auto factor = [](const std::vector<double>& f, int i) {
    return i >= 0 && i < static_cast<int>(f.size()) ? f[i] : 1.0;
  };
  // Second-pool matches of one play: u drawn numbers among the picks, s of
  // them on the play's subset.
  std::vector<double> second(static_cast<std::size_t>(second_n) + 1, 0.0);
  if (second_n == 0) {
    second[0] = 1.0;
  } else {
    const int held = std::max(picks, second_n);
    for (int u = 0; u <= second_n; ++u) {
      const double hu =
          pool_chance(game.second_pool, second_n, held, u) * (u >= 1 ? factor(second_fa, u) : 1.0);
      for (int s = 0; s <= u; ++s) second[s] += hu * pool_chance(held, u, second_n, s);
    }
  }
  double e = 0;
  for (int w = 0; w <= k; ++w) {
    const double hw = pool_chance(n, k, v, w) * factor(main_fa, w);
    if (hw == 0) continue;
    for (int j = 0; j <= w; ++j) {
      const double q = pool_chance(v, w, k, j);
      if (q == 0) continue;
      const double with_bonus = game.bonus_n > 0 && n > k ? static_cast<double>(k - j) / (n - k) : 0.0;
      double prize = 0;
      for (int s = 0; s <= second_n; ++s)
        prize += second[s] * ((1 - with_bonus) * pay(j, false, s) + with_bonus * pay(j, true, s));
      e += hw * q * prize;
    }
  }
  return e;
}

std::array<std::string, 10> fa_column(const TextGrid& grid) {
  std::array<std::string, 10> out;
  for (int r = 1; r <= 10; ++r) out[r - 1] = grid.cell(r, 1);
  return out;
}

ProfitabilityInput profitability_input(const AppState& state, const std::array<std::string, 10>& prizes,
                                       const std::array<std::string, 10>& fa, const std::string& clevel) {
  ProfitabilityInput in;
  in.lotto_name = state.lotto_name;
  in.system_id = state.system_id;
  in.prizes = prizes;
  in.fa = fa;
  in.clevel = clevel;
  in.play_n = state.lotto.play_n;
  in.pick_n = state.lotto.pick_n;
  in.tset_size = state.tset_size;
  in.ticket_count = state.ticket_count;
  in.wheel_tickets = state.wheel_tickets;
  in.cost = state.lotto.cost;
  in.results_avg = state.results_avg;
  in.number_format = state.number_format;
  in.general = !fits_record(state.lotto);
  in.lotto = state.lotto;
  in.second_picks = static_cast<int>(state.second_picks.size());
  return in;
}

ProfitabilityOutcome copy_forecasting(const TextGrid* source, TextGrid& target, bool general) {
  ProfitabilityOutcome out;
  if (!copy_fa_rows(source, target, general)) out.message = messages().please_calculate_fa;
  return out;
}

ProfitabilityOutcome calculate_avrprofitability(const ProfitabilityInput& in) {
  ProfitabilityOutcome out;
  if (in.lotto_name.empty()) {
    out.message = messages().select_lotto;
    out.show = WindowId::lotto;
    return out;
  }
  out.lotto_label = in.lotto_name;
  if (in.system_id.empty()) {
    out.message = messages().select_system;
    out.show = WindowId::system;
    return out;
  }
  out.system_label = in.system_id;

  const auto fail = [&](int box) {
    out.message = messages().data_not_correct;
    out.focus = static_cast<ProfitabilityFocus>(box + 1);  // the boxes follow `none`
    return out;
  };
  if (in.general) {
    std::vector<double> payouts;
    for (std::size_t i = 0; i < in.tier_prizes.size(); ++i) {
      const auto v = parse_double(in.tier_prizes[i], in.number_format);
      if (!v) {
        out.message = messages().data_not_correct;
        out.tier_focus = static_cast<int>(i);
        return out;
      }
      payouts.push_back(*v);
    }
    const auto abilities = general_abilities(in);
    const bool fits = in.tset_size >= in.lotto.pick_n && in.lotto.pick_n > 0;
    if (!abilities || !fits) {
      out.message = messages().data_not_correct;
      return out;
    }
    double e = expected_play_prize(in.lotto, in.tset_size, in.second_picks, payouts, abilities->main,
                                   abilities->second);
    // The cost at its shown decimal value: 0.1, not the nearest binary fraction.
    const auto shown = parse_plain_double(format_single(in.cost, NumberFormat{'.'}));
    const double cost = shown ? *shown : static_cast<double>(in.cost);
    if (cost > 0) e /= cost;
    out.profitability = format_general(e - 1.0, in.number_format, 7);
    const ProfitabilityOutcome times = how_long_to_play(in);
    out.times = times.times;
    out.message = times.message;
    return out;
  }
  std::array<float, 10> prize{};
  for (int i = 0; i < 10; ++i) {
    const auto v = parse_single(in.prizes[i], in.number_format);
    if (!v) return fail(i);
    prize[i] = *v;
  }
  std::array<float, 10> fa{};
  for (int i = 0; i < 10; ++i) {
    const auto v = ability(in, i + 1);
    if (!v) return fail(last_prize_box);
    fa[i] = *v;
  }
  std::array<float, 7> h{};
  for (int x = 1; x <= 6; ++x) {
    const auto v = chance(in, x);
    if (!v) return fail(last_prize_box);
    h[x] = *v;
  }

  std::array<float, 7> a{};
  for (int w = 2; w <= 6; ++w) {
    for (int k = 2; k <= 6; ++k) {
      const float fb = fa[prize_class_index(k, true)];
      const float pb = prize[prize_class_index(k, true)];
      const float p = prize[prize_class_index(k, false)];
      const float term = (fb * pb * h[1] + p) * in.results_avg[w][k];
      a[w] = a[w] + term;
    }
  }
  float e = 0.0f;
  for (int w = 2; w <= 6; ++w) e = e + h[w] * fa[prize_class_index(w, false)] * a[w];
  // A made wheel counts its tickets; a system has ticket_count per number of the set.
  const int tickets = in.wheel_tickets > 0 ? in.wheel_tickets : in.ticket_count * in.tset_size;
  if (tickets == 0 || tickets > std::numeric_limits<std::int16_t>::max() ||
      tickets < std::numeric_limits<std::int16_t>::min())
    return fail(last_prize_box);
  e = e / static_cast<float>(tickets);
  if (in.cost > 0.0f) e = e / in.cost;
  const float profitability = e - 1.0f;
  if (!std::isfinite(profitability)) return fail(last_prize_box);
  out.profitability = format_single(profitability, in.number_format);

  std::string times;
  switch (times_to_play(in, times)) {
    case TimesResult::ok:
      out.times = times;
      break;
    case TimesResult::select_lotto:
      out.message = messages().select_lotto;
      break;
    case TimesResult::failed:
      return fail(last_prize_box);
  }
  return out;
}

ProfitabilityOutcome how_long_to_play(const ProfitabilityInput& in) {
  ProfitabilityOutcome out;
  std::string times;
  switch (times_to_play(in, times)) {
    case TimesResult::ok:
      out.times = times;
      break;
    case TimesResult::select_lotto:
      out.message = messages().select_lotto;
      break;
    case TimesResult::failed:
      out.message = messages().data_not_correct;
      break;
  }
  return out;
}

ProfitabilityOutcome enter_prize(ProfitabilityModel& model, const ProfitabilityForm& form,
                                 const AppState& state) {
  PrizeTexts prizes = form.prizes;
  std::optional<PrizeBoxesView> view =
      follow_game(model.prize_tiers, prizes, state.lotto, state.number_format);
  ProfitabilityOutcome out = calculate_avrprofitability(input(model, prizes, form.clevel, state));
  out.prizes = std::move(view);
  return out;
}

ProfitabilityOutcome refresh_profitability(ProfitabilityModel& model, const ProfitabilityForm& form,
                                           const AppState& state, const TextGrid* fa) {
  const ProfitabilityOutcome copied = copy_forecasting(fa, model.fa, !fits_record(state.lotto));
  if (!copied.message.empty()) return copied;
  ProfitabilityOutcome out = enter_prize(model, form, state);
  out.fa_copied = true;
  return out;
}

ProfitabilityOutcome open_profitability(ProfitabilityModel& model, const ProfitabilityForm& form,
                                        const AppState& state, const TextGrid* fa) {
  const ProfitabilityOutcome copied = copy_forecasting(fa, model.fa, !fits_record(state.lotto));
  if (!copied.message.empty()) return copied;
  PrizeBoxesView prizes = prize_boxes_for(state.lotto, state.number_format);
  model.prize_tiers = prizes.tier_labels;
  ProfitabilityOutcome out = calculate_avrprofitability(input(model, prizes.texts, form.clevel, state));
  out.fa_copied = true;
  out.prizes = std::move(prizes);
  return out;
}

ProfitabilityOutcome choose_confidence(const ProfitabilityModel& model, const ProfitabilityForm& form,
                                       const AppState& state) {
  return how_long_to_play(input(model, form.prizes, form.clevel, state));
}

}  // namespace ds
