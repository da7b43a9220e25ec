#pragma once
// The plain controls every window makes, each named by its objectName (the
// tests, the accessible names and the translations find it by that name).
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace ds::ui {

// A label; `bold` for the values a window shows (a lotto's name, a cost).
QLabel* named_label(const char* name, const QString& text, QWidget* parent, bool bold = false);
QLabel* named_label(const QString& name, const QString& text, QWidget* parent, bool bold = false);
// A push button that Enter in a box does not press by default.
QPushButton* named_button(const char* name, const QString& caption, QWidget* parent);

}  // namespace ds::ui
