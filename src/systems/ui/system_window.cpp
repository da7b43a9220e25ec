#include "systems/ui/system_window.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStandardItemModel>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/ui/app.h"
#include "shell/ui/apply_outcome.h"
#include "shell/ui/controls.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/grid_export.h"
#include "shell/ui/grid_view.h"
#include "shell/ui/printing.h"
#include "shell/ui/translation.h"

namespace ds::ui {

namespace {

// The view's size that shows every row and column of a small grid without scrolling.
void fit_to_grid(GridView* view) {
  int width = 2 * view->frameWidth();
  for (int c = 0; c < view->model()->columnCount(); ++c) width += view->columnWidth(c);
  int height = 2 * view->frameWidth();
  for (int r = 0; r < view->model()->rowCount(); ++r) height += view->rowHeight(r);
  view->setFixedSize(width, height);
}

}  // namespace

SystemWindow::SystemWindow(StateHub& hub) : hub_(hub) {
  setObjectName(QStringLiteral("frmSystem"));
  setWindowTitle(tr("Systems"));

  auto* central = new QWidget(this);
  auto* label1 = named_label("Label1", tr("Lotto"), central);
  lbl_lotto_ = named_label("lblLotto", tr("Not selected"), central);
  auto* label2 = named_label("Label2", tr("Targeted Set"), central);
  lbl_tset_ = named_label("lblTset", tr("Not selected"), central);
  auto* label3 = named_label("Label3", tr("System"), central);
  cmb_list_ = new QComboBox(central);
  cmb_list_->setObjectName(QStringLiteral("cmbList"));
  cmb_list_->setPlaceholderText(tr("Select "));
  cmb_list_->setMaxVisibleItems(20);
  cmb_list_->setMinimumWidth(120);
  label3->setBuddy(cmb_list_);
  for (QLabel* l : {lbl_lotto_, lbl_tset_}) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }

  auto* label4 = named_label("Label4", tr("Guaranteed Results"), central);
  msf_results_ = new GridView(&model_.results, false, central);
  msf_results_->setObjectName(QStringLiteral("msfResults"));
  // The table's headings read as one phrase across its cells: this window's own words.
  [[maybe_unused]] static const char* const phrase[] = {QT_TR_NOOP("Number of winning"),
                                                        QT_TR_NOOP("balls in the targeted set"),
                                                        QT_TR_NOOP("Number"),
                                                        QT_TR_NOOP("of tickets"),
                                                        QT_TR_NOOP("with"),
                                                        QT_TR_NOOP("winning"),
                                                        QT_TR_NOOP("balls=")};
  msf_results_->grid_model()->set_heading_context("ds::ui::SystemWindow");
  msf_results_->setSelectionMode(QAbstractItemView::NoSelection);
  msf_results_->setAlternatingRowColors(false);
  msf_results_->setWordWrap(true);
  msf_results_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  msf_results_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  msf_results_->horizontalHeader()->setDefaultSectionSize(64);

  msf_system_ = new GridView(&model_.tickets, true, central);
  msf_system_->setObjectName(QStringLiteral("msfSystem"));
  msf_system_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  auto* label5 = named_label("Label5", tr("Cost of the system"), central);
  lbl_cost_ = named_label("lblCost", QStringLiteral("0"), central);
  {
    QFont f = lbl_cost_->font();
    f.setBold(true);
    lbl_cost_->setFont(f);
  }
  cmd_print_ = new QPushButton(tr("Print System"), central);
  cmd_print_->setObjectName(QStringLiteral("cmdPrint"));
  cmd_print_->setToolTip(tr("Print the tickets, or save them as a PDF file (Ctrl+P)"));
  auto* print_key = new QShortcut(QKeySequence::Print, this);
  const auto print = [this] { print_page(this, ds::print_system(model_)); };
  connect(print_key, &QShortcut::activated, this, print);
  auto* cmd_export = new QPushButton(tr("E&xport CSV\u2026"), central);
  cmd_export->setObjectName(QStringLiteral("cmdExport"));
  cmd_export->setToolTip(tr("Save the tickets as a CSV file"));
  auto* cmd_copy = new QPushButton(tr("&Copy"), central);
  cmd_copy->setObjectName(QStringLiteral("cmdCopy"));
  cmd_copy->setToolTip(tr("Copy the tickets for a spreadsheet"));
  auto* cmd_make = new QPushButton(tr("&Make a Wheel\u2026"), central);
  cmd_make->setObjectName(QStringLiteral("cmdMakeWheel"));
  cmd_make->setToolTip(
      tr("Make a wheel with the guarantee you choose; saved wheels are listed after the systems"));
  auto* cmd_check = new QPushButton(tr("Chec&k a Wheel\u2026"), central);
  cmd_check->setObjectName(QStringLiteral("cmdCheckWheel"));
  cmd_check->setToolTip(tr("Check any list of tickets: worst and best matches, holes of a guarantee"));
  auto* cmd_filters = named_button("cmdFilters", tr("&Filters\u2026"), central);
  cmd_filters->setToolTip(tr("Renumber the tickets over the set so that the most pass your filters"));

  // Layout: the choices on top, the results and the tickets side by side, the
  // cost and the print button below.
  auto* choices = new QGridLayout;
  choices->addWidget(label1, 0, 0);
  choices->addWidget(lbl_lotto_, 0, 1);
  choices->addWidget(label2, 1, 0);
  choices->addWidget(lbl_tset_, 1, 1);
  choices->addWidget(label3, 2, 0);
  choices->addWidget(cmb_list_, 2, 1, Qt::AlignLeft);
  {
    auto* wheel_buttons = new QHBoxLayout;
    wheel_buttons->addWidget(cmd_make);
    wheel_buttons->addWidget(cmd_check);
    wheel_buttons->addWidget(cmd_filters);
    choices->addLayout(wheel_buttons, 2, 2, Qt::AlignLeft);
  }
  label_second_ = named_label("Label6", tr("Second-pool numbers"), central);
  txt_second_ = new QLineEdit(central);
  txt_second_->setObjectName(QStringLiteral("txtSecond"));
  txt_second_->setToolTip(
      tr("The second-pool numbers to play, with blanks between them: each ticket is "
         "played with each of them (with each pair of them when two are drawn)"));
  label_second_->setBuddy(txt_second_);
  choices->addWidget(label_second_, 3, 0);
  choices->addWidget(txt_second_, 3, 1);
  choices->setColumnStretch(2, 1);
  choices->setHorizontalSpacing(16);

  auto* results_column = new QVBoxLayout;
  results_column->addWidget(label4);
  results_column->addWidget(msf_results_);
  lbl_rows_note_ = named_label("lblRowsNote", QString(), central);
  lbl_rows_note_->setWordWrap(true);
  lbl_rows_note_->setMaximumWidth(460);
  lbl_rows_note_->hide();
  results_column->addWidget(lbl_rows_note_);
  results_column->addStretch();

  auto* tickets_column = new QVBoxLayout;
  tickets_column->addWidget(msf_system_, 1);

  auto* grids = new QHBoxLayout;
  grids->addLayout(results_column);
  grids->addSpacing(12);
  grids->addLayout(tickets_column, 1);

  lbl_plays_ = named_label("lblPlays", QString(), central);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(lbl_plays_);
  bottom->addSpacing(12);
  bottom->addWidget(label5);
  bottom->addWidget(lbl_cost_);
  bottom->addStretch();
  bottom->addWidget(cmd_export);
  bottom->addWidget(cmd_copy);
  bottom->addWidget(cmd_print_);

  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(16, 12, 16, 12);
  layout->addLayout(choices);
  layout->addSpacing(8);
  layout->addLayout(grids, 1);
  layout->addLayout(bottom);
  setCentralWidget(central);
  add_help_menu(this, QStringLiteral("system.htm"));

  setTabOrder(cmb_list_, txt_second_);
  setTabOrder(txt_second_, cmd_make);
  setTabOrder(cmd_make, cmd_check);
  setTabOrder(cmd_check, cmd_filters);
  setTabOrder(cmd_filters, msf_results_);
  setTabOrder(msf_results_, msf_system_);
  setTabOrder(msf_system_, cmd_export);
  setTabOrder(cmd_export, cmd_copy);
  setTabOrder(cmd_copy, cmd_print_);

  connect(cmb_list_, &QComboBox::activated, this, [this](int) { choose_system(); });
  connect(cmd_print_, &QPushButton::clicked, this, print);
  connect(txt_second_, &QLineEdit::editingFinished, this, &SystemWindow::take_second_picks);
  connect(cmd_export, &QPushButton::clicked, this,
          [this] { export_grid_csv(this, model_.tickets, qs(system_export_name(model_))); });
  connect(cmd_copy, &QPushButton::clicked, this, [this] { copy_grid(this, model_.tickets); });
  connect(cmd_make, &QPushButton::clicked, this, [] { registry().show(WindowId::make_wheel); });
  connect(cmd_check, &QPushButton::clicked, this, [] { registry().show(WindowId::check_wheel); });
  connect(cmd_filters, &QPushButton::clicked, this, [] { registry().show(WindowId::wheel_filter); });

  // The catalogue and the empty grids; the made wheels and the checks wait for
  // the window to open.
  for (const std::string& id : system_list()) cmb_list_->addItem(qs(id));
  cmb_list_->setCurrentIndex(-1);
  show_second_row(second_pool_row(model_, hub_.state()));
  msf_results_->refresh();
  fit_to_grid(msf_results_);
  msf_system_->refresh();
  msf_system_->setMinimumWidth(model_.tickets.col_width(0) + model_.tickets.col_width(1) +
                               2 * msf_system_->frameWidth() + 24);
  resize(sizeHint().expandedTo(QSize(600, 520)));
  cmb_list_->setFocus();
  // Another lotto or set chosen while the window is shown: the system is shown anew.
  for (auto signal : {&StateHub::lottoChanged, &StateHub::tsetChanged})
    connect(&hub_, signal, this, [this] {
      if (isVisible()) refresh_wheels();
    });
}

void SystemWindow::opened() {
  const SystemOutcome out = system_open(model_, hub_.state());
  apply(out);
  // The system chosen in the last run is shown for the set and lotto of the state.
  const int chosen = hub_.state().system_id.empty() ? -1 : cmb_list_->findText(qs(hub_.state().system_id));
  if (hub_.take_restored(WindowId::system) && out.message.empty() && chosen >= 0) {
    cmb_list_->setCurrentIndex(chosen);
    choose_system();
  }
  if (out.show != WindowId::none) {
    // The registry brings this window to the front once it is open; put the
    // window where the choice is made back in front after that.
    QTimer::singleShot(0, [where = out.show] {
      if (QWidget* w = registry().existing(where)) {
        w->raise();
        w->activateWindow();
      }
    });
  }
}

SystemWindow::~SystemWindow() { delete takeCentralWidget(); }

void SystemWindow::refresh_wheels() { apply(system_refresh(model_, hub_.state())); }

void SystemWindow::list_wheels(const std::vector<std::string>& wheels) {
  const int systems = static_cast<int>(system_list().size());
  const QString current = cmb_list_->currentIndex() >= 0 ? cmb_list_->currentText() : QString();
  const QSignalBlocker quiet(cmb_list_);
  while (cmb_list_->count() > systems) cmb_list_->removeItem(cmb_list_->count() - 1);
  if (!wheels.empty()) {
    // The catalogue and the made wheels stay apart: a separator, then a heading
    // that cannot be chosen.
    cmb_list_->insertSeparator(systems);
    cmb_list_->addItem(qs(std::string(made_wheels_heading)));
    if (auto* model = qobject_cast<QStandardItemModel*>(cmb_list_->model()))
      if (QStandardItem* heading = model->item(systems + 1)) {
        heading->setFlags(heading->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
        QFont f = heading->font();
        f.setBold(true);
        heading->setFont(f);
      }
    for (const std::string& name : wheels) cmb_list_->addItem(qs(name));
  }
  cmb_list_->setCurrentIndex(current.isEmpty() ? -1 : cmb_list_->findText(current));
}

void SystemWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) refresh_wheels();
}

void SystemWindow::show_second_row(const SecondPoolRow& row) {
  label_second_->setVisible(row.shown);
  txt_second_->setVisible(row.shown);
  lbl_plays_->setVisible(row.plays_shown);
  if (!row.shown) return;
  label_second_->setText(tr("Second-pool numbers (1 to %1)").arg(row.pool));
  if (!txt_second_->hasFocus()) txt_second_->setText(qs(row.picks));
}

void SystemWindow::take_second_picks() {
  if (!txt_second_->isVisible()) return;  // the game has no second pool, or the window closes
  const QString system = cmb_list_->currentIndex() >= 0 ? cmb_list_->currentText() : QString();
  apply(hub_.changing(Changed::system, [&](AppState& st) {
    return ds::take_second_picks(model_, ss(txt_second_->text()), ss(system), st);
  }));
}

void SystemWindow::choose_system() {
  apply(hub_.changing(Changed::system, [&](AppState& st) {
    return ds::choose_system(model_, ss(cmb_list_->currentText()), st);
  }));
}

void SystemWindow::apply(const SystemOutcome& out) {
  if (out.tset_label) lbl_tset_->setText(qs(*out.tset_label));
  if (out.lotto_label) lbl_lotto_->setText(qs(*out.lotto_label));
  if (out.wheels) list_wheels(*out.wheels);
  if (out.second_row) show_second_row(*out.second_row);
  if (out.second_text) txt_second_->setText(qs(*out.second_text));
  if (out.results) {
    msf_results_->refresh();
    fit_to_grid(msf_results_);  // a wheel of seven-number tickets has a seventh row and column
    lbl_rows_note_->setText(tr_text(model_.rows_note));
    lbl_rows_note_->setVisible(!model_.rows_note.empty());
    // A taller table or a longer note never overlaps what follows: the label asks
    // for the lines it wraps into, and the window's minimum size grows with it.
    lbl_rows_note_->setMinimumHeight(model_.rows_note.empty()
                                         ? 0
                                         : lbl_rows_note_->heightForWidth(std::min(
                                               lbl_rows_note_->maximumWidth(), msf_results_->width())));
  }
  if (out.tickets && model_.shown) {
    msf_system_->refresh();
    // Wide enough for every column: a game with a second pool adds one.
    int width = 2 * msf_system_->frameWidth() + 24;
    for (int c = 0; c < model_.tickets.cols(); ++c) width += model_.tickets.col_width(c);
    msf_system_->setMinimumWidth(width);
    msf_system_->scrollToTop();
    lbl_cost_->setText(qs(model_.shown->cost));
    lbl_plays_->setText(qs(model_.shown->plays_text));
    lbl_plays_->setVisible(!model_.shown->plays_text.empty());
  }
  using F = SystemFocus;
  static constexpr FocusName<SystemFocus> focus_controls[] = {{F::none, nullptr}, {F::second, "txtSecond"}};
  static_assert(names_every_focus(focus_controls));
  apply_outcome(this, out, focus_controls);
  if (out.show_again && cmb_list_->currentIndex() >= 0) choose_system();
}

}  // namespace ds::ui
