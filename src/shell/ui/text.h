#pragma once
// Text conversions between the core and the widgets.
#include <QString>
#include <string>

#include "shell/text.h"

namespace ds::ui {

inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string ss(const QString& s) { return s.toStdString(); }
// A text of the core is shown through tr_text (shell/ui/translation.h), in the user's language.
QString qs(const ds::Text&) = delete;

}  // namespace ds::ui
