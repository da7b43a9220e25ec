#pragma once
// Importing published draw histories from CSV text into a lotto's draw table.
//
// The text may have a header row or none, comma, semicolon or tab separators,
// quoted fields ("a ""b"""), dates as yyyy-mm-dd, d/m/yyyy, m/d/yyyy (also with
// "." or "-") or with a month name ("February 3, 2024", "3 Feb 2024", even
// "Febraury"), the numbers in any order, an optional bonus column and any
// number of other columns, which are ignored. Nothing is written until the
// user has seen the preview: `preview_import` reads and classifies, and
// `write_import` merges into a copy of the table and replaces draws.txt
// atomically, so a cancelled or failed import changes nothing.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/app_state.h"
#include "shell/dates.h"
#include "shell/grid.h"
#include "shell/text.h"

namespace ds {

// How a date such as 03/02/2024 is read.
enum class DayMonthOrder { unknown, day_month, month_day };

enum class ImportRowStatus { fresh, present, conflict, refused };

// One data line of the file.
struct ImportRow {
  int line = 0;  // line number in the file, from 1
  ImportRowStatus status = ImportRowStatus::refused;
  DayNumber day = 0;
  std::array<std::int16_t, 7> numbers{};  // as drawn; 0 past pick_n
  std::int16_t bonus = 0;                 // 0: none
  std::array<std::int16_t, 2> second{};   // the second-pool numbers; 0 past second_n
  std::string reason;                     // refused: why; conflict: the table's draw, which is kept
  std::string text;                       // refused: the line as the file has it (at most 120 bytes)
};

struct ImportPreview {
  // "" when rows could be classified; otherwise why nothing can be imported
  // (no draw found in the text, or the day/month order must be chosen).
  std::string message;
  // Every numeric date of the file reads both as day/month and as month/day:
  // ask the user and call preview_import again with the chosen order.
  bool order_needed = false;
  char separator = ',';
  bool header = false;
  DayMonthOrder order = DayMonthOrder::unknown;  // the order used for d/m dates
  std::vector<ImportRow> rows;                   // every data line, in file order
  LottoDefinition game;                          // the game the rows were checked against
  int rows_read = 0, fresh = 0, present = 0, conflicts = 0, refused = 0;
};

// A draw table with its headers and no draw (a new lotto's history, or the table an
// import fills for a lotto that has none).
void empty_draw_table(TextGrid& grid);
void empty_draw_table(TextGrid& grid, const LottoDefinition& game);
// Gives a grid that is not yet a draw table (the start grid) the draw table's columns
// and headers, keeping its rows.
void ensure_draw_columns(TextGrid& grid);
void ensure_draw_columns(TextGrid& grid, const LottoDefinition& game);

// Reads `csv` (UTF-8 or 8-bit text) and compares its draws with `table`, a
// draw table as read_draws makes it (dates in `format` or ISO). Each row is
// checked against `lotto`: pick_n distinct numbers from 1 to play_n, an
// optional bonus in that range that is not one of the numbers (games that draw
// one), and the second_n distinct second-pool numbers from 1 to second_pool.
// The second-pool columns are found by their header ("Powerball", "Mega Ball",
// "Lucky Stars" holding both stars, "Star 1", "Lucky Star 2" ...), or else are
// the next columns after the numbers (and the bonus). A row is
// present when the table holds a draw of its date with the same numbers in
// any order (and the same bonus, when both have one), in conflict when the
// table's draw of that date differs; the table's draw is then kept. A second
// row of the same date in the file is refused. `order` is the user's answer
// when a previous preview set order_needed.
ImportPreview preview_import(std::string_view csv, const LottoDefinition& lotto, const TextGrid& table,
                             const DateFormat& format, DayMonthOrder order = DayMonthOrder::unknown);

// The counts in one sentence and one line per conflict and refused row,
// e.g. "Line 7: the number 50 is not between 1 and 49."
Text import_summary(const ImportPreview& preview);

// A grid of the preview for the window: Line, Date, Numbers, Bonus, (Second,
// for a game with a second pool,) Result, Reason; one row per data line. A refused row shows its line's text
// under Date.
TextGrid import_preview_grid(const ImportPreview& preview);

// `table` with the new rows of `preview` added (dates written yyyy-mm-dd, the
// numbers in the file's order, 0 for a missing bonus), sorted by date. The
// rows of `table` are all kept.
TextGrid merged_draws(const TextGrid& table, const ImportPreview& preview, const DateFormat& format);

struct ImportWrite {
  std::string message;  // "" on success
  bool written = false;
  int added = 0;
};
// Writes the merged table as the lotto's draws.txt through write_draws. Only
// when the file was replaced does `table` become the merged table; otherwise
// the table and the file stay as they were.
ImportWrite write_import(const std::filesystem::path& games, const std::string& name, TextGrid& table,
                         const ImportPreview& preview, const DateFormat& format);

// Whether the Lotto window's Import may add draws to the lotto `chosen` in the
// Name list (the state's lotto; `name_text` is the Name box) through its grid,
// whose draws are those of `owner` ("" for the empty table of a lotto created
// since): "" or the reason to show. The lotto's draws.txt must read whole, so
// that the merged table written over it holds every draw it had.
std::string import_refusal(const std::string& name_text, const std::string& chosen, const std::string& owner,
                           const std::filesystem::path& games, const DateFormat& format,
                           const LottoDefinition& game = LottoDefinition{});

// The command line's import: reads the lotto's definition and draws, the file
// `csv_path`, previews and, unless the preview stops, writes. `summary` is
// import_summary of the preview.
struct ImportFileRun {
  std::string message;  // "" when the file was imported
  std::string summary;
  bool written = false;
  bool order_needed = false;  // the day/month order must be given
  // When the file was imported: where the draws went, or that nothing was new.
  std::string status;
};
ImportFileRun import_draws_file(const std::filesystem::path& csv_path, const std::filesystem::path& games,
                                const std::string& name, const DateFormat& format,
                                DayMonthOrder order = DayMonthOrder::unknown);

// The same over a text already read (`text` nullopt: it could not be, and `unreadable` is
// the message). `adjust`, when given, may change the preview before anything is written
// (mark rows as conflicts) or stop the import with a message; it sees the table the
// preview was made against.
using AdjustPreview = std::function<std::string(ImportPreview&, const TextGrid&)>;
ImportFileRun import_draws_text(std::optional<std::string_view> text, const std::string& unreadable,
                                const std::filesystem::path& games, const std::string& name,
                                const DateFormat& format, DayMonthOrder order = DayMonthOrder::unknown,
                                const AdjustPreview& adjust = {});

// The month of a name as real files spell it: full names, three-letter
// abbreviations and near misspellings ("Febraury", "Agust"); 0 when none.
int month_of_name(std::string_view name);

}  // namespace ds
