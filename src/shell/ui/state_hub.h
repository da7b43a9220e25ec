#pragma once
// The owner of the user's choices during a run. The program's root (src/app) makes
// one StateHub and hands it to every window it registers: windows read the choices
// through state(), change them only through change(), and follow what it announces
// instead of being refreshed by other windows. No window reaches another window's
// grid: what one window reads from another's work (the draws read, the set rows,
// the forecasting table) is carried by the state.
#include <QObject>
#include <functional>
#include <set>

#include "shell/app_state.h"
#include "shell/window_id.h"

namespace ds::ui {

// What a change touched; one signal each.
enum class Changed {
  nothing,      // a value no window follows (folders, formats, picks of a dialog)
  lotto,        // the lotto chosen, its definition, its current draw
  draws,        // the chosen lotto's draws as the Lotto window last read or changed them
  tset,         // the set chosen, its rows, its current row and numbers
  tset_rows,    // the set's rows, written by another window than Targeted Sets (the generator)
  system,       // the system or wheel chosen, its tickets, results and second-pool picks
  forecasting,  // the forecasting table
};

class StateHub : public QObject {
  Q_OBJECT

 public:
  explicit StateHub(QObject* parent = nullptr);

  const AppState& state() const { return state_; }
  // Runs `edit` over the state, then announces `what` (nothing for Changed::nothing).
  void change(Changed what, const std::function<void(AppState&)>& edit);
  // Runs `edit` over the state, announces `what` and returns what `edit` returned:
  // a window's handler call, apply(hub_.changing(Changed::lotto, [&](AppState& s) {
  // return add_draw(model_, form, s); })).
  template <class Edit>
  auto changing(Changed what, Edit&& edit) {
    auto result = edit(state_);
    announce(what);
    return result;
  }
  // The root's own access, to set the folders and forms at start (and the tests', to
  // set up a case); windows go through change().
  AppState& writable() { return state_; }
  // Announces `what` without a change (a window that changed a grid the state carries
  // through its own model announces it once shown).
  void announce(Changed what);
  // The windows that show the choices made at start (the last run's) when they
  // first open, as if the user had made them there; a window made again later
  // starts afresh. take_restored says it once per window.
  void mark_restored(std::set<WindowId> windows) { restored_ = std::move(windows); }
  bool take_restored(WindowId window) { return restored_.erase(window) > 0; }
  // Back to a fresh state with the folders and forms kept (tests start each case afresh).
  void reset();

 signals:
  void lottoChanged();
  void drawsChanged();
  void tsetChanged();
  void tsetRowsWritten();
  void systemChanged();
  void forecastingChanged();

 private:
  AppState state_;
  std::set<WindowId> restored_;
};

}  // namespace ds::ui
