// Opens every window of the program on the shipped sample data, walks the road of
// one request (Lotto, Targeted Sets, Systems, Forecasting Abilities, Average
// Profitability, then System Performance on the latest draw) and saves a picture of
// each window. Run it through tools/screenshots/make-screenshots.sh.
// Usage: screenshots SHIPPED_FOLDER OUTPUT_FOLDER
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "shell/ui/app.h"
#include "shell/ui/dialogs.h"

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
  const QString shipped = QString::fromLocal8Bit(argv[1]);
  const QString out = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(out);
  QTemporaryDir folder;
  for (const QString& f : QDir(shipped).entryList(QDir::Files))
    QFile::copy(QDir(shipped).filePath(f), QDir(folder.path()).filePath(f));
  ds::AppState& s = state();
  s.program_folder = folder.path().toStdString();
  s.app_folder = s.program_folder;
  s.date_format = ds::DateFormat::iso();
  LoggingDialogs dialogs;
  set_dialogs(&dialogs);
  register_windows();

  QElapsedTimer timer;
  timer.start();
  QWidget* main = registry().show(WindowId::main);
  QApplication::processEvents();
  std::printf("main window shown after %lld ms (samples installed)\n", static_cast<long long>(timer.elapsed()));
  save(main, out, "main.png");

  QWidget* lotto = registry().show(WindowId::lotto);
  choose(lotto, "cmbName", QStringLiteral("Canada_6_49"));
  save(lotto, out, "lotto.png");

  QWidget* tsets = registry().show(WindowId::tsets);
  choose(tsets, "cmbSize", QStringLiteral("10"));
  choose(tsets, "cmbSets", QStringLiteral("Forecaster1"));
  save(tsets, out, "tsets.png");

  click(tsets, "cmdTsetGenerator");
  QWidget* generator = registry().existing(WindowId::tset_generator);
  type(generator, "txtFrom", QStringLiteral("2025-01-01"));
  type(generator, "txtTo", QStringLiteral("2025-11-19"));
  if (auto* high = generator ? generator->findChild<QRadioButton*>("optHighFr") : nullptr) high->setChecked(true);
  click(generator, "cmdGo");
  save(generator, out, "generator.png");
  if (generator) generator->hide();

  QWidget* systems = registry().show(WindowId::system);
  choose(systems, "cmbList", QStringLiteral("10_3_6"));
  save(systems, out, "systems.png");

  QWidget* fa = registry().show(WindowId::fability);
  type(fa, "txtFrom", QStringLiteral("2025-01-01"));
  type(fa, "txtTo", QStringLiteral("2025-11-19"));
  click(fa, "cmdRefresh");
  save(fa, out, "fability.png");

  QWidget* profit = registry().show(WindowId::profitability);
  save(profit, out, "profitability.png");

  if (lotto) {
    registry().show(WindowId::lotto);
    click(lotto, "cmdAdd");  // the latest draw becomes the current draw
  }
  QWidget* performance = registry().show(WindowId::performance);
  click(performance, "cmdRefresh");
  save(performance, out, "performance.png");

  show_help(QStringLiteral("main.htm"), QStringLiteral("User Guide"));
  save(registry().existing(WindowId::help), out, "help.png");
  registry().close_all();
  return 0;
}
