#include "shell/ui/combo_box.h"

#include <QComboBox>
#include <QLineEdit>

namespace ds::ui {

void choose_only_from_list(QComboBox* box) {
  if (!box->lineEdit()) return;
  box->setCompleter(nullptr);
  QObject::disconnect(box->lineEdit(), &QLineEdit::editingFinished, box, nullptr);
}

}  // namespace ds::ui
