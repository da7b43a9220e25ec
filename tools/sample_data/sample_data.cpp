#include "sample_data.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

#include "lotto/lotto_files.h"
#include "shell/dates.h"
#include "shell/fields.h"
#include "shell/files.h"
#include "shell/numbers.h"

namespace ds::tools {

namespace {

int month_number(std::string_view name) {
  static const std::map<std::string_view, int> months = {
      {"January", 1},  {"February", 2},  {"Febraury", 2}, {"March", 3},  {"April", 4},
      {"May", 5},      {"June", 6},      {"July", 7},     {"August", 8}, {"September", 9},
      {"October", 10}, {"November", 11}, {"December", 12}};
  const auto it = months.find(name);
  return it == months.end() ? 0 : it->second;
}

// Splits one CSV line; fields may be quoted.
std::vector<std::string> csv_fields(std::string_view line) {
  std::vector<std::string> out(1);
  bool quoted = false;
  for (char c : line) {
    if (c == '"')
      quoted = !quoted;
    else if (c == ',' && !quoted)
      out.emplace_back();
    else
      out.back() += c;
  }
  return out;
}

}  // namespace

std::string convert_history(std::string_view csv, std::string& error) {
  struct Draw {
    DayNumber day;
    std::string line;
  };
  std::vector<Draw> draws;
  const auto lines = split_lines(csv);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (trim_blanks(lines[i]).empty()) continue;
    const auto f = csv_fields(lines[i]);
    std::int16_t n = 0;
    std::vector<std::string> parts;
    split_fields(" ", f[0], n, parts);
    const auto day_text = n == 3 ? parts[2] : std::string();
    const auto day_of_month = parse_whole(std::string_view(day_text).substr(0, day_text.find(',')));
    const auto year = n == 3 ? parse_whole(parts[3]) : std::nullopt;
    const int month = n == 3 ? month_number(parts[1]) : 0;
    const auto day = month && day_of_month && year
                         ? day_number(static_cast<int>(*year), month, static_cast<int>(*day_of_month))
                         : std::nullopt;
    if (!day || f.size() != 8) {
      error = "line " + std::to_string(i + 1) + ": " + std::string(lines[i]);
      return {};
    }
    std::string line = format_date(*day, DateFormat::iso()) + ' ';
    for (std::size_t k = 1; k < 8; ++k) {
      const auto v = parse_whole(f[k]);
      if (!v || *v < 1 || *v > 49) {
        error = "line " + std::to_string(i + 1) + ": bad number";
        return {};
      }
      line += std::to_string(*v) + ' ';
    }
    draws.push_back({*day, line + "\r\n"});
  }
  std::stable_sort(draws.begin(), draws.end(), [](const Draw& a, const Draw& b) { return a.day < b.day; });
  std::string out;
  for (const auto& d : draws) out += d.line;
  return out;
}

std::string sample_definition() {
  LottoDefinition d;
  d.play_n = 49;
  d.pick_n = 6;
  d.prize_2 = 0;
  d.prize_2b = 5;
  d.prize_3 = 10;
  d.prize_3b = 10;
  d.prize_4 = 80;
  d.prize_4b = 80;
  d.prize_5 = 2500;
  d.prize_5b = 100000;
  d.prize_6 = 5000000;
  d.prize_6b = 0;
  d.cost = 3;
  d.currency = "$";
  return *encode_definition(d);
}

std::string forecaster_set(std::string_view draws, int rows, int window) {
  std::vector<std::pair<std::string, std::array<int, 6>>> history;
  std::vector<std::string> f;
  for (const auto line : split_lines(draws)) {
    std::int16_t n = 0;
    split_fields(" ", line, n, f);
    if (n < 8) continue;
    std::array<int, 6> nums{};
    for (int k = 0; k < 6; ++k) nums[k] = static_cast<int>(parse_whole(f[k + 2]).value_or(0));
    history.emplace_back(f[1], nums);
  }
  std::string out;
  const int total = static_cast<int>(history.size());
  for (int i = std::max(window, total - rows); i < total; ++i) {
    std::array<int, 50> count{};
    for (int j = i - window; j < i; ++j)
      for (int v : history[j].second) ++count[v];
    std::vector<int> numbers(49);
    for (int v = 1; v <= 49; ++v) numbers[v - 1] = v;
    std::stable_sort(numbers.begin(), numbers.end(), [&](int a, int b) { return count[a] > count[b]; });
    out += history[i].first + ' ';
    for (int k = 0; k < 10; ++k) out += std::to_string(numbers[k]) + ' ';
    out += "\r\n";
  }
  return out;
}

}  // namespace ds::tools
