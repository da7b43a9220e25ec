#pragma once
// Controls the two wheel windows make alike: named for the tests and the accessibility pass.
#include <QLabel>
#include <QPushButton>
#include <QString>

namespace ds::ui {

// A button that Return in a box does not press.
inline QPushButton* named_button(const char* name, const QString& caption, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}

// A wrapping label whose text can be selected and copied.
inline QLabel* named_label(const char* name, QWidget* parent) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setWordWrap(true);
  l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return l;
}

}  // namespace ds::ui
