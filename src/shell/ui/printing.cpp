#include "shell/ui/printing.h"

#include <QMainWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include "shell/ui/apply_outcome.h"
#include "shell/ui/dialogs.h"

namespace ds::ui {

void print_html_with_dialog(QWidget* parent, const QString& title, const QString& doc_name,
                            const QString& html) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(doc_name);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(title);
  if (dialog.exec() != QDialog::Accepted) return;
  QTextDocument document;
  document.setHtml(html);
  document.print(&printer);
}

void print_page(QMainWindow* window, const PrintOutcome& outcome) {
  if (!outcome.html.empty())
    dialogs().print(window, QString::fromStdString(outcome.title), QString::fromStdString(outcome.document),
                    QString::fromStdString(outcome.html));
  apply_outcome(window, outcome);
}

}  // namespace ds::ui
