#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QPushButton>
#include <QRadioButton>
#include <random>

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

// Stands in for the draw grid's owner when the program has no Lotto window.
class DrawGridOwner : public QWidget, public GridSource {
 public:
  ds::TextGrid grid;
  ds::TextGrid* grid_named(std::string_view name) override { return name == "msfDraws" ? &grid : nullptr; }
};

}  // namespace

class TsetsWindowsTest : public QObject {
  Q_OBJECT
  std::unique_ptr<test::Fixture> fx;
  QWidget* w = nullptr;

  template <class T>
  T* find(const char* name) {
    T* t = w->findChild<T*>(QString::fromLatin1(name));
    if (!t) qWarning("no control %s", name);
    return t;
  }
  void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
  bool enabled(const char* name) { return find<QWidget>(name)->isEnabled(); }
  bool focused(const char* name) {
    QWidget* f = QApplication::focusWidget();
    QWidget* control = find<QWidget>(name);
    return f && (f == control || control->isAncestorOf(f));
  }
  void type(const char* name, const QString& text) {
    QWidget* target = find<QWidget>(name);
    if (auto* c = qobject_cast<QComboBox*>(target)) target = c->lineEdit();
    auto* e = qobject_cast<QLineEdit*>(target);
    e->selectAll();
    e->del();
    QTest::keyClicks(e, text);
  }
  // Picks an item of a combo box as a user does: open the list, go to the item, press Enter.
  void choose(const char* combo, const QString& item) {
    auto* c = find<QComboBox>(combo);
    const int i = c->findText(item);
    QVERIFY2(i >= 0, qPrintable(item));
    c->showPopup();
    c->view()->setCurrentIndex(c->model()->index(i, 0));
    QTest::keyClick(c->view(), Qt::Key_Return);
  }
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
  ds::TextGrid& sets() { return *window_grid(WindowId::tsets, "msfTsets"); }
  QString set_file(int size, const QString& name) {
    return fx->folder() + QStringLiteral("/Tsets/%1/").arg(size) + name;
  }
  ds::TextGrid* draw_grid() {
    if (!registry().get(WindowId::lotto)) registry().set_factory(WindowId::lotto, [] { return new DrawGridOwner; });
    return window_grid(WindowId::lotto, "msfDraws");
  }

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

  void size_10_and_forecaster1_make_the_last_row_the_current_set() {
    open();
    QCOMPARE(w->objectName(), QStringLiteral("frmTsets"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Targeted Sets"));
    for (const char* b : {"cmdNew", "cmdAcceptDate", "cmdAcceptNumber", "cmdAdd", "cmdSave", "cmdTsetGenerator", "cmbSets"})
      QVERIFY2(!enabled(b), b);
    QCOMPARE(find<QComboBox>("cmbSize")->count(), 11);
    QCOMPARE(find<QComboBox>("cmbNumber")->count(), 90);
    QCOMPARE(find<QLineEdit>("txtDate")->text(), QString::fromStdString(ds::format_date(ds::today(), ds::DateFormat::iso())));

    choose("cmbSize", "10");
    QVERIFY(enabled("cmbSets") && enabled("cmdNew") && enabled("cmdAdd"));
    QCOMPARE(find<QComboBox>("cmbIndex")->count(), 10);
    QCOMPARE(state().tset_size, std::int16_t{10});
    choose("cmbSets", "Forecaster1");
    QVERIFY(fx->dialogs.messages.isEmpty());
    QCOMPARE(sets().rows(), 61);
    QCOMPARE(state().tset_row, std::int16_t{60});
    QCOMPARE(state().tset_name, std::string("Forecaster1"));
    for (int c = 1; c <= 10; ++c) QCOMPARE(std::to_string(state().tset_numbers[c]), sets().cell(60, c));
    QVERIFY(enabled("cmdAcceptDate") && enabled("cmdAcceptNumber") && enabled("cmdTsetGenerator"));
    QVERIFY(!enabled("cmdSave"));
    QCOMPARE(find<GridView>("msfTsets")->current_grid_row(), 60);

    // Clicking a row makes it the current set.
    auto* view = find<GridView>("msfTsets");
    const QRect cell = view->visualRect(view->model()->index(0, 3));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(state().tset_row, std::int16_t{1});
    QCOMPARE(std::to_string(state().tset_numbers[1]), sets().cell(1, 1));
  }

  void a_new_set_filled_number_by_number_saves_in_date_order() {
    open();
    choose("cmbSize", "12");
    fx->dialogs.answers.push_back(QStringLiteral("Mine"));
    click("cmdNew");
    QCOMPARE(fx->dialogs.prompts, QStringList{QStringLiteral("Please type a name. | Name of the strategy")});
    QCOMPARE(find<QComboBox>("cmbSets")->currentText(), QStringLiteral("Mine"));
    QCOMPARE(read_all(set_file(12, "Mine")), QByteArray());
    QCOMPARE(sets().rows(), 2);

    type("txtDate", "2025-03-03");
    click("cmdAcceptDate");
    const int first[] = {5, 9, 1, 12, 3, 7, 2, 11, 4, 8, 6, 10};
    for (int i = 0; i < 12; ++i) {
      QVERIFY2(!enabled("cmdSave"), qPrintable(QString::number(i)));
      place(first[i], 10 + i);
    }
    QVERIFY(enabled("cmdSave"));
    QVERIFY(fx->dialogs.messages.isEmpty());

    // A refusal puts the focus where the user fixes it.
    place(3, 15);
    QCOMPARE(fx->dialogs.messages, QStringList{QStringLiteral("This number was previously selected.")});
    QVERIFY(focused("cmbNumber"));
    fx->dialogs.messages.clear();

    click("cmdAdd");
    QCOMPARE(state().tset_row, std::int16_t{2});
    type("txtDate", "2025-03-01");
    QTest::keyClick(find<QLineEdit>("txtDate"), Qt::Key_Return);  // Enter accepts the date
    for (int i = 1; i <= 12; ++i) place(i, 60 + i, true);  // Enter in the number box places it
    QVERIFY(fx->dialogs.messages.isEmpty());
    click("cmdSave");
    QVERIFY(fx->dialogs.messages.isEmpty());
    QCOMPARE(read_all(set_file(12, "Mine")),
             QByteArray("2025-03-01 61 62 63 64 65 66 67 68 69 70 71 72 \r\n"
                        "2025-03-03 12 16 14 18 10 20 15 19 11 21 17 13 \r\n"));
    QCOMPARE(static_cast<QMainWindow*>(w)->statusBar()->currentMessage(), QStringLiteral("Saved 2 rows of 'Mine'."));
    // The current row moved with the sort.
    QCOMPARE(state().tset_row, std::int16_t{1});
  }

  void an_undated_row_refuses_the_save_and_keeps_the_file() {
    open();
    choose("cmbSize", "10");
    choose("cmbSets", "Forecaster1");
    const QByteArray before = read_all(set_file(10, "Forecaster1"));
    click("cmdAdd");
    for (int i = 1; i <= 10; ++i) place(i, i);
    QVERIFY(enabled("cmdSave"));
    click("cmdSave");
    QCOMPARE(fx->dialogs.messages, QStringList{QStringLiteral("Incorrect date.")});
    QCOMPARE(read_all(set_file(10, "Forecaster1")), before);
    QCOMPARE(sets().rows(), 62);
  }

  void generator_proposes_random_and_frequency_sets() {
    ds::TextGrid* draws = draw_grid();
    QVERIFY(draws);
    QCOMPARE(read_draws(ds::lotto_folder(state().app_folder), "Canada_6_49", *draws, state().date_format).message,
             std::string());
    state().lotto.play_n = 20;
    state().lotto.pick_n = 6;
    auto* sets_window = open();
    choose("cmbSize", "20");
    fx->dialogs.answers.push_back(QStringLiteral("Gen"));
    click("cmdNew");
    type("txtDate", "2025-11-22");
    click("cmdTsetGenerator");
    auto* gen = qobject_cast<TsetGeneratorWindow*>(registry().existing(WindowId::tset_generator));
    QVERIFY(gen && gen->isVisible());
    QCOMPARE(gen->windowTitle(), QStringLiteral("Generator of Targeted Sets"));
    auto engine = std::make_shared<std::mt19937>(3);
    gen->set_uniform_source([engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); });
    w = gen;
    QVERIFY(find<QRadioButton>("optRandom")->isChecked());
    QCOMPARE(find<QLineEdit>("txtStep")->text(), QStringLiteral("1"));

    // Random, 20 of 20: a permutation.
    click("cmdGo");
    QVERIFY(fx->dialogs.messages.isEmpty());
    QCOMPARE(sets().cell(1, 0), std::string("2025-11-22"));
    std::vector<int> numbers;
    for (int c = 1; c <= 20; ++c) numbers.push_back(std::stoi(sets().cell(1, c)));
    std::sort(numbers.begin(), numbers.end());
    for (int i = 0; i < 20; ++i) QCOMPARE(numbers[i], i + 1);
    w = sets_window;
    QVERIFY(enabled("cmdSave"));
    w = gen;

    // Frequencies of the last ten sample draws on the 6/49 game.
    state().lotto.play_n = 49;
    const int last = draws->rows() - 1;
    type("txtFrom", QString::fromStdString(draws->cell(last - 9, 0)));
    type("txtTo", QString::fromStdString(draws->cell(last, 0)));
    find<QRadioButton>("optHighFr")->click();
    click("cmdGo");
    QVERIFY(fx->dialogs.messages.isEmpty());
    ds::TextGrid& freq = *window_grid(WindowId::tset_generator, "msfFrequencies");
    int sum = 0;
    for (int r = 1; r <= 49; ++r) sum += std::stoi(freq.cell(r, 1));
    QCOMPARE(sum, 60);
    QCOMPARE(freq.cell(51, 0), std::string("Total draws"));
    QCOMPARE(freq.cell(51, 1), std::string("10"));
    for (int c = 1; c <= 20; ++c) QCOMPARE(sets().cell(1, c), freq.cell(c, 0));

    // A step below 1 is refused, with the focus on the step box.
    gen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(gen));
    type("txtStep", "0");
    click("cmdGo");
    QCOMPARE(fx->dialogs.messages, QStringList{QStringLiteral("Sorry, the data is not correct.")});
    QVERIFY(focused("txtStep"));
  }
};

DS_UI_TEST(TsetsWindowsTest);
#include "test_tsets_windows.moc"
