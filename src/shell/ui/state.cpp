#include "shell/ui/state.h"

namespace ds::ui {

AppState& state() {
  static AppState s;
  return s;
}

}  // namespace ds::ui
