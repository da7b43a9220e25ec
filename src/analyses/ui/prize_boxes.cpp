#include "analyses/ui/prize_boxes.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "analyses/prize_classes.h"
#include "shell/ui/app.h"

namespace ds::ui {

std::array<std::string, 10> PrizeBoxes::texts() const {
  std::array<std::string, 10> out;
  for (int i = 0; i < 10; ++i) out[i] = ss(boxes[i]->text());
  return out;
}

void PrizeBoxes::fill_from_lotto() {
  const LottoDefinition& l = state().lotto;
  const std::array<float, 10> prizes = {l.prize_2,  l.prize_2b, l.prize_3,  l.prize_3b, l.prize_4,
                                        l.prize_4b, l.prize_5,  l.prize_5b, l.prize_6,  l.prize_6b};
  for (int i = 0; i < 10; ++i) boxes[i]->setText(qs(format_single_exact(prizes[i], state().number_format)));
}

PrizeBoxes make_prize_boxes(QWidget* parent, const QString& title) {
  PrizeBoxes p;
  p.frame = new QGroupBox(title, parent);
  p.frame->setObjectName(QStringLiteral("fraPrizes"));
  auto* grid = new QGridLayout(p.frame);
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
  }
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  return p;
}

}  // namespace ds::ui
