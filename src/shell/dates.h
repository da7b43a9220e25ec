#pragma once
// Dates as day numbers: whole days since 30 December 1899.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ds {

// The short date form of the user's region, reduced to what the program needs:
// the order of day, month and year and the separator between them. Years are
// always written with four digits. The ISO form (year-month-day, "-") is the
// fallback for regions whose short form has month names or blanks.
struct DateFormat {
  enum class Order { dmy, mdy, ymd };
  Order order = Order::ymd;
  char separator = '-';
  bool zero_pad = true;  // day and month written with two digits

  static DateFormat iso() { return {}; }
  bool operator==(const DateFormat&) const = default;
};

using DayNumber = std::int32_t;

// Day number of a calendar date, or nullopt when there is no such date.
std::optional<DayNumber> day_number(int year, int month, int day);
void civil_from_day(DayNumber day, int& year, int& month, int& dayOfMonth);

// Reads the region's form (two- or four-digit years; two-digit years 00-29 are
// 2000-2029, 30-99 are 1930-1999) and ISO yyyy-mm-dd always. Blanks around the
// text are ignored; anything else that is not a real date gives nullopt.
std::optional<DayNumber> parse_date(std::string_view text, const DateFormat& format);
std::string format_date(DayNumber day, const DateFormat& format);

// A date typed into a form: the day, or nullopt when it is none (the window then says
// "Incorrect date.").
std::optional<DayNumber> check_date(std::string_view s, const DateFormat& format);

// Adds whole months; a day past the end of the target month becomes its last day.
DayNumber add_months(DayNumber day, int months);

DayNumber today();

}  // namespace ds
