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

std::vector<std::string> PrizeBoxes::tier_texts() const {
  std::vector<std::string> out;
  for (const QLineEdit* box : tier_boxes) out.push_back(ss(box->text()));
  return out;
}

void PrizeBoxes::show_game(const LottoDefinition& game) {
  const bool general = !fits_record(game);
  for (int i = 0; i < 10; ++i) {
    boxes[i]->setVisible(!general);
    labels[i]->setVisible(!general);
  }
  const std::vector<PrizeTier> tiers = general ? prize_tiers(game) : std::vector<PrizeTier>{};
  while (tier_boxes.size() > tiers.size()) {
    delete tier_boxes.back();
    delete tier_labels.back();
    tier_boxes.pop_back();
    tier_labels.pop_back();
  }
  // Two tiers to a row, in the order of the game's table.
  for (std::size_t i = 0; i < tiers.size(); ++i) {
    if (i >= tier_boxes.size()) {
      auto* label = new QLabel(frame);
      label->setObjectName(QStringLiteral("lblTier%1").arg(i + 1));
      label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      auto* box = new QLineEdit(QStringLiteral("0"), frame);
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
    tier_labels[i]->setText(qs(tier_label(game, tiers[i])));
  }
}

void PrizeBoxes::follow_lotto() {
  const LottoDefinition& game = state().lotto;
  const std::vector<PrizeTier> tiers = fits_record(game) ? std::vector<PrizeTier>{} : prize_tiers(game);
  bool same = tiers.size() == tier_labels.size();
  for (std::size_t i = 0; same && i < tiers.size(); ++i)
    same = tier_labels[i]->text() == qs(tier_label(game, tiers[i]));
  if (!same) fill_from_lotto();
}

void PrizeBoxes::fill_from_lotto() {
  const LottoDefinition& l = state().lotto;
  show_game(l);
  const std::array<float, 10> prizes = {l.prize_2,  l.prize_2b, l.prize_3,  l.prize_3b, l.prize_4,
                                        l.prize_4b, l.prize_5,  l.prize_5b, l.prize_6,  l.prize_6b};
  for (int i = 0; i < 10; ++i) boxes[i]->setText(qs(format_single_exact(prizes[i], state().number_format)));
  const std::vector<PrizeTier> tiers = prize_tiers(l);
  for (std::size_t i = 0; i < tier_boxes.size() && i < tiers.size(); ++i)
    tier_boxes[i]->setText(qs(format_general(tiers[i].payout, state().number_format)));
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
