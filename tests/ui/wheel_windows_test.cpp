// Made wheels in the Systems and Back-test windows, and the Make a Wheel and
// Check a Wheel windows with their searches off the window's thread.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardItemModel>

#include "analyses/ui/backtest_window.h"
#include "shell/ui/app.h"
#include "shell/ui/grid_view.h"
#include "support/window_test.h"
#include "systems/ui/check_wheel_window.h"
#include "systems/ui/make_wheel_window.h"
#include "systems/ui/system_window.h"

using namespace ds::ui;

namespace {
// 10 numbers, 4 if 6 in 3 tickets, as a Wheels file holds it.
const QByteArray four_if_six =
    "# wheel v=10 k=6 t=4 m=6 made=by hand\n1 2 3 4 5 6\n1 2 3 7 8 9\n4 5 6 7 8 10\n";
}  // namespace

class WheelWindowsTest : public test::WindowTest {
  Q_OBJECT
  void put_wheel(const QString& name, const QByteArray& bytes) {
    QDir().mkpath(path("Wheels"));
    test::write_all(path("Wheels/" + name + ".txt"), bytes);
  }
  QString cell(const char* view, int row, int col) {
    return find<GridView>(view)->model()->index(row, col).data().toString();
  }

 private slots:
  void systems_window_lists_a_made_wheel_apart_and_shows_it_as_a_system() {
    put_wheel("a4if6", four_if_six);
    choose_samples();
    auto* sw = qobject_cast<SystemWindow*>(show(int(WindowId::system)));
    auto* list = find<QComboBox>("cmbList");
    QCOMPARE(list->count(), 41 + 3);  // separator, heading, the wheel
    QCOMPARE(list->itemText(42), QStringLiteral("Made wheels"));
    auto* model = qobject_cast<QStandardItemModel*>(list->model());
    QVERIFY(model && !(model->item(42)->flags() & Qt::ItemIsEnabled));

    // The set 41 17 5 46 12 22 4 21 35 38; the sample lotto costs 3 a ticket.
    QVERIFY(choose("cmbList", "a4if6"));
    QCOMPARE(sw->tickets_grid().rows(), 4);
    QCOMPARE(cell("msfSystem", 2, 1), QStringLiteral("46 12 22 4 21 38"));
    QCOMPARE(text("lblCost"), QStringLiteral("9"));
    // Worst and best rows from every placement (a separate script): w = 4 worst 3 0 0,
    // w = 6 best 0 2 0 0 1.
    QCOMPARE(cell("msfResults", 6, 2) + cell("msfResults", 6, 3) + cell("msfResults", 6, 4),
             QStringLiteral("300"));
    QCOMPARE(cell("msfResults", 11, 2) + cell("msfResults", 11, 3) + cell("msfResults", 11, 6),
             QStringLiteral("021"));
    QVERIFY(find<QLabel>("lblRowsNote")->isVisible());
    QVERIFY(text("lblRowsNote").contains("whenever 6 of the winning numbers"));
    QCOMPARE(test::read_all(path("system")), QByteArray("N1 41 17 5 46 12 22\r\nN2 41 17 5 4 21 35\r\n"
                                                        "N3 46 12 22 4 21 38\r\n"));
    QCOMPARE(ds::ui::test::state().system_id, std::string("a4if6"));

    // A wheel saved later is listed when the window is brought forward again.
    put_wheel("b2if6", "# wheel v=10 k=6 t=2 m=6 made=by hand\n5 6 7 8 9 10\n");
    sw->refresh_wheels();
    QCOMPARE(list->count(), 45);
    QCOMPARE(list->currentText(), QStringLiteral("a4if6"));
  }

  void backtest_compares_a_system_and_a_made_wheel_on_the_same_draws() {
    put_wheel("a4if6", four_if_six);
    choose_samples();
    auto* bw = qobject_cast<BacktestWindow*>(show(int(WindowId::backtest)));
    auto* compare = find<QListWidget>("lstCompare");
    const auto items = compare->findItems(QStringLiteral("a4if6"), Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    items[0]->setCheckState(Qt::Checked);
    QVERIFY(choose("cmbSystem", "10_4_6"));
    // The table and the totals line stay those of 10_4_6; the wheel's figures come
    // from a separate script over the same sample draws and set rows.
    QCOMPARE(bw->backtest_grid().rows(), 61);
    QVERIFY(text("lblTotals").startsWith("Spent 5400 $, won 690 $"));
    const ds::TextGrid& t = bw->totals_grid();
    QCOMPARE(t.rows(), 3);
    std::string rows;
    for (int r = 1; r < 3; ++r)
      for (int c = 0; c < 7; ++c) rows += t.cell(r, c) + (c == 6 ? "\n" : "|");
    QCOMPARE(rows, std::string("10_4_6|30|60|5400|690|-4710|0.1278\na4if6|3|60|540|50|-490|0.09259\n"));
    QCOMPARE(bw->chart_lines(), 2);
    QCOMPARE(bw->chart_points(), 60);
    // One system alone: one line, one row.
    items[0]->setCheckState(Qt::Unchecked);
    click("cmdGo");
    QCOMPARE(bw->chart_lines(), 1);
    QCOMPARE(bw->totals_grid().rows(), 2);
  }

  void make_a_wheel_starts_stops_saves_and_closes_without_freezing() {
    auto* mw = qobject_cast<MakeWheelWindow*>(show(int(WindowId::make_wheel)));
    QVERIFY(mw);
    QCOMPARE(text("txtK"), QStringLiteral("6"));
    type("txtT", "5");
    type("txtM", "4");
    click("cmdStart");
    QCOMPARE(shown().size(), 1);
    QVERIFY(has_focus("txtT"));
    QVERIFY(!mw->running());

    type("txtV", "10");
    type("txtT", "4");
    type("txtM", "6");
    type("txtSeconds", "30");
    click("cmdStart");
    QVERIFY(mw->running());
    QVERIFY(!enabled("cmdStart") && enabled("cmdStop"));
    // The window keeps answering while the search runs; Stop keeps the best wheel.
    QTRY_VERIFY_WITH_TIMEOUT(text("lblProgress").startsWith("Best so far"), 20000);
    click("cmdStop");
    QTRY_VERIFY_WITH_TIMEOUT(!mw->running(), 5000);
    QVERIFY(mw->wheel().has_value());
    QVERIFY(mw->wheel()->tickets.size() <= 10);
    QVERIFY(text("lblResult").contains("it holds"));
    QVERIFY(text("lblBound").contains("No lower bound"));
    QVERIFY(enabled("cmdStart"));

    type("txtName", "10_4_6");  // a catalogue name is refused
    click("cmdSave");
    QCOMPARE(shown().size(), 1);
    type("txtName", "mine");
    click("cmdSave");
    QVERIFY(test::read_all(path("Wheels/mine.txt")).startsWith("# wheel v=10 k=6 t=4 m=6 made="));
    dialogs.answers = {""};  // the name is taken: asked, and Cancel keeps the file
    test::write_all(path("Wheels/mine.txt"), four_if_six);
    click("cmdSave");
    QCOMPARE(dialogs.prompts.size(), 1);
    QCOMPARE(test::read_all(path("Wheels/mine.txt")), four_if_six);

    // Closing during a search ends it at once.
    type("txtSeconds", "600");
    click("cmdStart");
    QVERIFY(mw->running());
    QElapsedTimer clock;
    clock.start();
    mw->close();
    QVERIFY(clock.elapsed() < 5000);
    QVERIFY(!mw->running());
  }

  void make_a_wheel_with_keys_and_with_a_budget() {
    auto* mw = qobject_cast<MakeWheelWindow*>(show(int(WindowId::make_wheel)));
    QVERIFY(mw);
    for (auto [box, value] :
         {std::pair{"txtV", "7"}, {"txtK", "4"}, {"txtT", "3"}, {"txtM", "3"}, {"txtKeys", "1"}})
      type(box, value);
    click("cmdStart");
    QTRY_VERIFY_WITH_TIMEOUT(!mw->running(), 20000);
    QVERIFY(mw->wheel().has_value());
    for (const std::vector<int>& ticket : mw->wheel()->tickets) QCOMPARE(ticket.front(), 1);
    QVERIFY(text("lblResult").contains("when the key 1 is among the winners"));
    type("txtKeys", "3");  // not fewer than T: refused, the box gets the focus
    click("cmdStart");
    QCOMPARE(shown().size(), 1);
    QVERIFY(has_focus("txtKeys"));
    for (auto [box, value] : {std::pair{"txtV", "10"},
                              {"txtK", "6"},
                              {"txtT", "4"},
                              {"txtM", "6"},
                              {"txtKeys", ""},
                              {"txtTickets", "2"},
                              {"txtSeconds", "2"}})
      type(box, value);
    click("cmdStart");
    QTRY_VERIFY_WITH_TIMEOUT(!mw->running(), 20000);
    QVERIFY(text("lblResult").contains("% of the cases of 6 winners"));
  }

  void check_a_wheel_shows_matches_and_holes_and_exports_them() {
    test::write_all(path("published.csv"), "A,B,C\n11,22,33\n11,44,45\n22,44,45\n");
    auto* cw = qobject_cast<CheckWheelWindow*>(show(int(WindowId::check_wheel)));
    QVERIFY(cw);
    click("cmdCheck");
    QCOMPARE(shown(), QStringList{"Please open a list of tickets first."});
    type("txtSet", "11 22 33 44 45");
    dialogs.answers = {path("published.csv")};
    click("cmdOpen");
    QCOMPARE(text("lblList"), QStringLiteral("3 tickets of 3 numbers on 5 numbers."));
    type("txtT", "2");
    type("txtM", "2");
    click("cmdCheck");
    QTRY_VERIFY_WITH_TIMEOUT(!cw->running(), 5000);
    QCOMPARE(
        text("lblSummary"),
        QStringLiteral(
            "The guarantee 2 if 2 does not hold: 2 holes (sets of 2 where no ticket matches 2); it covers "
            "80.0 % of the cases of 2 winners."));
    QCOMPARE(cw->rows_grid().cell(3, 1) + cw->rows_grid().cell(3, 2) + cw->rows_grid().cell(3, 4),
             std::string("122"));  // two winners: worst 1, best 2, two cases matching 1
    QCOMPARE(cw->holes_grid().cell(2, 2), std::string("33 45"));
    dialogs.answers = {path("holes.csv")};
    click("cmdExport");
    QVERIFY(test::read_all(path("holes.csv")).contains("33 44"));

    // A made wheel brings its own guarantee, and it holds.
    put_wheel("a4if6", four_if_six);
    type("txtSet", "");
    dialogs.answers = {path("Wheels/a4if6.txt")};
    click("cmdOpen");
    QCOMPARE(text("txtT") + text("txtM"), QStringLiteral("46"));
    click("cmdCheck");
    QTRY_VERIFY_WITH_TIMEOUT(!cw->running(), 5000);
    QCOMPARE(
        text("lblSummary"),
        QStringLiteral(
            "The guarantee 4 if 6 holds: no hole in any case; it covers 100 % of the cases of 6 winners."));
    QCOMPARE(cw->holes_grid().rows(), 1);
  }

  void a_long_check_stops_at_once_and_shows_nothing_unfinished() {
    // 200 tickets on 40 numbers checked against every 7 of the 40: some 18.6
    // million cases for each of 200 tickets, far longer than the test waits.
    QByteArray list;
    for (int i = 0; i < 200; ++i) {
      for (int j = 0; j < 6; ++j) list += QByteArray::number((i + j * (1 + i % 6)) % 40 + 1) + ' ';
      list += '\n';
    }
    test::write_all(path("big.txt"), list);
    auto* cw = qobject_cast<CheckWheelWindow*>(show(int(WindowId::check_wheel)));
    dialogs.answers = {path("big.txt")};
    click("cmdOpen");
    QVERIFY(text("lblList").startsWith("200 tickets of 6 numbers on 40 numbers"));
    type("txtT", "3");
    type("txtM", "7");
    click("cmdCheck");
    QVERIFY(cw->running());
    QVERIFY(!enabled("cmdOpen") && !enabled("cmdCheck") && enabled("cmdStop"));
    click("cmdStop");
    QTRY_VERIFY_WITH_TIMEOUT(!cw->running(), 5000);
    QCOMPARE(text("lblSummary"),
             QStringLiteral("The check was stopped; nothing is shown of an unfinished check."));
    QCOMPARE(cw->rows_grid().rows(), 1);
    QVERIFY(enabled("cmdCheck") && !enabled("cmdExport"));
    // Closing during a check ends it too.
    click("cmdCheck");
    QVERIFY(cw->running());
    cw->close();
    QVERIFY(!cw->running());
  }

  void main_window_and_systems_window_open_the_wheel_windows() {
    show(int(WindowId::main));
    click("cmdMakeWheel");
    QVERIFY(registry().existing(WindowId::make_wheel));
    show(int(WindowId::main));
    click("cmdCheckWheel");
    QVERIFY(registry().existing(WindowId::check_wheel));
    registry().close_all();
    choose_samples();
    show(int(WindowId::system));
    click("cmdMakeWheel");
    QWidget* maker = registry().existing(WindowId::make_wheel);
    QVERIFY(maker && maker->isVisible());
    QCOMPARE(maker->findChild<QLineEdit*>("txtK")->text(), QStringLiteral("6"));  // the sample lotto draws 6
    show(int(WindowId::system));
    click("cmdCheckWheel");
    QVERIFY(registry().existing(WindowId::check_wheel));
  }
};

DS_UI_TEST(WheelWindowsTest);
#include "wheel_windows_test.moc"
