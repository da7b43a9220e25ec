#pragma once
// What the window tests share: scripted dialogs, a fresh application folder per
// test function, a driver that works the controls as a user does, and the
// registry of test classes (one binary runs them all).
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "shell/ui/dialogs.h"
#include "shell/ui/state_hub.h"

namespace ds::ui::test {

// The hub the test binary made and registered the windows with, and its state
// written directly to set up a case (windows go through the hub's change()).
void set_hub(StateHub* hub);
StateHub& hub();
AppState& state();

// Answers input boxes, file dialogs, questions and choices (the index as text, ""
// to cancel) and reviews ("1" accepts) from one queue, and keeps every message box.
// A dialog with nothing queued for it, or a message the test never took, fails
// the test function.
class ScriptedDialogs : public Dialogs {
 public:
  std::deque<QString> answers;
  QStringList prompts;    // every dialog asked, in order
  ds::TextGrid reviewed;  // the grid of the last review
  QStringList printed;    // every page printed (the print dialog answered OK)

  // The messages shown since the last call.
  QStringList take();
  // What the test did not expect: "" when nothing.
  QString leftover() const;

  void message(QWidget*, const QString& text) override { messages_ << text; }
  QString input(QWidget*, const QString& prompt, const QString& title) override;
  QString open_file(QWidget*, const QString& title, const QString&) override { return next(title); }
  QString save_file(QWidget*, const QString& title, const QString&, const QString&) override {
    return next(title);
  }
  int ask(QWidget*, const QString& question, const QStringList&) override {
    return choose(nullptr, question, {});
  }
  int choose(QWidget*, const QString& question, const QStringList&) override;
  bool review(QWidget*, const QString& title, const QString& text, const ds::TextGrid& grid,
              const QString&) override;
  void print(QWidget*, const QString&, const QString&, const QString& html) override { printed << html; }

 private:
  QString next(const QString& prompt);
  QStringList messages_;
  QStringList unexpected_;
};

// Finds controls by objectName in the window last shown (or set in `w`), and
// types, clicks and chooses as a user does.
class Driver {
 public:
  QWidget* w = nullptr;
  QWidget* show(int window_id);  // a WindowId: shown, raised and active
  template <class T = QWidget>
  T* find(const char* name) const {
    T* t = w ? w->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!t) qWarning("no control %s", name);
    return t;
  }
  // Replaces a box's text by typing (a combo box's line edit too).
  void type(const char* name, const QString& text) const;
  void click(const char* name) const;
  void key(const char* name, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
  // Picks `item` of a combo box's list, as a click in its list does.
  bool choose(const char* combo, const QString& item) const;
  // The same through the list as a user does: open it, go to the item, press Enter.
  void pick(const char* combo, const QString& item) const;
  // The text of a box, combo box or label.
  QString text(const char* name) const;
  bool enabled(const char* name) const;
  // The Lotto window's draw boxes: the date, then N1, N2 ... and the bonus as given.
  void type_draw(const QString& date, const QStringList& numbers) const;
  bool has_focus(const char* name) const;
};

// The base of every window test class: before each test function a fresh
// folder with the shipped files (and, when asked, the samples installed as the
// main window installs them), the state reset, every window closed; after it,
// a check that no dialog went unexpected.
class WindowTest : public QObject, public Driver {
  Q_OBJECT
 public:
  explicit WindowTest(bool install_samples = true) : install_samples_(install_samples) {}

 protected:
  ScriptedDialogs dialogs;
  QString folder() const { return dir_->path(); }
  QString path(const QString& rest) const { return folder() + QLatin1Char('/') + rest; }
  // The message boxes shown since the last call.
  QStringList shown() { return dialogs.take(); }
  // The sample lotto and the sample set (size 10, Forecaster1, its last row
  // current) chosen in the Lotto and Targeted Sets windows.
  void choose_samples();

 private slots:
  void init();
  void cleanup();

 private:
  bool install_samples_;
  std::unique_ptr<QTemporaryDir> dir_;
};

// A file's bytes, or "<missing>".
QByteArray read_all(const QString& path);
void write_all(const QString& path, const QByteArray& bytes);

using TestFactory = std::function<QObject*()>;
int register_test(const char* name, TestFactory factory);
std::vector<std::pair<const char*, TestFactory>>& registered_tests();

}  // namespace ds::ui::test

#define DS_UI_TEST(Class) \
  static const int ds_registered_##Class = ds::ui::test::register_test(#Class, [] { return new Class; })
