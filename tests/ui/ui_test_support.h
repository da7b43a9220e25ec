#pragma once
// Shared pieces of the window tests: one QApplication for the process, a
// registry of test classes, scripted dialogs and a fresh application folder.
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <functional>

#include "shell/ui/dialogs.h"

namespace ds::ui::test {

// Records every message; answers input boxes, file dialogs, questions (the
// index as text, "-1" to cancel) and reviews ("1" accepts) from one queue. A
// dialog that the test did not expect (nothing queued) fails the test.
class ScriptedDialogs : public Dialogs {
 public:
  QStringList messages;
  std::deque<QString> answers;
  QStringList prompts;
  ds::TextGrid reviewed;  // the grid of the last review
  bool unexpected = false;

  void message(QWidget*, const QString& text) override { messages << text; }
  QString input(QWidget*, const QString& prompt, const QString& title) override {
    return next(prompt + QStringLiteral(" | ") + title);
  }
  QString open_file(QWidget*, const QString& title, const QString&) override { return next(title); }
  QString save_file(QWidget*, const QString& title, const QString&, const QString&) override {
    return next(title);
  }
  int choose(QWidget*, const QString& question, const QStringList&) override {
    const QString a = next(question);
    return a.isEmpty() ? -1 : a.toInt();
  }
  bool review(QWidget*, const QString& title, const QString& text, const ds::TextGrid& grid,
              const QString&) override {
    reviewed = grid;
    return next(title + QStringLiteral(" | ") + text) == QStringLiteral("1");
  }
  void clear() {
    messages.clear();
    answers.clear();
    prompts.clear();
    unexpected = false;
  }

 private:
  QString next(const QString& prompt) {
    prompts << prompt;
    if (answers.empty()) {
      unexpected = true;
      return {};
    }
    QString a = answers.front();
    answers.pop_front();
    return a;
  }
};

// A fresh application folder with the shipped files copied in, the state reset,
// the windows closed and the scripted dialogs installed. Call in init().
class Fixture {
 public:
  Fixture();
  ~Fixture();
  QString folder() const { return dir_.path(); }
  ScriptedDialogs dialogs;

 private:
  QTemporaryDir dir_;
};

// Drives the windows as a user does; controls are found by objectName in the
// window last shown with `show`.
class Driver {
 public:
  QWidget* w = nullptr;
  QWidget* show(int window_id);  // a WindowId; shown, raised and active
  template <class T = QWidget>
  T* find(const char* name) const {
    T* t = w->findChild<T*>(QString::fromLatin1(name));
    if (!t) qWarning("no control %s", name);
    return t;
  }
  // Replaces a box's text by typing (a combo box's line edit too).
  void type(const char* name, const QString& text) const;
  void click(const char* name) const;
  // Picks `item` of a combo box's list, as a click in its list does.
  bool choose(const char* combo, const QString& item) const;
  // The same through the list as a user does: open it, go to the item, press Enter.
  void pick(const char* combo, const QString& item) const;
  QString text(const char* name) const;
  bool has_focus(const char* name) const;
};

using TestFactory = std::function<QObject*()>;
int register_test(const char* name, TestFactory factory);

}  // namespace ds::ui::test

#define DS_UI_TEST(Class) \
  static const int ds_registered_##Class = ds::ui::test::register_test(#Class, [] { return new Class; })
