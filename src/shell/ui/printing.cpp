#include "shell/ui/printing.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

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

}  // namespace ds::ui
