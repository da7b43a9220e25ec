#pragma once
// Shows what a handler decided, the same way in every window.
#include <functional>

#include "shell/outcome.h"

class QMainWindow;
class QWidget;

namespace ds::ui {

// In this order: the status line, the message (through dialogs()), the window
// brought forward, then the focus on the control named `focus` (an objectName
// of `window`; nullptr for none), its text selected.
void apply_outcome(QMainWindow* window, const Outcome& outcome, const char* focus = nullptr);

// Asks `question` before unsaved work would go: Save runs `save`, which says
// whether nothing is left unsaved; Discard goes on (the work goes with whatever
// replaces it); Cancel stays. True when the caller may go on.
bool ask_unsaved(QWidget* parent, const UnsavedQuestion& question, const std::function<bool()>& save);

// Gives `control` the focus and selects its text (a line edit's, or an editable
// combo box's).
void focus_control(QWidget* control);

}  // namespace ds::ui
