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
#include "shell/file_guard.h"
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

// Remembers the addresses in the lotto's sources.txt (under the save lock, atomically):
// "" or why they were not.
std::string remember_sources(const std::filesystem::path& games, const std::string& lotto,
                             const HistorySources& sources);

// ---- The Update results dialog, step by step ----
//
//   (opening)   remembered_sources
//   cmdFetch    update_addresses, then (the pages fetched) update_review, the order
//               asked when every date reads both ways, the import's review dialog, and
//               on Import update_store

// The addresses remembered for the lotto; none when there is no sources.txt, and `error`
// says why when it cannot be read.
HistorySources remembered_sources(const std::filesystem::path& games, const std::string& lotto,
                                  std::string& error);

// The addresses typed, checked before anything is fetched: `message` and the box at fault
// (0 the history, 1 the cross-check) when one is not an http:// or https:// address.
struct UpdateAddresses {
  std::string message;
  int focus = 0;
  HistorySources sources;
};
UpdateAddresses update_addresses(std::string_view history, std::string_view check);

// The pages fetched, judged, then previewed as the Lotto window's Import previews a file
// (import_review) against the lotto's draws.txt, the draws the second copy gives otherwise
// marked as conflicts. Refused (`message`) when a page is no history; `ask_order` as for
// an import; else what the review dialog shows.
struct UpdateReview {
  std::string message;
  bool ask_order = false;
  std::string order_question;
  std::vector<std::string> order_choices;
  ImportPreview preview;
  Text summary;
  TextGrid grid;
  std::string accept;          // "" when nothing is new
  int unconfirmed = 0;         // new draws the second copy does not hold yet
  FileFingerprint draws_file;  // draws.txt as it was previewed against
};
UpdateReview update_review(const HistorySources& sources, const FetchedPage& history,
                           const FetchedPage* check, const std::filesystem::path& games,
                           const std::string& lotto, const DateFormat& format, int order_choice = -1);

// The review accepted (or closed with nothing new): the new draws merged into draws.txt,
// unless the file changed since the preview, and the addresses remembered.
struct UpdateStored {
  std::string message;  // why nothing was stored; "" otherwise
  std::string status;   // what was stored
  bool written = false;
};
UpdateStored update_store(const UpdateReview& review, const HistorySources& sources,
                          const std::filesystem::path& games, const std::string& lotto,
                          const DateFormat& format);

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
