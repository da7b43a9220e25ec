#pragma once
// The System Performance window: which tickets of the current system would have
// won in one draw, and how much.
#include <QMainWindow>
#include <array>
#include <vector>

#include "analyses/performance.h"
#include "analyses/ui/prize_boxes.h"
#include "shell/grid.h"
#include "shell/ui/state_hub.h"
#include "shell/ui/window_registry.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ds::ui {

class GridView;

class PerformanceWindow : public QMainWindow, public OpensOnShow {
  Q_OBJECT
 public:
  explicit PerformanceWindow(StateHub& hub);
  // The prizes and the draw of the current choice, then the calculation.
  void opened() override;
  // The views go before the grids they show.
  ~PerformanceWindow() override { delete takeCentralWidget(); }
  const TextGrid& performance_grid() const { return model_.grid; }

  void Performance();  // cmdRefresh, Enter in a box

 private:
  StateHub& hub_;
  PerformanceForm form() const;
  void apply(const PerformanceOutcome& out);

  PerformanceModel model_;
  QLabel* lbl_tset_ = nullptr;
  QLabel* lbl_system_ = nullptr;
  std::array<QLineEdit*, 8> txt_n_{};  // 1..7
  // A game beyond the record: the seventh main number (txtMain7) and the
  // second-pool numbers (txtS1, txtS2), shown only when the game has them.
  QLineEdit* txt_main7_ = nullptr;
  std::array<QLineEdit*, 2> txt_s_{};
  std::vector<QWidget*> extra_labels_;  // their captions, then Label19 (bonus)
  PrizeBoxes prizes_;
  GridView* msf_ = nullptr;
};

}  // namespace ds::ui
