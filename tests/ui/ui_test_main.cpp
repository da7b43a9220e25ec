#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/register_windows.h"
#include "shell/ui/state_hub.h"
#include "support/window_test.h"

int main(int argc, char** argv) {
  // `ui_tests --list-classes`: the registered classes, one a line, for CTest's entries.
  if (argc == 2 && std::strcmp(argv[1], "--list-classes") == 0) {
    for (const auto& entry : ds::ui::test::registered_tests()) std::printf("%s\n", entry.first);
    return 0;
  }
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale::c());
  // Settings go to a scratch folder (each test function then points them at its own).
  QTemporaryDir settings;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  ds::ui::StateHub hub;
  ds::ui::test::set_hub(&hub);
  ds::ui::register_windows(hub);
  // `ui_tests Class [Qt Test options]` runs one class (CTest has an entry per
  // class); without a class name every class runs.
  const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
  int ran = 0, failed = 0;
  for (auto& [name, factory] : ds::ui::test::registered_tests()) {
    if (only && std::strcmp(only, name) != 0) continue;
    QObject* t = factory();
    std::vector<char*> args{argv[0]};
    for (int i = only ? 2 : 1; i < argc; ++i) args.push_back(argv[i]);
    failed += QTest::qExec(t, static_cast<int>(args.size()), args.data()) != 0 ? 1 : 0;
    delete t;
    ++ran;
  }
  if (only && ran == 0) {
    std::fprintf(stderr, "no test class %s\n", only);
    return 2;
  }
  std::printf("%d test classes, %d failed\n", ran, failed);
  return failed == 0 ? 0 : 1;
}
