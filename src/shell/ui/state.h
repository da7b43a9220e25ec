#pragma once
// The one application state of a run.
#include "shell/app_state.h"

namespace ds::ui {

AppState& state();

}  // namespace ds::ui
