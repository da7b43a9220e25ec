#include "shell/ui/folders.h"

#include <QDir>
#include <QTemporaryFile>

namespace ds::ui {

void choose_folders(AppState& s, const QString& program_folder, const QString& user_data_folder) {
  s.program_folder = program_folder.toStdString();
  s.app_folder = s.program_folder;
  QTemporaryFile probe(QDir(program_folder).filePath(QStringLiteral(".write-test-XXXXXX")));
  if (!probe.open()) {
    QDir().mkpath(user_data_folder);
    s.app_folder = user_data_folder.toStdString();
  }
}

}  // namespace ds::ui
