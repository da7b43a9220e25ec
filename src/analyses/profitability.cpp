#include "analyses/profitability.h"

#include <cmath>
#include <limits>

#include "analyses/probability.h"

namespace ds {

namespace {

constexpr int last_prize_box = 9;  // txtP6b

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

TimesResult times_to_play(const ProfitabilityInput& in, std::string& text) {
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
  const double times =
      std::log(1.0 - static_cast<double>(*c) / 100.0) / std::log(1.0 - static_cast<double>(p));
  const double rounded = std::nearbyint(times);  // halves to the even neighbour
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
  grid.set_cell(0, 0, "Prizes");
  grid.set_cell(0, 1, "FA");
}

bool copy_fa_rows(const TextGrid* source, TextGrid& target) {
  if (!source || source->rows() < 11 || source->cols() < 2) return false;
  target.set_rows(11);
  for (int r = 1; r <= 10; ++r) {
    target.set_cell(r, 0, source->cell(r, 0));
    target.set_cell(r, 1, source->cell(r, 1));
  }
  return true;
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
  return in;
}

ProfitabilityOutcome copy_forecasting(const TextGrid* source, TextGrid& target) {
  ProfitabilityOutcome out;
  if (!copy_fa_rows(source, target)) out.message = messages().please_calculate_fa;
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

}  // namespace ds
