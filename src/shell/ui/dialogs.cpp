#include "shell/ui/dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace ds::ui {

namespace {
class RealDialogs final : public Dialogs {
 public:
  void message(QWidget* parent, const QString& text) override {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Drawsmith"), text, QMessageBox::Ok, parent);
    box.exec();
  }
  QString input(QWidget* parent, const QString& prompt, const QString& title) override {
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, {}, &ok);
    return ok ? text : QString();
  }
};
RealDialogs real;
Dialogs* current = &real;
}  // namespace

Dialogs& dialogs() { return *current; }
void set_dialogs(Dialogs* d) { current = d ? d : &real; }

void show_message(QWidget* parent, const QString& text) { dialogs().message(parent, text); }
void show_message(QWidget* parent, const std::string& text) {
  dialogs().message(parent, QString::fromStdString(text));
}

}  // namespace ds::ui
