#include "analyses/tickets_handlers.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "lotto/draw_import.h"
#include "lotto/lotto_files.h"
#include "shell/fields.h"
#include "shell/files.h"
#include "shell/game.h"
#include "shell/numbers.h"
#include "systems/catalogue.h"
#include "systems/played_system.h"
#include "systems/system_handlers.h"

namespace ds {

namespace {

using Focus = TicketsFocus;

TicketsOutcome refusal(const std::string& message, Focus focus = Focus::none) {
  TicketsOutcome r;
  r.message = message;
  r.focus = focus;
  return r;
}

// Money as the window shows it: to the cent, with the region's decimal sign.
std::string money(double value, const NumberFormat& nf) {
  const double cents = std::round(value * 100) / 100;
  return format_general(cents == 0 ? 0 : cents, nf);
}

std::string date_text(DayNumber day, const DateFormat& format) { return format_date(day, format); }

// A date as the region writes it, or yyyy-mm-dd.
std::optional<DayNumber> typed_date(std::string_view text, const DateFormat& format) {
  const std::string_view t = trim_blanks(text);
  if (auto day = parse_date(t, format)) return day;
  return iso_day(t);
}

std::string period_text(const LedgerEntry& e, const DateFormat& f) {
  switch (e.period) {
    case LedgerEntry::Period::one_draw:
      return "the draw of " + date_text(e.from, f);
    case LedgerEntry::Period::next_draws:
      return "the next " + std::to_string(e.draws) + (e.draws == 1 ? " draw" : " draws") + " from " +
             date_text(e.from, f);
    case LedgerEntry::Period::range:
      return date_text(e.from, f) + " to " + date_text(e.to, f) + " (" + std::to_string(e.draws) +
             (e.draws == 1 ? " draw)" : " draws)");
  }
  return "";
}

std::string members_text(const LedgerEntry& e) {
  std::string s;
  for (const LedgerMember& m : e.members) s += (s.empty() ? "" : ", ") + member_text(m);
  return s;
}

std::string matches_text(const PlayResult& p, const LottoDefinition& game) {
  std::string s = std::to_string(p.main);
  if (p.bonus) s += "+bonus";
  if (game.second_n > 0) s += " + " + std::to_string(p.second);
  return s;
}

void set_row(TextGrid& grid, int row, const std::vector<std::string>& cells) {
  for (std::size_t c = 0; c < cells.size(); ++c) grid.set_cell(row, static_cast<int>(c), cells[c]);
}

void start_grids(TicketsModel& m) {
  const std::vector<std::string> entries{"Entry",    "Draws bought", "Plays", "Paid",   "Members",
                                         "Draws in", "Won",          "Net",   "Return", "State"};
  const std::vector<std::string> plays{"Entry",   "Draw",        "Numbers",
                                       "Matches", "Prize class", DS_TR_NOOP("Prize")};
  const std::vector<std::string> members{"Member", "Paid", "Won", "Net"};
  m.entries = TextGrid(1, static_cast<int>(entries.size()));
  set_row(m.entries, 0, entries);
  m.plays = TextGrid(1, static_cast<int>(plays.size()));
  set_row(m.plays, 0, plays);
  m.members = TextGrid(1, static_cast<int>(members.size()));
  set_row(m.members, 0, members);
  // The period, members, state and numbers read whole.
  for (const auto& [col, factor] : {std::pair{1, 2.4}, {4, 1.6}, {9, 1.8}})
    m.entries.set_col_width_factor(col, factor);
  m.plays.set_col_width_factor(2, 1.9);
  m.plays.set_col_width_factor(4, 0.8);
}

// The tables, totals and running net of the model's settlement.
void show_settlement(TicketsModel& m, const AppState& s) {
  const NumberFormat& nf = s.number_format;
  const DateFormat& df = s.date_format;
  start_grids(m);
  const Settlement& st = m.settlement;
  std::map<DayNumber, double> change;  // by date: prizes less prices
  for (std::size_t i = 0; i < m.ledger.entries.size(); ++i) {
    const LedgerEntry& e = m.ledger.entries[i];
    const EntryResult& r = st.entries[i];
    const std::string state =
        !r.problem.empty() ? "not checked: " + r.problem
        : r.missing > 0    ? std::to_string(r.missing) + (r.missing == 1 ? " draw" : " draws") + " not in yet"
                           : "settled";
    const std::string ret = r.spent > 0 ? format_general(std::round(r.return_per_unit * 100) / 100, nf) : "";
    set_row(m.entries, m.entries.append_row(),
            {std::to_string(i + 1), period_text(e, df), std::to_string(e.plays.size()), money(r.spent, nf),
             members_text(e), std::to_string(r.draws_in), money(r.won, nf), money(r.net, nf), ret, state});
    change[e.from] -= r.spent;
  }
  std::size_t next = 0;  // the play results, in ledger order
  for (std::size_t i = 0; i < m.ledger.entries.size(); ++i) {
    const LedgerEntry& e = m.ledger.entries[i];
    for (; next < st.plays.size() && st.plays[next].entry == static_cast<int>(i); ++next) {
      const PlayResult& p = st.plays[next];
      set_row(m.plays, m.plays.append_row(),
              {std::to_string(i + 1), date_text(p.day, df), play_text(e.plays[p.play]),
               matches_text(p, m.game), p.tier, money(p.prize, nf)});
      change[p.day] += p.prize;
    }
    const EntryResult& r = st.entries[i];
    if (r.problem.empty() && r.missing > 0)
      for (const LedgerPlay& play : e.plays)
        set_row(m.plays, m.plays.append_row(),
                {std::to_string(i + 1), "", play_text(play),
                 std::to_string(r.missing) + (r.missing == 1 ? " draw" : " draws") + " not in yet", "", ""});
  }
  m.running_net.clear();
  double net = 0;
  for (const auto& [day, delta] : change) m.running_net.push_back({day, net += delta});
  for (const MemberShare& ms : member_totals(st))
    set_row(m.members, m.members.append_row(),
            {ms.name, money(ms.paid, nf), money(ms.won, nf), money(ms.won - ms.paid, nf)});
  const std::string currency = m.game.currency.empty() ? "" : " " + m.game.currency;
  m.totals_text = "Spent " + money(st.spent, nf) + currency + ", won " + money(st.won, nf) + currency +
                  ", net " + money(st.net, nf) + currency;
  if (st.spent > 0)
    m.totals_text +=
        ", return " + format_general(std::round(st.return_per_unit * 100) / 100, nf) + " per unit spent";
  m.totals_text += ".";
  if (st.missing > 0)
    m.totals_text +=
        " " + std::to_string(st.missing) + (st.missing == 1 ? " draw" : " draws") + " bought not in yet.";
  if (m.ledger.entries.empty()) m.totals_text = "No tickets recorded for this lotto yet.";
}

TicketsOutcome plays_outcome(const std::vector<LedgerPlay>& plays, const std::string& status) {
  TicketsOutcome r;
  std::string text;
  for (std::size_t i = 0; i < plays.size(); ++i)
    text += "N" + std::to_string(i + 1) + " " + play_text(plays[i]) + "\n";
  r.plays_text = text;
  r.status = status;
  r.focus = Focus::plays;
  return r;
}

}  // namespace

std::string member_text(const LedgerMember& m) { return m.name + " " + plain_decimal(m.share); }

std::vector<std::filesystem::path> tickets_files(const TicketsModel& m) {
  if (m.lotto.empty()) return {};
  return {m.games / m.lotto / "draws.txt", ledger_path(m.games, m.lotto)};
}

TicketsOutcome tickets_open(TicketsModel& m, const AppState& s) {
  m.games = lotto_folder(s.app_folder);
  m.lotto = s.lotto_name;
  m.ledger = {};
  m.settlement = {};
  m.running_net.clear();
  start_grids(m);
  m.totals_text.clear();
  m.lotto_label = s.lotto_name.empty() ? "Not selected" : s.lotto_name;
  if (s.lotto_name.empty()) return refusal(messages().select_lotto);
  m.game = s.lotto;
  m.draws_from_state = s.draws_read;
  if (s.draws_read) {
    m.draws = s.draws;
  } else if (file_exists(m.games / m.lotto / "draws.txt")) {
    const ReadDrawsResult read = read_draws(m.games, m.lotto, m.draws, s.date_format, m.game);
    if (!read.message.empty()) {
      empty_draw_table(m.draws, m.game);
      m.totals_text = "The draws cannot be read.";
      return refusal("The draws of '" + m.lotto + "' must be corrected first: " + read.message);
    }
  } else {
    empty_draw_table(m.draws, m.game);
  }
  std::string error;
  const auto ledger = read_ledger(ledger_path(m.games, m.lotto), error);
  if (!ledger) {
    m.totals_text = "The tickets cannot be read.";
    return refusal(error + " Correct it with a text editor; the window shows it again once it reads.");
  }
  m.ledger = *ledger;
  m.settlement = settle(m.ledger, m.game, m.draws, s.date_format);
  show_settlement(m, s);
  return {};
}

TicketsOutcome plays_from_system(const TicketsModel& m, const AppState& s) {
  if (m.lotto.empty()) return refusal(messages().select_lotto);
  const std::string id(trim_blanks(s.system_id));
  if (id.empty()) {
    TicketsOutcome r = refusal("Choose a system or a made wheel in the Systems window first.");
    r.show = WindowId::system;
    return r;
  }
  if (s.tset_size <= 0 || s.tset_numbers[1] <= 0) {
    TicketsOutcome r = refusal(std::string(no_tset_numbers_message));
    r.show = WindowId::tsets;
    return r;
  }
  // As the Systems window expands them: a catalogue system from the base tickets the
  // state carries, a made wheel from its file.
  std::vector<std::vector<int>> positions;
  int v = 0, t = 0, k = 0;
  if (s.wheel_tickets == 0 && names_catalogue_system(id) && parse_system_id(id, v, t, k) &&
      s.ticket_count > 0) {
    positions = expand_tickets(s.tickets, s.ticket_count, v, k);
  } else {
    const PlayedLookup lookup = find_played_system(id, s.app_folder);
    if (!lookup.found) return refusal(lookup.why);
    v = lookup.played.v;
    k = lookup.played.k;
    positions = lookup.played.tickets;
  }
  if (v != s.tset_size || k != m.game.pick_n)
    return refusal("The system " + id + " is for " + std::to_string(v) + " numbers with " +
                   std::to_string(k) + " numbers per ticket; the targeted set has " +
                   std::to_string(s.tset_size) + " numbers and the lotto draws " +
                   std::to_string(m.game.pick_n) + ".");
  std::vector<std::vector<int>> second_sets(1);
  if (m.game.second_n > 0) {
    if (static_cast<int>(s.second_picks.size()) < m.game.second_n) {
      TicketsOutcome r = refusal("Pick the second-pool numbers to play in the Systems window first.");
      r.show = WindowId::system;
      return r;
    }
    second_sets = second_subsets(s.second_picks, m.game.second_n);
  }
  std::vector<LedgerPlay> plays;
  for (const auto& ticket : positions)
    for (const auto& second : second_sets) {
      LedgerPlay p;
      for (const int pos : ticket) p.main.push_back(s.tset_numbers[static_cast<std::size_t>(pos)]);
      p.second = second;
      plays.push_back(p);
    }
  if (plays.empty()) return refusal("The system " + id + " holds no tickets.");
  return plays_outcome(plays, std::to_string(plays.size()) + " plays of " + id + " on the set " +
                                  s.tset_name + ". Give the period and Add.");
}

TicketsOutcome plays_from_file(const TicketsModel& m, const std::filesystem::path& file,
                               const std::string& shown) {
  if (m.lotto.empty()) return refusal(messages().select_lotto);
  const auto bytes = read_file(file);
  if (!bytes) return refusal("The file '" + shown + "' cannot be read.");
  std::string error;
  const auto plays = parse_plays(*bytes, m.game, error);
  if (!plays) return refusal("The file '" + shown + "' holds no plays of '" + m.lotto + "': " + error);
  return plays_outcome(
      *plays, std::to_string(plays->size()) + " plays read from '" + shown + "'. Give the period and Add.");
}

TicketsOutcome add_member(TicketsModel& m, std::string_view name_text, std::string_view share_text,
                          bool by_amount, const NumberFormat& nf) {
  const std::string_view name = trim_blanks(name_text);
  if (name.empty() || name.find_first_of("\t\r\n#") != std::string_view::npos)
    return refusal("Type the member's name.", Focus::member);
  for (const LedgerMember& x : m.new_members)
    if (x.name == name) return refusal("'" + std::string(name) + "' is a member already.", Focus::member);
  double share = 1;
  if (by_amount) {
    const auto v = parse_double(share_text, nf);
    if (!v || !std::isfinite(*v) || *v <= 0)
      return refusal("Type the amount the member paid, above 0 (such as 2.5).", Focus::share);
    share = *v;
  }
  // The file holds the share as the name's last word: a name ending in a number would
  // read back otherwise.
  const std::size_t last_blank = name.find_last_of(' ');
  if (last_blank != std::string_view::npos &&
      name.substr(last_blank + 1).find_first_not_of("0123456789.") == std::string_view::npos)
    return refusal("A name cannot end in a number; write it otherwise.", Focus::member);
  m.new_members.push_back({std::string(name), share});
  TicketsOutcome r;
  r.focus = Focus::member;
  return r;
}

void remove_member(TicketsModel& m, int index) {
  if (index >= 0 && index < static_cast<int>(m.new_members.size()))
    m.new_members.erase(m.new_members.begin() + index);
}

TicketsOutcome add_entry(TicketsModel& m, const TicketsForm& f, const AppState& s) {
  if (m.lotto.empty() || m.lotto != s.lotto_name) {
    TicketsOutcome r = refusal(messages().select_lotto);
    r.show = WindowId::lotto;
    return r;
  }
  const auto from = typed_date(f.from, s.date_format);
  if (!from)
    return refusal("Type the date of the first draw bought, as " + format_date(today(), s.date_format) + ".",
                   Focus::from);
  LedgerEntry e;
  e.from = e.to = *from;
  if (f.period == EntryPeriod::next_draws) {
    const auto n = parse_whole(f.count);
    if (!n || *n < 1 || *n > 100000) return refusal("Type how many draws, from 1.", Focus::count_box);
    e.period = LedgerEntry::Period::next_draws;
    e.draws = static_cast<int>(*n);
  } else if (f.period == EntryPeriod::range) {
    const auto to = typed_date(f.to, s.date_format);
    if (!to) return refusal("Type the date of the last draw bought.", Focus::to);
    if (*to < *from) return refusal(DS_TR_NOOP("The period ends before it starts."), Focus::to);
    const int count = expected_draws(m.draws, *from, *to, s.date_format);
    if (count < 0)
      return refusal("The lotto '" + m.lotto +
                         "' has no draws yet to tell on which days it draws: choose the next draws instead.",
                     Focus::to);
    if (count == 0) return refusal("No draw of '" + m.lotto + "' falls in that period.", Focus::to);
    e.period = *to == *from ? LedgerEntry::Period::one_draw : LedgerEntry::Period::range;
    e.to = *to;
    e.draws = count;
  }
  std::string error;
  const auto plays = parse_plays(f.plays, m.game, error);
  if (!plays) return refusal("The plays cannot be read: " + error, Focus::plays);
  e.plays = *plays;
  if (trim_blanks(f.paid).empty()) {
    e.paid = entry_price(m.game, e.plays.size(), e.draws);
  } else {
    const auto v = parse_double(f.paid, s.number_format);
    if (!v || !std::isfinite(*v) || *v < 0)
      return refusal(
          "Type the price paid for the whole entry (such as 12.5), or leave it empty for the "
          "lotto's cost of the plays.",
          Focus::paid);
    e.paid = *v;
  }
  e.members = m.new_members;
  if (const std::string why = record_entry(ledger_path(m.games, m.lotto), e); !why.empty())
    return refusal(why);
  m.new_members.clear();
  TicketsOutcome r = tickets_open(m, s);
  if (!r.message.empty()) return r;
  r.form_cleared = true;
  r.plays_text = "";
  r.focus = Focus::entries;
  r.status = "Recorded " + std::to_string(e.plays.size()) + (e.plays.size() == 1 ? " play" : " plays") +
             " for " + period_text(e, s.date_format) + ", paid " + money(e.paid, s.number_format) + ".";
  return r;
}

std::string remove_question(const TicketsModel& m, int index) {
  if (index < 0 || index >= static_cast<int>(m.ledger.entries.size())) return "";
  const LedgerEntry& e = m.ledger.entries[static_cast<std::size_t>(index)];
  return "Remove entry " + std::to_string(index + 1) + " (" + std::to_string(e.plays.size()) +
         (e.plays.size() == 1 ? " play" : " plays") + " for " + period_text(e, DateFormat::iso()) +
         ") from the tickets of '" + m.lotto + "'?";
}

TicketsOutcome remove_chosen_entry(TicketsModel& m, int index, const AppState& s) {
  if (index < 0 || index >= static_cast<int>(m.ledger.entries.size()))
    return refusal("Choose the entry to remove in the list.", Focus::entries);
  const std::string why =
      remove_entry(ledger_path(m.games, m.lotto), index, m.ledger.entries[static_cast<std::size_t>(index)]);
  TicketsOutcome r = tickets_open(m, s);
  if (!why.empty()) {
    if (r.message.empty()) r.message = why;
    return r;
  }
  r.status = "Entry " + std::to_string(index + 1) + " removed.";
  r.focus = Focus::entries;
  return r;
}

PrintOutcome print_tickets(const TicketsModel& m) {
  PrintOutcome r;
  if (m.ledger.entries.empty()) {
    r.message = "There are no tickets to print.";
    return r;
  }
  r.title = "Print my tickets";
  r.document = "My tickets - " + m.lotto;
  const auto table = [](const TextGrid& g) {
    std::string h = "<table cellspacing=\"0\" cellpadding=\"3\" border=\"1\">\n";
    for (int row = 0; row < g.rows(); ++row) {
      h += "<tr>";
      for (int c = 0; c < g.cols(); ++c)
        h += (row == 0 ? "<th>" : "<td>") + html_escape(g.cell(row, c)) + (row == 0 ? "</th>" : "</td>");
      h += "</tr>\n";
    }
    return h + "</table>\n";
  };
  r.html =
      "<html><head><meta charset=\"utf-8\"><title>" + html_escape(r.document) + "</title></head><body>\n";
  r.html += "<h2>My tickets: " + html_escape(m.lotto) + "</h2>\n<p>" + html_escape(m.totals_text) + "</p>\n";
  r.html += "<h3>Entries</h3>\n" + table(m.entries);
  if (m.members.rows() > 1) r.html += "<h3>Members</h3>\n" + table(m.members);
  r.html += "<h3>Plays</h3>\n" + table(m.plays) + "</body></html>\n";
  return r;
}

}  // namespace ds
