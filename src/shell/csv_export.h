#pragma once
// Grids as CSV files and as text for the clipboard, and what the windows'
// Export CSV and Copy decide over their tables.
#include <filesystem>
#include <string>

#include "shell/grid.h"
#include "shell/outcome.h"

namespace ds {

// Every row of `grid`, the header row included, as CSV: fields separated by
// commas, a field holding a comma, a double quote, CR or LF written between
// double quotes with its quotes doubled, every line ended by CR LF. Hidden
// columns (width 0, such as the draw table's sort key) are left out.
std::string grid_csv(const TextGrid& grid);

// The same rows as tab-separated lines ended by LF, as spreadsheets paste them;
// tabs and line breaks inside a cell become blanks.
std::string grid_clipboard_text(const TextGrid& grid);

// Replaces `path` with grid_csv(grid). "" on success or the message to show.
std::string write_grid_csv(const std::filesystem::path& path, const TextGrid& grid);

// Export CSV and Copy refuse a table without rows (its header alone): the
// message, or nothing when the table has rows. Export asks it before its file
// dialog.
Outcome table_refusal(const TextGrid& grid);

// Export CSV into the file chosen (`shown` names it for the user): the table
// written, the status line then says how many rows went where; a failure is the
// message and leaves any previous file whole.
Outcome export_table(const TextGrid& grid, const std::filesystem::path& file, const std::string& shown);

// Copy: the text for the clipboard ("" when refused) and the status line.
struct CopyOutcome : Outcome {
  std::string text;
};
CopyOutcome copy_table(const TextGrid& grid);

}  // namespace ds
