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

std::string draws_in_period_message(const TextGrid& draws, DayNumber from, DayNumber to,
                                    const DateFormat& format) {
  const DrawPeriodCount c = count_draws_in_period(draws, from, to, format);
  if (c.dated == 0) return "The lotto has no draws.";
  if (c.count == 1) return "1 draw falls in the period.";
  if (c.count > 1) return std::to_string(c.count) + " draws fall in the period.";
  return "No draw falls in the period from " + format_date(from, format) + " to " + format_date(to, format) +
         ". The draw history runs from " + format_date(c.first, format) + " to " +
         format_date(c.last, format) + ".";
}

}  // namespace ds
