#include <QComboBox>
#include <QMainWindow>
#include <QRadioButton>
#include <QStatusBar>

#include "shell/ui/app.h"
#include "shell/ui/grid_view.h"
#include "support/window_test.h"
#include "tsets/ui/tsets_window.h"

using namespace ds::ui;
using ds::ui::test::state;

class TsetsWindowsTest : public test::WindowTest {
  Q_OBJECT
  void place(int index, int number, bool with_enter = false) {
    type("cmbIndex", QString::number(index));
    type("cmbNumber", QString::number(number));
    if (with_enter)
      key("cmbNumber", Qt::Key_Return);
    else
      click("cmdAcceptNumber");
  }
  const ds::TextGrid& sets() { return test::hub().state().tset_rows; }

 private slots:
  void size_10_and_forecaster1_make_the_last_row_the_current_set() {
    show(int(WindowId::tsets));
    for (const char* b : {"cmdNew", "cmdAdd", "cmdSave", "cmdTsetGenerator", "cmbSets"})
      QVERIFY2(!enabled(b), b);
    pick("cmbSize", "10");
    QVERIFY(enabled("cmbSets") && enabled("cmdNew"));
    pick("cmbSets", "Forecaster1");
    QCOMPARE(sets().rows(), 61);
    QCOMPARE(state().tset_row, std::int16_t{60});
    QVERIFY(enabled("cmdTsetGenerator") && !enabled("cmdSave"));

    // Clicking a row makes it the current set.
    auto* view = find<GridView>("msfTsets");
    QCOMPARE(view->current_grid_row(), 60);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(0, 3)).center());
    QCOMPARE(state().tset_row, std::int16_t{1});
  }

  void a_new_set_filled_number_by_number_saves_in_date_order() {
    show(int(WindowId::tsets));
    pick("cmbSize", "12");
    dialogs.answers.push_back(QStringLiteral("Mine"));
    click("cmdNew");
    QCOMPARE(text("cmbSets"), QStringLiteral("Mine"));
    type("txtDate", "2025-03-03");
    click("cmdAcceptDate");
    for (int i = 1; i <= 12; ++i) place(13 - i, 9 + i);
    QVERIFY(enabled("cmdSave"));

    // A refusal puts the focus where the user fixes it.
    place(3, 15);
    QCOMPARE(shown(), QStringList{"This number was previously selected."});
    QVERIFY(has_focus("cmbNumber"));

    click("cmdAdd");
    for (int i = 1; i <= 12; ++i) place(i, 60 + i, true);  // Enter in the number box places it
    click("cmdSave");  // the new row has no date yet: refused, the file kept
    QCOMPARE(shown(), QStringList{"Incorrect date."});
    QCOMPARE(test::read_all(path("Tsets/12/Mine")), QByteArray());
    type("txtDate", "2025-03-01");
    key("txtDate", Qt::Key_Return);  // Enter accepts the date
    click("cmdSave");
    QCOMPARE(test::read_all(path("Tsets/12/Mine")),
             QByteArray("2025-03-01 61 62 63 64 65 66 67 68 69 70 71 72 \r\n"
                        "2025-03-03 21 20 19 18 17 16 15 14 13 12 11 10 \r\n"));
    QCOMPARE(static_cast<QMainWindow*>(w)->statusBar()->currentMessage(),
             QStringLiteral("Saved 2 rows of 'Mine'."));
  }

  // Changed rows are never dropped unasked: another set, the window closed or the
  // program ended asks Save (0), Discard (1) or Cancel ("").
  void unsaved_rows_are_asked_about_before_they_go() {
    show(int(WindowId::tsets));
    pick("cmbSize", "10");
    pick("cmbSets", "Forecaster1");
    const QByteArray before = test::read_all(path("Tsets/10/Forecaster1"));
    click("cmdAdd");
    type("txtDate", "2025-12-01");
    click("cmdAcceptDate");
    for (int i = 1; i <= 10; ++i) place(i, 9 * i - 8);
    dialogs.answers = {""};
    QVERIFY(choose("cmbSets", "Forecaster1"));  // reading it again would drop the new row
    QCOMPARE(sets().rows(), 62);
    dialogs.answers = {"0"};
    QVERIFY(registry().may_end_program());
    QCOMPARE(test::read_all(path("Tsets/10/Forecaster1")),
             before + "2025-12-01 1 10 19 28 37 46 55 64 73 82 \r\n");
    click("cmdAdd");
    dialogs.answers = {"1"};
    QVERIFY(w->close());
    QCOMPARE(dialogs.prompts.filter("are not saved").size(), 3);
  }

  void generator_proposes_frequency_sets_and_refuses_a_bad_step() {
    show(int(WindowId::lotto));
    QVERIFY(choose("cmbName", "Canada_6_49"));
    show(int(WindowId::tsets));
    pick("cmbSize", "20");
    dialogs.answers.push_back(QStringLiteral("Gen"));
    click("cmdNew");
    type("txtDate", "2025-11-22");
    click("cmdTsetGenerator");
    w = registry().existing(WindowId::tset_generator);
    QVERIFY(w && w->isVisible());

    // The ten sample draws from 2025-10-18 to 2025-11-19 hold 2, 17, 21, 39 and 41
    // three times each and no number more often: they open the set's row.
    type("txtFrom", "2025-10-18");
    type("txtTo", "2025-11-19");
    find<QRadioButton>("optHighFr")->click();
    click("cmdGo");
    QCOMPARE(sets().cell(1, 0), std::string("2025-11-22"));
    const ds::TextGrid& freq = *find<GridView>("msfFrequencies")->grid_model()->grid();
    QCOMPARE(freq.cell(51, 1), std::string("10"));
    QStringList first;
    for (int c = 1; c <= 5; ++c) first << QString::fromStdString(sets().cell(1, c)).rightJustified(2);
    first.sort();
    QCOMPARE(first.join(','), QStringLiteral(" 2,17,21,39,41"));

    // A step below 1 is refused, with the focus on the step box.
    show(int(WindowId::tset_generator));
    type("txtStep", "0");
    click("cmdGo");
    QCOMPARE(shown(), QStringList{"Sorry, the data is not correct."});
    QVERIFY(has_focus("txtStep"));
  }
};

DS_UI_TEST(TsetsWindowsTest);
#include "tsets_windows_test.moc"
