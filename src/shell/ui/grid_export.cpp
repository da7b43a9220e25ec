#include "shell/ui/grid_export.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMainWindow>

#include "shell/csv_export.h"
#include "shell/ui/apply_outcome.h"
#include "shell/ui/dialogs.h"

namespace ds::ui {

void export_grid_csv(QMainWindow* window, const TextGrid& grid, const QString& suggested) {
  if (const Outcome refused = table_refusal(grid); !refused.message.empty()) {
    apply_outcome(window, refused);
    return;
  }
  const QString path = dialogs().save_file(window, QObject::tr("Export CSV"), suggested,
                                           QObject::tr("CSV files (*.csv);;All files (*)"));
  if (path.isEmpty()) return;
  apply_outcome(window, export_table(grid, std::filesystem::path(QFile::encodeName(path).toStdString()),
                                     path.toStdString()));
}

void copy_grid(QMainWindow* window, const TextGrid& grid) {
  const CopyOutcome r = copy_table(grid);
  if (!r.text.empty()) QGuiApplication::clipboard()->setText(QString::fromStdString(r.text));
  apply_outcome(window, r);
}

}  // namespace ds::ui
