#pragma once
// The composition root: the one place that knows every window of the program.

namespace ds::ui {

// Registers the factories of every window of the program with the registry.
void register_windows();

// At start: the lotto, set and system of the last run that still exist
// (restorable_choices), chosen in their windows (restore_choices).
void restore_last_choices();

}  // namespace ds::ui
