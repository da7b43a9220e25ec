#pragma once
// The lotto folders: param.tix (one 52-byte definition record) and draws.txt
// (one draw per line), and the draw grid they fill.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "shell/app_state.h"
#include "shell/file_guard.h"
#include "shell/grid.h"

namespace ds {

inline constexpr std::size_t definition_record_size = 52;

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

// Reads the lotto's param.tix into `def` (replaced whole). Returns "" on
// success or the message to show; `def` is untouched on failure.
std::string read_definition(const std::filesystem::path& games, const std::string& name,
                            LottoDefinition& def);
// Makes the lotto's folder when needed and replaces param.tix. "" on success;
// `written`, when given, gets the fingerprint of the bytes written.
std::string write_definition(const std::filesystem::path& games, const std::string& name,
                             const LottoDefinition& def, FileFingerprint* written = nullptr);

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

// Sorts the grid by date and replaces draws.txt. "" on success or the message;
// `written`, when given, gets the fingerprint of the bytes written.
std::string write_draws(const std::filesystem::path& games, const std::string& name, TextGrid& grid,
                        const DateFormat& format, FileFingerprint* written = nullptr);

}  // namespace ds
