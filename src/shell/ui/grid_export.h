#pragma once
// Export CSV and Copy for the windows whose tables users take elsewhere; what
// they do is decided in the core (shell/csv_export.h).
#include <QString>

#include "shell/grid.h"

class QMainWindow;

namespace ds::ui {

// Asks for a file (starting from `suggested`) and replaces it with the grid as
// CSV, unless the core refuses the table: export_table's message or status line.
void export_grid_csv(QMainWindow* window, const TextGrid& grid, const QString& suggested);

// Puts the grid on the clipboard as tab-separated lines (copy_table).
void copy_grid(QMainWindow* window, const TextGrid& grid);

}  // namespace ds::ui
