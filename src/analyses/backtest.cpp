#include "analyses/backtest.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "lotto/draw_period.h"
#include "shell/fields.h"
#include "shell/files.h"
#include "systems/catalogue.h"
#include "systems/placements.h"
#include "systems/played_system.h"
#include "wheels/wheel_library.h"

namespace ds {

namespace {

constexpr int bonus_col = 8;
constexpr int max_number = 127;  // numbers above it (or below 1) are no numbers

// A value the user typed into a single-precision box, at its shown decimal
// value: 0.1 is 0.1, not the nearest binary fraction.
double shown_value(float f) {
  const auto d = parse_plain_double(format_single(f, NumberFormat{'.'}));
  return d ? *d : static_cast<double>(f);
}

int number_in(const TextGrid& grid, int row, int col) {
  const auto v = parse_i16(grid.cell(row, col));
  return v && *v >= 1 && *v <= max_number ? *v : 0;
}

// Numbers 1..127 as two 64-bit words.
struct NumberSet {
  std::uint64_t w[2] = {0, 0};
  void add(int n) {
    if (n > 0) w[n >> 6] |= std::uint64_t{1} << (n & 63);
  }
  bool has(int n) const { return n > 0 && ((w[n >> 6] >> (n & 63)) & 1); }
};

struct SetRow {
  DayNumber day;
  std::array<std::int8_t, 21> numbers;  // positions 1..v; 0 for none
  bool repeats;                         // a number stands at two positions
};

// Scores of all tickets on one set row: counts[2 * hits + bonus].
using Scores = std::array<int, 16>;

void score_tickets(const std::vector<PositionMask>& masks, const std::vector<std::vector<int>>& tickets,
                   const SetRow& set, int v, const NumberSet& drawn, int bonus, Scores& counts) {
  if (!set.repeats) {
    // Positions whose number was drawn, and the position of the bonus.
    PositionMask hit = 0, bonus_at = 0;
    for (int p = 1; p <= v; ++p) {
      if (drawn.has(set.numbers[p])) hit |= PositionMask{1} << (p - 1);
      if (bonus > 0 && set.numbers[p] == bonus) bonus_at |= PositionMask{1} << (p - 1);
    }
    for (const PositionMask t : masks) ++counts[2 * std::popcount(t & hit) + ((t & bonus_at) != 0)];
    return;
  }
  // A number at two positions counts once, as on the printed ticket.
  for (const auto& ticket : tickets) {
    NumberSet on;
    for (int p : ticket) on.add(set.numbers[p]);
    int hits = 0;
    for (int w = 0; w < 2; ++w) hits += std::popcount(on.w[w] & drawn.w[w]);
    ++counts[2 * hits + on.has(bonus)];
  }
}

}  // namespace

BacktestResult run_backtest(const BacktestInput& in, const TextGrid& draws, const TextGrid& sets) {
  BacktestResult out;
  const std::string id(trim_blanks(in.system_id));
  if (id.empty() || (!names_catalogue_system(id) && !names_made_wheel(id, in.app_folder, in.library))) {
    out.message = DS_TR_NOOP("Please choose a system.");
    return out;
  }
  const PlayedLookup lookup = find_played_system(id, in.app_folder, in.library);
  if (!lookup.found) {
    out.message = lookup.why;
    return out;
  }
  const PlayedSystem& system = lookup.played;
  const std::string kind = system.wheel ? "wheel" : "system";
  if (system.v != in.tset_size) {
    out.message = "The " + kind + " " + id + " needs a targeted set of " + std::to_string(system.v) +
                  " numbers; the chosen set has " + std::to_string(in.tset_size) + ".";
    return out;
  }
  if (system.k != in.lotto.pick_n) {
    out.message = "The " + kind + " " + id + " makes tickets of " + std::to_string(system.k) +
                  " numbers; the lotto draws " + std::to_string(in.lotto.pick_n) + ".";
    return out;
  }
  if (in.from > in.to) {
    out.message = DS_TR_NOOP("The period ends before it starts.");
    return out;
  }
  const int v = system.v, pick_n = system.k;
  const auto& tickets = system.tickets;
  const auto masks = ticket_masks(tickets);
  out.system_tickets = static_cast<int>(tickets.size());

  // The draws of the period and the set rows of the period, by date.
  struct DrawRow {
    DayNumber day;
    int row;
  };
  std::vector<DrawRow> period;
  for (int r = 1; r < draws.rows(); ++r)
    if (const auto day = parse_date(draws.cell(r, 0), in.date_format);
        day && *day >= in.from && *day <= in.to)
      period.push_back({*day, r});
  std::stable_sort(period.begin(), period.end(),
                   [](const DrawRow& a, const DrawRow& b) { return a.day < b.day; });
  out.draws_in_period = static_cast<int>(period.size());
  if (period.empty()) {
    out.message = draws_in_period_message(draws, in.from, in.to, in.date_format);
    return out;
  }
  std::vector<SetRow> rows;
  for (int r = 1; r < sets.rows(); ++r) {
    const auto day = parse_date(sets.cell(r, 0), in.date_format);
    if (!day || *day < in.from || *day > in.to) continue;
    SetRow s{*day, {}, false};
    NumberSet seen;
    for (int p = 1; p <= v; ++p) {
      const int n = number_in(sets, r, p);
      s.numbers[p] = static_cast<std::int8_t>(n);
      s.repeats = s.repeats || seen.has(n);
      seen.add(n);
    }
    rows.push_back(s);
  }
  std::stable_sort(rows.begin(), rows.end(), [](const SetRow& a, const SetRow& b) { return a.day < b.day; });

  // Money at the values shown in the lotto's boxes.
  const double cost = shown_value(in.lotto.cost);
  const LottoDefinition& l = in.lotto;
  const bool general = !fits_record(l);
  std::array<double, 16> prize{};
  if (!general) {
    const float plain[] = {l.prize_2, l.prize_3, l.prize_4, l.prize_5, l.prize_6};
    const float with_bonus[] = {l.prize_2b, l.prize_3b, l.prize_4b, l.prize_5b, l.prize_6b};
    for (int k = 2; k <= 6; ++k) {
      prize[2 * k] = shown_value(plain[k - 2]);
      prize[2 * k + 1] = shown_value(with_bonus[k - 2]);
    }
  }
  // A game beyond the record: its bonus column, and every ticket played with
  // each subset of the second-pool numbers picked.
  const int bonus_at = general ? bonus_column(l) : bonus_col;
  const std::vector<PrizeTier> tiers = prize_tiers(l);
  std::vector<std::vector<int>> second_sets(1);
  if (general && l.second_n > 0) {
    if (static_cast<int>(in.second_picks.size()) < l.second_n) {
      out.message = "Please pick the second-pool numbers to play in the Systems window.";
      return out;
    }
    second_sets = second_subsets(in.second_picks, l.second_n);
  }
  const int plays = static_cast<int>(second_sets.size());
  out.system_tickets *= plays;

  double net = 0;
  for (const DrawRow& d : period) {
    auto it = std::lower_bound(rows.begin(), rows.end(), d.day,
                               [](const SetRow& s, DayNumber x) { return s.day < x; });
    if (it == rows.end() || it->day != d.day) {
      ++out.draws_without_set;
      continue;
    }
    NumberSet drawn;
    for (int c = 2; c <= pick_n + 1; ++c) drawn.add(number_in(draws, d.row, c));
    const int bonus = bonus_at >= 0 ? number_in(draws, d.row, bonus_at) : 0;
    Scores counts{};
    BacktestDraw played;
    played.day = d.day;
    for (; it != rows.end() && it->day == d.day; ++it) {
      score_tickets(masks, tickets, *it, v, drawn, bonus, counts);
      played.tickets += static_cast<int>(masks.size()) * plays;
    }
    // Second-pool matches of each play's subset: the same for every ticket.
    std::vector<int> second_hits(second_sets.size(), 0);
    if (general && l.second_n > 0) {
      NumberSet second_drawn;
      for (int j = 0; j < l.second_n; ++j) second_drawn.add(number_in(draws, d.row, second_column(l, j)));
      for (std::size_t x = 0; x < second_sets.size(); ++x)
        for (int n : second_sets[x]) second_hits[x] += second_drawn.has(n);
      played.best_second = *std::max_element(second_hits.begin(), second_hits.end());
    }
    for (int s = 0; s < 16; ++s) {
      if (counts[s] == 0) continue;
      played.best_hits = s / 2;
      played.best_bonus = s % 2 == 1;
      if (!general) {
        if (prize[s] > 0) {
          played.won += counts[s] * prize[s];
          played.winning_tickets += counts[s];
        }
        continue;
      }
      for (const int hits : second_hits) {
        const double pay = tier_payout(tiers, s / 2, s % 2 == 1, l.second_n > 0 ? hits : 0);
        if (pay > 0) {
          played.won += counts[s] * pay;
          played.winning_tickets += counts[s];
        }
      }
    }
    played.spent = played.tickets * cost;
    out.spent += played.spent;
    out.won += played.won;
    out.winning_draws += played.won > 0;
    net += played.won - played.spent;
    out.running_net.push_back(net);
    out.draws.push_back(played);
  }
  out.net = out.won - out.spent;
  out.return_per_unit = out.spent > 0 ? out.won / out.spent : 0;
  if (out.draws.empty())
    out.message = out.draws_in_period == 1
                      ? DS_TR_NOOP("The draw of the period has no targeted set row of its date.")
                      : "None of the " + std::to_string(out.draws_in_period) +
                            " draws of the period has a targeted set row of its date.";
  return out;
}

PlayScore score_play(const LottoDefinition& game, const TextGrid& draws, int row,
                     const std::vector<int>& main, const std::vector<int>& second) {
  const bool general = !fits_record(game);
  NumberSet drawn, held, second_drawn;
  for (int c = 2; c <= game.pick_n + 1; ++c) drawn.add(number_in(draws, row, c));
  const int bonus_at = general ? bonus_column(game) : bonus_col;
  const int bonus = bonus_at >= 0 ? number_in(draws, row, bonus_at) : 0;
  PlayScore out;
  for (const int n : main) {
    if (held.has(n)) continue;  // a number twice counts once, as on the printed ticket
    held.add(n);
    out.main += drawn.has(n);
  }
  out.bonus = held.has(bonus);
  if (general)
    for (int j = 0; j < game.second_n; ++j) second_drawn.add(number_in(draws, row, second_column(game, j)));
  for (const int n : second) out.second += second_drawn.has(n);
  const std::vector<PrizeTier> tiers = prize_tiers(game);
  const PrizeTier* t = find_tier(tiers, out.main, out.bonus, general ? out.second : 0);
  if (!t) return out;
  // A record's prizes are single-precision: paid at their shown value (0.1, not 0.100000001).
  out.prize = general ? t->payout : shown_value(static_cast<float>(t->payout));
  if (out.prize > 0) out.tier = static_cast<int>(t - tiers.data());
  return out;
}

std::string best_match_text(int hits, bool bonus) { return std::to_string(hits) + (bonus ? "+bonus" : ""); }

std::string best_match_text(int hits, bool bonus, int second) {
  if (second < 0) return best_match_text(hits, bonus);
  return std::to_string(hits) + "+" + std::to_string(second) + (bonus ? "+bonus" : "");
}

TextGrid backtest_grid(const BacktestResult& result, const DateFormat& date_format,
                       const NumberFormat& number_format) {
  TextGrid g(static_cast<int>(result.draws.size()) + 1, 6);
  g.fixed_rows = 1;
  g.fixed_cols = 1;
  const char* headers[] = {DS_TR_NOOP("Date"), DS_TR_NOOP("Tickets"),    DS_TR_NOOP("Spent"),
                           DS_TR_NOOP("Won"),  DS_TR_NOOP("Best match"), DS_TR_NOOP("Net")};
  for (int c = 0; c < 6; ++c) g.set_cell(0, c, headers[c]);
  for (std::size_t i = 0; i < result.draws.size(); ++i) {
    const BacktestDraw& d = result.draws[i];
    const int r = static_cast<int>(i) + 1;
    g.set_cell(r, 0, format_date(d.day, date_format));
    g.set_cell(r, 1, std::to_string(d.tickets));
    g.set_cell(r, 2, format_general(d.spent, number_format));
    g.set_cell(r, 3, format_general(d.won, number_format));
    g.set_cell(r, 4, best_match_text(d.best_hits, d.best_bonus, d.best_second));
    g.set_cell(r, 5, format_general(result.running_net[i], number_format));
  }
  return g;
}

Text backtest_totals_text(const BacktestResult& r, const std::string& currency,
                          const NumberFormat& number_format) {
  const std::string unit = currency.empty() ? "" : " " + currency;
  const auto money = [&](double x) { return format_general(x, number_format) + unit; };
  const Text s =
      DS_TR("Spent %1, won %2, net %3; return per unit staked %4; draws with a prize: %5 of %6 played.")
          .arg(money(r.spent))
          .arg(money(r.won))
          .arg(money(r.net))
          .arg(format_general(r.return_per_unit, number_format, 4))
          .arg(r.winning_draws)
          .arg(r.draws.size());
  if (r.draws_without_set == 1)
    return DS_TR(
               "%1\n1 of the %2 draws of the period has no targeted set row of its date and was not played.")
        .arg(s)
        .arg(r.draws_in_period);
  if (r.draws_without_set > 1)
    return DS_TR(
               "%1\n%2 of the %3 draws of the period have no targeted set row of their date and were not "
               "played.")
        .arg(s)
        .arg(r.draws_without_set)
        .arg(r.draws_in_period);
  return s;
}

TextGrid backtest_totals_grid(const std::vector<BacktestRun>& runs, const NumberFormat& number_format) {
  TextGrid g(static_cast<int>(runs.size()) + 1, 7);
  g.fixed_rows = 1;
  g.fixed_cols = 1;
  const char* headers[] = {DS_TR_NOOP("System"), DS_TR_NOOP("Tickets per draw"),
                           DS_TR_NOOP("Draws"),  DS_TR_NOOP("Spent"),
                           DS_TR_NOOP("Won"),    DS_TR_NOOP("Net"),
                           DS_TR_NOOP("Return")};
  for (int c = 0; c < 7; ++c) g.set_cell(0, c, headers[c]);
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const BacktestResult& r = runs[i].second;
    const int row = static_cast<int>(i) + 1;
    g.set_cell(row, 0, runs[i].first);
    g.set_cell(row, 1, std::to_string(r.system_tickets));
    g.set_cell(row, 2, std::to_string(r.draws.size()));
    g.set_cell(row, 3, format_general(r.spent, number_format));
    g.set_cell(row, 4, format_general(r.won, number_format));
    g.set_cell(row, 5, format_general(r.net, number_format));
    g.set_cell(row, 6, format_general(r.return_per_unit, number_format, 4));
  }
  return g;
}

std::vector<std::string> backtest_wheels(const std::filesystem::path& app_folder, int tset_size, int pick_n,
                                         const std::filesystem::path& library) {
  std::vector<std::string> out;
  if (!app_folder.empty())
    for (const std::string& name : made_wheel_names(app_folder)) {
      const PlayedLookup w = find_played_system(name, app_folder);
      if (w.found && w.played.v == tset_size && w.played.k == pick_n) out.push_back(name);
    }
  const std::optional<std::string> bytes = library.empty() ? std::nullopt : read_file(library);
  if (bytes)
    for (const LibrarySize& s : library_sizes(*bytes))
      if (s.v == tset_size && s.k == pick_n) out.push_back(library_wheel_name(s.v, s.k, s.t, s.m));
  return out;
}

std::vector<std::string> backtest_systems(int tset_size, int pick_n) {
  std::vector<std::string> out;
  for (const SystemInfo& s : system_catalogue()) {
    TicketTable base;
    std::int16_t count = 0;
    if (s.v == tset_size && s.m == pick_n && load_tickets(s.id, count, base)) out.emplace_back(s.id);
  }
  return out;
}

namespace {
// The wheel library shipped beside the program.
std::filesystem::path library_of(const AppState& state) {
  return state.program_folder.empty() ? std::filesystem::path{} : state.program_folder / wheel_library_name;
}
}  // namespace

BacktestLoad backtest_load(const AppState& state, const TextGrid* draws, DayNumber today) {
  BacktestLoad load;
  load.lotto_label = state.lotto_name.empty() ? DS_TR("Not selected") : Text::as_is(state.lotto_name);
  load.tset_label = state.tset_name.empty()
                        ? DS_TR("Not selected")
                        : DS_TR("%1 (%2 numbers)").arg(state.tset_name).arg(state.tset_size);
  if (!state.lotto_name.empty() && !state.tset_name.empty()) {
    load.systems = backtest_systems(state.tset_size, state.lotto.pick_n);
    for (std::string& name :
         backtest_wheels(state.app_folder, state.tset_size, state.lotto.pick_n, library_of(state)))
      load.systems.push_back(std::move(name));
  }
  DayNumber from = today, to = today;
  if (draws) {
    const DrawPeriodCount c = count_draws_in_period(*draws, 0, 0, state.date_format);
    if (c.dated > 0) {
      from = c.first;
      to = c.last;
    }
  }
  load.from_text = format_date(from, state.date_format);
  load.to_text = format_date(to, state.date_format);
  return load;
}

BacktestOutcome backtest_go(const BacktestForm& form, const AppState& state, const TextGrid* draws,
                            const TextGrid* sets) {
  BacktestOutcome out;
  const MessageCatalogue& m = messages();
  if (state.lotto_name.empty()) {
    out.message = m.select_lotto;
    out.show = WindowId::lotto;
    return out;
  }
  if (state.tset_name.empty()) {
    out.message = m.select_tset;
    out.show = WindowId::tsets;
    return out;
  }
  if (trim_blanks(form.system_text).empty()) {
    out.message = DS_TR_NOOP("Please choose a system.");
    out.focus = BacktestOutcome::Focus::system;
    return out;
  }
  const auto from = check_date(form.from_text, state.date_format);
  if (!from) {
    out.message = m.incorrect_date;
    out.focus = BacktestOutcome::Focus::from;
    return out;
  }
  const auto to = check_date(form.to_text, state.date_format);
  if (!to) {
    out.message = m.incorrect_date;
    out.focus = BacktestOutcome::Focus::to;
    return out;
  }
  const TextGrid empty;
  const TextGrid& d = draws ? *draws : empty;
  BacktestInput in{form.system_text, state.lotto,        state.tset_size,  *from, *to, state.date_format,
                   state.app_folder, state.second_picks, library_of(state)};
  out.result = run_backtest(in, d, sets ? *sets : empty);
  out.period = draws_in_period_message(d, *from, *to, state.date_format);
  if (!out.result.message.empty() && out.result.message != out.period) out.message = out.result.message;
  if (!out.result.draws.empty())
    out.runs.emplace_back(std::string(trim_blanks(form.system_text)), out.result);
  Text refused;
  for (const std::string& other : form.compare) {
    const std::string id(trim_blanks(other));
    if (id.empty() || id == trim_blanks(form.system_text)) continue;
    in.system_id = id;
    BacktestResult r = run_backtest(in, d, sets ? *sets : empty);
    if (!r.draws.empty())
      out.runs.emplace_back(id, std::move(r));
    else if (out.result.message.empty() || r.message != out.result.message)
      refused = refused.empty() ? Text(r.message) : DS_TR("%1\n%2").arg(refused).arg(Text(r.message));
  }
  if (!refused.empty())
    out.message = out.message.empty() ? refused : DS_TR("%1\n%2").arg(out.message).arg(refused);
  return out;
}

std::string backtest_report_html(const BacktestReport& r) {
  std::string h = "<html><body><h1>Back-test</h1><table cellpadding=\"3\">";
  const auto line = [&h](std::string_view label, std::string_view value) {
    h += "<tr><td><b>" + html_escape(label) + "</b></td><td>" + html_escape(value) + "</td></tr>";
  };
  line("Lotto", r.lotto_name);
  line("Targeted set", r.tset_name);
  line("System", r.system_id);
  line("Period", r.period);
  h += "</table>";
  for (const auto part : split_lines(r.totals)) h += "<p>" + html_escape(part) + "</p>";
  const auto table = [&h](const TextGrid& g) {
    h += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">";
    for (int row = 0; row < g.rows(); ++row) {
      const char* cell = row == 0 ? "th" : "td";
      h += "<tr>";
      for (int c = 0; c < g.cols(); ++c)
        h += std::string("<") + cell + ">" + html_escape(g.cell(row, c)) + "</" + cell + ">";
      h += "</tr>";
    }
    h += "</table>";
  };
  if (r.totals_grid && r.totals_grid->rows() > 2) {
    table(*r.totals_grid);
    h += "<p>The table below is that of " + html_escape(r.totals_grid->cell(1, 0)) + ".</p>";
  }
  if (r.grid && r.grid->rows() > 1) table(*r.grid);
  return h + "</body></html>";
}

BacktestModel::BacktestModel(const DateFormat& date_format, const NumberFormat& number_format)
    : grid(backtest_grid(BacktestResult{}, date_format, number_format)),
      totals(backtest_totals_grid({}, number_format)) {}

BacktestLoad backtest_open(BacktestModel& model, const AppState& state, const ChosenGrids& grids,
                           DayNumber today) {
  BacktestLoad load = backtest_load(state, grids.draws, today);
  model.lotto_label = load.lotto_label;
  model.tset_label = load.tset_label;
  return load;
}

BacktestOutcome backtest_run(BacktestModel& model, const BacktestForm& form, const AppState& state,
                             const ChosenGrids& grids) {
  BacktestOutcome out = backtest_go(form, state, grids.draws, grids.sets);
  if (out.period.empty()) return out;
  const BacktestResult& r = out.result;
  model.system_id = form.system_text;
  model.period = form.from_text + " to " + form.to_text + ". " + out.period.english();
  model.grid = backtest_grid(r, state.date_format, state.number_format);
  model.grid.set_col_width_factor(0, 1.3);
  model.totals_text =
      r.draws.empty() ? Text() : backtest_totals_text(r, state.lotto.currency, state.number_format);
  model.totals = backtest_totals_grid(out.runs, state.number_format);
  model.totals.set_col_width_factor(1, 1.3);
  return out;
}

PrintOutcome print_backtest(const BacktestModel& model) {
  const BacktestReport report{model.lotto_label, model.tset_label, model.system_id, model.period,
                              model.totals_text, &model.grid,      &model.totals};
  PrintOutcome r;
  r.title = DS_TR_NOOP("Print Back-test");
  r.document = "Back-test";
  r.html = backtest_report_html(report);
  return r;
}

}  // namespace ds
