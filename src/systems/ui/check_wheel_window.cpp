#include "systems/ui/check_wheel_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/ui/app.h"
#include "shell/ui/apply_outcome.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/grid_export.h"
#include "shell/ui/grid_view.h"
#include "shell/ui/translation.h"
#include "systems/ui/wheel_controls.h"

namespace ds::ui {

CheckWheelWindow::CheckWheelWindow(StateHub& hub) : hub_(hub) {
  setObjectName(QStringLiteral("frmCheckWheel"));
  setWindowTitle(tr("Check a Wheel"));
  auto* central = new QWidget(this);

  txt_set_ = new QLineEdit(central);
  txt_set_->setObjectName(QStringLiteral("txtSet"));
  txt_set_->setPlaceholderText(tr("empty: the tickets hold positions 1, 2, 3 ..."));
  txt_set_->setToolTip(tr("The lotto numbers of the set, when the tickets are written with them"));
  cmd_use_set_ = named_button("cmdUseSet", tr("&Targeted set"), central);
  cmd_use_set_->setToolTip(tr("The numbers of the targeted set chosen in the Targeted Sets window"));
  cmd_open_ = named_button("cmdOpen", tr("&Open\u2026"), central);
  cmd_open_->setToolTip(tr("A made wheel, the Systems window's ticket file, or a wheel as text or CSV"));
  lbl_list_ = named_label("lblList", central);
  lbl_list_->setText(tr("No list opened."));
  txt_t_ = new QLineEdit(central);
  txt_t_->setObjectName(QStringLiteral("txtT"));
  txt_m_ = new QLineEdit(central);
  txt_m_->setObjectName(QStringLiteral("txtM"));
  txt_keys_ = new QLineEdit(central);
  txt_keys_->setObjectName(QStringLiteral("txtKeys"));
  txt_keys_->setPlaceholderText(tr("none"));
  txt_keys_->setToolTip(
      tr("B: the positions 1 to B are keys on every ticket; the guarantee is checked for "
         "the cases holding them (empty: the keys the file names)"));
  txt_keys_->setAccessibleName(tr("Keys"));
  for (QLineEdit* e : {txt_t_, txt_m_, txt_keys_}) e->setMaximumWidth(60);
  txt_t_->setToolTip(tr("Some ticket matches at least T ... (empty: no guarantee, the matches alone)"));
  txt_m_->setToolTip(tr("... whenever M winning numbers lie in the set"));
  cmd_check_ = named_button("cmdCheck", tr("&Check"), central);
  cmd_stop_ = named_button("cmdStop", tr("Sto&p"), central);
  cmd_stop_->setEnabled(false);
  prg_ = new QProgressBar(central);
  prg_->setObjectName(QStringLiteral("prgCheck"));
  prg_->setRange(0, 1000);
  prg_->setValue(0);
  prg_->setTextVisible(false);
  lbl_summary_ = named_label("lblSummary", central);
  {
    QFont f = lbl_summary_->font();
    f.setBold(true);
    lbl_summary_->setFont(f);
  }
  cmd_export_ = named_button("cmdExport", tr("E&xport holes\u2026"), central);
  cmd_export_->setToolTip(tr("Save the holes listed as a CSV file"));
  cmd_export_->setEnabled(false);

  msf_rows_ = new GridView(&model_.rows, true, central);
  msf_rows_->setObjectName(QStringLiteral("msfRows"));
  msf_holes_ = new GridView(&model_.holes, true, central);
  msf_holes_->setObjectName(QStringLiteral("msfHoles"));
  msf_holes_->horizontalHeader()->setStretchLastSection(true);
  msf_rows_->refresh();
  msf_holes_->refresh();

  auto* form = new QFormLayout;
  auto* set_row = new QHBoxLayout;
  set_row->addWidget(txt_set_, 1);
  set_row->addWidget(cmd_use_set_);
  auto* set_label = new QLabel(tr("&Numbers of the set"), central);
  set_label->setBuddy(txt_set_);
  form->addRow(set_label, set_row);
  auto* list_row = new QHBoxLayout;
  list_row->addWidget(cmd_open_);
  list_row->addWidget(lbl_list_, 1);
  form->addRow(tr("Tickets"), list_row);
  auto* guarantee = new QHBoxLayout;
  guarantee->addWidget(txt_t_);
  guarantee->addWidget(new QLabel(tr("if"), central));
  guarantee->addWidget(txt_m_);
  auto* keys_label = new QLabel(tr("&Keys"), central);
  keys_label->setBuddy(txt_keys_);
  guarantee->addSpacing(12);
  guarantee->addWidget(keys_label);
  guarantee->addWidget(txt_keys_);
  guarantee->addSpacing(12);
  guarantee->addWidget(cmd_check_);
  guarantee->addWidget(cmd_stop_);
  guarantee->addWidget(prg_, 1);
  auto* guarantee_label = new QLabel(tr("&Guarantee"), central);
  guarantee_label->setBuddy(txt_t_);
  form->addRow(guarantee_label, guarantee);

  auto* holes_box = new QWidget(central);
  auto* holes_layout = new QVBoxLayout(holes_box);
  holes_layout->setContentsMargins(0, 0, 0, 0);
  holes_layout->addWidget(lbl_summary_);
  holes_layout->addWidget(msf_holes_, 1);
  auto* export_row = new QHBoxLayout;
  export_row->addStretch();
  export_row->addWidget(cmd_export_);
  holes_layout->addLayout(export_row);
  auto* splitter = new QSplitter(Qt::Vertical, central);
  splitter->addWidget(msf_rows_);
  splitter->addWidget(holes_box);
  splitter->setChildrenCollapsible(false);

  auto* layout = new QVBoxLayout(central);
  layout->addLayout(form);
  layout->addWidget(splitter, 1);
  setCentralWidget(central);
  add_help_menu(this, QStringLiteral("wheels.htm"));

  setTabOrder(txt_set_, cmd_use_set_);
  setTabOrder(cmd_use_set_, cmd_open_);
  setTabOrder(cmd_open_, txt_t_);
  setTabOrder(txt_t_, txt_m_);
  setTabOrder(txt_m_, txt_keys_);
  setTabOrder(txt_keys_, cmd_check_);
  setTabOrder(cmd_check_, cmd_stop_);
  setTabOrder(cmd_stop_, msf_rows_);
  setTabOrder(msf_rows_, msf_holes_);
  setTabOrder(msf_holes_, cmd_export_);

  connect(cmd_open_, &QPushButton::clicked, this, &CheckWheelWindow::open_list);
  connect(cmd_check_, &QPushButton::clicked, this, &CheckWheelWindow::check);
  connect(cmd_stop_, &QPushButton::clicked, this, &CheckWheelWindow::stop);
  for (QLineEdit* e : {txt_t_, txt_m_, txt_keys_})
    connect(e, &QLineEdit::returnPressed, this, &CheckWheelWindow::check);
  connect(cmd_use_set_, &QPushButton::clicked, this, [this] { apply(check_wheel_use_tset(hub_.state())); });
  connect(cmd_export_, &QPushButton::clicked, this,
          [this] { export_grid_csv(this, model_.holes, QStringLiteral("holes.csv")); });
  resize(900, 620);
  cmd_open_->setFocus();
}

CheckWheelWindow::~CheckWheelWindow() {
  check_.end();
  delete takeCentralWidget();
}

void CheckWheelWindow::closeEvent(QCloseEvent* event) {
  check_.end();
  run_.reset();
  QMainWindow::closeEvent(event);
}

void CheckWheelWindow::apply(const CheckWheelOutcome& out) {
  if (out.list) {
    lbl_list_->setText(tr_text(*out.list));
    lbl_list_->setToolTip(qs(model_.file));
  }
  if (out.set_text) txt_set_->setText(qs(*out.set_text));
  if (out.t_text) txt_t_->setText(qs(*out.t_text));
  if (out.m_text) txt_m_->setText(qs(*out.m_text));
  if (out.keys_text) txt_keys_->setText(qs(*out.keys_text));
  if (out.summary) lbl_summary_->setText(tr_text(*out.summary));
  if (out.bar) prg_->setValue(*out.bar);
  if (out.grids) {
    msf_rows_->refresh();
    msf_holes_->refresh();
  }
  for (QWidget* w : std::initializer_list<QWidget*>{txt_set_, cmd_use_set_, cmd_open_, txt_t_, txt_m_,
                                                    txt_keys_, cmd_check_})
    w->setEnabled(!model_.running);
  cmd_stop_->setEnabled(model_.running && !model_.stopping);
  cmd_export_->setEnabled(model_.export_holes);
  using F = CheckWheelFocus;
  static constexpr FocusName<CheckWheelFocus> focus_controls[] = {
      {F::none, nullptr}, {F::t, "txtT"},       {F::m, "txtM"},         {F::keys, "txtKeys"},
      {F::set, "txtSet"}, {F::open, "cmdOpen"}, {F::check, "cmdCheck"}, {F::stop, "cmdStop"}};
  static_assert(names_every_focus(focus_controls));
  apply_outcome(this, out, focus_controls);
}

void CheckWheelWindow::open_list() {
  if (running()) return;
  const QString file = dialogs().open_file(this, tr("Open a list of tickets"),
                                           tr("Ticket lists (*.txt *.csv);;All files (*)"));
  if (file.isEmpty()) return;
  apply(check_wheel_open(model_, ss(file), ss(txt_set_->text())));
}

void CheckWheelWindow::check() {
  if (running()) return;
  const CheckWheelOutcome out = check_wheel_run(model_, ss(txt_set_->text()), ss(txt_t_->text()),
                                                ss(txt_m_->text()), ss(txt_keys_->text()));
  apply(out);
  if (!out.start) return;
  run_ = std::make_unique<Run>();
  run_->wheel = model_.wheel;
  run_->t = out.t;
  run_->m = out.m;
  check_.start([run = run_.get()](std::stop_token stop) {
    run->result = check_wheel(run->wheel, run->t, run->m, stop, &run->progress);
  });
}

void CheckWheelWindow::stop() {
  if (!running()) return;
  check_.request_stop();
  apply(check_wheel_stop(model_));
}

void CheckWheelWindow::poll() {
  if (run_) apply(check_wheel_poll(run_->progress));
}

void CheckWheelWindow::finish() {
  const WheelCheckResult result = std::move(run_->result);
  run_.reset();
  apply(check_wheel_finish(model_, result));
}

}  // namespace ds::ui
