#include "analyses/ui/forecasting_window.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "analyses/forecasting.h"
#include "shell/ui/apply_outcome.h"
#include "shell/ui/controls.h"
#include "shell/ui/grid_view.h"
#include "shell/ui/translation.h"

namespace ds::ui {

namespace {

using F = FaFocus;
constexpr FocusName<FaFocus> focus_controls[] = {{F::none, nullptr}, {F::from, "txtFrom"}, {F::to, "txtTo"}};
static_assert(names_every_focus(focus_controls));

}  // namespace

ForecastingWindow::ForecastingWindow(StateHub& hub) : hub_(hub) {
  setObjectName(QStringLiteral("frmFability"));
  setWindowTitle(tr("Forecasting Abilities"));

  auto* central = new QWidget(this);
  auto* period = new QGroupBox(tr(" Period"), central);
  period->setObjectName(QStringLiteral("fraSelectedDraws"));
  txt_from_ = new QLineEdit(period);
  txt_from_->setObjectName(QStringLiteral("txtFrom"));
  txt_to_ = new QLineEdit(period);
  txt_to_->setObjectName(QStringLiteral("txtTo"));
  auto* label1 = named_label("Label1", tr("&From"), period);
  auto* label2 = named_label("Label2", tr("&To"), period);
  label1->setBuddy(txt_from_);
  label2->setBuddy(txt_to_);
  auto* period_layout = new QHBoxLayout(period);
  period_layout->addWidget(label1);
  period_layout->addWidget(txt_from_);
  period_layout->addSpacing(12);
  period_layout->addWidget(label2);
  period_layout->addWidget(txt_to_);

  lbl_lotto_ = named_label("lblLotto", tr("Not Selected"), central);
  lbl_tset_name_ = named_label("lblTSetName", tr("Not Selected"), central);
  lbl_tset_size_ = named_label("lblTSetSize", tr("Not Selected"), central);
  auto* facts = new QFormLayout;
  facts->addRow(named_label("Label3", tr("Lotto"), central), lbl_lotto_);
  facts->addRow(named_label("Label4", tr("TSet Name"), central), lbl_tset_name_);
  facts->addRow(named_label("Label5", tr("TSet Size"), central), lbl_tset_size_);

  msf_fa_ = new GridView(&model_.grid, true, central);
  msf_fa_->setObjectName(QStringLiteral("msfFA"));
  msf_fa_->horizontalHeader()->setStretchLastSection(true);
  model_.grid.set_col_width_factor(0, 1.2);

  cmd_refresh_ = new QPushButton(tr("&Refresh"), central);
  cmd_refresh_->setObjectName(QStringLiteral("cmdRefresh"));
  cmd_refresh_->setAutoDefault(true);
  connect(cmd_refresh_, &QPushButton::clicked, this, &ForecastingWindow::calculate_fa);
  // Enter in a date box recalculates, as the Refresh button would.
  connect(txt_from_, &QLineEdit::returnPressed, this, &ForecastingWindow::calculate_fa);
  connect(txt_to_, &QLineEdit::returnPressed, this, &ForecastingWindow::calculate_fa);

  // How many draws the period holds; when none, where the history lies.
  lbl_period_ = named_label("lblPeriod", QString(), central);
  lbl_period_->setWordWrap(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(lbl_period_, 1);
  buttons->addWidget(cmd_refresh_, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(period);
  layout->addLayout(facts);
  layout->addWidget(msf_fa_, 1);
  layout->addLayout(buttons);
  setCentralWidget(central);
  add_help_menu(this, QStringLiteral("fa.htm"));
  resize(440, 520);

  // Load: the last twelve months; the calculation waits for the window to open.
  const DayNumber now = today();
  txt_to_->setText(qs(format_date(now, hub_.state().date_format)));
  txt_from_->setText(qs(format_date(add_months(now, -12), hub_.state().date_format)));
}

void ForecastingWindow::opened() { calculate_fa(); }

void ForecastingWindow::calculate_fa() {
  // msfFA and the hit table go to the state, for Average Profitability.
  const FaOutcome out = hub_.changing(Changed::forecasting, [&](AppState& s) {
    FaOutcome o = ds::calculate_fa(model_, fa_input(s, ss(txt_from_->text()), ss(txt_to_->text())),
                                   chosen_grids(s), s.fa_table);
    s.fa_grid = model_.grid;
    return o;
  });
  if (out.lotto_label) lbl_lotto_->setText(qs(*out.lotto_label));
  if (out.tset_name_label) lbl_tset_name_->setText(qs(*out.tset_name_label));
  if (out.tset_size_label) lbl_tset_size_->setText(qs(*out.tset_size_label));
  msf_fa_->refresh();
  lbl_period_->setText(tr_text(out.period));
  if (out.compared)
    for (WindowId id : {WindowId::lotto, WindowId::tsets}) registry().hide(id);
  apply_outcome(this, out, focus_controls);
}

}  // namespace ds::ui
