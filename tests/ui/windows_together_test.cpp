// What one window does must never lose or mix the data another window holds.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFont>
#include <QLineEdit>
#include <QSignalSpy>

#include "lotto/lotto_files.h"
#include "shell/files.h"
#include "shell/samples.h"
#include "shell/ui/app.h"
#include "shell/ui/grid_view.h"
#include "ui_test_support.h"

using namespace ds::ui;

namespace {

QByteArray read_all(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

const char* const draw_boxes[] = {"txtN1", "txtN2", "txtN3", "txtN4", "txtN5", "txtN6", "txtNB"};

}  // namespace

class WindowsTogetherTest : public QObject {
  Q_OBJECT
  std::unique_ptr<test::Fixture> fx;
  test::Driver d;

  QString games(const QString& rest) const { return fx->folder() + QStringLiteral("/Games/") + rest; }
  void type_draw(const QString& date, const QStringList& numbers) {
    d.type("txtDate", date);
    for (int i = 0; i < 7; ++i) d.type(draw_boxes[i], numbers[i]);
  }
  const ds::TextGrid& draws() { return *borrow_grid(LentGrid::draws); }

 private slots:
  void init() {
    fx = std::make_unique<test::Fixture>();
    ds::create_samples(state().program_folder, state().app_folder);
  }
  void cleanup() {
    QVERIFY2(!fx->dialogs.unexpected, "an input box nobody expected");
    fx.reset();
  }

  // The generator reads the draw grid without moving its rows, so the Lotto
  // window's current row still holds the draw the user is typing.
  void generator_run_keeps_the_draw_being_typed_in_its_row() {
    const QByteArray before = read_all(games("Canada_6_49/draws.txt"));
    d.show(int(WindowId::lotto));
    QVERIFY(d.choose("cmbName", "Canada_6_49"));
    d.click("cmdDrawNew");
    type_draw("2025-11-22", {"3", "9", "21", "30", "44", "49", "7"});
    d.click("cmdAdd");

    d.show(int(WindowId::tsets));
    QVERIFY(d.choose("cmbSize", "10"));
    QVERIFY(d.choose("cmbSets", "Forecaster1"));
    d.click("cmdTsetGenerator");
    d.w = registry().existing(WindowId::tset_generator);
    d.type("txtFrom", "2025-01-01");
    d.type("txtTo", "2025-11-19");
    d.find<QAbstractButton>("optHighFr")->click();
    d.click("cmdGo");
    QCOMPARE(fx->dialogs.messages, QStringList());
    QCOMPARE(draws().cell(3622, 0), std::string("2025-11-19"));

    d.show(int(WindowId::lotto));
    type_draw("2025-11-22", {"2", "8", "20", "31", "43", "48", "5"});
    d.click("cmdAdd");
    d.click("cmdDrawSave");
    QCOMPARE(fx->dialogs.messages, QStringList());
    QCOMPARE(read_all(games("Canada_6_49/draws.txt")), before + "2025-11-22 2 8 20 31 43 48 5 \r\n");
  }

  // Edit + another lotto's name, a cancelled or refused Create, a typed name:
  // none of them writes over or drops a lotto.
  void lotto_definitions_are_never_written_over_or_dropped() {
    ds::LottoDefinition other;
    QCOMPARE(ds::read_definition(ds::lotto_folder(state().app_folder), "Canada_6_49", other), std::string());
    other.cost = 2;
    QCOMPARE(ds::write_definition(ds::lotto_folder(state().app_folder), "Other", other), std::string());
    const QByteArray other_bytes = read_all(games("Other/param.tix"));
    d.show(int(WindowId::lotto));
    QVERIFY(d.choose("cmbName", "Canada_6_49"));

    d.click("cmdLottoEdit");
    d.type("cmbName", "Other");
    d.click("cmdLottoSave");
    QCOMPARE(
        fx->dialogs.messages,
        QStringList{
            "The lotto 'Other' already exists. Choose it in the Name list and press Edit to change it."});
    QVERIFY(d.has_focus("cmbName"));
    QCOMPARE(read_all(games("Other/param.tix")), other_bytes);

    // Typed text is not a choice: leaving the box with a listed name (any case)
    // neither completes nor loads it.
    d.type("txtCost", "7");
    for (const QString typed :
         {QStringLiteral("C"), QStringLiteral("canada_6_49"), QStringLiteral("Other")}) {
      d.type("cmbName", typed);
      QTest::keyClick(d.find<QComboBox>("cmbName")->lineEdit(), Qt::Key_Tab);
      QCOMPARE(d.text("cmbName"), typed);
      QCOMPARE(d.text("txtCost"), QStringLiteral("7"));
    }

    // Create cancelled, then refused: the lotto shown and its draws stay.
    QVERIFY(d.choose("cmbName", "Canada_6_49"));
    fx->dialogs.clear();
    fx->dialogs.answers = {QString(), QStringLiteral("Other")};
    for (int i = 0; i < 2; ++i) {
      d.click("cmdLottoCreate");
      QCOMPARE(d.text("cmbName"), QStringLiteral("Canada_6_49"));
      QCOMPARE(d.text("txt6PR"), QStringLiteral("5000000"));
      QCOMPARE(draws().rows(), 3623);
    }
    QCOMPARE(fx->dialogs.messages.size(), 1);

    // A value that needs eight digits survives being shown and saved again.
    d.click("cmdLottoEdit");
    d.type("txt6PR", "12345678");
    d.click("cmdLottoSave");
    const QByteArray saved = read_all(games("Canada_6_49/param.tix"));
    QVERIFY(d.choose("cmbName", "Canada_6_49"));
    QCOMPARE(d.text("txt6PR"), QStringLiteral("12345678"));
    d.click("cmdLottoEdit");
    d.click("cmdLottoSave");
    QCOMPARE(read_all(games("Canada_6_49/param.tix")), saved);
    QCOMPARE(fx->dialogs.messages.size(), 1);
  }

  // A set row that cannot be copied whole leaves no numbers: the Systems window
  // asks for a set rather than expanding numbers of two sets.
  void a_bad_set_row_leaves_no_numbers_for_the_systems_window() {
    QVERIFY(ds::write_file_atomic(state().app_folder / "Tsets" / "10" / "Bad",
                                  "2025-01-01 1 2 3 4 x5 6 7 8 9 10 \r\n")
                .empty());
    d.show(int(WindowId::lotto));
    QVERIFY(d.choose("cmbName", "Canada_6_49"));
    d.show(int(WindowId::tsets));
    QVERIFY(d.choose("cmbSize", "10"));
    QVERIFY(d.choose("cmbSets", "Forecaster1"));
    // Set headers are drawn bold.
    auto* view = d.find<GridView>("msfTsets");
    QVERIFY(view->model()->headerData(1, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
    QVERIFY(d.choose("cmbSets", "Bad"));
    QCOMPARE(fx->dialogs.messages, QStringList{"Incorrect data in the cell 1,5)"});
    d.show(int(WindowId::system));
    QVERIFY(d.choose("cmbList", "10_3_6"));
    QCOMPARE(fx->dialogs.messages.last(),
             QStringLiteral("Please, select the targeted set on the form 'Tsets'"));
    QVERIFY(!ds::file_exists(state().app_folder / "system"));
  }

  // About, User Guide and Exit answer their keys even with the focus in a box,
  // and the box keeps its text.
  void help_keys_work_from_a_text_box() {
    for (auto [window, box] :
         {std::pair{WindowId::lotto, "txtDate"}, std::pair{WindowId::tset_generator, "txtStep"}}) {
      d.show(int(window));
      d.type(box, "2025-11-22");
      QSignalSpy exit(d.w->findChild<QAction*>(QStringLiteral("Exit")), &QAction::triggered);
      for (auto key : {Qt::Key_A, Qt::Key_U, Qt::Key_E}) {
        d.find(box)->setFocus();
        QTest::keyClick(d.find(box), key, Qt::ControlModifier);
        QCOMPARE(d.text(box), QStringLiteral("2025-11-22"));
      }
      QWidget* help = registry().existing(WindowId::help);
      QVERIFY(help && help->isVisible());
      QCOMPARE(help->windowTitle(), QStringLiteral("User Guide"));
      QCOMPARE(exit.count(), 1);
      help->close();
    }
  }
};

DS_UI_TEST(WindowsTogetherTest);
#include "windows_together_test.moc"
