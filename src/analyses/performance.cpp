#include "analyses/performance.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "shell/fields.h"
#include "shell/files.h"
#include "systems/system_handlers.h"

namespace ds {

namespace {

constexpr int value_col = 3;

bool is_blank_or_zero(const std::string& s) { return s.empty() || s == "0"; }

// One play of a game beyond the record: its tier's label and the text of its
// tier box; false when it wins nothing (no tier, or a box holding "0"). The
// fields f(2) .. f(pick_n + 1) are the main numbers, those after "+" the
// second-pool numbers.
bool general_prize(const PerformanceInput& in, const std::vector<std::string>& f, int count,
                   std::string& label, std::string& value) {
  const LottoDefinition& game = in.lotto;
  const int pick_n = std::max<int>(game.pick_n, 0);
  const auto holds = [&](const std::string& box, int from, int to) {
    if (is_blank_or_zero(box)) return false;
    const std::string_view d = trim_blanks(box);
    for (int j = from; j <= to && j <= count; ++j)
      if (trim_blanks(f[j]) == d) return true;
    return false;
  };
  int main = 0;
  for (int i = 1; i <= 6; ++i) main += holds(in.draw[i], 2, pick_n + 1);
  main += holds(in.draw_n7, 2, pick_n + 1);
  const bool bonus = game.bonus_n > 0 && holds(in.draw[7], 2, pick_n + 1);
  int second = 0;
  int plus = pick_n + 2;
  while (plus <= count && f[plus] != "+") ++plus;
  for (int j = 0; j < game.second_n && j < 2; ++j) second += holds(in.draw_second[j], plus + 1, count);
  const std::vector<PrizeTier> tiers = prize_tiers(game);
  const PrizeTier* tier = find_tier(tiers, main, bonus, second);
  if (!tier) return false;
  const auto i = static_cast<std::size_t>(tier - tiers.data());
  value = i < in.tier_prizes.size() ? in.tier_prizes[i] : format_general(tier->payout, in.number_format);
  if (value == "0") return false;
  label = tier_label(game, *tier);
  return true;
}

}  // namespace

void reset_performance_grid(TextGrid& grid) {
  grid.resize(2, 4);
  grid.clear_cells();
  for (int c = 0; c < 4; ++c) grid.set_bold(0, c, false);
  grid.fixed_rows = 1;
  grid.fixed_cols = 1;
  grid.set_cell(0, 0, DS_TR_NOOP("N"));
  grid.set_cell(0, 1, DS_TR_NOOP("Numbers"));
  grid.set_cell(0, 2, DS_TR_NOOP("Prize"));
  grid.set_cell(0, 3, DS_TR_NOOP("Value"));
}

std::string tset_numbers_text(const std::array<std::int16_t, 21>& numbers, std::int16_t size) {
  std::string out;
  for (int p = 1; p <= size && p < static_cast<int>(numbers.size()); ++p)
    out += std::to_string(numbers[p]) + " ";
  return out;
}

void fill_row(std::int16_t numT, std::int16_t row, const std::string& ticket, const std::string& prize,
              const std::array<std::string, 10>& prizes, TextGrid& grid) {
  grid.set_rows(row + 1);
  grid.set_cell(row, 0, std::to_string(numT));
  grid.set_cell(row, 1, ticket);
  grid.set_cell(row, 2, prize);
  for (std::size_t i = 0; i < prize_class_labels.size(); ++i)
    if (prize_class_labels[i] == prize) grid.set_cell(row, value_col, prizes[i]);
}

PerformanceInput performance_input(const AppState& state, const std::array<std::string, 8>& draw,
                                   const std::array<std::string, 10>& prizes) {
  PerformanceInput in;
  in.draw = draw;
  in.prizes = prizes;
  in.tset_numbers = state.tset_numbers;
  in.tset_size = state.tset_size;
  in.system_id = state.system_id;
  in.pick_n = state.lotto.pick_n;
  in.system_file = ticket_file_path(state.app_folder);
  in.number_format = state.number_format;
  in.general = !fits_record(state.lotto);
  in.lotto = state.lotto;
  return in;
}

PerformanceOutcome Performance(const PerformanceInput& in, TextGrid& grid) {
  PerformanceOutcome out;
  // The labels show what is chosen even when a check below stops the run.
  if (!in.system_id.empty()) out.system_label.emplace(in.system_id);
  if (in.tset_numbers[1] >= 1) out.tset_label.emplace(tset_numbers_text(in.tset_numbers, in.tset_size));
  if (is_blank_or_zero(in.draw[1])) {
    out.message = messages().select_numbers;
    out.focus = PerformanceFocus::first_number;
    return out;
  }
  if (in.tset_numbers[1] < 1) {
    out.message = messages().select_tset;
    out.show = WindowId::tsets;
    return out;
  }
  if (in.system_id.empty()) {
    out.message = messages().select_system;
    out.show = WindowId::system;
    return out;
  }
  reset_performance_grid(grid);
  int row = 1;

  // Every failure past the checks ends the run here; the rows stay.
  const auto failed = [&] {
    out.message = messages().data_not_correct;
    out.winning_tickets = row - 1;
  };

  const auto text = read_file(in.system_file);
  if (!text) {
    failed();
    return out;
  }
  const int pick_n = std::max<int>(in.pick_n, 0);
  std::vector<std::string> f;
  for (const std::string_view line : split_lines(*text)) {
    if (trim_blanks(line).empty()) continue;  // a blank line holds no ticket
    std::int16_t count = 0;
    f.assign(1, std::string());
    split_fields(" ", line, count, f);
    if (count < 1) continue;
    const auto number = f[1].size() > 1 ? parse_i16(std::string_view(f[1]).substr(1)) : std::nullopt;
    if (!number) {
      failed();
      return out;
    }
    if (count - 1 < pick_n) {
      failed();
      return out;
    }
    const std::string_view trimmed = line.substr(line.find_first_not_of(' '));
    const auto blank = trimmed.find(' ');
    const std::string ticket(blank == std::string_view::npos ? std::string_view{}
                                                             : trim_blanks(trimmed.substr(blank + 1)));
    if (in.general) {
      std::string label, value;
      if (!general_prize(in, f, count, label, value)) continue;
      grid.set_rows(row + 1);
      grid.set_cell(row, 0, std::to_string(*number));
      grid.set_cell(row, 1, ticket);
      grid.set_cell(row, 2, label);
      grid.set_cell(row, value_col, value);
      ++row;
      continue;
    }
    int main = 0;
    bool bonus = false;
    for (int i = 1; i <= 7; ++i) {
      if (is_blank_or_zero(in.draw[i])) continue;
      const std::string_view d = trim_blanks(in.draw[i]);
      for (int j = 2; j <= pick_n + 1; ++j) {
        if (trim_blanks(f[j]) != d) continue;
        if (i <= 6)
          ++main;
        else
          bonus = true;
        break;
      }
    }
    if (main < 2 || main > 6) continue;
    const int cls = prize_class_index(main, bonus);
    if (in.prizes[cls] == "0") continue;
    fill_row(*number, static_cast<std::int16_t>(row), ticket, std::string(prize_class_labels[cls]), in.prizes,
             grid);
    ++row;
  }
  out.winning_tickets = row - 1;
  if (grid.cell(1, value_col).empty()) return out;

  for (int c = 0; c < grid.cols(); ++c) grid.set_bold(0, c, true);
  // Money is added in double precision: single precision holds whole amounts only up to
  // 16,777,216, and a total of 22,000,679 would show 22,000,680.
  double sum = 0.0;
  for (int r = 1; r < row; ++r) {
    const auto v = parse_double(grid.cell(r, value_col), in.number_format);
    if (!v) {
      failed();
      return out;
    }
    sum += *v;
    if (!std::isfinite(sum)) {
      failed();
      return out;
    }
  }
  const int last = grid.append_row();
  grid.set_cell(last, 1, "Total");
  grid.set_cell(last, value_col, format_general(sum, in.number_format));
  grid.set_bold(last, 1, true);
  grid.set_bold(last, value_col, true);
  out.total_written = true;
  return out;
}

std::string performance_report_html(const PerformanceReport& report) {
  std::string h;
  h += "<html><body>";
  h += "<h1>System Performance</h1>";
  h += "<table cellpadding=\"3\">";
  const auto line = [&h](std::string_view label, std::string_view value) {
    h += "<tr><td><b>" + html_escape(label) + "</b></td><td>" + html_escape(value) + "</td></tr>";
  };
  if (!report.lotto_name.empty()) line("Lotto", report.lotto_name);
  std::string draw;
  for (int i = 1; i <= 6; ++i) {
    if (i > 1) draw += ' ';
    draw += std::string(trim_blanks(report.draw[i]));
  }
  if (!report.draw_n7.empty()) draw += " " + report.draw_n7;
  line("Draw", draw);
  if (report.has_bonus) line("Bonus", trim_blanks(report.draw[7]));
  if (!report.second.empty()) line("Second pool", report.second);
  line("System", report.system_id);
  line("Targeted set", trim_blanks(report.tset_text));
  h += "</table>";
  h += "<h2>Winning tickets</h2>";
  const TextGrid* g = report.grid;
  const bool any = g && g->rows() > 1 && !g->cell(1, 1).empty();
  if (!any) {
    h += "<p>No ticket of the system wins in this draw.</p>";
  } else {
    h += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">";
    h += "<tr>";
    for (int c = 0; c < g->cols(); ++c) h += "<th>" + html_escape(g->cell(0, c)) + "</th>";
    h += "</tr>";
    for (int r = 1; r < g->rows(); ++r) {
      const bool total = g->cell(r, 1) == "Total";
      h += "<tr>";
      for (int c = 0; c < g->cols(); ++c) {
        const std::string cell = html_escape(g->cell(r, c));
        h += total ? "<td><b>" + cell + "</b></td>" : "<td>" + cell + "</td>";
      }
      h += "</tr>";
    }
    h += "</table>";
  }
  h += "</body></html>";
  return h;
}

PerformanceBoxes performance_boxes(const LottoDefinition& game) {
  PerformanceBoxes b;
  if (fits_record(game)) return b;
  b.main = std::clamp<int>(game.pick_n, 0, 6);
  b.main7 = game.pick_n >= 7;
  b.second = std::clamp<int>(game.second_n, 0, 2);
  b.bonus = game.bonus_n > 0;
  return b;
}

PerformanceModel::PerformanceModel() {
  reset_performance_grid(grid);
  // Until a calculation gets past its checks, the page says what the labels say.
  report.system_id = report.tset_text = "Not selected";
}

PerformanceOutcome open_performance(PerformanceModel& model, const AppState& state) {
  const PrizeBoxesView prizes = prize_boxes_for(state.lotto, state.number_format);
  model.prize_tiers = prizes.tier_labels;
  PerformanceForm form;
  form.prizes = prizes.texts;
  PerformanceDraw& d = form.draw;
  for (int i = 1; i <= 7; ++i) d.n[i] = std::to_string(state.current_draw[i - 1]);
  d.main7 = std::to_string(state.current_draw_n7);
  for (int j = 0; j < 2; ++j) d.second[j] = std::to_string(state.current_draw_second[j]);
  PerformanceOutcome out = refresh_performance(model, form, state);
  if (!out.draw) out.draw = d;
  out.prizes = prizes;
  return out;
}

PerformanceOutcome refresh_performance(PerformanceModel& model, const PerformanceForm& form,
                                       const AppState& state) {
  PerformanceForm f = form;
  std::optional<PrizeBoxesView> prizes =
      follow_game(model.prize_tiers, f.prizes, state.lotto, state.number_format);
  const PerformanceBoxes boxes = performance_boxes(state.lotto);
  PerformanceDraw& d = f.draw;
  for (int i = boxes.main + 1; i <= 6; ++i) d.n[i] = "0";
  if (!boxes.bonus) d.n[7] = "0";
  if (!boxes.main7) d.main7 = "0";
  for (int j = boxes.second; j < 2; ++j) d.second[j] = "0";

  PerformanceInput in = performance_input(state, d.n, f.prizes.classes);
  in.tier_prizes = f.prizes.tiers;
  in.draw_n7 = d.main7;
  in.draw_second = d.second;
  PerformanceOutcome out = Performance(in, model.grid);
  out.boxes = boxes;
  if (!(d == form.draw)) out.draw = d;
  out.prizes = std::move(prizes);

  PerformanceReport& r = model.report;
  r.draw = d.n;
  r.has_bonus = boxes.bonus;
  r.draw_n7 = boxes.main7 ? d.main7 : std::string();
  r.second.clear();
  for (int j = 0; j < boxes.second; ++j) r.second += (j ? " " : "") + std::string(trim_blanks(d.second[j]));
  if (out.system_label) r.system_id = *out.system_label;
  if (out.tset_label) r.tset_text = *out.tset_label;
  return out;
}

PrintOutcome print_performance(const PerformanceModel& model, const AppState& state) {
  PerformanceReport report = model.report;
  report.lotto_name = state.lotto_name;
  report.grid = &model.grid;
  PrintOutcome r;
  r.title = DS_TR_NOOP("Print System Performance");
  r.document = "System Performance";
  r.html = performance_report_html(report);
  return r;
}

}  // namespace ds
