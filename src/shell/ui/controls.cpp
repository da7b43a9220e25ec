#include "shell/ui/controls.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

namespace ds::ui {

QLabel* named_label(const QString& name, const QString& text, QWidget* parent, bool bold) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  if (bold) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
  }
  return l;
}

QLabel* named_label(const char* name, const QString& text, QWidget* parent, bool bold) {
  return named_label(QString::fromLatin1(name), text, parent, bold);
}

QPushButton* named_button(const char* name, const QString& caption, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}

}  // namespace ds::ui
