#pragma once
// The Systems window: choose a system for the current targeted set and lotto, see
// its guaranteed results, its tickets and their cost, print the tickets.
#include <QMainWindow>

#include "shell/grid.h"
#include "shell/ui/state_hub.h"
#include "shell/ui/window_registry.h"
#include "systems/system_handlers.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ds::ui {

class GridView;

class SystemWindow : public QMainWindow, public OpensOnShow {
  Q_OBJECT
 public:
  explicit SystemWindow(StateHub& hub);
  // The views read the grids below: they go first.
  ~SystemWindow() override;
  // The checks of the current choices (system_window_load).
  void opened() override;

  const SystemModel& model() const { return model_; }
  const TextGrid& results_grid() const { return model_.results; }
  const TextGrid& tickets_grid() const { return model_.tickets; }

  // The made wheels of the Wheels folder listed anew under their heading, after
  // the catalogue (the choice on screen stays), and the second-pool row
  // (system_refresh). Runs whenever the window comes to the front, so that a
  // wheel saved meanwhile is listed.
  void refresh_wheels();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  StateHub& hub_;
  void choose_system();      // cmbList: the user picked an entry
  void take_second_picks();  // txtSecond: Enter or leaving it
  // Shows the model and what `out` carries, then the message and the focus.
  void apply(const SystemOutcome& out);
  void list_wheels(const std::vector<std::string>& wheels);
  void show_second_row(const SecondPoolRow& row);

  SystemModel model_;
  QLabel* lbl_lotto_ = nullptr;
  QLabel* lbl_tset_ = nullptr;
  QLabel* lbl_cost_ = nullptr;
  QLabel* lbl_rows_note_ = nullptr;
  QLabel* label_second_ = nullptr;
  QLineEdit* txt_second_ = nullptr;
  QLabel* lbl_plays_ = nullptr;
  QComboBox* cmb_list_ = nullptr;
  GridView* msf_results_ = nullptr;
  GridView* msf_system_ = nullptr;
  QPushButton* cmd_print_ = nullptr;
};

}  // namespace ds::ui
