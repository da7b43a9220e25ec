#include "systems/ui/system_window.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QTextBrowser>

#include "lotto/lotto_files.h"
#include "shell/ui/app.h"
#include "shell/ui/grid_view.h"
#include "shell/ui/help_window.h"
#include "support/window_test.h"

using namespace ds::ui;
using ds::ui::test::state;

class SystemWindowTest : public test::WindowTest {
  Q_OBJECT
  SystemWindow* open() { return qobject_cast<SystemWindow*>(show(int(WindowId::system))); }
  // What the ticket view shows in a view row (header row apart).
  QString shown_ticket(int ticket, int col) {
    return find<GridView>("msfSystem")->model()->index(ticket - 1, col).data().toString();
  }

 private slots:
  void opening_with_nothing_chosen_asks_for_a_set_only() {
    QVERIFY(open());
    QCOMPARE(shown(), QStringList{"Please select a Targeted Set in the 'Targeted Sets' window."});
    QWidget* tsets = registry().existing(WindowId::tsets);
    QVERIFY(tsets && tsets->isVisible());
    QCOMPARE(text("lblTset"), QStringLiteral("Not selected"));
    QCOMPARE(find<QComboBox>("cmbList")->currentIndex(), -1);
    QCOMPARE(find<QComboBox>("cmbList")->count(), 41);
  }

  void sample_road_tickets_cost_file_print_and_systems_that_do_not_fit() {
    choose_samples();
    SystemWindow* sw = open();
    QCOMPARE(text("lblLotto"), QStringLiteral("Canada_6_49"));
    const QStringList& printed = dialogs.printed;
    click("cmdPrint");
    QCOMPARE(shown().size(), 1);  // nothing to print yet

    // The last set row is 41 17 5 46 12 22 4 21 35 38; ticket 8 plays positions 8 9 10 1 2 4.
    QVERIFY(choose("cmbList", "10_3_6"));
    QCOMPARE(find<GridView>("msfSystem")->model()->rowCount(), 10);
    QCOMPARE(shown_ticket(1, 0), QStringLiteral("N1"));
    QCOMPARE(shown_ticket(8, 1), QStringLiteral("21 35 38 41 17 46"));
    QCOMPARE(text("lblCost"), QStringLiteral("30"));   // 10 tickets at 3
    QVERIFY(find<QLabel>("lblRowsNote")->isHidden());  // 10_3_6 gives the published rows
    const QByteArray file = test::read_all(path("system"));
    QVERIFY(file.startsWith("N1 41 17 5 46 12 4\r\nN2 17 5 46 12 22 21\r\n"));
    auto* results = find<GridView>("msfResults");
    QCOMPARE(results->model()->index(4, 2).data().toString(), QStringLiteral("6"));  // w = 3, worst: 6 1

    // A system for eleven numbers does not fit the set: the tickets, cost and file stay.
    QVERIFY(choose("cmbList", "11_3_6"));
    QCOMPARE(test::read_all(path("system")), file);
    QCOMPARE(sw->tickets_grid().rows(), 11);
    // Print System prints the tickets on screen, those of 10_3_6.
    click("cmdPrint");
    QCOMPARE(printed.size(), 1);
    for (const QString& part :
         {QStringLiteral("System 10_3_6"), QStringLiteral("30 $"), QStringLiteral("<b>N10</b>")})
      QVERIFY2(printed[0].contains(part), qPrintable(part));
    QVERIFY(!printed[0].contains("11_3_6"));
  }

  void reopening_starts_afresh_and_the_guide_is_the_system_page() {
    choose_samples();
    open();
    QVERIFY(choose("cmbList", "10_3_6"));
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(open()->tickets_grid().rows(), 1);
    QCOMPARE(find<QComboBox>("cmbList")->currentIndex(), -1);
    find<QAction>("UserGuide")->trigger();
    auto* help = qobject_cast<HelpWindow*>(registry().existing(WindowId::help));
    QVERIFY(help && help->browser()->source().toString().endsWith("system.htm"));
  }

  void second_pool_numbers_multiply_the_plays_and_reach_the_file() {
    choose_samples();
    open();
    QVERIFY(find<QWidget>("txtSecond")->isHidden());  // the sample game has no second pool
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ds::LottoDefinition& game = state().lotto;
    game.bonus_n = 0;
    game.second_pool = 26;
    game.second_n = 1;
    open();
    QVERIFY(find<QWidget>("txtSecond")->isVisible());
    type("txtSecond", QStringLiteral("7 40"));
    key("txtSecond", Qt::Key_Return);
    QCOMPARE(shown(), QStringList{"\"40\" is not a second-pool number: the numbers run from 1 to 26."});
    type("txtSecond", QStringLiteral("7, 3"));
    key("txtSecond", Qt::Key_Return);
    QCOMPARE(text("txtSecond"), QStringLiteral("3 7"));
    QVERIFY(choose("cmbList", "10_3_6"));
    QCOMPARE(text("lblPlays"), QStringLiteral("10 tickets \u00d7 2 second-pool numbers = 20 plays"));
    QCOMPARE(text("lblCost"), QStringLiteral("60"));  // 20 plays at 3
    QCOMPARE(shown_ticket(2, 2), QStringLiteral("7"));
    QVERIFY(
        test::read_all(path("system")).startsWith("N1 41 17 5 46 12 4 + 3\r\nN2 41 17 5 46 12 4 + 7\r\n"));
  }

  // A wheel of seven-number tickets for a seven-number game: a row of seven winners,
  // and the wheel's note below the table, not over it.
  void a_seven_number_wheel_gets_seven_winners_and_room_for_its_note() {
    QVERIFY(QDir().mkpath(path("Games/Max")) && QDir().mkpath(path("Wheels")));
    test::write_all(path("Games/Max/game.txt"),
                    "Drawsmith game 1\r\nmain_pool 50\r\nmain_drawn 7\r\nbonus_drawn 1\r\nsecond_pool 0\r\n"
                    "second_drawn 0\r\ncost 1\r\ncurrency $\r\ntier 7 no 0 average 1000\r\n");
    test::write_all(path("Wheels/W7.txt"),
                    "# wheel v=10 k=7 t=5 m=7\n1 2 3 4 6 8 10\n1 2 5 6 7 8 9\n3 4 5 6 7 9 10\n");
    show(int(WindowId::lotto));
    QVERIFY(choose("cmbName", "Max"));
    show(int(WindowId::tsets));
    QVERIFY(choose("cmbSize", "10"));
    QVERIFY(choose("cmbSets", "Forecaster1"));
    open();
    QVERIFY(choose("cmbList", "W7"));
    QCoreApplication::processEvents();
    auto* results = find<GridView>("msfResults");
    QCOMPARE(results->model()->rowCount(), 14);
    QCOMPARE(results->model()->index(12, 0).data().toString(), QStringLiteral("7"));
    QVERIFY(!find<QLabel>("lblRowsNote")->isHidden());
    QVERIFY(find<QLabel>("lblRowsNote")->geometry().top() >= results->geometry().bottom());
  }

  // Another lotto chosen in the Lotto window: back in Systems, its name and price.
  void the_window_follows_the_lotto_chosen_meanwhile() {
    ds::LottoDefinition cheaper;
    const auto games = ds::lotto_folder(state().app_folder);
    QCOMPARE(ds::read_definition(games, "Canada_6_49", cheaper), std::string());
    cheaper.cost = 2;
    QCOMPARE(ds::write_definition(games, "Cheaper", cheaper), std::string());
    choose_samples();
    open();
    QVERIFY(choose("cmbList", "10_3_6"));
    QCOMPARE(text("lblCost"), QStringLiteral("30"));
    show(int(WindowId::lotto));
    QVERIFY(choose("cmbName", "Cheaper"));
    open();
    QCOMPARE(text("lblLotto"), QStringLiteral("Cheaper"));
    QCOMPARE(text("lblCost"), QStringLiteral("20"));
  }
};

DS_UI_TEST(SystemWindowTest);
#include "system_window_test.moc"
