#include "analyses/ui/performance_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "shell/ui/app.h"
#include "shell/ui/apply_outcome.h"
#include "shell/ui/controls.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/grid_view.h"
#include "shell/ui/printing.h"

namespace ds::ui {

namespace {

constexpr FocusName<PerformanceFocus> focus_controls[] = {{PerformanceFocus::none, nullptr},
                                                          {PerformanceFocus::first_number, "txtN1"}};
static_assert(names_every_focus(focus_controls));

}  // namespace

PerformanceWindow::PerformanceWindow(StateHub& hub) : hub_(hub) {
  setObjectName(QStringLiteral("frmPerformance"));
  setWindowTitle(tr("System Performance"));

  auto* central = new QWidget(this);
  lbl_tset_ = named_label(QStringLiteral("lblTset"), tr("Not selected"), central);
  lbl_system_ = named_label(QStringLiteral("lblSystem"), tr("Not selected"), central);
  auto* facts = new QGridLayout;
  facts->addWidget(named_label(QStringLiteral("Label1"), tr("TSet"), central), 0, 0);
  facts->addWidget(lbl_tset_, 0, 1);
  facts->addWidget(named_label(QStringLiteral("Label3"), tr("System"), central), 1, 0);
  facts->addWidget(lbl_system_, 1, 1);
  facts->setColumnStretch(1, 1);

  auto* draw = new QGroupBox(tr("Draw"), central);
  draw->setObjectName(QStringLiteral("fraDraw"));
  auto* draw_layout = new QGridLayout(draw);
  for (int i = 1; i <= 7; ++i) {
    auto* label = named_label(QStringLiteral("Label%1").arg(12 + i),
                              i <= 6 ? QStringLiteral("N%1").arg(i) : tr("Bonus"), draw);
    label->setAlignment(Qt::AlignHCenter);
    txt_n_[i] = new QLineEdit(draw);
    txt_n_[i]->setObjectName(QStringLiteral("txtN%1").arg(i));
    txt_n_[i]->setMaximumWidth(60);
    txt_n_[i]->setAlignment(Qt::AlignHCenter);
    label->setBuddy(txt_n_[i]);
    // Column 6 is left for the seventh main number of a 7-number game.
    draw_layout->addWidget(label, 0, i == 7 ? 7 : i - 1);
    draw_layout->addWidget(txt_n_[i], 1, i == 7 ? 7 : i - 1);
    connect(txt_n_[i], &QLineEdit::returnPressed, this, &PerformanceWindow::Performance);
  }
  {
    // Boxes of a game beyond the record, in the order of its draw grid.
    const auto extra = [&](const QString& name, const QString& caption, int col) {
      auto* label = named_label(QStringLiteral("Label") + name, caption, draw);
      label->setAlignment(Qt::AlignHCenter);
      auto* box = new QLineEdit(draw);
      box->setObjectName(name);
      box->setMaximumWidth(60);
      box->setAlignment(Qt::AlignHCenter);
      label->setBuddy(box);
      draw_layout->addWidget(label, 0, col);
      draw_layout->addWidget(box, 1, col);
      connect(box, &QLineEdit::returnPressed, this, &PerformanceWindow::Performance);
      extra_labels_.push_back(label);
      return box;
    };
    txt_main7_ = extra(QStringLiteral("txtMain7"), QStringLiteral("N7"), 6);
    txt_s_[0] = extra(QStringLiteral("txtS1"), tr("S1"), 8);
    txt_s_[1] = extra(QStringLiteral("txtS2"), tr("S2"), 9);
    extra_labels_.push_back(txt_n_[7]->parentWidget()->findChild<QLabel*>(QStringLiteral("Label19")));
  }
  draw_layout->setRowStretch(2, 1);

  prizes_ = make_prize_boxes(central, tr("Prizes"));
  prizes_.on_enter = [this] { Performance(); };
  for (QLineEdit* box : prizes_.boxes)
    connect(box, &QLineEdit::returnPressed, this, &PerformanceWindow::Performance);

  msf_ = new GridView(&model_.grid, true, central);
  msf_->setObjectName(QStringLiteral("msfPerformance"));
  model_.grid.set_col_width_factor(0, 0.5);
  model_.grid.set_col_width_factor(1, 3);
  msf_->horizontalHeader()->setStretchLastSection(true);
  msf_->refresh();

  auto* refresh = new QPushButton(tr("&Refresh"), central);
  refresh->setObjectName(QStringLiteral("cmdRefresh"));
  connect(refresh, &QPushButton::clicked, this, &PerformanceWindow::Performance);
  auto* print_button = new QPushButton(tr("&Print..."), central);
  print_button->setObjectName(QStringLiteral("cmdPrint"));
  const auto print = [this] { print_page(this, print_performance(model_, hub_.state())); };
  connect(print_button, &QPushButton::clicked, this, print);
  connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, print);
  auto* backtest = new QPushButton(tr("&Back-test\u2026"), central);
  backtest->setObjectName(QStringLiteral("cmdBacktest"));
  backtest->setToolTip(tr("The system over a period of draws instead of one"));
  connect(backtest, &QPushButton::clicked, this, [] { registry().show(WindowId::backtest); });

  auto* inputs = new QHBoxLayout;
  inputs->addWidget(draw);
  inputs->addWidget(prizes_.frame, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(backtest);
  buttons->addStretch();
  buttons->addWidget(refresh);
  buttons->addWidget(print_button);
  auto* layout = new QVBoxLayout(central);
  layout->addLayout(facts);
  layout->addLayout(inputs);
  layout->addWidget(msf_, 1);
  layout->addLayout(buttons);
  setCentralWidget(central);
  add_help_menu(this, QStringLiteral("perform.htm"));
  resize(900, 560);
}

void PerformanceWindow::opened() { apply(open_performance(model_, hub_.state())); }

PerformanceForm PerformanceWindow::form() const {
  PerformanceForm f;
  for (int i = 1; i <= 7; ++i) f.draw.n[i] = ss(txt_n_[i]->text());
  f.draw.main7 = ss(txt_main7_->text());
  for (int j = 0; j < 2; ++j) f.draw.second[j] = ss(txt_s_[j]->text());
  f.prizes = prizes_.texts();
  return f;
}

void PerformanceWindow::Performance() { apply(refresh_performance(model_, form(), hub_.state())); }

void PerformanceWindow::apply(const PerformanceOutcome& out) {
  if (out.prizes) prizes_.show(*out.prizes);
  if (out.draw) {
    for (int i = 1; i <= 7; ++i) txt_n_[i]->setText(qs(out.draw->n[i]));
    txt_main7_->setText(qs(out.draw->main7));
    for (int j = 0; j < 2; ++j) txt_s_[j]->setText(qs(out.draw->second[j]));
  }
  const PerformanceBoxes& b = out.boxes;
  const std::array<bool, 4> shown = {b.main7, b.second >= 1, b.second >= 2, b.bonus};
  const std::array<QLineEdit*, 4> boxes = {txt_main7_, txt_s_[0], txt_s_[1], txt_n_[7]};
  for (int i = 0; i < 4; ++i) {
    boxes[i]->setVisible(shown[i]);
    if (extra_labels_[i]) extra_labels_[i]->setVisible(shown[i]);
  }
  for (int i = 1; i <= 6; ++i) {
    txt_n_[i]->setVisible(i <= b.main);
    if (QWidget* label = txt_n_[i]->parentWidget()->findChild<QLabel*>(QStringLiteral("Label%1").arg(12 + i)))
      label->setVisible(i <= b.main);
  }
  if (out.system_label) lbl_system_->setText(qs(*out.system_label));
  if (out.tset_label) lbl_tset_->setText(qs(*out.tset_label));
  msf_->refresh();
  apply_outcome(this, out, focus_controls);
}

}  // namespace ds::ui
