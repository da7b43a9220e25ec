#include <gtest/gtest.h>

#include "shell/dates.h"
#include "shell/numbers.h"

using namespace ds;

namespace {
const DateFormat us{DateFormat::Order::mdy, '/', false};
const DateFormat de{DateFormat::Order::dmy, '.', true};
}  // namespace

TEST(Dates, DayNumbersCountFromTheEndOf1899) {
  EXPECT_EQ(day_number(1899, 12, 30), 0);
  EXPECT_EQ(day_number(1900, 1, 1), 2);
  EXPECT_EQ(day_number(2024, 1, 1), 45292);
  EXPECT_FALSE(day_number(2024, 2, 30));
  EXPECT_FALSE(day_number(2023, 2, 29));
  EXPECT_TRUE(day_number(2024, 2, 29));
  EXPECT_FALSE(day_number(1900, 2, 29));  // a century is a leap year only every 400 years
  EXPECT_TRUE(day_number(2000, 2, 29));
  for (int month : {4, 6, 9, 11}) EXPECT_FALSE(day_number(2024, month, 31)) << month;
  EXPECT_GE(today(), *day_number(2026, 12, 8));  // the day this line was written
}

TEST(Dates, ReadsTheRegionFormAndIsoAndRefusesTheRest) {
  EXPECT_EQ(parse_date("1/2/2024", us), day_number(2024, 1, 2));
  EXPECT_EQ(parse_date("01/02/24", us), day_number(2024, 1, 2));
  EXPECT_EQ(parse_date("1/2/85", us), day_number(1985, 1, 2));
  EXPECT_EQ(parse_date("1/2/29", us), day_number(2029, 1, 2));  // two-digit years: 00..29 and 30..99
  EXPECT_EQ(parse_date("1/2/30", us), day_number(1930, 1, 2));
  EXPECT_EQ(parse_date("2024-01-02", us), day_number(2024, 1, 2));
  EXPECT_EQ(parse_date("02.01.2024", de), day_number(2024, 1, 2));
  EXPECT_EQ(parse_date(" 2024-01-02 ", de), day_number(2024, 1, 2));
  for (const char* bad : {"", " ", "2/30/2024", "0/0/0", "13/1/2024", "1/2", "1/2/2024x", "Jan 2 2024",
                          "1/2/123", "-1/2/2024", "1//2024", "99999/1/1"})
    EXPECT_FALSE(parse_date(bad, us)) << bad;
  // What a form's date box holds, as the analyses check it.
  EXPECT_EQ(check_date(" 2025-01-04", us), day_number(2025, 1, 4));
  EXPECT_FALSE(check_date("2025-02-30", us));
  EXPECT_FALSE(check_date("4 Jan 2025", us));
}

TEST(Dates, WritesFourDigitYearsAndAddsMonthsToTheEndOfMonth) {
  const auto d = *day_number(2024, 3, 5);
  EXPECT_EQ(format_date(d, us), "3/5/2024");
  EXPECT_EQ(format_date(d, de), "05.03.2024");
  EXPECT_EQ(format_date(d, DateFormat::iso()), "2024-03-05");
  EXPECT_EQ(add_months(*day_number(2024, 1, 31), 1), day_number(2024, 2, 29));
  EXPECT_EQ(add_months(*day_number(2024, 3, 31), -13), day_number(2023, 2, 28));
  EXPECT_EQ(add_months(*day_number(2024, 11, 30), 2), day_number(2025, 1, 30));
  for (DayNumber x = 0; x < 60000; x += 997) EXPECT_EQ(parse_date(format_date(x, us), us), x);
}

TEST(Numbers, ReadsOnlyWhatIsANumberInTheRegionForm) {
  const NumberFormat dot{'.'}, comma{','};
  EXPECT_EQ(parse_single("54.5", dot), 54.5f);
  EXPECT_EQ(parse_single(" 54,5 ", comma), 54.5f);
  EXPECT_EQ(parse_single("1e3", dot), 1000.0f);
  EXPECT_EQ(parse_single("-2", dot), -2.0f);
  for (const char* bad : {"", "12abc", "1,000", "1.5.", ".", "e3", "1e", "1e99", "0x10", "inf", "nan"})
    EXPECT_FALSE(parse_single(bad, dot)) << bad;
  EXPECT_FALSE(parse_single("1.5", comma));
  EXPECT_EQ(parse_whole("07"), 7);
  EXPECT_EQ(parse_whole("-3"), -3);
  EXPECT_FALSE(parse_whole("1.0"));
  EXPECT_FALSE(parse_whole("1234567890123456789012345678901234567890"));
  EXPECT_FALSE(parse_i16("40000"));
  EXPECT_EQ(parse_i16(" 49 "), 49);
}

TEST(Numbers, WritesTheShortestTextOfAtMostSevenDigits) {
  const NumberFormat dot{'.'}, comma{','};
  EXPECT_EQ(format_single(1000000.0f, dot), "1000000");
  EXPECT_EQ(format_single(10.0f, dot), "10");
  // Files and command lines: fixed notation whatever the size (a jackpot is never 1e+06).
  EXPECT_EQ(plain_decimal(1000000) + " " + plain_decimal(22.5) + " " + plain_decimal(0.1),
            "1000000 22.5 0.1");
  EXPECT_EQ(format_single(0.5f, comma), "0,5");
  EXPECT_EQ(format_single(54.5f, dot), "54.5");
  EXPECT_EQ(format_single(0.1f, dot), "0.1");
  EXPECT_EQ(format_single(10.0f / 3.0f, dot), "3.333333");
  EXPECT_EQ(format_single(10.0f / 210.0f, dot), "0.04761905");
  EXPECT_EQ(format_single(-0.45594f, dot), "-0.45594");
  EXPECT_EQ(format_single(0.0f, dot), "0");
  // Plain digits up to 15 of them; from 10^15 on, the exponent form.
  EXPECT_EQ(format_single(1e14f, dot) + " " + format_single(1e15f, comma), "100000000000000 1e+15");
  for (float v : {0.3f, 2.5e-5f, 12345.67f, 99999.99f, 3.0e9f})
    EXPECT_EQ(parse_single(format_single(v, dot), dot), v) << v;
  // Values the user edits and saves again keep every digit they need: the
  // single nearest 123456789 is 123456792, which "123456790" reads back as;
  // 12345678 and 16777215 are exact.
  EXPECT_EQ(format_single_exact(12345678.0f, dot), "12345678");
  EXPECT_EQ(format_single_exact(123456789.0f, dot), "123456790");
  EXPECT_EQ(format_single_exact(16777215.0f, comma), "16777215");
  EXPECT_EQ(format_single_exact(0.1f, comma), "0,1");
  EXPECT_EQ(format_single_exact(1234.567f, dot), "1234.567");
}
