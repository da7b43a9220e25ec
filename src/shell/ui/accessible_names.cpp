#include "shell/ui/accessible_names.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QWidget>

namespace ds::ui {

namespace {

QString label_text(const QLabel* label) {
  QString t = label->text();
  // "&&" is a literal ampersand; a single "&" marks the shortcut.
  t.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  t.remove(QLatin1Char('&'));
  t.replace(QStringLiteral("\x01"), QStringLiteral("&"));
  t = t.trimmed();
  if (t.endsWith(QLatin1Char(':'))) t.chop(1);
  return t.trimmed();
}

void name_from(QWidget* control, QLabel* label) {
  if (!control || !label || !control->accessibleName().isEmpty()) return;
  const QString t = label_text(label);
  if (t.isEmpty()) return;
  control->setAccessibleName(t);
  // On Linux a screen reader names a combo box by its current value and finds its
  // caption through the label whose buddy it is.
  if (!label->buddy()) label->setBuddy(control);
}

void name_form_rows(QLayout* layout) {
  if (!layout) return;
  if (auto* form = qobject_cast<QFormLayout*>(layout)) {
    for (int row = 0; row < form->rowCount(); ++row) {
      QLayoutItem* label = form->itemAt(row, QFormLayout::LabelRole);
      QLayoutItem* field = form->itemAt(row, QFormLayout::FieldRole);
      if (label && field) name_from(field->widget(), qobject_cast<QLabel*>(label->widget()));
    }
  }
  for (int i = 0; i < layout->count(); ++i) name_form_rows(layout->itemAt(i)->layout());
}

QLabel* label_at(QGridLayout* grid, int row, int col) {
  QLayoutItem* item = row >= 0 && col >= 0 ? grid->itemAtPosition(row, col) : nullptr;
  return item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
}

// A label that is no other control's, just before a control in a row, or just above
// it in a grid, is its caption.
void name_from_neighbour(QWidget* control, QLabel* label) {
  if (!control || !label || qobject_cast<QLabel*>(control)) return;
  if (label->buddy() && label->buddy() != control) return;
  name_from(control, label);
}

void name_layout_neighbours(QLayout* layout) {
  if (!layout) return;
  if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
    for (int i = 0; i < grid->count(); ++i) {
      int row = 0, col = 0, rows = 0, cols = 0;
      grid->getItemPosition(i, &row, &col, &rows, &cols);
      QWidget* w = grid->itemAt(i)->widget();
      QLabel* left = label_at(grid, row, col - 1);
      name_from_neighbour(w, left ? left : label_at(grid, row - 1, col));
    }
  } else if (auto* box = qobject_cast<QBoxLayout*>(layout)) {
    for (int i = 1; i < box->count(); ++i)
      name_from_neighbour(box->itemAt(i)->widget(), qobject_cast<QLabel*>(box->itemAt(i - 1)->widget()));
  }
  for (int i = 0; i < layout->count(); ++i) name_layout_neighbours(layout->itemAt(i)->layout());
}

// Controls whose label is not theirs alone (a row of boxes under one caption, a grid
// under the window's title): their names, by objectName.
const QHash<QString, const char*>& names_by_object() {
  static const QHash<QString, const char*> names = {
      {QStringLiteral("txtN1"), QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Number 1")},
      {QStringLiteral("txtN2"), QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Number 2")},
      {QStringLiteral("txtN3"), QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Number 3")},
      {QStringLiteral("txtN4"), QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Number 4")},
      {QStringLiteral("txtN5"), QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Number 5")},
      {QStringLiteral("txtN6"), QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Number 6")},
      {QStringLiteral("txtNB"), QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Bonus number")},
      {QStringLiteral("msfDraws"), QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Draws")},
      {QStringLiteral("msfTsets"), QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Targeted set rows")},
      {QStringLiteral("msfResults"), QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Guaranteed results")},
      {QStringLiteral("msfSystem"), QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Tickets")},
      {QStringLiteral("msfFA"), QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Forecasting abilities")},
      {QStringLiteral("msfBacktest"), QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Back-test by draw")},
      {QStringLiteral("msfTotals"), QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Totals by system")},
      {QStringLiteral("msfPerformance"),
       QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Tickets and their wins")},
      {QStringLiteral("msfFrequencies"), QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Number frequencies")},
      {QStringLiteral("WebBrowser1"), QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Help page")},
      {QStringLiteral("msfTickets"), QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Tickets of the wheel")},
      {QStringLiteral("msfRows"), QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Cases by winners")},
      {QStringLiteral("msfHoles"), QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Holes")},
      {QStringLiteral("msfPrizes"), QT_TRANSLATE_NOOP("ds::ui::AccessibleNames", "Prize table")},
  };
  return names;
}

}  // namespace

void name_controls(QWidget* window) {
  for (QLabel* label : window->findChildren<QLabel*>()) name_from(label->buddy(), label);
  name_form_rows(window->layout());
  for (QWidget* w : window->findChildren<QWidget*>()) name_form_rows(w->layout());
  const auto& table = names_by_object();
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->accessibleName().isEmpty()) continue;
    const auto it = table.find(w->objectName());
    if (it != table.end()) w->setAccessibleName(QCoreApplication::translate("ds::ui::AccessibleNames", *it));
  }
  name_layout_neighbours(window->layout());
  for (QWidget* w : window->findChildren<QWidget*>()) name_layout_neighbours(w->layout());
}

}  // namespace ds::ui
