// The My tickets window over the sample lotto, with the ledger of the core's settlement
// test: its figures are worked by hand there (spent 15, won 95 and 90).
#include "analyses/ui/tickets_window.h"

#include <QPlainTextEdit>

#include "lotto/lotto_files.h"
#include "shell/ui/app.h"
#include "shell/ui/grid_view.h"
#include "support/window_test.h"

using namespace ds::ui;
using ds::ui::test::state;

namespace {

const QByteArray two_entries =
    "Drawsmith tickets 1\r\n\r\nentry 2025-11-19\r\npaid 9\r\nN1 14 17 28 1 2 3\r\nN2 14 17 28 31 2 3\r\n"
    "N3 14 17 5 1 2 3\r\n\r\nentry 2025-11-15 next 3\r\npaid 6\r\nmember Ann Lee 2\r\nmember Bob 1\r\n"
    "N1 1 5 8 25 9 10\r\nN2 42 48 5 14 20 30\r\n";

}  // namespace

class TicketsWindowTest : public test::WindowTest {
  Q_OBJECT

 private slots:
  void settles_the_ledger_then_adds_and_removes_entries() {
    const QString lotto = path(QStringLiteral("Games/Canada_6_49/"));
    test::write_all(lotto + "draws.txt",
                    "2025-11-15 1 5 8 25 42 47 44 \r\n2025-11-19 14 17 28 31 42 48 5 \r\n");
    test::write_all(lotto + "tickets.txt", two_entries);
    ds::AppState& s = state();
    s.lotto_name = "Canada_6_49";
    QCOMPARE(ds::read_definition(ds::lotto_folder(s.app_folder), s.lotto_name, s.lotto), std::string());
    auto* w = qobject_cast<TicketsWindow*>(show(int(WindowId::tickets)));
    QVERIFY(w);
    const ds::TicketsModel& m = w->model();
    QVERIFY2(text("lblTotals").startsWith("Spent 15 $, won 185 $, net 170 $"), qPrintable(text("lblTotals")));
    QCOMPARE(m.entries.cell(1, 6), std::string("95"));
    QCOMPARE(m.entries.cell(2, 6), std::string("90"));
    QCOMPARE(m.entries.cell(2, 9), std::string("1 draw not in yet"));
    // Ann Lee holds 2 of the 3 shares of the second entry: paid 4 of 6, won 60 of 90.
    const std::vector<std::string> ann{"Ann Lee", "4", "60", "56"}, bob{"Bob", "2", "30", "28"};
    for (int c = 0; c < 4; ++c) {
      QCOMPARE(m.members.cell(1, c), ann[c]);
      QCOMPARE(m.members.cell(2, c), bob[c]);
    }
    // Seven plays on their draws, then the second entry's two plays waiting for a draw.
    QCOMPARE(m.plays.rows(), 10);
    QCOMPARE(m.plays.cell(9, 3), std::string("1 draw not in yet"));
    // 11-15: 80 won, 6 paid; 11-19: 9 paid, 95 and 10 won.
    QCOMPARE(w->chart_points(), 2);
    QCOMPARE(m.running_net[0].second, 74.0);
    QCOMPARE(m.running_net[1].second, 170.0);

    click("cmdAdd");
    QCOMPARE(shown().value(0), QStringLiteral("The plays cannot be read: it holds no play."));
    QVERIFY(has_focus("txtPlays"));
    type("txtFrom", "2025-11-19");
    find<QPlainTextEdit>("txtPlays")->setPlainText("14 17 28 31 1 2");  // four of 11-19: 80
    type("txtMember", "Cy");
    click("cmdAddMember");
    click("cmdAdd");
    const QByteArray added = "\r\nentry 2025-11-19\r\npaid 3\r\nmember Cy 1\r\nN1 14 17 28 31 1 2\r\n";
    QCOMPARE(test::read_all(lotto + "tickets.txt"), two_entries + added);
    QVERIFY(text("lblTotals").startsWith("Spent 18 $, won 265 $, net 247 $"));
    QCOMPARE(m.members.cell(3, 0) + " " + m.members.cell(3, 2), std::string("Cy 80"));

    dialogs.answers = {"0"};
    find<GridView>("msfEntries")->select_grid_row(1);
    click("cmdRemove");
    QCOMPARE(
        test::read_all(lotto + "tickets.txt"),
        "Drawsmith tickets 1\r\n" + two_entries.mid(two_entries.indexOf("\r\nentry 2025-11-15")) + added);
    QVERIFY(text("lblTotals").startsWith("Spent 9 $, won 170 $, net 161 $"));
  }
};

DS_UI_TEST(TicketsWindowTest);

#include "tickets_window_test.moc"
