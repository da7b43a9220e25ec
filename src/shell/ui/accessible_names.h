#pragma once
// Names that screen readers say for the controls of a window.
class QWidget;

namespace ds::ui {

// Gives every input control of `window` without an accessible name the text of
// its label, without the "&" of the shortcut and a trailing colon: the label whose
// buddy it is, its label in a form layout, a name from a table kept here by
// objectName (a draw's number boxes, the grids), or else the label just before it
// in its row or just above it in a grid. The window registry runs it on every
// window it makes.
void name_controls(QWidget* window);

}  // namespace ds::ui
