#include <QDir>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>

#include "shell/ui/app.h"
#include "shell/ui/help_window.h"
#include "support/window_test.h"

using namespace ds::ui;
using ds::ui::test::state;

class ShellWindowsTest : public test::WindowTest {
  Q_OBJECT
 public:
  ShellWindowsTest() : WindowTest(false) {}

 private slots:
  void main_window_has_buttons_menu_and_installs_samples() {
    auto* main = qobject_cast<QMainWindow*>(show(int(WindowId::main)));
    for (const char* n :
         {"cmdLotto", "cmdTsets", "cmdSystems", "cmdPerformance", "cmdFability", "cmdProfitability"})
      QVERIFY2(find<QPushButton>(n), n);
    QCOMPARE(main->menuBar()->actions().value(0)->text(), QStringLiteral("&Help"));
    const std::pair<const char*, const char*> installed[] = {{"Games/Canada_6_49/draws.txt", "d1"},
                                                             {"Games/Canada_6_49/param.tix", "d1a"},
                                                             {"Tsets/10/Forecaster1", "d2"}};
    for (auto [file, sample] : installed) QCOMPARE(test::read_all(path(file)), test::read_all(path(sample)));
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

  // Making a window reads nothing; it reads its files when it opens, and the state
  // then carries what it shows.
  void windows_read_their_files_when_opened_not_when_made() {
    const QDir data(folder());
    for (WindowId id : {WindowId::lotto, WindowId::tsets}) QVERIFY(registry().get(id));
    QVERIFY(!data.exists(QStringLiteral("Games")));
    QVERIFY(!data.exists(QStringLiteral("Tsets")));
    registry().show(WindowId::lotto);
    QVERIFY(data.exists(QStringLiteral("Games")));
    QVERIFY(!data.exists(QStringLiteral("Tsets")));

    registry().show(WindowId::tsets);
    QVERIFY(data.exists(QStringLiteral("Tsets")));
    const ds::TextGrid* lent = &test::hub().state().tset_rows;
    // The design state: the date and the numbers of the smallest set.
    QCOMPARE(lent->rows(), 1);
    QCOMPARE(lent->cols(), 11);
    QCOMPARE(lent->cell(0, 0), std::string("Date"));
    QCOMPARE(lent->cell(0, 10), std::string("N10"));
  }

  void every_window_closes_by_the_user_and_opens_again() {
    registry().show(WindowId::main);
    for (WindowId id :
         {WindowId::lotto, WindowId::tsets, WindowId::system, WindowId::performance, WindowId::forecasting,
          WindowId::profitability, WindowId::tset_generator, WindowId::backtest}) {
      QWidget* window = registry().show(id);
      QVERIFY(window);
      window->close();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      QVERIFY(!registry().existing(id));
      QVERIFY(registry().show(id));
    }
    shown();  // each opening asks for what it lacks
  }

  void help_history_spans_menus_of_different_windows() {
    show_help("lotto.htm", "User Guide");
    auto* help = qobject_cast<HelpWindow*>(registry().existing(WindowId::help));
    QCOMPARE(help->windowTitle(), QStringLiteral("User Guide"));
    show_help("about.htm", "About");
    QCOMPARE(help->windowTitle(), QStringLiteral("About"));
    w = help;
    QVERIFY(help->browser()->source().toString().endsWith("about.htm"));
    click("cmdBack");
    QVERIFY(help->browser()->source().toString().endsWith("lotto.htm"));
    click("cmdForward");
    QVERIFY(help->browser()->source().toString().endsWith("about.htm"));
    // The About page names the folder where the data lives, and its files.
    const QString about = help->browser()->toPlainText();
    QVERIFY(about.contains(folder()));
    for (const char* file : {"param.tix", "game.txt", "draws.txt", "Wheels"})
      QVERIFY2(about.contains(file), file);
  }
};

DS_UI_TEST(ShellWindowsTest);
#include "shell_windows_test.moc"
