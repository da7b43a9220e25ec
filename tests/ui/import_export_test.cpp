// Import of draws, the Back-test window and the CSV export, driven as a user does
// on the shipped samples; every figure and byte below was worked out apart from
// the program (the back-test totals by a python3 script over d1, d1a and d2).
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>

#include "analyses/ui/backtest_window.h"
#include "shell/samples.h"
#include "shell/ui/app.h"
#include "ui_test_support.h"

using namespace ds::ui;

namespace {

QByteArray read_all(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

}  // namespace

class ImportExportTest : public QObject {
  Q_OBJECT
  std::unique_ptr<test::Fixture> fx;
  test::Driver d;

  QString path(const char* rest) const { return fx->folder() + QLatin1Char('/') + QLatin1String(rest); }
  QString label(const char* name) const { return d.find<QLabel>(name)->text(); }
  void choose_samples() {
    d.show(int(WindowId::lotto));
    QVERIFY(d.choose("cmbName", "Canada_6_49"));
    d.show(int(WindowId::tsets));
    QVERIFY(d.choose("cmbSize", "10"));
    QVERIFY(d.choose("cmbSets", "Forecaster1"));
  }

 private slots:
  void init() {
    fx = std::make_unique<test::Fixture>();
    ds::create_samples(state().program_folder, state().app_folder);
  }
  void cleanup() {
    QVERIFY2(!fx->dialogs.unexpected, "a dialog nobody expected");
    BacktestWindow::set_print_handler(nullptr);
    fx.reset();
  }

  void import_asks_the_order_previews_and_writes_only_when_accepted() {
    const QString draws = path("Games/Canada_6_49/draws.txt");
    const QByteArray before = read_all(draws);
    // Every date reads both ways; by day first: two new draws, 2025-11-12 present
    // in another order, 2025-11-08 in conflict, a 50 refused on line 6.
    write(path("history.csv"),
          "Draw date,N1,N2,N3,N4,N5,N6,Bonus,Jackpot\n06/12/2025,1,2,3,4,5,6,7,\"1,000,000\"\n"
          "\"10/12/2025\",40,30,20,10,5,9,11,0\n12/11/2025,41,2,6,7,38,39,49,0\n"
          "08/11/2025,1,2,3,4,5,6,7,0\n01/12/2025,1,2,3,4,5,50,6,0\n");
    d.show(int(WindowId::lotto));
    d.click("cmdImport");  // no lotto chosen yet: no file dialog
    QCOMPARE(fx->dialogs.messages,
             QStringList{"Please choose in the Name list the lotto that gets the draws."});
    QVERIFY(d.choose("cmbName", "Canada_6_49"));
    for (const char* review : {"0", "1"}) {
      fx->dialogs.answers = {path("history.csv"), "0", review};
      d.click("cmdImport");
      QVERIFY(fx->dialogs.answers.empty());
      QVERIFY(fx->dialogs.prompts.last().contains(
          "Rows read: 5. New: 2. Already present: 1. In conflict: 1. Refused: 1.\nLine 5: "));
      QCOMPARE(fx->dialogs.reviewed.rows(), 6);
      QCOMPARE(fx->dialogs.reviewed.cell(2, 1), std::string("2025-12-10"));
      QCOMPARE(read_all(draws), QByteArray(review) == "0" ? before
                                                          : before +
                                                                "2025-12-06 1 2 3 4 5 6 7 \r\n"
                                                                "2025-12-10 40 30 20 10 5 9 11 \r\n");
    }
    QCOMPARE(borrow_grid(LentGrid::draws)->rows(), 3622 + 2 + 1);
    QCOMPARE(fx->dialogs.messages.size(), 1);
  }

  void backtest_of_10_4_6_over_the_sample_history() {
    choose_samples();
    d.show(int(WindowId::backtest));
    QCOMPARE(d.text("txtFrom") + " " + d.text("txtTo"), QStringLiteral("1982-06-12 2025-11-19"));
    QVERIFY(d.choose("cmbSystem", "10_4_6"));
    QCOMPARE(label("lblPeriod"), QStringLiteral("3622 draws fall in the period."));
    QCOMPARE(
        label("lblTotals"),
        QStringLiteral("Spent 5400 $, won 690 $, net -4710 $; return per unit staked 0.1278; draws with a "
                       "prize: 6 of 60 played.\n3562 of the 3622 draws of the period have no targeted set "
                       "row of their date and were not played."));
    auto* w = qobject_cast<BacktestWindow*>(d.w);
    QCOMPARE(w->backtest_grid().rows(), 61);
    QCOMPARE(w->backtest_grid().cell(1, 0) + " " + w->backtest_grid().cell(1, 2) + " " +
                 w->backtest_grid().cell(60, 5),
             std::string("2024-08-07 90 -4710"));
    QCOMPARE(w->chart_points(), 60);
    QString printed;
    BacktestWindow::set_print_handler([&printed](QWidget*, const QString& html) { printed = html; });
    d.click("cmdPrint");
    QVERIFY(printed.contains("<td>10_4_6</td>") && printed.contains("won 690 $"));
    // An empty period says where the history lies, without a message box.
    d.type("txtFrom", "2026-01-01");
    d.type("txtTo", "2026-12-31");
    d.click("cmdGo");
    QCOMPARE(label("lblPeriod"),
             QStringLiteral("No draw falls in the period from 2026-01-01 to 2026-12-31. The "
                            "draw history runs from 1982-06-12 to 2025-11-19."));
    QCOMPARE(fx->dialogs.messages, QStringList());
  }

  void systems_tickets_exported_to_csv_and_copied() {
    choose_samples();
    d.show(int(WindowId::system));
    QVERIFY(d.choose("cmbList", "10_3_6"));
    fx->dialogs.answers = {path("tickets.csv"), path("no-folder/tickets.csv")};
    d.click("cmdExport");
    // The last set row, 41 17 5 46 12 22 4 21 35 38; ticket j plays positions
    // j..j+4 and j+6, counted round the ten.
    QCOMPARE(
        read_all(path("tickets.csv")),
        QByteArray("Tickets,Numbers\r\nN1,41 17 5 46 12 4\r\nN2,17 5 46 12 22 21\r\nN3,5 46 12 22 4 35\r\n"
                   "N4,46 12 22 4 21 38\r\nN5,12 22 4 21 35 41\r\nN6,22 4 21 35 38 17\r\n"
                   "N7,4 21 35 38 41 5\r\nN8,21 35 38 41 17 46\r\nN9,35 38 41 17 5 12\r\n"
                   "N10,38 41 17 5 46 22\r\n"));
    d.click("cmdExport");  // a folder that does not exist
    QCOMPARE(fx->dialogs.messages.size(), 1);
    QVERIFY(fx->dialogs.messages[0].startsWith("The file 'tickets.csv' was not written"));
    d.click("cmdCopy");
    QVERIFY(QGuiApplication::clipboard()->text().startsWith("Tickets\tNumbers\nN1\t41 17 5 46 12 4\nN2\t"));
  }
};

DS_UI_TEST(ImportExportTest);
#include "import_export_test.moc"
