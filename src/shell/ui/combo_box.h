#pragma once
// Editable combo boxes whose list items are acted on only when the user picks
// one from the list (or presses Enter where the window says so).
class QComboBox;

namespace ds::ui {

// Typed text is only text: no completion from the list, and leaving the box
// with a text that names an item does not activate that item. Qt's default
// would complete "C" to the first item starting with C and activate it on
// focus out, loading what the user never chose.
void choose_only_from_list(QComboBox* box);

}  // namespace ds::ui
