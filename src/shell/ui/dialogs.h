#pragma once
// Every message box and input box of the program goes through this interface, so
// that tests can answer them without a modal loop.
#include <QString>

class QWidget;

namespace ds::ui {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // An OK-only message box.
  virtual void message(QWidget* parent, const QString& text) = 0;
  // An input box; returns the typed text, or "" when the user cancels.
  virtual QString input(QWidget* parent, const QString& prompt, const QString& title) = 0;
};

// The dialogs in use (real boxes unless a test installed others).
Dialogs& dialogs();
// Installs `d` (not owned); nullptr restores the real boxes.
void set_dialogs(Dialogs* d);

// Shorthands.
void show_message(QWidget* parent, const QString& text);
void show_message(QWidget* parent, const std::string& text);

}  // namespace ds::ui
