#include "shell/ui/app.h"
#include "shell/ui/help_window.h"
#include "shell/ui/main_window.h"
#include "systems/ui/system_window.h"

// Each working window's module adds its factories here.

namespace ds::ui {

void register_windows() {
  WindowRegistry& r = registry();
  r.set_factory(WindowId::main, [] { return new MainWindow; });
  r.set_factory(WindowId::help, [] { return new HelpWindow; });
  r.set_factory(WindowId::system, [] { return new SystemWindow; });
}

}  // namespace ds::ui
