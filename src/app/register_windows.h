#pragma once
// The composition root: the one place that knows every window of the program.
// It owns the StateHub of the run and hands it to every window it makes.

namespace ds::ui {
class StateHub;
}

namespace ds::ui {

// Registers the factories of every window of the program with the registry.
void register_windows(StateHub& hub);

// At start: the lotto, set and system of the last run that still exist
// (restorable_choices), made in the state (apply_choices); the windows show them
// when they open.
void restore_last_choices(StateHub& hub);

}  // namespace ds::ui
