#pragma once
// Shows what a handler decided, the same way in every window.
#include "shell/outcome.h"

class QMainWindow;
class QWidget;

namespace ds::ui {

// In this order: the status line, the message (through dialogs()), the window
// brought forward, then the focus on the control named `focus` (an objectName
// of `window`; nullptr for none), its text selected.
void apply_outcome(QMainWindow* window, const Outcome& outcome, const char* focus = nullptr);

// Asks `question` (Save, Discard or Cancel): the button's index, -1 for Cancel.
int ask_unsaved(QWidget* parent, const UnsavedQuestion& question);

// Gives `control` the focus and selects its text (a line edit's, or an editable
// combo box's).
void focus_control(QWidget* control);

}  // namespace ds::ui
