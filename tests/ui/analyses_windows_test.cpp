// Forecasting Abilities, System Performance and Average Profitability driven as a
// user does. The road's figures come from an exact-fraction script over the
// shipped samples: 50 draws of 2025 with a set row caught 4 numbers where chance
// expects 50 C(6,4) C(43,6) / C(49,10), a ratio of 3.5946; 10_3_6 then returns
// -0.2642192 per unit, and ln 0.05 / ln(1 - C(43,4) / C(49,10)) is 199483.1, up to 199484.
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableView>

#include "analyses/ui/forecasting_window.h"
#include "analyses/ui/performance_window.h"
#include "analyses/ui/profitability_window.h"
#include "analyses/ui/statistics_window.h"
#include "shell/files.h"
#include "shell/ui/app.h"
#include "support/window_test.h"
#include "systems/catalogue.h"

using namespace ds::ui;
using ds::ui::test::state;

namespace {

// The 6/49 lotto of the worked examples and 10_3_6 on a set of ten numbers.
void choose_worked_example() {
  ds::AppState& s = state();
  s.lotto_name = "Canada_6_49";
  s.lotto = {};
  s.lotto.play_n = 49;
  s.lotto.pick_n = 6;
  s.lotto.prize_3 = 10;
  s.lotto.prize_4 = 54.5f;
  s.lotto.prize_5 = 1500;
  s.lotto.prize_5b = 100000;
  s.lotto.prize_6 = 1000000;
  s.lotto.cost = 2;
  s.tset_name = "Forecaster1";
  s.tset_size = 10;
  s.tset_numbers = {0, 3, 9, 17, 25, 33, 41, 12, 20, 22, 28};
  s.system_id = "10_3_6";
  QVERIFY(ds::load_tickets(s.system_id, s.ticket_count, s.tickets));
  ds::load_results(s.system_id, s.results_avg, s.results_min, s.results_max);
}

}  // namespace

class AnalysesWindowsTest : public test::WindowTest {
  Q_OBJECT
 private slots:
  void forecasting_asks_for_choices_and_focuses_bad_dates() {
    show(int(WindowId::forecasting));
    QCOMPARE(shown(), QStringList{"Please select a Lotto in the 'Lotto' window."});
    QVERIFY(registry().existing(WindowId::lotto)->isVisible());
    choose_worked_example();
    show(int(WindowId::forecasting));
    type("txtTo", "2025-02-30");
    click("cmdRefresh");
    QCOMPARE(shown(), QStringList{"Incorrect date."});
    QVERIFY(has_focus("txtTo"));
  }

  void performance_fresh_start_worked_example_and_print() {
    show(int(WindowId::performance));
    QCOMPARE(shown(), QStringList{"Please select numbers in the draw"});
    QVERIFY(has_focus("txtN1"));
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Ticket 2 holds 3 of the draw (prize 10), ticket 3 holds 4 (54.5).
    choose_worked_example();
    state().lotto.prize_5 = state().lotto.prize_5b = state().lotto.prize_6 = 0;
    state().current_draw = {3, 9, 17, 25, 33, 41, 12};
    test::write_all(path("system"),
                    "N1 3 9 12 30 31 44\r\nN2 3 9 17 20 22 28\r\nN3 3 9 17 25 40 45\r\nN4 1 2 4 5 6 7\r\n");
    auto* pw = qobject_cast<PerformanceWindow*>(show(int(WindowId::performance)));
    QCOMPARE(text("lblSystem"), QStringLiteral("10_3_6"));
    QCOMPARE(pw->performance_grid().cell(3, 3), std::string("64.5"));
    click("cmdPrint");
    QVERIFY(dialogs.printed.value(0).contains("<b>64.5</b>"));
  }

  void profitability_worked_example_and_a_refusal() {
    choose_worked_example();
    show(int(WindowId::profitability));
    QVERIFY(!registry().existing(WindowId::forecasting)->isVisible());
    const QString profit = text("lblProfitability");
    QVERIFY(qAbs(profit.toDouble() + 0.45594) < 5e-5);
    type("txtP4", "x");
    click("cmdRefresh");
    QCOMPARE(shown(), QStringList{"Sorry, the data is not correct."});
    QVERIFY(has_focus("txtP4"));
    QCOMPARE(text("lblProfitability"), profit);
  }

  // From a fresh start through the real windows: Lotto, Targeted Sets, Systems,
  // Forecasting Abilities over 2025 (the sample set's dates), Average Profitability.
  void road_of_one_request_through_the_real_windows() {
    choose_samples();
    show(int(WindowId::system));
    QVERIFY(choose("cmbList", "10_3_6"));
    auto* fa = qobject_cast<ForecastingWindow*>(show(int(WindowId::forecasting)));
    type("txtFrom", "2025-01-01");
    type("txtTo", "2025-11-19");
    click("cmdRefresh");
    QCOMPARE(text("lblTSetName"), QStringLiteral("Forecaster1"));
    QStringList abilities;
    for (int r = 1; r <= 10; ++r) abilities << QString::fromStdString(fa->fa_grid().cell(r, 1));
    QCOMPARE(abilities.join(' '), QStringLiteral("1 1 1 1 3.59 1 1 1 1 1"));
    QVERIFY(!registry().existing(WindowId::lotto)->isVisible());

    show(int(WindowId::profitability));
    QCOMPARE(text("lblProfitability"), QStringLiteral("-0.2642192"));
    QCOMPARE(text("lblTimes"), QStringLiteral("199484"));
    QCOMPARE(text("lblSystem"), QStringLiteral("10_3_6"));
  }

  // The window shows what its core worked out: the figures themselves are the core test's.
  void statistics_shows_its_model_sorted_and_the_filter_rates() {
    choose_samples();
    auto* sw = qobject_cast<StatisticsWindow*>(show(int(WindowId::statistics)));
    QVERIFY(sw);
    const ds::StatisticsModel& m = sw->model();
    QVERIFY(m.period.draws.size() > 3000);
    QCOMPARE(text("lblLotto"), QStringLiteral("Canada_6_49"));
    QCOMPARE(text("lblFair"), QString::fromStdString(m.fair_main));
    auto* numbers = find<QTableView>("msfNumbers");
    QCOMPARE(numbers->model()->rowCount(), 49);
    QTest::mouseClick(numbers->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(numbers->horizontalHeader()->sectionViewportPosition(2) + 5, 5));
    const auto drawn = [numbers](int row) { return numbers->model()->index(row, 2).data().toInt(); };
    QVERIFY(drawn(0) <= drawn(24) && drawn(24) <= drawn(48));
    find<QTabWidget>("tabStatistics")->setCurrentIndex(3);
    find<QPlainTextEdit>("txtFilters")->setPlainText(QStringLiteral("odd:3\nlow:2-4"));
    key("txtFilters", Qt::Key_Return);
    QCOMPARE(m.rates.size(), std::size_t{3});
    QCOMPARE(text("lblRates"), QString::fromStdString(m.rates_text));
    click("cmdPrint");
    QVERIFY(dialogs.printed.value(0).contains(QStringLiteral("All together")));
    find<QPlainTextEdit>("txtFilters")->setPlainText(QStringLiteral("odd:9-1"));
    key("txtFilters", Qt::Key_Return);
    QCOMPARE(shown().value(0).left(24), QStringLiteral("'odd:9-1' is no filter: "));
    QVERIFY(has_focus("txtFilters"));
  }
};

DS_UI_TEST(AnalysesWindowsTest);
#include "analyses_windows_test.moc"
