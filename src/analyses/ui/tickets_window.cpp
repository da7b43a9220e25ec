#include "analyses/ui/tickets_window.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QFile>
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
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "analyses/ui/analysis_controls.h"
#include "lotto/ui/history_update_dialog.h"
#include "shell/ui/app.h"
#include "shell/ui/apply_outcome.h"
#include "shell/ui/chart_palette.h"
#include "shell/ui/controls.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/file_watch.h"
#include "shell/ui/grid_export.h"
#include "shell/ui/grid_view.h"
#include "shell/ui/printing.h"
#include "shell/ui/state_hub.h"

namespace ds::ui {

namespace {

// Noon of a day as the chart's time axis counts it.
qint64 chart_time(DayNumber day) {
  int y = 0, m = 0, d = 0;
  civil_from_day(day, y, m, d);
  return QDateTime(QDate(y, m, d), QTime(12, 0)).toMSecsSinceEpoch();
}

using F = TicketsFocus;
constexpr FocusName<TicketsFocus> focus_controls[] = {
    {F::none, nullptr},       {F::from, "txtFrom"},   {F::count_box, "txtCount"},
    {F::to, "txtTo"},         {F::paid, "txtPaid"},   {F::plays, "txtPlays"},
    {F::member, "txtMember"}, {F::share, "txtShare"}, {F::entries, "msfEntries"}};
static_assert(names_every_focus(focus_controls));

QLineEdit* line_edit(const char* name, QWidget* parent, int width) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setMaximumWidth(width);
  return e;
}

}  // namespace

TicketsWindow::TicketsWindow(StateHub& hub) : hub_(hub) {
  setObjectName(QStringLiteral("frmTickets"));
  setWindowTitle(tr("My tickets"));
  auto* central = new QWidget(this);

  lbl_lotto_ = named_label("lblLotto", tr("Not selected"), central, true);
  lbl_totals_ = named_label("lblTotals", QString(), central, true);
  lbl_totals_->setWordWrap(true);
  lbl_totals_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* top = new QHBoxLayout;
  top->addWidget(named_label("Label1", tr("Lotto"), central));
  top->addWidget(lbl_lotto_);
  top->addSpacing(16);
  top->addWidget(lbl_totals_, 1);

  msf_entries_ = new GridView(&model_.entries, true, central);
  msf_entries_->setObjectName(QStringLiteral("msfEntries"));
  msf_entries_->setAccessibleName(tr("Entries"));
  msf_entries_->horizontalHeader()->setStretchLastSection(true);
  msf_plays_ = new GridView(&model_.plays, true, central);
  msf_plays_->setObjectName(QStringLiteral("msfPlays"));
  msf_plays_->setAccessibleName(tr("Plays"));
  msf_plays_->horizontalHeader()->setStretchLastSection(true);
  msf_members_ = new GridView(&model_.members, true, central);
  msf_members_->setObjectName(QStringLiteral("msfMembers"));
  msf_members_->setAccessibleName(tr("Members paid and won"));
  msf_members_->horizontalHeader()->setStretchLastSection(true);
  msf_members_->setMaximumHeight(140);

  const NetChart net = net_chart(central, QStringLiteral("yyyy-MM-dd"), 3);
  series_ = net.series;
  chart_view_ = net.view;
  chart_view_->setAccessibleName(tr("Running net"));
  chart_view_->setMinimumSize(300, 200);

  auto* left = new QSplitter(Qt::Vertical, central);
  left->setObjectName(QStringLiteral("splTables"));
  left->addWidget(msf_entries_);
  left->addWidget(msf_plays_);
  auto* right = new QWidget(central);
  auto* right_layout = new QVBoxLayout(right);
  right_layout->setContentsMargins(0, 0, 0, 0);
  right_layout->addWidget(chart_view_, 1);
  right_layout->addWidget(named_label("Label2", tr("Members"), right));
  right_layout->addWidget(msf_members_);
  auto* splitter = new QSplitter(Qt::Horizontal, central);
  splitter->setObjectName(QStringLiteral("splResults"));
  splitter->addWidget(left);
  splitter->addWidget(right);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);
  splitter->setChildrenCollapsible(false);

  // Adding an entry.
  auto* add_box = new QGroupBox(tr("Add an entry"), central);
  add_box->setObjectName(QStringLiteral("fraAdd"));
  txt_from_ = line_edit("txtFrom", add_box, 120);
  cmb_period_ = new QComboBox(add_box);
  cmb_period_->setObjectName(QStringLiteral("cmbPeriod"));
  cmb_period_->addItems({tr("That draw"), tr("The next draws"), tr("Every draw up to")});
  txt_count_ = line_edit("txtCount", add_box, 60);
  txt_to_ = line_edit("txtTo", add_box, 120);
  txt_paid_ = line_edit("txtPaid", add_box, 100);
  txt_paid_->setPlaceholderText(tr("the lotto's cost"));
  txt_plays_ = new QPlainTextEdit(add_box);
  txt_plays_->setObjectName(QStringLiteral("txtPlays"));
  txt_plays_->setTabChangesFocus(true);
  txt_plays_->setPlaceholderText(tr("One play a line: 3 9 17 25 40 41 (a second pool after \" + \")"));
  txt_plays_->setMinimumHeight(70);
  txt_plays_->setMaximumHeight(110);
  auto* from_label = named_label("lblFrom", tr("&From"), add_box);
  from_label->setBuddy(txt_from_);
  auto* period_label = named_label("lblPeriod", tr("For"), add_box);
  period_label->setBuddy(cmb_period_);
  auto* count_label = named_label("lblCount", tr("Dra&ws"), add_box);
  count_label->setBuddy(txt_count_);
  auto* to_label = named_label("lblTo", tr("&To"), add_box);
  to_label->setBuddy(txt_to_);
  auto* paid_label = named_label("lblPaid", tr("P&aid"), add_box);
  paid_label->setBuddy(txt_paid_);
  auto* plays_label = named_label("lblPlays", tr("Pla&ys"), add_box);
  plays_label->setBuddy(txt_plays_);
  auto* from_system = named_button("cmdFromSystem", tr("From the S&ystems window"), add_box);
  from_system->setToolTip(tr("The tickets of the system or wheel chosen in the Systems window"));
  auto* from_file = named_button("cmdFromFile", tr("From a f&ile\u2026"), add_box);
  from_file->setToolTip(tr("A ticket file or a CSV of tickets, one a line"));
  auto* add_button = named_button("cmdAdd", tr("&Add entry"), add_box);

  txt_member_ = line_edit("txtMember", add_box, 160);
  txt_share_ = line_edit("txtShare", add_box, 80);
  cmb_split_ = new QComboBox(add_box);
  cmb_split_->setObjectName(QStringLiteral("cmbSplit"));
  cmb_split_->addItems({tr("Equal shares"), tr("By amount paid")});
  auto* member_label = named_label("lblMember", tr("&Member"), add_box);
  member_label->setBuddy(txt_member_);
  auto* share_label = named_label("lblShare", tr("Amount pai&d"), add_box);
  share_label->setBuddy(txt_share_);
  auto* add_member_button = named_button("cmdAddMember", tr("Add &member"), add_box);
  auto* remove_member_button = named_button("cmdRemoveMember", tr("Remove member"), add_box);
  lst_members_ = new QListWidget(add_box);
  lst_members_->setObjectName(QStringLiteral("lstMembers"));
  lst_members_->setAccessibleName(tr("Members of the entry"));
  lst_members_->setMaximumHeight(70);

  auto* period_row = new QHBoxLayout;
  for (QWidget* w :
       std::initializer_list<QWidget*>{from_label, txt_from_, period_label, cmb_period_, count_label,
                                       txt_count_, to_label, txt_to_, paid_label, txt_paid_})
    period_row->addWidget(w);
  period_row->addStretch();
  auto* source_column = new QVBoxLayout;
  source_column->addWidget(from_system);
  source_column->addWidget(from_file);
  source_column->addStretch();
  source_column->addWidget(add_button);
  auto* plays_row = new QHBoxLayout;
  plays_row->addWidget(plays_label, 0, Qt::AlignTop);
  plays_row->addWidget(txt_plays_, 1);
  plays_row->addLayout(source_column);
  auto* members_row = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{member_label, txt_member_, cmb_split_, share_label,
                                                    txt_share_, add_member_button})
    members_row->addWidget(w);
  members_row->addWidget(lst_members_, 1);
  members_row->addWidget(remove_member_button, 0, Qt::AlignTop);
  auto* add_layout = new QVBoxLayout(add_box);
  add_layout->addLayout(period_row);
  add_layout->addLayout(plays_row);
  add_layout->addLayout(members_row);

  auto* remove_button = named_button("cmdRemove", tr("&Remove entry\u2026"), central);
  auto* update_button = named_button("cmdUpdate", tr("&Update results\u2026"), central);
  update_button->setToolTip(tr("Fetch the lotto's published history and add its new draws"));
  auto* export_button = named_button("cmdExport", tr("E&xport CSV\u2026"), central);
  export_button->setToolTip(tr("Save the plays and their prizes as a CSV file"));
  auto* print_button = named_button("cmdPrint", tr("&Print\u2026"), central);
  print_button->setToolTip(tr("Print the totals and the tables, or save them as a PDF file (Ctrl+P)"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(remove_button);
  buttons->addWidget(update_button);
  buttons->addStretch();
  buttons->addWidget(export_button);
  buttons->addWidget(print_button);

  auto* layout = new QVBoxLayout(central);
  layout->addLayout(top);
  layout->addWidget(splitter, 1);
  layout->addWidget(add_box);
  layout->addLayout(buttons);
  setCentralWidget(central);
  add_help_menu(this, QStringLiteral("tickets.htm"));

  QWidget* order[] = {
      msf_entries_,  msf_plays_,    msf_members_,  txt_from_,         cmb_period_,  txt_count_,
      txt_to_,       txt_paid_,     txt_plays_,    from_system,       from_file,    add_button,
      txt_member_,   cmb_split_,    txt_share_,    add_member_button, lst_members_, remove_member_button,
      remove_button, update_button, export_button, print_button};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  watch_ = new FileWatch(this);
  connect(watch_, &FileWatch::changed, this, &TicketsWindow::refresh);
  connect(&hub_, &StateHub::lottoChanged, this, &TicketsWindow::refresh);
  connect(&hub_, &StateHub::drawsChanged, this, &TicketsWindow::refresh);
  connect(cmb_period_, &QComboBox::currentIndexChanged, this, &TicketsWindow::period_chosen);
  connect(cmb_split_, &QComboBox::currentIndexChanged, this,
          [this](int i) { txt_share_->setEnabled(i == 1); });
  connect(add_button, &QPushButton::clicked, this, &TicketsWindow::add);
  connect(remove_button, &QPushButton::clicked, this, &TicketsWindow::remove);
  connect(update_button, &QPushButton::clicked, this, &TicketsWindow::update_results);
  connect(from_system, &QPushButton::clicked, this,
          [this] { apply(plays_from_system(model_, hub_.state())); });
  connect(from_file, &QPushButton::clicked, this, [this] {
    const QString path =
        dialogs().open_file(this, tr("Plays from a file"), tr("Tickets (*.txt *.csv);;All files (*)"));
    if (path.isEmpty()) return;
    apply(plays_from_file(model_, std::filesystem::path(QFile::encodeName(path).toStdString()), ss(path)));
  });
  const auto add_member_now = [this] {
    apply(add_member(model_, ss(txt_member_->text()), ss(txt_share_->text()), cmb_split_->currentIndex() == 1,
                     hub_.state().number_format));
  };
  connect(add_member_button, &QPushButton::clicked, this, add_member_now);
  connect(txt_member_, &QLineEdit::returnPressed, this, add_member_now);
  connect(txt_share_, &QLineEdit::returnPressed, this, add_member_now);
  connect(remove_member_button, &QPushButton::clicked, this, [this] {
    remove_member(model_, lst_members_->currentRow());
    show_members();
  });
  connect(export_button, &QPushButton::clicked, this, [this] {
    export_grid_csv(this, model_.plays, QStringLiteral("tickets-%1.csv").arg(qs(model_.lotto)));
  });
  const auto print = [this] { print_page(this, print_tickets(model_)); };
  connect(print_button, &QPushButton::clicked, this, print);
  connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, print);
  txt_share_->setEnabled(false);
  period_chosen();
  resize(1100, 760);
}

TicketsWindow::~TicketsWindow() { delete takeCentralWidget(); }

void TicketsWindow::opened() {
  opened_ = true;
  if (txt_from_->text().isEmpty()) txt_from_->setText(qs(format_date(today(), hub_.state().date_format)));
  refresh();
}

void TicketsWindow::refresh() {
  if (!opened_) return;
  const TicketsOutcome out = tickets_open(model_, hub_.state());
  watch_->watch(tickets_files(model_));
  apply(out);
}

TicketsForm TicketsWindow::form() const {
  TicketsForm f;
  f.from = ss(txt_from_->text());
  f.period = static_cast<EntryPeriod>(std::max(0, cmb_period_->currentIndex()));
  f.count = ss(txt_count_->text());
  f.to = ss(txt_to_->text());
  f.paid = ss(txt_paid_->text());
  f.plays = ss(txt_plays_->toPlainText());
  return f;
}

void TicketsWindow::period_chosen() {
  txt_count_->setEnabled(cmb_period_->currentIndex() == 1);
  txt_to_->setEnabled(cmb_period_->currentIndex() == 2);
}

void TicketsWindow::add() { apply(add_entry(model_, form(), hub_.state())); }

void TicketsWindow::remove() {
  const int row = msf_entries_->current_grid_row() - 1;
  const std::string question = remove_question(model_, row);
  if (question.empty()) {
    apply(remove_chosen_entry(model_, row, hub_.state()));
    return;
  }
  if (dialogs().ask(this, qs(question), {tr("Remove")}) != 0) return;
  apply(remove_chosen_entry(model_, row, hub_.state()));
}

void TicketsWindow::update_results() {
  if (model_.lotto.empty()) {
    TicketsOutcome out;
    out.message = messages().select_lotto;
    out.show = WindowId::lotto;
    apply(out);
    return;
  }
  auto* dialog = new HistoryUpdateDialog(model_.games, model_.lotto, hub_.state().date_format, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  // The draws' owner announces them on the hub; this window reads the file meanwhile.
  connect(dialog, &HistoryUpdateDialog::drawsUpdated, this, &TicketsWindow::refresh);
  dialog->open();
}

int TicketsWindow::chart_points() const { return static_cast<int>(series_->count()); }

void TicketsWindow::apply(const TicketsOutcome& out) {
  lbl_lotto_->setText(qs(model_.lotto_label));
  lbl_totals_->setText(qs(model_.totals_text));
  msf_entries_->refresh();
  msf_plays_->refresh();
  msf_members_->refresh();
  if (out.plays_text) txt_plays_->setPlainText(qs(*out.plays_text));
  if (out.form_cleared) txt_paid_->clear();
  show_members();
  show_chart();
  apply_outcome(this, out, focus_controls);
}

void TicketsWindow::show_members() {
  lst_members_->clear();
  for (const LedgerMember& m : model_.new_members) lst_members_->addItem(qs(member_text(m)));
}

void TicketsWindow::show_chart() {
  QList<QPointF> points;
  for (const auto& [day, net] : model_.running_net)
    points.append(QPointF(static_cast<qreal>(chart_time(day)), net));
  series_->replace(points);
  auto* time_axis = qobject_cast<QDateTimeAxis*>(chart_view_->chart()->axes(Qt::Horizontal).value(0));
  auto* net_axis = qobject_cast<QValueAxis*>(chart_view_->chart()->axes(Qt::Vertical).value(0));
  if (!time_axis || !net_axis) return;
  time_axis->setLabelsVisible(!points.isEmpty());
  net_axis->setLabelsVisible(!points.isEmpty());
  if (points.isEmpty()) return;
  const qint64 day_ms = 86'400'000;
  time_axis->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(points.front().x()) - day_ms),
                      QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(points.back().x()) + day_ms));
  double low = 0, high = 0;
  for (const QPointF& p : points) {
    low = std::min(low, p.y());
    high = std::max(high, p.y());
  }
  net_axis->setRange(low, high == low ? low + 1 : high);
  net_axis->applyNiceNumbers();
}

}  // namespace ds::ui
