#pragma once
// Every message box, input box, file dialog and question of the program goes
// through this interface, so that tests can answer them without a modal loop.
#include <QString>
#include <QStringList>

#include "shell/file_guard.h"
#include "shell/grid.h"
#include "shell/text.h"

class QWidget;

namespace ds::ui {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // An OK-only message box.
  virtual void message(QWidget* parent, const QString& text) = 0;
  // An input box; returns the typed text, or "" when the user cancels.
  virtual QString input(QWidget* parent, const QString& prompt, const QString& title) = 0;
  // A file to read; "" when the user cancels. `filter` as QFileDialog takes it.
  virtual QString open_file(QWidget* parent, const QString& title, const QString& filter) = 0;
  // A file to write, starting from `suggested`; "" when the user cancels.
  virtual QString save_file(QWidget* parent, const QString& title, const QString& suggested,
                            const QString& filter) = 0;
  // A question answered by one of `buttons` (the first is the default) or Cancel:
  // the button's index, or -1 for Cancel (Escape, the window closed).
  virtual int ask(QWidget* parent, const QString& question, const QStringList& buttons) = 0;
  // One of `choices`: its index, or -1 when the user cancels.
  virtual int choose(QWidget* parent, const QString& question, const QStringList& choices) = 0;
  // A modal review of `grid` (its row 0 as the header) under `text`, with an
  // `accept` button and Cancel; true when accepted. With `accept` empty there
  // is only Close, and the answer is false.
  virtual bool review(QWidget* parent, const QString& title, const QString& text, const TextGrid& grid,
                      const QString& accept) = 0;
  // The print dialog titled `title`; on OK `html` is printed (on a printer or
  // into a PDF file) as the document `document`.
  virtual void print(QWidget* parent, const QString& title, const QString& document, const QString& html) = 0;
};

// The dialogs in use (real boxes unless a test installed others).
Dialogs& dialogs();
// Installs `d` (not owned); nullptr restores the real boxes.
void set_dialogs(Dialogs* d);
// The real boxes, whatever is installed.
Dialogs& real_dialogs();

// Shorthands.
// A core question (shell/file_guard.h) asked through dialogs().ask.
AskUser ask_through_dialogs(QWidget* parent);
void show_message(QWidget* parent, const QString& text);
void show_message(QWidget* parent, const Text& text);  // in the user's language

}  // namespace ds::ui
