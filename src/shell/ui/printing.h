#pragma once
// Printing an HTML page through the print dialog (a printer or a PDF file).
#include <QString>
#include <functional>

class QWidget;

namespace ds::ui {

// Sends a printed page; windows keep one each so that tests can replace it.
using PrintHandler = std::function<void(QWidget* parent, const QString& html)>;

// Opens the print dialog titled `title`; on OK prints `html` as document `doc_name`.
void print_html_with_dialog(QWidget* parent, const QString& title, const QString& doc_name,
                            const QString& html);

}  // namespace ds::ui
