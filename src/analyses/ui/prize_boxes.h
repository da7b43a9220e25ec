#pragma once
// The ten prize boxes of the analysis windows, in prize-class order; for a game
// beyond the record (see shell/game.h) one box per tier of its prize table
// instead. What they show is decided by analyses/prize_boxes.h.
#include <QString>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "analyses/prize_boxes.h"

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace ds::ui {

struct PrizeBoxes {
  QGroupBox* frame = nullptr;          // fraPrizes
  std::array<QLineEdit*, 10> boxes{};  // txtP2, txtP2b, txtP3, ... txtP6b
  std::array<QLabel*, 10> labels{};    // their captions
  std::vector<QLineEdit*> tier_boxes;  // txtTier1 .. txtTierN: the tiers of a general game
  std::vector<QLabel*> tier_labels;    // lblTier1 .. lblTierN
  QGridLayout* layout = nullptr;
  std::function<void()> on_enter;  // Enter in any box, classic or tier

  PrizeTexts texts() const;
  // Lays the boxes out as `view` says (the ten classes, or one box per tier)
  // and writes its texts.
  void show(const PrizeBoxesView& view);
};

// A frame named fraPrizes with the captions Label2, Label4 .. Label12 and the
// boxes, each holding "0"; one row per number of matches.
PrizeBoxes make_prize_boxes(QWidget* parent, const QString& title);

}  // namespace ds::ui
