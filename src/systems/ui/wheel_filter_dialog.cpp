#include "systems/ui/wheel_filter_dialog.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/ui/app.h"
#include "shell/ui/apply_outcome.h"
#include "shell/ui/controls.h"
#include "shell/ui/grid_export.h"
#include "shell/ui/grid_view.h"
#include "shell/ui/help_menu.h"
#include "shell/ui/state_hub.h"

namespace ds::ui {

WheelFilterDialog::WheelFilterDialog(StateHub& hub) : hub_(hub) {
  setObjectName(QStringLiteral("dlgWheelFilter"));
  setWindowTitle(tr("Filters on the System"));
  auto* central = new QWidget(this);

  lbl_wheel_ = named_label("lblWheel", QString(), central, true);
  lbl_wheel_->setWordWrap(true);
  txt_filters_ = new QLineEdit(central);
  txt_filters_->setObjectName(QStringLiteral("txtFilters"));
  txt_filters_->setPlaceholderText(
      tr("sum:100-180 odd:2-4 low:2-4 run:1-2 decade:1-3 new include:7 exclude:13"));
  txt_filters_->setToolTip(tr("The filters every ticket is to pass, separated by blanks"));
  txt_filters_->setMinimumWidth(360);
  cmd_search_ = named_button("cmdSearch", tr("&Search"), central);
  cmd_search_->setToolTip(tr("Search the numbering of the set under which the most tickets pass"));
  cmd_stop_ = named_button("cmdStop", tr("Sto&p"), central);
  cmd_stop_->setEnabled(false);
  prg_ = new QProgressBar(central);
  prg_->setObjectName(QStringLiteral("prgSearch"));
  prg_->setRange(0, 1000);
  prg_->setValue(0);
  prg_->setTextVisible(false);
  lbl_identity_ = named_label("lblIdentity", QString(), central);
  lbl_best_ = named_label("lblBest", QString(), central, true);
  lbl_numbering_ = named_label("lblNumbering", QString(), central);
  lbl_numbering_->setWordWrap(true);
  lbl_numbering_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  lbl_kept_ = named_label("lblKept", QString(), central, true);
  lbl_kept_->setWordWrap(true);
  msf_tickets_ = new GridView(&model_.tickets, true, central);
  msf_tickets_->setObjectName(QStringLiteral("msfTickets"));
  msf_tickets_->horizontalHeader()->setStretchLastSection(true);
  msf_tickets_->refresh();
  cmd_copy_ = named_button("cmdCopy", tr("&Copy"), central);
  cmd_copy_->setToolTip(tr("Copy the passing tickets for a spreadsheet"));
  cmd_export_ = named_button("cmdExport", tr("E&xport CSV\u2026"), central);
  cmd_export_->setToolTip(tr("Save the passing tickets as a CSV file"));
  cmd_save_ = named_button("cmdSave", tr("Save as a made &wheel"), central);
  cmd_save_->setToolTip(tr("Save the passing tickets in the Wheels folder: the Systems window lists them"));
  cmd_close_ = named_button("cmdClose", tr("Close"), central);

  auto* form = new QFormLayout;
  form->addRow(tr("Tickets"), lbl_wheel_);
  auto* filter_row = new QHBoxLayout;
  filter_row->addWidget(txt_filters_, 1);
  filter_row->addWidget(cmd_search_);
  filter_row->addWidget(cmd_stop_);
  auto* filters_label = new QLabel(tr("&Filters"), central);
  filters_label->setBuddy(txt_filters_);
  form->addRow(filters_label, filter_row);
  form->addRow(QString(), prg_);

  auto* play_row = new QHBoxLayout;
  play_row->addWidget(new QLabel(tr("Play only these:"), central));
  play_row->addWidget(cmd_copy_);
  play_row->addWidget(cmd_export_);
  play_row->addWidget(cmd_save_);
  play_row->addStretch();
  play_row->addWidget(cmd_close_);

  auto* layout = new QVBoxLayout(central);
  layout->addLayout(form);
  layout->addWidget(lbl_identity_);
  layout->addWidget(lbl_best_);
  layout->addWidget(lbl_numbering_);
  layout->addWidget(msf_tickets_, 1);
  layout->addWidget(lbl_kept_);
  layout->addLayout(play_row);
  setCentralWidget(central);
  add_help_menu(this, QStringLiteral("system.htm"));

  setTabOrder(txt_filters_, cmd_search_);
  setTabOrder(cmd_search_, cmd_stop_);
  setTabOrder(cmd_stop_, msf_tickets_);
  setTabOrder(msf_tickets_, cmd_copy_);
  setTabOrder(cmd_copy_, cmd_export_);
  setTabOrder(cmd_export_, cmd_save_);
  setTabOrder(cmd_save_, cmd_close_);

  connect(cmd_search_, &QPushButton::clicked, this, &WheelFilterDialog::search);
  connect(txt_filters_, &QLineEdit::returnPressed, this, &WheelFilterDialog::search);
  connect(cmd_stop_, &QPushButton::clicked, this, &WheelFilterDialog::stop);
  connect(cmd_save_, &QPushButton::clicked, this, &WheelFilterDialog::save);
  connect(cmd_close_, &QPushButton::clicked, this, &QWidget::close);
  connect(cmd_copy_, &QPushButton::clicked, this, [this] { copy_grid(this, model_.passing); });
  connect(cmd_export_, &QPushButton::clicked, this,
          [this] { export_grid_csv(this, model_.passing, qs(model_.source + "_filtered.csv")); });
  for (auto signal :
       {&StateHub::lottoChanged, &StateHub::drawsChanged, &StateHub::tsetChanged, &StateHub::systemChanged})
    connect(&hub_, signal, this, [this] {
      if (isVisible()) reload();
    });
  apply(WheelFilterOutcome{});
  resize(720, 560);
  txt_filters_->setFocus();
}

WheelFilterDialog::~WheelFilterDialog() {
  search_.end();
  delete takeCentralWidget();
}

void WheelFilterDialog::closeEvent(QCloseEvent* event) {
  search_.end();
  run_.reset();
  model_.running = model_.stopping = false;
  QMainWindow::closeEvent(event);
}

void WheelFilterDialog::opened() { apply(wheel_filter_open(model_, hub_.state())); }

void WheelFilterDialog::reload() {
  search_.end();
  run_.reset();
  apply(wheel_filter_open(model_, hub_.state()));
}

void WheelFilterDialog::apply(const WheelFilterOutcome& out) {
  if (out.wheel_label) lbl_wheel_->setText(qs(*out.wheel_label));
  if (out.identity_label) lbl_identity_->setText(qs(*out.identity_label));
  if (out.best_label) lbl_best_->setText(qs(*out.best_label));
  if (out.numbering_label) lbl_numbering_->setText(qs(*out.numbering_label));
  if (out.kept_label) lbl_kept_->setText(qs(*out.kept_label));
  if (out.bar) prg_->setValue(*out.bar);
  if (out.grid) msf_tickets_->refresh();
  txt_filters_->setEnabled(!model_.running);
  cmd_search_->setEnabled(!model_.running && model_.ready);
  cmd_stop_->setEnabled(model_.running && !model_.stopping);
  for (QPushButton* b : {cmd_copy_, cmd_export_, cmd_save_})
    b->setEnabled(!model_.running && model_.found && !model_.kept.wheel.tickets.empty());
  using F = WheelFilterFocus;
  static constexpr FocusName<WheelFilterFocus> focus_controls[] = {{F::none, nullptr},
                                                                   {F::filters, "txtFilters"},
                                                                   {F::search, "cmdSearch"},
                                                                   {F::stop, "cmdStop"},
                                                                   {F::save, "cmdSave"}};
  static_assert(names_every_focus(focus_controls));
  apply_outcome(this, out, focus_controls);
}

void WheelFilterDialog::search() {
  if (running()) return;
  WheelFilterOutcome out = wheel_filter_start(model_, ss(txt_filters_->text()));
  apply(out);
  if (!out.start) return;
  run_ = std::make_unique<Run>();
  run_->request = std::move(out.request);
  search_.start([run = run_.get()](std::stop_token stop) {
    const std::stop_callback forward(stop, [run] { run->halt.request_stop(); });
    run->result = renumber_for_filters(run->request, run->halt.get_token(), run->progress);
    run->kept = kept_guarantee(run->request.wheel, run->result.passes, run->result.numbers, stop);
  });
}

void WheelFilterDialog::stop() {
  if (!running()) return;
  run_->halt.request_stop();
  apply(wheel_filter_stop(model_));
}

void WheelFilterDialog::poll() {
  if (run_) apply(wheel_filter_poll(model_, run_->progress));
}

void WheelFilterDialog::finish() {
  const std::unique_ptr<Run> run = std::move(run_);
  apply(wheel_filter_finish(model_, run->result, run->kept));
}

void WheelFilterDialog::save() {
  if (running()) return;
  apply(wheel_filter_save(model_, hub_.state().app_folder));
}

}  // namespace ds::ui
