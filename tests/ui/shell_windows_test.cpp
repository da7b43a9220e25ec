#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>

#include "shell/ui/app.h"
#include "shell/ui/help_window.h"
#include "ui_test_support.h"

using namespace ds::ui;

class ShellWindowsTest : public QObject {
  Q_OBJECT
  std::unique_ptr<test::Fixture> fx;
 private slots:
  void init() { fx = std::make_unique<test::Fixture>(); }
  void cleanup() { fx.reset(); }

  void main_window_has_buttons_menu_and_installs_samples() {
    QWidget* main = registry().show(WindowId::main);
    QVERIFY(main);
    QCOMPARE(main->windowTitle(), QStringLiteral("Drawsmith"));
    const QStringList names = {"cmdLotto",       "cmdTsets",    "cmdSystems",
                               "cmdPerformance", "cmdFability", "cmdProfitability"};
    for (const QString& n : names) QVERIFY2(main->findChild<QPushButton*>(n), qPrintable(n));
    auto* menu = static_cast<QMainWindow*>(main)->menuBar()->actions().value(0);
    QVERIFY(menu);
    QCOMPARE(menu->text(), QStringLiteral("&Help"));
    QCOMPARE(ds::messages().select_lotto, std::string("Please select a Lotto in the 'Lotto' window."));
    QVERIFY(QFile::exists(fx->folder() + "/Games/Canada_6_49/draws.txt"));
    QVERIFY(QFile::exists(fx->folder() + "/Games/Canada_6_49/param.tix"));
    QVERIFY(QFile::exists(fx->folder() + "/Tsets/10/Forecaster1"));
  }

  void registry_gives_one_instance_and_recreates_a_closed_window() {
    QWidget* a = registry().get(WindowId::help);
    QVERIFY(a && !a->isVisible());
    QCOMPARE(registry().show(WindowId::help), a);
    QCOMPARE(registry().show(WindowId::help), a);
    state().lotto_name = "kept";
    a->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!registry().existing(WindowId::help));
    QVERIFY(registry().get(WindowId::help));
    QCOMPARE(state().lotto_name, std::string("kept"));
  }

  void every_window_closes_by_the_user_and_opens_again() {
    registry().show(WindowId::main);
    for (WindowId id : {WindowId::lotto, WindowId::tsets, WindowId::system, WindowId::performance,
                        WindowId::forecasting, WindowId::profitability, WindowId::tset_generator}) {
      QWidget* w = registry().show(id);
      QVERIFY(w);
      w->close();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      QVERIFY(!registry().existing(id));
      QVERIFY(registry().show(id));
    }
    // Visible windows deleted at once (as at the end of the program).
    registry().close_all();
  }

  void help_history_spans_menus_of_different_windows() {
    show_help("lotto.htm", "User Guide");
    auto* help = qobject_cast<HelpWindow*>(registry().existing(WindowId::help));
    QVERIFY(help);
    QCOMPARE(help->windowTitle(), QStringLiteral("User Guide"));
    show_help("about.htm", "About");
    QCOMPARE(help->windowTitle(), QStringLiteral("About"));
    QVERIFY(help->browser()->source().toString().endsWith("about.htm"));
    QTest::mouseClick(help->findChild<QPushButton*>("cmdBack"), Qt::LeftButton);
    QVERIFY(help->browser()->source().toString().endsWith("lotto.htm"));
    QTest::mouseClick(help->findChild<QPushButton*>("cmdForward"), Qt::LeftButton);
    QVERIFY(help->browser()->source().toString().endsWith("about.htm"));
    QVERIFY(fx->dialogs.messages.isEmpty());
    // The About page names the folder where the data lives.
    QVERIFY(help->browser()->toPlainText().contains(fx->folder()));
  }
};

DS_UI_TEST(ShellWindowsTest);
#include "shell_windows_test.moc"
