#pragma once
// The Back-test window: what the chosen system would have spent and won over a
// period of the draw history, draw by draw, with the running net as a chart.
#include <QMainWindow>

#include "analyses/backtest.h"
#include "shell/grid.h"
#include "shell/ui/state_hub.h"
#include "shell/ui/window_registry.h"

class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QLineSeries;
class QListWidget;
class QPushButton;

namespace ds::ui {

class GridView;

class BacktestWindow : public QMainWindow, public OpensOnShow {
  Q_OBJECT
 public:
  explicit BacktestWindow(StateHub& hub);
  // The views go before the grid they show.
  ~BacktestWindow() override;
  // The choices made elsewhere, the whole history as the period, then a run
  // when the system of the Systems window fits.
  void opened() override;

  const TextGrid& backtest_grid() const { return model_.grid; }
  // The points of the chart: one per draw played.
  int chart_points() const;
  // The lines of the chart: one per system or wheel played.
  int chart_lines() const;
  // One row per system or wheel played.
  const TextGrid& totals_grid() const { return model_.totals; }

  void go();  // cmdGo

 private:
  StateHub& hub_;
  void show_result(const BacktestResult& result);
  // As many dates under the chart as fit whole at its width (never "2025…").
  void fit_date_ticks();
  void resizeEvent(QResizeEvent* event) override;
  void show_compared(const std::vector<BacktestRun>& runs);

  BacktestModel model_;
  QLabel* lbl_lotto_ = nullptr;
  QLabel* lbl_tset_ = nullptr;
  QComboBox* cmb_system_ = nullptr;
  QLineEdit* txt_from_ = nullptr;
  QLineEdit* txt_to_ = nullptr;
  QPushButton* cmd_go_ = nullptr;
  QLabel* lbl_period_ = nullptr;
  QLabel* lbl_totals_ = nullptr;
  GridView* msf_ = nullptr;
  GridView* msf_totals_ = nullptr;
  QListWidget* lst_compare_ = nullptr;
  std::vector<QLineSeries*> compared_series_;
  QChartView* chart_view_ = nullptr;
  QLineSeries* series_ = nullptr;
};

}  // namespace ds::ui
