#include "shell/ui/app.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryFile>

#include "shell/ui/help_window.h"

namespace ds::ui {

AppState& state() {
  static AppState s;
  return s;
}

WindowRegistry& registry() {
  static WindowRegistry r;
  return r;
}

void WindowRegistry::set_factory(WindowId id, Factory factory) { factories_[id] = std::move(factory); }

QWidget* WindowRegistry::get(WindowId id) {
  if (QWidget* w = existing(id)) return w;
  const auto f = factories_.find(id);
  if (f == factories_.end()) return nullptr;
  QWidget* w = f->second();
  w->setAttribute(Qt::WA_DeleteOnClose);
  windows_[id] = w;
  return w;
}

QWidget* WindowRegistry::show(WindowId id) {
  QWidget* w = get(id);
  if (!w) return nullptr;
  if (w->isMinimized()) w->showNormal();
  w->show();
  w->raise();
  w->activateWindow();
  return w;
}

QWidget* WindowRegistry::existing(WindowId id) const {
  const auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : it->second.data();
}

void WindowRegistry::close_all() {
  for (auto& [id, w] : windows_) {
    if (w) {
      w->setAttribute(Qt::WA_DeleteOnClose, false);
      // Hidden first, as a user's close does: a window's grid members die before
      // its child views, which must not be asked to lay out on the way.
      w->hide();
      delete w.data();
    }
  }
  windows_.clear();
}

WindowId owner_of(LentGrid grid) {
  switch (grid) {
    case LentGrid::draws:
      return WindowId::lotto;
    case LentGrid::sets:
      return WindowId::tsets;
    case LentGrid::frequencies:
      return WindowId::tset_generator;
    case LentGrid::forecasting:
      return WindowId::fability;
  }
  return WindowId::main;
}

const TextGrid* borrow_grid(LentGrid grid) {
  auto* source = dynamic_cast<GridSource*>(registry().get(owner_of(grid)));
  return source ? source->lent_grid(grid) : nullptr;
}

DateFormat date_format_from_locale(const QLocale& locale) {
  const QString f = locale.dateFormat(QLocale::ShortFormat);
  // Only purely numeric forms with one separator are used as they are.
  static const QRegularExpression numeric(
      QStringLiteral("^(d{1,2}|M{1,2}|y{2,4})([./-])(d{1,2}|M{1,2}|y{2,4})\\2(d{1,2}|M{1,2}|y{2,4})$"));
  const auto m = numeric.match(f);
  if (!m.hasMatch()) return DateFormat::iso();
  DateFormat out;
  out.separator = m.captured(2).at(0).toLatin1();
  const QString a = m.captured(1), b = m.captured(3), c = m.captured(4);
  if (a.startsWith('d') && b.startsWith('M') && c.startsWith('y')) out.order = DateFormat::Order::dmy;
  else if (a.startsWith('M') && b.startsWith('d') && c.startsWith('y')) out.order = DateFormat::Order::mdy;
  else if (a.startsWith('y') && b.startsWith('M') && c.startsWith('d')) out.order = DateFormat::Order::ymd;
  else return DateFormat::iso();
  out.zero_pad = f.contains(QStringLiteral("dd")) || f.contains(QStringLiteral("MM"));
  return out;
}

NumberFormat number_format_from_locale(const QLocale& locale) {
  NumberFormat n;
  const QString d = locale.decimalPoint();
  n.decimal = d.size() == 1 && d.at(0).unicode() < 128 ? d.at(0).toLatin1() : '.';
  return n;
}

void choose_folders(const QString& program_folder, const QString& user_data_folder) {
  AppState& s = state();
  s.program_folder = program_folder.toStdString();
  s.app_folder = s.program_folder;
  QTemporaryFile probe(QDir(program_folder).filePath(QStringLiteral(".write-test-XXXXXX")));
  if (!probe.open()) {
    QDir().mkpath(user_data_folder);
    s.app_folder = user_data_folder.toStdString();
  }
}

namespace {

// Text boxes claim Ctrl+A (select all), Ctrl+U and Ctrl+E (line editing) before
// the window's shortcuts see them. In a window with the Help menu the menu's
// shortcuts win: the box is told the key is not its own.
class HelpShortcutsFirst : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!(key->modifiers() & Qt::ControlModifier)) return false;
    const QKeySequence pressed(key->keyCombination());
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !widget->window()) return false;
    for (QAction* a : widget->window()->findChildren<QAction*>()) {
      const QString name = a->objectName();
      if ((name == QLatin1String("About") || name == QLatin1String("UserGuide") ||
           name == QLatin1String("Exit")) &&
          a->shortcut() == pressed) {
        event->ignore();
        return true;
      }
    }
    return false;
  }
};

}  // namespace

void add_help_menu(QMainWindow* window, const QString& guide_page) {
  static auto* const filter = [] {
    auto* f = new HelpShortcutsFirst(qApp);
    qApp->installEventFilter(f);
    return f;
  }();
  (void)filter;
  QMenu* help = window->menuBar()->addMenu(QObject::tr("&Help"));
  QAction* about = help->addAction(QObject::tr("&About"));
  about->setObjectName(QStringLiteral("About"));
  about->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
  QObject::connect(about, &QAction::triggered, window,
                   [] { show_help(QStringLiteral("about.htm"), QStringLiteral("About")); });
  QAction* guide = help->addAction(QObject::tr("&User Guide"));
  guide->setObjectName(QStringLiteral("UserGuide"));
  guide->setShortcut(QKeySequence(QStringLiteral("Ctrl+U")));
  QObject::connect(guide, &QAction::triggered, window,
                   [guide_page] { show_help(guide_page, QStringLiteral("User Guide")); });
  QAction* exit = help->addAction(QObject::tr("&Exit"));
  exit->setObjectName(QStringLiteral("Exit"));
  exit->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
  QObject::connect(exit, &QAction::triggered, window, [] { QApplication::exit(0); });
  for (QAction* a : {about, guide, exit}) a->setShortcutContext(Qt::WindowShortcut);
}

void show_help(const QString& page, const QString& caption) {
  auto* help = qobject_cast<HelpWindow*>(registry().show(WindowId::help));
  if (!help) return;
  help->setWindowTitle(caption);
  help->navigate(QDir(QString::fromStdString(state().program_folder.string())).filePath(page));
}

}  // namespace ds::ui
