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
#include "systems/catalogue.h"
#include "systems/ui/system_window.h"
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

class SystemsWindowTest : public QObject {
  Q_OBJECT
  std::unique_ptr<test::Fixture> fx;
 private slots:
  void init() {
    fx = std::make_unique<test::Fixture>();
    ds::fill_catalogue(state().messages);
  }
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
    QVERIFY(!registry().existing(WindowId::lotto));
    QWidget* tsets = registry().existing(WindowId::tsets);
    QVERIFY(tsets && tsets->isVisible());
    QCOMPARE(label(w, "lblTset"), QStringLiteral("Not selected"));
    QCOMPARE(label(w, "lblLotto"), QStringLiteral("Not selected"));
    QCOMPARE(label(w, "lblCost"), QStringLiteral("0"));
    QCOMPARE(label(w, "Label4"), QStringLiteral("Guaranteed Results"));
    QCOMPARE(w->findChild<QPushButton*>("cmdPrint")->text(), QStringLiteral("Print System"));
    auto* list = w->findChild<QComboBox*>("cmbList");
    QCOMPARE(list->placeholderText(), QStringLiteral("Select "));
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(list->count(), 41);
    QCOMPARE(list->itemText(0), QStringLiteral("10_3_6"));
    QCOMPARE(list->itemText(40), QStringLiteral("20_4_6"));
  }

  void opening_with_a_set_but_no_lotto_asks_for_the_lotto() {
    state().tset_name = "Forecaster1";
    SystemWindow* w = open_window();
    QCOMPARE(fx->dialogs.messages, QStringList{QStringLiteral("Please select a Lotto in the 'Lotto' window.")});
    QVERIFY(!registry().existing(WindowId::tsets));
    QWidget* lotto = registry().existing(WindowId::lotto);
    QVERIFY(lotto && lotto->isVisible());
    QCOMPARE(label(w, "lblTset"), QStringLiteral("Forecaster1"));
    QCOMPARE(label(w, "lblLotto"), QStringLiteral("Not selected"));
  }

  void sample_road_tickets_cost_file_and_systems_that_do_not_fit() {
    choose_samples();
    SystemWindow* w = open_window();
    QVERIFY(fx->dialogs.messages.isEmpty());
    QCOMPARE(label(w, "lblLotto"), QStringLiteral("Canada_6_49"));
    QCOMPARE(label(w, "lblTset"), QStringLiteral("Forecaster1"));
    auto* results = w->findChild<GridView*>("msfResults");

    choose(w, "10_3_6");
    QCOMPARE(state().system_id, std::string("10_3_6"));
    QCOMPARE(w->tickets_grid().rows(), 11);
    QCOMPARE(w->findChild<GridView*>("msfSystem")->model()->rowCount(), 10);
    QCOMPARE(shown_ticket(w, 1, 0), QStringLiteral("N1"));
    QCOMPARE(shown_ticket(w, 1, 1), at({1, 2, 3, 4, 5, 7}));
    QCOMPARE(shown_ticket(w, 8, 0), QStringLiteral("N8"));
    QCOMPARE(shown_ticket(w, 8, 1), at({8, 9, 10, 1, 2, 4}));
    QCOMPARE(label(w, "lblCost"), QStringLiteral("30"));  // 10 tickets at 3
    QString file = ticket_file();
    QCOMPARE(file.count("\r\n"), 10);
    QCOMPARE(file.count('\n'), 10);
    QVERIFY(file.startsWith("N1 " + at({1, 2, 3, 4, 5, 7}) + "\r\n"));
    QCOMPARE(results->model()->index(4, 2).data().toString(), QStringLiteral("6"));  // w = 3, worst: 6 1

    choose(w, "10_4_6");
    QCOMPARE(w->tickets_grid().rows(), 31);
    QCOMPARE(label(w, "lblCost"), QStringLiteral("90"));
    file = ticket_file();
    QCOMPARE(file.count("\r\n"), 30);
    const std::string results_10_4_6 = w->results_grid().cell(6, 2);

    // A system for eleven numbers: new results and id, same tickets, cost and file.
    choose(w, "11_3_6");
    QCOMPARE(state().system_id, std::string("11_3_6"));
    QVERIFY(w->results_grid().cell(6, 2) != results_10_4_6);
    QCOMPARE(w->results_grid().cell(6, 2), std::to_string(state().results_min[4][2]));
    QCOMPARE(w->tickets_grid().rows(), 31);
    QCOMPARE(label(w, "lblCost"), QStringLiteral("90"));
    QCOMPARE(ticket_file(), file);
    QVERIFY(fx->dialogs.messages.isEmpty());

    // The header rows keep their heights through every choice.
    const int base = results->rowHeight(2);
    QVERIFY(base > 0);
    QCOMPARE(results->rowHeight(0), 2 * base);
    QCOMPARE(results->rowHeight(1), 3 * base);
    QCOMPARE(results->rowHeight(11), base);
  }

  void five_number_system_on_a_six_number_lotto_changes_only_the_results() {
    choose_samples();
    state().tset_size = 11;
    state().tset_numbers[11] = 49;
    SystemWindow* w = open_window();
    choose(w, "11_3_6");
    QCOMPARE(w->tickets_grid().rows(), 12);
    QCOMPARE(shown_ticket(w, 11, 0), QStringLiteral("N11"));
    const QString file = ticket_file();
    QCOMPARE(label(w, "lblCost"), QStringLiteral("33"));
    choose(w, "11_3_5");
    QCOMPARE(state().system_id, std::string("11_3_5"));
    QCOMPARE(w->tickets_grid().rows(), 12);
    QCOMPARE(label(w, "lblCost"), QStringLiteral("33"));
    QCOMPARE(ticket_file(), file);
    for (int k = 2; k <= 6; ++k) QCOMPARE(w->results_grid().cell(10, k), std::string("0"));
    QCOMPARE(w->results_grid().cell(4, 2), std::string("9"));
  }

  void every_fitting_system_shows_its_expanded_tickets() {
    choose_samples();
    SystemWindow* w = open_window();
    for (const ds::SystemInfo& sys : ds::system_catalogue()) {
      state().tset_size = static_cast<std::int16_t>(sys.v);
      for (int p = 1; p <= sys.v; ++p) state().tset_numbers[p] = static_cast<std::int16_t>(2 * p + 1);
      state().lotto.pick_n = static_cast<std::int16_t>(sys.m);
      fx->dialogs.clear();
      const QString id = QString::fromLatin1(sys.id.data(), static_cast<int>(sys.id.size()));
      choose(w, id);
      std::int16_t count = 0;
      ds::TicketTable table;
      if (!ds::load_tickets(sys.id, count, table)) {
        QCOMPARE(fx->dialogs.messages.size(), 1);  // no table held: said, not shown
        QVERIFY(fx->dialogs.messages[0].contains(id));
        continue;
      }
      QVERIFY2(fx->dialogs.messages.isEmpty(), qPrintable(id));
      const auto expanded = ds::expand_tickets(table, count, sys.v, sys.m);
      QCOMPARE(w->tickets_grid().rows(), sys.T + 1);
      for (int r = 1; r <= sys.T; ++r) {
        QStringList numbers;
        for (int p : expanded[r - 1]) numbers << QString::number(2 * p + 1);
        QCOMPARE(shown_ticket(w, r, 1), numbers.join(' '));
      }
      QCOMPARE(label(w, "lblCost"), QString::number(3 * sys.T));  // the sample cost is 3
      QCOMPARE(ticket_file().count("\r\n"), sys.T);
    }
  }

  void unwritable_ticket_file_is_reported_and_the_tickets_stay() {
    choose_samples();
    // The data folder is a file: nothing can be created inside it.
    state().app_folder = state().app_folder / "d1";
    SystemWindow* w = open_window();
    choose(w, "10_3_6");
    QCOMPARE(fx->dialogs.messages.size(), 1);
    QVERIFY(fx->dialogs.messages[0].contains("could not be saved"));
    QCOMPARE(w->tickets_grid().rows(), 11);
    QCOMPARE(shown_ticket(w, 1, 1), at({1, 2, 3, 4, 5, 7}));
    QCOMPARE(label(w, "lblCost"), QStringLiteral("30"));
  }

  void print_system_prints_the_tickets_on_screen() {
    choose_samples();
    SystemWindow* w = open_window();
    QStringList printed;
    SystemWindow::set_print_handler([&printed](QWidget*, const QString& html) { printed << html; });
    auto* print = w->findChild<QPushButton*>("cmdPrint");
    QTest::mouseClick(print, Qt::LeftButton);
    QVERIFY(printed.isEmpty());
    QCOMPARE(fx->dialogs.messages.size(), 1);  // nothing to print yet
    choose(w, "10_3_6");
    choose(w, "11_3_6");  // does not fit: the 10_3_6 tickets stay and are printed
    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(printed.size(), 1);
    for (const QString& part : {QStringLiteral("System 10_3_6"), QStringLiteral("Canada_6_49"),
                                QStringLiteral("Forecaster1"), at({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}),
                                QStringLiteral("at least 3 of the winning numbers"), QStringLiteral("30 $"),
                                QStringLiteral("<b>N10</b>")})
      QVERIFY2(printed[0].contains(part), qPrintable(part));
    QVERIFY(!printed[0].contains("11_3_6"));
  }

  void reopening_starts_afresh_and_the_guide_is_the_system_page() {
    choose_samples();
    SystemWindow* w = open_window();
    choose(w, "10_3_6");
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    w = open_window();
    QCOMPARE(w->tickets_grid().rows(), 1);
    QCOMPARE(label(w, "lblCost"), QStringLiteral("0"));
    QCOMPARE(w->findChild<QComboBox*>("cmbList")->currentIndex(), -1);
    QCOMPARE(state().system_id, std::string("10_3_6"));
    w->findChild<QAction*>("UserGuide")->trigger();
    auto* help = qobject_cast<HelpWindow*>(registry().existing(WindowId::help));
    QVERIFY(help);
    QVERIFY(help->browser()->source().toString().endsWith("system.htm"));
    QVERIFY(help->browser()->toPlainText().contains("Guaranteed Results"));
  }
};

DS_UI_TEST(SystemsWindowTest);
#include "test_systems_window.moc"
