#pragma once
// Targeted-set files: one folder per set size under Tsets, one file per set,
// one dated row per text line. In memory a set is the grid msfTsets: row 0 the
// headers, column 0 the date, columns 1..size the numbers.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "shell/app_state.h"
#include "shell/file_guard.h"
#include "shell/grid.h"

namespace ds {

inline constexpr int min_set_size = 10;
inline constexpr int max_set_size = 20;
// Data rows a set can have: the current row is held in 16 bits.
inline constexpr int max_set_rows = 32766;
// Column widths of msfTsets: 1000 and 450 twips, shown at 12 twips a pixel so
// that a four-digit-year date fits the default font.
inline constexpr int tsets_date_width = 83;
inline constexpr int tsets_number_width = 38;

// What the Targeted Sets window keeps besides AppState: its folders, the name of
// the set being edited (the file Save writes), the chosen size and the grid.
struct TsetsWork {
  std::filesystem::path tsets_folder;
  std::filesystem::path size_folder;
  std::string set_name;
  std::int16_t size = 0;  // 0 until a size is chosen
  TextGrid grid;
};

// app folder / "Tsets" and tsets folder / size.
std::filesystem::path tsets_folder_of(const std::filesystem::path& app_folder);
std::filesystem::path size_folder_of(const std::filesystem::path& tsets_folder, int size);

// Resets `grid` to the header row of a set of `size` numbers; `tset_row` = 0.
void Tsets_headers(TextGrid& grid, int size, std::int16_t& tset_row);

// Makes `size_folder` when missing and returns the names of the ordinary files
// in it, sorted ignoring case. Hidden files (a leading dot, such as the
// temporary files of an interrupted save) are not sets.
std::vector<std::string> list_sets(const std::filesystem::path& size_folder);

// Makes `size_folder` when missing and creates the set `name` as an empty file.
// Nothing happens for "" and an existing file is never touched. Returns "" or
// the message to show.
std::string create_set_file(const std::filesystem::path& size_folder, const std::string& name);

// Loads the set `name` of `work.size_folder` into `work.grid` and makes its last
// row the current set (tset_row, tset_name, tset_numbers). A name that is not
// safe or has no file changes nothing and returns the message; otherwise the
// return is "" or the message of `get_Tset`.
std::string read_set_file(TsetsWork& work, const std::string& name, AppState& state);

// Whether the saved set `name` of `size` numbers has a row holding exactly
// numbers[1..size], in that order: only then may a printout call the numbers by
// the set's name.
bool saved_set_holds(const std::filesystem::path& app_folder, int size, const std::string& name,
                     const std::array<std::int16_t, 21>& numbers);

// Sorts the grid's rows by date and replaces the file `work.set_name` with them.
// A row without a valid date ("Incorrect date.") or with an empty position
// refuses the save, leaving the file and the row order as they were. `tset_row` follows its row through the
// sort. Returns "" or the message to show; `written`, when given, gets the
// fingerprint of the bytes written.
std::string write_set_file(TsetsWork& work, AppState& state, FileFingerprint* written = nullptr);

// Copies the numbers of grid row `row` into numbers[1..cols-1]. A row is copied
// whole or not at all: the first cell that is no 16-bit whole number gives the
// message `bad_cell` + row + "," + column + ")" and leaves every number 0 (no
// current set, rather than numbers of two sets); otherwise "".
Text get_Tset(const TextGrid& grid, std::array<std::int16_t, 21>& numbers, std::int16_t& row);

// Messages of the set files that are not catalogue texts.
std::string unsafe_set_name_message(const std::string& name);
std::string missing_set_message(const std::string& name, int size);
std::string empty_position_message(const std::string& date, int column);

}  // namespace ds
