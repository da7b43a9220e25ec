#include "shell/ui/locale_forms.h"

#include <QLocale>
#include <QRegularExpression>

namespace ds::ui {

DateFormat date_format_from_locale(const QLocale& locale) {
  const QString f = locale.dateFormat(QLocale::ShortFormat);
  // Only purely numeric forms with one separator are used as they are.
  static const QRegularExpression numeric(
      QStringLiteral("^(d{1,2}|M{1,2}|y{2,4})([./-])(d{1,2}|M{1,2}|y{2,4})\\2(d{1,2}|M{1,2}|y{2,4})$"));
  const auto m = numeric.match(f);
  if (!m.hasMatch()) return DateFormat::iso();
  DateFormat out;
  out.separator = m.captured(2).at(0).toLatin1();
  const QString a = m.captured(1), b = m.captured(3), c = m.captured(4);
  if (a.startsWith('d') && b.startsWith('M') && c.startsWith('y'))
    out.order = DateFormat::Order::dmy;
  else if (a.startsWith('M') && b.startsWith('d') && c.startsWith('y'))
    out.order = DateFormat::Order::mdy;
  else if (a.startsWith('y') && b.startsWith('M') && c.startsWith('d'))
    out.order = DateFormat::Order::ymd;
  else
    return DateFormat::iso();
  out.zero_pad = f.contains(QStringLiteral("dd")) || f.contains(QStringLiteral("MM"));
  return out;
}

NumberFormat number_format_from_locale(const QLocale& locale) {
  NumberFormat n;
  const QString d = locale.decimalPoint();
  n.decimal = d.size() == 1 && d.at(0).unicode() < 128 ? d.at(0).toLatin1() : '.';
  return n;
}

}  // namespace ds::ui
