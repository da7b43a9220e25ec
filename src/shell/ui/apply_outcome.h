#pragma once
// Shows what a handler decided, the same way in every window.
#include <cstddef>
#include <functional>

#include "shell/outcome.h"

class QMainWindow;
class QWidget;

namespace ds::ui {

// A window's focus enum mapped to the objectNames of its controls: one row per
// enumerator in the enum's order, `none` first (no control) and every other one
// named, up to the enum's closing `count`. Each window checks its table with
//   static_assert(names_every_focus(table));
template <class Focus>
struct FocusName {
  Focus focus;
  const char* control;
};

template <class Focus, std::size_t N>
constexpr bool names_every_focus(const FocusName<Focus> (&table)[N]) {
  if (N != static_cast<std::size_t>(Focus::count)) return false;
  for (std::size_t i = 0; i < N; ++i)
    if (static_cast<std::size_t>(table[i].focus) != i || (i > 0) != (table[i].control != nullptr))
      return false;
  return true;
}

// In this order: the status line, the message (through dialogs()), the window
// brought forward, then the focus on the control named `focus` (an objectName
// of `window`; nullptr for none), its text selected.
void apply_outcome(QMainWindow* window, const Outcome& outcome, const char* focus = nullptr);
// The same, the focus named by the window's table.
template <class Focus, std::size_t N>
void apply_outcome(QMainWindow* window, const FocusOutcome<Focus>& outcome,
                   const FocusName<Focus> (&table)[N]) {
  apply_outcome(window, outcome, table[static_cast<std::size_t>(outcome.focus)].control);
}

// Asks `question` before unsaved work would go: Save runs `save`, which says
// whether nothing is left unsaved; Discard goes on (the work goes with whatever
// replaces it); Cancel stays. True when the caller may go on.
bool ask_unsaved(QWidget* parent, const UnsavedQuestion& question, const std::function<bool()>& save);

// Gives `control` the focus and selects its text (a line edit's, or an editable
// combo box's).
void focus_control(QWidget* control);

}  // namespace ds::ui
