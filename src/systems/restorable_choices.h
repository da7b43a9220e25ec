#pragma once
// The choices remembered from the last run that can be made again: each is
// looked up in the lotto, set and system files it names, so it lives above all three.
#include <filesystem>

#include "shell/remembered.h"

namespace ds {

// Of the remembered choices, those that still exist under the data folder, each
// needing the one before: the lotto (its param.tix), then the set (its file in
// Tsets/<size>, size within the lotto's numbers), then the system (in the
// catalogue, made for this set size and the lotto's pick; for a game with a
// second pool only with second-pool numbers that fit it). Periods pass as they are.
RememberedChoices restorable_choices(const RememberedChoices& remembered,
                                     const std::filesystem::path& app_folder);

struct AppState;

// Makes the choices `c` (restorable_choices' result) in `state` as the windows
// would: the lotto's definition and draws read, the set's size and rows read, the
// second-pool numbers taken, the system's tickets and tables computed (its ticket
// file written, as choosing it in the Systems window does). Each step needs the one
// before; a step that does not take stops there.
void apply_choices(const RememberedChoices& c, AppState& state);

}  // namespace ds
