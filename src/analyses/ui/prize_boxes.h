#pragma once
// The ten prize boxes of the analysis windows, in prize-class order.
#include <QString>
#include <array>
#include <string>

class QGroupBox;
class QLineEdit;
class QWidget;

namespace ds::ui {

struct PrizeBoxes {
  QGroupBox* frame = nullptr;          // fraPrizes
  std::array<QLineEdit*, 10> boxes{};  // txtP2, txtP2b, txtP3, ... txtP6b

  std::array<std::string, 10> texts() const;
  // Writes the ten prizes of the current lotto, as their shortest text.
  void fill_from_lotto();
};

// A frame named fraPrizes with the captions Label2, Label4 .. Label12 and the
// boxes, each holding "0"; one row per number of matches.
PrizeBoxes make_prize_boxes(QWidget* parent, const QString& title);

}  // namespace ds::ui
