#pragma once
// Printing an HTML page through the print dialog (a printer or a PDF file).
#include <QString>

#include "shell/outcome.h"

class QMainWindow;
class QWidget;

namespace ds::ui {

// Opens the print dialog titled `title`; on OK prints `html` as document `doc_name`.
// Windows print through dialogs().print, which tests script.
void print_html_with_dialog(QWidget* parent, const QString& title, const QString& doc_name,
                            const QString& html);

// Shows what Print decided: the page through dialogs().print when there is one,
// then the outcome (the message when there is nothing to print).
void print_page(QMainWindow* window, const PrintOutcome& outcome);

}  // namespace ds::ui
