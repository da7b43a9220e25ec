#pragma once
// The Wheel Filter window, opened from the Systems window: the tickets shown there,
// renumbered over the targeted set so that the most pass the filters typed, with the
// passing tickets to copy, export or save as a made wheel. The search runs on a thread
// of its own; the window follows the choices through the state hub.
#include <QMainWindow>
#include <memory>

#include "shell/ui/background_run.h"
#include "shell/ui/window_registry.h"
#include "systems/wheel_filter_handlers.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace ds::ui {

class GridView;
class StateHub;

class WheelFilterDialog : public QMainWindow, public OpensOnShow {
  Q_OBJECT
 public:
  explicit WheelFilterDialog(StateHub& hub);
  ~WheelFilterDialog() override;
  void opened() override;  // wheel_filter_open

  void search();  // cmdSearch
  void stop();    // cmdStop
  void save();    // cmdSave
  bool running() const { return static_cast<bool>(run_); }
  const WheelFilterModel& model() const { return model_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // What the search thread and the window share.
  struct Run {
    RenumberRequest request;
    std::stop_source halt;  // Stop ends the search; the check of what it found still runs
    RenumberProgress progress;
    RenumberResult result;
    KeptGuarantee kept;
  };
  void reload();  // a choice changed: the running search ends, the system is read anew
  void poll();
  void finish();
  void apply(const WheelFilterOutcome& out);

  StateHub& hub_;
  WheelFilterModel model_;
  std::unique_ptr<Run> run_;  // before search_, which ends (and joins) first
  BackgroundRun search_{this, [this] { poll(); }, [this] { finish(); }};
  QLineEdit* txt_filters_ = nullptr;
  QPushButton *cmd_search_ = nullptr, *cmd_stop_ = nullptr, *cmd_copy_ = nullptr, *cmd_export_ = nullptr,
              *cmd_save_ = nullptr, *cmd_close_ = nullptr;
  QLabel *lbl_wheel_ = nullptr, *lbl_identity_ = nullptr, *lbl_best_ = nullptr, *lbl_numbering_ = nullptr,
         *lbl_kept_ = nullptr;
  QProgressBar* prg_ = nullptr;
  GridView* msf_tickets_ = nullptr;
};

}  // namespace ds::ui
