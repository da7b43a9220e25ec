#include "systems/system_handlers.h"

#include <algorithm>

#include "shell/fields.h"
#include "shell/files.h"
#include "shell/game.h"
#include "shell/numbers.h"
#include "systems/catalogue.h"
#include "tsets/set_files.h"
#include "wheels/wheel_library.h"

namespace ds {

SystemLoadOutcome system_window_load(const AppState& state) {
  SystemLoadOutcome out;
  if (state.tset_name.empty()) {
    out.message = messages().select_tset;
    out.show = WindowId::tsets;
    return out;
  }
  // Named as the printout names it: numbers no saved set holds are an unsaved set.
  out.tset_label = saved_set_holds(state.app_folder, state.tset_size, state.tset_name, state.tset_numbers)
                       ? state.tset_name
                       : std::string(unsaved_set_label);
  if (state.lotto_name.empty()) {
    out.message = messages().select_lotto;
    out.show = WindowId::lotto;
    return out;
  }
  out.lotto_label = state.lotto_name;
  return out;
}

void system_start_grids(TextGrid& results, TextGrid& tickets) {
  layout_results_grid(results, ResultsCount{}, ResultsCount{});
  for (int r = 2; r < results.rows(); ++r)
    for (int c = 2; c < results.cols(); ++c) results.set_cell(r, c, "");
  layout_ticket_grid(tickets, {}, {});
}

std::vector<std::string> system_list() {
  std::vector<std::string> ids;
  for (const SystemInfo& s : system_catalogue()) ids.emplace_back(s.id);
  return ids;
}

SystemListing system_listing(const std::filesystem::path& app_folder, const std::filesystem::path& library,
                             int pick) {
  SystemListing out{system_list(), made_wheel_names(app_folder)};
  for (std::string& name : library_wheel_names(library, pick)) out.wheels.push_back(std::move(name));
  return out;
}

std::filesystem::path wheel_library_file(const AppState& state) {
  return state.program_folder.empty() ? std::filesystem::path{} : state.program_folder / wheel_library_name;
}

void layout_results_grid(TextGrid& grid, const ResultsCount& results_min, const ResultsCount& results_max,
                         int top) {
  top = std::clamp(top, 6, max_results_winners);
  const int rows = results_rows + 2 * (top - 6), cols = results_cols + (top - 6);
  grid.clear_cells();
  grid.resize(rows, cols);
  grid.fixed_rows = 2;
  grid.fixed_cols = 2;
  for (int r = 0; r < rows; ++r) grid.set_row_height_factor(r, 1);
  grid.set_row_height_factor(0, 2);
  grid.set_row_height_factor(1, 3);
  grid.set_col_width_factor(0, 1.8);
  grid.set_col_width_factor(1, 0.75);
  for (int k = 2; k <= top; ++k) grid.set_col_width_factor(k, 1.15);

  grid.set_cell(0, 0, DS_TR_NOOP("Number of winning"));
  grid.set_cell(1, 0, "balls in the targeted set");
  static constexpr const char* phrase[] = {"Number", "of tickets", "with", "winning", "balls="};
  for (int k = 2; k <= top; ++k) {
    // The caption runs over the first five columns; a seventh has its number only.
    grid.set_cell(0, k, k - 2 < 5 ? phrase[k - 2] : "");
    grid.set_cell(1, k, std::to_string(k));
  }
  for (int w = 2; w <= top; ++w) {
    const int min_row = 2 * w - 2;
    const int max_row = 2 * w - 1;
    grid.set_cell(min_row, 0, std::to_string(w));
    grid.set_cell(min_row, 1, "Min");
    grid.set_cell(max_row, 1, "Max");
    for (int k = 2; k <= top; ++k) {
      grid.set_cell(min_row, k, std::to_string(results_min[w][k]));
      grid.set_cell(max_row, k, std::to_string(results_max[w][k]));
    }
  }
}

void fill_results(std::string_view list_text, AppState& state, TextGrid& grid) {
  const std::string_view id = trim_blanks(list_text);
  state.wheel_tickets = 0;
  // Ids outside the catalogue that name no wheel leave the tables all 0.
  load_results(id, state.results_avg, state.results_min, state.results_max);
  int top = 6;
  if (names_made_wheel(id, state.app_folder, wheel_library_file(state))) {
    const PlayedLookup wheel = find_played_system(id, state.app_folder, wheel_library_file(state));
    if (wheel.found) {
      played_results(wheel.played, state.results_avg, state.results_min, state.results_max);
      state.wheel_tickets = static_cast<std::int32_t>(wheel.played.tickets.size());
      if (wheel.played.k >= max_results_winners && wheel.played.v >= max_results_winners)
        top = max_results_winners;
    }
  }
  layout_results_grid(grid, state.results_min, state.results_max, top);
}

std::filesystem::path ticket_file_path(const std::filesystem::path& app_folder) {
  return app_folder / "system";
}

std::string system_cost_text(int tickets, float cost, const NumberFormat& format) {
  // The cost as the user sees it (its shortest decimal text), not the binary
  // fraction single precision holds: 10 x 0.1 is 1, not 1.00000001490116.
  const std::optional<double> decimal = parse_plain_double(format_single(cost, NumberFormat{'.'}));
  const double each = decimal ? *decimal : static_cast<double>(cost);
  return format_general(static_cast<double>(tickets) * each, format);
}

void layout_ticket_grid(TextGrid& grid, const std::vector<std::vector<int>>& positions,
                        const std::array<std::int16_t, 21>& tset_numbers) {
  const int count = static_cast<int>(positions.size());
  grid.clear_cells();
  grid.resize(count + 1, 2);
  grid.fixed_rows = 1;
  grid.fixed_cols = 1;
  // Wide enough for "Tickets" and for six two-digit numbers.
  grid.set_col_width(0, 64);
  grid.set_col_width(1, 150);
  std::string numbers;
  for (int r = 1; r <= count; ++r) {
    numbers.clear();
    for (int p : positions[r - 1]) {
      if (!numbers.empty()) numbers += ' ';
      const int number = p >= 1 && p < static_cast<int>(tset_numbers.size()) ? tset_numbers[p] : 0;
      numbers += std::to_string(number);
    }
    grid.set_cell(r, 0, "N" + std::to_string(r));
    grid.set_cell(r, 1, numbers);
  }
  grid.set_cell(0, 0, DS_TR_NOOP("Tickets"));
  grid.set_cell(0, 1, DS_TR_NOOP("Numbers"));
}

void layout_play_grid(TextGrid& grid, const std::vector<std::vector<int>>& positions,
                      const std::array<std::int16_t, 21>& tset_numbers,
                      const std::vector<std::vector<int>>& second_sets) {
  TextGrid mains;
  layout_ticket_grid(mains, positions, tset_numbers);
  const int per = static_cast<int>(second_sets.size());
  const int plays = static_cast<int>(positions.size()) * per;
  grid.clear_cells();
  grid.resize(plays + 1, 3);
  grid.fixed_rows = 1;
  grid.fixed_cols = 1;
  grid.set_col_width(0, 64);
  grid.set_col_width(1, 150);
  grid.set_col_width(2, 90);
  for (int i = 0; i < static_cast<int>(positions.size()); ++i)
    for (int s = 0; s < per; ++s) {
      const int r = i * per + s + 1;
      grid.set_cell(r, 0, "N" + std::to_string(r));
      grid.set_cell(r, 1, mains.cell(i + 1, 1));
      grid.set_cell(r, 2, numbers_text(second_sets[s]));
    }
  grid.set_cell(0, 0, DS_TR_NOOP("Tickets"));
  grid.set_cell(0, 1, DS_TR_NOOP("Numbers"));
  grid.set_cell(0, 2, DS_TR_NOOP("Second pool"));
}

std::string ticket_file_text(const TextGrid& grid) {
  std::string text;
  text.reserve(static_cast<std::size_t>(grid.rows()) * 24);
  for (int r = 1; r < grid.rows(); ++r) {
    text += grid.cell(r, 0);
    text += ' ';
    text += grid.cell(r, 1);
    if (grid.cols() > 2 && !grid.cell(r, 2).empty()) {
      text += " + ";
      text += grid.cell(r, 2);
    }
    text += "\r\n";
  }
  return text;
}

std::string catalogue_size_note(int pick_n) {
  if (pick_n == 5 || pick_n == 6 || pick_n <= 0) return {};
  return "The systems of the list make tickets of 5 or 6 numbers; the lotto draws " + std::to_string(pick_n) +
         ". Make a wheel with " + std::to_string(pick_n) +
         " numbers per ticket (Make a Wheel) and choose it here.";
}

Text published_rows_note(std::string_view list_text) {
  const int cells = cells_differing_from_published(trim_blanks(list_text));
  if (cells <= 0) return {};
  return (cells == 1 ? DS_TR("The rows shown are those of the tickets played; they differ from the usual "
                             "published table in %1 cell.")
                     : DS_TR("The rows shown are those of the tickets played; they differ from the usual "
                             "published table in %1 cells."))
      .arg(cells);
}

namespace {

// The tickets of a fitting system or wheel onto the set's numbers: the grid,
// what it shows for printing, the cost and the ticket file.
FillSystemOutcome show_tickets(const PlayedSystem& played, AppState& state, TextGrid& grid,
                               const std::filesystem::path& file) {
  FillSystemOutcome out;
  if (state.tset_numbers[1] <= 0) {
    out.status = FillSystemStatus::no_tset_numbers;
    out.message = std::string(no_tset_numbers_message);
    return out;
  }
  const int v = played.v, t = played.t, m = played.k;
  const std::string& id = played.id;
  const LottoDefinition& game = state.lotto;
  std::vector<std::vector<int>> second_sets;
  if (game.second_n > 0) {
    if (static_cast<int>(state.second_picks.size()) < game.second_n) {
      out.status = FillSystemStatus::no_second_picks;
      out.message = "Type at least " + std::to_string(game.second_n) + " second-pool number" +
                    (game.second_n == 1 ? "" : "s") + " (1 to " + std::to_string(game.second_pool) +
                    ") to play with the tickets.";
      return out;
    }
    second_sets = second_subsets(state.second_picks, game.second_n);
    layout_play_grid(grid, played.tickets, state.tset_numbers, second_sets);
  } else {
    layout_ticket_grid(grid, played.tickets, state.tset_numbers);
  }
  const int tickets = grid.rows() - 1;

  out.status = FillSystemStatus::shown;
  ShownSystem& shown = out.shown;
  shown.system_id = id;
  shown.guarantee_m = played.m;
  shown.wheel = played.wheel;
  shown.lotto_name = state.lotto_name;
  // The printout names the set only when its saved file holds these numbers.
  shown.tset_name = saved_set_holds(state.app_folder, v, state.tset_name, state.tset_numbers)
                        ? state.tset_name
                        : std::string(unsaved_set_label);
  shown.currency = state.lotto.currency;
  for (int p = 1; p <= v && p < static_cast<int>(state.tset_numbers.size()); ++p)
    shown.tset_numbers.push_back(state.tset_numbers[p]);
  shown.v = v;
  shown.t = t;
  shown.m = m;
  shown.ticket_count = tickets;
  shown.cost = system_cost_text(tickets, state.lotto.cost, state.number_format);
  shown.rows_note = played.wheel ? wheel_note(played) : published_rows_note(id);
  if (game.second_n > 0) {
    shown.second_picks = state.second_picks;
    shown.plays_per_ticket = static_cast<int>(second_sets.size());
    const std::size_t mains = played.tickets.size();
    shown.plays_text =
        std::to_string(mains) + (mains == 1 ? " ticket" : " tickets") + " \u00d7 " +
        std::to_string(second_sets.size()) + (game.second_n == 1 ? " second-pool number" : " pair") +
        (second_sets.size() == 1 ? "" : "s") + (game.second_n == 1 ? "" : " of second-pool numbers") + " = " +
        std::to_string(tickets) + (tickets == 1 ? " play" : " plays");
  }

  const std::string error = write_file_atomic(file, ticket_file_text(grid));
  out.file_written = error.empty();
  if (!out.file_written)
    out.message = "The tickets could not be saved: " + error +
                  ". They are shown here, but the System Performance window will not find them.";
  return out;
}

FillSystemOutcome fill_wheel(std::string_view id, AppState& state, TextGrid& grid,
                             const std::filesystem::path& file) {
  FillSystemOutcome out;
  const PlayedLookup wheel = find_played_system(id, state.app_folder, wheel_library_file(state));
  if (!wheel.found) {
    out.status = FillSystemStatus::no_tickets;
    out.message = DS_TR("%1 The tickets shown are still those chosen before.").arg(Text(wheel.why));
    return out;
  }
  const PlayedSystem& w = wheel.played;
  if (w.v != state.tset_size || w.k != state.lotto.pick_n) {
    // Unlike a catalogue system, whose name says what it fits, a wheel's name
    // may say nothing: tell why its tickets are not shown.
    out.message =
        DS_TR(
            "The wheel %1 is for %2 numbers with %3 numbers per ticket; the targeted set has %4 numbers "
            "and the lotto draws %5. The tickets shown are still those chosen before.")
            .arg(w.id)
            .arg(w.v)
            .arg(w.k)
            .arg(state.tset_size)
            .arg(state.lotto.pick_n);
    return out;
  }
  return show_tickets(w, state, grid, file);
}

}  // namespace

FillSystemOutcome fill_system(std::string_view list_text, AppState& state, TextGrid& grid,
                              const std::filesystem::path& file) {
  FillSystemOutcome out;
  const std::string_view id = trim_blanks(list_text);
  if (names_made_wheel(id, state.app_folder, wheel_library_file(state)))
    return fill_wheel(id, state, grid, file);
  int v = 0, t = 0, m = 0;
  if (!parse_system_id(id, v, t, m) || v != state.tset_size || m != state.lotto.pick_n) {
    // Silent as it always was, unless no system of the list can fit the lotto.
    if (find_system(id)) out.message = catalogue_size_note(state.lotto.pick_n);
    return out;
  }

  if (!load_tickets(id, state.ticket_count, state.tickets)) {
    // Expanding whatever tickets an earlier system left would show them under
    // this system's name; keep the screen as it is and say why.
    out.status = FillSystemStatus::no_tickets;
    out.message = "The program holds no tickets for the system " + std::string(id) +
                  ". The tickets shown are still those of the system chosen before.";
    return out;
  }
  PlayedSystem played;
  played.id = std::string(id);
  played.v = v;
  played.t = played.m = t;
  played.k = m;
  played.tickets = expand_tickets(state.tickets, state.ticket_count, v, m);
  return show_tickets(played, state, grid, file);
}

Text wheel_note(const PlayedSystem& w) {
  Text s =
      (w.id.starts_with("library ")
           ? DS_TR("A library wheel of %1 tickets on %2 numbers: whenever %3 of the winning numbers lie in "
                   "the set, some ticket matches at least %4 of them.")
           : DS_TR("A made wheel of %1 tickets on %2 numbers: whenever %3 of the winning numbers lie in the "
                   "set, some ticket matches at least %4 of them."))
          .arg(w.tickets.size())
          .arg(w.v)
          .arg(w.m)
          .arg(w.t);
  if (w.t > 0)
    s = DS_TR("%1 %2").arg(s).arg(
        wheel_size_note(w.v, w.k, w.t, w.m, static_cast<long long>(w.tickets.size())));
  if (!w.made.empty()) s = DS_TR("%1 Made: %2.").arg(s).arg(w.made);
  return s;
}

std::string system_print_html(const ShownSystem& shown, const TextGrid& grid) {
  std::string h;
  h += "<html><head><meta charset=\"utf-8\"><title>System " + html_escape(shown.system_id) +
       "</title></head><body>\n";
  const std::string kind = shown.wheel ? "Wheel" : "System";
  h += "<h2>" + kind + " " + html_escape(shown.system_id) + "</h2>\n";
  h += "<table cellspacing=\"0\" cellpadding=\"2\">\n";
  const auto row = [&h](std::string_view label, const std::string& value) {
    h += "<tr><td><b>" + std::string(label) + "</b></td><td>" + value + "</td></tr>\n";
  };
  row("Lotto", html_escape(shown.lotto_name));
  row("Targeted set", html_escape(shown.tset_name) + " (" + std::to_string(shown.v) + " numbers)");
  std::string numbers;
  for (int n : shown.tset_numbers) numbers += (numbers.empty() ? "" : " ") + std::to_string(n);
  row("Numbers of the set", numbers);
  row(kind, html_escape(shown.system_id) + ": " + std::to_string(shown.m) + " numbers per ticket");
  const int if_m = std::max(shown.guarantee_m, shown.t);
  row("Guarantee", "Whenever at least " + std::to_string(if_m) + " of the winning numbers lie among the " +
                       std::to_string(shown.v) +
                       " numbers of the targeted set, at least one ticket matches at least " +
                       std::to_string(shown.t) + " of them");
  if (!shown.rows_note.empty())
    row(shown.wheel ? "Made wheel" : "Guaranteed results", html_escape(shown.rows_note.english()));
  if (shown.plays_per_ticket > 1 || !shown.second_picks.empty()) {
    row("Second-pool numbers", numbers_text(shown.second_picks));
    row("Plays", html_escape(shown.plays_text));
  } else {
    row("Number of tickets", std::to_string(shown.ticket_count));
  }
  row("Cost of the system",
      html_escape(shown.cost) + (shown.currency.empty() ? "" : " " + html_escape(shown.currency)));
  h += "</table>\n";

  // Three tickets to a line keeps long systems to a few pages.
  constexpr int per_line = 3;
  h += "<h3>Tickets</h3>\n<table cellspacing=\"0\" cellpadding=\"3\" border=\"1\">\n";
  for (int r = 1; r < grid.rows(); r += per_line) {
    h += "<tr>";
    for (int i = 0; i < per_line; ++i) {
      if (r + i < grid.rows())
        h += "<td><b>" + html_escape(grid.cell(r + i, 0)) + "</b></td><td>" +
             html_escape(grid.cell(r + i, 1)) +
             (grid.cols() > 2 ? " + " + html_escape(grid.cell(r + i, 2)) : std::string()) + "</td>";
      else
        h += "<td></td><td></td>";
    }
    h += "</tr>\n";
  }
  h += "</table>\n</body></html>\n";
  return h;
}

SecondPoolRow second_pool_row(const SystemModel& model, const AppState& state) {
  SecondPoolRow row;
  row.shown = state.lotto.second_n > 0;
  row.pool = state.lotto.second_pool;
  row.picks = numbers_text(state.second_picks);
  row.plays_shown = row.shown && model.shown && !model.shown->plays_text.empty();
  return row;
}

SystemOutcome system_refresh(SystemModel& model, const AppState& state) {
  SystemOutcome out;
  const int pick = state.lotto.pick_n >= 3 && state.lotto.pick_n <= 7 ? state.lotto.pick_n : 0;
  std::vector<std::string> wheels = system_listing(state.app_folder, wheel_library_file(state), pick).wheels;
  if (wheels != model.wheels) {
    model.wheels = std::move(wheels);
    out.wheels = model.wheels;
  }
  out.second_row = second_pool_row(model, state);
  if (state.lotto_name != model.lotto_seen || !(state.lotto == model.game_seen)) {
    const bool first_look = model.lotto_seen.empty() && model.game_seen == LottoDefinition{};
    model.lotto_seen = state.lotto_name;
    model.game_seen = state.lotto;
    if (!state.lotto_name.empty()) out.lotto_label = state.lotto_name;
    out.show_again = !first_look && model.shown.has_value();
  }
  return out;
}

SystemOutcome system_open(SystemModel& model, const AppState& state) {
  SystemOutcome out = system_refresh(model, state);
  const SystemLoadOutcome load = system_window_load(state);
  static_cast<Outcome&>(out) = load;
  out.tset_label = load.tset_label;
  out.lotto_label = load.lotto_label;
  return out;
}

SystemOutcome choose_system(SystemModel& model, std::string_view list_text, AppState& state) {
  SystemOutcome out;
  fill_results(list_text, state, model.results);
  out.results = true;
  model.rows_note = published_rows_note(list_text);
  state.system_id = std::string(list_text);
  const FillSystemOutcome fill =
      fill_system(list_text, state, model.tickets, ticket_file_path(state.app_folder));
  if (fill.status == FillSystemStatus::shown) {
    model.shown = fill.shown;
    out.tickets = true;
    out.tset_label = fill.shown.tset_name;
  }
  if (names_made_wheel(list_text, state.app_folder, wheel_library_file(state))) {
    const PlayedLookup wheel = find_played_system(list_text, state.app_folder, wheel_library_file(state));
    if (wheel.found) model.rows_note = wheel_note(wheel.played);
  }
  out.message = fill.message;
  return out;
}

SystemOutcome take_second_picks(SystemModel& model, std::string_view typed, std::string_view list_text,
                                AppState& state) {
  SystemOutcome out;
  const SecondPicks picks = parse_second_picks(typed, state.lotto);
  if (!picks.ok) {
    if (trim_blanks(typed).empty() && state.second_picks.empty()) return out;
    out.message = picks.message;
    out.focus = SystemFocus::second;
    return out;
  }
  out.second_text = numbers_text(picks.numbers);
  if (picks.numbers == state.second_picks) return out;
  state.second_picks = picks.numbers;
  if (list_text.empty()) return out;
  SystemOutcome again = choose_system(model, list_text, state);
  again.second_text = out.second_text;
  return again;
}

PrintOutcome print_system(const std::optional<ShownSystem>& shown, const TextGrid& tickets) {
  PrintOutcome r;
  r.title = "Print System";
  r.document = "System";
  if (!shown || tickets.rows() < 2)
    r.message = std::string(nothing_to_print_message);
  else
    r.html = system_print_html(*shown, tickets);
  return r;
}

PrintOutcome print_system(const SystemModel& model) { return print_system(model.shown, model.tickets); }

std::string system_export_name(const SystemModel& model) {
  return "system-" + (model.shown ? model.shown->system_id : std::string("tickets")) + ".csv";
}

}  // namespace ds
