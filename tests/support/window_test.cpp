#include "window_test.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>

#include "shell/samples.h"
#include "shell/ui/app.h"

namespace ds::ui::test {

std::vector<std::pair<const char*, TestFactory>>& registered_tests() {
  static std::vector<std::pair<const char*, TestFactory>> t;
  return t;
}

int register_test(const char* name, TestFactory factory) {
  registered_tests().emplace_back(name, std::move(factory));
  return 0;
}

QStringList ScriptedDialogs::take() {
  QStringList m;
  m.swap(messages_);
  return m;
}

QString ScriptedDialogs::leftover() const {
  QStringList out;
  for (const QString& m : messages_) out << QStringLiteral("a message nobody took: ") + m;
  for (const QString& p : unexpected_) out << QStringLiteral("a dialog nobody expected: ") + p;
  return out.join(QLatin1Char('\n'));
}

QString ScriptedDialogs::input(QWidget*, const QString& prompt, const QString& title) {
  return next(prompt + QStringLiteral(" | ") + title);
}

int ScriptedDialogs::choose(QWidget*, const QString& question, const QStringList&) {
  const QString a = next(question);
  return a.isEmpty() ? -1 : a.toInt();
}

bool ScriptedDialogs::review(QWidget*, const QString& title, const QString& text, const ds::TextGrid& grid,
                             const QString&) {
  reviewed = grid;
  return next(title + QStringLiteral(" | ") + text) == QStringLiteral("1");
}

QString ScriptedDialogs::next(const QString& prompt) {
  prompts << prompt;
  if (answers.empty()) {
    unexpected_ << prompt;
    return {};
  }
  QString a = answers.front();
  answers.pop_front();
  return a;
}

namespace {
StateHub* test_hub = nullptr;
}

void set_hub(StateHub* h) { test_hub = h; }
StateHub& hub() { return *test_hub; }
AppState& state() { return test_hub->writable(); }

void WindowTest::init() {
  registry().close_all();
  dialogs = ScriptedDialogs{};
  dir_ = std::make_unique<QTemporaryDir>();
  w = nullptr;
  state() = AppState{};
  // The shipped files, as the build lays them beside the program.
  const QDir shipped(QStringLiteral(DRAWSMITH_DATA_DIR));
  for (const QString& f : {QStringLiteral("d1"), QStringLiteral("d1a"), QStringLiteral("d2")})
    QFile::copy(shipped.filePath(QStringLiteral("samples/") + f), path(f));
  for (const QString& page : QDir(shipped.filePath(QStringLiteral("help"))).entryList(QDir::Files))
    QFile::copy(shipped.filePath(QStringLiteral("help/") + page), path(page));
  // The settings the program remembers between runs: in this folder, never the user's.
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path(QStringLiteral("settings")));
  state().program_folder = folder().toStdString();
  state().app_folder = state().program_folder;
  state().date_format = DateFormat::iso();
  state().number_format = NumberFormat{};
  if (install_samples_) create_samples(state().program_folder, state().app_folder);
  set_dialogs(&dialogs);
}

void WindowTest::cleanup() {
  const QString leftover = dialogs.leftover();
  registry().close_all();
  set_dialogs(nullptr);
  w = nullptr;
  dir_.reset();
  QVERIFY2(leftover.isEmpty(), qPrintable(leftover));
}

void WindowTest::choose_samples() {
  show(int(WindowId::lotto));
  QVERIFY(choose("cmbName", QStringLiteral("Canada_6_49")));
  show(int(WindowId::tsets));
  QVERIFY(choose("cmbSize", QStringLiteral("10")));
  QVERIFY(choose("cmbSets", QStringLiteral("Forecaster1")));
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
  QVERIFY2(e, name);
  e->setFocus();
  e->selectAll();
  e->del();
  QTest::keyClicks(e, text);
}

void Driver::click(const char* name) const { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }

void Driver::key(const char* name, int key, Qt::KeyboardModifiers modifiers) const {
  QWidget* target = find(name);
  if (auto* c = qobject_cast<QComboBox*>(target)) target = c->lineEdit();
  // Keys reach the active window: a user goes back to it first.
  if (!target->window()->isActiveWindow()) {
    target->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(target->window()));
  }
  target->setFocus();
  QTest::keyClick(target, Qt::Key(key), modifiers);
  QCoreApplication::processEvents();
}

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
  if (auto* l = qobject_cast<QLabel*>(target)) return l->text();
  return QStringLiteral("<no %1>").arg(QLatin1String(name));
}

void Driver::type_draw(const QString& date, const QStringList& numbers) const {
  static const char* const boxes[] = {"txtN1", "txtN2", "txtN3", "txtN4", "txtN5", "txtN6", "txtNB"};
  type("txtDate", date);
  for (int i = 0; i < numbers.size() && i < 7; ++i) type(boxes[i], numbers[i]);
}

bool Driver::enabled(const char* name) const {
  QWidget* control = find(name);
  return control && control->isEnabled();
}

bool Driver::has_focus(const char* name) const {
  QWidget* f = QApplication::focusWidget();
  QWidget* control = find(name);
  return f && control && (f == control || control->isAncestorOf(f));
}

QByteArray read_all(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void write_all(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

}  // namespace ds::ui::test
