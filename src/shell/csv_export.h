#pragma once
// Grids as CSV files and as text for the clipboard.
#include <filesystem>
#include <string>

#include "shell/grid.h"

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

}  // namespace ds
