#include "shell/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace ds {

namespace {

std::string_view trim(std::string_view t) {
  const auto a = t.find_first_not_of(' ');
  if (a == std::string_view::npos) return {};
  return t.substr(a, t.find_last_not_of(' ') - a + 1);
}

// Checks the shape of a decimal number and rewrites it with "." as decimal sign.
std::optional<std::string> normalise(std::string_view t, char decimal) {
  t = trim(t);
  std::string out;
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) out += t[i++];
  std::size_t digits = 0;
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
    out += t[i++];
    ++digits;
  }
  if (i < t.size() && t[i] == decimal) {
    out += '.';
    ++i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
      out += t[i++];
      ++digits;
    }
  }
  if (digits == 0) return std::nullopt;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    out += 'e';
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) out += t[i++];
    std::size_t exp_digits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
      out += t[i++];
      ++exp_digits;
    }
    if (exp_digits == 0) return std::nullopt;
  }
  if (i != t.size()) return std::nullopt;
  return out;
}

// Numbers are written and read with <charconv> alone: the C library's printf and
// strtod follow the process's locale, which the toolkit sets from the region (a
// French region would write and read "0,5").

// `value` in scientific notation with `digits` significant digits ("1.5e+03").
template <class T>
std::string scientific(T value, int digits) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
  return std::string(buf, r.ptr);
}

template <class T>
bool reads_back_as(const std::string& text, T value) {
  T back{};
  const auto r = std::from_chars(text.data(), text.data() + text.size(), back);
  return r.ec == std::errc{} && back == value;
}

int exponent_of(const std::string& sci) {
  const auto e = sci.find('e');
  std::size_t from = e + 1;
  if (from < sci.size() && sci[from] == '+') ++from;
  int exp = 0;
  std::from_chars(sci.data() + from, sci.data() + sci.size(), exp);
  return exp;
}

// Writes the digits of a scientific text in plain notation.
std::string plain_from_scientific(const std::string& sci, char decimal) {
  std::string mantissa = sci.substr(0, sci.find('e'));
  const int exp = exponent_of(sci);
  bool negative = false;
  if (!mantissa.empty() && mantissa[0] == '-') {
    negative = true;
    mantissa.erase(0, 1);
  }
  std::string digits;
  for (char c : mantissa)
    if (c != '.') digits += c;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out;
  const int point = exp + 1;  // digits before the decimal sign
  if (point <= 0) {
    out = "0";
    out += decimal;
    out.append(static_cast<std::size_t>(-point), '0');
    out += digits;
  } else if (point >= static_cast<int>(digits.size())) {
    out = digits + std::string(point - digits.size(), '0');
  } else {
    out = digits.substr(0, point) + decimal + digits.substr(point);
  }
  if (negative && out.find_first_not_of("0.,") != std::string::npos) out.insert(out.begin(), '-');
  return out;
}

}  // namespace

std::optional<double> parse_double(std::string_view text, const NumberFormat& format) {
  const auto n = normalise(text, format.decimal);
  if (!n) return std::nullopt;
  double v = 0;
  const auto r = std::from_chars(n->data(), n->data() + n->size(), v);
  if (r.ec != std::errc{} || r.ptr != n->data() + n->size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<float> parse_single(std::string_view text, const NumberFormat& format) {
  const auto n = normalise(text, format.decimal);
  if (!n) return std::nullopt;
  float v = 0;
  const auto r = std::from_chars(n->data(), n->data() + n->size(), v);
  if (r.ec == std::errc::result_out_of_range) {
    // Tiny values round to zero; huge ones do not fit. Beyond double precision too, a
    // value is tiny when its exponent is negative or, without one, its whole part is 0.
    double d = 0;
    const auto wide = std::from_chars(n->data(), n->data() + n->size(), d);
    const std::size_t e = n->find('e');
    const bool tiny = wide.ec != std::errc::result_out_of_range
                          ? std::fabs(d) < 1.0
                          : (e != std::string::npos ? n->compare(e, 2, "e-") == 0
                                                    : n->find_first_not_of("+-0") == n->find('.'));
    if (tiny) return 0.0f;
    return std::nullopt;
  }
  if (r.ec != std::errc{} || r.ptr != n->data() + n->size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<long long> parse_whole(std::string_view text) {
  text = trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  long long v = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  if (r.ec != std::errc{} || r.ptr != text.data() + text.size()) return std::nullopt;
  return v;
}

std::optional<std::vector<int>> parse_number_list(std::string_view text) {
  std::vector<int> out;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ',' || text[i] == ' ')) ++i;
    const std::size_t start = i;
    while (i < text.size() && text[i] != ',' && text[i] != ' ') ++i;
    if (i == start) break;
    const auto x = parse_whole(text.substr(start, i - start));
    if (!x || *x < 0 || *x > 999'999) return std::nullopt;
    out.push_back(static_cast<int>(*x));
  }
  if (out.empty()) return std::nullopt;
  return out;
}

std::optional<std::int16_t> parse_i16(std::string_view text) {
  const auto v = parse_whole(text);
  if (!v || *v < std::numeric_limits<std::int16_t>::min() || *v > std::numeric_limits<std::int16_t>::max())
    return std::nullopt;
  return static_cast<std::int16_t>(*v);
}

std::optional<double> parse_plain_double(std::string_view text) { return parse_double(text, NumberFormat{}); }

namespace {

std::string format_single_digits(float value, const NumberFormat& format, int max_digits) {
  if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value > 0 ? "Inf" : "-Inf");
  if (value == 0.0f) return "0";
  std::string sci;
  for (int precision = 1; precision <= max_digits; ++precision) {
    sci = scientific(value, precision);
    if (reads_back_as(sci, value)) break;
  }
  const int exp = exponent_of(sci);
  if (exp >= -7 && exp < 15) return plain_from_scientific(sci, format.decimal);
  std::string out = sci;
  // Keep the exponent form for extreme values, with the region's decimal sign.
  for (char& c : out)
    if (c == '.') c = format.decimal;
  return out;
}

}  // namespace

std::string format_single(float value, const NumberFormat& format) {
  return format_single_digits(value, format, 7);
}

std::string format_single_exact(float value, const NumberFormat& format) {
  // Nine significant digits tell every single-precision value apart.
  return format_single_digits(value, format, 9);
}

std::string format_general(double value, const NumberFormat& format, int digits) {
  if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value > 0 ? "Inf" : "-Inf");
  if (value == 0.0) return "0";
  std::string sci;
  for (int precision = 1; precision <= digits; ++precision) {
    sci = scientific(value, precision);
    if (reads_back_as(sci, value)) break;
  }
  const int exp = exponent_of(sci);
  if (exp >= -7 && exp < 15) return plain_from_scientific(sci, format.decimal);
  std::string out = sci;
  for (char& c : out)
    if (c == '.') c = format.decimal;
  return out;
}

std::string plain_decimal(double value) {
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  return r.ec == std::errc{} ? std::string(buf, r.ptr) : std::string("NaN");
}

std::string format_fixed(double value, int decimals) {
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  return r.ec == std::errc{} ? std::string(buf, r.ptr) : std::string("NaN");
}

}  // namespace ds
