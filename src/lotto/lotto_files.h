#pragma once
// The lotto folders: the definition (param.tix, one 52-byte record, or game.txt
// for a game the record cannot hold) and draws.txt (one draw per line), and the
// draw grid they fill.
//
// game.txt is UTF-8 text, one "key value" per line, CR LF (LF read too). Its
// first line names the format and its version; blank lines and lines starting
// with '#' are skipped; every key appears once, in any order; numbers are
// written with '.' as the decimal sign whatever the region:
//   Drawsmith game 1
//   main_pool 69            numbers run from 1 to 69 (4 to 99)
//   main_drawn 5            main numbers a draw picks (3 to 7)
//   bonus_drawn 0           a bonus drawn from the main pool: 0 or 1
//   second_pool 26          second-pool numbers run from 1 to 26 (0 without one)
//   second_drawn 1          second-pool numbers a draw picks (0 to 2)
//   cost 2                  cost of one play
//   currency $              the rest of the line, at most 12 bytes
//   tier 5 no 1 average 20000000
// One tier line per prize row: main matches, the bonus matched (yes or no),
// second-pool matches, "fixed" or "average", the payout per play. A folder holds
// one definition: both files in one folder is refused rather than guessed at.
//
// draws.txt: for a game whose draws have the classic shape (at most six main
// numbers and a bonus, no second pool) every line holds the date, N1 to N6 (0
// past the numbers drawn) and the bonus, each followed by one blank. For any
// other game a line holds the date, the main numbers drawn, the bonus when the
// game draws one, then the second-pool numbers, each followed by one blank.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "shell/app_state.h"
#include "shell/file_guard.h"
#include "shell/game.h"
#include "shell/grid.h"

namespace ds {

inline constexpr std::size_t definition_record_size = 52;
inline constexpr const char* game_file_name = "game.txt";
inline constexpr std::string_view game_file_first_line = "Drawsmith game 1";
inline constexpr std::size_t max_game_currency_bytes = 12;

// Draw grid columns.
enum DrawColumn : int { col_date = 0, col_key = 1, col_n1 = 2, col_bonus = 8, draw_columns = 9 };

// The lotto data folder: app folder / "Games".
std::filesystem::path lotto_folder(const std::filesystem::path& app_folder);

// Names of all sub-folders of the lotto folder, sorted ignoring case.
std::vector<std::string> list_lottos(const std::filesystem::path& games);

// The 52-byte record, little-endian whatever the host. nullopt when the
// currency does not fit two 8-bit characters.
std::optional<std::string> encode_definition(const LottoDefinition& def);
// nullopt when the record is shorter than 52 bytes or its currency length is over 2.
std::optional<LottoDefinition> decode_definition(std::string_view bytes);

// Why a game cannot be stored ("" when it can): its counts out of range, a
// tier naming more matches than drawn or twice the same matches, no tier in a
// game the record cannot hold, a currency that does not fit its file.
std::string game_problem(const LottoDefinition& def);
// game.txt's text for `def`; nullopt when game_problem finds something.
std::optional<std::string> encode_game_text(const LottoDefinition& def);
// Reads game.txt's text. nullopt with `error` set to "line N ('the line'): why"
// (or why, for what the file lacks) when the text is not a sound definition.
std::optional<LottoDefinition> decode_game_text(std::string_view text, std::string& error);

// True when the record holds every field of the game: no prize table of its own,
// a bonus, no second pool. (A record read from param.tix always does, whatever
// counts it holds, and is written back into param.tix.)
bool stored_in_record(const LottoDefinition& def);

// The file that holds the lotto's definition now: game.txt when it exists,
// else param.tix (which may be missing too).
std::filesystem::path stored_definition_path(const std::filesystem::path& games, const std::string& name);
// The file `def` is written to: param.tix when stored_in_record, else game.txt.
std::filesystem::path definition_path(const std::filesystem::path& games, const std::string& name,
                                      const LottoDefinition& def);

// Reads the lotto's definition (param.tix or game.txt) into `def` (replaced
// whole). Returns "" on success or the message to show, naming the file and,
// for game.txt, the line; `def` is untouched on failure.
std::string read_definition(const std::filesystem::path& games, const std::string& name,
                            LottoDefinition& def);
// Makes the lotto's folder when needed and replaces the definition's file; when
// the game's shape moved it from one file to the other, the other is removed
// once the new one is written. A change of the numbers a draw holds (main,
// bonus, second pool) is refused while draws.txt holds draws of the old shape.
// "" on success; `written`, when given, gets the fingerprint of the bytes written.
std::string write_definition(const std::filesystem::path& games, const std::string& name,
                             const LottoDefinition& def, FileFingerprint* written = nullptr);

// True when the game's draws have the classic line (see above).
bool classic_draw_lines(const LottoDefinition& game);
// The grid columns of a draws.txt line, in the line's order (the date first).
std::vector<int> draw_line_columns(const LottoDefinition& game);
// Gives `grid` the game's draw-table columns, headers and widths (game.h):
// "Date", the hidden key, "N1".. (columns past the numbers drawn of a game with
// fewer than six are hidden), "NBonus", "S1", "S2". Rows are kept.
void set_draw_headers(TextGrid& grid, const LottoDefinition& game);

// The draw grid before any lotto is read: 2 columns, 2 rows, all empty.
void reset_draw_grid(TextGrid& grid);

struct ReadDrawsResult {
  std::string message;    // "" when the whole file was read and sorted
  bool stopped = false;   // a missing file or a bad date stopped the read
  bool bad_date = false;  // a date did not parse: rows stay in file order
};
// Rebuilds the grid from the lotto's draws.txt, oldest draw first. Empty lines
// are skipped; a line with fewer than eight fields is kept with empty cells and
// reported (the draws cannot be saved until it is completed).
ReadDrawsResult read_draws(const std::filesystem::path& games, const std::string& name, TextGrid& grid,
                           const DateFormat& format);
// The same for the lines of `game` (the classic ones above when it has that shape).
ReadDrawsResult read_draws(const std::filesystem::path& games, const std::string& name, TextGrid& grid,
                           const DateFormat& format, const LottoDefinition& game);

// Day number of an ISO date text (four-digit year, two-digit month and day), the
// form of every file the program writes; nullopt for anything else.
std::optional<DayNumber> iso_day(std::string_view text);

// Sorts the grid by date and replaces draws.txt. "" on success or the message;
// `written`, when given, gets the fingerprint of the bytes written.
std::string write_draws(const std::filesystem::path& games, const std::string& name, TextGrid& grid,
                        const DateFormat& format, FileFingerprint* written = nullptr);
std::string write_draws(const std::filesystem::path& games, const std::string& name, TextGrid& grid,
                        const DateFormat& format, const LottoDefinition& game,
                        FileFingerprint* written = nullptr);

}  // namespace ds
