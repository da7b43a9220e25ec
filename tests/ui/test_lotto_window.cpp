#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include "lotto/ui/lotto_window.h"
#include "shell/samples.h"
#include "shell/ui/app.h"
#include "shell/ui/grid_view.h"
#include "ui_test_support.h"

using namespace ds::ui;

namespace {

const QString type_data = QStringLiteral("Please type the data in the field.");
const QString not_correct = QStringLiteral("Sorry, the data is not correct.");

QByteArray read_all(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

}  // namespace

class LottoWindowTest : public QObject {
  Q_OBJECT
  std::unique_ptr<test::Fixture> fx;
  LottoWindow* w = nullptr;

  template <class T>
  T* find(const char* name) {
    T* t = w->findChild<T*>(QString::fromLatin1(name));
    if (!t) qWarning("no control %s", name);
    return t;
  }
  QString text(const char* name) { return find<QLineEdit>(name)->text(); }
  void set(const char* name, const QString& t) {
    QLineEdit* e = find<QLineEdit>(name);
    e->selectAll();
    QTest::keyClicks(e, t);
    if (t.isEmpty()) e->clear();
  }
  void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
  LottoWindow* open() {
    w = qobject_cast<LottoWindow*>(registry().show(WindowId::lotto));
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w)) qWarning("the window did not become active");
    return w;
  }
  // Picks a name in cmbName's list as a user does: open the list, go to the
  // item, press Enter.
  void choose(const QString& name) {
    auto* c = find<QComboBox>("cmbName");
    const int i = c->findText(name);
    QVERIFY(i >= 0);
    c->showPopup();
    c->view()->setCurrentIndex(c->model()->index(i, 0));
    QTest::keyClick(c->view(), Qt::Key_Return);
  }
  QWidget* focused() { return QApplication::focusWidget(); }
  ds::TextGrid* draws() { return window_grid(WindowId::lotto, "msfDraws"); }

 private slots:
  void init() {
    fx = std::make_unique<test::Fixture>();
    ds::create_samples(state().program_folder, state().app_folder);
    ds::fill_catalogue(state().messages);
  }
  void cleanup() {
    QVERIFY2(!fx->dialogs.unexpected, "an input box nobody expected");
    w = nullptr;
    fx.reset();
  }

  void fresh_start_lists_the_sample_with_start_texts() {
    open();
    QCOMPARE(w->objectName(), QStringLiteral("frmLotto"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Lotto"));
    auto* names = find<QComboBox>("cmbName");
    QCOMPARE(names->count(), 1);
    QCOMPARE(names->itemText(0), QStringLiteral("Canada_6_49"));
    QCOMPARE(names->currentText(), QString());
    QCOMPARE(find<QComboBox>("cmbPlayN")->count(), 71);
    QCOMPARE(find<QComboBox>("cmbPlayN")->currentText(), QString());
    QCOMPARE(find<QComboBox>("cmbPickN")->itemText(3), QStringLiteral("6"));
    QVERIFY(find<QPushButton>("cmdLottoCreate")->isEnabled());
    QVERIFY(find<QPushButton>("cmdLottoEdit")->isEnabled());
    QVERIFY(!find<QPushButton>("cmdLottoSave")->isEnabled());
    QCOMPARE(text("txt4PR"), QStringLiteral("80"));
    QCOMPARE(text("txt5PRB"), QStringLiteral("10000"));
    QCOMPARE(text("txtCurrency"), QStringLiteral("$"));
    QCOMPARE(text("txtDate"), QString());
    QCOMPARE(text("txtNB"), QStringLiteral("0"));
    QCOMPARE(find<QPushButton>("cmdDrawSave")->text(), QStringLiteral("Save"));
    QCOMPARE(draws()->rows(), 2);
    QCOMPARE(draws()->cols(), 2);
    QVERIFY(w->minimumWidth() >= 800);
  }

  void without_lottos_only_create_is_enabled() {
    QDir(fx->folder() + "/Games").removeRecursively();
    open();
    QVERIFY(QDir(fx->folder() + "/Games").exists());
    QCOMPARE(find<QComboBox>("cmbName")->count(), 0);
    QVERIFY(find<QPushButton>("cmdLottoCreate")->isEnabled());
    QVERIFY(!find<QPushButton>("cmdLottoEdit")->isEnabled());
    QVERIFY(!find<QPushButton>("cmdLottoSave")->isEnabled());
  }

  void choosing_the_sample_fills_boxes_grid_and_latest_draw() {
    open();
    choose("Canada_6_49");
    QCOMPARE(fx->dialogs.messages, QStringList());
    QCOMPARE(find<QComboBox>("cmbPlayN")->currentText(), QStringLiteral("49"));
    QCOMPARE(find<QComboBox>("cmbPickN")->currentText(), QStringLiteral("6"));
    QCOMPARE(text("txt6PR"), QStringLiteral("5000000"));
    QCOMPARE(text("txt5PRB"), QStringLiteral("100000"));
    QCOMPARE(text("txtCost"), QStringLiteral("3"));
    QCOMPARE(state().lotto_name, std::string("Canada_6_49"));
    QCOMPARE(draws()->rows(), 3623);
    QCOMPARE(draws()->cell(1, 0), std::string("1982-06-12"));
    auto* view = w->findChild<GridView*>("msfDraws");
    QCOMPARE(view->model()->rowCount(), 3622);
    QCOMPARE(view->current_grid_row(), 3622);
    QCOMPARE(w->current_row(), 3622);
    QStringList shown{text("txtDate")};
    for (const char* n : {"txtN1", "txtN2", "txtN3", "txtN4", "txtN5", "txtN6", "txtNB"}) shown << text(n);
    QCOMPARE(shown.join(' '), QStringLiteral("2025-11-19 14 17 28 31 42 48 5"));

    // Clicking a row shows it and makes it the current draw.
    const QModelIndex first = view->model()->index(0, 3);
    view->scrollTo(first);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(first).center());
    QCOMPARE(text("txtDate"), QStringLiteral("1982-06-12"));
    QCOMPARE(w->current_row(), 1);
    QCOMPARE(state().current_draw[6], std::int16_t(13));
  }

  void typing_a_new_name_loads_nothing() {
    open();
    auto* names = find<QComboBox>("cmbName");
    names->setFocus();
    QTest::keyClicks(names, "Something");
    QTest::keyClick(names, Qt::Key_Return);
    QCOMPARE(names->count(), 1);
    QCOMPARE(draws()->rows(), 2);
    QCOMPARE(fx->dialogs.messages, QStringList());
  }

  void new_add_save_writes_in_date_order_and_reopening_shows_it() {
    open();
    choose("Canada_6_49");
    click("cmdDrawNew");
    QCOMPARE(text("txtDate"), QString::fromStdString(ds::format_date(ds::today(), ds::DateFormat::iso())));
    QCOMPARE(focused(), find<QWidget>("txtDate"));
    set("txtDate", "2025-11-22");
    const char* boxes[] = {"txtN1", "txtN2", "txtN3", "txtN4", "txtN5", "txtN6", "txtNB"};
    const char* values[] = {"3", "9", "21", "30", "44", "49", "07"};
    for (int i = 0; i < 7; ++i) set(boxes[i], values[i]);
    click("cmdAdd");
    QCOMPARE(draws()->cell(3623, 0), std::string("2025-11-22"));
    QCOMPARE(draws()->cell(3623, 8), std::string("07"));
    QCOMPARE(state().current_draw[6], std::int16_t(7));
    // A second draw dated before the last one moves up when saving.
    click("cmdDrawNew");
    set("txtDate", "2025-11-20");
    for (int i = 0; i < 7; ++i) set(boxes[i], values[i]);
    QTest::keyClick(find<QLineEdit>("txtNB"), Qt::Key_Return);  // Enter adds too
    QCOMPARE(draws()->cell(3624, 0), std::string("2025-11-20"));
    click("cmdDrawSave");
    QCOMPARE(fx->dialogs.messages, QStringList());
    QCOMPARE(w->current_row(), 3623);
    const QByteArray file = read_all(fx->folder() + "/Games/Canada_6_49/draws.txt");
    QVERIFY(file.endsWith("2025-11-19 14 17 28 31 42 48 5 \r\n2025-11-20 3 9 21 30 44 49 07 \r\n"
                          "2025-11-22 3 9 21 30 44 49 07 \r\n"));
    QCOMPARE(file.count('\n'), 3624);

    registry().close_all();
    open();
    choose("Canada_6_49");
    QCOMPARE(text("txtDate"), QStringLiteral("2025-11-22"));
    QCOMPARE(draws()->rows(), 3625);
  }

  void refusals_show_their_message_and_focus_the_box() {
    open();
    choose("Canada_6_49");
    struct Case {
      const char* box;
      QString text;
      const char* button;
      QString message;
    } cases[] = {
        {"txt3PR", "12abc", "cmdLottoSave", not_correct},
        {"txtCurrency", "", "cmdLottoSave", type_data},
        {"txtN1", "0", "cmdAdd", not_correct},
        {"txtN3", "50", "cmdAdd", not_correct},
        {"txtDate", "2025-02-30", "cmdAdd", not_correct},
        {"txtDate", "Nov 19 2025", "cmdAdd", not_correct},
        {"txtN2", "", "cmdAdd", type_data},
    };
    const QByteArray param = read_all(fx->folder() + "/Games/Canada_6_49/param.tix");
    for (const Case& c : cases) {
      choose("Canada_6_49");
      click("cmdLottoEdit");
      fx->dialogs.clear();
      set(c.box, c.text);
      click(c.button);
      QCOMPARE(fx->dialogs.messages, QStringList{c.message});
      QCOMPARE(focused(), find<QWidget>(c.box));
    }
    QCOMPARE(draws()->cell(3622, 0), std::string("2025-11-19"));
    QCOMPARE(read_all(fx->folder() + "/Games/Canada_6_49/param.tix"), param);

    // The two number lists refuse what is no sensible count.
    for (auto [box, value] : {std::pair{"cmbPlayN", "abc"}, std::pair{"cmbPickN", "7"},
                              std::pair{"cmbPickN", "49"}}) {
      choose("Canada_6_49");
      click("cmdLottoEdit");
      fx->dialogs.clear();
      find<QComboBox>(box)->setEditText(value);
      click("cmdLottoSave");
      QCOMPARE(fx->dialogs.messages, QStringList{not_correct});
      QCOMPARE(focused(), find<QWidget>(box));
    }
  }

  void create_then_cancel_refuses_the_save_on_the_name() {
    open();
    choose("Canada_6_49");
    fx->dialogs.answers.push_back(QString());
    click("cmdLottoCreate");
    QCOMPARE(fx->dialogs.prompts, QStringList{"Please, type the name | Name"});
    QCOMPARE(find<QComboBox>("cmbName")->currentText(), QString());
    QCOMPARE(find<QComboBox>("cmbPlayN")->currentText(), QString());
    QCOMPARE(text("txt5PR"), QStringLiteral("1000"));
    QCOMPARE(text("txtCurrency"), QStringLiteral("$"));
    QVERIFY(!find<QPushButton>("cmdLottoCreate")->isEnabled());
    QVERIFY(find<QPushButton>("cmdLottoSave")->isEnabled());
    QCOMPARE(draws()->rows(), 1);  // a new lotto starts with no draws
    click("cmdLottoSave");
    QCOMPARE(fx->dialogs.messages, QStringList{type_data});
    QCOMPARE(focused(), find<QWidget>("cmbName"));
    // Saving draws with no name is refused the same way.
    fx->dialogs.clear();
    click("cmdDrawSave");
    QCOMPARE(fx->dialogs.messages, QStringList{type_data});
    QCOMPARE(focused(), find<QWidget>("cmbName"));
  }

  void a_created_lotto_gets_its_own_definition_and_draws() {
    open();
    choose("Canada_6_49");
    fx->dialogs.answers.push_back("Lotto Max");
    click("cmdLottoCreate");
    find<QComboBox>("cmbPlayN")->setEditText("50");
    find<QComboBox>("cmbPickN")->setEditText("6");
    click("cmdLottoSave");
    QCOMPARE(fx->dialogs.messages, QStringList());
    auto* names = find<QComboBox>("cmbName");
    QCOMPARE(names->count(), 2);
    QCOMPARE(names->currentText(), QStringLiteral("Lotto Max"));
    QVERIFY(!find<QPushButton>("cmdLottoSave")->isEnabled());
    QCOMPARE(state().lotto.play_n, std::int16_t(50));
    click("cmdDrawNew");
    set("txtDate", "2025-11-21");
    set("txtN1", "50");
    set("txtN2", "1");
    set("txtN3", "2");
    click("cmdAdd");
    click("cmdDrawSave");
    QCOMPARE(fx->dialogs.messages, QStringList());
    QCOMPARE(read_all(fx->folder() + "/Games/Lotto Max/draws.txt"),
             QByteArray("2025-11-21 50 1 2 0 0 0 0 \r\n"));
    // Another lotto's name typed in the box never receives these draws.
    names->setEditText("Canada_6_49");
    click("cmdDrawSave");
    QCOMPARE(fx->dialogs.messages.size(), 1);
    QCOMPARE(focused(), find<QWidget>("cmbName"));
    QCOMPARE(read_all(fx->folder() + "/Games/Canada_6_49/draws.txt").count('\n'), 3622);
    // A name that cannot be a folder is refused at once.
    fx->dialogs.clear();
    fx->dialogs.answers.push_back("../escape");
    click("cmdLottoCreate");
    QCOMPARE(fx->dialogs.messages.size(), 1);
    QCOMPARE(names->currentText(), QString());
    QVERIFY(!QDir(fx->folder() + "/escape").exists());
  }
};

DS_UI_TEST(LottoWindowTest);
#include "test_lotto_window.moc"
