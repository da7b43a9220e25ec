#include "shell/ui/grid_export.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMainWindow>
#include <QStatusBar>

#include "shell/csv_export.h"
#include "shell/ui/app.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/translation.h"

namespace ds::ui {

namespace {
bool empty_table(QMainWindow* window, const TextGrid& grid) {
  if (grid.rows() > 1) return false;
  show_message(window, QObject::tr("The table has no rows yet."));
  return true;
}
}  // namespace

void export_grid_csv(QMainWindow* window, const TextGrid& grid, const QString& suggested) {
  if (empty_table(window, grid)) return;
  const QString path = dialogs().save_file(window, QObject::tr("Export CSV"), suggested,
                                           QObject::tr("CSV files (*.csv);;All files (*)"));
  if (path.isEmpty()) return;
  const std::string error =
      write_grid_csv(std::filesystem::path(QFile::encodeName(path).toStdString()), grid);
  if (!error.empty()) {
    show_message(window, error);
    return;
  }
  window->statusBar()->showMessage(
      translated(QObject::tr("%1 rows exported to %2").arg(grid.rows() - 1).arg(path)), 8000);
}

void copy_grid(QMainWindow* window, const TextGrid& grid) {
  if (empty_table(window, grid)) return;
  QGuiApplication::clipboard()->setText(qs(grid_clipboard_text(grid)));
  window->statusBar()->showMessage(
      translated(QObject::tr("%1 rows copied to the clipboard").arg(grid.rows() - 1)), 8000);
}

}  // namespace ds::ui
