#pragma once
// The registry of the program's windows: one instance of each.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <set>

#include "shell/window_id.h"

namespace ds::ui {

using ds::WindowId;

// A window whose opening step (reading the current choices, computing, saying
// what is missing, bringing another window forward) must not run when it is only
// made: the registry runs opened() the first time it shows the window.
class OpensOnShow {
 public:
  virtual ~OpensOnShow() = default;
  virtual void opened() = 0;
};

// A window that may hold work not yet saved: before the window is closed or the
// program ends it asks the user (save, discard or cancel); false means stay.
class KeepsUnsavedWork {
 public:
  virtual ~KeepsUnsavedWork() = default;
  virtual bool may_close() = 0;
};

// One instance per window. `get` creates a window hidden on first use (its
// constructor lays it out and reads what it lists, nothing more); `show` shows it
// modeless, runs its opening step the first time (OpensOnShow, once the window is
// visible) and brings it to the front. A window the user closed is deleted and
// created afresh next time.
class WindowRegistry {
 public:
  using Factory = std::function<QWidget*()>;
  void set_factory(WindowId id, Factory factory);
  QWidget* get(WindowId id);
  template <class T>
  T* get_as(WindowId id) {
    return qobject_cast<T*>(get(id));
  }
  QWidget* show(WindowId id);
  // Made if need be and its opened() step run, still hidden: a window whose grid or
  // target another window reads has read its files first.
  QWidget* get_opened(WindowId id);
  // Hides the window when it exists (it stays in existence with its contents).
  void hide(WindowId id);
  // The instance if it exists, without creating it.
  QWidget* existing(WindowId id) const;
  // Asks every window that may hold unsaved work whether the program may end;
  // false as soon as one says stay.
  bool may_end_program();
  // Closes and forgets every window (tests start each case afresh).
  void close_all();

 private:
  std::map<WindowId, Factory> factories_;
  std::map<WindowId, QPointer<QWidget>> windows_;
  std::set<WindowId> not_opened_;  // made, opened() not yet run
  std::set<WindowId> not_shown_;   // made, not yet shown
  // Runs the opened() step once; false when the window closed itself doing it.
  bool run_opened(WindowId id, QWidget* w);
};

WindowRegistry& registry();

}  // namespace ds::ui
