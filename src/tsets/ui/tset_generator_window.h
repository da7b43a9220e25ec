#pragma once
// The generator of targeted sets: counts how often each number was drawn over a
// period and proposes a set for the current row of the Targeted Sets window.
#include <QMainWindow>

#include "shell/ui/app.h"
#include "shell/ui/state_hub.h"
#include "tsets/generator.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ds::ui {

class GridView;

class TsetGeneratorWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit TsetGeneratorWindow(StateHub& hub);
  // The views read grids owned by this window: they go first.
  ~TsetGeneratorWindow() override;
  // Tests make the random rule repeatable; empty means seeded from the clock.
  void set_uniform_source(UniformSource source) { uniform_ = std::move(source); }

 private:
  StateHub& hub_;
  void go();

  GeneratorModel model_;
  UniformSource uniform_;
  QLineEdit* from_;
  QLineEdit* to_;
  QLineEdit* step_;
  QRadioButton* lowest0_;
  QRadioButton* lowest_;
  QRadioButton* highest_;
  QRadioButton* random_;
  QPushButton* go_;
  QLabel* period_ = nullptr;  // lblPeriod: how many draws the period holds
  GridView* table_;
};

}  // namespace ds::ui
