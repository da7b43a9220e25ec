#include "lotto/ui/lotto_window.h"

#include <QComboBox>
#include <QDir>
#include <QTableWidget>

#include "shell/ui/app.h"
#include "shell/ui/apply_outcome.h"
#include "shell/ui/grid_view.h"
#include "support/window_test.h"

using namespace ds::ui;

// A window's focus table is checked when it compiles: a row missing or out of
// the enum's order does not pass.
enum class TwoBoxes { none, a, b, count };
constexpr FocusName<TwoBoxes> complete[] = {
    {TwoBoxes::none, nullptr}, {TwoBoxes::a, "A"}, {TwoBoxes::b, "B"}};
constexpr FocusName<TwoBoxes> missing[] = {{TwoBoxes::none, nullptr}, {TwoBoxes::a, "A"}};
constexpr FocusName<TwoBoxes> swapped[] = {{TwoBoxes::none, nullptr}, {TwoBoxes::b, "B"}, {TwoBoxes::a, "A"}};
static_assert(names_every_focus(complete) && !names_every_focus(missing) && !names_every_focus(swapped));

class LottoWindowTest : public test::WindowTest {
  Q_OBJECT
  LottoWindow* lotto = nullptr;

  LottoWindow* open() { return lotto = qobject_cast<LottoWindow*>(show(int(WindowId::lotto))); }
  const ds::TextGrid* draws() { return &test::hub().state().draws; }
  QString draw_shown() {
    QStringList shown{text("txtDate")};
    for (const char* n : {"txtN1", "txtN2", "txtN3", "txtN4", "txtN5", "txtN6", "txtNB"}) shown << text(n);
    return shown.join(' ');
  }

 private slots:
  void fresh_start_lists_the_sample_and_choosing_it_shows_its_draws() {
    open();
    auto* names = find<QComboBox>("cmbName");
    QCOMPARE(names->count(), 1);
    QCOMPARE(names->itemText(0), QStringLiteral("Canada_6_49"));
    QVERIFY(!enabled("cmdLottoSave"));
    QCOMPARE(draws()->rows(), 2);
    QVERIFY(lotto->minimumWidth() >= 800);

    // Choosing the sample fills the boxes, the grid and the latest draw.
    pick("cmbName", "Canada_6_49");
    QCOMPARE(text("txt6PR"), QStringLiteral("5000000"));
    QCOMPARE(draws()->rows(), 3623);
    auto* view = find<GridView>("msfDraws");
    QCOMPARE(view->current_grid_row(), 3622);
    QCOMPARE(draw_shown(), QStringLiteral("2025-11-19 14 17 28 31 42 48 5"));

    // Clicking a row shows it and makes it the current draw.
    const QModelIndex first = view->model()->index(0, 3);
    view->scrollTo(first);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(first).center());
    QCOMPARE(text("txtDate"), QStringLiteral("1982-06-12"));
    QCOMPARE(lotto->current_row(), 1);
  }

  void new_add_save_writes_in_date_order() {
    open();
    pick("cmbName", "Canada_6_49");
    click("cmdDrawNew");
    QVERIFY(has_focus("txtDate"));
    type_draw("2025-11-22", {"3", "9", "21", "30", "44", "49", "07"});
    click("cmdAdd");
    QCOMPARE(draws()->cell(3623, 0), std::string("2025-11-22"));
    // A second draw dated before the last one moves up when saving.
    click("cmdDrawNew");
    type_draw("2025-11-20", {"3", "9", "21", "30", "44", "49", "07"});
    key("txtNB", Qt::Key_Return);  // Enter adds too
    click("cmdDrawSave");
    QVERIFY(test::read_all(path("Games/Canada_6_49/draws.txt"))
                .endsWith("2025-11-20 3 9 21 30 44 49 07 \r\n2025-11-22 3 9 21 30 44 49 07 \r\n"));
  }

  // One refusal per kind of control; the core tests hold every rule.
  void refusals_show_their_message_and_focus_the_box() {
    open();
    for (auto [box, value, button, message] :
         {std::tuple{"txt3PR", "12abc", "cmdLottoSave", "Sorry, the data is not correct."},
          std::tuple{"txtN2", "", "cmdAdd", "Please type the data in the field."}}) {
      pick("cmbName", "Canada_6_49");
      click("cmdLottoEdit");
      type(box, value);
      click(button);
      QCOMPARE(shown(), QStringList{message});
      QVERIFY(has_focus(box));
    }
  }

  void a_created_lotto_gets_its_own_definition_and_draws() {
    open();
    pick("cmbName", "Canada_6_49");
    dialogs.answers.push_back("Lotto Max");
    click("cmdLottoCreate");
    type("cmbPlayN", "50");
    type("cmbPickN", "6");
    click("cmdLottoSave");
    QCOMPARE(text("cmbName"), QStringLiteral("Lotto Max"));
    click("cmdDrawNew");
    type_draw("2025-11-21", {"50", "1", "2"});
    click("cmdAdd");
    click("cmdDrawSave");
    QCOMPARE(test::read_all(path("Games/Lotto Max/draws.txt")), QByteArray("2025-11-21 50 1 2 0 0 0 0 \r\n"));
    // Another lotto's name typed in the box never receives these draws.
    type("cmbName", "Canada_6_49");
    click("cmdDrawSave");
    QCOMPARE(shown().size(), 1);
    QCOMPARE(test::read_all(path("Games/Canada_6_49/draws.txt")).count('\n'), 3622);
    // A name that cannot be a folder is refused at once.
    dialogs.answers.push_back("../escape");
    click("cmdLottoCreate");
    QCOMPARE(shown().size(), 1);
    QVERIFY(!QDir(path("escape")).exists());
  }

  void a_seven_number_game_gets_a_prize_table_and_seven_number_draws() {
    open();
    dialogs.answers.push_back("Max");
    click("cmdLottoCreate");
    type("cmbPlayN", "50");
    QVERIFY(find<QWidget>("fraPrizes")->isVisible() && !find<QWidget>("msfPrizes")->isVisible());
    type("cmbPickN", "7");
    // The prize table stands in for the ten boxes, with a first row per way of winning.
    auto* table = find<QTableWidget>("msfPrizes");
    QVERIFY(table->isVisible() && !find<QWidget>("fraPrizes")->isVisible());
    QCOMPARE(table->rowCount(), 12);
    table->item(0, 3)->setText(QStringLiteral("1000"));
    table->item(0, 4)->setText(QStringLiteral("average"));
    click("cmdLottoSave");
    const QByteArray game = test::read_all(path("Games/Max/game.txt"));
    QVERIFY2(game.startsWith("Drawsmith game 1\r\nmain_pool 50\r\nmain_drawn 7\r\nbonus_drawn 1\r\n"
                             "second_pool 0\r\nsecond_drawn 0\r\ncost 1\r\ncurrency $\r\n"
                             "tier 7 no 0 average 1000\r\ntier 6 yes 0 fixed 0\r\n"),
             game.constData());
    QVERIFY(find<QWidget>("txtN7")->isVisible() && !find<QWidget>("txtS1")->isVisible());
    click("cmdDrawNew");
    type("txtDate", "2025-11-21");
    const char* boxes[] = {"txtN1", "txtN2", "txtN3", "txtN4", "txtN5", "txtN6", "txtN7", "txtNB"};
    for (int i = 0; i < 8; ++i) type(boxes[i], QString::number(i + 1));
    click("cmdAdd");
    click("cmdDrawSave");
    QCOMPARE(test::read_all(path("Games/Max/draws.txt")), QByteArray("2025-11-21 1 2 3 4 5 6 7 8 \r\n"));
    QCOMPARE(draws()->cell(0, 9), std::string("NBonus"));
  }

  // Typing nobody added or saved is asked about before the window closes: a whole
  // draw in the boxes (Add, then the added draw is asked about), then a definition
  // being edited; Cancel keeps the window open.
  void typing_left_unadded_is_asked_about_on_close() {
    open();
    pick("cmbName", "Canada_6_49");
    click("cmdDrawNew");
    type_draw("2025-11-22", {"3", "9", "21", "30", "44", "49", "7"});
    dialogs.answers = {""};
    QVERIFY(!w->close());
    QCOMPARE(
        dialogs.prompts.last(),
        QStringLiteral("The draw typed in the boxes (2025-11-22: 3 9 21 30 44 49 7) is not added. Add it "
                       "before going on?"));
    dialogs.answers = {"0", "0"};
    QVERIFY(w->close());
    QVERIFY(
        test::read_all(path("Games/Canada_6_49/draws.txt")).endsWith("2025-11-22 3 9 21 30 44 49 7 \r\n"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    open();
    pick("cmbName", "Canada_6_49");
    click("cmdLottoEdit");
    type("txtCost", "2.5");
    dialogs.answers = {"1"};
    QVERIFY(w->close());
    QCOMPARE(dialogs.prompts.last(),
             QStringLiteral("The definition of 'Canada_6_49' is not saved. Save it before going on?"));
    QCOMPARE(dialogs.prompts.size(), 4);
  }
};

DS_UI_TEST(LottoWindowTest);
#include "lotto_window_test.moc"
