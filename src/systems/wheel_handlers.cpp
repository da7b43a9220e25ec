#include "systems/wheel_handlers.h"

#include <algorithm>
#include <cmath>

#include "shell/fields.h"
#include "shell/files.h"
#include "shell/game.h"
#include "shell/numbers.h"
#include "systems/catalogue.h"
#include "systems/played_system.h"
#include "wheels/wheel_library.h"

namespace ds {

namespace {

std::optional<int> whole_in(std::string_view text, int low, int high) {
  const std::optional<long long> n = parse_whole(text);
  if (!n || *n < low || *n > high) return std::nullopt;
  return static_cast<int>(*n);
}

}  // namespace

// ---- Make a Wheel ----

MakeWheelForm make_wheel_defaults(const AppState& state) {
  const int pick = state.lotto.pick_n;
  return {"10", std::to_string(pick >= 3 && pick <= 7 ? pick : 6), "3", "3", "60", "1", "", ""};
}

MakeWheelStart make_wheel_start(const MakeWheelForm& f) {
  MakeWheelStart out;
  const auto refuse = [&out](MakeWheelFocus focus, std::string message) {
    out.focus = focus;
    out.message = std::move(message);
    return out;
  };
  const std::optional<int> v = whole_in(f.v, min_maker_v, max_maker_v);
  if (!v)
    return refuse(MakeWheelFocus::v, "The set holds " + std::to_string(min_maker_v) + " to " +
                                         std::to_string(max_maker_v) + " numbers: type a whole number in V.");
  const std::optional<int> k = whole_in(f.k, 3, 7);
  if (!k)
    return refuse(MakeWheelFocus::k, DS_TR_NOOP("A ticket holds 3 to 7 numbers: type a whole number in K."));
  if (*k >= *v)
    return refuse(MakeWheelFocus::k,
                  DS_TR_NOOP("A ticket must hold fewer numbers than the set (K less than V)."));
  const std::optional<int> t = whole_in(f.t, 2, max_maker_m);
  if (!t)
    return refuse(MakeWheelFocus::t,
                  "The guarantee T is a whole number from 2 to " + std::to_string(max_maker_m) + ".");
  const std::optional<int> m = whole_in(f.m, 2, max_maker_m);
  if (!m)
    return refuse(MakeWheelFocus::m, "M, the winning numbers in the set, is a whole number from 2 to " +
                                         std::to_string(max_maker_m) + ".");
  if (*t > *m)
    return refuse(MakeWheelFocus::t,
                  DS_TR_NOOP("The guarantee T cannot be more than M (T if M: 2 <= T <= M)."));
  if (*t > *k)
    return refuse(MakeWheelFocus::t,
                  DS_TR_NOOP("The guarantee T cannot be more than the numbers on a ticket (K)."));
  if (*m > *v)
    return refuse(MakeWheelFocus::m, DS_TR_NOOP("M cannot be more than the numbers in the set (V)."));
  const std::optional<double> seconds = parse_plain_double(f.seconds);
  if (!seconds || !std::isfinite(*seconds) || *seconds < 1 || *seconds > 86400)
    return refuse(MakeWheelFocus::seconds,
                  DS_TR_NOOP("Type the time to search in seconds, from 1 to 86400."));
  const std::optional<long long> seed = parse_whole(f.seed);
  if (!seed || *seed < 0)
    return refuse(MakeWheelFocus::seed, DS_TR_NOOP("The seed is a whole number, 0 or more."));

  int keys = 0;
  if (!trim_blanks(f.keys).empty()) {
    const std::optional<int> b = whole_in(f.keys, 0, *t - 1);
    if (!b)
      return refuse(MakeWheelFocus::keys,
                    "The keys are on every ticket and must be fewer than T: type 0 to " +
                        std::to_string(*t - 1) + ", or leave Keys empty.");
    keys = *b;
  }
  int budget = 0;
  if (!trim_blanks(f.tickets).empty()) {
    const std::optional<int> n = whole_in(f.tickets, 1, 1'000'000);
    if (!n)
      return refuse(MakeWheelFocus::tickets,
                    "The budget is a whole number of tickets from 1 to 1000000; leave Tickets empty for "
                    "the full guarantee.");
    budget = *n;
  }

  MakeRequest r;
  r.v = *v;
  r.k = *k;
  r.t = *t;
  r.m = *m;
  r.seconds = *seconds;
  r.seed = static_cast<std::uint64_t>(*seed);
  r.budget = budget;
  if (const std::string error = take_keys_off(r, keys); !error.empty())
    return refuse(keys > 0 ? MakeWheelFocus::keys : MakeWheelFocus::v, error);
  out.request = r;
  out.keys = keys;
  return out;
}

Text make_wheel_progress_text(int best_size, long long uncovered, double seconds) {
  Text s = best_size > 0
               ? DS_TR("Best so far: %1")
                     .arg((best_size == 1 ? DS_TR("%1 ticket") : DS_TR("%1 tickets")).arg(best_size))
               : DS_TR("No complete wheel yet");
  if (uncovered >= 0) {
    Text cases = (uncovered == 1 ? DS_TR("%1 case") : DS_TR("%1 cases")).arg(uncovered);
    s = best_size > 0 ? DS_TR("%1; trying %2: %3 still uncovered").arg(s).arg(best_size - 1).arg(cases)
                      : DS_TR("%1; %2 still uncovered").arg(s).arg(cases);
  }
  const long long whole = static_cast<long long>(seconds);
  return DS_TR("%1; %2 elapsed.")
      .arg(s)
      .arg(std::to_string(whole / 60) + ":" + (whole % 60 < 10 ? "0" : "") + std::to_string(whole % 60));
}

MakeWheelSummary make_wheel_summary(const Wheel& w, long long holes) {
  MakeWheelSummary s;
  const auto size = static_cast<long long>(w.tickets.size());
  const Text what = (size == 1 ? DS_TR("%1 ticket of %2 numbers on %3 numbers")
                               : DS_TR("%1 tickets of %2 numbers on %3 numbers"))
                        .arg(size)
                        .arg(w.k)
                        .arg(w.v);
  const int b = w.keys;
  if (holes >= 0)
    s.result =
        DS_TR("%1 for %2: it %3 (%4, checked case by case).")
            .arg(what)
            .arg(guarantee_text(w.t, w.m, b))
            .arg(covered_share_text(static_cast<std::uint64_t>(holes), subsets_count(w.v - b, w.m - b), w.m))
            .arg((holes == 1 ? DS_TR("%1 hole") : DS_TR("%1 holes")).arg(holes));
  else
    s.result =
        DS_TR("%1, guarantee %2: checked case by case, it holds.").arg(what).arg(guarantee_text(w.t, w.m, b));
  // a wheel with keys is measured as the wheel on the numbers besides them
  const int v = w.v - b, k = w.k - b, t = w.t - b, m = w.m - b;
  const Text note = wheel_size_note(v, k, t, m, size);
  if (b > 0)
    s.bound = DS_TR("Without the keys (%1 numbers, %2 a ticket, %3): %4")
                  .arg(v)
                  .arg(k)
                  .arg(guarantee_text(t, m))
                  .arg(note);
  else if (holes >= 0)
    s.bound = DS_TR("A complete wheel: %1").arg(note);
  else
    s.bound = note;
  const CatalogueMatch c = catalogue_match(w.v, w.k, w.t);
  if (c.id.empty() || w.m != w.t || b > 0 || holes >= 0)
    s.catalogue = DS_TR_NOOP("No catalogue system has this size and guarantee.");
  else if (c.tickets > size)
    s.catalogue =
        DS_TR("The catalogue system %1 plays %2 tickets: %3 saved on every draw.")
            .arg(c.id)
            .arg(c.tickets)
            .arg((c.tickets - size == 1 ? DS_TR("%1 ticket") : DS_TR("%1 tickets")).arg(c.tickets - size));
  else
    s.catalogue =
        DS_TR("The catalogue system %1 plays %2 tickets: no fewer than this wheel.").arg(c.id).arg(c.tickets);
  return s;
}

TextGrid wheel_ticket_grid(const Wheel& wheel) {
  TextGrid g(static_cast<int>(wheel.tickets.size()) + 1, 2);
  g.fixed_rows = 1;
  g.fixed_cols = 1;
  g.set_cell(0, 0, DS_TR_NOOP("Ticket"));
  g.set_cell(0, 1, DS_TR_NOOP("Positions"));
  for (std::size_t i = 0; i < wheel.tickets.size(); ++i) {
    std::string text;
    for (int p : wheel.tickets[i]) text += (text.empty() ? "" : " ") + std::to_string(p);
    g.set_cell(static_cast<int>(i) + 1, 0, "N" + std::to_string(i + 1));
    g.set_cell(static_cast<int>(i) + 1, 1, text);
  }
  return g;
}

std::string save_wheel_name(const Wheel& wheel) {
  std::string name = wheel_file_name(wheel);
  if (name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0) name.resize(name.size() - 4);
  return name;
}

WheelNameCheck check_wheel_name(std::string_view typed) {
  WheelNameCheck out;
  std::string_view name = trim_blanks(typed);
  if (name.size() > 4 && name.substr(name.size() - 4) == ".txt") name.remove_suffix(4);
  const std::optional<std::string> safe = safe_name(name);
  if (!safe) {
    out.message = DS_TR_NOOP(
        "A wheel's name becomes a file name: type letters, digits, blanks, '-' or '_', without '/' or '\\'.");
    return out;
  }
  if (safe->starts_with("library ")) {
    out.message = "Names starting with \"library \" are the wheel library's; please choose another name.";
    return out;
  }
  if (names_catalogue_system(*safe)) {
    out.message = "The name " + *safe + " is a system of the catalogue; please choose another name.";
    return out;
  }
  out.name = *safe;
  return out;
}

std::string save_made_wheel(const std::filesystem::path& app_folder, const std::string& name,
                            const Wheel& wheel) {
  const std::filesystem::path folder = wheels_folder(app_folder);
  if (!folder_exists(folder) && !make_folder(folder))
    return "The folder \"" + folder.string() + "\" cannot be made; the wheel was not saved.";
  const std::filesystem::path file = made_wheel_path(app_folder, name);
  const std::string error = write_file_atomic(file, wheel_file_text(wheel));
  if (!error.empty()) return "The wheel could not be saved to \"" + file.string() + "\" (" + error + ").";
  return {};
}

MakeWheelOutcome make_wheel_run(MakeWheelModel& model, const MakeWheelForm& form,
                                const std::filesystem::path& library) {
  MakeWheelOutcome out;
  if (model.running) return out;
  static_cast<MakeWheelStart&>(out) = make_wheel_start(form);
  if (!out.request) return out;
  MakeRequest& r = *out.request;
  if (const auto w = library_wheel(library, r.v, r.k, r.t, r.m)) r.start = w->tickets;
  model.request = *out.request;
  model.keys = out.keys;
  model.running = true;
  model.stopping = false;
  model.wheel.reset();
  model.tickets = wheel_ticket_grid(Wheel{});
  out.tickets = true;
  out.result = out.bound = out.catalogue = out.name = "";
  out.bar = 0;
  out.progress = make_wheel_progress_text(0, -1, 0);
  out.focus = MakeWheelFocus::stop;
  return out;
}

MakeWheelOutcome make_wheel_stop(MakeWheelModel& model) {
  MakeWheelOutcome out;
  if (!model.running) return out;
  model.stopping = true;
  out.progress = DS_TR("Stopping\u2026");
  return out;
}

MakeWheelOutcome make_wheel_poll(const MakeWheelModel& model, const MakeProgress& p) {
  MakeWheelOutcome out;
  const double seconds = p.seconds.load();
  const double limit = std::max(1.0, model.request.seconds);
  out.bar = static_cast<int>(std::clamp(seconds / limit, 0.0, 1.0) * 1000);
  if (!model.stopping)
    out.progress = make_wheel_progress_text(p.best_size.load(), p.uncovered.load(), seconds);
  return out;
}

MakeWheelOutcome make_wheel_finish(MakeWheelModel& model, std::optional<Wheel> result, double seconds,
                                   long long holes) {
  MakeWheelOutcome out;
  const bool stopped = model.stopping;
  model.running = model.stopping = false;
  if (result && model.keys > 0) {
    result = with_keys(*result, model.keys);
    result->made += ", keys 1 to " + std::to_string(model.keys);
  }
  model.wheel = std::move(result);
  out.bar = 1000;
  if (!model.wheel) {
    out.progress = make_wheel_progress_text(0, -1, seconds);
    out.result = stopped
                     ? DS_TR("The search was stopped before a complete wheel was found.")
                     : DS_TR("No complete wheel was found in the time given. Give the search more seconds.");
    out.focus = MakeWheelFocus::start;
    return out;
  }
  const Wheel& w = *model.wheel;
  out.progress = make_wheel_progress_text(static_cast<int>(w.tickets.size()), -1, seconds);
  MakeWheelSummary s = make_wheel_summary(w, model.request.budget > 0 ? std::max(0ll, holes) : -1);
  out.result = std::move(s.result);
  out.bound = std::move(s.bound);
  out.catalogue = std::move(s.catalogue);
  model.tickets = wheel_ticket_grid(w);
  out.tickets = true;
  out.name = save_wheel_name(w);
  out.focus = MakeWheelFocus::save;
  return out;
}

MakeWheelOutcome make_wheel_save(MakeWheelModel& model, std::string_view name_text,
                                 const std::filesystem::path& app_folder, const AskUser& ask) {
  MakeWheelOutcome out;
  if (!model.wheel || model.running) return out;
  const WheelNameCheck name = check_wheel_name(name_text);
  out.message = name.message;
  out.focus = MakeWheelFocus::name;
  if (!name.message.empty()) return out;
  if (file_exists(made_wheel_path(app_folder, name.name)) &&
      (!ask || ask({DS_TR("A wheel named %1 is already saved. Replace it?").arg(name.name),
                    {DS_TR("Replace")}}) != 0))
    return out;
  out.focus = MakeWheelFocus::none;
  out.message = save_made_wheel(app_folder, name.name, *model.wheel);
  if (!out.message.empty()) return out;
  out.name = name.name;
  out.status = DS_TR("Saved as %1; the Systems window lists it under Made wheels.").arg(name.name);
  return out;
}

// ---- Check a Wheel ----

std::optional<std::vector<int>> parse_set_numbers(std::string_view text) {
  std::vector<int> out;
  std::string field;
  const auto take = [&]() {
    if (field.empty()) return true;
    const std::optional<int> n = whole_in(field, 1, 99);
    field.clear();
    if (!n || std::find(out.begin(), out.end(), *n) != out.end()) return false;
    out.push_back(*n);
    return true;
  };
  for (char c : text) {
    if (c == ' ' || c == ',' || c == ';' || c == '\t' || c == '\r' || c == '\n') {
      if (!take()) return std::nullopt;
    } else {
      field += c;
    }
  }
  if (!take()) return std::nullopt;
  return out;
}

TicketListRead read_ticket_list(std::string_view bytes, std::string_view set_text) {
  TicketListRead out;
  const std::optional<std::vector<int>> set = parse_set_numbers(set_text);
  if (!set) {
    out.message = DS_TR_NOOP(
        "The set's numbers must be whole numbers from 1 to 99, each once, separated by blanks or commas.");
    return out;
  }
  const WheelRead read = parse_ticket_list(bytes, *set);
  if (!read.ok) {
    out.message = DS_TR("The file is not a list of tickets: %1").arg(Text(read.error));
    return out;
  }
  out.ok = true;
  out.wheel = read.wheel;
  if (read.wheel.t > 0) {
    out.t_text = std::to_string(read.wheel.t);
    out.m_text = std::to_string(read.wheel.m);
  }
  const auto size = static_cast<long long>(read.wheel.tickets.size());
  const Text what = (size == 1 ? DS_TR("%1 ticket of %2 numbers on %3 numbers")
                               : DS_TR("%1 tickets of %2 numbers on %3 numbers"))
                        .arg(size)
                        .arg(read.wheel.k)
                        .arg(read.wheel.v);
  out.description = read.wheel.t > 0 ? DS_TR("%1, made for %2.")
                                           .arg(what)
                                           .arg(guarantee_text(read.wheel.t, read.wheel.m, read.wheel.keys))
                                     : DS_TR("%1.").arg(what);
  if (!read.skipped.empty()) out.description = DS_TR("%1 %2").arg(out.description).arg(Text(read.skipped));
  return out;
}

CheckWheelStart check_wheel_start(const Wheel* wheel, std::string_view t_text, std::string_view m_text,
                                  std::string_view keys_text) {
  CheckWheelStart out;
  if (!wheel || wheel->tickets.empty()) {
    out.message = DS_TR_NOOP("Please open a list of tickets first.");
    return out;
  }
  if (trim_blanks(t_text).empty() && trim_blanks(m_text).empty()) {
    out.start = true;
    return out;
  }
  const std::optional<int> t = whole_in(t_text, 1, std::min(wheel->k, max_maker_m));
  if (!t) {
    out.message = "The guarantee T is a whole number from 1 to " +
                  std::to_string(std::min(wheel->k, max_maker_m)) +
                  " (no more than the numbers on a ticket); leave T and M empty for the matches alone.";
    out.focus = CheckWheelStart::Focus::t;
    return out;
  }
  const std::optional<int> m = whole_in(m_text, *t, std::min(wheel->v, max_maker_m));
  if (!m) {
    out.message = "M is a whole number from T to " + std::to_string(std::min(wheel->v, max_maker_m)) +
                  " (no more than the numbers in the set).";
    out.focus = CheckWheelStart::Focus::m;
    return out;
  }
  int keys = wheel->keys < *t ? wheel->keys : 0;
  if (!trim_blanks(keys_text).empty()) {
    const std::optional<int> b = whole_in(keys_text, 0, *t - 1);
    if (!b) {
      out.message = "The keys must be fewer than T: type 0 to " + std::to_string(*t - 1) +
                    ", or leave Keys empty for the keys the file names.";
      out.focus = CheckWheelStart::Focus::keys;
      return out;
    }
    keys = *b;
    for (const std::vector<int>& ticket : wheel->tickets)
      for (int p = 1; p <= keys; ++p)
        if (std::find(ticket.begin(), ticket.end(), p) == ticket.end()) {
          out.message = "Keys are on every ticket, but a ticket lacks position " + std::to_string(p) +
                        ": type fewer keys, or 0.";
          out.focus = CheckWheelStart::Focus::keys;
          return out;
        }
  }
  out.start = true;
  out.t = *t;
  out.m = *m;
  out.keys = keys;
  return out;
}

TextGrid check_rows_grid(const WheelCheckResult& r) {
  int widest = 0;
  for (const MatchRow& row : r.rows) widest = std::max(widest, row.w);
  TextGrid g(static_cast<int>(r.rows.size()) + 1, 3 + widest + 1);
  g.fixed_rows = 1;
  g.fixed_cols = 1;
  g.set_cell(0, 0, DS_TR_NOOP("Winners"));
  g.set_cell(0, 1, DS_TR_NOOP("Worst match"));
  g.set_cell(0, 2, DS_TR_NOOP("Best match"));
  // Each heading a whole text of its own, so that it is translated as one.
  static constexpr const char* match_heads[] = {
      DS_TR_NOOP("Match 0"),  DS_TR_NOOP("Match 1"),  DS_TR_NOOP("Match 2"),  DS_TR_NOOP("Match 3"),
      DS_TR_NOOP("Match 4"),  DS_TR_NOOP("Match 5"),  DS_TR_NOOP("Match 6"),  DS_TR_NOOP("Match 7"),
      DS_TR_NOOP("Match 8"),  DS_TR_NOOP("Match 9"),  DS_TR_NOOP("Match 10"), DS_TR_NOOP("Match 11"),
      DS_TR_NOOP("Match 12"), DS_TR_NOOP("Match 13"), DS_TR_NOOP("Match 14"), DS_TR_NOOP("Match 15"),
      DS_TR_NOOP("Match 16"), DS_TR_NOOP("Match 17"), DS_TR_NOOP("Match 18"), DS_TR_NOOP("Match 19"),
      DS_TR_NOOP("Match 20")};
  for (int j = 0; j <= widest; ++j)
    g.set_cell(0, 3 + j, j < 21 ? std::string(match_heads[j]) : "Match " + std::to_string(j));
  int row = 1;
  for (const MatchRow& m : r.rows) {
    g.set_cell(row, 0, std::to_string(m.w));
    g.set_cell(row, 1, std::to_string(m.worst));
    g.set_cell(row, 2, std::to_string(m.best));
    for (int j = 0; j <= widest; ++j)
      g.set_cell(row, 3 + j, j < static_cast<int>(m.cases.size()) ? std::to_string(m.cases[j]) : "");
    ++row;
  }
  return g;
}

TextGrid check_holes_grid(const WheelCheckResult& r, const std::vector<int>& set_numbers) {
  const bool numbers = !set_numbers.empty();
  TextGrid g(static_cast<int>(r.holes.size()) + 1, numbers ? 3 : 2);
  g.fixed_rows = 1;
  g.fixed_cols = 1;
  g.set_cell(0, 0, DS_TR_NOOP("Hole"));
  g.set_cell(0, 1, DS_TR_NOOP("Positions"));
  if (numbers) g.set_cell(0, 2, DS_TR_NOOP("Numbers"));
  for (std::size_t i = 0; i < r.holes.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    std::string pos, num;
    for (int p : r.holes[i]) {
      pos += (pos.empty() ? "" : " ") + std::to_string(p);
      if (numbers && p >= 1 && p <= static_cast<int>(set_numbers.size()))
        num += (num.empty() ? "" : " ") + std::to_string(set_numbers[static_cast<std::size_t>(p - 1)]);
    }
    g.set_cell(row, 0, std::to_string(row));
    g.set_cell(row, 1, pos);
    if (numbers) g.set_cell(row, 2, num);
  }
  return g;
}

Text check_summary_text(const WheelCheckResult& r) {
  if (!r.complete) return DS_TR("The check was stopped; nothing is shown of an unfinished check.");
  if (r.t == 0) return DS_TR("Every case of the set checked; no guarantee asked.");
  const Text g = guarantee_text(r.t, r.m, r.keys);
  const Text share = covered_share_text(r.hole_count, subsets_count(r.v - r.keys, r.m - r.keys), r.m);
  if (r.hole_count == 0)
    return DS_TR("The guarantee %1 holds: no hole in any case; it %2.").arg(g).arg(share);
  const auto holes = static_cast<long long>(r.hole_count);
  const Text count = (holes == 1 ? DS_TR("%1 hole") : DS_TR("%1 holes")).arg(holes);
  if (r.holes.size() < r.hole_count)
    return DS_TR(
               "The guarantee %1 does not hold: %2 (sets of %3 where no ticket matches %4); the first %5 are "
               "listed; it %6.")
        .arg(g)
        .arg(count)
        .arg(r.m)
        .arg(r.t)
        .arg(r.holes.size())
        .arg(share);
  return DS_TR("The guarantee %1 does not hold: %2 (sets of %3 where no ticket matches %4); it %5.")
      .arg(g)
      .arg(count)
      .arg(r.m)
      .arg(r.t)
      .arg(share);
}

CheckWheelOutcome check_wheel_open(CheckWheelModel& model, const std::string& file,
                                   std::string_view set_text) {
  CheckWheelOutcome out;
  if (model.running) return out;
  const std::optional<std::string> bytes = read_file(file, 64u * 1024u * 1024u);
  if (!bytes) {
    out.message = "The file \"" + file + "\" cannot be read.";
    return out;
  }
  const TicketListRead read = read_ticket_list(*bytes, set_text);
  if (!read.ok) {
    out.message = read.message;
    out.focus = CheckWheelFocus::set;
    return out;
  }
  model.file = file;
  model.bytes = *bytes;
  model.rows = check_rows_grid(WheelCheckResult{});
  model.holes = check_holes_grid(WheelCheckResult{}, {});
  model.export_holes = false;
  out.grids = true;
  out.list = read.description;
  out.t_text = read.t_text;
  out.m_text = read.m_text;
  out.keys_text = read.wheel.keys > 0 ? std::to_string(read.wheel.keys) : "";
  out.summary = "";
  out.bar = 0;
  out.focus = CheckWheelFocus::check;
  return out;
}

CheckWheelOutcome check_wheel_use_tset(const AppState& state) {
  CheckWheelOutcome out;
  std::vector<int> numbers;
  for (int p = 1; p <= state.tset_size && p < static_cast<int>(state.tset_numbers.size()); ++p)
    if (state.tset_numbers[p] > 0) numbers.push_back(state.tset_numbers[p]);
  if (numbers.empty())
    out.message = messages().select_tset;
  else
    out.set_text = numbers_text(numbers);
  return out;
}

CheckWheelOutcome check_wheel_run(CheckWheelModel& model, std::string_view set_text, std::string_view t_text,
                                  std::string_view m_text, std::string_view keys_text) {
  CheckWheelOutcome out;
  if (model.running) return out;
  const bool opened = !model.bytes.empty();
  TicketListRead read;
  if (opened) {
    read = read_ticket_list(model.bytes, set_text);
    if (!read.ok) {
      out.message = read.message;
      out.focus = CheckWheelFocus::set;
      return out;
    }
  }
  static_cast<CheckWheelStart&>(out) =
      check_wheel_start(opened ? &read.wheel : nullptr, t_text, m_text, keys_text);
  if (!out.start) {
    if (!opened) out.focus = CheckWheelFocus::open;
    return out;
  }
  model.wheel = std::move(read.wheel);
  model.wheel.keys = out.keys;
  model.set_numbers = parse_set_numbers(set_text).value_or(std::vector<int>{});
  model.running = true;
  model.stopping = false;
  out.list = read.description;
  out.summary = DS_TR("Checking\u2026");
  out.bar = 0;
  out.focus = CheckWheelFocus::stop;
  return out;
}

CheckWheelOutcome check_wheel_stop(CheckWheelModel& model) {
  model.stopping = model.running;
  return {};
}

CheckWheelOutcome check_wheel_poll(const CheckProgress& progress) {
  CheckWheelOutcome out;
  const std::uint64_t total = progress.total.load(), done = progress.done.load();
  if (total > 0) out.bar = static_cast<int>(std::min<std::uint64_t>(1000, done * 1000 / total));
  return out;
}

CheckWheelOutcome check_wheel_finish(CheckWheelModel& model, const WheelCheckResult& result) {
  CheckWheelOutcome out;
  model.running = model.stopping = false;
  out.summary = check_summary_text(result);
  out.focus = CheckWheelFocus::check;
  if (!result.complete) {
    out.bar = 0;
    return out;
  }
  out.bar = 1000;
  model.rows = check_rows_grid(result);
  model.rows.set_col_width_factor(1, 1.2);
  model.rows.set_col_width_factor(2, 1.2);
  model.holes = check_holes_grid(result, model.set_numbers);
  model.holes.set_col_width_factor(1, 1.6);
  model.export_holes = model.holes.rows() > 1;
  out.grids = true;
  return out;
}

}  // namespace ds
