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
#include "shell/ui/dialogs.h"
#include "shell/ui/grid_view.h"
#include "shell/ui/printing.h"

namespace ds::ui {

namespace {

QLabel* named_label(const QString& name, const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  return l;
}

}  // namespace

PerformanceWindow::PerformanceWindow() {
  setObjectName(QStringLiteral("frmPerformance"));
  setWindowTitle(tr("System Performance"));
  reset_performance_grid(grid_);

  auto* central = new QWidget(this);
  const QString not_selected = tr("Not selected");
  lbl_tset_ = named_label(QStringLiteral("lblTset"), not_selected, central);
  lbl_system_ = named_label(QStringLiteral("lblSystem"), not_selected, central);
  // Until a calculation gets past its checks, the page says what the labels say.
  report_.system_id = report_.tset_text = ss(not_selected);
  report_.grid = &grid_;
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
    draw_layout->addWidget(label, 0, i - 1);
    draw_layout->addWidget(txt_n_[i], 1, i - 1);
    connect(txt_n_[i], &QLineEdit::returnPressed, this, &PerformanceWindow::Performance);
  }
  draw_layout->setRowStretch(2, 1);

  prizes_ = make_prize_boxes(central, tr("Prizes"));
  for (QLineEdit* box : prizes_.boxes)
    connect(box, &QLineEdit::returnPressed, this, &PerformanceWindow::Performance);

  msf_ = new GridView(&grid_, true, central);
  msf_->setObjectName(QStringLiteral("msfPerformance"));
  grid_.set_col_width_factor(0, 0.5);
  grid_.set_col_width_factor(1, 3);
  msf_->horizontalHeader()->setStretchLastSection(true);
  msf_->refresh();

  auto* refresh = new QPushButton(tr("&Refresh"), central);
  refresh->setObjectName(QStringLiteral("cmdRefresh"));
  connect(refresh, &QPushButton::clicked, this, &PerformanceWindow::Performance);
  auto* print_button = new QPushButton(tr("&Print..."), central);
  print_button->setObjectName(QStringLiteral("cmdPrint"));
  connect(print_button, &QPushButton::clicked, this, &PerformanceWindow::print);
  auto* print_key = new QShortcut(QKeySequence::Print, this);
  connect(print_key, &QShortcut::activated, this, &PerformanceWindow::print);
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

void PerformanceWindow::opened() {
  // The prizes and the draw of the current choice, then the calculation.
  prizes_.fill_from_lotto();
  for (int i = 1; i <= 7; ++i) txt_n_[i]->setText(QString::number(state().current_draw[i - 1]));
  Performance();
}

void PerformanceWindow::Performance() {
  std::array<std::string, 8> draw;
  for (int i = 1; i <= 7; ++i) draw[i] = ss(txt_n_[i]->text());
  const PerformanceOutcome out = ds::Performance(performance_input(state(), draw, prizes_.texts()), grid_);
  report_.draw = draw;
  if (out.system_label) {
    lbl_system_->setText(qs(*out.system_label));
    report_.system_id = *out.system_label;
  }
  if (out.tset_label) {
    lbl_tset_->setText(qs(*out.tset_label));
    report_.tset_text = *out.tset_label;
  }
  msf_->refresh();
  static constexpr FocusName<PerformanceFocus> focus_controls[] = {{PerformanceFocus::none, nullptr},
                                                                   {PerformanceFocus::first_number, "txtN1"}};
  static_assert(names_every_focus(focus_controls));
  apply_outcome(this, out, focus_controls);
}

void PerformanceWindow::print() { print_page(this, print_performance(report_, state())); }

}  // namespace ds::ui
