#include "shell/ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "shell/data_lock.h"
#include "shell/samples.h"
#include "shell/ui/app.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/translation.h"

namespace ds::ui {

namespace {
QPushButton* add_button(QWidget* parent, QVBoxLayout* column, const char* name, const QString& caption,
                        WindowId target) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setMinimumHeight(36);
  QObject::connect(b, &QPushButton::clicked, parent, [target] { registry().show(target); });
  column->addWidget(b);
  return b;
}
}  // namespace

MainWindow::MainWindow(StateHub& hub) : hub_(hub) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Drawsmith"));
  const AppState& s = hub_.state();

  auto* central = new QWidget(this);
  auto* data = new QVBoxLayout;
  auto* calc = new QVBoxLayout;
  auto* data_label = new QLabel(tr("Data"), central);
  data_label->setObjectName(QStringLiteral("lblData"));
  auto* calc_label = new QLabel(tr("Calculations"), central);
  calc_label->setObjectName(QStringLiteral("lblCalculations"));
  for (QLabel* l : {data_label, calc_label}) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setAlignment(Qt::AlignHCenter);
  }
  data->addWidget(data_label);
  calc->addWidget(calc_label);
  add_button(central, data, "cmdLotto", tr("Lotto"), WindowId::lotto);
  add_button(central, data, "cmdTsets", tr("Targeted Sets"), WindowId::tsets);
  add_button(central, data, "cmdSystems", tr("Systems"), WindowId::system);
  add_button(central, data, "cmdMakeWheel", tr("Make a Wheel"), WindowId::make_wheel);
  add_button(central, data, "cmdCheckWheel", tr("Check a Wheel"), WindowId::check_wheel);
  add_button(central, data, "cmdTickets", tr("My tickets"), WindowId::tickets);
  add_button(central, calc, "cmdPerformance", tr("System Performance"), WindowId::performance);
  add_button(central, calc, "cmdBacktest", tr("Back-test"), WindowId::backtest);
  add_button(central, calc, "cmdFability", tr("Forecasting Abilities"), WindowId::forecasting);
  add_button(central, calc, "cmdProfitability", tr("Average Profitability"), WindowId::profitability);
  add_button(central, calc, "cmdStatistics", tr("Statistics"), WindowId::statistics);
  data->addStretch();
  calc->addStretch();

  auto* line = new QFrame(central);
  line->setObjectName(QStringLiteral("Line1"));
  line->setFrameShape(QFrame::VLine);
  line->setFrameShadow(QFrame::Sunken);

  auto* layout = new QHBoxLayout(central);
  layout->setContentsMargins(24, 16, 24, 24);
  layout->setSpacing(20);
  layout->addLayout(data, 1);
  layout->addWidget(line);
  layout->addLayout(calc, 1);
  setCentralWidget(central);
  add_help_menu(this, QStringLiteral("main.htm"));
  if (s.app_folder != s.program_folder) {
    // The program's folder cannot be written: say where the user's data lives.
    statusBar()->showMessage(tr("Your data lives in %1").arg(QString::fromStdString(s.app_folder.string())));
  }
  resize(460, 390);
}

void MainWindow::opened() {
  // The samples, installed when missing, before any window lists lottos or sets.
  const AppState& s = hub_.state();
  create_samples(s.program_folder, s.app_folder);
  // One copy of the program per data folder: a second copy is told, and may go on.
  const LockResult lock = take_data_lock(s.app_folder, this_process());
  if (lock.state == LockState::held) show_message(this, lock.message);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Closing the hub ends the program, like Exit: once no window keeps unsaved work.
  if (!registry().may_end_program()) {
    event->ignore();
    return;
  }
  event->accept();
  QApplication::exit(0);
}

}  // namespace ds::ui
