#pragma once
// The Statistics window: how often each number of the chosen lotto came over a
// period, its pairs, the spread of its draws beside all combinations, and the
// pass rates of the filters the user types, each beside what chance gives.
#include <QMainWindow>

#include "analyses/statistics.h"
#include "shell/ui/window_registry.h"

class QBarSet;
class QBarCategoryAxis;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QLineSeries;
class QPlainTextEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;
class QValueAxis;

namespace ds::ui {

class GridModel;
class GridView;
class PairHeatMap;
class StateHub;

class StatisticsWindow : public QMainWindow, public OpensOnShow {
  Q_OBJECT
 public:
  explicit StatisticsWindow(StateHub& hub);
  ~StatisticsWindow() override;
  // The lotto chosen and its draws, the whole history as the period, the tables.
  void opened() override;

  const StatisticsModel& model() const { return model_; }
  void go();  // cmdGo, Enter in a box

 private:
  // The lotto (or its draws) changed: read them again; a new lotto gets its whole history.
  void reload(bool new_lotto);
  void show_model();
  void show_numbers_chart(int chart, bool second);
  void show_spread_chart();
  StatisticsTab current_tab() const;

  StateHub& hub_;
  StatisticsModel model_;
  bool opened_ = false;
  QLabel* lbl_lotto_ = nullptr;
  QLineEdit* txt_from_ = nullptr;
  QLineEdit* txt_to_ = nullptr;
  QPushButton* cmd_go_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  // Numbers
  GridModel* numbers_model_ = nullptr;
  QSortFilterProxyModel* numbers_sorted_ = nullptr;
  QTableView* msf_numbers_ = nullptr;
  QLabel* lbl_fair_ = nullptr;
  QChartView* cht_numbers_[2] = {nullptr, nullptr};
  // Pairs
  GridView* msf_most_ = nullptr;
  GridView* msf_least_ = nullptr;
  PairHeatMap* heat_map_ = nullptr;
  QLabel* lbl_pairs_ = nullptr;
  QLabel* lbl_pair_ = nullptr;
  // Spreads
  QComboBox* cmb_spread_ = nullptr;
  GridView* msf_spread_ = nullptr;
  QChartView* cht_spread_ = nullptr;
  // Filters
  QPlainTextEdit* txt_filters_ = nullptr;
  GridView* msf_rates_ = nullptr;
  QLabel* lbl_rates_ = nullptr;
};

}  // namespace ds::ui
