#include "shell/ui/help_menu.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "shell/ui/help_window.h"
#include "shell/ui/window_registry.h"

namespace ds::ui {

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
    // Select all stays with the text box that has the focus; About keeps Ctrl+A elsewhere.
    if (pressed == QKeySequence(QKeySequence::SelectAll) &&
        (qobject_cast<QLineEdit*>(widget) || qobject_cast<QTextEdit*>(widget) ||
         qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QAbstractSpinBox*>(widget)))
      return false;
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
                   [] { show_help(QStringLiteral("about.htm"), QObject::tr("About")); });
  QAction* guide = help->addAction(QObject::tr("&User Guide"));
  guide->setObjectName(QStringLiteral("UserGuide"));
  guide->setShortcut(QKeySequence(QStringLiteral("Ctrl+U")));
  QObject::connect(guide, &QAction::triggered, window,
                   [guide_page] { show_help(guide_page, QObject::tr("User Guide")); });
  QAction* exit = help->addAction(QObject::tr("&Exit"));
  exit->setObjectName(QStringLiteral("Exit"));
  exit->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
  QObject::connect(exit, &QAction::triggered, window, [] {
    if (registry().may_end_program()) QApplication::exit(0);
  });
  for (QAction* a : {about, guide, exit}) a->setShortcutContext(Qt::WindowShortcut);
}

void show_help(const QString& page, const QString& caption) {
  auto* help = qobject_cast<HelpWindow*>(registry().show(WindowId::help));
  if (!help) return;
  help->setWindowTitle(caption);
  help->open_page(page);
}

}  // namespace ds::ui
