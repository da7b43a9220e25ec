#pragma once
// Draws fetched from where the player gets them: a published history (CSV) at an
// address, and optionally a second copy to cross-check it, remembered per lotto in
// Games/<lotto>/sources.txt. What the network brought is judged here (an error page,
// a web page, a file cut short are refused), then the text goes through the import's
// own preview and checks; draws on which the two copies disagree are conflicts and are
// not stored. The fetching itself is the windows' layer's (QtNetwork).
//
// sources.txt is UTF-8 text, CR LF (LF read too), blank and '#' lines skipped:
//   Drawsmith sources 1
//   history https://example.org/lotto/history.csv
//   check https://mirror.example.net/lotto.csv        optional
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lotto/draw_import.h"
#include "shell/program_info.h"

namespace ds {

inline constexpr std::string_view sources_first_line = "Drawsmith sources 1";
inline constexpr const char* sources_file_name = "sources.txt";

struct HistorySources {
  std::string history;  // the address of the published history
  std::string check;    // a second copy to cross-check it; "" for none
  bool operator==(const HistorySources&) const = default;
};

std::filesystem::path sources_path(const std::filesystem::path& games, const std::string& lotto);
std::string sources_text(const HistorySources& sources);
// nullopt with `error` naming the line when the text is not a sources file.
std::optional<HistorySources> parse_sources(std::string_view text, std::string& error);
// True for an http:// or https:// address with a host.
bool fetchable_address(std::string_view url);

// What one fetch brought.
struct FetchedPage {
  enum class Outcome { received, http_error, timed_out, failed };
  Outcome outcome = Outcome::failed;
  int status = 0;                  // the HTTP status (404 ...), 0 when none came
  std::string detail;              // the network's own words for a failure
  std::string content_type;        // as the server named it
  long long declared_length = -1;  // Content-Length; -1 when the server gave none
  std::string bytes;
};

// Why the page fetched from `url` is no draw history, "" when it may be one: an HTTP
// error, a time-out, a network failure, an empty page, a web page (HTML), fewer bytes
// than the server announced, or a text whose last line has no line end (a file cut in
// the middle, whose last draw may have lost a digit).
std::string fetched_page_refusal(const FetchedPage& page, const std::string& url);

// Marks the new draws of `preview` that `check` (the second copy, previewed against the
// same table) gives otherwise as conflicts, each naming both; returns how many new draws
// the second copy does not hold.
int cross_check(ImportPreview& preview, const ImportPreview& check);

// --update --lotto NAME [--url URL] [--check-url URL] [--day-month | --month-day].
struct UpdateRequest {
  std::string error;  // wrong arguments: what is wrong (the command ends with 2)
  std::string lotto, url, check_url;
  DayMonthOrder order = DayMonthOrder::unknown;
};
bool wants_update_command(const std::vector<std::string>& args);
UpdateRequest parse_update_arguments(const std::vector<std::string>& args);
inline constexpr const char* update_usage =
    "Usage: drawsmith --update --lotto NAME [--url URL] [--check-url URL] [--day-month | --month-day]\n";

// The addresses to fetch: those given, else those remembered for the lotto. A given
// --url replaces the remembered history address (and its check, unless one is given).
// nullopt with `error` when there is none or sources.txt cannot be read.
std::optional<HistorySources> update_sources(const UpdateRequest& request, const std::filesystem::path& games,
                                             std::string& error);

// Ends with 0 stored (or nothing new), 1 refused.
// The fetched pages through the checks, the import's preview and, when they pass, into
// the lotto's draws.txt; the addresses are remembered once a history was stored or found
// to hold nothing new. `check` is null without a second copy.
CommandRun update_draws(const UpdateRequest& request, const HistorySources& sources,
                        const FetchedPage& history, const FetchedPage* check,
                        const std::filesystem::path& games, const DateFormat& format);

}  // namespace ds
