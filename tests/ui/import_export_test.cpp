// Import of draws, the Back-test window and the CSV export, driven as a user does
// on the shipped samples; every figure and byte below was worked out apart from
// the program (the back-test totals by a python3 script over d1, d1a and d2).
#include <QClipboard>
#include <QGuiApplication>

#include "analyses/ui/backtest_window.h"
#include "shell/ui/app.h"
#include "support/window_test.h"

using namespace ds::ui;

class ImportExportTest : public test::WindowTest {
  Q_OBJECT
 private slots:
  void import_asks_the_order_previews_and_writes_only_when_accepted() {
    const QString draws = path("Games/Canada_6_49/draws.txt");
    const QByteArray before = test::read_all(draws);
    // Every date reads both ways; by day first: two new draws, 2025-11-12 present
    // in another order, 2025-11-08 in conflict, a 50 refused on line 6.
    test::write_all(path("history.csv"),
                    "Draw date,N1,N2,N3,N4,N5,N6,Bonus,Jackpot\n06/12/2025,1,2,3,4,5,6,7,\"1,000,000\"\n"
                    "\"10/12/2025\",40,30,20,10,5,9,11,0\n12/11/2025,41,2,6,7,38,39,49,0\n"
                    "08/11/2025,1,2,3,4,5,6,7,0\n01/12/2025,1,2,3,4,5,50,6,0\n");
    show(int(WindowId::lotto));
    click("cmdImport");  // no lotto chosen yet: no file dialog
    QCOMPARE(shown(), QStringList{"Please choose in the Name list the lotto that gets the draws."});
    QVERIFY(choose("cmbName", "Canada_6_49"));
    for (const char* review : {"0", "1"}) {
      dialogs.answers = {path("history.csv"), "0", review};
      click("cmdImport");
      QVERIFY(dialogs.answers.empty());
      QVERIFY(dialogs.prompts.last().contains(
          "Rows read: 5. New: 2. Already present: 1. In conflict: 1. Refused: 1.\nLine 5: "));
      QCOMPARE(dialogs.reviewed.rows(), 6);
      QCOMPARE(dialogs.reviewed.cell(2, 1), std::string("2025-12-10"));
      QCOMPARE(test::read_all(draws), QByteArray(review) == "0" ? before
                                                                : before +
                                                                      "2025-12-06 1 2 3 4 5 6 7 \r\n"
                                                                      "2025-12-10 40 30 20 10 5 9 11 \r\n");
    }
    QCOMPARE(test::hub().state().draws.rows(), 3622 + 2 + 1);
  }

  void backtest_of_10_4_6_over_the_sample_history() {
    choose_samples();
    show(int(WindowId::backtest));
    QCOMPARE(text("txtFrom") + " " + text("txtTo"), QStringLiteral("1982-06-12 2025-11-19"));
    QVERIFY(choose("cmbSystem", "10_4_6"));
    QCOMPARE(text("lblPeriod"), QStringLiteral("3622 draws fall in the period."));
    QCOMPARE(
        text("lblTotals"),
        QStringLiteral("Spent 5400 $, won 690 $, net -4710 $; return per unit staked 0.1278; draws with a "
                       "prize: 6 of 60 played.\n3562 of the 3622 draws of the period have no targeted set "
                       "row of their date and were not played."));
    auto* bw = qobject_cast<BacktestWindow*>(w);
    QCOMPARE(bw->backtest_grid().rows(), 61);
    QCOMPARE(bw->backtest_grid().cell(1, 0) + " " + bw->backtest_grid().cell(1, 2) + " " +
                 bw->backtest_grid().cell(60, 5),
             std::string("2024-08-07 90 -4710"));
    QCOMPARE(bw->chart_points(), 60);
    click("cmdPrint");
    const QString printed = dialogs.printed.value(0);
    QVERIFY(printed.contains("<td>10_4_6</td>") && printed.contains("won 690 $"));
    // An empty period says where the history lies, without a message box.
    type("txtFrom", "2026-01-01");
    type("txtTo", "2026-12-31");
    click("cmdGo");
    QCOMPARE(text("lblPeriod"),
             QStringLiteral("No draw falls in the period from 2026-01-01 to 2026-12-31. The "
                            "draw history runs from 1982-06-12 to 2025-11-19."));
  }

  void systems_tickets_exported_to_csv_and_copied() {
    choose_samples();
    show(int(WindowId::system));
    QVERIFY(choose("cmbList", "10_3_6"));
    dialogs.answers = {path("tickets.csv"), path("no-folder/tickets.csv")};
    click("cmdExport");
    // The last set row, 41 17 5 46 12 22 4 21 35 38; ticket j plays positions
    // j..j+4 and j+6, counted round the ten.
    QCOMPARE(
        test::read_all(path("tickets.csv")),
        QByteArray("Tickets,Numbers\r\nN1,41 17 5 46 12 4\r\nN2,17 5 46 12 22 21\r\nN3,5 46 12 22 4 35\r\n"
                   "N4,46 12 22 4 21 38\r\nN5,12 22 4 21 35 41\r\nN6,22 4 21 35 38 17\r\n"
                   "N7,4 21 35 38 41 5\r\nN8,21 35 38 41 17 46\r\nN9,35 38 41 17 5 12\r\n"
                   "N10,38 41 17 5 46 22\r\n"));
    click("cmdExport");  // a folder that does not exist
    const QStringList refused = shown();
    QVERIFY(refused.size() == 1 && refused[0].startsWith("The file 'tickets.csv' was not written"));
    click("cmdCopy");
    QVERIFY(QGuiApplication::clipboard()->text().startsWith("Tickets\tNumbers\nN1\t41 17 5 46 12 4\nN2\t"));
  }
};

DS_UI_TEST(ImportExportTest);
#include "import_export_test.moc"
