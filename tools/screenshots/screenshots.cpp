// Opens every window of the program on the shipped sample data, walks the road of
// one request (Lotto and the preview of an import, Targeted Sets, a wheel made
// and saved, the Back-test of the whole history beside it, Systems, the check
// of its ticket file, Forecasting Abilities, Average Profitability,
// then System Performance on a draw of November 2025) and saves a picture of each
// window, and of the question asked before unsaved rows would go. Run it through
// tools/screenshots/make-screenshots.sh. Usage: screenshots SHIPPED_FOLDER OUTPUT_FOLDER
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "app/register_windows.h"
#include "shell/ui/app.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/state_hub.h"
#include "shell/ui/translation.h"
#include "systems/ui/check_wheel_window.h"
#include "systems/ui/make_wheel_window.h"

using namespace ds::ui;

namespace {

class LoggingDialogs : public Dialogs {
 public:
  void message(QWidget*, const QString& text) override {
    std::fprintf(stderr, "message: %s\n", qPrintable(text));
  }
  QString input(QWidget*, const QString& prompt, const QString&) override {
    std::fprintf(stderr, "input box not expected: %s\n", qPrintable(prompt));
    return {};
  }
  QString open_file(QWidget*, const QString&, const QString&) override { return open_path; }
  QString save_file(QWidget*, const QString& title, const QString&, const QString&) override {
    std::fprintf(stderr, "file dialog not expected: %s\n", qPrintable(title));
    return {};
  }
  // The real question, photographed and cancelled once it is on screen.
  int ask(QWidget* parent, const QString& question, const QStringList& buttons) override {
    photograph_modal("unsaved-question.png");
    return real_dialogs().ask(parent, question, buttons);
  }
  int choose(QWidget*, const QString& question, const QStringList&) override {
    std::fprintf(stderr, "question not expected: %s\n", qPrintable(question));
    return -1;
  }
  void print(QWidget*, const QString& title, const QString&, const QString&) override {
    std::fprintf(stderr, "print dialog not expected: %s\n", qPrintable(title));
  }
  // The real review dialog, photographed and cancelled once it is on screen.
  bool review(QWidget* parent, const QString& title, const QString& text, const ds::TextGrid& grid,
              const QString& accept) override {
    photograph_modal("import-preview.png");
    return real_dialogs().review(parent, title, text, grid, accept);
  }
  void photograph_modal(const char* file) {
    QTimer::singleShot(400, [this, file] {
      if (QWidget* dialog = QApplication::activeModalWidget()) {
        const QString path = QDir(out_folder).filePath(QLatin1String(file));
        dialog->grab().save(path);
        std::printf("%s\n", qPrintable(path));
        dialog->close();
      }
    });
  }
  QString open_path;   // the file Import draws opens
  QString out_folder;  // where the pictures go
};

void settle() {
  for (int i = 0; i < 5; ++i) {
    QApplication::processEvents();
    QTest::qWait(60);
  }
}

void choose(QWidget* w, const char* name, const QString& item) {
  auto* c = w ? w->findChild<QComboBox*>(name) : nullptr;
  const int i = c ? c->findText(item) : -1;
  if (i < 0) {
    std::fprintf(stderr, "cannot choose %s in %s\n", qPrintable(item), name);
    return;
  }
  c->setCurrentIndex(i);
  emit c->activated(i);
}

void type(QWidget* w, const char* name, const QString& text) {
  if (auto* e = w ? w->findChild<QLineEdit*>(name) : nullptr) e->setText(text);
}

void click(QWidget* w, const char* name) {
  if (auto* b = w ? w->findChild<QPushButton*>(name) : nullptr) b->click();
}

void save(QWidget* w, const QString& folder, const char* file) {
  if (!w) return;
  w->show();
  w->raise();
  settle();
  const QString path = QDir(folder).filePath(QString::fromLatin1(file));
  w->grab().save(path);
  std::printf("%s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: screenshots SHIPPED_FOLDER OUTPUT_FOLDER\n");
    return 2;
  }
  QApplication app(argc, argv);
  install_translation(QLocale::system());  // LANG=fr_CA.UTF-8 gives the French windows
  const QString shipped = QString::fromLocal8Bit(argv[1]);
  const QString out = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(out);
  QTemporaryDir folder;
  // Window places from the scratch folder, not the user's remembered ones.
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.filePath(QStringLiteral("settings")));
  for (const QString& f : QDir(shipped).entryList(QDir::Files))
    QFile::copy(QDir(shipped).filePath(f), QDir(folder.path()).filePath(f));
  StateHub hub;
  ds::AppState& s = hub.writable();
  s.program_folder = folder.path().toStdString();
  s.app_folder = s.program_folder;
  s.date_format = ds::DateFormat::iso();
  LoggingDialogs dialogs;
  dialogs.out_folder = out;
  set_dialogs(&dialogs);
  register_windows(hub);

  QElapsedTimer timer;
  timer.start();
  QWidget* main = registry().show(WindowId::main);
  QApplication::processEvents();
  std::printf("main window shown after %lld ms (samples installed)\n",
              static_cast<long long>(timer.elapsed()));
  save(main, out, "main.png");

  QWidget* lotto = registry().show(WindowId::lotto);
  choose(lotto, "cmbName", QStringLiteral("Canada_6_49"));
  save(lotto, out, "lotto.png");

  // Import draws: a published file with month names, three draws the history
  // holds, two new ones, one in conflict and two refused; the preview is
  // photographed, then cancelled.
  dialogs.open_path = QDir(folder.path()).filePath(QStringLiteral("published.csv"));
  QFile csv(dialogs.open_path);
  if (csv.open(QIODevice::WriteOnly))
    csv.write(
        "DRAW DATE,NUMBER DRAWN 1,NUMBER DRAWN 2,NUMBER DRAWN 3,NUMBER DRAWN 4,NUMBER DRAWN 5,"
        "NUMBER DRAWN 6,BONUS NUMBER\n"
        "\"November 8, 2025\",12,15,16,21,29,47,36\n\"November 12, 2025\",2,6,7,38,39,41,49\n"
        "\"November 15, 2025\",1,5,8,25,42,47,44\n\"November 19, 2025\",14,17,28,31,42,48,5\n"
        "\"November 22, 2025\",3,9,21,30,44,49,7\n\"Novmber 26, 2025\",11,19,23,35,40,46,2\n"
        "\"November 29, 2025\",4,12,18,27,33,50,8\n\"December 3, 2025\",5,10,15,20,25\n");
  csv.close();
  click(lotto, "cmdImport");

  QWidget* tsets = registry().show(WindowId::tsets);
  choose(tsets, "cmbSize", QStringLiteral("10"));
  choose(tsets, "cmbSets", QStringLiteral("Forecaster1"));
  save(tsets, out, "tsets.png");

  // A wheel for the set's ten numbers, 4 if 6, made in a few seconds and saved.
  auto* maker = qobject_cast<MakeWheelWindow*>(registry().show(WindowId::make_wheel));
  if (maker) {
    type(maker, "txtV", QStringLiteral("10"));
    type(maker, "txtK", QStringLiteral("6"));
    type(maker, "txtT", QStringLiteral("4"));
    type(maker, "txtM", QStringLiteral("6"));
    type(maker, "txtSeconds", QStringLiteral("5"));
    click(maker, "cmdStart");
    if (!QTest::qWaitFor([maker] { return !maker->running(); }, 60000))
      std::fprintf(stderr, "the wheel search did not end\n");
    type(maker, "txtName", QStringLiteral("ten_4if6"));
    click(maker, "cmdSave");
    save(maker, out, "make-wheel.png");
    maker->hide();
  }

  // The Back-test of the whole history, before the generator puts a proposal
  // into the set's last row: 10_4_6 beside the wheel just made.
  QWidget* backtest = registry().show(WindowId::backtest);
  if (auto* compare = backtest ? backtest->findChild<QListWidget*>("lstCompare") : nullptr)
    for (QListWidgetItem* item : compare->findItems(QStringLiteral("ten_4if6"), Qt::MatchExactly))
      item->setCheckState(Qt::Checked);
  choose(backtest, "cmbSystem", QStringLiteral("10_4_6"));
  save(backtest, out, "backtest.png");
  if (backtest) backtest->hide();

  // Statistics over the whole history, its numbers tab.
  QWidget* statistics = registry().show(WindowId::statistics);
  save(statistics, out, "statistics.png");
  if (statistics) statistics->hide();

  click(tsets, "cmdTsetGenerator");
  QWidget* generator = registry().existing(WindowId::tset_generator);
  type(generator, "txtFrom", QStringLiteral("2025-01-01"));
  type(generator, "txtTo", QStringLiteral("2025-11-19"));
  if (auto* high = generator ? generator->findChild<QRadioButton*>("optHighFr") : nullptr)
    high->setChecked(true);
  click(generator, "cmdGo");
  save(generator, out, "generator.png");
  if (generator) generator->hide();

  QWidget* systems = registry().show(WindowId::system);
  choose(systems, "cmbList", QStringLiteral("10_3_6"));
  save(systems, out, "systems.png");
  // A wheel of the library, joined from two smaller ones: its note says how it was made.
  choose(systems, "cmbList", QStringLiteral("library 20_6_3if6"));
  save(systems, out, "systems-library.png");
  choose(systems, "cmbList", QStringLiteral("10_3_6"));

  // The check of the ticket file 10_3_6 leaves: it holds 4 if 6, not 5 if 6.
  auto* checker = qobject_cast<CheckWheelWindow*>(registry().show(WindowId::check_wheel));
  if (checker) {
    dialogs.open_path = QDir(folder.path()).filePath(QStringLiteral("system"));
    click(checker, "cmdUseSet");
    click(checker, "cmdOpen");
    type(checker, "txtT", QStringLiteral("5"));
    type(checker, "txtM", QStringLiteral("6"));
    click(checker, "cmdCheck");
    if (!QTest::qWaitFor([checker] { return !checker->running(); }, 60000))
      std::fprintf(stderr, "the check did not end\n");
    save(checker, out, "check-wheel.png");
    checker->hide();
  }

  QWidget* fa = registry().show(WindowId::forecasting);
  type(fa, "txtFrom", QStringLiteral("2025-01-01"));
  type(fa, "txtTo", QStringLiteral("2025-11-19"));
  click(fa, "cmdRefresh");
  save(fa, out, "forecasting.png");

  QWidget* profit = registry().show(WindowId::profitability);
  save(profit, out, "profitability.png");

  if (lotto) {
    registry().show(WindowId::lotto);
    click(lotto, "cmdAdd");  // the latest draw becomes the current draw
  }
  QWidget* performance = registry().show(WindowId::performance);
  // The latest draw holds one number of the set; the draw of 2025-11-05 holds
  // four, so some tickets win.
  const char* const boxes[] = {"txtN1", "txtN2", "txtN3", "txtN4", "txtN5", "txtN6", "txtN7"};
  const char* const numbers[] = {"5", "16", "17", "30", "35", "46", "6"};
  for (int i = 0; i < 7; ++i) type(performance, boxes[i], QString::fromLatin1(numbers[i]));
  click(performance, "cmdRefresh");
  save(performance, out, "performance.png");

  show_help(QStringLiteral("main.htm"), QStringLiteral("User Guide"));
  save(registry().existing(WindowId::help), out, "help.png");

  // The generator's proposal is not saved: choosing the set again asks first
  // (photographed, then cancelled).
  registry().show(WindowId::tsets);
  choose(tsets, "cmbSets", QStringLiteral("Forecaster1"));
  registry().close_all();
  return 0;
}
