#pragma once
// Watches the files a window holds, so that it notices when another program or
// another copy of Drawsmith changes them. A save that replaces a file (written
// beside it, then renamed over it, as every careful program does) ends the watch
// on the old file: the folders are watched too, and the files watched again.
#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <filesystem>
#include <vector>

namespace ds::ui {

class FileWatch : public QObject {
  Q_OBJECT
 public:
  explicit FileWatch(QObject* parent);
  // Watches these files (and their folders) instead of the previous ones.
  void watch(const std::vector<std::filesystem::path>& files);
  // Whether windows check their files by themselves (on a change and when they
  // become active). Tests that drive several windows over one folder turn it off
  // and ask the windows to check at the moments they choose.
  static void set_enabled(bool on);
  static bool enabled();

 signals:
  // A watched file changed, appeared or vanished; several changes close together
  // (an editor writing in steps) are reported once.
  void changed();

 private:
  void rearm();
  QFileSystemWatcher watcher_;
  QTimer settle_;
  QStringList files_;
};

}  // namespace ds::ui
