#pragma once
// The root's state, for the code not yet handed the StateHub.
#include "shell/ui/state_hub.h"

namespace ds::ui {

// The hub the root made; windows are handed it instead.
void set_root_hub(StateHub* hub);

}  // namespace ds::ui
