#pragma once
// The Forecasting Abilities window: over a period, how often the targeted set
// held k of the drawn numbers, compared with chance.
#include <QMainWindow>

#include "analyses/forecasting.h"
#include "shell/grid.h"
#include "shell/ui/app.h"
#include "shell/ui/state_hub.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ds::ui {

class GridView;

class ForecastingWindow : public QMainWindow, public OpensOnShow {
  Q_OBJECT
 public:
  explicit ForecastingWindow(StateHub& hub);
  // The calculation over the last twelve months.
  void opened() override;
  // The views go before the grids they show.
  ~ForecastingWindow() override { delete takeCentralWidget(); }
  const TextGrid& fa_grid() const { return model_.grid; }

  void calculate_fa();

 private:
  StateHub& hub_;
  FaModel model_;
  QLineEdit* txt_from_ = nullptr;
  QLineEdit* txt_to_ = nullptr;
  QLabel* lbl_lotto_ = nullptr;
  QLabel* lbl_tset_name_ = nullptr;
  QLabel* lbl_tset_size_ = nullptr;
  QLabel* lbl_period_ = nullptr;
  GridView* msf_fa_ = nullptr;
  QPushButton* cmd_refresh_ = nullptr;
};

}  // namespace ds::ui
