#include "systems/ui/system_window.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>

#include "lotto/lotto_files.h"
#include "shell/fields.h"
#include "shell/files.h"
#include "shell/samples.h"
#include "shell/ui/app.h"
#include "shell/ui/grid_view.h"
#include "shell/ui/help_window.h"
#include "ui_test_support.h"

using namespace ds::ui;

namespace {

// The sample lotto and the last row of the sample set, as the Lotto and Targeted
// Sets windows leave them.
void choose_samples() {
  ds::AppState& s = state();
  ds::create_samples(s.program_folder, s.app_folder);
  QCOMPARE(ds::read_definition(ds::lotto_folder(s.app_folder), "Canada_6_49", s.lotto), std::string());
  s.lotto_name = "Canada_6_49";
  const auto text = ds::read_file(s.app_folder / "Tsets" / "10" / "Forecaster1");
  QVERIFY(text);
  const auto lines = ds::split_lines(*text);
  QVERIFY(!lines.empty());
  std::int16_t count = 0;
  std::vector<std::string> fields;
  ds::split_fields(" ", lines.back(), count, fields);
  QCOMPARE(int(count), 11);  // the date, then ten numbers
  s.tset_name = "Forecaster1";
  s.tset_size = 10;
  for (int p = 1; p <= 10; ++p) s.tset_numbers[p] = *ds::parse_i16(fields[p + 1]);
}

SystemWindow* open_window() { return qobject_cast<SystemWindow*>(registry().show(WindowId::system)); }

void choose(SystemWindow* w, const QString& id) {
  auto* list = w->findChild<QComboBox*>("cmbList");
  const int i = list->findText(id);
  QVERIFY2(i >= 0, qPrintable(id));
  list->setCurrentIndex(i);
  emit list->activated(i);
}

QString label(QWidget* w, const char* name) { return w->findChild<QLabel*>(name)->text(); }

// The set's numbers at the given positions, as one ticket's text.
QString at(std::initializer_list<int> positions) {
  QStringList parts;
  for (int p : positions) parts << QString::number(state().tset_numbers[p]);
  return parts.join(' ');
}

QString ticket_file() {
  QFile f(QString::fromStdString(ds::ticket_file_path(state().app_folder).string()));
  return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QStringLiteral("<missing>");
}

// What the ticket view shows in a view row (header row apart).
QString shown_ticket(SystemWindow* w, int ticket, int col) {
  auto* view = w->findChild<GridView*>("msfSystem");
  return view->model()->index(ticket - 1, col).data().toString();
}

}  // namespace

class SystemWindowTest : public QObject {
  Q_OBJECT
  std::unique_ptr<test::Fixture> fx;
 private slots:
  void init() { fx = std::make_unique<test::Fixture>(); }
  void cleanup() {
    SystemWindow::set_print_handler(nullptr);
    fx.reset();
  }

  void opening_with_nothing_chosen_asks_for_a_set_only() {
    SystemWindow* w = open_window();
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->objectName(), QStringLiteral("frmSystem"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Systems"));
    QCOMPARE(fx->dialogs.messages,
             QStringList{QStringLiteral("Please select a Targeted Set in the 'Targeted Sets' window.")});
    QWidget* tsets = registry().existing(WindowId::tsets);
    QVERIFY(tsets && tsets->isVisible());
    QCOMPARE(label(w, "lblTset"), QStringLiteral("Not selected"));
    auto* list = w->findChild<QComboBox*>("cmbList");
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(list->count(), 41);
  }

  void sample_road_tickets_cost_file_print_and_systems_that_do_not_fit() {
    choose_samples();
    SystemWindow* w = open_window();
    QVERIFY(fx->dialogs.messages.isEmpty());
    QCOMPARE(label(w, "lblLotto"), QStringLiteral("Canada_6_49"));
    auto* results = w->findChild<GridView*>("msfResults");
    QStringList printed;
    SystemWindow::set_print_handler([&printed](QWidget*, const QString& html) { printed << html; });
    auto* print = w->findChild<QPushButton*>("cmdPrint");
    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(fx->dialogs.messages.size(), 1);  // nothing to print yet
    fx->dialogs.clear();

    choose(w, "10_3_6");
    QCOMPARE(w->findChild<GridView*>("msfSystem")->model()->rowCount(), 10);
    QCOMPARE(shown_ticket(w, 1, 0), QStringLiteral("N1"));
    QCOMPARE(shown_ticket(w, 8, 1), at({8, 9, 10, 1, 2, 4}));
    QCOMPARE(label(w, "lblCost"), QStringLiteral("30"));        // 10 tickets at 3
    QVERIFY(w->findChild<QLabel*>("lblRowsNote")->isHidden());  // 10_3_6 gives the published rows
    const QString file = ticket_file();
    QVERIFY(file.startsWith("N1 " + at({1, 2, 3, 4, 5, 7}) + "\r\n"));
    QCOMPARE(results->model()->index(4, 2).data().toString(), QStringLiteral("6"));  // w = 3, worst: 6 1

    // A system for eleven numbers: new results and id, same tickets, cost and file.
    choose(w, "11_3_6");
    QCOMPARE(w->results_grid().cell(6, 2), std::to_string(state().results_min[4][2]));
    QCOMPARE(ticket_file(), file);
    QVERIFY(fx->dialogs.messages.isEmpty());
    // Print System prints the tickets on screen, those of 10_3_6.
    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(printed.size(), 1);
    for (const QString& part :
         {QStringLiteral("System 10_3_6"), QStringLiteral("30 $"), QStringLiteral("<b>N10</b>")})
      QVERIFY2(printed[0].contains(part), qPrintable(part));
    QVERIFY(!printed[0].contains("11_3_6"));

    // The header rows keep their heights through every choice.
    const int base = results->rowHeight(2);
    QVERIFY(base > 0);
    QCOMPARE(results->rowHeight(0), 2 * base);
    QCOMPARE(results->rowHeight(1), 3 * base);
  }

  void reopening_starts_afresh_and_the_guide_is_the_system_page() {
    choose_samples();
    SystemWindow* w = open_window();
    choose(w, "10_3_6");
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    w = open_window();
    QCOMPARE(w->tickets_grid().rows(), 1);
    QCOMPARE(w->findChild<QComboBox*>("cmbList")->currentIndex(), -1);
    w->findChild<QAction*>("UserGuide")->trigger();
    auto* help = qobject_cast<HelpWindow*>(registry().existing(WindowId::help));
    QVERIFY(help);
    QVERIFY(help->browser()->source().toString().endsWith("system.htm"));
  }
};

DS_UI_TEST(SystemWindowTest);
#include "system_window_test.moc"
