#include "systems/ui/make_wheel_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/ui/app.h"
#include "shell/ui/apply_outcome.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/grid_view.h"
#include "shell/ui/translation.h"
#include "systems/ui/wheel_controls.h"
#include "wheels/wheel_library.h"

namespace ds::ui {

namespace {

QLineEdit* named_box(const char* name, const QString& text, QWidget* parent) {
  auto* e = new QLineEdit(text, parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setMaximumWidth(90);
  return e;
}

}  // namespace

MakeWheelWindow::MakeWheelWindow(StateHub& hub) : hub_(hub) {
  setObjectName(QStringLiteral("frmMakeWheel"));
  setWindowTitle(tr("Make a Wheel"));
  const MakeWheelForm d = make_wheel_defaults(hub_.state());

  auto* central = new QWidget(this);
  auto* inputs = new QGroupBox(tr("Wheel"), central);
  inputs->setObjectName(QStringLiteral("fraWheel"));
  txt_v_ = named_box("txtV", qs(d.v), inputs);
  txt_k_ = named_box("txtK", qs(d.k), inputs);
  txt_t_ = named_box("txtT", qs(d.t), inputs);
  txt_m_ = named_box("txtM", qs(d.m), inputs);
  txt_seconds_ = named_box("txtSeconds", qs(d.seconds), inputs);
  txt_seed_ = named_box("txtSeed", qs(d.seed), inputs);
  txt_keys_ = named_box("txtKeys", qs(d.keys), inputs);
  txt_tickets_ = named_box("txtTickets", qs(d.tickets), inputs);
  txt_keys_->setPlaceholderText(tr("none"));
  txt_tickets_->setPlaceholderText(tr("no limit"));
  txt_keys_->setToolTip(
      tr("Key numbers on every ticket (fewer than T): the guarantee holds when they are among the winners"));
  txt_tickets_->setToolTip(
      tr("A budget: the best wheel of this many tickets, with the share of the cases it covers"));
  txt_v_->setToolTip(
      tr("How many numbers the targeted set holds (%1 to %2)").arg(min_maker_v).arg(max_maker_v));
  txt_k_->setToolTip(tr("How many numbers each ticket holds (3 to 7)"));
  txt_t_->setToolTip(tr("Some ticket matches at least T numbers ..."));
  txt_m_->setToolTip(tr("... whenever M of the drawn numbers lie in the set"));
  txt_seconds_->setToolTip(tr("How long to search; Stop ends it sooner and keeps the best wheel"));
  txt_seed_->setToolTip(tr("The same seed and time give a comparable search again"));
  auto* form = new QFormLayout(inputs);
  form->addRow(tr("&V, numbers in the set"), txt_v_);
  form->addRow(tr("&K, numbers per ticket"), txt_k_);
  auto* guarantee = new QHBoxLayout;
  guarantee->addWidget(txt_t_);
  guarantee->addWidget(new QLabel(tr("if"), inputs));
  guarantee->addWidget(txt_m_);
  guarantee->addStretch();
  auto* guarantee_label = new QLabel(tr("&Guarantee T if M"), inputs);
  guarantee_label->setBuddy(txt_t_);
  form->addRow(guarantee_label, guarantee);
  form->addRow(tr("Se&conds"), txt_seconds_);
  form->addRow(tr("S&eed"), txt_seed_);
  form->addRow(tr("&Keys, on every ticket"), txt_keys_);
  form->addRow(tr("T&ickets, a budget"), txt_tickets_);

  cmd_start_ = named_button("cmdStart", tr("&Start"), central);
  cmd_stop_ = named_button("cmdStop", tr("S&top"), central);
  cmd_stop_->setEnabled(false);
  cmd_stop_->setToolTip(tr("End the search and keep the best complete wheel"));
  prg_ = new QProgressBar(central);
  prg_->setObjectName(QStringLiteral("prgSearch"));
  prg_->setRange(0, 1000);
  prg_->setValue(0);
  prg_->setTextVisible(false);
  lbl_progress_ = named_label("lblProgress", central);
  lbl_result_ = named_label("lblResult", central);
  lbl_bound_ = named_label("lblBound", central);
  lbl_catalogue_ = named_label("lblCatalogue", central);
  {
    QFont f = lbl_result_->font();
    f.setBold(true);
    lbl_result_->setFont(f);
  }
  txt_name_ = new QLineEdit(central);
  txt_name_->setObjectName(QStringLiteral("txtName"));
  txt_name_->setEnabled(false);
  txt_name_->setToolTip(tr("The Systems window lists the wheel under this name"));
  auto* name_label = new QLabel(tr("&Name"), central);
  name_label->setBuddy(txt_name_);
  cmd_save_ = named_button("cmdSave", tr("S&ave"), central);
  cmd_save_->setEnabled(false);
  cmd_save_->setToolTip(tr("Save the wheel in the Wheels folder; the Systems window lists it"));

  msf_tickets_ = new GridView(&model_.tickets, true, central);
  msf_tickets_->setObjectName(QStringLiteral("msfTickets"));
  msf_tickets_->horizontalHeader()->setStretchLastSection(true);
  msf_tickets_->refresh();

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmd_start_);
  buttons->addWidget(cmd_stop_);
  buttons->addStretch();
  auto* left = new QVBoxLayout;
  left->addWidget(inputs);
  left->addLayout(buttons);
  left->addWidget(prg_);
  left->addWidget(lbl_progress_);
  left->addSpacing(8);
  left->addWidget(lbl_result_);
  left->addWidget(lbl_bound_);
  left->addWidget(lbl_catalogue_);
  auto* save_row = new QHBoxLayout;
  save_row->addWidget(name_label);
  save_row->addWidget(txt_name_, 1);
  save_row->addWidget(cmd_save_);
  left->addLayout(save_row);
  left->addStretch();
  auto* layout = new QHBoxLayout(central);
  layout->addLayout(left, 3);
  layout->addWidget(msf_tickets_, 2);
  setCentralWidget(central);
  add_help_menu(this, QStringLiteral("wheels.htm"));

  setTabOrder(txt_v_, txt_k_);
  setTabOrder(txt_k_, txt_t_);
  setTabOrder(txt_t_, txt_m_);
  setTabOrder(txt_m_, txt_seconds_);
  setTabOrder(txt_seconds_, txt_seed_);
  setTabOrder(txt_seed_, txt_keys_);
  setTabOrder(txt_keys_, txt_tickets_);
  setTabOrder(txt_tickets_, cmd_start_);
  setTabOrder(cmd_start_, cmd_stop_);
  setTabOrder(cmd_stop_, txt_name_);
  setTabOrder(txt_name_, cmd_save_);

  connect(cmd_start_, &QPushButton::clicked, this, &MakeWheelWindow::start);
  connect(cmd_stop_, &QPushButton::clicked, this, &MakeWheelWindow::stop);
  connect(cmd_save_, &QPushButton::clicked, this, &MakeWheelWindow::save);
  for (QLineEdit* e : {txt_v_, txt_k_, txt_t_, txt_m_, txt_seconds_, txt_seed_, txt_keys_, txt_tickets_})
    connect(e, &QLineEdit::returnPressed, this, [this] {
      if (!running()) start();
    });
  connect(txt_name_, &QLineEdit::returnPressed, this, &MakeWheelWindow::save);
  resize(860, 520);
  txt_v_->setFocus();
}

MakeWheelWindow::~MakeWheelWindow() {
  search_.end();
  delete takeCentralWidget();
}

void MakeWheelWindow::closeEvent(QCloseEvent* event) {
  // A search still running ends here: nothing of it is kept.
  search_.end();
  run_.reset();
  QMainWindow::closeEvent(event);
}

void MakeWheelWindow::apply(const MakeWheelOutcome& out) {
  if (out.progress) lbl_progress_->setText(tr_text(*out.progress));
  if (out.result) lbl_result_->setText(tr_text(*out.result));
  if (out.bound) lbl_bound_->setText(tr_text(*out.bound));
  if (out.catalogue) lbl_catalogue_->setText(tr_text(*out.catalogue));
  if (out.name) txt_name_->setText(qs(*out.name));
  if (out.bar) prg_->setValue(*out.bar);
  if (out.tickets) msf_tickets_->refresh();
  for (QLineEdit* e : {txt_v_, txt_k_, txt_t_, txt_m_, txt_seconds_, txt_seed_, txt_keys_, txt_tickets_})
    e->setEnabled(!model_.running);
  cmd_start_->setEnabled(!model_.running);
  cmd_stop_->setEnabled(model_.running && !model_.stopping);
  txt_name_->setEnabled(model_.wheel && !model_.running);
  cmd_save_->setEnabled(model_.wheel && !model_.running);
  using F = MakeWheelFocus;
  static constexpr FocusName<MakeWheelFocus> focus_controls[] = {
      {F::none, nullptr},     {F::v, "txtV"},       {F::k, "txtK"},
      {F::t, "txtT"},         {F::m, "txtM"},       {F::seconds, "txtSeconds"},
      {F::seed, "txtSeed"},   {F::keys, "txtKeys"}, {F::tickets, "txtTickets"},
      {F::start, "cmdStart"}, {F::stop, "cmdStop"}, {F::name, "txtName"},
      {F::save, "cmdSave"}};
  static_assert(names_every_focus(focus_controls));
  apply_outcome(this, out, focus_controls);
}

void MakeWheelWindow::start() {
  if (running()) return;
  const MakeWheelForm form{ss(txt_v_->text()),    ss(txt_k_->text()),       ss(txt_t_->text()),
                           ss(txt_m_->text()),    ss(txt_seconds_->text()), ss(txt_seed_->text()),
                           ss(txt_keys_->text()), ss(txt_tickets_->text())};
  const MakeWheelOutcome out = make_wheel_run(model_, form, hub_.state().program_folder / wheel_library_name);
  apply(out);
  if (!out.request) return;
  run_ = std::make_unique<Run>();
  run_->request = *out.request;
  search_.start([run = run_.get()](std::stop_token stop) {
    run->result = make_wheel(run->request, stop, run->progress);
  });
}

void MakeWheelWindow::stop() {
  if (!running()) return;
  search_.request_stop();
  apply(make_wheel_stop(model_));
}

void MakeWheelWindow::poll() {
  if (run_) apply(make_wheel_poll(model_, run_->progress));
}

void MakeWheelWindow::finish() {
  const double seconds = run_->progress.seconds.load();
  const long long holes = run_->progress.uncovered.load();
  std::optional<Wheel> result = std::move(run_->result);
  run_.reset();
  apply(make_wheel_finish(model_, std::move(result), seconds, holes));
}

void MakeWheelWindow::save() {
  apply(make_wheel_save(model_, ss(txt_name_->text()), hub_.state().app_folder, ask_through_dialogs(this)));
}

}  // namespace ds::ui
