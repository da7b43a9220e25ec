#include "analyses/ui/profitability_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/ui/app.h"
#include "shell/ui/apply_outcome.h"
#include "shell/ui/controls.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/grid_view.h"

namespace ds::ui {

namespace {

QLabel* result_label(const char* name, QWidget* parent) {
  QLabel* l = named_label(name, QStringLiteral("0"), parent);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return l;
}

using F = ProfitabilityFocus;
constexpr FocusName<ProfitabilityFocus> focus_controls[] = {
    {F::none, nullptr},      {F::prize_2, "txtP2"}, {F::prize_2b, "txtP2b"}, {F::prize_3, "txtP3"},
    {F::prize_3b, "txtP3b"}, {F::prize_4, "txtP4"}, {F::prize_4b, "txtP4b"}, {F::prize_5, "txtP5"},
    {F::prize_5b, "txtP5b"}, {F::prize_6, "txtP6"}, {F::prize_6b, "txtP6b"}};
static_assert(names_every_focus(focus_controls));

}  // namespace

ProfitabilityWindow::ProfitabilityWindow(StateHub& hub) : hub_(hub) {
  setObjectName(QStringLiteral("frmProfitability"));
  setWindowTitle(tr("Average Profitability"));

  auto* central = new QWidget(this);
  lbl_lotto_ = named_label("lblLotto", tr("Not Selected"), central);
  lbl_system_ = named_label("lblSystem", tr("Not Selected"), central);
  auto* facts = new QFormLayout;
  facts->addRow(named_label("Label16", tr("Lotto"), central), lbl_lotto_);
  facts->addRow(named_label("Label1", tr("System"), central), lbl_system_);

  auto* fa_caption = named_label("Label3", tr("Forecasting Abilities"), central);
  msf_fa_ = new GridView(&model_.fa, true, central);
  msf_fa_->setObjectName(QStringLiteral("msfFA"));
  msf_fa_->horizontalHeader()->setStretchLastSection(true);
  msf_fa_->setMinimumWidth(200);
  auto* fa_column = new QVBoxLayout;
  fa_column->addWidget(fa_caption);
  fa_column->addWidget(msf_fa_, 1);

  prizes_ = make_prize_boxes(central, tr("Average Prizes"));
  const auto enter_prize = [this] { apply(ds::enter_prize(model_, form(), hub_.state())); };
  prizes_.on_enter = enter_prize;

  lbl_profitability_ = result_label("lblProfitability", central);
  lbl_times_ = result_label("lblTimes", central);
  cmb_clevel_ = new QComboBox(central);
  cmb_clevel_->setObjectName(QStringLiteral("cmbClevel"));
  cmb_clevel_->setEditable(true);
  cmb_clevel_->setInsertPolicy(QComboBox::NoInsert);
  auto* label14 = named_label("Label14", tr("&Confidence Level %"), central);
  label14->setBuddy(cmb_clevel_);
  auto* results = new QFormLayout;
  results->addRow(named_label("Label13", tr("Average Profitability per Ticket"), central),
                  lbl_profitability_);
  results->addRow(label14, cmb_clevel_);
  results->addRow(named_label("Label15", tr("Times to play"), central), lbl_times_);

  auto* refresh_button = new QPushButton(tr("&Refresh"), central);
  refresh_button->setObjectName(QStringLiteral("cmdRefresh"));
  connect(refresh_button, &QPushButton::clicked, this, &ProfitabilityWindow::refresh);
  for (QLineEdit* box : prizes_.boxes) connect(box, &QLineEdit::returnPressed, this, enter_prize);

  auto* right = new QVBoxLayout;
  right->addWidget(prizes_.frame);
  right->addLayout(results);
  right->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(refresh_button);
  right->addLayout(buttons);
  auto* middle = new QHBoxLayout;
  middle->addLayout(fa_column);
  middle->addLayout(right, 1);
  auto* layout = new QVBoxLayout(central);
  layout->addLayout(facts);
  layout->addLayout(middle, 1);
  setCentralWidget(central);
  add_help_menu(this, QStringLiteral("profit.htm"));
  resize(640, 480);

  // A choice from the list, or a typed level confirmed with Enter, recomputes the times.
  const auto choose_confidence = [this] { apply(ds::choose_confidence(model_, form(), hub_.state())); };
  connect(cmb_clevel_, &QComboBox::activated, this, choose_confidence);
  connect(cmb_clevel_->lineEdit(), &QLineEdit::returnPressed, this, [this, choose_confidence] {
    if (cmb_clevel_->findText(cmb_clevel_->currentText()) < 0) choose_confidence();
  });

  // Load: the levels; the calculation waits for the window to open.
  cmb_clevel_->addItems({QStringLiteral("95"), QStringLiteral("96"), QStringLiteral("97"),
                         QStringLiteral("98"), QStringLiteral("99")});
  cmb_clevel_->setCurrentIndex(0);
}

void ProfitabilityWindow::opened() {
  apply(open_profitability(model_, form(), hub_.state(), forecasting_results()));
}

void ProfitabilityWindow::refresh() {
  apply(refresh_profitability(model_, form(), hub_.state(), forecasting_results()));
}

const TextGrid* ProfitabilityWindow::forecasting_results() {
  // Forecasting Abilities is shown (it calculates when it first opens) and its
  // results are read from the state; apply() hides it again once they are copied.
  registry().show(WindowId::forecasting);
  return &hub_.state().fa_grid;
}

ProfitabilityForm ProfitabilityWindow::form() const {
  return {prizes_.texts(), ss(cmb_clevel_->currentText())};
}

void ProfitabilityWindow::apply(const ProfitabilityOutcome& out) {
  if (out.fa_copied) registry().hide(WindowId::forecasting);
  msf_fa_->refresh();
  if (out.prizes) prizes_.show(*out.prizes);
  if (out.lotto_label) lbl_lotto_->setText(qs(*out.lotto_label));
  if (out.system_label) lbl_system_->setText(qs(*out.system_label));
  if (out.profitability) lbl_profitability_->setText(qs(*out.profitability));
  if (out.times) lbl_times_->setText(qs(*out.times));
  if (out.tier_focus >= 0) {
    const QByteArray tier = QByteArrayLiteral("txtTier") + QByteArray::number(out.tier_focus + 1);
    apply_outcome(this, out, tier.constData());
  } else {
    apply_outcome(this, out, focus_controls);
  }
}

}  // namespace ds::ui
