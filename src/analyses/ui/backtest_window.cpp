#include "analyses/ui/backtest_window.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "analyses/ui/analysis_controls.h"
#include "shell/ui/app.h"
#include "shell/ui/apply_outcome.h"
#include "shell/ui/chart_palette.h"
#include "shell/ui/controls.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/grid_export.h"
#include "shell/ui/grid_view.h"
#include "shell/ui/printing.h"
#include "shell/ui/translation.h"

namespace ds::ui {

namespace {

// Noon of a day as the chart's time axis counts it.
qint64 chart_time(DayNumber day) {
  int y = 0, m = 0, d = 0;
  civil_from_day(day, y, m, d);
  return QDateTime(QDate(y, m, d), QTime(12, 0)).toMSecsSinceEpoch();
}

// Tall enough for the header and the rows, up to five, without empty space.
void fit_rows(GridView* view) {
  const int rows = std::clamp(view->model()->rowCount(), 1, 5);
  view->setFixedHeight(view->horizontalHeader()->sizeHint().height() +
                       rows * view->verticalHeader()->defaultSectionSize() + 2 * view->frameWidth());
}

}  // namespace

BacktestWindow::BacktestWindow(StateHub& hub)
    : hub_(hub), model_(hub_.state().date_format, hub_.state().number_format) {
  setObjectName(QStringLiteral("frmBacktest"));
  setWindowTitle(tr("Back-test"));

  auto* central = new QWidget(this);
  lbl_lotto_ = named_label("lblLotto", tr("Not selected"), central);
  lbl_tset_ = named_label("lblTset", tr("Not selected"), central);
  cmb_system_ = new QComboBox(central);
  cmb_system_->setObjectName(QStringLiteral("cmbSystem"));
  cmb_system_->setPlaceholderText(tr("Select"));
  cmb_system_->setMinimumWidth(110);
  auto* system_label = named_label("Label3", tr("&System"), central);
  system_label->setBuddy(cmb_system_);
  auto* facts = new QFormLayout;
  facts->addRow(named_label("Label1", tr("Lotto"), central), lbl_lotto_);
  facts->addRow(named_label("Label2", tr("Targeted Set"), central), lbl_tset_);
  facts->addRow(system_label, cmb_system_);
  lst_compare_ = new QListWidget(central);
  lst_compare_->setObjectName(QStringLiteral("lstCompare"));
  lst_compare_->setToolTip(tr("Tick more systems or made wheels to play them on the same draws"));
  lst_compare_->setMaximumHeight(84);
  lst_compare_->setTabKeyNavigation(false);  // Space ticks, the arrows move; Tab leaves the list
  lst_compare_->setMinimumWidth(140);
  auto* compare_label = named_label("Label6", tr("Co&mpare with"), central);
  compare_label->setBuddy(lst_compare_);
  facts->addRow(compare_label, lst_compare_);

  const PeriodBox period_parts = period_box(central, "Label4", "Label5");
  QGroupBox* period = period_parts.box;
  txt_from_ = period_parts.from;
  txt_to_ = period_parts.to;
  cmd_go_ = period_parts.go;

  lbl_period_ = named_label("lblPeriod", QString(), central);
  lbl_period_->setWordWrap(true);
  lbl_totals_ = named_label("lblTotals", QString(), central);
  lbl_totals_->setWordWrap(true);
  lbl_totals_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  {
    QFont f = lbl_totals_->font();
    f.setBold(true);
    lbl_totals_->setFont(f);
  }

  msf_ = new GridView(&model_.grid, true, central);
  msf_->setObjectName(QStringLiteral("msfBacktest"));
  msf_->horizontalHeader()->setStretchLastSection(true);
  msf_->refresh();
  msf_totals_ = new GridView(&model_.totals, true, central);
  msf_totals_->setObjectName(QStringLiteral("msfTotals"));
  msf_totals_->horizontalHeader()->setStretchLastSection(true);
  msf_totals_->refresh();
  fit_rows(msf_totals_);

  const NetChart net = net_chart(central, QStringLiteral("yyyy-MM"), 5);
  series_ = net.series;
  chart_view_ = net.view;
  chart_view_->setMinimumSize(360, 260);

  auto* splitter = new QSplitter(Qt::Horizontal, central);
  splitter->setObjectName(QStringLiteral("splResults"));
  splitter->addWidget(msf_);
  splitter->addWidget(chart_view_);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 1);
  splitter->setChildrenCollapsible(false);

  auto* export_button = named_button("cmdExport", tr("E&xport CSV\u2026"), central);
  export_button->setToolTip(tr("Save the table as a CSV file"));
  auto* copy_button = named_button("cmdCopy", tr("&Copy"), central);
  copy_button->setToolTip(tr("Copy the table for a spreadsheet"));
  auto* print_button = named_button("cmdPrint", tr("&Print\u2026"), central);
  print_button->setToolTip(tr("Print the table and the totals, or save them as a PDF file (Ctrl+P)"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {export_button, copy_button, print_button}) buttons->addWidget(b);

  auto* top = new QHBoxLayout;
  top->addLayout(facts);
  top->addSpacing(16);
  top->addWidget(period, 1, Qt::AlignTop);
  auto* layout = new QVBoxLayout(central);
  layout->addLayout(top);
  layout->addWidget(lbl_period_);
  layout->addWidget(lbl_totals_);
  layout->addWidget(msf_totals_);
  layout->addWidget(splitter, 1);
  layout->addLayout(buttons);
  setCentralWidget(central);
  add_help_menu(this, QStringLiteral("backtest.htm"));

  setTabOrder(cmb_system_, lst_compare_);
  setTabOrder(lst_compare_, txt_from_);
  setTabOrder(txt_from_, txt_to_);
  setTabOrder(txt_to_, cmd_go_);
  setTabOrder(cmd_go_, msf_);
  setTabOrder(msf_, export_button);
  setTabOrder(export_button, copy_button);
  setTabOrder(copy_button, print_button);

  connect(cmd_go_, &QPushButton::clicked, this, &BacktestWindow::go);
  connect(cmb_system_, &QComboBox::activated, this, [this](int) { go(); });
  for (QLineEdit* e : {txt_from_, txt_to_}) connect(e, &QLineEdit::returnPressed, this, &BacktestWindow::go);
  connect(export_button, &QPushButton::clicked, this, [this] {
    export_grid_csv(this, model_.grid, QStringLiteral("backtest-%1.csv").arg(qs(model_.system_id)));
  });
  connect(copy_button, &QPushButton::clicked, this, [this] { copy_grid(this, model_.grid); });
  const auto print = [this] { print_page(this, print_backtest(model_)); };
  connect(print_button, &QPushButton::clicked, this, print);
  connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, print);
  resize(1040, 680);
}

BacktestWindow::~BacktestWindow() { delete takeCentralWidget(); }

void BacktestWindow::opened() {
  const AppState& s = hub_.state();
  const BacktestLoad load = backtest_open(model_, s, chosen_grids(s), today());
  lbl_lotto_->setText(tr_text(load.lotto_label));
  lbl_tset_->setText(tr_text(load.tset_label));
  for (const std::string& id : load.systems) {
    cmb_system_->addItem(qs(id));
    auto* item = new QListWidgetItem(qs(id), lst_compare_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  cmb_system_->setCurrentIndex(cmb_system_->findText(qs(s.system_id)));
  if (txt_from_->text().isEmpty() || txt_to_->text().isEmpty()) {  // else the period of the last run
    txt_from_->setText(qs(load.from_text));
    txt_to_->setText(qs(load.to_text));
  }
  if (cmb_system_->currentIndex() >= 0)
    go();
  else
    lbl_period_->setText(load.systems.empty() ? QString() : tr("Choose a system, then Go."));
}

int BacktestWindow::chart_points() const { return static_cast<int>(series_->count()); }

int BacktestWindow::chart_lines() const {
  int lines = series_->count() > 0 ? 1 : 0;
  for (const QLineSeries* extra : compared_series_) lines += extra->count() > 0;
  return lines;
}

void BacktestWindow::go() {
  const AppState& s = hub_.state();
  BacktestForm form{ss(cmb_system_->currentText()), ss(txt_from_->text()), ss(txt_to_->text()), {}};
  for (int i = 0; i < lst_compare_->count(); ++i)
    if (lst_compare_->item(i)->checkState() == Qt::Checked)
      form.compare.push_back(ss(lst_compare_->item(i)->text()));
  const BacktestOutcome out = backtest_run(model_, form, s, chosen_grids(s));
  if (!out.period.empty()) {
    // The checks passed: the table, totals and chart are those of this run.
    show_result(out.result);
    show_compared(out.runs);
  }
  lbl_period_->setText(tr_text(out.period));
  using F = BacktestFocus;
  static constexpr FocusName<BacktestFocus> focus_controls[] = {
      {F::none, nullptr}, {F::system, "cmbSystem"}, {F::from, "txtFrom"}, {F::to, "txtTo"}};
  static_assert(names_every_focus(focus_controls));
  apply_outcome(this, out, focus_controls);
}

void BacktestWindow::show_result(const BacktestResult& r) {
  msf_->refresh();
  lbl_totals_->setText(tr_text(model_.totals_text));
  QList<QPointF> points;
  points.reserve(static_cast<qsizetype>(r.draws.size()));
  for (std::size_t i = 0; i < r.draws.size(); ++i)
    points.append(QPointF(static_cast<qreal>(chart_time(r.draws[i].day)), r.running_net[i]));
  series_->replace(points);
  auto* time_axis = qobject_cast<QDateTimeAxis*>(chart_view_->chart()->axes(Qt::Horizontal).value(0));
  auto* net_axis = qobject_cast<QValueAxis*>(chart_view_->chart()->axes(Qt::Vertical).value(0));
  if (!time_axis || !net_axis) return;
  time_axis->setLabelsVisible(!points.isEmpty());
  net_axis->setLabelsVisible(!points.isEmpty());
  if (points.isEmpty()) return;
  const qint64 first = static_cast<qint64>(points.front().x()), last = static_cast<qint64>(points.back().x());
  const qint64 day_ms = 86'400'000;
  time_axis->setRange(QDateTime::fromMSecsSinceEpoch(first - day_ms),
                      QDateTime::fromMSecsSinceEpoch(last + day_ms));
  time_axis->setFormat(last - first > 400 * day_ms ? QStringLiteral("yyyy-MM")
                                                   : QStringLiteral("yyyy-MM-dd"));
  fit_date_ticks();
  const auto [low, high] = std::minmax_element(r.running_net.begin(), r.running_net.end());
  net_axis->setRange(std::min(*low, 0.0), std::max(*high, 0.0));
  net_axis->applyNiceNumbers();
}

void BacktestWindow::fit_date_ticks() {
  auto* time_axis = qobject_cast<QDateTimeAxis*>(chart_view_->chart()->axes(Qt::Horizontal).value(0));
  if (!time_axis) return;
  const QFontMetrics metrics(time_axis->labelsFont());
  const int label = metrics.horizontalAdvance(QStringLiteral("8888-88-88")) + 2 * metrics.averageCharWidth();
  // The plot takes the chart's width less the value axis and the margins.
  const int plot =
      std::max(0, chart_view_->width() - metrics.horizontalAdvance(QStringLiteral("-88888")) - 48);
  time_axis->setTickCount(std::clamp(plot / std::max(label, 1), 2, 5));
}

void BacktestWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (chart_view_) fit_date_ticks();
}

void BacktestWindow::show_compared(const std::vector<BacktestRun>& runs) {
  msf_totals_->refresh();
  fit_rows(msf_totals_);
  QChart* chart = chart_view_->chart();
  for (QLineSeries* extra : compared_series_) {
    chart->removeSeries(extra);
    delete extra;
  }
  compared_series_.clear();
  series_->setName(runs.empty() ? tr("Running net") : qs(runs.front().first));
  auto* time_axis = qobject_cast<QDateTimeAxis*>(chart->axes(Qt::Horizontal).value(0));
  auto* net_axis = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
  double low = 0, high = 0;
  for (const BacktestRun& run : runs)
    for (double x : run.second.running_net) {
      low = std::min(low, x);
      high = std::max(high, x);
    }
  for (std::size_t i = 1; i < runs.size(); ++i) {
    const BacktestResult& r = runs[i].second;
    auto* line = new QLineSeries;
    line->setName(qs(runs[i].first));
    for (std::size_t d = 0; d < r.draws.size(); ++d)
      line->append(QPointF(static_cast<qreal>(chart_time(r.draws[d].day)), r.running_net[d]));
    chart->addSeries(line);
    if (time_axis) line->attachAxis(time_axis);
    if (net_axis) line->attachAxis(net_axis);
    compared_series_.push_back(line);
  }
  chart->legend()->setVisible(runs.size() > 1);
  if (net_axis && runs.size() > 1) {
    net_axis->setRange(low, high);
    net_axis->applyNiceNumbers();
  }
}

}  // namespace ds::ui
