#pragma once
// The region's date and number forms as the core's formats.
#include "shell/dates.h"
#include "shell/numbers.h"

class QLocale;

namespace ds::ui {

// Region forms of `locale` as the core's formats: four-digit years always; ISO
// where the region's short form has month names or blanks.
DateFormat date_format_from_locale(const QLocale& locale);
NumberFormat number_format_from_locale(const QLocale& locale);

}  // namespace ds::ui
