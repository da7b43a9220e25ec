#pragma once
// Numbers typed by the user and numbers shown to the user.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ds {

// The decimal sign of the user's region.
struct NumberFormat {
  char decimal = '.';
  bool operator==(const NumberFormat&) const = default;
};

// A decimal number with the region's decimal sign: optional sign, digits, an
// optional fraction and an optional exponent ("1e3"). Blanks around it are
// ignored. Anything else, an empty text, or a value outside single precision
// gives nullopt: a text is never read as a different number.
std::optional<float> parse_single(std::string_view text, const NumberFormat& format);
std::optional<double> parse_double(std::string_view text, const NumberFormat& format);
// A whole number: optional sign and digits only, blanks around ignored.
std::optional<long long> parse_whole(std::string_view text);
// "3,7,12" (commas or blanks between them) as whole numbers from 0 to 999,999;
// nullopt for anything else or an empty list.
std::optional<std::vector<int>> parse_number_list(std::string_view text);
// A whole number that fits 16 bits.
std::optional<std::int16_t> parse_i16(std::string_view text);
// A plain number with "." as decimal sign (the grids' hidden sort keys).
std::optional<double> parse_plain_double(std::string_view text);

// Shortest decimal text with at most 7 significant digits that reads back as the
// same single-precision value where 7 digits allow it (1000000 -> "1000000",
// 0.5 -> "0.5"); no exponent for values from 1e-7 up to 1e15.
std::string format_single(float value, const NumberFormat& format);
// The same with as many significant digits as the value needs (up to 9) to read
// back as exactly the value stored: for values the user edits and saves again
// (12345678 stays "12345678", where seven digits would show 12345680).
std::string format_single_exact(float value, const NumberFormat& format);
// Shortest decimal text of a double with at most `digits` significant digits.
std::string format_general(double value, const NumberFormat& format, int digits = 15);
// `value` with `decimals` digits after a "." whatever the process's locale (0.05 -> "0.1"
// with one decimal): for texts stored in files and printed by the commands.
std::string format_fixed(double value, int decimals);
// The shortest text in fixed notation, '.' as the decimal sign, that reads back as
// the same double (1000000 is "1000000", never "1e+06"): the files and the
// command-line output.
std::string plain_decimal(double value);

}  // namespace ds
