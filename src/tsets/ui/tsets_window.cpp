#include "tsets/ui/tsets_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>
#include <iterator>
#include <memory>

#include "shell/dates.h"
#include "shell/ui/apply_outcome.h"
#include "shell/ui/combo_box.h"
#include "shell/ui/controls.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/file_watch.h"
#include "shell/ui/grid_view.h"
#include "shell/ui/translation.h"

namespace ds::ui {

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& text, const char* shortcut) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setEnabled(false);
  b->setAutoDefault(false);
  if (shortcut) {
    b->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    b->setToolTip(TsetsWindow::tr("%1 (%2)").arg(text, b->shortcut().toString(QKeySequence::NativeText)));
  }
  return b;
}

QComboBox* combo(QWidget* parent, const char* name, bool editable) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::fromLatin1(name));
  c->setEditable(editable);
  c->setInsertPolicy(QComboBox::NoInsert);
  c->setMaxVisibleItems(15);
  // A size or set is chosen from the list or by Enter, never by leaving the box.
  choose_only_from_list(c);
  return c;
}

QFrame* line(QWidget* parent, const char* name, QFrame::Shape shape) {
  auto* f = new QFrame(parent);
  f->setObjectName(QString::fromLatin1(name));
  f->setFrameShape(shape);
  f->setFrameShadow(QFrame::Sunken);
  return f;
}

// Runs `action` when Enter is pressed in an editable combo box. The combo box
// hands a Return its line edit ignored back to the line edit, which then
// reports it a second time; only the first report of a key press counts.
void on_enter(QComboBox* box, std::function<void()> action) {
  auto handled = std::make_shared<bool>(false);
  QObject::connect(box->lineEdit(), &QLineEdit::returnPressed, box, [handled, action] {
    if (*handled) return;
    *handled = true;
    QTimer::singleShot(0, [handled] { *handled = false; });
    action();
  });
}

using F = TsetsFocus;
constexpr FocusName<TsetsFocus> focus_controls[] = {{F::none, nullptr},     {F::size, "cmbSize"},
                                                    {F::sets, "cmbSets"},   {F::date, "txtDate"},
                                                    {F::index, "cmbIndex"}, {F::number, "cmbNumber"}};
static_assert(names_every_focus(focus_controls));

QStringList numbers_text(int first, int last) {
  QStringList items;
  for (int i = first; i <= last; ++i) items << QString::number(i);
  return items;
}

}  // namespace

TsetsWindow::TsetsWindow(StateHub& hub) : hub_(hub) {
  setObjectName(QStringLiteral("frmTsets"));
  setWindowTitle(tr("Targeted Sets"));
  auto* central = new QWidget(this);
  size_ = combo(central, "cmbSize", true);
  size_->addItems(numbers_text(min_set_size, max_set_size));
  size_->setCurrentIndex(-1);
  size_->setEditText(QString());
  size_->setMinimumContentsLength(3);
  size_->setToolTip(tr("How many numbers the set has"));
  sets_ = combo(central, "cmbSets", false);
  sets_->setEnabled(false);
  sets_->setMinimumContentsLength(18);
  sets_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  sets_->setToolTip(tr("The targeted sets of the chosen size"));
  new_ = button(central, "cmdNew", tr("New"), "Ctrl+N");

  date_ = new QLineEdit(QString::fromStdString(format_date(today(), hub_.state().date_format)), central);
  date_->setObjectName(QStringLiteral("txtDate"));
  date_->setMaxLength(40);
  date_->setMaximumWidth(120);
  accept_date_ = button(central, "cmdAcceptDate", tr("Accept Date"), nullptr);
  index_ = combo(central, "cmbIndex", true);
  index_->setMinimumContentsLength(3);
  number_ = combo(central, "cmbNumber", true);
  number_->addItems(numbers_text(1, max_set_number));
  number_->setCurrentIndex(-1);
  number_->setEditText(QString());
  number_->setMinimumContentsLength(3);
  accept_number_ = button(central, "cmdAcceptNumber", tr("Accept Number"), nullptr);
  add_ = button(central, "cmdAdd", tr("Add"), "Ctrl+R");
  save_ = button(central, "cmdSave", tr("Save"), "Ctrl+S");
  generator_ = button(central, "cmdTsetGenerator", tr("TSets Generator"), "Ctrl+G");

  grid_view_ = new GridView(&model_.work.grid, true, central);
  grid_view_->setObjectName(QStringLiteral("msfTsets"));
  grid_view_->setMinimumHeight(220);

  auto* row1 = new QHBoxLayout;
  row1->addWidget(named_label("Label1", tr("Size"), central));
  row1->addWidget(size_);
  row1->addSpacing(24);
  row1->addWidget(named_label("Label2", tr("Name"), central));
  row1->addWidget(sets_);
  row1->addWidget(new_);
  row1->addStretch(1);

  auto* row2 = new QHBoxLayout;
  row2->addWidget(named_label("Label3", tr("Date"), central));
  row2->addWidget(date_);
  row2->addWidget(accept_date_);
  row2->addSpacing(12);
  row2->addWidget(line(central, "Line2", QFrame::VLine));
  row2->addSpacing(12);
  row2->addWidget(named_label("Label4", tr("Index"), central));
  row2->addWidget(index_);
  row2->addWidget(named_label("Label5", tr("Number"), central));
  row2->addWidget(number_);
  row2->addWidget(accept_number_);
  row2->addStretch(1);

  auto* row3 = new QHBoxLayout;
  row3->addWidget(add_);
  row3->addWidget(save_);
  row3->addStretch(1);
  row3->addWidget(generator_);

  auto* layout = new QVBoxLayout(central);
  layout->addLayout(row1);
  layout->addWidget(line(central, "Line1", QFrame::HLine));
  layout->addLayout(row2);
  layout->addWidget(line(central, "Line3", QFrame::HLine));
  layout->addLayout(row3);
  layout->addWidget(line(central, "Line4", QFrame::HLine));
  layout->addWidget(grid_view_, 1);
  setCentralWidget(central);
  statusBar();
  add_help_menu(this, QStringLiteral("tset.htm"));

  setTabOrder(size_, sets_);
  setTabOrder(sets_, new_);
  setTabOrder(new_, date_);
  setTabOrder(date_, accept_date_);
  setTabOrder(accept_date_, index_);
  setTabOrder(index_, number_);
  setTabOrder(number_, accept_number_);
  setTabOrder(accept_number_, add_);
  setTabOrder(add_, save_);
  setTabOrder(save_, generator_);
  setTabOrder(generator_, grid_view_);

  connect(size_, &QComboBox::activated, this, [this](int i) { size_chosen(size_->itemText(i)); });
  on_enter(size_, [this] { size_chosen(size_->currentText()); });
  connect(sets_, &QComboBox::activated, this, [this](int i) { set_chosen(sets_->itemText(i)); });
  connect(new_, &QPushButton::clicked, this, &TsetsWindow::new_set);
  connect(accept_date_, &QPushButton::clicked, this, &TsetsWindow::accept_date);
  connect(date_, &QLineEdit::returnPressed, this, [this] {
    if (accept_date_->isEnabled()) accept_date();
  });
  on_enter(index_, [this] { number_->setFocus(); });
  on_enter(number_, [this] {
    if (accept_number_->isEnabled()) accept_number();
  });
  connect(accept_number_, &QPushButton::clicked, this, &TsetsWindow::accept_number);
  connect(add_, &QPushButton::clicked, this, &TsetsWindow::add_row);
  connect(save_, &QPushButton::clicked, this, &TsetsWindow::save);
  connect(generator_, &QPushButton::clicked, this, [] { registry().show(WindowId::tset_generator); });
  connect(grid_view_, &GridView::grid_row_chosen, this, &TsetsWindow::row_chosen);

  watch_ = new FileWatch(this);
  connect(watch_, &FileWatch::changed, this, &TsetsWindow::check_disk);
  connect(&hub_, &StateHub::tsetRowsWritten, this, &TsetsWindow::follow_state);
  connect(date_, &QLineEdit::textChanged, this, [this](const QString& text) {
    hub_.change(Changed::nothing, [&](AppState& st) { st.tset_date = ss(text); });
  });

  resize(920, 560);
}

void TsetsWindow::opened() {
  const AppState before = hub_.state();
  hub_.change(Changed::tset, [&](AppState& st) { tsets_load(model_, st); });
  grid_view_->refresh();
  publish();
  // The set chosen in the last run, or the rows the generator wrote while this window
  // was closed, are shown.
  if (!hub_.take_restored(WindowId::tsets) && !before.tset_unsaved) return;
  if (before.tset_size <= 0) return;
  size_->setCurrentText(QString::number(before.tset_size));
  size_chosen(size_->currentText());
  if (before.tset_name.empty() || sets_->findText(qs(before.tset_name)) < 0) return;
  sets_->setCurrentIndex(sets_->findText(qs(before.tset_name)));
  set_chosen(qs(before.tset_name));
  if (!before.tset_unsaved) return;
  // Rows written while this window was closed (the generator's) are not lost.
  model_.work.grid = before.tset_rows;
  model_.unsaved = true;
  model_.enabled.save = true;
  hub_.change(Changed::tset, [&](AppState& st) {
    st.tset_row = before.tset_row;
    st.tset_numbers = before.tset_numbers;
  });
  apply(TsetsOutcome{});
}

void TsetsWindow::publish() {
  publishing_ = true;
  hub_.change(Changed::tset, [&](AppState& st) {
    st.tset_rows = model_.work.grid;
    st.tset_unsaved = model_.unsaved;
    st.tset_save_on = model_.enabled.save;
  });
  publishing_ = false;
}

void TsetsWindow::follow_state() {
  const AppState& st = hub_.state();
  if (publishing_ || st.tset_name != model_.work.set_name || st.tset_size != model_.work.size) return;
  if (st.tset_unsaved == model_.unsaved && st.tset_save_on == model_.enabled.save &&
      st.tset_rows.revision() == model_.work.grid.revision())
    return;
  model_.work.grid = st.tset_rows;
  model_.unsaved = st.tset_unsaved;
  model_.enabled.save = st.tset_save_on;
  apply(TsetsOutcome{});
}

TsetsWindow::~TsetsWindow() { delete takeCentralWidget(); }

void TsetsWindow::update_enabled() {
  const TsetsEnabled& e = model_.enabled;
  sets_->setEnabled(e.sets);
  new_->setEnabled(e.new_set);
  add_->setEnabled(e.add);
  accept_date_->setEnabled(e.accept_date);
  accept_number_->setEnabled(e.accept_number);
  save_->setEnabled(e.save);
  generator_->setEnabled(e.generator);
}

void TsetsWindow::show_current_row() {
  const int row = hub_.state().tset_row;
  if (row >= 1 && row < model_.work.grid.rows())
    grid_view_->select_grid_row(row);
  else
    grid_view_->clearSelection();
}

void TsetsWindow::apply(const TsetsOutcome& outcome) {
  if (outcome.set_list) {
    sets_->clear();
    for (const std::string& name : *outcome.set_list) sets_->addItem(qs(name));
    sets_->setCurrentIndex(outcome.sets_text ? sets_->findText(qs(*outcome.sets_text)) : -1);
  } else if (outcome.sets_text) {
    sets_->setCurrentIndex(sets_->findText(qs(*outcome.sets_text)));
  }
  if (outcome.index_count) {
    index_->clear();
    index_->addItems(numbers_text(1, *outcome.index_count));
    index_->setCurrentIndex(-1);
    index_->setEditText(QString());
  }
  grid_view_->refresh();
  show_current_row();
  update_enabled();
  publish();
  if (model_.loaded.path != watched_) {
    watched_ = model_.loaded.path;
    watch_->watch({watched_});
  }
  apply_outcome(this, outcome, focus_controls);
}

bool TsetsWindow::may_close() {
  return !model_.unsaved || ask_unsaved(this, unsaved_set_question(model_), [this] {
    save();
    return !model_.unsaved;
  });
}

void TsetsWindow::closeEvent(QCloseEvent* e) { e->setAccepted(may_close()); }

bool TsetsWindow::event(QEvent* e) {
  // Coming back to the window, look whether the set's file changed meanwhile.
  if (e->type() == QEvent::WindowActivate && FileWatch::enabled())
    QTimer::singleShot(0, this, &TsetsWindow::check_disk);
  return QMainWindow::event(e);
}

void TsetsWindow::check_disk() {
  if (checking_) return;
  checking_ = true;
  const DiskNotice n = tsets_disk_notice(model_);
  if (!n.status.empty()) statusBar()->showMessage(tr_text(n.status));
  if (n.offer_reload && ask_through_dialogs(this)(n.question) == 0) set_chosen(qs(model_.work.set_name));
  checking_ = false;
}

void TsetsWindow::size_chosen(const QString& text) {
  if (!may_close()) {
    size_->setCurrentText(model_.work.size > 0 ? QString::number(model_.work.size) : QString());
    return;
  }
  apply(hub_.changing(Changed::tset, [&](AppState& st) { return tsets_choose_size(model_, ss(text), st); }));
}

void TsetsWindow::new_set() {
  if (!may_close()) return;
  const QString answer = dialogs().input(this, qs(messages().type_name), qs(messages().strategy_name));
  apply(hub_.changing(Changed::tset, [&](AppState& st) { return tsets_new(model_, ss(answer), st); }));
}

void TsetsWindow::set_chosen(const QString& name) {
  if (!may_close()) {
    sets_->setCurrentIndex(sets_->findText(qs(model_.work.set_name)));
    return;
  }
  apply(hub_.changing(Changed::tset, [&](AppState& st) { return tsets_choose_set(model_, ss(name), st); }));
}

void TsetsWindow::accept_date() {
  apply(hub_.changing(Changed::tset,
                      [&](AppState& st) { return tsets_accept_date(model_, ss(date_->text()), st); }));
}

void TsetsWindow::add_row() {
  apply(hub_.changing(Changed::tset, [&](AppState& st) { return tsets_add(model_, st); }));
}

void TsetsWindow::accept_number() {
  apply(hub_.changing(Changed::tset, [&](AppState& st) {
    return tsets_accept_number(model_, ss(index_->currentText()), ss(number_->currentText()), st);
  }));
}

void TsetsWindow::save() {
  apply(hub_.changing(Changed::tset,
                      [&](AppState& st) { return tsets_save(model_, st, ask_through_dialogs(this)); }));
}

void TsetsWindow::row_chosen(int row) {
  apply(hub_.changing(Changed::tset, [&](AppState& st) { return tsets_select_row(model_, row, st); }));
}

}  // namespace ds::ui
