#include "shell/ui/window_registry.h"

#include <QScreen>
#include <algorithm>

#include "shell/ui/accessible_names.h"
#include "shell/ui/session.h"
#include "shell/ui/translation.h"

namespace ds::ui {

namespace {

// A window reaching past the bottom or right edge of the screen's free area (a
// remembered place from a larger screen, a tall game's prize table) is moved back
// inside it, as far as its size allows; its size stays as it is.
void keep_on_screen(QWidget* w) {
  const QScreen* screen = w->screen();
  if (!screen) return;
  const QRect free = screen->availableGeometry();
  const QRect frame = w->frameGeometry();
  const int x = std::max(free.left(), std::min(frame.left(), free.right() + 1 - frame.width()));
  const int y = std::max(free.top(), std::min(frame.top(), free.bottom() + 1 - frame.height()));
  if (x != frame.left() || y != frame.top()) w->move(x, y);
}

}  // namespace

WindowRegistry& registry() {
  static WindowRegistry r;
  return r;
}

void WindowRegistry::set_factory(WindowId id, Factory factory) { factories_[id] = std::move(factory); }

QWidget* WindowRegistry::get(WindowId id) {
  if (QWidget* w = existing(id)) return w;
  const auto f = factories_.find(id);
  if (f == factories_.end()) return nullptr;
  QWidget* w = f->second();
  w->setAttribute(Qt::WA_DeleteOnClose);
  windows_[id] = w;
  not_opened_.insert(id);
  not_shown_.insert(id);
  watch_window(w);
  name_controls(w);  // controls named for screen readers after their labels
  return w;
}

bool WindowRegistry::run_opened(WindowId id, QWidget* w) {
  if (not_opened_.erase(id) == 0) return true;
  const QPointer<QWidget> alive(w);
  if (auto* opening = dynamic_cast<OpensOnShow*>(w)) opening->opened();
  return !alive.isNull();
}

QWidget* WindowRegistry::get_opened(WindowId id) {
  QWidget* w = get(id);
  return w && run_opened(id, w) ? w : nullptr;
}

QWidget* WindowRegistry::show(WindowId id) {
  QWidget* w = get(id);
  if (!w) return nullptr;
  // Its place, size and period of the last run, before it is first shown (a window
  // opened earlier for a reader of its grid has not been shown yet).
  if (not_shown_.erase(id) > 0) restore_window(w);
  if (w->isMinimized()) w->showNormal();
  w->show();
  keep_on_screen(w);
  if (!run_opened(id, w)) return nullptr;
  w->raise();
  w->activateWindow();
  return w;
}

void WindowRegistry::hide(WindowId id) {
  if (QWidget* w = existing(id)) w->hide();
}

QWidget* WindowRegistry::existing(WindowId id) const {
  const auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : it->second.data();
}

bool WindowRegistry::may_end_program() {
  for (auto& [id, w] : windows_)
    if (auto* keeper = dynamic_cast<KeepsUnsavedWork*>(w.data()); keeper && !keeper->may_close())
      return false;
  return true;
}

void WindowRegistry::close_all() {
  for (auto& [id, w] : windows_) {
    if (w) {
      w->setAttribute(Qt::WA_DeleteOnClose, false);
      // Hidden first, as a user's close does: a window's grid members die before
      // its child views, which must not be asked to lay out on the way.
      w->hide();
      delete w.data();
    }
  }
  windows_.clear();
  not_opened_.clear();
}

}  // namespace ds::ui
