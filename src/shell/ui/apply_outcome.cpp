#include "shell/ui/apply_outcome.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>

#include "shell/ui/dialogs.h"
#include "shell/ui/text.h"
#include "shell/ui/translation.h"
#include "shell/ui/window_registry.h"

namespace ds::ui {

namespace {
constexpr int status_note_ms = 8000;
}  // namespace

bool ask_unsaved(QWidget* parent, const UnsavedQuestion& question, const std::function<bool()>& save) {
  QStringList buttons;
  for (const Text& b : question.buttons) buttons << tr_text(b);
  switch (dialogs().ask(parent, tr_text(question.question), buttons)) {
    case 0:
      return save();
    case 1:
      return true;
    default:
      return false;
  }
}

void focus_control(QWidget* control) {
  if (!control) return;
  control->setFocus(Qt::OtherFocusReason);
  if (auto* e = qobject_cast<QLineEdit*>(control))
    e->selectAll();
  else if (auto* c = qobject_cast<QComboBox*>(control); c && c->lineEdit())
    c->lineEdit()->selectAll();
}

void apply_outcome(QMainWindow* window, const Outcome& outcome, const char* focus) {
  if (outcome.status) {
    if (outcome.status->empty())
      window->statusBar()->clearMessage();
    else
      window->statusBar()->showMessage(tr_text(*outcome.status), outcome.status_stays ? 0 : status_note_ms);
  }
  if (!outcome.message.empty()) show_message(window, tr_text(outcome.message));
  if (outcome.show != WindowId::none) registry().show(outcome.show);
  if (focus) focus_control(window->findChild<QWidget*>(QString::fromLatin1(focus)));
}

}  // namespace ds::ui
