#include "analyses/ui/statistics_window.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <functional>

#include "analyses/ui/analysis_controls.h"
#include "shell/ui/app.h"
#include "shell/ui/apply_outcome.h"
#include "shell/ui/chart_palette.h"
#include "shell/ui/controls.h"
#include "shell/ui/grid_export.h"
#include "shell/ui/grid_view.h"
#include "shell/ui/printing.h"
#include "shell/ui/state_hub.h"
#include "shell/ui/translation.h"

namespace ds::ui {

// Every pair of the main pool as a square of cells, darker the more often the pair
// came; a tooltip (or the arrow keys, with the label beside it) names the pair.
class PairHeatMap : public QWidget {
 public:
  PairHeatMap(const StatisticsModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("picPairs"));
    setAccessibleName(tr("Pairs: how often each came"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(220, 220);
    setMouseTracking(false);
  }
  std::function<void(int, int)> current_changed;
  QSize sizeHint() const override { return {460, 460}; }

  void refresh() {
    const int pool = model_.game.play_n;
    a_ = std::clamp(a_, 1, std::max(1, pool));
    b_ = std::clamp(b_, 1, std::max(1, pool));
    if (a_ == b_ && pool > 1) b_ = a_ == pool ? a_ - 1 : a_ + 1;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QPalette pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Window));
    const int pool = model_.game.play_n;
    if (pool < 2 || model_.pairs.empty()) return;
    const int cell = this->cell();
    int most = 0, least = model_.pairs.front().count;
    for (const PairCount& c : model_.pairs) {
      most = std::max(most, c.count);
      least = std::min(least, c.count);
    }
    const QColor low = pal.color(QPalette::Base), high = pal.color(QPalette::Highlight);
    const auto blend = [&](int count) {
      const double t = most > least ? double(count - least) / (most - least) : 0;
      return QColor::fromRgbF(low.redF() + t * (high.redF() - low.redF()),
                              low.greenF() + t * (high.greenF() - low.greenF()),
                              low.blueF() + t * (high.blueF() - low.blueF()));
    };
    for (const PairCount& c : model_.pairs) {
      const QColor colour = blend(c.count);
      p.fillRect(QRect((c.b - 1) * cell, (c.a - 1) * cell, cell, cell), colour);
      p.fillRect(QRect((c.a - 1) * cell, (c.b - 1) * cell, cell, cell), colour);
    }
    p.setPen(pal.color(QPalette::Mid));
    p.drawRect(0, 0, pool * cell - 1, pool * cell - 1);
    if (hasFocus()) {
      p.setPen(QPen(pal.color(QPalette::WindowText), 2));
      p.drawRect((b_ - 1) * cell, (a_ - 1) * cell, cell, cell);
    }
  }

  bool event(QEvent* e) override {
    if (e->type() == QEvent::ToolTip) {
      auto* help = static_cast<QHelpEvent*>(e);
      const auto [a, b] = pair_at(help->pos());
      const std::string tip = a > 0 ? pair_tip(model_, a, b) : std::string();
      if (tip.empty())
        QToolTip::hideText();
      else
        QToolTip::showText(help->globalPos(), qs(tip), this);
      return true;
    }
    return QWidget::event(e);
  }

  void mousePressEvent(QMouseEvent* e) override {
    const auto [a, b] = pair_at(e->position().toPoint());
    if (a > 0) move_to(a, b);
    setFocus(Qt::MouseFocusReason);
  }

  void keyPressEvent(QKeyEvent* e) override {
    const int pool = model_.game.play_n;
    int da = 0, db = 0;
    switch (e->key()) {
      case Qt::Key_Left:
        db = -1;
        break;
      case Qt::Key_Right:
        db = 1;
        break;
      case Qt::Key_Up:
        da = -1;
        break;
      case Qt::Key_Down:
        da = 1;
        break;
      default:
        QWidget::keyPressEvent(e);
        return;
    }
    int a = a_ + da, b = b_ + db;
    if (a == b) a += da, b += db;  // over the diagonal, which is no pair
    if (a >= 1 && b >= 1 && a <= pool && b <= pool) move_to(a, b);
  }

  void focusInEvent(QFocusEvent* e) override {
    QWidget::focusInEvent(e);
    if (current_changed) current_changed(a_, b_);
    update();
  }
  void focusOutEvent(QFocusEvent* e) override {
    QWidget::focusOutEvent(e);
    update();
  }

 private:
  int cell() const { return std::max(1, std::min(width(), height()) / std::max(1, int(model_.game.play_n))); }
  std::pair<int, int> pair_at(QPoint pos) const {
    const int cell = this->cell(), pool = model_.game.play_n;
    const int a = pos.y() / cell + 1, b = pos.x() / cell + 1;
    if (pos.x() < 0 || pos.y() < 0 || a > pool || b > pool || a == b) return {0, 0};
    return {a, b};
  }
  void move_to(int a, int b) {
    a_ = a;
    b_ = b;
    if (current_changed) current_changed(a, b);
    update();
  }

  const StatisticsModel& model_;
  int a_ = 1, b_ = 2;
};

namespace {

// The numbers table sorted by the figures, not by their texts (and a date by its day).
class NumberOrder : public QSortFilterProxyModel {
 public:
  NumberOrder(const StatisticsModel& model, QObject* parent) : QSortFilterProxyModel(parent), model_(model) {}

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
    return numbers_sort_value(model_, left.row() + 1, left.column()) <
           numbers_sort_value(model_, right.row() + 1, right.column());
  }

 private:
  const StatisticsModel& model_;
};

// The filters box: Enter computes, Shift+Enter starts a new line, Tab leaves.
class FiltersBox : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;
  std::function<void()> entered;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !(e->modifiers() & Qt::ShiftModifier)) {
      if (entered) entered();
      return;
    }
    QPlainTextEdit::keyPressEvent(e);
  }
};

// A bar chart of one or two sets of bars over named values, with a line across
// it when `with_line`.
QChartView* bar_chart(const char* name, const QString& title, const QStringList& sets, bool with_line,
                      QWidget* parent) {
  auto* chart = new QChart;
  chart->setTitle(title);
  chart->setMargins(QMargins(4, 4, 4, 4));
  auto* bars = new QBarSeries;
  for (const QString& s : sets) bars->append(new QBarSet(s));
  chart->addSeries(bars);
  auto* x = new QBarCategoryAxis;
  auto* y = new QValueAxis;
  y->setLabelFormat(QStringLiteral("%.0f"));
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  bars->attachAxis(x);
  bars->attachAxis(y);
  if (with_line) {
    auto* line = new QLineSeries;
    line->setName(QObject::tr("Chance"));
    chart->addSeries(line);
    line->attachAxis(x);
    line->attachAxis(y);
  }
  chart->legend()->setVisible(true);
  chart->legend()->setAlignment(Qt::AlignBottom);
  auto* view = new QChartView(chart, parent);
  view->setObjectName(QString::fromLatin1(name));
  view->setAccessibleName(title);
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(320, 220);
  follow_palette(view);
  return view;
}

QBarSeries* bars_of(QChartView* view) {
  for (QAbstractSeries* s : view->chart()->series())
    if (auto* b = qobject_cast<QBarSeries*>(s)) return b;
  return nullptr;
}
QLineSeries* line_of(QChartView* view) {
  for (QAbstractSeries* s : view->chart()->series())
    if (auto* l = qobject_cast<QLineSeries*>(s)) return l;
  return nullptr;
}

// The categories and the value range of a chart; many categories are written upright.
void set_axes(QChartView* view, const QStringList& categories, double top) {
  auto* x = qobject_cast<QBarCategoryAxis*>(view->chart()->axes(Qt::Horizontal).value(0));
  auto* y = qobject_cast<QValueAxis*>(view->chart()->axes(Qt::Vertical).value(0));
  if (!x || !y) return;
  x->clear();
  x->append(categories);
  // Too many numbers for a label under each bar: the chart's title names their range.
  x->setLabelsVisible(categories.size() <= 24);
  y->setRange(0, std::max(top, 1.0));
  y->applyNiceNumbers();
}

}  // namespace

StatisticsWindow::StatisticsWindow(StateHub& hub)
    : hub_(hub), model_(hub.state().date_format, hub.state().number_format) {
  setObjectName(QStringLiteral("frmStatistics"));
  setWindowTitle(tr("Statistics"));
  auto* central = new QWidget(this);

  lbl_lotto_ = named_label("lblLotto", tr("Not selected"), central, true);
  const PeriodBox period_parts = period_box(central, "lblFrom", "lblTo");
  QGroupBox* period = period_parts.box;
  txt_from_ = period_parts.from;
  txt_to_ = period_parts.to;
  cmd_go_ = period_parts.go;
  auto* top = new QHBoxLayout;
  top->addWidget(named_label("lblLottoCaption", tr("Lotto"), central));
  top->addWidget(lbl_lotto_);
  top->addSpacing(16);
  top->addWidget(period, 1);

  tabs_ = new QTabWidget(central);
  tabs_->setObjectName(QStringLiteral("tabStatistics"));

  // Numbers
  auto* numbers_page = new QWidget(tabs_);
  numbers_page->setObjectName(QStringLiteral("pagNumbers"));
  numbers_model_ = new GridModel(&model_.numbers_grid, true, this);
  numbers_sorted_ = new NumberOrder(model_, this);
  numbers_sorted_->setSourceModel(numbers_model_);
  msf_numbers_ = new QTableView(numbers_page);
  msf_numbers_->setObjectName(QStringLiteral("msfNumbers"));
  msf_numbers_->setAccessibleName(tr("Numbers"));
  msf_numbers_->setModel(numbers_sorted_);
  msf_numbers_->setSortingEnabled(true);
  msf_numbers_->sortByColumn(-1, Qt::AscendingOrder);  // as the core lists them until a header is clicked
  msf_numbers_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  msf_numbers_->setSelectionBehavior(QAbstractItemView::SelectRows);
  msf_numbers_->verticalHeader()->hide();
  msf_numbers_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  msf_numbers_->setMinimumWidth(380);
  lbl_fair_ = named_label("lblFair", QString(), numbers_page);
  lbl_fair_->setWordWrap(true);
  lbl_fair_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  cht_numbers_[0] =
      bar_chart("chtNumbers", tr("Main numbers: draws holding each"), {tr("Drawn")}, true, numbers_page);
  cht_numbers_[1] =
      bar_chart("chtSecond", tr("Second pool: draws holding each"), {tr("Drawn")}, true, numbers_page);
  auto* charts = new QVBoxLayout;
  charts->addWidget(lbl_fair_);
  charts->addWidget(cht_numbers_[0], 3);
  charts->addWidget(cht_numbers_[1], 2);
  auto* numbers_layout = new QHBoxLayout(numbers_page);
  numbers_layout->addWidget(msf_numbers_, 2);
  numbers_layout->addLayout(charts, 3);
  tabs_->addTab(numbers_page, tr("&Numbers"));

  // Pairs
  auto* pairs_page = new QWidget(tabs_);
  pairs_page->setObjectName(QStringLiteral("pagPairs"));
  msf_most_ = new GridView(&model_.pairs_most, true, pairs_page);
  msf_most_->setObjectName(QStringLiteral("msfPairsMost"));
  msf_least_ = new GridView(&model_.pairs_least, true, pairs_page);
  msf_least_->setObjectName(QStringLiteral("msfPairsLeast"));
  for (GridView* v : {msf_most_, msf_least_}) {
    v->horizontalHeader()->setStretchLastSection(true);
    v->setMinimumWidth(170);
  }
  auto* most_label = named_label("lblMost", tr("Most often"), pairs_page, true);
  auto* least_label = named_label("lblLeast", tr("Least often"), pairs_page, true);
  most_label->setBuddy(msf_most_);
  least_label->setBuddy(msf_least_);
  heat_map_ = new PairHeatMap(model_, pairs_page);
  lbl_pairs_ = named_label("lblPairs", QString(), pairs_page);
  lbl_pairs_->setWordWrap(true);
  lbl_pair_ =
      named_label("lblPair", tr("Point at a cell, or use the arrow keys, to read its pair."), pairs_page);
  heat_map_->current_changed = [this](int a, int b) { lbl_pair_->setText(qs(pair_tip(model_, a, b))); };
  auto* lists = new QGridLayout;
  lists->addWidget(most_label, 0, 0);
  lists->addWidget(least_label, 0, 1);
  lists->addWidget(msf_most_, 1, 0);
  lists->addWidget(msf_least_, 1, 1);
  auto* map_column = new QVBoxLayout;
  map_column->addWidget(lbl_pairs_);
  map_column->addWidget(heat_map_, 1);
  map_column->addWidget(lbl_pair_);
  auto* pairs_layout = new QHBoxLayout(pairs_page);
  pairs_layout->addLayout(lists, 2);
  pairs_layout->addLayout(map_column, 3);
  tabs_->addTab(pairs_page, tr("&Pairs"));

  // Spreads
  auto* spread_page = new QWidget(tabs_);
  spread_page->setObjectName(QStringLiteral("pagSpreads"));
  cmb_spread_ = new QComboBox(spread_page);
  cmb_spread_->setObjectName(QStringLiteral("cmbSpread"));
  cmb_spread_->addItems({tr("Sums"), tr("Odd numbers"), tr("Low numbers"), tr("Longest runs"),
                         tr("Repeats from the previous draw")});
  auto* spread_label = named_label("lblSpread", tr("&Show"), spread_page);
  spread_label->setBuddy(cmb_spread_);
  msf_spread_ = new GridView(&model_.spread_grid, true, spread_page);
  msf_spread_->setObjectName(QStringLiteral("msfSpread"));
  msf_spread_->setAccessibleName(tr("Spread"));
  msf_spread_->horizontalHeader()->setStretchLastSection(true);
  msf_spread_->setMinimumWidth(380);
  cht_spread_ = bar_chart("chtSpread", tr("Share of the period's draws beside chance"),
                          {tr("Draws of the period"), tr("All combinations")}, false, spread_page);
  auto* spread_choice = new QHBoxLayout;
  spread_choice->addWidget(spread_label);
  spread_choice->addWidget(cmb_spread_);
  spread_choice->addStretch(1);
  auto* spread_split = new QHBoxLayout;
  spread_split->addWidget(msf_spread_, 2);
  spread_split->addWidget(cht_spread_, 3);
  auto* spread_layout = new QVBoxLayout(spread_page);
  spread_layout->addLayout(spread_choice);
  spread_layout->addLayout(spread_split, 1);
  tabs_->addTab(spread_page, tr("&Spreads"));

  // Filters
  auto* filters_page = new QWidget(tabs_);
  filters_page->setObjectName(QStringLiteral("pagFilters"));
  auto* filters_box = new FiltersBox(filters_page);
  txt_filters_ = filters_box;
  txt_filters_->setObjectName(QStringLiteral("txtFilters"));
  txt_filters_->setTabChangesFocus(true);
  txt_filters_->setPlaceholderText(
      tr("sum:100-200\nodd:2-4\nexclude:13\n(Enter computes; Shift+Enter starts a new line)"));
  txt_filters_->setMaximumHeight(110);
  auto* filters_label =
      named_label("lblFilters", tr("Filt&ers (one per line, or several between blanks)"), filters_page);
  filters_label->setBuddy(txt_filters_);
  msf_rates_ = new GridView(&model_.rates_grid, true, filters_page);
  msf_rates_->setObjectName(QStringLiteral("msfRates"));
  msf_rates_->setAccessibleName(tr("Pass rates"));
  msf_rates_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  lbl_rates_ = named_label("lblRates", QString(), filters_page);
  lbl_rates_->setWordWrap(true);
  lbl_rates_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* filters_layout = new QVBoxLayout(filters_page);
  filters_layout->addWidget(filters_label);
  filters_layout->addWidget(txt_filters_);
  filters_layout->addWidget(msf_rates_, 1);
  filters_layout->addWidget(lbl_rates_);
  tabs_->addTab(filters_page, tr("F&ilters"));

  auto* export_button = named_button("cmdExport", tr("E&xport CSV\u2026"), central);
  export_button->setToolTip(tr("Save the table of this tab as a CSV file"));
  auto* copy_button = named_button("cmdCopy", tr("&Copy"), central);
  copy_button->setToolTip(tr("Copy the table of this tab for a spreadsheet"));
  auto* print_button = named_button("cmdPrint", tr("P&rint\u2026"), central);
  print_button->setToolTip(tr("Print this tab, or save it as a PDF file (Ctrl+P)"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {export_button, copy_button, print_button}) buttons->addWidget(b);

  auto* layout = new QVBoxLayout(central);
  layout->addLayout(top);
  layout->addWidget(tabs_, 1);
  layout->addLayout(buttons);
  setCentralWidget(central);
  add_help_menu(this, QStringLiteral("stats.htm"));

  setTabOrder(txt_from_, txt_to_);
  setTabOrder(txt_to_, cmd_go_);
  setTabOrder(cmd_go_, tabs_);
  setTabOrder(tabs_, msf_numbers_);
  setTabOrder(msf_numbers_, msf_most_);
  setTabOrder(msf_most_, msf_least_);
  setTabOrder(msf_least_, heat_map_);
  setTabOrder(heat_map_, cmb_spread_);
  setTabOrder(cmb_spread_, msf_spread_);
  setTabOrder(msf_spread_, txt_filters_);
  setTabOrder(txt_filters_, msf_rates_);
  setTabOrder(msf_rates_, export_button);
  setTabOrder(export_button, copy_button);
  setTabOrder(copy_button, print_button);

  connect(cmd_go_, &QPushButton::clicked, this, &StatisticsWindow::go);
  for (QLineEdit* e : {txt_from_, txt_to_})
    connect(e, &QLineEdit::returnPressed, this, &StatisticsWindow::go);
  filters_box->entered = [this] { go(); };
  connect(cmb_spread_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i < 0) return;
    statistics_spread(model_, static_cast<SpreadView>(i));
    msf_spread_->refresh();
    show_spread_chart();
  });
  connect(export_button, &QPushButton::clicked, this, [this] {
    export_grid_csv(this, statistics_table(model_, current_tab()),
                    qs(statistics_file_name(model_, current_tab())));
  });
  connect(copy_button, &QPushButton::clicked, this,
          [this] { copy_grid(this, statistics_table(model_, current_tab())); });
  const auto print = [this] { print_page(this, print_statistics(model_, current_tab())); };
  connect(print_button, &QPushButton::clicked, this, print);
  connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, print);
  connect(&hub_, &StateHub::lottoChanged, this, [this] { reload(true); });
  connect(&hub_, &StateHub::drawsChanged, this, [this] { reload(false); });
  resize(1100, 700);
}

StatisticsWindow::~StatisticsWindow() { delete takeCentralWidget(); }

StatisticsTab StatisticsWindow::current_tab() const {
  return static_cast<StatisticsTab>(tabs_->currentIndex());
}

void StatisticsWindow::opened() {
  opened_ = true;
  reload(txt_from_->text().isEmpty() || txt_to_->text().isEmpty());  // else the period of the last run
}

void StatisticsWindow::reload(bool new_lotto) {
  if (!opened_) return;
  const AppState& s = hub_.state();
  const StatisticsLoad load = statistics_open(model_, s, s.draws_read ? &s.draws : nullptr, today());
  lbl_lotto_->setText(qs(load.lotto_label));
  if (new_lotto) {
    txt_from_->setText(qs(load.from_text));
    txt_to_->setText(qs(load.to_text));
  }
  if (!load.message.empty()) {
    Outcome out;
    out.message = load.message;
    apply_outcome(this, out);
  }
  if (!model_.lotto_name.empty() || isVisible()) go();
}

void StatisticsWindow::go() {
  const StatisticsForm form{ss(txt_from_->text()), ss(txt_to_->text()), ss(txt_filters_->toPlainText())};
  const StatisticsOutcome out = statistics_go(model_, form);
  if (out.shown) show_model();
  using F = StatisticsFocus;
  static constexpr FocusName<StatisticsFocus> focus_controls[] = {
      {F::none, nullptr}, {F::from, "txtFrom"}, {F::to, "txtTo"}, {F::filters, "txtFilters"}};
  static_assert(names_every_focus(focus_controls));
  if (out.focus == F::filters) tabs_->setCurrentIndex(static_cast<int>(StatisticsTab::filters));
  apply_outcome(this, out, focus_controls);
}

void StatisticsWindow::show_model() {
  numbers_model_->refresh();
  for (int c = 0; c < model_.numbers_grid.cols(); ++c)
    msf_numbers_->setColumnHidden(c, model_.numbers_grid.col_width(c) == TextGrid::hidden);
  lbl_fair_->setText(model_.fair_second.empty()
                         ? tr_text(model_.fair_main)
                         : tr_text(model_.fair_main) + QLatin1Char('\n') + tr_text(model_.fair_second));
  show_numbers_chart(0, false);
  show_numbers_chart(1, true);
  cht_numbers_[1]->setVisible(model_.game.second_n > 0);
  msf_most_->refresh();
  msf_least_->refresh();
  heat_map_->refresh();
  lbl_pairs_->setText(tr("Each pair of the main numbers, darker the more often it came; chance gives each %1 "
                         "draws of the period.")
                          .arg(QString::number(model_.pair_expected, 'f', 1)));
  msf_spread_->refresh();
  show_spread_chart();
  msf_rates_->refresh();
  lbl_rates_->setText(qs(model_.rates_text));
}

void StatisticsWindow::show_numbers_chart(int chart, bool second) {
  QChartView* view = cht_numbers_[chart];
  QBarSet* set = bars_of(view)->barSets().value(0);
  QLineSeries* line = line_of(view);
  QStringList categories;
  QList<qreal> values;
  double expected = 0, top = 0;
  for (const NumberStats& s : model_.numbers)
    if (s.second == second) {
      categories << QString::number(s.number);
      values << s.drawn;
      expected = s.expected;
      top = std::max(top, double(s.drawn));
    }
  set->remove(0, set->count());
  set->append(values);
  line->clear();
  if (!values.isEmpty()) line->append({QPointF(-0.5, expected), QPointF(values.size() - 0.5, expected)});
  set_axes(view, categories, std::max(top, expected));
  if (!categories.isEmpty())
    view->chart()->setTitle((second ? tr("Second pool, %1 to %2: draws holding each")
                                    : tr("Main numbers, %1 to %2: draws holding each"))
                                .arg(categories.front(), categories.back()));
}

void StatisticsWindow::show_spread_chart() {
  const QList<QBarSet*> sets = bars_of(cht_spread_)->barSets();
  QStringList categories;
  QList<qreal> draws, chance;
  double top = 0;
  for (const SpreadRow& r : model_.spread) {
    categories << qs(r.value);
    draws << 100 * r.draws_share;
    chance << 100 * r.chance;
    top = std::max({top, 100 * r.draws_share, 100 * r.chance});
  }
  for (QBarSet* s : sets) s->remove(0, s->count());
  sets.value(0)->append(draws);
  sets.value(1)->append(chance);
  set_axes(cht_spread_, categories, top);
  if (auto* y = qobject_cast<QValueAxis*>(cht_spread_->chart()->axes(Qt::Vertical).value(0)))
    y->setLabelFormat(QStringLiteral("%.0f %%"));
}

}  // namespace ds::ui
