// What one window does must never lose or mix the data another window holds.
#include <QAbstractButton>
#include <QAction>
#include <QFont>
#include <QLineEdit>
#include <QSignalSpy>

#include "lotto/lotto_files.h"
#include "shell/files.h"
#include "shell/ui/app.h"
#include "shell/ui/grid_view.h"
#include "support/window_test.h"

using namespace ds::ui;
using ds::ui::test::state;

class WindowsTogetherTest : public test::WindowTest {
  Q_OBJECT
  QString games(const QString& rest) const { return path(QStringLiteral("Games/") + rest); }
  const ds::TextGrid& draws() { return test::hub().state().draws; }

 private slots:
  // The generator reads the draw grid without moving its rows, so the Lotto
  // window's current row still holds the draw the user is typing.
  void generator_run_keeps_the_draw_being_typed_in_its_row() {
    const QByteArray before = test::read_all(games("Canada_6_49/draws.txt"));
    show(int(WindowId::lotto));
    QVERIFY(choose("cmbName", "Canada_6_49"));
    click("cmdDrawNew");
    type_draw("2025-11-22", {"3", "9", "21", "30", "44", "49", "7"});
    click("cmdAdd");

    show(int(WindowId::tsets));
    QVERIFY(choose("cmbSize", "10"));
    QVERIFY(choose("cmbSets", "Forecaster1"));
    click("cmdTsetGenerator");
    w = registry().existing(WindowId::tset_generator);
    type("txtFrom", "2025-01-01");
    type("txtTo", "2025-11-19");
    find<QAbstractButton>("optHighFr")->click();
    click("cmdGo");
    QCOMPARE(draws().cell(3622, 0), std::string("2025-11-19"));

    show(int(WindowId::lotto));
    type_draw("2025-11-22", {"2", "8", "20", "31", "43", "48", "5"});
    click("cmdAdd");
    click("cmdDrawSave");
    QCOMPARE(test::read_all(games("Canada_6_49/draws.txt")), before + "2025-11-22 2 8 20 31 43 48 5 \r\n");
  }

  // Each window uses what the others show: the draw the Lotto window shows, the
  // set row as Accept Number changed it, named on screen as on paper.
  void windows_use_the_draw_and_the_set_row_the_others_show() {
    choose_samples();
    show(int(WindowId::system));
    QVERIFY(choose("cmbList", "10_3_6"));
    QCOMPARE(text("lblTset"), QStringLiteral("Forecaster1"));
    show(int(WindowId::performance));
    QCOMPARE(shown(), QStringList{});
    QCOMPARE(text("txtN1"), QStringLiteral("14"));  // the last draw, 2025-11-19
    QCOMPARE(text("txtN7"), QStringLiteral("5"));
    QCOMPARE(text("lblSystem"), QStringLiteral("10_3_6"));
    QCOMPARE(text("lblTset"), QStringLiteral("41 17 5 46 12 22 4 21 35 38 "));

    // The last number of the set's last row, 38, becomes 49.
    show(int(WindowId::tsets));
    type("cmbIndex", "10");
    type("cmbNumber", "49");
    click("cmdAcceptNumber");
    show(int(WindowId::system));
    QVERIFY(choose("cmbList", "10_4_6"));
    QCOMPARE(text("lblTset"), QStringLiteral("unsaved set"));
    const auto* tickets = find<GridView>("msfSystem");
    bool has_49 = false, has_38 = false;
    for (int r = 0; r < tickets->model()->rowCount(); ++r) {
      const QStringList numbers = tickets->model()->index(r, 1).data().toString().split(' ');
      has_49 |= numbers.contains("49");
      has_38 |= numbers.contains("38");
    }
    QVERIFY(has_49 && !has_38);
  }

  // Edit + another lotto's name, a cancelled or refused Create, a typed name:
  // none of them writes over or drops a lotto.
  void lotto_definitions_are_never_written_over_or_dropped() {
    ds::LottoDefinition other;
    QCOMPARE(ds::read_definition(ds::lotto_folder(state().app_folder), "Canada_6_49", other), std::string());
    other.cost = 2;
    QCOMPARE(ds::write_definition(ds::lotto_folder(state().app_folder), "Other", other), std::string());
    const QByteArray other_bytes = test::read_all(games("Other/param.tix"));
    show(int(WindowId::lotto));
    QVERIFY(choose("cmbName", "Canada_6_49"));

    click("cmdLottoEdit");
    type("cmbName", "Other");
    click("cmdLottoSave");
    QCOMPARE(shown(),
             QStringList{"The lotto 'Other' already exists. Choose it in the Name list and press Edit "
                         "to change it."});
    QVERIFY(has_focus("cmbName"));
    QCOMPARE(test::read_all(games("Other/param.tix")), other_bytes);

    // Typed text is not a choice: leaving the box with a listed name (any case)
    // neither completes nor loads it.
    type("txtCost", "7");
    for (const QString& typed :
         {QStringLiteral("C"), QStringLiteral("canada_6_49"), QStringLiteral("Other")}) {
      type("cmbName", typed);
      key("cmbName", Qt::Key_Tab);
      QCOMPARE(text("cmbName"), typed);
      QCOMPARE(text("txtCost"), QStringLiteral("7"));
    }

    // Create cancelled, then refused: the lotto shown and its draws stay.
    QVERIFY(choose("cmbName", "Canada_6_49"));
    dialogs.answers = {QString(), QStringLiteral("Other")};
    for (int i = 0; i < 2; ++i) {
      click("cmdLottoCreate");
      QCOMPARE(text("cmbName"), QStringLiteral("Canada_6_49"));
      QCOMPARE(text("txt6PR"), QStringLiteral("5000000"));
      QCOMPARE(draws().rows(), 3623);
    }
    QCOMPARE(shown().size(), 1);

    // A value that needs eight digits survives being shown and saved again.
    click("cmdLottoEdit");
    type("txt6PR", "12345678");
    click("cmdLottoSave");
    const QByteArray saved = test::read_all(games("Canada_6_49/param.tix"));
    QVERIFY(choose("cmbName", "Canada_6_49"));
    QCOMPARE(text("txt6PR"), QStringLiteral("12345678"));
    click("cmdLottoEdit");
    click("cmdLottoSave");
    QCOMPARE(test::read_all(games("Canada_6_49/param.tix")), saved);
  }

  // Added draws are never dropped unasked: choosing another lotto, closing the
  // window or ending the program asks Save (0), Discard (1) or Cancel ("").
  void unsaved_draws_are_asked_about_before_they_go() {
    ds::LottoDefinition other;
    QCOMPARE(ds::read_definition(ds::lotto_folder(state().app_folder), "Canada_6_49", other), std::string());
    QCOMPARE(ds::write_definition(ds::lotto_folder(state().app_folder), "Other", other), std::string());
    test::write_all(games("Other/draws.txt"), "2025-01-01 1 2 3 4 5 6 7 \r\n");
    const QByteArray before = test::read_all(games("Canada_6_49/draws.txt"));
    const QByteArray added = "2025-11-22 3 9 21 30 44 49 7 \r\n";
    show(int(WindowId::lotto));
    for (const char* answer : {"", "1", "0"}) {
      QVERIFY(choose("cmbName", "Canada_6_49"));
      click("cmdDrawNew");
      type_draw("2025-11-22", {"3", "9", "21", "30", "44", "49", "7"});
      click("cmdAdd");
      dialogs.answers = {answer};
      QVERIFY(choose("cmbName", "Other"));
      QCOMPARE(text("cmbName"), QString(*answer ? "Other" : "Canada_6_49"));
      QCOMPARE(draws().rows(), *answer ? 2 : 3624);
      QCOMPARE(test::read_all(games("Canada_6_49/draws.txt")), *answer == '0' ? before + added : before);
      if (!*answer) {  // cancelled: the window stays as long as the user cancels
        dialogs.answers = {""};
        QVERIFY(!w->close());
        dialogs.answers = {"1"};
        QVERIFY(w->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        show(int(WindowId::lotto));
      }
    }
    QCOMPARE(dialogs.prompts.filter("are not saved").size(), 5);
  }

  // A set row that cannot be copied whole leaves no numbers: the Systems window
  // asks for a set rather than expanding numbers of two sets.
  void a_bad_set_row_leaves_no_numbers_for_the_systems_window() {
    QVERIFY(ds::write_file_atomic(state().app_folder / "Tsets" / "10" / "Bad",
                                  "2025-01-01 1 2 3 4 x5 6 7 8 9 10 \r\n")
                .empty());
    choose_samples();
    // Set headers are drawn bold.
    auto* view = find<GridView>("msfTsets");
    QVERIFY(view->model()->headerData(1, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
    QVERIFY(choose("cmbSets", "Bad"));
    QCOMPARE(shown(), QStringList{"Incorrect data in the cell 1,5)"});
    show(int(WindowId::system));
    QVERIFY(choose("cmbList", "10_3_6"));
    QCOMPARE(shown(), QStringList{"Please, select the targeted set on the form 'Tsets'"});
    QVERIFY(!ds::file_exists(state().app_folder / "system"));
  }

  // User Guide and Exit answer their keys even with the focus in a box, and the
  // box keeps its text; Ctrl+A there selects the text, and opens About elsewhere.
  void help_keys_work_from_a_text_box() {
    for (auto [window, box] :
         {std::pair{WindowId::lotto, "txtDate"}, std::pair{WindowId::tset_generator, "txtStep"}}) {
      show(int(window));
      type(box, "2025-11-22");
      find<QLineEdit>(box)->deselect();
      QSignalSpy exit(w->findChild<QAction*>(QStringLiteral("Exit")), &QAction::triggered);
      for (auto k : {Qt::Key_A, Qt::Key_U, Qt::Key_E}) {
        key(box, k, Qt::ControlModifier);
        QCOMPARE(text(box), QStringLiteral("2025-11-22"));
      }
      QCOMPARE(find<QLineEdit>(box)->selectedText(), QStringLiteral("2025-11-22"));
      QWidget* help = registry().existing(WindowId::help);
      QVERIFY(help && help->isVisible());
      QCOMPARE(help->windowTitle(), QStringLiteral("User Guide"));
      QCOMPARE(exit.count(), 1);
      help->close();
      show(int(window));
      find<QWidget>(window == WindowId::lotto ? "cmdAdd" : "cmdGo")->setFocus();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
      QCOMPARE(help->windowTitle(), QStringLiteral("About"));
      help->close();
    }
  }
};

DS_UI_TEST(WindowsTogetherTest);
#include "windows_together_test.moc"
