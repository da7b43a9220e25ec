#pragma once
// The Average Profitability window: the expected return per unit of stake of
// the current system on the current targeted set, and the times to play.
#include <QMainWindow>

#include "analyses/profitability.h"
#include "analyses/ui/prize_boxes.h"
#include "shell/grid.h"
#include "shell/ui/state_hub.h"
#include "shell/ui/window_registry.h"

class QComboBox;
class QLabel;

namespace ds::ui {

class GridView;

class ProfitabilityWindow : public QMainWindow, public OpensOnShow {
  Q_OBJECT
 public:
  explicit ProfitabilityWindow(StateHub& hub);
  // The views go before the grids they show.
  ~ProfitabilityWindow() override { delete takeCentralWidget(); }
  const TextGrid& fa_grid() const { return model_.fa; }

  // Copies the Forecasting Abilities results, then calculates.
  void opened() override;
  void refresh();  // cmdRefresh

 private:
  StateHub& hub_;
  // The Forecasting Abilities window shown (it calculates when it opens) and its results.
  const TextGrid* forecasting_results();
  ProfitabilityForm form() const;
  void apply(const ProfitabilityOutcome& out);

  ProfitabilityModel model_;
  QLabel* lbl_lotto_ = nullptr;
  QLabel* lbl_system_ = nullptr;
  QLabel* lbl_profitability_ = nullptr;
  QLabel* lbl_times_ = nullptr;
  QComboBox* cmb_clevel_ = nullptr;
  PrizeBoxes prizes_;
  GridView* msf_fa_ = nullptr;
};

}  // namespace ds::ui
