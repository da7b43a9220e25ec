#pragma once
// The Make a Wheel window: the size of the set, the ticket size and the
// guarantee; the search runs on a thread of its own while a timer shows how far
// it got; Stop keeps the best complete wheel; Save puts it in the Wheels folder.
#include <QMainWindow>
#include <memory>
#include <optional>

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

class MakeWheelWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MakeWheelWindow(StateHub& hub);
  // Stops a search still running and waits for its thread.
  ~MakeWheelWindow() override;

  void start();  // cmdStart
  void stop();   // cmdStop: the search ends, keeping the best complete wheel
  void save();   // cmdSave
  bool running() const { return static_cast<bool>(run_); }
  const MakeWheelModel& model() const { return model_; }
  const std::optional<Wheel>& wheel() const { return model_.wheel; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  StateHub& hub_;
  // What the search thread and the window share: the maker's progress and, once
  // the search has returned, its result.
  struct Run {
    MakeProgress progress;
    MakeRequest request;
    std::optional<Wheel> result;
  };
  void poll();    // the timer: the progress shown
  void finish();  // the search has returned: its result shown
  // Shows the model and what `out` carries, then the message and the focus.
  void apply(const MakeWheelOutcome& out);

  MakeWheelModel model_;
  std::unique_ptr<Run> run_;  // before search_, which ends (and joins) first
  BackgroundRun search_{this, [this] { poll(); }, [this] { finish(); }};
  QLineEdit *txt_v_ = nullptr, *txt_k_ = nullptr, *txt_t_ = nullptr, *txt_m_ = nullptr;
  QLineEdit *txt_seconds_ = nullptr, *txt_seed_ = nullptr, *txt_name_ = nullptr;
  QLineEdit *txt_keys_ = nullptr, *txt_tickets_ = nullptr;
  QPushButton *cmd_start_ = nullptr, *cmd_stop_ = nullptr, *cmd_save_ = nullptr;
  QProgressBar* prg_ = nullptr;
  QLabel *lbl_progress_ = nullptr, *lbl_result_ = nullptr, *lbl_bound_ = nullptr, *lbl_catalogue_ = nullptr;
  GridView* msf_tickets_ = nullptr;
};

}  // namespace ds::ui
