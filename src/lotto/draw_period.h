#pragma once
// How many draws of a history fall in a period, and the sentence that says so;
// when none does, the sentence names the first and last draw of the history so
// that the user sees where to move the period.
#include <string>

#include "shell/dates.h"
#include "shell/grid.h"
#include "shell/text.h"

namespace ds {

struct DrawPeriodCount {
  int count = 0;                  // draws dated from `from` to `to`, both included
  int dated = 0;                  // draws of the history whose date can be read
  DayNumber first = 0, last = 0;  // the history's earliest and latest draw, when dated > 0
};

// Counts the rows 1.. of a draw table (dates in column 0, in `format` or ISO).
DrawPeriodCount count_draws_in_period(const TextGrid& draws, DayNumber from, DayNumber to,
                                      const DateFormat& format);

// "12 draws fall in the period." / "1 draw falls in the period." /
// "No draw falls in the period from 2024-12-01 to 2025-11-30. The draw history
// runs from 1982-06-12 to 2025-11-19." / "The lotto has no draws." Dates are
// written in `format`.
Text draws_in_period_message(const TextGrid& draws, DayNumber from, DayNumber to, const DateFormat& format);

}  // namespace ds
