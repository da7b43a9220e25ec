#pragma once
// Controls the two wheel windows make alike: named for the tests and the accessibility pass.
#include <QLabel>
#include <QString>

#include "shell/ui/controls.h"

namespace ds::ui {

// A wrapping label whose text can be selected and copied.
inline QLabel* named_label(const char* name, QWidget* parent) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setWordWrap(true);
  l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return l;
}

}  // namespace ds::ui
