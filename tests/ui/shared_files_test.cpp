// Two windows over one data folder (as two copies of the program show them), and
// files rewritten by another program while a window holds them: every copy's
// work ends in the files, checked byte for byte.
#include <QMainWindow>
#include <QStatusBar>
#include <memory>

#include "lotto/draw_import.h"
#include "lotto/lotto_files.h"
#include "lotto/ui/lotto_window.h"
#include "shell/data_lock.h"
#include "shell/files.h"
#include "shell/ui/app.h"
#include "shell/ui/file_watch.h"
#include "shell/ui/grid_view.h"
#include "support/window_test.h"
#include "tsets/ui/tsets_window.h"

using namespace ds::ui;
using ds::ui::test::state;

namespace {

// The windows check their files only when a test says so.
struct WatchOff {
  WatchOff() { FileWatch::set_enabled(false); }
  ~WatchOff() { FileWatch::set_enabled(true); }
};

QByteArray hex(const char* text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }

}  // namespace

class SharedFilesTest : public test::WindowTest {
  Q_OBJECT
  QString games(const QString& rest) const { return path(QStringLiteral("Games/") + rest); }
  QString status(QWidget* window) { return static_cast<QMainWindow*>(window)->statusBar()->currentMessage(); }
  const ds::TextGrid& grid_of(const char* name) { return *find<GridView>(name)->grid_model()->grid(); }
  void click_row(const char* view_name, int grid_row) {
    auto* view = find<GridView>(view_name);
    const QModelIndex index = view->model()->index(grid_row - 1, 1);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
  }
  int row_of(const char* view_name, const char* date) {
    const ds::TextGrid& g = grid_of(view_name);
    for (int r = 1; r < g.rows(); ++r)
      if (g.cell(r, 0) == date) return r;
    return -1;
  }
  // Places `number` at `index` of the set row of `date`, in the window `w`.
  void place(const char* date, const char* index, const char* number) {
    click_row("msfTsets", row_of("msfTsets", date));
    type("cmbIndex", index);
    type("cmbNumber", number);
    click("cmdAcceptNumber");
  }

  // The other copy of the program: a state of its own over the same data folder.
  std::unique_ptr<StateHub> other_;
  StateHub& other_copy() {
    other_ = std::make_unique<StateHub>();
    other_->writable().program_folder = state().program_folder;
    other_->writable().app_folder = state().app_folder;
    other_->writable().date_format = state().date_format;
    return *other_;
  }

 private slots:
  // Copy A adds 2025-11-22, copy B adds 2025-11-26 and saves, then A saves.
  void two_copies_add_draws_and_both_are_saved() {
    WatchOff quiet;
    const QByteArray before = test::read_all(games("Canada_6_49/draws.txt"));
    QWidget* a = show(int(WindowId::lotto));
    QVERIFY(choose("cmbName", "Canada_6_49"));
    auto b = std::make_unique<LottoWindow>(other_copy());
    b->show();
    b->opened();  // as the registry does when it shows a window the first time
    w = b.get();
    QVERIFY(choose("cmbName", "Canada_6_49"));

    w = a;
    click("cmdDrawNew");
    type_draw("2025-11-22", {"3", "9", "21", "30", "44", "49", "7"});
    click("cmdAdd");
    w = b.get();
    click("cmdDrawNew");
    type_draw("2025-11-26", {"2", "8", "20", "31", "43", "48", "5"});
    click("cmdAdd");
    click("cmdDrawSave");

    // A holds unsaved draws: it only says that the file changed.
    static_cast<LottoWindow*>(a)->check_disk();
    QVERIFY(status(a).contains("was changed outside this window. Your changes are kept"));
    w = a;
    click("cmdDrawSave");
    QCOMPARE(test::read_all(games("Canada_6_49/draws.txt")),
             before + "2025-11-22 3 9 21 30 44 49 7 \r\n2025-11-26 2 8 20 31 43 48 5 \r\n");
    QCOMPARE(grid_of("msfDraws").rows(), 3625);
    QVERIFY(status(a).endsWith("its changes are kept with yours (draws taken from the file: 1)."));

    // B has nothing unsaved: it offers to read the file again.
    dialogs.answers = {"0"};
    b->check_disk();
    QVERIFY(dialogs.prompts.last().startsWith("The file of the draws of 'Canada_6_49' was changed outside"));
    w = b.get();
    QCOMPARE(grid_of("msfDraws").rows(), 3625);
  }

  // A draw line appended with a text editor (LF, no trailing blank) survives the
  // next save of the window, written in the file's own form.
  void a_draw_appended_by_an_editor_is_kept() {
    WatchOff quiet;
    const QString file = games("Canada_6_49/draws.txt");
    const QByteArray before = test::read_all(file);
    show(int(WindowId::lotto));
    QVERIFY(choose("cmbName", "Canada_6_49"));
    test::write_all(file, before + "2025-11-22 1 2 3 4 5 6 7\n");
    click("cmdDrawNew");
    type_draw("2025-11-26", {"2", "8", "20", "31", "43", "48", "5"});
    click("cmdAdd");
    click("cmdDrawSave");
    QCOMPARE(test::read_all(file), before + "2025-11-22 1 2 3 4 5 6 7 \r\n2025-11-26 2 8 20 31 43 48 5 \r\n");
  }

  // Both copies open Targeted Sets, 10, Forecaster1: B changes the row of
  // 2025-11-15 and saves, A changes the row of 2025-10-01 and saves.
  void two_copies_change_rows_of_one_set_and_both_are_saved() {
    WatchOff quiet;
    const QString file = path("Tsets/10/Forecaster1");
    const QByteArray sample = test::read_all(file);
    QWidget* a = show(int(WindowId::tsets));
    QVERIFY(choose("cmbSize", "10"));
    QVERIFY(choose("cmbSets", "Forecaster1"));
    auto b = std::make_unique<TsetsWindow>(other_copy());
    b->show();
    b->opened();  // as the registry does when it shows a window the first time
    w = b.get();
    QVERIFY(choose("cmbSize", "10"));
    QVERIFY(choose("cmbSets", "Forecaster1"));
    place("2025-11-15", "10", "30");
    click("cmdSave");

    // A, with nothing unsaved, is offered the file again and keeps what it shows.
    dialogs.answers = {""};
    static_cast<TsetsWindow*>(a)->check_disk();
    QVERIFY(dialogs.prompts.last().startsWith("The file of the set 'Forecaster1' was changed outside"));
    w = a;
    place("2025-10-01", "1", "44");
    click("cmdSave");
    QByteArray both = sample;
    both.replace("2025-11-15 41 17 22 46 5 12 4 9 21 24 \r\n", "2025-11-15 41 17 22 46 5 12 4 9 21 30 \r\n");
    both.replace("2025-10-01 17 22 23 35 36 1 3 9 11 12 \r\n", "2025-10-01 44 22 23 35 36 1 3 9 11 12 \r\n");
    QVERIFY(both != sample);
    QCOMPARE(test::read_all(file), both);
    QCOMPARE(grid_of("msfTsets").cell(row_of("msfTsets", "2025-11-15"), 10), std::string("30"));
  }

  // The same definition saved by two copies: the second is asked; Cancel keeps
  // the file and the boxes, Overwrite writes its own, Reload shows the other's.
  void a_definition_saved_by_two_copies_is_asked_about() {
    WatchOff quiet;
    const QString file = games("Canada_6_49/param.tix");
    QWidget* a = show(int(WindowId::lotto));
    QVERIFY(choose("cmbName", "Canada_6_49"));
    auto b = std::make_unique<LottoWindow>(other_copy());
    b->show();
    b->opened();  // as the registry does when it shows a window the first time
    w = b.get();
    QVERIFY(choose("cmbName", "Canada_6_49"));
    click("cmdLottoEdit");
    type("txtCost", "2");
    click("cmdLottoSave");
    const QByteArray cost_2 =
        hex("31000600 00000000 00002041 0000a042 00401c45 8096984a 0000a040 00002041 0000a042 0050c347 "
            "00000000 00000040 0100 2400");
    QCOMPARE(test::read_all(file), cost_2);

    w = a;
    click("cmdLottoEdit");
    type("txt2PR", "1");
    dialogs.answers = {""};
    click("cmdLottoSave");
    QVERIFY(dialogs.prompts.last().contains("(param.tix) was changed outside this window"));
    QCOMPARE(test::read_all(file), cost_2);
    QCOMPARE(text("txt2PR"), QStringLiteral("1"));
    QCOMPARE(text("txtCost"), QStringLiteral("3"));
    dialogs.answers = {"0"};
    click("cmdLottoSave");
    QCOMPARE(test::read_all(file),
             hex("31000600 0000803f 00002041 0000a042 00401c45 8096984a 0000a040 00002041 0000a042 0050c347 "
                 "00000000 00004040 0100 2400"));

    w = b.get();
    click("cmdLottoEdit");
    type("txtCost", "2");
    dialogs.answers = {"1"};
    click("cmdLottoSave");
    QCOMPARE(text("txt2PR"), QStringLiteral("1"));
    QCOMPARE(text("txtCost"), QStringLiteral("3"));
    QVERIFY(!enabled("cmdLottoSave"));
  }

  // The file watch notices a file replaced by another program, again after the
  // replace (a rename), and says so in the status line while draws are unsaved.
  void the_watch_notices_replaced_files() {
    const QString file = games("Canada_6_49/draws.txt");
    const QByteArray before = test::read_all(file);
    QWidget* lotto = show(int(WindowId::lotto));
    QVERIFY(choose("cmbName", "Canada_6_49"));
    const auto replace = [&](const QByteArray& bytes) {
      QVERIFY(ds::write_file_atomic(file.toStdString(), bytes.toStdString()).empty());
    };
    for (const char* line : {"2025-11-22 1 2 3 4 5 6 7 \r\n", "2025-11-26 1 2 3 4 5 6 8 \r\n"}) {
      dialogs.answers = {"0"};
      const int rows = grid_of("msfDraws").rows();
      replace(test::read_all(file) + line);
      QTRY_COMPARE(grid_of("msfDraws").rows(), rows + 1);
    }
    click("cmdDrawNew");
    type_draw("2025-11-29", {"2", "8", "20", "31", "43", "48", "5"});
    click("cmdAdd");
    replace(before);
    QTRY_VERIFY(status(lotto).contains("Your changes are kept: Save merges them with the file."));
    QCOMPARE(dialogs.prompts.size(), 2);
  }

  // After a command-line import into the lotto the window showed, the window,
  // made again, adds no draw before a lotto is chosen; the unsaved-draws question
  // names the lotto, and its Save saves there whatever the name box says.
  void after_a_command_line_import_the_question_names_the_lotto() {
    const QString file = games("Canada_6_49/draws.txt");
    const QByteArray before = test::read_all(file);
    show(int(WindowId::lotto));
    QVERIFY(choose("cmbName", "Canada_6_49"));
    QVERIFY(w->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    test::write_all(path("new.csv"), "Date,N1,N2,N3,N4,N5,N6,Bonus\n2025-11-22,3,9,21,30,44,49,7\n");
    const ds::ImportFileRun run =
        ds::import_draws_file(path("new.csv").toStdString(), ds::lotto_folder(state().app_folder),
                              "Canada_6_49", ds::DateFormat::iso());
    QVERIFY(run.written);

    show(int(WindowId::lotto));
    click("cmdDrawNew");
    QCOMPARE(shown(),
             QStringList{"Please choose a lotto in the Name list, or create one, before adding draws."});
    QVERIFY(has_focus("cmbName"));
    QVERIFY(choose("cmbName", "Canada_6_49"));
    click("cmdDrawNew");
    type_draw("2025-11-26", {"2", "8", "20", "31", "43", "48", "5"});
    click("cmdAdd");
    type("cmbName", "Elsewhere");
    dialogs.answers = {"0"};
    QVERIFY(registry().may_end_program());
    QCOMPARE(dialogs.prompts.last(),
             QStringLiteral("The draws added to 'Canada_6_49' are not saved. Save them before going on?"));
    QCOMPARE(test::read_all(file),
             before + "2025-11-22 3 9 21 30 44 49 7 \r\n2025-11-26 2 8 20 31 43 48 5 \r\n");
    QCOMPARE(text("cmbName"), QStringLiteral("Elsewhere"));
  }

  // A lotto created and saved has no draws.txt: another lotto's draws shown with
  // its name typed are not saved into it; chosen, it starts an empty table.
  void draws_are_saved_only_into_their_own_lotto() {
    QWidget* lotto = show(int(WindowId::lotto));
    dialogs.answers = {"Other"};
    click("cmdLottoCreate");
    type("cmbPlayN", "49");
    type("cmbPickN", "6");
    click("cmdLottoSave");
    QVERIFY(!ds::file_exists(games("Other/draws.txt").toStdString()));
    QVERIFY(choose("cmbName", "Canada_6_49"));
    type("cmbName", "Other");
    click("cmdDrawSave");
    QCOMPARE(shown(),
             QStringList{"The draws shown are not those of the lotto 'Other', so they were not saved "
                         "into it. They are the draws of 'Canada_6_49'. Choose 'Other' in the Name "
                         "list to change its draws."});
    QVERIFY(!ds::file_exists(games("Other/draws.txt").toStdString()));

    QVERIFY(choose("cmbName", "Other"));  // no message
    QCOMPARE(grid_of("msfDraws").rows(), 1);
    QCOMPARE(status(lotto), QStringLiteral("Other: 0 draws"));
    click("cmdDrawNew");
    type_draw("2025-11-21", {"1", "2", "3", "4", "5", "6", "7"});
    click("cmdAdd");
    click("cmdDrawSave");
    QCOMPARE(test::read_all(games("Other/draws.txt")), QByteArray("2025-11-21 1 2 3 4 5 6 7 \r\n"));
  }

  // A second copy is told at start who holds the data folder; a lock left by a
  // copy that is gone is taken over without a word.
  void a_second_copy_is_told_at_start() {
    const QString lock = path("drawsmith.lock");
    const std::string host = ds::this_process().host;
    const QByteArray live = QByteArray("1 ") + host.c_str() + "\r\n";
    test::write_all(lock, live);
    show(int(WindowId::main));
    const QStringList told = shown();
    QCOMPARE(told.size(), 1);
    QVERIFY(
        told[0].startsWith(QString("Another copy of Drawsmith (process 1 on '%1') is working on the data in ")
                               .arg(host.c_str())));
    QCOMPARE(test::read_all(lock), live);

    registry().close_all();
    test::write_all(lock, QByteArray("2147483646 ") + host.c_str() + "\r\n");
    show(int(WindowId::main));
    QCOMPARE(test::read_all(lock),
             QByteArray::number(qint64(ds::this_process().pid)) + " " + host.c_str() + "\r\n");
  }
};

DS_UI_TEST(SharedFilesTest);
#include "shared_files_test.moc"
