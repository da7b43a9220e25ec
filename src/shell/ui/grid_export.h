#pragma once
// Export CSV and Copy for the windows whose tables users take elsewhere.
#include <QString>

#include "shell/grid.h"

class QMainWindow;

namespace ds::ui {

// Asks for a file (starting from `suggested`) and replaces it with the grid as
// CSV; a failure is shown and leaves any previous file whole. The status line
// says where the table went.
void export_grid_csv(QMainWindow* window, const TextGrid& grid, const QString& suggested);

// Puts the grid on the clipboard as tab-separated lines.
void copy_grid(QMainWindow* window, const TextGrid& grid);

}  // namespace ds::ui
