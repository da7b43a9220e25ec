#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "analyses/ui/forecasting_window.h"
#include "analyses/ui/performance_window.h"
#include "analyses/ui/profitability_window.h"
#include "shell/files.h"
#include "shell/ui/app.h"
#include "systems/catalogue.h"
#include "ui_test_support.h"

using namespace ds::ui;

namespace {

QString text_of(QWidget* w, const char* name) {
  if (auto* l = w->findChild<QLabel*>(name)) return l->text();
  if (auto* e = w->findChild<QLineEdit*>(name)) return e->text();
  return QStringLiteral("<no %1>").arg(QLatin1String(name));
}

void type(QWidget* w, const char* name, const QString& text) { test::Driver{w}.type(name, text); }
void click(QWidget* w, const char* name) { test::Driver{w}.click(name); }
// A choice from a combo box's list, as a user makes it.
void choose(QWidget* w, const char* name, const QString& item) {
  QVERIFY2(test::Driver{w}.choose(name, item), name);
}

bool has_focus(QWidget* window, const char* name) {
  QWidget* f = window->focusWidget();
  return f && f->objectName() == QLatin1String(name);
}

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

class AnalysesWindowsTest : public QObject {
  Q_OBJECT
  std::unique_ptr<test::Fixture> fx;

 private slots:
  void init() { fx = std::make_unique<test::Fixture>(); }
  void cleanup() { fx.reset(); }

  void forecasting_asks_for_choices_and_focuses_bad_dates() {
    auto* fa = qobject_cast<ForecastingWindow*>(registry().show(WindowId::forecasting));
    QVERIFY(fa);
    QCOMPARE(fx->dialogs.messages, QStringList{"Please select a Lotto in the 'Lotto' window."});
    QVERIFY(registry().existing(WindowId::lotto) && registry().existing(WindowId::lotto)->isVisible());
    choose_worked_example();
    fx->dialogs.clear();
    type(fa, "txtTo", "2025-02-30");
    click(fa, "cmdRefresh");
    QCOMPARE(fx->dialogs.messages, QStringList{"Incorrect date."});
    QVERIFY(has_focus(fa, "txtTo"));
  }

  void performance_fresh_start_worked_example_and_print() {
    auto* w = qobject_cast<PerformanceWindow*>(registry().show(WindowId::performance));
    QVERIFY(w);
    QCOMPARE(fx->dialogs.messages, QStringList{"Please select numbers in the draw"});
    QVERIFY(has_focus(w, "txtN1"));
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    choose_worked_example();
    state().lotto.prize_5 = state().lotto.prize_5b = state().lotto.prize_6 = 0;
    state().current_draw = {3, 9, 17, 25, 33, 41, 12};
    QCOMPARE(ds::write_file_atomic(
                 state().app_folder / "system",
                 "N1 3 9 12 30 31 44\r\nN2 3 9 17 20 22 28\r\nN3 3 9 17 25 40 45\r\nN4 1 2 4 5 6 7\r\n"),
             std::string());
    fx->dialogs.clear();
    w = qobject_cast<PerformanceWindow*>(registry().show(WindowId::performance));
    QVERIFY(fx->dialogs.messages.isEmpty());
    QCOMPARE(text_of(w, "lblSystem"), QStringLiteral("10_3_6"));
    QCOMPARE(QString::fromStdString(w->performance_grid().cell(3, 3)), QStringLiteral("64.5"));
    QString printed;
    PerformanceWindow::set_print_handler([&](QWidget*, const QString& html) { printed = html; });
    click(w, "cmdPrint");
    PerformanceWindow::set_print_handler(nullptr);
    QVERIFY(printed.contains("<b>64.5</b>"));
  }

  void profitability_worked_example_and_a_refusal() {
    choose_worked_example();
    auto* w = qobject_cast<ProfitabilityWindow*>(registry().show(WindowId::profitability));
    QVERIFY(w);
    QCOMPARE(fx->dialogs.messages, QStringList{});
    QWidget* fa = registry().existing(WindowId::forecasting);
    QVERIFY(fa && !fa->isVisible());
    QVERIFY(std::abs(text_of(w, "lblProfitability").toDouble() + 0.45594) < 5e-5);
    const QString profit = text_of(w, "lblProfitability");
    type(w, "txtP4", "x");
    click(w, "cmdRefresh");
    QCOMPARE(fx->dialogs.messages, QStringList{"Sorry, the data is not correct."});
    QVERIFY(has_focus(w, "txtP4"));
    QCOMPARE(text_of(w, "lblProfitability"), profit);
  }

  // From a fresh start through the real windows: Lotto, Targeted Sets, Systems,
  // Forecasting Abilities over 2025 (the sample set's dates), Average Profitability.
  void road_of_one_request_through_the_real_windows() {
    registry().show(WindowId::main);  // installs the samples
    QWidget* lotto = registry().show(WindowId::lotto);
    choose(lotto, "cmbName", "Canada_6_49");
    QWidget* tsets = registry().show(WindowId::tsets);
    choose(tsets, "cmbSize", "10");
    choose(tsets, "cmbSets", "Forecaster1");
    QWidget* systems = registry().show(WindowId::system);
    choose(systems, "cmbList", "10_3_6");
    QCOMPARE(fx->dialogs.messages, QStringList{});
    QCOMPARE(state().ticket_count, std::int16_t(1));

    auto* fa = qobject_cast<ForecastingWindow*>(registry().show(WindowId::forecasting));
    type(fa, "txtFrom", "2025-01-01");
    type(fa, "txtTo", "2025-11-19");
    click(fa, "cmdRefresh");
    QCOMPARE(fx->dialogs.messages, QStringList{});
    QCOMPARE(text_of(fa, "lblLotto"), QStringLiteral("Canada_6_49"));
    QCOMPARE(text_of(fa, "lblTSetName"), QStringLiteral("Forecaster1"));
    const ds::TextGrid& g = fa->fa_grid();
    QCOMPARE(g.rows(), 11);
    bool above_chance = false;
    for (int r = 1; r <= 10; ++r) {
      QVERIFY(!g.cell(r, 1).empty());
      above_chance = above_chance || g.cell(r, 1) != "1";
    }
    QVERIFY2(above_chance, "the sample set beats chance at some level in 2025");
    QVERIFY(!lotto->isVisible() && !tsets->isVisible());

    auto* profit = registry().show(WindowId::profitability);
    QCOMPARE(fx->dialogs.messages, QStringList{});
    bool ok = false;
    text_of(profit, "lblProfitability").toDouble(&ok);
    QVERIFY(ok);
    QVERIFY(text_of(profit, "lblProfitability") != QStringLiteral("0"));
    QVERIFY(text_of(profit, "lblTimes").toInt() > 0);
    QCOMPARE(text_of(profit, "lblSystem"), QStringLiteral("10_3_6"));
  }
};

DS_UI_TEST(AnalysesWindowsTest);
#include "analyses_windows_test.moc"
