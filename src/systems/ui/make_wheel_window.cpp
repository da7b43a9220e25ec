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

#include "shell/files.h"
#include "shell/ui/app.h"
#include "shell/ui/apply_outcome.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/grid_view.h"
#include "systems/played_system.h"
#include "systems/ui/wheel_controls.h"

namespace ds::ui {

namespace {

QLineEdit* named_box(const char* name, const QString& text, QWidget* parent) {
  auto* e = new QLineEdit(text, parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setMaximumWidth(90);
  return e;
}

}  // namespace

MakeWheelWindow::MakeWheelWindow() {
  setObjectName(QStringLiteral("frmMakeWheel"));
  setWindowTitle(tr("Make a Wheel"));
  const MakeWheelForm d = make_wheel_defaults(state());

  auto* central = new QWidget(this);
  auto* inputs = new QGroupBox(tr("Wheel"), central);
  inputs->setObjectName(QStringLiteral("fraWheel"));
  txt_v_ = named_box("txtV", qs(d.v), inputs);
  txt_k_ = named_box("txtK", qs(d.k), inputs);
  txt_t_ = named_box("txtT", qs(d.t), inputs);
  txt_m_ = named_box("txtM", qs(d.m), inputs);
  txt_seconds_ = named_box("txtSeconds", qs(d.seconds), inputs);
  txt_seed_ = named_box("txtSeed", qs(d.seed), inputs);
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

  msf_tickets_ = new GridView(&tickets_, true, central);
  msf_tickets_->setObjectName(QStringLiteral("msfTickets"));
  msf_tickets_->horizontalHeader()->setStretchLastSection(true);
  tickets_ = wheel_ticket_grid(Wheel{});
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
  setTabOrder(txt_seed_, cmd_start_);
  setTabOrder(cmd_start_, cmd_stop_);
  setTabOrder(cmd_stop_, txt_name_);
  setTabOrder(txt_name_, cmd_save_);

  timer_ = new QTimer(this);
  timer_->setInterval(200);
  // Leaving the program stops the work and waits for its thread, whether or not
  // the window is ever deleted.
  connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
    timer_->stop();
    end_search();
  });
  connect(timer_, &QTimer::timeout, this, &MakeWheelWindow::poll);
  connect(cmd_start_, &QPushButton::clicked, this, &MakeWheelWindow::start);
  connect(cmd_stop_, &QPushButton::clicked, this, &MakeWheelWindow::stop);
  connect(cmd_save_, &QPushButton::clicked, this, &MakeWheelWindow::save);
  for (QLineEdit* e : {txt_v_, txt_k_, txt_t_, txt_m_, txt_seconds_, txt_seed_})
    connect(e, &QLineEdit::returnPressed, this, [this] {
      if (!running()) start();
    });
  connect(txt_name_, &QLineEdit::returnPressed, this, &MakeWheelWindow::save);
  resize(860, 520);
  txt_v_->setFocus();
}

MakeWheelWindow::~MakeWheelWindow() {
  end_search();
  delete takeCentralWidget();
}

void MakeWheelWindow::end_search() {
  if (!worker_.joinable()) return;
  worker_.request_stop();
  worker_.join();
}

void MakeWheelWindow::closeEvent(QCloseEvent* event) {
  // A search still running ends here: nothing of it is kept.
  timer_->stop();
  end_search();
  run_.reset();
  QMainWindow::closeEvent(event);
}

void MakeWheelWindow::start() {
  if (running()) return;
  const MakeWheelForm form{ss(txt_v_->text()), ss(txt_k_->text()),       ss(txt_t_->text()),
                           ss(txt_m_->text()), ss(txt_seconds_->text()), ss(txt_seed_->text())};
  const MakeWheelStart out = make_wheel_start(form);
  using F = MakeWheelFocus;
  static constexpr FocusName<MakeWheelFocus> focus_controls[] = {
      {F::none, nullptr},         {F::v, "txtV"},      {F::k, "txtK"}, {F::t, "txtT"}, {F::m, "txtM"},
      {F::seconds, "txtSeconds"}, {F::seed, "txtSeed"}};
  static_assert(names_every_focus(focus_controls));
  apply_outcome(this, out, focus_controls);
  if (!out.request) return;

  run_ = std::make_unique<Run>();
  run_->request = *out.request;
  wheel_.reset();
  tickets_ = wheel_ticket_grid(Wheel{});
  msf_tickets_->refresh();
  for (QLabel* l : {lbl_result_, lbl_bound_, lbl_catalogue_}) l->clear();
  txt_name_->clear();
  txt_name_->setEnabled(false);
  cmd_save_->setEnabled(false);
  prg_->setValue(0);
  lbl_progress_->setText(qs(make_wheel_progress_text(0, -1, 0)));
  for (QLineEdit* e : {txt_v_, txt_k_, txt_t_, txt_m_, txt_seconds_, txt_seed_}) e->setEnabled(false);
  cmd_start_->setEnabled(false);
  cmd_stop_->setEnabled(true);
  cmd_stop_->setFocus();

  Run* run = run_.get();
  worker_ = std::jthread([run](std::stop_token stop) {
    run->result = make_wheel(run->request, stop, run->progress);
    run->finished.store(true, std::memory_order_release);
  });
  timer_->start();
}

void MakeWheelWindow::stop() {
  if (!running()) return;
  worker_.request_stop();
  lbl_progress_->setText(tr("Stopping\u2026"));
  cmd_stop_->setEnabled(false);
}

void MakeWheelWindow::poll() {
  if (!run_) return;
  const MakeProgress& p = run_->progress;
  const double seconds = p.seconds.load();
  const double limit = std::max(1.0, run_->request.seconds);
  prg_->setValue(static_cast<int>(std::clamp(seconds / limit, 0.0, 1.0) * 1000));
  if (!worker_.get_stop_token().stop_requested())
    lbl_progress_->setText(qs(make_wheel_progress_text(p.best_size.load(), p.uncovered.load(), seconds)));
  if (run_->finished.load(std::memory_order_acquire)) finish();
}

void MakeWheelWindow::finish() {
  timer_->stop();
  const bool stopped = worker_.get_stop_token().stop_requested();
  end_search();
  const double seconds = run_->progress.seconds.load();
  wheel_ = std::move(run_->result);
  run_.reset();
  prg_->setValue(prg_->maximum());
  for (QLineEdit* e : {txt_v_, txt_k_, txt_t_, txt_m_, txt_seconds_, txt_seed_}) e->setEnabled(true);
  cmd_start_->setEnabled(true);
  cmd_stop_->setEnabled(false);
  if (!wheel_) {
    lbl_progress_->setText(qs(make_wheel_progress_text(0, -1, seconds)));
    lbl_result_->setText(
        stopped ? tr("The search was stopped before a complete wheel was found.")
                : tr("No complete wheel was found in the time given. Give the search more seconds."));
    cmd_start_->setFocus();
    return;
  }
  lbl_progress_->setText(qs(make_wheel_progress_text(static_cast<int>(wheel_->tickets.size()), -1, seconds)));
  const MakeWheelSummary s = make_wheel_summary(*wheel_);
  lbl_result_->setText(qs(s.result));
  lbl_bound_->setText(qs(s.bound));
  lbl_catalogue_->setText(qs(s.catalogue));
  tickets_ = wheel_ticket_grid(*wheel_);
  msf_tickets_->refresh();
  txt_name_->setText(qs(save_wheel_name(*wheel_)));
  txt_name_->setEnabled(true);
  cmd_save_->setEnabled(true);
  cmd_save_->setFocus();
}

void MakeWheelWindow::save() {
  if (!wheel_ || running()) return;
  const WheelNameCheck name = check_wheel_name(ss(txt_name_->text()));
  if (!name.message.empty()) {
    show_message(this, name.message);
    focus_control(txt_name_);
    return;
  }
  const AppState& s = state();
  if (file_exists(made_wheel_path(s.app_folder, name.name))) {
    const int answer = dialogs().ask(
        this, tr("A wheel named %1 is already saved. Replace it?").arg(qs(name.name)), {tr("Replace")});
    if (answer != 0) {
      focus_control(txt_name_);
      return;
    }
  }
  const std::string error = save_made_wheel(s.app_folder, name.name, *wheel_);
  if (!error.empty()) {
    show_message(this, error);
    return;
  }
  txt_name_->setText(qs(name.name));
  Outcome saved;
  saved.status = "Saved as " + name.name + "; the Systems window lists it under Made wheels.";
  apply_outcome(this, saved);
}

}  // namespace ds::ui
