#include "shell/ui/dialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/ui/grid_view.h"
#include "shell/ui/printing.h"
#include "shell/ui/translation.h"

namespace ds::ui {

namespace {

// The review dialog owns a copy of the grid it shows; its view goes first.
class ReviewDialog : public QDialog {
 public:
  ReviewDialog(QWidget* parent, const QString& title, const QString& text, const TextGrid& grid,
               const QString& accept)
      : QDialog(parent), grid_(grid) {
    setObjectName(QStringLiteral("dlgReview"));
    setWindowTitle(title);
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("lblReview"));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    view_ = new GridView(&grid_, true, this);
    view_->setObjectName(QStringLiteral("msfReview"));
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->refresh();
    view_->resizeColumnsToContents();
    auto* buttons = new QDialogButtonBox(this);
    if (accept.isEmpty()) {
      buttons->addButton(QDialogButtonBox::Close)
          ->setText(QCoreApplication::translate("ds::ui::Dialogs", "Close"));
    } else {
      buttons->addButton(accept, QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("cmdAccept"));
      buttons->addButton(QDialogButtonBox::Cancel)
          ->setText(QCoreApplication::translate("ds::ui::Dialogs", "Cancel"));
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(view_, 1);
    layout->addWidget(buttons);
    resize(900, 520);
  }
  ~ReviewDialog() override { delete view_; }

 private:
  TextGrid grid_;
  GridView* view_ = nullptr;
};

class RealDialogs final : public Dialogs {
 public:
  void message(QWidget* parent, const QString& text) override {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Drawsmith"), text, QMessageBox::Ok, parent);
    box.exec();
  }
  int ask(QWidget* parent, const QString& question, const QStringList& buttons) override {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Drawsmith"), question, QMessageBox::NoButton,
                    parent);
    QList<QAbstractButton*> answers;
    for (const QString& b : buttons) answers << box.addButton(b, QMessageBox::AcceptRole);
    // The standard buttons' own words come from Qt's translations, which a system may
    // lack: the program's.
    QAbstractButton* cancel = box.addButton(QMessageBox::Cancel);
    cancel->setText(QCoreApplication::translate("ds::ui::Dialogs", "Cancel"));
    box.setDefaultButton(qobject_cast<QPushButton*>(answers.value(0)));
    box.setEscapeButton(cancel);
    box.exec();
    return static_cast<int>(answers.indexOf(box.clickedButton()));
  }
  QString input(QWidget* parent, const QString& prompt, const QString& title) override {
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, {}, &ok);
    return ok ? text : QString();
  }
  QString open_file(QWidget* parent, const QString& title, const QString& filter) override {
    return QFileDialog::getOpenFileName(parent, title, {}, filter);
  }
  QString save_file(QWidget* parent, const QString& title, const QString& suggested,
                    const QString& filter) override {
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
  }
  int choose(QWidget* parent, const QString& question, const QStringList& choices) override {
    bool ok = false;
    QStringList shown;
    for (const QString& c : choices) shown << c;
    const QString item =
        QInputDialog::getItem(parent, QStringLiteral("Drawsmith"), question, shown, 0, false, &ok);
    return ok ? static_cast<int>(shown.indexOf(item)) : -1;
  }
  bool review(QWidget* parent, const QString& title, const QString& text, const TextGrid& grid,
              const QString& accept) override {
    ReviewDialog dialog(parent, title, text, grid, accept);
    return dialog.exec() == QDialog::Accepted && !accept.isEmpty();
  }
  void print(QWidget* parent, const QString& title, const QString& document, const QString& html) override {
    print_html_with_dialog(parent, title, document, html);
  }
};
RealDialogs real;
Dialogs* current = &real;
}  // namespace

Dialogs& dialogs() { return *current; }
void set_dialogs(Dialogs* d) { current = d ? d : &real; }
Dialogs& real_dialogs() { return real; }

AskUser ask_through_dialogs(QWidget* parent) {
  return [parent](const Question& q) {
    QStringList buttons;
    for (const Text& b : q.buttons) buttons << tr_text(b);
    return dialogs().ask(parent, tr_text(q.text), buttons);
  };
}

void show_message(QWidget* parent, const QString& text) { dialogs().message(parent, text); }
void show_message(QWidget* parent, const Text& text) { dialogs().message(parent, tr_text(text)); }

}  // namespace ds::ui
