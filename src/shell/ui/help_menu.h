#pragma once
// The "&Help" menu of every window and the one help window it opens.
#include <QString>

class QMainWindow;

namespace ds::ui {

// Adds the "&Help" menu (About, User Guide, Exit) to a window; the User Guide
// opens `guide_page` (for instance "lotto.htm").
void add_help_menu(QMainWindow* window, const QString& guide_page);
// Opens the one help window on a page of the program folder.
void show_help(const QString& page, const QString& caption);

}  // namespace ds::ui
