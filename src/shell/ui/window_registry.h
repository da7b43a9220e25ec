#pragma once
// The registry of the program's windows: one instance of each.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>

#include "shell/window_id.h"

namespace ds::ui {

using ds::WindowId;

// One instance per window. `get` creates a window hidden on first use (its
// constructor is its load step); `show` also shows it modeless and brings it to
// the front. A window the user closed is deleted and created afresh next time.
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
  // The instance if it exists, without creating it.
  QWidget* existing(WindowId id) const;
  // Closes and forgets every window (tests start each case afresh).
  void close_all();

 private:
  std::map<WindowId, Factory> factories_;
  std::map<WindowId, QPointer<QWidget>> windows_;
};

WindowRegistry& registry();

}  // namespace ds::ui
