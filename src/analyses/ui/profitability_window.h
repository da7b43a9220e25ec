#pragma once
// The Average Profitability window: the expected return per unit of stake of
// the current system on the current targeted set, and the times to play.
#include <QMainWindow>

#include "analyses/ui/prize_boxes.h"
#include "shell/grid.h"
#include "shell/ui/window_registry.h"

class QComboBox;
class QLabel;

namespace ds {
struct ProfitabilityInput;
struct ProfitabilityOutcome;
}  // namespace ds

namespace ds::ui {

class GridView;

class ProfitabilityWindow : public QMainWindow, public OpensOnShow {
  Q_OBJECT
 public:
  ProfitabilityWindow();
  // The views go before the grids they show.
  ~ProfitabilityWindow() override { delete takeCentralWidget(); }
  const TextGrid& fa_grid() const { return fa_; }

  // Copies the Forecasting Abilities results, then calculates.
  void opened() override;
  void refresh();  // cmdRefresh
  void calculate_avrprofitability();
  void how_long_to_play();

 private:
  // Shows the Forecasting Abilities window, copies its results, hides it;
  // false (after the message) when there are no results to copy.
  bool copy_fa();
  ProfitabilityInput input() const;
  void apply(const ProfitabilityOutcome& out);

  TextGrid fa_;
  std::vector<std::string> prize_tiers_;  // the labels of the tier boxes shown
  QLabel* lbl_lotto_ = nullptr;
  QLabel* lbl_system_ = nullptr;
  QLabel* lbl_profitability_ = nullptr;
  QLabel* lbl_times_ = nullptr;
  QComboBox* cmb_clevel_ = nullptr;
  PrizeBoxes prizes_;
  GridView* msf_fa_ = nullptr;
};

}  // namespace ds::ui
