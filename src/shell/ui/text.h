#pragma once
// Text conversions between the core and the widgets.
#include <QString>
#include <string>

namespace ds::ui {

inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string ss(const QString& s) { return s.toStdString(); }

}  // namespace ds::ui
