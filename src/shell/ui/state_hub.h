#pragma once
// The owner of the user's choices during a run. The program's root (src/app) makes
// one StateHub and hands it to every window it registers: windows read the choices
// through state(), change them only through change(), and follow what it announces
// instead of being refreshed by other windows. No window reaches another window's
// grid: what one window reads from another's work (the draws read, the set rows,
// the forecasting table) is carried by the state.
#include <QObject>
#include <functional>

#include "shell/app_state.h"

namespace ds::ui {

AppState& state();

// What a change touched; one signal each.
enum class Changed {
  nothing,      // a value no window follows (folders, formats, picks of a dialog)
  lotto,        // the lotto chosen, its definition, its current draw
  draws,        // the chosen lotto's draws as the Lotto window last read or changed them
  tset,         // the set chosen, its rows, its current row and numbers
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
  // Announces `what` without a change (a window that changed a grid the state carries
  // through its own model announces it once shown).
  void announce(Changed what);
  // Back to a fresh state with the folders and forms kept (tests start each case afresh).
  void reset();

 signals:
  void lottoChanged();
  void drawsChanged();
  void tsetChanged();
  void systemChanged();
  void forecastingChanged();

 private:
  friend AppState& state();  // while windows move to the hub
  AppState state_;
};

}  // namespace ds::ui
