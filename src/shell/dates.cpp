#include "shell/dates.h"

#include <charconv>
#include <chrono>
#include <ctime>

namespace ds {

namespace {

// Days from 1970-01-01 to 1899-12-30.
constexpr DayNumber epoch_offset = 25569;

bool leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
int days_in_month(int y, int m) {
  static constexpr int d[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && leap(y) ? 29 : d[m - 1];
}

// Reads 1 to `max_digits` digits; false when there is none or more.
bool read_number(std::string_view& s, int max_digits, int& value, int& digits) {
  std::size_t n = 0;
  while (n < s.size() && s[n] >= '0' && s[n] <= '9') ++n;
  if (n == 0 || n > static_cast<std::size_t>(max_digits)) return false;
  std::from_chars(s.data(), s.data() + n, value);
  digits = static_cast<int>(n);
  s.remove_prefix(n);
  return true;
}

std::optional<DayNumber> parse_parts(std::string_view s, DateFormat::Order order, char sep) {
  int a = 0, b = 0, c = 0, da = 0, db = 0, dc = 0;
  if (!read_number(s, 4, a, da) || s.empty() || s.front() != sep) return std::nullopt;
  s.remove_prefix(1);
  if (!read_number(s, 4, b, db) || s.empty() || s.front() != sep) return std::nullopt;
  s.remove_prefix(1);
  if (!read_number(s, 4, c, dc) || !s.empty()) return std::nullopt;
  int y = 0, m = 0, d = 0, dy = 0;
  switch (order) {
    case DateFormat::Order::dmy:
      d = a;
      m = b;
      y = c;
      dy = dc;
      if (da > 2 || db > 2) return std::nullopt;
      break;
    case DateFormat::Order::mdy:
      m = a;
      d = b;
      y = c;
      dy = dc;
      if (da > 2 || db > 2) return std::nullopt;
      break;
    case DateFormat::Order::ymd:
      y = a;
      m = b;
      d = c;
      dy = da;
      if (db > 2 || dc > 2) return std::nullopt;
      break;
  }
  if (dy == 2)
    y += y < 30 ? 2000 : 1900;
  else if (dy != 4)
    return std::nullopt;
  return day_number(y, m, d);
}

std::string pad(int v, int width) {
  std::string s = std::to_string(v);
  while (static_cast<int>(s.size()) < width) s.insert(s.begin(), '0');
  return s;
}

}  // namespace

std::optional<DayNumber> day_number(int year, int month, int day) {
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > days_in_month(year, month))
    return std::nullopt;
  const std::chrono::year_month_day ymd{std::chrono::year{year},
                                        std::chrono::month{static_cast<unsigned>(month)},
                                        std::chrono::day{static_cast<unsigned>(day)}};
  return std::chrono::sys_days{ymd}.time_since_epoch().count() + epoch_offset;
}

void civil_from_day(DayNumber day, int& year, int& month, int& dayOfMonth) {
  const std::chrono::year_month_day ymd{std::chrono::sys_days{std::chrono::days{day - epoch_offset}}};
  year = static_cast<int>(ymd.year());
  month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  dayOfMonth = static_cast<int>(static_cast<unsigned>(ymd.day()));
}

std::optional<DayNumber> check_date(std::string_view s, const DateFormat& format) {
  return parse_date(s, format);
}

std::optional<DayNumber> parse_date(std::string_view text, const DateFormat& format) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  if (auto d = parse_parts(text, format.order, format.separator)) return d;
  // ISO is read in every region, but only with four-digit years.
  if (text.size() >= 8 && text[4] == '-') return parse_parts(text, DateFormat::Order::ymd, '-');
  return std::nullopt;
}

std::string format_date(DayNumber day, const DateFormat& format) {
  int y = 0, m = 0, d = 0;
  civil_from_day(day, y, m, d);
  const std::string sep(1, format.separator);
  const int w = format.zero_pad ? 2 : 1;
  switch (format.order) {
    case DateFormat::Order::dmy:
      return pad(d, w) + sep + pad(m, w) + sep + pad(y, 4);
    case DateFormat::Order::mdy:
      return pad(m, w) + sep + pad(d, w) + sep + pad(y, 4);
    case DateFormat::Order::ymd:
      break;
  }
  return pad(y, 4) + sep + pad(m, w) + sep + pad(d, w);
}

DayNumber add_months(DayNumber day, int months) {
  int y = 0, m = 0, d = 0;
  civil_from_day(day, y, m, d);
  int index = y * 12 + (m - 1) + months;
  y = index / 12;
  m = index % 12 + 1;
  if (d > days_in_month(y, m)) d = days_in_month(y, m);
  const auto r = day_number(y, m, d);
  return r ? *r : day;
}

DayNumber today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return *day_number(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

}  // namespace ds
