#include "systems/wheel_filter_handlers.h"

#include <algorithm>
#include <cctype>

#include "lotto/lotto_files.h"
#include "shell/files.h"
#include "shell/numbers.h"
#include "systems/played_system.h"

namespace ds {

namespace {

std::string joined(const std::vector<int>& xs) {
  std::string s;
  for (std::size_t i = 0; i < xs.size(); ++i) s += (i ? " " : "") + std::to_string(xs[i]);
  return s;
}

std::string of_tickets(int passing, std::size_t tickets) {
  return std::to_string(passing) + " of " + std::to_string(tickets) +
         (tickets == 1 ? " ticket" : " tickets") + (passing == 1 ? " passes" : " pass");
}

// The grids emptied to their headers: "Passes", N1..Nk, and N1..Nk for the passing ones.
void clear_grids(WheelFilterModel& model) {
  const int k = std::max(model.wheel.k, 1);
  model.tickets = TextGrid(1, k + 1);
  model.tickets.set_cell(0, 0, DS_TR_NOOP("Passes"));
  model.passing = TextGrid(1, k);
  for (int c = 0; c < k; ++c) {
    model.tickets.set_cell(0, c + 1, "N" + std::to_string(c + 1));
    model.passing.set_cell(0, c, "N" + std::to_string(c + 1));
  }
  model.found = false;
}

}  // namespace

WheelFilterOutcome wheel_filter_open(WheelFilterModel& model, const AppState& state) {
  WheelFilterOutcome out;
  model = WheelFilterModel{};
  clear_grids(model);
  out.grid = true;
  out.identity_label = out.best_label = out.numbering_label = out.kept_label = "";
  out.focus = WheelFilterFocus::filters;
  const auto missing = [&](std::string text) {
    out.wheel_label = std::move(text);
    return out;
  };
  if (state.tset_name.empty() || state.tset_size <= 0) return missing(messages().select_tset);
  if (state.lotto_name.empty() || state.lotto.play_n <= 0) return missing(messages().select_lotto);
  if (state.system_id.empty())
    return missing(
        "Choose a system or a made wheel in the Systems window: its tickets are what the filters "
        "renumber.");
  const PlayedLookup found = find_played_system(state.system_id, state.app_folder);
  if (!found.found) return missing(found.why);
  const PlayedSystem& p = found.played;
  if (p.v != state.tset_size || p.k != state.lotto.pick_n)
    return missing("The system " + p.id + " is for " + std::to_string(p.v) + " numbers with " +
                   std::to_string(p.k) + " a ticket; the targeted set has " +
                   std::to_string(state.tset_size) + " and the lotto draws " +
                   std::to_string(state.lotto.pick_n) + ".");
  model.source = p.id;
  model.wheel.v = p.v;
  model.wheel.k = p.k;
  model.wheel.t = p.t;
  model.wheel.m = p.m;
  model.wheel.tickets = p.tickets;
  model.wheel.made = p.made;
  for (int i = 1; i <= state.tset_size && i < static_cast<int>(state.tset_numbers.size()); ++i)
    model.set.push_back(state.tset_numbers[static_cast<std::size_t>(i)]);
  model.game = {state.lotto.play_n, state.lotto.pick_n};
  if (state.draws_read) {
    model.past = grid_past_draws(state.draws, state.lotto.pick_n);
  } else {
    TextGrid draws;
    const std::filesystem::path games = lotto_folder(state.app_folder);
    if (file_exists(games / state.lotto_name / "draws.txt") &&
        !read_draws(games, state.lotto_name, draws, state.date_format, state.lotto).stopped)
      model.past = grid_past_draws(draws, state.lotto.pick_n);
  }
  clear_grids(model);
  model.ready = true;
  out.wheel_label = (p.wheel ? "Wheel " : "System ") + p.id + ": " + std::to_string(p.tickets.size()) +
                    " tickets on the set " + joined(model.set) + ", " + guarantee_text(p.t, p.m) + ".";
  return out;
}

WheelFilterOutcome wheel_filter_start(WheelFilterModel& model, std::string_view filters_text) {
  WheelFilterOutcome out;
  if (model.running) return out;
  if (!model.ready) {
    out.message =
        "There are no tickets to renumber: choose a system that fits the targeted set and the lotto "
        "in the Systems window.";
    out.show = WindowId::system;
    return out;
  }
  RenumberRequest& r = out.request;
  std::string word;
  int read = 0;
  const auto take = [&]() -> bool {
    if (word.empty()) return true;
    if (const std::string why = add_filter(word, model.game, r.filters); !why.empty()) {
      out.message = why;
      out.focus = WheelFilterFocus::filters;
      return false;
    }
    ++read;
    word.clear();
    return true;
  };
  for (char c : filters_text) {
    if (c == ' ' || c == ';' || c == '\t' || c == '\n') {
      if (!take()) return out;
    } else {
      word += c;
    }
  }
  if (!take()) return out;
  if (read == 0) {
    out.message = "Type the filters the tickets are to pass, such as sum:100-180 odd:2-4 new.";
    out.focus = WheelFilterFocus::filters;
    return out;
  }
  r.wheel = model.wheel;
  r.set = model.set;
  r.game = model.game;
  r.past = model.past;
  r.seconds = wheel_filter_seconds;
  if (const std::string error = renumber_request_error(r); !error.empty()) {
    out.message = error;
    return out;
  }
  model.filters = std::string(filters_text);
  model.running = true;
  model.stopping = false;
  out.start = true;
  out.bar = 0;
  out.focus = WheelFilterFocus::stop;
  out.status = "Searching the numbering under which the most tickets pass\u2026";
  out.status_stays = true;
  return out;
}

WheelFilterOutcome wheel_filter_stop(WheelFilterModel& model) {
  WheelFilterOutcome out;
  if (!model.running) return out;
  model.stopping = true;
  out.status = "Stopping; the best numbering so far is shown.";
  return out;
}

WheelFilterOutcome wheel_filter_poll(const WheelFilterModel& model, const RenumberProgress& progress) {
  WheelFilterOutcome out;
  const std::uint64_t total = progress.total.load();
  const double seconds = progress.seconds.load();
  out.bar = total > 0 ? static_cast<int>(std::min<std::uint64_t>(1000, progress.done.load() * 1000 / total))
                      : static_cast<int>(std::min(1000.0, seconds * 1000 / wheel_filter_seconds));
  if (const int best = progress.best.load(); best >= 0)
    out.best_label = "Renumbered: so far " + of_tickets(best, model.wheel.tickets.size()) + "\u2026";
  return out;
}

WheelFilterOutcome wheel_filter_finish(WheelFilterModel& model, const RenumberResult& result,
                                       const KeptGuarantee& kept) {
  WheelFilterOutcome out;
  model.running = model.stopping = false;
  out.bar = 1000;
  out.focus = WheelFilterFocus::search;
  if (result.numbers.empty()) return out;
  clear_grids(model);
  model.found = true;
  model.numbers = result.numbers;
  model.kept = kept;
  const int k = model.passing.cols();
  for (std::size_t i = 0; i < result.tickets.size(); ++i) {
    const int row = model.tickets.rows();
    model.tickets.set_rows(row + 1);
    model.tickets.set_cell(row, 0, result.passes[i] ? "yes" : "no");
    for (int c = 0; c < k && c < static_cast<int>(result.tickets[i].size()); ++c)
      model.tickets.set_cell(row, c + 1, std::to_string(result.tickets[i][static_cast<std::size_t>(c)]));
    if (!result.passes[i]) continue;
    const int p = model.passing.rows();
    model.passing.set_rows(p + 1);
    for (int c = 0; c < k && c < static_cast<int>(result.tickets[i].size()); ++c)
      model.passing.set_cell(p, c, std::to_string(result.tickets[i][static_cast<std::size_t>(c)]));
  }
  out.grid = true;
  const std::size_t all = model.wheel.tickets.size();
  out.identity_label = "In the set's own order: " + of_tickets(result.identity_passing, all) + ".";
  std::string how = result.exact       ? " (every numbering tried: none does better)"
                    : !result.complete ? " (stopped: the best so far)"
                                       : " (the best of " + std::to_string(result.restarts) +
                                             " searches in " + format_fixed(result.seconds, 1) + " s)";
  out.best_label = "Renumbered: " + of_tickets(result.passing, all) + how + ".";
  std::string numbering = "Numbering (position: number):";
  for (std::size_t p = 0; p < result.numbers.size(); ++p)
    numbering += " " + std::to_string(p + 1) + ":" + std::to_string(result.numbers[p]);
  out.numbering_label = numbering;
  out.kept_label = kept.complete ? "Playing only these " + std::to_string(kept.wheel.tickets.size()) +
                                       " tickets: " + kept.text + "."
                                 : "Playing only these: the check of the guarantee was stopped.";
  out.status = result.complete ? "Search done." : "Search stopped.";
  out.status_stays = false;
  return out;
}

WheelFilterOutcome wheel_filter_save(const WheelFilterModel& model, const std::filesystem::path& app_folder,
                                     std::string* saved_name) {
  WheelFilterOutcome out;
  if (!model.found || model.kept.wheel.tickets.empty()) {
    out.message = model.found ? "No ticket passes the filters: there is nothing to save."
                              : "Search first: the tickets that pass are what is saved.";
    out.focus = WheelFilterFocus::search;
    return out;
  }
  if (model.wheel.keys > 0) {
    out.message = "A wheel with key numbers is not saved renumbered: its keys would move off positions 1 on.";
    return out;
  }
  Wheel w = model.wheel;
  w.tickets.clear();
  // the numbers of each passing ticket as positions of the set in its own order
  for (const auto& ticket : model.kept.wheel.tickets) {
    std::vector<int> positions;
    for (int p : ticket) {
      const int n = model.numbers[static_cast<std::size_t>(p - 1)];
      positions.push_back(
          static_cast<int>(std::find(model.set.begin(), model.set.end(), n) - model.set.begin()) + 1);
    }
    std::sort(positions.begin(), positions.end());
    w.tickets.push_back(std::move(positions));
  }
  w.made = "renumbered from " + model.source + " for " + model.filters + ": the " +
           std::to_string(w.tickets.size()) + " of " + std::to_string(model.wheel.tickets.size()) +
           " tickets that pass, " + model.kept.text;
  std::string base;
  for (char c : model.source)
    base += (std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-') ? c : '_';
  base += "_filtered";
  const std::filesystem::path folder = wheels_folder(app_folder);
  std::string name = base;
  for (int i = 2; file_exists(folder / (name + ".txt")); ++i) name = base + "_" + std::to_string(i);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (const std::string error = write_file_atomic(folder / (name + ".txt"), wheel_file_text(w));
      !error.empty()) {
    out.message = "The wheel was not saved: " + error;
    return out;
  }
  if (saved_name) *saved_name = name;
  out.status = "Saved as the made wheel " + name + " (Wheels/" + name +
               ".txt): the Systems window lists it under Made wheels.";
  out.status_stays = true;
  return out;
}

}  // namespace ds
