#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/register_windows.h"
#include "shell/ui/app.h"
#include "ui_test_support.h"

namespace ds::ui::test {

namespace {
std::vector<std::pair<const char*, TestFactory>>& tests() {
  static std::vector<std::pair<const char*, TestFactory>> t;
  return t;
}
}  // namespace

int register_test(const char* name, TestFactory factory) {
  tests().emplace_back(name, std::move(factory));
  return 0;
}

Fixture::Fixture() {
  registry().close_all();
  state() = AppState{};
  // The shipped files, as the build lays them beside the program.
  const QDir shipped(QStringLiteral(DRAWSMITH_DATA_DIR));
  for (const QString& f : {QStringLiteral("d1"), QStringLiteral("d1a"), QStringLiteral("d2")})
    QFile::copy(shipped.filePath(QStringLiteral("samples/") + f), QDir(dir_.path()).filePath(f));
  for (const QString& page : QDir(shipped.filePath(QStringLiteral("help"))).entryList(QDir::Files))
    QFile::copy(shipped.filePath(QStringLiteral("help/") + page), QDir(dir_.path()).filePath(page));
  state().program_folder = dir_.path().toStdString();
  state().app_folder = state().program_folder;
  state().date_format = DateFormat::iso();
  state().number_format = NumberFormat{};
  set_dialogs(&dialogs);
}

Fixture::~Fixture() {
  registry().close_all();
  set_dialogs(nullptr);
}

QWidget* Driver::show(int window_id) {
  w = registry().show(static_cast<WindowId>(window_id));
  if (w) {
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w)) qWarning("the window did not become active");
  }
  return w;
}

void Driver::type(const char* name, const QString& text) const {
  QWidget* target = find(name);
  if (auto* c = qobject_cast<QComboBox*>(target)) target = c->lineEdit();
  auto* e = qobject_cast<QLineEdit*>(target);
  if (!e) return;
  e->setFocus();
  e->selectAll();
  e->del();
  QTest::keyClicks(e, text);
}

void Driver::click(const char* name) const { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }

bool Driver::choose(const char* combo, const QString& item) const {
  auto* c = find<QComboBox>(combo);
  const int i = c ? c->findText(item) : -1;
  if (i < 0) return false;
  c->setCurrentIndex(i);
  emit c->activated(i);
  emit c->textActivated(item);
  return true;
}

void Driver::pick(const char* combo, const QString& item) const {
  auto* c = find<QComboBox>(combo);
  const int i = c->findText(item);
  QVERIFY2(i >= 0, qPrintable(item));
  c->showPopup();
  c->view()->setCurrentIndex(c->model()->index(i, 0));
  QTest::keyClick(c->view(), Qt::Key_Return);
}

QString Driver::text(const char* name) const {
  QWidget* target = find(name);
  if (auto* c = qobject_cast<QComboBox*>(target)) return c->currentText();
  if (auto* e = qobject_cast<QLineEdit*>(target)) return e->text();
  return {};
}

bool Driver::has_focus(const char* name) const {
  QWidget* f = QApplication::focusWidget();
  QWidget* control = find(name);
  return f && control && (f == control || control->isAncestorOf(f));
}

}  // namespace ds::ui::test

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale::c());
  ds::ui::register_windows();
  // `ui_tests Class [Qt Test options]` runs one class (CTest has an entry per
  // class); without a class name every class runs.
  const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
  int ran = 0, failed = 0;
  for (auto& [name, factory] : ds::ui::test::tests()) {
    if (only && std::strcmp(only, name) != 0) continue;
    QObject* t = factory();
    std::vector<char*> args{argv[0]};
    for (int i = only ? 2 : 1; i < argc; ++i) args.push_back(argv[i]);
    failed += QTest::qExec(t, static_cast<int>(args.size()), args.data()) != 0 ? 1 : 0;
    delete t;
    ++ran;
  }
  if (only && ran == 0) {
    std::fprintf(stderr, "no test class %s\n", only);
    return 2;
  }
  std::printf("%d test classes, %d failed\n", ran, failed);
  return failed == 0 ? 0 : 1;
}
