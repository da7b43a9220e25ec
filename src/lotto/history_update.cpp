#include "lotto/history_update.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "lotto/lotto_files.h"
#include "lotto/lotto_handlers.h"
#include "shell/fields.h"
#include "shell/files.h"

namespace ds {

namespace {

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// A row's draw as a comparable key: main numbers sorted, the bonus, second pool sorted.
struct DrawKey {
  std::vector<int> main, second;
  int bonus = 0;
};
DrawKey key_of(const ImportRow& row, const LottoDefinition& game) {
  DrawKey k;
  for (int i = 0; i < game.pick_n && i < 7; ++i) k.main.push_back(row.numbers[i]);
  for (int j = 0; j < game.second_n && j < 2; ++j) k.second.push_back(row.second[j]);
  std::sort(k.main.begin(), k.main.end());
  std::sort(k.second.begin(), k.second.end());
  k.bonus = row.bonus;
  return k;
}
std::string key_text(const DrawKey& k) {
  std::string s = numbers_text(k.main);
  if (k.bonus > 0) s += " bonus " + std::to_string(k.bonus);
  if (!k.second.empty()) s += " + " + numbers_text(k.second);
  return s;
}

}  // namespace

std::filesystem::path sources_path(const std::filesystem::path& games, const std::string& lotto) {
  return games / lotto / sources_file_name;
}

std::string sources_text(const HistorySources& s) {
  std::string out = std::string(sources_first_line) + "\r\nhistory " + s.history + "\r\n";
  if (!s.check.empty()) out += "check " + s.check + "\r\n";
  return out;
}

bool fetchable_address(std::string_view url) {
  const std::string u = lower(url);
  const std::size_t scheme = u.rfind("https://", 0) == 0 ? 8 : u.rfind("http://", 0) == 0 ? 7 : 0;
  if (scheme == 0 || u.size() <= scheme) return false;
  return u[scheme] != '/' && url.find_first_of(" \t\r\n") == std::string_view::npos;
}

std::optional<HistorySources> parse_sources(std::string_view text, std::string& error) {
  const auto lines = split_lines(text);
  if (lines.empty() || trim_blanks(lines[0]) != sources_first_line) {
    error = "the first line is not '" + std::string(sources_first_line) + "'";
    return std::nullopt;
  }
  HistorySources s;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string_view line = trim_blanks(lines[i]);
    if (line.empty() || line[0] == '#') continue;
    const std::size_t blank = line.find(' ');
    const std::string_view key = line.substr(0, blank);
    const std::string_view value = blank == std::string_view::npos ? "" : trim_blanks(line.substr(blank));
    std::string* slot = key == "history" ? &s.history : key == "check" ? &s.check : nullptr;
    if (!slot || !slot->empty() || !fetchable_address(value)) {
      error = "line " + std::to_string(i + 1) + " ('" + std::string(line.substr(0, 80)) +
              "') is not 'history URL' or 'check URL' once each, with an http:// or https:// address";
      return std::nullopt;
    }
    *slot = std::string(value);
  }
  if (s.history.empty()) {
    error = "it names no history address";
    return std::nullopt;
  }
  return s;
}

std::string fetched_page_refusal(const FetchedPage& page, const std::string& url) {
  const std::string at = " (" + url + ")";
  switch (page.outcome) {
    case FetchedPage::Outcome::http_error:
      return "The server answered " + std::to_string(page.status) +
             (page.status == 404 ? ", no such page" : "") + at + ": nothing was stored.";
    case FetchedPage::Outcome::timed_out:
      return "The server did not answer in time" + at + ": nothing was stored.";
    case FetchedPage::Outcome::failed:
      return "The history could not be fetched" + at + ": " + page.detail + ". Nothing was stored.";
    case FetchedPage::Outcome::received:
      break;
  }
  const std::string_view b = page.bytes;
  std::size_t start = b.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
  while (start < b.size() && std::isspace(static_cast<unsigned char>(b[start]))) ++start;
  if (start == b.size()) return "The page" + at + " is empty: nothing was stored.";
  const std::string head = lower(b.substr(start, 1024));
  if (lower(page.content_type).find("html") != std::string::npos || head[0] == '<' ||
      head.find("<html") != std::string::npos)
    return "The page" + at + " is a web page, not a draw history (CSV): nothing was stored.";
  if (page.declared_length >= 0 && static_cast<long long>(b.size()) != page.declared_length)
    return "The history" + at + " came with " + std::to_string(b.size()) + " of its " +
           std::to_string(page.declared_length) + " bytes: it was cut short, and nothing was stored.";
  if (b.back() != '\n' && b.back() != '\r')
    return "The history" + at +
           " ends in the middle of a line: it was cut short (its last draw may have lost numbers), and "
           "nothing was stored.";
  return "";
}

int cross_check(ImportPreview& preview, const ImportPreview& check) {
  std::map<DayNumber, DrawKey> other;
  for (const ImportRow& r : check.rows)
    if (r.status != ImportRowStatus::refused) other.emplace(r.day, key_of(r, check.game));
  int unconfirmed = 0;
  for (ImportRow& r : preview.rows) {
    if (r.status != ImportRowStatus::fresh) continue;
    const auto it = other.find(r.day);
    if (it == other.end()) {
      ++unconfirmed;
      continue;
    }
    const DrawKey mine = key_of(r, preview.game);
    const DrawKey& theirs = it->second;
    const bool bonus_differs = mine.bonus != theirs.bonus && mine.bonus > 0 && theirs.bonus > 0;
    if (mine.main == theirs.main && mine.second == theirs.second && !bonus_differs) continue;
    r.status = ImportRowStatus::conflict;
    r.reason = "the history gives " + key_text(mine) + " for " + format_date(r.day, DateFormat::iso()) +
               ", the second source " + key_text(theirs) + "; neither is stored.";
    --preview.fresh;
    ++preview.conflicts;
  }
  return unconfirmed;
}

bool wants_update_command(const std::vector<std::string>& args) {
  return std::find(args.begin(), args.end(), "--update") != args.end();
}

UpdateRequest parse_update_arguments(const std::vector<std::string>& args) {
  UpdateRequest r;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--update") continue;
    if (a == "--day-month" || a == "--month-day") {
      r.order = a == "--day-month" ? DayMonthOrder::day_month : DayMonthOrder::month_day;
      continue;
    }
    std::string* value = a == "--lotto"       ? &r.lotto
                         : a == "--url"       ? &r.url
                         : a == "--check-url" ? &r.check_url
                                              : nullptr;
    if (!value) {
      r.error = "Unknown argument '" + a + "'.";
      return r;
    }
    if (i + 1 >= args.size()) {
      r.error = "'" + a + "' needs a value.";
      return r;
    }
    *value = args[++i];
  }
  if (r.lotto.empty())
    r.error = "Give the lotto with --lotto NAME.";
  else if (!r.url.empty() && !fetchable_address(r.url))
    r.error = "'" + r.url + "' is not an http:// or https:// address.";
  else if (!r.check_url.empty() && !fetchable_address(r.check_url))
    r.error = "'" + r.check_url + "' is not an http:// or https:// address.";
  return r;
}

std::optional<HistorySources> update_sources(const UpdateRequest& request, const std::filesystem::path& games,
                                             std::string& error) {
  if (!folder_exists(games / request.lotto)) {
    error = "There is no lotto named '" + request.lotto + "'.";
    return std::nullopt;
  }
  HistorySources s;
  const auto path = sources_path(games, request.lotto);
  if (file_exists(path)) {
    const auto bytes = read_file(path);
    std::string why;
    const auto read = bytes ? parse_sources(*bytes, why) : std::nullopt;
    if (!read) {
      error = "The file '" + path.string() + "' " + (bytes ? "is damaged: " + why + "." : "cannot be read.");
      return std::nullopt;
    }
    s = *read;
  }
  if (!request.url.empty()) {
    if (request.url != s.history) s.check.clear();
    s.history = request.url;
  }
  if (!request.check_url.empty()) s.check = request.check_url;
  if (s.history.empty()) {
    error = "No address is known for the history of '" + request.lotto + "': give it with --url URL.";
    return std::nullopt;
  }
  return s;
}

CommandRun update_draws(const UpdateRequest& request, const HistorySources& sources,
                        const FetchedPage& history, const FetchedPage* check,
                        const std::filesystem::path& games, const DateFormat& format) {
  CommandRun run;
  const auto refuse = [&](const std::string& why) {
    run.exit_code = 1;
    run.err += why + "\n";
    return run;
  };
  if (const std::string why = fetched_page_refusal(history, sources.history); !why.empty())
    return refuse(why);
  if (check)
    if (const std::string why = fetched_page_refusal(*check, sources.check); !why.empty())
      return refuse("The second source cannot cross-check the history. " + why);
  int unconfirmed = 0;
  const AdjustPreview adjust = [&](ImportPreview& preview, const TextGrid& table) -> std::string {
    if (!check) return "";
    const ImportPreview other = preview_import(check->bytes, preview.game, table, format, preview.order);
    if (!other.message.empty())
      return "The second source (" + sources.check + ") is no history: " + other.message;
    unconfirmed = cross_check(preview, other);
    return "";
  };
  const ImportFileRun imported =
      import_draws_text(history.bytes, "", games, request.lotto, format, request.order, adjust);
  if (!imported.summary.empty() && imported.summary != imported.message) run.out += imported.summary + "\n";
  if (!imported.message.empty()) {
    if (imported.order_needed) return refuse(imported.message + "\nGive --day-month or --month-day.");
    return refuse(imported.message);
  }
  if (check && unconfirmed > 0)
    run.out += std::to_string(unconfirmed) + (unconfirmed == 1 ? " new draw is" : " new draws are") +
               " not in the second source yet; stored from the history.\n";
  run.out += imported.status + "\n";
  if (const std::string why = remember_sources(games, request.lotto, sources); !why.empty())
    run.err += "The addresses were not remembered: " + why + "\n";
  return run;
}

std::string remember_sources(const std::filesystem::path& games, const std::string& lotto,
                             const HistorySources& sources) {
  const auto path = sources_path(games, lotto);
  const std::optional<SaveLock> lock = SaveLock::take(path);
  return lock ? write_file_atomic(path, sources_text(sources)) : save_lock_refusal(path).english();
}

HistorySources remembered_sources(const std::filesystem::path& games, const std::string& lotto,
                                  std::string& error) {
  const auto path = sources_path(games, lotto);
  if (!file_exists(path)) return {};
  const auto bytes = read_file(path);
  const auto read = bytes ? parse_sources(*bytes, error) : std::nullopt;
  if (!read) {
    error = "The file '" + path.string() + "' " + (bytes ? "is damaged: " + error + "." : "cannot be read.");
    return {};
  }
  return *read;
}

UpdateAddresses update_addresses(std::string_view history, std::string_view check) {
  UpdateAddresses r;
  r.sources.history = std::string(trim_blanks(history));
  r.sources.check = std::string(trim_blanks(check));
  if (r.sources.history.empty()) {
    r.message = "Type the address of the published history (http:// or https://).";
  } else if (!fetchable_address(r.sources.history)) {
    r.message = "'" + r.sources.history + "' is not an http:// or https:// address.";
  } else if (!r.sources.check.empty() && !fetchable_address(r.sources.check)) {
    r.message = "'" + r.sources.check + "' is not an http:// or https:// address.";
    r.focus = 1;
  }
  return r;
}

UpdateReview update_review(const HistorySources& sources, const FetchedPage& history,
                           const FetchedPage* check, const std::filesystem::path& games,
                           const std::string& lotto, const DateFormat& format, int order_choice) {
  UpdateReview r;
  if (const std::string why = fetched_page_refusal(history, sources.history); !why.empty()) {
    r.message = why;
    return r;
  }
  if (check)
    if (const std::string why = fetched_page_refusal(*check, sources.check); !why.empty()) {
      r.message = "The second source cannot cross-check the history. " + why;
      return r;
    }
  AppState s;
  s.date_format = format;
  if (const std::string error = read_definition(games, lotto, s.lotto); !error.empty()) {
    r.message = DS_TR("The lotto '%1' cannot be used: %2").arg(lotto).arg(Text(error));
    return r;
  }
  const auto path = games / lotto / "draws.txt";
  r.draws_file = take_fingerprint(path);
  TextGrid table;
  if (file_exists(path)) {
    const ReadDrawsResult read = read_draws(games, lotto, table, format, s.lotto);
    if (!read.message.empty()) {
      r.message = DS_TR("The draws of '%1' must be corrected first: %2").arg(lotto).arg(Text(read.message));
      return r;
    }
  } else {
    empty_draw_table(table, s.lotto);
  }
  ImportReviewResult review = import_review(history.bytes, table, s, order_choice);
  r.ask_order = review.ask_order;
  r.order_question = review.order_question;
  r.order_choices = review.order_choices;
  if (review.ask_order) return r;
  if (!review.message.empty()) {
    r.message = review.message.english() + " Nothing was stored.";
    return r;
  }
  r.preview = std::move(review.preview);
  if (check) {
    const ImportPreview other = preview_import(check->bytes, r.preview.game, table, format, r.preview.order);
    if (!other.message.empty()) {
      r.message = "The second source (" + sources.check + ") is no history: " + other.message +
                  " Nothing was stored.";
      return r;
    }
    r.unconfirmed = cross_check(r.preview, other);
  }
  r.summary = import_summary(r.preview);
  if (check && r.unconfirmed > 0)
    r.summary =
        (r.unconfirmed == 1
             ? DS_TR("%1\n%2 new draw is not in the second source yet; Import stores it from the history.")
             : DS_TR("%1\n%2 new draws are not in the second source yet; Import stores it from the history."))
            .arg(r.summary)
            .arg(r.unconfirmed);
  r.grid = import_preview_grid(r.preview);
  if (r.preview.fresh > 0) r.accept = "Import";
  return r;
}

UpdateStored update_store(const UpdateReview& review, const HistorySources& sources,
                          const std::filesystem::path& games, const std::string& lotto,
                          const DateFormat& format) {
  UpdateStored r;
  if (review.preview.fresh == 0) {
    r.status = "Nothing was stored: the history holds no new draw.";
  } else {
    const auto path = games / lotto / "draws.txt";
    const std::optional<SaveLock> lock = SaveLock::take(path);
    if (!lock) {
      r.message = save_lock_refusal(path);
      return r;
    }
    if (file_changed(review.draws_file, take_fingerprint(path))) {
      r.message = "The file 'draws.txt' of '" + lotto +
                  "' was changed while the update was being reviewed. Nothing was stored; update again.";
      return r;
    }
    TextGrid table;
    if (file_exists(path))
      read_draws(games, lotto, table, format, review.preview.game);
    else
      empty_draw_table(table, review.preview.game);
    const ImportWrite w = write_import(games, lotto, table, review.preview, format);
    if (!w.written) {
      r.message = w.message;
      return r;
    }
    r.written = true;
    r.status = std::to_string(w.added) + (w.added == 1 ? " draw" : " draws") + " added to '" + lotto + "'; " +
               std::to_string(table.rows() - 1) + " draws in all.";
  }
  if (const std::string why = remember_sources(games, lotto, sources); !why.empty())
    r.status += " The addresses were not remembered: " + why;
  return r;
}

}  // namespace ds
