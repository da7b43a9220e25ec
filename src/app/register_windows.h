#pragma once
// The composition root: the one place that knows every window of the program.

namespace ds::ui {

// Registers the factories of every window of the program with the registry.
void register_windows();

}  // namespace ds::ui
