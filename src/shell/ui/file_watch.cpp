#include "shell/ui/file_watch.h"

#include <QFileInfo>

namespace ds::ui {

namespace {
bool watching = true;
constexpr int settle_ms = 300;
}  // namespace

void FileWatch::set_enabled(bool on) { watching = on; }
bool FileWatch::enabled() { return watching; }

FileWatch::FileWatch(QObject* parent) : QObject(parent) {
  settle_.setSingleShot(true);
  settle_.setInterval(settle_ms);
  connect(&settle_, &QTimer::timeout, this, [this] {
    rearm();
    if (watching) emit changed();
  });
  const auto touched = [this](const QString&) { settle_.start(); };
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, touched);
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, touched);
}

void FileWatch::watch(const std::vector<std::filesystem::path>& files) {
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
  files_.clear();
  for (const auto& f : files)
    if (!f.empty()) files_ << QString::fromStdString(f.string());
  rearm();
}

void FileWatch::rearm() {
  // A file replaced by a rename is a new file: it is watched again. A folder
  // that does not exist yet is not watched; its lotto or set has no file to lose.
  for (const QString& f : files_) {
    const QFileInfo info(f);
    if (info.exists() && !watcher_.files().contains(f)) watcher_.addPath(f);
    const QString folder = info.absolutePath();
    if (QFileInfo::exists(folder) && !watcher_.directories().contains(folder)) watcher_.addPath(folder);
  }
}

}  // namespace ds::ui
