#include "analyses/ledger.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <set>

#include "analyses/backtest.h"
#include "lotto/lotto_files.h"
#include "shell/fields.h"
#include "shell/files.h"
#include "shell/numbers.h"

namespace ds {

namespace {

constexpr int max_ledger_number = 99;

std::vector<std::string_view> words(std::string_view line, std::string_view separators = " \t") {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && separators.find(line[i]) != std::string_view::npos) ++i;
    const std::size_t start = i;
    while (i < line.size() && separators.find(line[i]) == std::string_view::npos) ++i;
    if (i > start) out.push_back(line.substr(start, i - start));
  }
  return out;
}

std::string iso_text(DayNumber day) { return format_date(day, DateFormat::iso()); }

std::optional<int> whole_in(std::string_view text, int low, int high) {
  for (const char c : text)
    if (c < '0' || c > '9') return std::nullopt;
  const auto v = parse_whole(text);
  if (!v || *v < low || *v > high) return std::nullopt;
  return static_cast<int>(*v);
}

// Money and shares: a plain decimal with '.', finite and not negative.
std::optional<double> amount(std::string_view text) {
  if (text.empty() || text.find_first_not_of("0123456789.") != std::string_view::npos) return std::nullopt;
  const auto v = parse_plain_double(text);
  if (!v || !std::isfinite(*v) || *v < 0) return std::nullopt;
  return v;
}

// A play's numbers from the words after its label: main numbers, then "+" and the
// second-pool numbers. "" or why not.
std::string read_numbers(const std::vector<std::string_view>& w, std::size_t first, LedgerPlay& play) {
  bool after_plus = false;
  for (std::size_t i = first; i < w.size(); ++i) {
    if (w[i] == "+") {
      if (after_plus) return "a second '+'";
      if (play.main.empty()) return "no main number before '+'";
      after_plus = true;
      continue;
    }
    const auto n = whole_in(w[i], 1, max_ledger_number);
    if (!n)
      return "'" + std::string(w[i]) + "' is not a number from 1 to " + std::to_string(max_ledger_number);
    auto& list = after_plus ? play.second : play.main;
    if (std::find(list.begin(), list.end(), *n) != list.end())
      return "the number " + std::to_string(*n) + " is there twice";
    list.push_back(*n);
  }
  if (play.main.empty()) return "no number";
  if (after_plus && play.second.empty()) return "no number after '+'";
  return "";
}

// Why the game cannot pay `play`, or "".
std::string play_problem(const LedgerPlay& play, const LottoDefinition& game) {
  if (static_cast<int>(play.main.size()) != game.pick_n)
    return "it has " + std::to_string(play.main.size()) + " main numbers; the lotto draws " +
           std::to_string(game.pick_n);
  for (const int n : play.main)
    if (n > game.play_n) return "the number " + std::to_string(n) + " is past " + std::to_string(game.play_n);
  if (static_cast<int>(play.second.size()) != game.second_n)
    return "it has " + std::to_string(play.second.size()) + " second-pool numbers; the lotto draws " +
           std::to_string(game.second_n);
  for (const int n : play.second)
    if (n > game.second_pool)
      return "the second-pool number " + std::to_string(n) + " is past " + std::to_string(game.second_pool);
  return "";
}

bool is_label(std::string_view w) {
  return w.size() >= 2 && w[0] == 'N' && w.find_first_not_of("0123456789", 1) == std::string_view::npos;
}

std::string line_ref(int line, std::string_view text) {
  std::string shown(text.substr(0, 80));
  return "line " + std::to_string(line) + " ('" + shown + "'): ";
}

// The dated draws of a table, ascending: (day, row).
std::vector<std::pair<DayNumber, int>> dated_rows(const TextGrid& draws, const DateFormat& format) {
  std::vector<std::pair<DayNumber, int>> out;
  for (int r = 1; r < draws.rows(); ++r)
    if (const auto day = parse_date(draws.cell(r, 0), format)) out.push_back({*day, r});
  std::stable_sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  return out;
}

double shown_cost(float cost) {
  const auto d = parse_plain_double(format_single(cost, NumberFormat{'.'}));
  return d ? *d : static_cast<double>(cost);
}

}  // namespace

std::filesystem::path ledger_path(const std::filesystem::path& games, const std::string& lotto) {
  return games / lotto / ledger_file_name;
}

std::string play_text(const LedgerPlay& play) {
  std::string s = numbers_text(play.main);
  if (!play.second.empty()) s += " + " + numbers_text(play.second);
  return s;
}

std::string entry_text(const LedgerEntry& e) {
  std::string s = "\r\nentry " + iso_text(e.from);
  if (e.period == LedgerEntry::Period::next_draws) s += " next " + std::to_string(e.draws);
  if (e.period == LedgerEntry::Period::range)
    s += " to " + iso_text(e.to) + " draws " + std::to_string(e.draws);
  s += "\r\npaid " + plain_decimal(e.paid) + "\r\n";
  for (const LedgerMember& m : e.members) s += "member " + m.name + " " + plain_decimal(m.share) + "\r\n";
  for (std::size_t i = 0; i < e.plays.size(); ++i)
    s += "N" + std::to_string(i + 1) + " " + play_text(e.plays[i]) + "\r\n";
  return s;
}

std::string ledger_text(const Ledger& ledger) {
  std::string s(ledger_first_line);
  s += "\r\n";
  for (const LedgerEntry& e : ledger.entries) s += entry_text(e);
  return s;
}

std::optional<Ledger> parse_ledger(std::string_view text, std::string& error) {
  const std::vector<std::string_view> lines = split_lines(text);
  if (lines.empty() || trim_blanks(lines[0]) != ledger_first_line) {
    error = "the first line is not '" + std::string(ledger_first_line) + "'";
    return std::nullopt;
  }
  Ledger ledger;
  bool has_paid = false;
  int entry_line = 0;
  const auto close_entry = [&]() -> std::string {
    if (ledger.entries.empty()) return "";
    const LedgerEntry& e = ledger.entries.back();
    if (!has_paid) return "the entry of line " + std::to_string(entry_line) + " has no 'paid' line";
    if (e.plays.empty()) return "the entry of line " + std::to_string(entry_line) + " has no play";
    return "";
  };
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    const std::string_view line = trim_blanks(lines[i]);
    if (line.empty() || line[0] == '#') continue;
    const auto w = words(line);
    const auto fail = [&](const std::string& why) {
      error = line_ref(number, line) + why;
      return std::nullopt;
    };
    if (w[0] == "entry") {
      if (const std::string why = close_entry(); !why.empty()) {
        error = why;
        return std::nullopt;
      }
      LedgerEntry e;
      const auto from = w.size() >= 2 ? iso_day(w[1]) : std::nullopt;
      if (!from) return fail("the entry needs a date as yyyy-mm-dd");
      e.from = e.to = *from;
      if (w.size() == 2) {
        e.period = LedgerEntry::Period::one_draw;
      } else if (w.size() == 4 && w[2] == "next") {
        const auto n = whole_in(w[3], 1, 100000);
        if (!n) return fail("'next' needs a count of draws from 1");
        e.period = LedgerEntry::Period::next_draws;
        e.draws = *n;
      } else if (w.size() == 6 && w[2] == "to" && w[4] == "draws") {
        const auto to = iso_day(w[3]);
        if (!to) return fail("'to' needs a date as yyyy-mm-dd");
        if (*to < *from) return fail("the period ends before it starts");
        const auto n = whole_in(w[5], 1, 100000);
        if (!n) return fail("'draws' needs a count of draws from 1");
        e.period = LedgerEntry::Period::range;
        e.to = *to;
        e.draws = *n;
      } else {
        return fail("an entry is 'entry DATE', 'entry DATE next N' or 'entry DATE to DATE draws N'");
      }
      ledger.entries.push_back(e);
      has_paid = false;
      entry_line = number;
      continue;
    }
    if (ledger.entries.empty()) return fail("a line before the first 'entry'");
    LedgerEntry& e = ledger.entries.back();
    if (w[0] == "paid") {
      if (has_paid) return fail("a second 'paid' line in one entry");
      if (!e.plays.empty()) return fail("'paid' after the plays");
      const auto v = w.size() == 2 ? amount(w[1]) : std::nullopt;
      if (!v) return fail("'paid' needs an amount such as 12.5");
      e.paid = *v;
      has_paid = true;
    } else if (w[0] == "member") {
      if (!e.plays.empty()) return fail("a member after the plays");
      const std::size_t last_blank = line.find_last_of(" \t");
      const std::string_view name = trim_blanks(line.substr(6, last_blank - 6));
      const auto share = w.size() >= 3 ? amount(w.back()) : std::nullopt;
      if (!share || *share <= 0 || name.empty())
        return fail("a member is 'member NAME SHARE', the share above 0");
      e.members.push_back({std::string(name), *share});
    } else if (is_label(w[0])) {
      LedgerPlay play;
      if (const std::string why = read_numbers(w, 1, play); !why.empty()) return fail(why);
      e.plays.push_back(play);
    } else {
      return fail("not an entry, 'paid', 'member' or a play such as 'N1 3 9 17 25 40 41'");
    }
  }
  if (const std::string why = close_entry(); !why.empty()) {
    error = why;
    return std::nullopt;
  }
  return ledger;
}

std::optional<std::vector<LedgerPlay>> parse_plays(std::string_view text, const LottoDefinition& game,
                                                   std::string& error) {
  std::vector<LedgerPlay> plays;
  const std::vector<std::string_view> lines = split_lines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = trim_blanks(lines[i]);
    if (line.empty() || line[0] == '#') continue;
    const auto w = words(line, " \t,;");
    LedgerPlay play;
    std::string why = read_numbers(w, is_label(w[0]) ? 1 : 0, play);
    if (why.empty()) why = play_problem(play, game);
    if (!why.empty()) {
      error = line_ref(static_cast<int>(i) + 1, line) + why + ".";
      return std::nullopt;
    }
    plays.push_back(play);
  }
  if (plays.empty()) {
    error = "it holds no play.";
    return std::nullopt;
  }
  return plays;
}

Settlement settle(const Ledger& ledger, const LottoDefinition& game, const TextGrid& draws,
                  const DateFormat& format) {
  Settlement out;
  const auto dated = dated_rows(draws, format);
  const std::vector<PrizeTier> tiers = prize_tiers(game);
  for (std::size_t ei = 0; ei < ledger.entries.size(); ++ei) {
    const LedgerEntry& e = ledger.entries[ei];
    EntryResult r;
    r.spent = e.paid;
    for (const LedgerPlay& p : e.plays)
      if (r.problem.empty()) r.problem = play_problem(p, game);
    // The draws of the period in the table.
    std::vector<std::pair<DayNumber, int>> found;
    auto it = std::lower_bound(dated.begin(), dated.end(), e.from,
                               [](const auto& d, DayNumber day) { return d.first < day; });
    for (; it != dated.end(); ++it) {
      if (e.period == LedgerEntry::Period::next_draws ? static_cast<int>(found.size()) >= e.draws
                                                      : it->first > e.to)
        break;
      found.push_back(*it);
    }
    r.draws_in = static_cast<int>(found.size());
    r.missing = std::max(0, e.draws - r.draws_in);
    if (r.problem.empty()) {
      for (const auto& [day, row] : found)
        for (std::size_t pi = 0; pi < e.plays.size(); ++pi) {
          const PlayScore s = score_play(game, draws, row, e.plays[pi].main, e.plays[pi].second);
          PlayResult pr{day, static_cast<int>(ei), static_cast<int>(pi), s.main, s.bonus, s.second, s.prize,
                        ""};
          if (s.tier >= 0) pr.tier = tier_label(game, tiers[s.tier]);
          r.won += s.prize;
          out.plays.push_back(pr);
        }
    }
    r.net = r.won - r.spent;
    r.return_per_unit = r.spent > 0 ? r.won / r.spent : 0;
    double shares = 0;
    for (const LedgerMember& m : e.members) shares += m.share;
    for (const LedgerMember& m : e.members)
      r.members.push_back({m.name, r.spent * m.share / shares, r.won * m.share / shares});
    out.spent += r.spent;
    out.won += r.won;
    out.missing += r.missing;
    out.entries.push_back(r);
  }
  out.net = out.won - out.spent;
  out.return_per_unit = out.spent > 0 ? out.won / out.spent : 0;
  return out;
}

int expected_draws(const TextGrid& draws, DayNumber from, DayNumber to, const DateFormat& format) {
  const auto dated = dated_rows(draws, format);
  int count = 0;
  for (const auto& d : dated) count += d.first >= from && d.first <= to;
  if (dated.empty()) return -1;
  const DayNumber last = dated.back().first;
  if (to <= last) return count;
  std::array<bool, 7> weekday{};
  for (const auto& d : dated)
    if (d.first > last - 35) weekday[static_cast<std::size_t>(d.first % 7)] = true;
  for (DayNumber day = std::max(last + 1, from); day <= to; ++day)
    count += weekday[static_cast<std::size_t>(day % 7)];
  return count;
}

std::optional<Ledger> read_ledger(const std::filesystem::path& path, std::string& error) {
  if (!file_exists(path)) return Ledger{};
  const auto bytes = read_file(path);
  if (!bytes) {
    error = "The file '" + path.string() + "' cannot be read.";
    return std::nullopt;
  }
  auto ledger = parse_ledger(*bytes, error);
  if (!ledger) error = "The file '" + path.string() + "' is damaged, " + error + ".";
  return ledger;
}

std::string record_entry(const std::filesystem::path& path, const LedgerEntry& entry) {
  // Held from reading the ledger to replacing it, so that nothing recorded meanwhile is lost.
  const std::optional<SaveLock> lock = SaveLock::take(path);
  if (!lock) return save_lock_refusal(path);
  std::string error;
  if (!read_ledger(path, error)) return error + " Nothing was recorded.";
  // The entry goes after the file's bytes as they are: comments and spacing written by
  // hand stay.
  std::string text = file_exists(path) ? read_file(path).value_or("") : std::string();
  if (text.empty()) text = ledger_text({});
  if (text.back() != '\n' && text.back() != '\r') text += "\r\n";
  text += entry_text(entry);
  if (const std::string why = write_file_atomic(path, text); !why.empty())
    return "Nothing was recorded: " + why;
  return "";
}

std::string remove_entry(const std::filesystem::path& path, int index, const LedgerEntry& entry) {
  const std::optional<SaveLock> lock = SaveLock::take(path);
  if (!lock) return save_lock_refusal(path);
  std::string error;
  const auto ledger = read_ledger(path, error);
  if (!ledger) return error + " Nothing was removed.";
  const auto& entries = ledger->entries;
  int at = index >= 0 && index < static_cast<int>(entries.size()) && entries[index] == entry ? index : -1;
  for (int i = 0; at < 0 && i < static_cast<int>(entries.size()); ++i)
    if (entries[i] == entry) at = i;
  if (at < 0)
    return "The file '" + path.string() +
           "' no longer holds that entry (it was changed outside this window): nothing was removed.";
  // The lines of entry `at`: from its "entry" line to the next entry's, the blank and
  // comment lines just before that next entry left to it.
  const std::string text = read_file(path).value_or("");
  std::vector<std::size_t> starts;  // where each line starts
  for (std::size_t i = 0; i < text.size(); i = text.find('\n', i) + 1) {
    starts.push_back(i);
    if (text.find('\n', i) == std::string::npos) break;
  }
  starts.push_back(text.size());
  const auto line = [&](std::size_t k) {
    std::string_view l = std::string_view(text).substr(starts[k], starts[k + 1] - starts[k]);
    while (!l.empty() && std::string_view(" \t\r\n").find(l.back()) != std::string_view::npos)
      l.remove_suffix(1);
    while (!l.empty() && (l.front() == ' ' || l.front() == '\t')) l.remove_prefix(1);
    return l;
  };
  std::vector<std::size_t> entry_lines;
  for (std::size_t k = 1; k + 1 < starts.size(); ++k)
    if (line(k).rfind("entry", 0) == 0 && (line(k).size() == 5 || line(k)[5] == ' ' || line(k)[5] == '\t'))
      entry_lines.push_back(k);
  std::size_t first = entry_lines[static_cast<std::size_t>(at)];
  std::size_t last = static_cast<std::size_t>(at) + 1 < entry_lines.size()
                         ? entry_lines[static_cast<std::size_t>(at) + 1]
                         : starts.size() - 1;
  while (last > first + 1 && (line(last - 1).empty() || line(last - 1)[0] == '#')) --last;
  // One blank line before the entry goes with it.
  if (first > 1 && line(first - 1).empty()) --first;
  const std::string kept = text.substr(0, starts[first]) + text.substr(starts[last]);
  if (const std::string why = write_file_atomic(path, kept); !why.empty())
    return "Nothing was removed: " + why;
  return "";
}

double entry_price(const LottoDefinition& game, std::size_t plays, int draws) {
  return shown_cost(game.cost) * static_cast<double>(plays) * draws;
}

std::vector<MemberShare> member_totals(const Settlement& s) {
  std::vector<MemberShare> members;
  for (const EntryResult& e : s.entries)
    for (const MemberShare& m : e.members) {
      auto it = std::find_if(members.begin(), members.end(),
                             [&](const MemberShare& x) { return x.name == m.name; });
      if (it == members.end()) it = members.insert(members.end(), {m.name, 0, 0});
      it->paid += m.paid;
      it->won += m.won;
    }
  return members;
}

// ---- The commands ----

namespace {

constexpr const char* ledger_usage =
    "Usage: drawsmith --play FILE --lotto NAME --from YYYY-MM-DD --to YYYY-MM-DD\n"
    "       drawsmith --ledger --lotto NAME\n";

CommandRun wrong(const std::string& why) { return {2, "", why + "\n" + ledger_usage}; }
CommandRun failed(const std::string& why) { return {1, "", why + "\n"}; }

// The lotto's definition and draws, or the message.
std::string read_lotto(const std::filesystem::path& games, const std::string& name, const DateFormat& format,
                       LottoDefinition& game, TextGrid& draws) {
  if (!folder_exists(games / name)) return "There is no lotto named '" + name + "'.";
  if (const std::string error = read_definition(games, name, game); !error.empty())
    return "The lotto '" + name + "' cannot be used: " + error;
  if (!file_exists(games / name / "draws.txt")) {
    reset_draw_grid(draws);
    return "";
  }
  const ReadDrawsResult read = read_draws(games, name, draws, format, game);
  if (!read.message.empty()) return "The draws of '" + name + "' must be corrected first: " + read.message;
  return "";
}

CommandRun play_command(const std::string& file, const std::string& name, DayNumber from, DayNumber to,
                        const std::filesystem::path& games, const DateFormat& format) {
  LottoDefinition game;
  TextGrid draws;
  if (const std::string why = read_lotto(games, name, format, game, draws); !why.empty()) return failed(why);
  const auto bytes = read_file(file);
  if (!bytes) return failed("The file '" + file + "' cannot be read.");
  std::string error;
  const auto plays = parse_plays(*bytes, game, error);
  if (!plays) return failed("The file '" + file + "' holds no plays of '" + name + "': " + error);
  const int count = expected_draws(draws, from, to, format);
  if (count < 0)
    return failed("The lotto '" + name +
                  "' has no draws yet to tell on which days it draws; nothing was recorded.");
  if (count == 0)
    return failed("No draw of '" + name + "' falls from " + iso_text(from) + " to " + iso_text(to) +
                  "; nothing was recorded.");
  LedgerEntry entry;
  entry.from = from;
  entry.to = to;
  entry.period = from == to ? LedgerEntry::Period::one_draw : LedgerEntry::Period::range;
  entry.draws = count;
  entry.plays = *plays;
  entry.paid = entry_price(game, plays->size(), count);
  const std::filesystem::path path = ledger_path(games, name);
  if (const std::string why = record_entry(path, entry); !why.empty()) return failed(why);
  return {0,
          "Recorded " + std::to_string(plays->size()) + (plays->size() == 1 ? " play" : " plays") + " for " +
              (from == to ? "the draw of " + iso_text(from)
                          : std::to_string(count) + (count == 1 ? " draw" : " draws") + " from " +
                                iso_text(from) + " to " + iso_text(to)) +
              ", paid " + plain_decimal(entry.paid) + ", in '" + path.string() + "'.\n",
          ""};
}

CommandRun ledger_command(const std::string& name, const std::filesystem::path& games,
                          const DateFormat& format) {
  LottoDefinition game;
  TextGrid draws;
  if (const std::string why = read_lotto(games, name, format, game, draws); !why.empty()) return failed(why);
  std::string error;
  const auto ledger = read_ledger(ledger_path(games, name), error);
  if (!ledger) return failed(error);
  const Settlement s = settle(*ledger, game, draws, format);
  CommandRun run;
  for (const PlayResult& p : s.plays)
    run.out += iso_text(p.day) + "," + play_text(ledger->entries[p.entry].plays[p.play]) + "," +
               plain_decimal(p.prize) + "\n";
  run.out += "total spent " + plain_decimal(s.spent) + " won " + plain_decimal(s.won) + "\n";
  for (const MemberShare& m : member_totals(s))
    run.out += "member " + m.name + " paid " + plain_decimal(m.paid) + " won " + plain_decimal(m.won) + "\n";
  for (std::size_t i = 0; i < s.entries.size(); ++i) {
    const EntryResult& e = s.entries[i];
    const std::string which = "The entry from " + iso_text(ledger->entries[i].from);
    if (!e.problem.empty()) run.err += which + " is not checked: a play cannot be paid, " + e.problem + ".\n";
    if (e.missing > 0)
      run.err +=
          which + " waits for " + std::to_string(e.missing) + (e.missing == 1 ? " draw.\n" : " draws.\n");
  }
  return run;
}

}  // namespace

bool wants_ledger_command(const std::vector<std::string>& args) {
  return std::any_of(args.begin(), args.end(),
                     [](const std::string& a) { return a == "--play" || a == "--ledger"; });
}

CommandRun run_ledger_command(const std::vector<std::string>& args, const std::filesystem::path& games,
                              const DateFormat& format) {
  std::string file, name, from_text, to_text;
  bool play = false, ledger = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::string* value = a == "--play"    ? &file
                         : a == "--lotto" ? &name
                         : a == "--from"  ? &from_text
                         : a == "--to"    ? &to_text
                                          : nullptr;
    if (a == "--ledger") {
      ledger = true;
      continue;
    }
    if (!value) return wrong("Unknown argument '" + a + "'.");
    if (i + 1 >= args.size()) return wrong("'" + a + "' needs a value.");
    *value = args[++i];
    play = play || a == "--play";
  }
  if (play == ledger) return wrong("Give either --play FILE or --ledger.");
  if (name.empty()) return wrong("Give the lotto with --lotto NAME.");
  if (ledger) {
    if (!from_text.empty() || !to_text.empty()) return wrong("--ledger takes no period.");
    return ledger_command(name, games, format);
  }
  const auto from = iso_day(from_text), to = iso_day(to_text);
  if (!from || !to) return wrong("Give the period with --from YYYY-MM-DD --to YYYY-MM-DD.");
  if (*to < *from) return wrong(DS_TR_NOOP("The period ends before it starts."));
  return play_command(file, name, *from, *to, games, format);
}

}  // namespace ds
