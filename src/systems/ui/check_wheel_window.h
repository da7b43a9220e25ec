#pragma once
// The Check a Wheel window: opens any list of tickets and shows, for every count
// of winners inside the set, the worst and best match and how the cases spread
// over matches; for a chosen guarantee, the holes. The check runs on a thread of
// its own.
#include <QMainWindow>
#include <memory>

#include "shell/grid.h"
#include "shell/ui/background_run.h"
#include "shell/ui/state_hub.h"
#include "systems/wheel_handlers.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace ds::ui {

class GridView;

class CheckWheelWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit CheckWheelWindow(StateHub& hub);
  ~CheckWheelWindow() override;

  void open_list();  // cmdOpen
  void check();      // cmdCheck
  void stop();       // cmdStop
  bool running() const { return static_cast<bool>(run_); }
  const CheckWheelModel& model() const { return model_; }
  const TextGrid& rows_grid() const { return model_.rows; }
  const TextGrid& holes_grid() const { return model_.holes; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  StateHub& hub_;
  // What the check thread and the window share: the check's progress and, once
  // the check has returned, its result.
  struct Run {
    Wheel wheel;
    int t = 0, m = 0;
    CheckProgress progress;
    WheelCheckResult result;
  };
  void poll();
  void finish();
  // Shows the model and what `out` carries, then the message and the focus.
  void apply(const CheckWheelOutcome& out);

  CheckWheelModel model_;
  std::unique_ptr<Run> run_;  // before check_, which ends (and joins) first
  BackgroundRun check_{this, [this] { poll(); }, [this] { finish(); }};
  QLineEdit *txt_set_ = nullptr, *txt_t_ = nullptr, *txt_m_ = nullptr, *txt_keys_ = nullptr;
  QPushButton *cmd_open_ = nullptr, *cmd_use_set_ = nullptr, *cmd_check_ = nullptr, *cmd_stop_ = nullptr,
              *cmd_export_ = nullptr;
  QLabel *lbl_list_ = nullptr, *lbl_summary_ = nullptr;
  QProgressBar* prg_ = nullptr;
  GridView *msf_rows_ = nullptr, *msf_holes_ = nullptr;
};

}  // namespace ds::ui
