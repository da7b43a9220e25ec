#include "analyses/ui/prize_boxes.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "analyses/prize_classes.h"
#include "shell/ui/text.h"

namespace ds::ui {

PrizeTexts PrizeBoxes::texts() const {
  PrizeTexts out;
  for (int i = 0; i < 10; ++i) out.classes[i] = ss(boxes[i]->text());
  for (const QLineEdit* box : tier_boxes) out.tiers.push_back(ss(box->text()));
  return out;
}

void PrizeBoxes::show(const PrizeBoxesView& view) {
  for (int i = 0; i < 10; ++i) {
    boxes[i]->setVisible(!view.general);
    labels[i]->setVisible(!view.general);
    boxes[i]->setText(qs(view.texts.classes[i]));
  }
  const std::size_t tiers = view.tier_labels.size();
  while (tier_boxes.size() > tiers) {
    delete tier_boxes.back();
    delete tier_labels.back();
    tier_boxes.pop_back();
    tier_labels.pop_back();
  }
  // Two tiers to a row, in the order of the game's table.
  for (std::size_t i = 0; i < tiers; ++i) {
    if (i >= tier_boxes.size()) {
      auto* label = new QLabel(frame);
      label->setObjectName(QStringLiteral("lblTier%1").arg(i + 1));
      label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      auto* box = new QLineEdit(frame);
      box->setObjectName(QStringLiteral("txtTier%1").arg(i + 1));
      box->setMaximumWidth(100);
      label->setBuddy(box);
      const int row = 5 + static_cast<int>(i) / 2, col = static_cast<int>(i) % 2 * 2;
      layout->addWidget(label, row, col);
      layout->addWidget(box, row, col + 1);
      QObject::connect(box, &QLineEdit::returnPressed, frame, [this] {
        if (on_enter) on_enter();
      });
      tier_boxes.push_back(box);
      tier_labels.push_back(label);
    }
    tier_labels[i]->setText(qs(view.tier_labels[i]));
    if (i < view.texts.tiers.size()) tier_boxes[i]->setText(qs(view.texts.tiers[i]));
  }
}

PrizeBoxes make_prize_boxes(QWidget* parent, const QString& title) {
  PrizeBoxes p;
  p.frame = new QGroupBox(title, parent);
  p.frame->setObjectName(QStringLiteral("fraPrizes"));
  auto* grid = new QGridLayout(p.frame);
  p.layout = grid;
  grid->setHorizontalSpacing(8);
  for (int i = 0; i < 10; ++i) {
    const int hits = 2 + i / 2;
    const bool bonus = i % 2 == 1;
    auto* label = new QLabel(
        QString::fromLatin1(prize_class_labels[i].data(), static_cast<int>(prize_class_labels[i].size())),
        p.frame);
    label->setObjectName(QStringLiteral("Label%1").arg(i == 0 ? 2 : i + 3));
    auto* box = new QLineEdit(QStringLiteral("0"), p.frame);
    box->setObjectName(QStringLiteral("txtP%1%2").arg(hits).arg(bonus ? QStringLiteral("b") : QString()));
    box->setMaximumWidth(100);
    label->setBuddy(box);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label, hits - 2, bonus ? 2 : 0);
    grid->addWidget(box, hits - 2, bonus ? 3 : 1);
    p.boxes[i] = box;
    p.labels[i] = label;
  }
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  return p;
}

}  // namespace ds::ui
