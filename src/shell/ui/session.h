#pragma once
// What the program remembers between runs, kept in QSettings (the platform's usual
// place: ~/.config/Drawsmith on Linux): each window's place and size, the periods
// of the analysis windows, and the lotto, set and system last chosen. A damaged
// settings file is read as empty and written afresh.
#include <QSettings>
#include <memory>

#include "shell/remembered.h"

class QWidget;

namespace ds::ui {

// The program's settings store.
std::unique_ptr<QSettings> open_settings();
// Every text value of the store; empty when the store cannot be read.
SettingTexts read_settings();

// The registry's part: it watches every window it makes (place, size and periods
// saved when the window is hidden or closed) and restores them the first time it
// shows the window.
void watch_window(QWidget* window);
void restore_window(QWidget* window);
// Saves the place of every window still shown and the current choices (at exit).
void remember_session();
// Saves the lotto, set and system of the current state.
void remember_choices();

// At start, once the samples are installed: chooses the remembered lotto, set and
// system `c` in their windows (made hidden), as the user did. The caller passes
// what still exists (restorable_choices); the rest is skipped without a word.
void restore_choices(const RememberedChoices& c);

}  // namespace ds::ui
