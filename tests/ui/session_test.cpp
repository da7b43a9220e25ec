#include "shell/ui/session.h"

#include <QDir>

#include "app/register_windows.h"
#include "shell/ui/app.h"
#include "support/window_test.h"

using namespace ds::ui;
using ds::ui::test::state;

// What the program remembers from one run to the next. "A run" ends as the
// program's does (every window hidden, the session saved) and the next starts
// from a fresh state and registry with the same settings folder.
class SessionTest : public test::WindowTest {
  Q_OBJECT

  // The windows closed and a fresh state, as a new run starts.
  void end_run() {
    registry().close_all();
    ds::AppState fresh;
    fresh.program_folder = state().program_folder;
    fresh.app_folder = state().app_folder;
    fresh.date_format = state().date_format;
    state() = fresh;
  }
  void restart() {
    remember_session();
    end_run();
    registry().show(WindowId::main);
    restore_last_choices(test::hub());
  }
  QString settings_file() const { return path(QStringLiteral("settings/Drawsmith/Drawsmith.ini")); }

 private slots:
  void places_choices_and_periods_come_back() {
    choose_samples();
    show(int(WindowId::system));
    QVERIFY(choose("cmbList", QStringLiteral("10_3_6")));
    shown();
    QWidget* lotto = registry().existing(WindowId::lotto);
    lotto->resize(901, 623);
    show(int(WindowId::forecasting));
    shown();
    type("txtFrom", QStringLiteral("2020-01-05"));
    type("txtTo", QStringLiteral("2021-06-30"));
    restart();
    QVERIFY(QFile::exists(settings_file()));  // the store is where the tests put it
    const ds::AppState& s = state();
    QCOMPARE(s.lotto_name, std::string("Canada_6_49"));
    QCOMPARE(s.tset_size, 10);
    QCOMPARE(s.tset_name, std::string("Forecaster1"));
    QCOMPARE(s.system_id, std::string("10_3_6"));
    // The choices are made in the state; no window is made for them, and each
    // shows them when it opens.
    QVERIFY(!registry().existing(WindowId::lotto));
    QCOMPARE(s.draws.rows(), 3622 + 1);
    show(int(WindowId::lotto));
    QCOMPARE(text("cmbName"), QStringLiteral("Canada_6_49"));
    QCOMPARE(w->size(), QSize(901, 623));
    show(int(WindowId::tsets));
    QCOMPARE(text("cmbSets"), QStringLiteral("Forecaster1"));
    show(int(WindowId::forecasting));
    shown();
    QCOMPARE(text("txtFrom"), QStringLiteral("2020-01-05"));
    QCOMPARE(text("txtTo"), QStringLiteral("2021-06-30"));
    // A period is kept as a date: another region's form shows it in that form.
    registry().close_all();
    state().date_format = {ds::DateFormat::Order::dmy, '/', true};
    show(int(WindowId::forecasting));
    shown();
    QCOMPARE(text("txtFrom"), QStringLiteral("05/01/2020"));
  }

  void backtest_keeps_its_period() {
    choose_samples();
    show(int(WindowId::backtest));
    shown();
    type("txtFrom", QStringLiteral("2019-01-01"));
    type("txtTo", QStringLiteral("2019-12-31"));
    restart();
    show(int(WindowId::backtest));
    shown();
    QCOMPARE(text("txtFrom"), QStringLiteral("2019-01-01"));
    QCOMPARE(text("txtTo"), QStringLiteral("2019-12-31"));
  }

  void what_is_gone_is_skipped_without_a_word() {
    choose_samples();
    show(int(WindowId::system));
    QVERIFY(choose("cmbList", QStringLiteral("10_3_6")));
    shown();
    registry().close_all();
    // The set deleted between the runs (and its shipped copy, or the start installs it
    // again): the lotto comes back, the set and system do not.
    QVERIFY(QFile::remove(path(QStringLiteral("Tsets/10/Forecaster1"))));
    QVERIFY(QFile::remove(path(QStringLiteral("d2"))));
    restart();
    QCOMPARE(state().lotto_name, std::string("Canada_6_49"));
    QCOMPARE(state().tset_name, std::string());
    QCOMPARE(state().system_id, std::string());
    // The lotto gone too: nothing chosen, nothing said.
    QVERIFY(QDir(path(QStringLiteral("Games/Canada_6_49"))).removeRecursively());
    QVERIFY(QFile::remove(path(QStringLiteral("d1a"))));
    restart();
    QCOMPARE(state().lotto_name, std::string());
    QVERIFY(registry().existing(WindowId::lotto) == nullptr);
  }

  // A run that opens neither analysis window keeps their periods; a lotto gone
  // between runs takes only itself away, the set and system stay remembered.
  void what_a_run_does_not_touch_stays_remembered() {
    choose_samples();
    show(int(WindowId::system));
    QVERIFY(choose("cmbList", QStringLiteral("10_3_6")));
    show(int(WindowId::backtest));
    shown();
    type("txtFrom", QStringLiteral("2019-01-01"));
    type("txtTo", QStringLiteral("2019-12-31"));
    restart();
    restart();
    show(int(WindowId::backtest));
    shown();
    QCOMPARE(text("txtFrom"), QStringLiteral("2019-01-01"));
    registry().close_all();
    QVERIFY(QDir(path(QStringLiteral("Games/Canada_6_49"))).removeRecursively());
    QVERIFY(QFile::remove(path(QStringLiteral("d1a"))));
    restart();
    restart();
    const QByteArray kept = test::read_all(settings_file());
    QVERIFY2(kept.contains("tset=Forecaster1\n") && kept.contains("system=10_3_6\n") &&
                 !kept.contains("lotto=") && kept.contains("frmBacktest\\from=2019-01-01"),
             kept.constData());
  }

  void a_damaged_settings_file_is_ignored_and_written_afresh() {
    QDir().mkpath(path(QStringLiteral("settings/Drawsmith")));
    static const char binary[] = "[choices]\nlotto=Canada_6_49\n[windows\x01\xff\n=\n\0\0garbage";
    // Junk the reader would skip in silence: a line that is no key, a section left open.
    for (const QByteArray& damaged : {QByteArray(binary, sizeof binary - 1),
                                      QByteArray("[choices]\nlotto=Canada_6_49\ngarbage\n[periods\n")}) {
      test::write_all(settings_file(), damaged);
      registry().show(WindowId::main);
      restore_last_choices(test::hub());
      QCOMPARE(state().lotto_name, std::string());
      choose_samples();
      restart();
      QCOMPARE(state().lotto_name, std::string("Canada_6_49"));
      const QByteArray rewritten = test::read_all(settings_file());
      QVERIFY(rewritten.contains("[choices]\nlotto=Canada_6_49\n"));
      QVERIFY(!rewritten.contains("garbage"));
      QVERIFY(!rewritten.contains('\0'));
      end_run();
    }
  }
};

DS_UI_TEST(SessionTest);
#include "session_test.moc"
