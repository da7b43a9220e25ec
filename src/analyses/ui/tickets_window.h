#pragma once
// The My tickets window: the tickets bought for the lotto chosen, what each play won
// once its draws are in, the totals, the members of a syndicate and the running net;
// entries added from the Systems window's tickets, a ticket file or typed, and removed.
// Its decisions are analyses/tickets_handlers.h.
#include <QMainWindow>

#include "analyses/tickets_handlers.h"
#include "shell/ui/window_registry.h"

class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QLineSeries;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace ds::ui {

class FileWatch;
class GridView;
class StateHub;

class TicketsWindow : public QMainWindow, public OpensOnShow {
  Q_OBJECT
 public:
  explicit TicketsWindow(StateHub& hub);
  // The views go before the grids they show.
  ~TicketsWindow() override;
  void opened() override;

  const TicketsModel& model() const { return model_; }
  int chart_points() const;

  void refresh();         // the ledger read and settled anew
  void add();             // cmdAdd
  void remove();          // cmdRemove
  void update_results();  // cmdUpdate: the Update results dialog

 private:
  TicketsForm form() const;
  void period_chosen();
  void apply(const TicketsOutcome& out);
  void show_chart();
  void show_members();

  StateHub& hub_;
  TicketsModel model_;
  bool opened_ = false;
  FileWatch* watch_ = nullptr;
  QLabel* lbl_lotto_ = nullptr;
  QLabel* lbl_totals_ = nullptr;
  GridView* msf_entries_ = nullptr;
  GridView* msf_plays_ = nullptr;
  GridView* msf_members_ = nullptr;
  QChartView* chart_view_ = nullptr;
  QLineSeries* series_ = nullptr;
  QLineEdit* txt_from_ = nullptr;
  QComboBox* cmb_period_ = nullptr;
  QLineEdit* txt_count_ = nullptr;
  QLineEdit* txt_to_ = nullptr;
  QLineEdit* txt_paid_ = nullptr;
  QPlainTextEdit* txt_plays_ = nullptr;
  QLineEdit* txt_member_ = nullptr;
  QLineEdit* txt_share_ = nullptr;
  QComboBox* cmb_split_ = nullptr;
  QListWidget* lst_members_ = nullptr;
};

}  // namespace ds::ui
