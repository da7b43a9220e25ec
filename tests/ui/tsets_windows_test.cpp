#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

#include "lotto/lotto_files.h"
#include "shell/samples.h"
#include "shell/ui/app.h"
#include "shell/ui/grid_view.h"
#include "tsets/ui/tset_generator_window.h"
#include "tsets/ui/tsets_window.h"
#include "ui_test_support.h"

using namespace ds::ui;

namespace {

QByteArray read_all(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

}  // namespace

class TsetsWindowsTest : public QObject, test::Driver {
  Q_OBJECT
  std::unique_ptr<test::Fixture> fx;

  bool enabled(const char* name) { return find(name)->isEnabled(); }
  void place(int index, int number, bool with_enter = false) {
    type("cmbIndex", QString::number(index));
    type("cmbNumber", QString::number(number));
    if (with_enter) {
      QTest::keyClick(find<QComboBox>("cmbNumber")->lineEdit(), Qt::Key_Return);
      QCoreApplication::processEvents();
    } else {
      click("cmdAcceptNumber");
    }
  }
  TsetsWindow* open() {
    auto* t = qobject_cast<TsetsWindow*>(registry().show(WindowId::tsets));
    w = t;
    t->activateWindow();
    if (!QTest::qWaitForWindowActive(t)) qWarning("the window did not become active");
    return t;
  }
  const ds::TextGrid& sets() { return *borrow_grid(LentGrid::sets); }
  QString set_file(int size, const QString& name) {
    return fx->folder() + QStringLiteral("/Tsets/%1/").arg(size) + name;
  }
  // The sample lotto chosen in the (hidden) Lotto window, as a user picks it.
  const ds::TextGrid* draw_grid() {
    auto* names = registry().get(WindowId::lotto)->findChild<QComboBox*>(QStringLiteral("cmbName"));
    const int i = names ? names->findText(QStringLiteral("Canada_6_49")) : -1;
    if (i < 0) return nullptr;
    emit names->activated(i);
    return borrow_grid(LentGrid::draws);
  }

 private slots:
  void init() {
    fx = std::make_unique<test::Fixture>();
    ds::create_samples(state().program_folder, state().app_folder);
  }
  void cleanup() {
    QVERIFY2(!fx->dialogs.unexpected, "an input box nobody expected");
    w = nullptr;
    fx.reset();
  }

  void size_10_and_forecaster1_make_the_last_row_the_current_set() {
    open();
    QCOMPARE(w->objectName(), QStringLiteral("frmTsets"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Targeted Sets"));
    for (const char* b : {"cmdNew", "cmdAdd", "cmdSave", "cmdTsetGenerator", "cmbSets"})
      QVERIFY2(!enabled(b), b);
    pick("cmbSize", "10");
    QVERIFY(enabled("cmbSets") && enabled("cmdNew"));
    pick("cmbSets", "Forecaster1");
    QVERIFY(fx->dialogs.messages.isEmpty());
    QCOMPARE(sets().rows(), 61);
    QCOMPARE(state().tset_row, std::int16_t{60});
    QVERIFY(enabled("cmdTsetGenerator") && !enabled("cmdSave"));

    // Clicking a row makes it the current set.
    auto* view = find<GridView>("msfTsets");
    QCOMPARE(view->current_grid_row(), 60);
    const QRect cell = view->visualRect(view->model()->index(0, 3));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(state().tset_row, std::int16_t{1});
  }

  void a_new_set_filled_number_by_number_saves_in_date_order() {
    open();
    pick("cmbSize", "12");
    fx->dialogs.answers.push_back(QStringLiteral("Mine"));
    click("cmdNew");
    QCOMPARE(find<QComboBox>("cmbSets")->currentText(), QStringLiteral("Mine"));
    type("txtDate", "2025-03-03");
    click("cmdAcceptDate");
    for (int i = 1; i <= 12; ++i) place(13 - i, 9 + i);
    QVERIFY(enabled("cmdSave"));

    // A refusal puts the focus where the user fixes it.
    place(3, 15);
    QCOMPARE(fx->dialogs.messages, QStringList{QStringLiteral("This number was previously selected.")});
    QVERIFY(has_focus("cmbNumber"));
    fx->dialogs.messages.clear();

    click("cmdAdd");
    for (int i = 1; i <= 12; ++i) place(i, 60 + i, true);  // Enter in the number box places it
    click("cmdSave");  // the new row has no date yet: refused, the file kept
    QCOMPARE(fx->dialogs.messages, QStringList{QStringLiteral("Incorrect date.")});
    QCOMPARE(read_all(set_file(12, "Mine")), QByteArray());
    fx->dialogs.messages.clear();
    type("txtDate", "2025-03-01");
    QTest::keyClick(find<QLineEdit>("txtDate"), Qt::Key_Return);  // Enter accepts the date
    click("cmdSave");
    QVERIFY(fx->dialogs.messages.isEmpty());
    QCOMPARE(read_all(set_file(12, "Mine")),
             QByteArray("2025-03-01 61 62 63 64 65 66 67 68 69 70 71 72 \r\n"
                        "2025-03-03 21 20 19 18 17 16 15 14 13 12 11 10 \r\n"));
    QCOMPARE(static_cast<QMainWindow*>(w)->statusBar()->currentMessage(),
             QStringLiteral("Saved 2 rows of 'Mine'."));
  }

  void generator_proposes_frequency_sets_and_refuses_a_bad_step() {
    const ds::TextGrid* draws = draw_grid();
    QVERIFY(draws && draws->rows() == 3623);
    open();
    pick("cmbSize", "20");
    fx->dialogs.answers.push_back(QStringLiteral("Gen"));
    click("cmdNew");
    type("txtDate", "2025-11-22");
    click("cmdTsetGenerator");
    auto* gen = qobject_cast<TsetGeneratorWindow*>(registry().existing(WindowId::tset_generator));
    QVERIFY(gen && gen->isVisible());
    w = gen;

    // The most frequent numbers of the last ten sample draws fill the set's row.
    const int last = draws->rows() - 1;
    type("txtFrom", QString::fromStdString(draws->cell(last - 9, 0)));
    type("txtTo", QString::fromStdString(draws->cell(last, 0)));
    find<QRadioButton>("optHighFr")->click();
    click("cmdGo");
    QVERIFY(fx->dialogs.messages.isEmpty());
    QCOMPARE(sets().cell(1, 0), std::string("2025-11-22"));
    const ds::TextGrid& freq = *borrow_grid(LentGrid::frequencies);
    QCOMPARE(freq.cell(51, 1), std::string("10"));
    for (int c = 1; c <= 20; ++c) QCOMPARE(sets().cell(1, c), freq.cell(c, 0));

    // A step below 1 is refused, with the focus on the step box.
    gen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(gen));
    type("txtStep", "0");
    click("cmdGo");
    QCOMPARE(fx->dialogs.messages, QStringList{QStringLiteral("Sorry, the data is not correct.")});
    QVERIFY(has_focus("txtStep"));
  }
};

DS_UI_TEST(TsetsWindowsTest);
#include "tsets_windows_test.moc"
