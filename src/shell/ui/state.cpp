#include "shell/ui/state.h"

namespace ds::ui {

namespace {
StateHub* root_hub = nullptr;
}

void set_root_hub(StateHub* hub) { root_hub = hub; }

AppState& state() {
  static AppState before_root;
  return root_hub ? root_hub->state_ : before_root;
}

}  // namespace ds::ui
