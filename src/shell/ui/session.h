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

class StateHub;

// The root names the state whose choices are remembered.
void remember_for(const StateHub& hub);

// The registry's part: it watches every window it makes (place, size and periods
// saved when the window is hidden or closed) and restores them the first time it
// shows the window.
void watch_window(QWidget* window);
void restore_window(QWidget* window);
// Saves the place of every window still shown and the current choices (at exit).
void remember_session();
// Saves the lotto, set and system of the current state.
void remember_choices();

}  // namespace ds::ui
