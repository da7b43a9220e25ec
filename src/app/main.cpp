// Drawsmith: start-up.
#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

#include "app/register_windows.h"
#include "shell/ui/app.h"

namespace {
// QApplication aborts with a long diagnostic when there is no display; say it plainly instead.
bool display_available() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform) return true;
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (wayland && *wayland);
}
}  // namespace

int main(int argc, char** argv) {
  if (!display_available()) {
    std::fprintf(stderr, "Drawsmith needs a graphical display, and none was found (DISPLAY is not set).\n");
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Drawsmith"));
  ds::AppState& s = ds::ui::state();
  ds::ui::choose_folders(QApplication::applicationDirPath(),
                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  s.date_format = ds::ui::date_format_from_locale(QLocale::system());
  s.number_format = ds::ui::number_format_from_locale(QLocale::system());
  ds::ui::register_windows();
  ds::ui::registry().show(ds::ui::WindowId::main);
  return QApplication::exec();
}
