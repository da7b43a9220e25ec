#include "lotto/ui/lotto_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

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

class LottoWindowTest : public QObject, test::Driver {
  Q_OBJECT
  std::unique_ptr<test::Fixture> fx;
  LottoWindow* lotto = nullptr;

  void set(const char* name, const QString& t) { type(name, t); }
  LottoWindow* open() { return lotto = qobject_cast<LottoWindow*>(show(int(WindowId::lotto))); }
  void choose(const QString& name) { pick("cmbName", name); }
  QWidget* focused() { return QApplication::focusWidget(); }
  const ds::TextGrid* draws() { return borrow_grid(LentGrid::draws); }

 private slots:
  void init() {
    fx = std::make_unique<test::Fixture>();
    ds::create_samples(state().program_folder, state().app_folder);
  }
  void cleanup() {
    QVERIFY2(!fx->dialogs.unexpected, "an input box nobody expected");
    lotto = nullptr;
    fx.reset();
  }

  void fresh_start_lists_the_sample_and_choosing_it_shows_its_draws() {
    open();
    QCOMPARE(lotto->objectName(), QStringLiteral("frmLotto"));
    QCOMPARE(lotto->windowTitle(), QStringLiteral("Lotto"));
    auto* names = find<QComboBox>("cmbName");
    QCOMPARE(names->count(), 1);
    QCOMPARE(names->itemText(0), QStringLiteral("Canada_6_49"));
    QVERIFY(!find<QPushButton>("cmdLottoSave")->isEnabled());
    QCOMPARE(draws()->rows(), 2);
    QVERIFY(lotto->minimumWidth() >= 800);

    // Choosing the sample fills the boxes, the grid and the latest draw.
    choose("Canada_6_49");
    QCOMPARE(fx->dialogs.messages, QStringList());
    QCOMPARE(text("txt6PR"), QStringLiteral("5000000"));
    QCOMPARE(draws()->rows(), 3623);
    auto* view = lotto->findChild<GridView*>("msfDraws");
    QCOMPARE(view->current_grid_row(), 3622);
    QStringList shown{text("txtDate")};
    for (const char* n : {"txtN1", "txtN2", "txtN3", "txtN4", "txtN5", "txtN6", "txtNB"}) shown << text(n);
    QCOMPARE(shown.join(' '), QStringLiteral("2025-11-19 14 17 28 31 42 48 5"));

    // Clicking a row shows it and makes it the current draw.
    const QModelIndex first = view->model()->index(0, 3);
    view->scrollTo(first);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(first).center());
    QCOMPARE(text("txtDate"), QStringLiteral("1982-06-12"));
    QCOMPARE(lotto->current_row(), 1);
  }

  void new_add_save_writes_in_date_order() {
    open();
    choose("Canada_6_49");
    click("cmdDrawNew");
    QCOMPARE(focused(), find<QWidget>("txtDate"));
    const char* boxes[] = {"txtN1", "txtN2", "txtN3", "txtN4", "txtN5", "txtN6", "txtNB"};
    const char* values[] = {"3", "9", "21", "30", "44", "49", "07"};
    set("txtDate", "2025-11-22");
    for (int i = 0; i < 7; ++i) set(boxes[i], values[i]);
    click("cmdAdd");
    QCOMPARE(draws()->cell(3623, 0), std::string("2025-11-22"));
    // A second draw dated before the last one moves up when saving.
    click("cmdDrawNew");
    set("txtDate", "2025-11-20");
    for (int i = 0; i < 7; ++i) set(boxes[i], values[i]);
    QTest::keyClick(find<QLineEdit>("txtNB"), Qt::Key_Return);  // Enter adds too
    click("cmdDrawSave");
    QCOMPARE(fx->dialogs.messages, QStringList());
    const QByteArray file = read_all(fx->folder() + "/Games/Canada_6_49/draws.txt");
    QVERIFY(file.endsWith("2025-11-20 3 9 21 30 44 49 07 \r\n2025-11-22 3 9 21 30 44 49 07 \r\n"));
  }

  // One refusal per kind of control; the core tests hold every rule.
  void refusals_show_their_message_and_focus_the_box() {
    open();
    for (auto [box, value, button, message] : {std::tuple{"txt3PR", "12abc", "cmdLottoSave", not_correct},
                                               std::tuple{"txtN2", "", "cmdAdd", type_data}}) {
      choose("Canada_6_49");
      click("cmdLottoEdit");
      fx->dialogs.clear();
      set(box, value);
      click(button);
      QCOMPARE(fx->dialogs.messages, QStringList{message});
      QCOMPARE(focused(), find<QWidget>(box));
    }
  }

  void a_created_lotto_gets_its_own_definition_and_draws() {
    open();
    choose("Canada_6_49");
    fx->dialogs.answers.push_back("Lotto Max");
    click("cmdLottoCreate");
    find<QComboBox>("cmbPlayN")->setEditText("50");
    find<QComboBox>("cmbPickN")->setEditText("6");
    click("cmdLottoSave");
    auto* names = find<QComboBox>("cmbName");
    QCOMPARE(names->currentText(), QStringLiteral("Lotto Max"));
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
    QCOMPARE(read_all(fx->folder() + "/Games/Canada_6_49/draws.txt").count('\n'), 3622);
    // A name that cannot be a folder is refused at once.
    fx->dialogs.clear();
    fx->dialogs.answers.push_back("../escape");
    click("cmdLottoCreate");
    QCOMPARE(fx->dialogs.messages.size(), 1);
    QVERIFY(!QDir(fx->folder() + "/escape").exists());
  }
};

DS_UI_TEST(LottoWindowTest);
#include "lotto_window_test.moc"
