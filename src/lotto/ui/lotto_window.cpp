#include "lotto/ui/lotto_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <iterator>

#include "lotto/ui/game_shape_box.h"
#include "shell/ui/apply_outcome.h"
#include "shell/ui/combo_box.h"
#include "shell/ui/controls.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/file_watch.h"
#include "shell/ui/grid_view.h"
#include "shell/ui/translation.h"

namespace ds::ui {

namespace {

QLineEdit* line_edit(QWidget* parent, const char* name, int width) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setMinimumWidth(width);
  return e;
}

QComboBox* combo(QWidget* parent, const char* name, const std::vector<std::string>& items) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::fromLatin1(name));
  c->setEditable(true);
  // A typed text is only a text: it neither joins the list nor loads anything.
  c->setInsertPolicy(QComboBox::NoInsert);
  for (const auto& i : items) c->addItem(qs(i));
  c->setCurrentIndex(-1);
  c->setEditText(QString());
  return c;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& shortcut,
                    const QString& tip) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setShortcut(QKeySequence(shortcut));
  b->setToolTip(tip + QStringLiteral(" (") + shortcut + QStringLiteral(")"));
  b->setAutoDefault(false);
  b->setMinimumWidth(84);
  return b;
}

using F = LottoFocus;
constexpr FocusName<LottoFocus> focus_controls[] = {{F::none, nullptr},
                                                    {F::name, "cmbName"},
                                                    {F::play_n, "cmbPlayN"},
                                                    {F::pick_n, "cmbPickN"},
                                                    {F::prize_2, "txt2PR"},
                                                    {F::prize_2b, "txt2PRB"},
                                                    {F::prize_3, "txt3PR"},
                                                    {F::prize_3b, "txt3PRB"},
                                                    {F::prize_4, "txt4PR"},
                                                    {F::prize_4b, "txt4PRB"},
                                                    {F::prize_5, "txt5PR"},
                                                    {F::prize_5b, "txt5PRB"},
                                                    {F::prize_6, "txt6PR"},
                                                    {F::prize_6b, "txt6PRB"},
                                                    {F::cost, "txtCost"},
                                                    {F::currency, "txtCurrency"},
                                                    {F::date, "txtDate"},
                                                    {F::n1, "txtN1"},
                                                    {F::n2, "txtN2"},
                                                    {F::n3, "txtN3"},
                                                    {F::n4, "txtN4"},
                                                    {F::n5, "txtN5"},
                                                    {F::n6, "txtN6"},
                                                    {F::nb, "txtNB"},
                                                    {F::n7, "txtN7"},
                                                    {F::s1, "txtS1"},
                                                    {F::s2, "txtS2"},
                                                    {F::second_pool, "cmbSecondPool"},
                                                    {F::second_n, "cmbSecondN"},
                                                    {F::prizes, "msfPrizes"}};
static_assert(names_every_focus(focus_controls));

}  // namespace

LottoWindow::LottoWindow(StateHub& hub) : hub_(hub) {
  setObjectName(QStringLiteral("frmLotto"));
  setWindowTitle(tr("Lotto"));
  build_controls();
  watch_ = new FileWatch(this);
  connect(watch_, &FileWatch::changed, this, &LottoWindow::check_disk);
  add_help_menu(this, QStringLiteral("lotto.htm"));
}

void LottoWindow::opened() {
  apply(lotto_load(model_, hub_.state().app_folder));
  // The lotto chosen in the last run is shown, its files read anew.
  const std::string chosen = hub_.state().lotto_name;
  if (hub_.take_restored(WindowId::lotto) && !chosen.empty() && name_->findText(qs(chosen)) >= 0) {
    name_->setCurrentText(qs(chosen));
    choose_lotto(qs(chosen));
  }
}

void LottoWindow::publish_draws() {
  // The state carries the draws the grid shows (added ones included) for the windows
  // that read them; it is told only when they are another lotto's or changed.
  const std::pair<std::string, std::uint64_t> shown{model_.owner, model_.draws.revision()};
  if (shown == published_ && hub_.state().draws_read == !model_.owner.empty()) return;
  published_ = shown;
  hub_.change(Changed::draws, [&](AppState& st) {
    st.draws = model_.draws;
    st.draws_read = !model_.owner.empty();
  });
}

LottoWindow::~LottoWindow() {
  // The view reads the grid until it is gone; the grid member dies before the
  // child widgets do.
  delete grid_;
}

void LottoWindow::build_controls() {
  auto* central = new QWidget(this);

  // ---- the lotto's definition ----
  auto* definition = new QVBoxLayout;
  definition->setSpacing(8);
  auto* names = new QFormLayout;
  names->setLabelAlignment(Qt::AlignLeft);
  name_ = combo(central, "cmbName", {});
  name_->setMinimumWidth(170);
  play_n_ = combo(central, "cmbPlayN", play_n_items());
  pick_n_ = combo(central, "cmbPickN", pick_n_items());
  play_n_->setMaximumWidth(90);
  pick_n_->setMaximumWidth(90);
  names->addRow(named_label("lblName", tr("Name"), central), name_);
  names->addRow(named_label("lblPlayN", tr("N of Playing Numbers"), central), play_n_);
  names->addRow(named_label("lblPickN", tr("N of Picking Numbers"), central), pick_n_);
  definition->addLayout(names);

  // A game beyond the classic shape: the bonus, the second pool and its prize table.
  shape_ = new GameShapeBox(central);
  definition->addWidget(shape_, 1);

  auto* prizes_frame = new QFrame(central);
  prizes_frame_ = prizes_frame;
  prizes_frame->setObjectName(QStringLiteral("fraPrizes"));
  prizes_frame->setFrameShape(QFrame::StyledPanel);
  auto* prizes = new QGridLayout(prizes_frame);
  prizes->addWidget(named_label("lblPrizes", tr("Average Payout Prizes"), prizes_frame, true), 0, 0, 1, 4);
  static const char* pr_names[] = {"txt2PR", "txt3PR", "txt4PR", "txt5PR", "txt6PR"};
  static const char* prb_names[] = {"txt2PRB", "txt3PRB", "txt4PRB", "txt5PRB", "txt6PRB"};
  static const char* pr_labels[] = {"lbl2PR", "lbl3PR", "lbl4PR", "lbl5PR", "lbl6PR"};
  static const char* prb_labels[] = {"lbl2PRB", "lbl3PRB", "lbl4PRB", "lbl5PRB", "lbl6PRB"};
  static const char* pr_texts[] = {QT_TR_NOOP("2 numbers "), QT_TR_NOOP("3 numbers"), QT_TR_NOOP("4 numbers"),
                                   QT_TR_NOOP("5 numbers"), QT_TR_NOOP("6 numbers")};
  for (int i = 0; i < 5; ++i) {
    prize_[i] = line_edit(prizes_frame, pr_names[i], 90);
    prize_b_[i] = line_edit(prizes_frame, prb_names[i], 90);
    prizes->addWidget(named_label(pr_labels[i], tr(pr_texts[i]), prizes_frame), i + 1, 0);
    prizes->addWidget(prize_[i], i + 1, 1);
    prizes->addWidget(named_label(prb_labels[i], tr("%1+bonus").arg(i + 2), prizes_frame), i + 1, 2);
    prizes->addWidget(prize_b_[i], i + 1, 3);
  }
  prizes->setColumnStretch(1, 1);
  prizes->setColumnStretch(3, 1);
  definition->addWidget(prizes_frame);

  auto* cost = new QFormLayout;
  cost_ = line_edit(central, "txtCost", 90);
  cost_->setMaximumWidth(124);
  currency_ = line_edit(central, "txtCurrency", 50);
  currency_->setMaximumWidth(60);
  cost->addRow(named_label("lblCost", tr("Cost of a one play"), central), cost_);
  cost->addRow(named_label("lblCurrency", tr("Currency"), central), currency_);
  definition->addLayout(cost);

  auto* lotto_buttons = new QHBoxLayout;
  create_ =
      button(central, "cmdLottoCreate", tr("Create"), QStringLiteral("Alt+C"), tr("Create a new lotto"));
  edit_ =
      button(central, "cmdLottoEdit", tr("Edit"), QStringLiteral("Alt+E"), tr("Edit the lotto's definition"));
  save_ =
      button(central, "cmdLottoSave", tr("Save"), QStringLiteral("Alt+S"), tr("Save the lotto's definition"));
  for (QPushButton* b : {create_, edit_, save_}) lotto_buttons->addWidget(b);
  definition->addLayout(lotto_buttons);
  definition->addStretch();

  // ---- the draws ----
  auto* draws = new QVBoxLayout;
  draws->setSpacing(6);
  draws->addWidget(named_label("lblDraws", tr("Draws"), central, true));
  grid_ = new GridView(&model_.draws, true, central);
  grid_->setObjectName(QStringLiteral("msfDraws"));
  grid_->setMinimumSize(420, 220);
  draws->addWidget(grid_, 1);

  auto* boxes = new QGridLayout;
  boxes->setHorizontalSpacing(6);
  date_ = line_edit(central, "txtDate", 100);
  boxes->addWidget(named_label("lblDate", tr("Date"), central), 0, 0);
  boxes->addWidget(date_, 1, 0);
  static const char* n_names[] = {"txtN1", "txtN2", "txtN3", "txtN4", "txtN5",
                                  "txtN6", "txtNB", "txtN7", "txtS1", "txtS2"};
  static const char* n_labels[] = {"lblN1", "lblN2", "lblN3", "lblN4", "lblN5",
                                   "lblN6", "lblNB", "lblN7", "lblS1", "lblS2"};
  // The boxes in the order of the grid's columns: N1 .. N6, N7, N Bonus, S1, S2.
  static const int place[] = {1, 2, 3, 4, 5, 6, 8, 7, 9, 10};
  for (int i = 0; i < 10; ++i) {
    numbers_[i] = line_edit(central, n_names[i], 44);
    numbers_[i]->setMaximumWidth(64);
    const QString caption = i < 6    ? QStringLiteral("N%1").arg(i + 1)
                            : i == 6 ? tr("N Bonus")
                            : i == 7 ? QStringLiteral("N7")
                                     : QStringLiteral("S%1").arg(i - 7);
    number_labels_[i] = named_label(n_labels[i], caption, central);
    boxes->addWidget(number_labels_[i], 0, place[i]);
    boxes->addWidget(numbers_[i], 1, place[i]);
  }
  boxes->setColumnStretch(11, 1);
  draws->addLayout(boxes);

  auto* draw_buttons = new QHBoxLayout;
  new_ = button(central, "cmdDrawNew", tr("New"), QStringLiteral("Alt+N"),
                tr("Start a new draw at the bottom of the table"));
  add_ = button(central, "cmdAdd", tr("Add"), QStringLiteral("Alt+A"),
                tr("Put the draw boxes into the current row; Enter in a draw box does the same"));
  save_draws_ = button(central, "cmdDrawSave", tr("Save"), QStringLiteral("Alt+D"),
                       tr("Save the draws of the lotto named in Name"));
  import_ = button(central, "cmdImport", tr("Import draws\u2026"), QStringLiteral("Alt+I"),
                   tr("Add the draws of a CSV file to the lotto named in Name, after a preview"));
  draw_buttons->addWidget(import_);
  draw_buttons->addStretch();
  for (QPushButton* b : {new_, add_, save_draws_}) draw_buttons->addWidget(b);
  draws->addLayout(draw_buttons);

  auto* line = new QFrame(central);
  line->setObjectName(QStringLiteral("Line1"));
  line->setFrameShape(QFrame::VLine);
  line->setFrameShadow(QFrame::Sunken);

  auto* layout = new QHBoxLayout(central);
  layout->setContentsMargins(14, 12, 14, 8);
  layout->setSpacing(14);
  layout->addLayout(definition, 0);
  layout->addWidget(line);
  layout->addLayout(draws, 1);
  setCentralWidget(central);
  statusBar()->setSizeGripEnabled(true);

  // Tab order follows the form: definition top to bottom (each prize beside its
  // bonus prize), its buttons, the grid, the draw boxes and their buttons.
  QList<QWidget*> order = {name_, play_n_, pick_n_};
  order << shape_->tab_order();
  for (int i = 0; i < 5; ++i) order << prize_[i] << prize_b_[i];
  order << cost_ << currency_ << create_ << edit_ << save_ << grid_ << date_;
  for (int i : {0, 1, 2, 3, 4, 5, 7, 6, 8, 9}) order << numbers_[i];
  order << import_ << new_ << add_ << save_draws_;
  for (int i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

  // Only a name chosen in the list loads a lotto; typing a name does not. Qt
  // reports one choice with both signals: the second one is skipped.
  for (QComboBox* c : {name_, play_n_, pick_n_}) choose_only_from_list(c);
  connect(name_, &QComboBox::activated, this, [this](int index) {
    const QString text = name_->itemText(index);
    last_activated_ = text;
    choose_lotto(text);
  });
  connect(name_, &QComboBox::textActivated, this, [this](const QString& text) {
    if (!last_activated_.isNull() && text == last_activated_) {
      last_activated_ = QString();
      return;
    }
    last_activated_ = QString();
    choose_lotto(text);
  });
  connect(shape_, &GameShapeBox::shape_changed, this, &LottoWindow::show_shape);
  connect(pick_n_, &QComboBox::currentTextChanged, this, &LottoWindow::show_shape);
  connect(create_, &QPushButton::clicked, this, &LottoWindow::create_lotto);
  connect(edit_, &QPushButton::clicked, this, &LottoWindow::edit_lotto);
  connect(save_, &QPushButton::clicked, this, &LottoWindow::save_lotto);
  connect(new_, &QPushButton::clicked, this, &LottoWindow::new_draw);
  connect(add_, &QPushButton::clicked, this, &LottoWindow::add_draw);
  connect(save_draws_, &QPushButton::clicked, this, &LottoWindow::save_draws);
  connect(import_, &QPushButton::clicked, this, &LottoWindow::import_draws);
  connect(grid_, &GridView::grid_row_chosen, this, &LottoWindow::select_row);
  // Enter in a draw box adds the draw; Enter in a definition box saves it while
  // the lotto is being created or edited.
  connect(date_, &QLineEdit::returnPressed, this, &LottoWindow::add_draw);
  for (QLineEdit* e : numbers_) connect(e, &QLineEdit::returnPressed, this, &LottoWindow::add_draw);
  QList<QLineEdit*> definition_boxes = {cost_, currency_};
  for (int i = 0; i < 5; ++i) definition_boxes << prize_[i] << prize_b_[i];
  for (QLineEdit* e : definition_boxes)
    connect(e, &QLineEdit::returnPressed, this, [this] {
      if (save_->isEnabled()) save_lotto();
    });

  setMinimumSize(860, 500);
  resize(1000, 620);
}

bool LottoWindow::event(QEvent* e) {
  // Show the draw grid as it is now whenever the user comes back, and look
  // whether the files changed meanwhile.
  if (e->type() == QEvent::WindowActivate && grid_) {
    grid_->refresh();
    if (FileWatch::enabled()) QTimer::singleShot(0, this, &LottoWindow::check_disk);
  }
  return QMainWindow::event(e);
}

LottoForm LottoWindow::read_form() const {
  LottoForm f;
  f.name = ss(name_->currentText());
  f.play_n = ss(play_n_->currentText());
  f.pick_n = ss(pick_n_->currentText());
  for (int i = 0; i < 5; ++i) {
    f.prize[i] = ss(prize_[i]->text());
    f.prize_b[i] = ss(prize_b_[i]->text());
  }
  f.cost = ss(cost_->text());
  f.currency = ss(currency_->text());
  f.shape = shape_->form();
  return f;
}

void LottoWindow::show_form(const LottoForm& f) {
  const QString name = qs(f.name);
  const int index =
      name.isEmpty() ? -1 : name_->findText(name, Qt::MatchFixedString | Qt::MatchCaseSensitive);
  name_->setCurrentIndex(index);
  name_->setEditText(name);
  for (auto [box, text] : {std::pair{play_n_, &f.play_n}, std::pair{pick_n_, &f.pick_n}}) {
    box->setCurrentIndex(box->findText(qs(*text)));
    box->setEditText(qs(*text));
  }
  for (int i = 0; i < 5; ++i) {
    prize_[i]->setText(qs(f.prize[i]));
    prize_b_[i]->setText(qs(f.prize_b[i]));
  }
  cost_->setText(qs(f.cost));
  currency_->setText(qs(f.currency));
  shape_->show_form(f.shape);
  show_shape();
}

void LottoWindow::show_shape() {
  const GameShapeForm f = shape_->form();
  const bool table = uses_prize_table(pick_n_->currentText().toInt(), f.bonus, qs(f.second_n).toInt());
  shape_->show_table(table, pick_n_->currentText().toInt());
  prizes_frame_->setVisible(!table);
}

void LottoWindow::show_draw_boxes() {
  // The boxes of the numbers the chosen game draws; the others keep their 0.
  const LottoDefinition& g = hub_.state().lotto;
  const bool classic = classic_draw_lines(g);
  const int main = std::min<int>(g.pick_n, main_columns(g));
  for (int i = 0; i < 10; ++i) {
    const bool shown = classic  ? i < 7
                       : i < 6  ? i < main
                       : i == 6 ? g.bonus_n > 0
                       : i == 7 ? main == 7
                                : i - 8 < g.second_n;
    numbers_[i]->setVisible(shown);
    number_labels_[i]->setVisible(shown);
  }
}

DrawForm LottoWindow::read_draw() const {
  DrawForm d;
  d.date = ss(date_->text());
  for (int i = 0; i < 7; ++i) d.n[i] = ss(numbers_[i]->text());
  d.n7 = ss(numbers_[7]->text());
  for (int j = 0; j < 2; ++j) d.second[j] = ss(numbers_[8 + j]->text());
  return d;
}

void LottoWindow::show_draw(const DrawForm& d) {
  date_->setText(qs(d.date));
  for (int i = 0; i < 7; ++i) numbers_[i]->setText(qs(d.n[i]));
  numbers_[7]->setText(qs(d.n7));
  for (int j = 0; j < 2; ++j) numbers_[8 + j]->setText(qs(d.second[j]));
}

void LottoWindow::fill_names(const std::vector<std::string>& names, const QString& text) {
  name_->blockSignals(true);
  name_->clear();
  for (const auto& n : names) name_->addItem(qs(n));
  name_->setCurrentIndex(
      text.isEmpty() ? -1 : name_->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
  name_->setEditText(text);
  name_->blockSignals(false);
}

void LottoWindow::apply(const LottoOutcome& outcome) {
  if (outcome.names) fill_names(*outcome.names, outcome.form ? qs(outcome.form->name) : name_->currentText());
  if (outcome.form) {
    show_form(*outcome.form);
    model_.shown_form = read_form();
  }
  if (outcome.draw) show_draw(*outcome.draw);
  const LottoButtons b = LottoEditMode(model_.mode);
  create_->setEnabled(b.create);
  edit_->setEnabled(b.edit);
  save_->setEnabled(b.save);
  grid_->refresh();
  publish_draws();
  show_draw_boxes();
  if (outcome.select_current && model_.current_row >= 1) grid_->select_grid_row(model_.current_row);
  const std::vector<std::filesystem::path> files = {model_.draws_file.path, model_.definition_file.path};
  if (files != watched_) {
    watched_ = files;
    watch_->watch(files);
  }
  apply_outcome(this, outcome, focus_controls);
  if (outcome.focus == LottoFocus::prizes) shape_->focus(outcome.prize_row, outcome.prize_col);
}

bool LottoWindow::may_close() {
  // Typing nobody added or saved is asked about first: a draw, then a definition.
  const TypedWork typed = typed_work(model_, read_form(), read_draw(), hub_.state());
  if (typed.draw && !ask_unsaved(this, typed_draw_question(read_draw()), [this] {
        add_draw();
        return !typed_work(model_, read_form(), read_draw(), hub_.state()).draw;
      }))
    return false;
  if (typed.definition && !ask_unsaved(this, typed_definition_question(read_form()), [this] {
        save_lotto();
        return !typed_work(model_, read_form(), read_draw(), hub_.state()).definition;
      }))
    return false;
  // Save saves the added draws into their own lotto, whatever the name box says.
  return !model_.unsaved || ask_unsaved(this, ds::unsaved_draws_question(model_.owner), [this] {
    save_draws_into(model_.owner);
    return !model_.unsaved;
  });
}

void LottoWindow::check_disk() {
  if (checking_) return;
  checking_ = true;
  const DiskNotice n = lotto_disk_notice(model_);
  if (!n.status.empty()) statusBar()->showMessage(tr_text(n.status));
  if (n.offer_reload && ask_through_dialogs(this)(n.question) == 0) choose_lotto(qs(model_.owner));
  checking_ = false;
}

void LottoWindow::closeEvent(QCloseEvent* e) { e->setAccepted(may_close()); }

void LottoWindow::choose_lotto(const QString& name) {
  if (model_.unsaved) {
    // While the user is asked, the list names the lotto the added draws belong to
    // (Save writes them to the lotto named there).
    name_->setCurrentText(qs(model_.owner));
    if (!may_close()) return;
    name_->setCurrentText(name);
  }
  apply(hub_.changing(Changed::lotto, [&](AppState& st) { return ds::choose_lotto(model_, ss(name), st); }));
}

void LottoWindow::create_lotto() {
  if (!may_close()) return;
  const QString answer = dialogs().input(this, tr("Please, type the name"), tr("Name"));
  apply(ds::create_lotto(model_, ss(answer), read_form(), hub_.state().date_format));
}

void LottoWindow::edit_lotto() { apply(ds::edit_lotto(model_, hub_.state())); }

void LottoWindow::save_lotto() {
  apply(hub_.changing(Changed::lotto, [&](AppState& st) {
    return ds::save_lotto(model_, read_form(), st, ask_through_dialogs(this));
  }));
}

void LottoWindow::new_draw() { apply(ds::new_draw(model_, hub_.state().date_format, hub_.state().lotto)); }

void LottoWindow::add_draw() {
  apply(hub_.changing(Changed::lotto, [&](AppState& st) { return ds::add_draw(model_, read_draw(), st); }));
}

void LottoWindow::save_draws() { save_draws_into(ss(name_->currentText())); }

void LottoWindow::save_draws_into(const std::string& lotto) {
  apply(hub_.changing(Changed::lotto, [&](AppState& st) {
    return ds::save_draws(model_, lotto, st, ask_through_dialogs(this));
  }));
}

void LottoWindow::import_draws() {
  const AppState& s = hub_.state();
  const LottoOutcome start = ds::import_start(model_, ss(name_->currentText()), s);
  if (start.refused()) {
    apply(start);
    return;
  }
  const QString title = tr("Import draws into '%1'").arg(qs(s.lotto_name));
  const QString path = dialogs().open_file(this, title, tr("Draw histories (*.csv *.txt);;All files (*)"));
  if (path.isEmpty()) return;
  const ImportReadResult file =
      ds::import_read(std::filesystem::path(QFile::encodeName(path).toStdString()), ss(path));
  if (file.refused()) {
    apply(file);
    return;
  }
  ImportReviewResult review = ds::import_review(file.text, model_.draws, s);
  if (review.ask_order) {
    QStringList choices;
    for (const std::string& c : review.order_choices) choices << qs(c);
    const int answer = dialogs().choose(this, qs(review.order_question), choices);
    if (answer < 0) return;
    review = ds::import_review(file.text, model_.draws, s, answer);
  }
  if (review.refused()) {
    apply(review);
    return;
  }
  if (!dialogs().review(this, title, tr_text(review.summary), review.grid, qs(review.accept))) return;
  apply(ds::import_finish(model_, review.preview, s));
}

void LottoWindow::select_row(int grid_row) {
  apply(hub_.changing(Changed::lotto, [&](AppState& st) { return select_draw_row(model_, grid_row, st); }));
}

}  // namespace ds::ui
