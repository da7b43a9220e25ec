#include "lotto/draw_period.h"

#include <algorithm>

namespace ds {

DrawPeriodCount count_draws_in_period(const TextGrid& draws, DayNumber from, DayNumber to,
                                      const DateFormat& format) {
  DrawPeriodCount c;
  for (int r = 1; r < draws.rows(); ++r) {
    const auto day = parse_date(draws.cell(r, 0), format);
    if (!day) continue;
    c.first = c.dated == 0 ? *day : std::min(c.first, *day);
    c.last = c.dated == 0 ? *day : std::max(c.last, *day);
    ++c.dated;
    c.count += *day >= from && *day <= to;
  }
  return c;
}

Text draws_in_period_message(const TextGrid& draws, DayNumber from, DayNumber to, const DateFormat& format) {
  const DrawPeriodCount c = count_draws_in_period(draws, from, to, format);
  if (c.dated == 0) return DS_TR("The lotto has no draws.");
  if (c.count == 1) return DS_TR("1 draw falls in the period.");
  if (c.count > 1) return DS_TR("%1 draws fall in the period.").arg(c.count);
  return DS_TR("No draw falls in the period from %1 to %2. The draw history runs from %3 to %4.")
      .arg(format_date(from, format))
      .arg(format_date(to, format))
      .arg(format_date(c.first, format))
      .arg(format_date(c.last, format));
}

}  // namespace ds
