#include "shell/remembered.h"

#include <algorithm>
#include <charconv>

#include "shell/files.h"

namespace ds {

namespace {

constexpr const char* lotto_key = "choices/lotto";
constexpr const char* size_key = "choices/tset_size";
constexpr const char* tset_key = "choices/tset";
constexpr const char* system_key = "choices/system";
constexpr const char* second_key = "choices/second";
constexpr std::string_view period_prefix = "periods/";

std::string text_of(const SettingTexts& s, const char* key) {
  const auto it = s.find(key);
  return it == s.end() ? std::string() : it->second;
}

int whole_number(const std::string& text) {
  int n = 0;
  const char* end = text.data() + text.size();
  const auto [p, ec] = std::from_chars(text.data(), end, n);
  return ec == std::errc() && p == end ? n : 0;
}

}  // namespace

SettingTexts choice_settings(const RememberedChoices& c) {
  SettingTexts s;
  if (!c.lotto.empty()) s[lotto_key] = c.lotto;
  if (c.tset_size > 0 && !c.tset.empty()) {
    s[size_key] = std::to_string(c.tset_size);
    s[tset_key] = c.tset;
  }
  if (!c.system.empty()) s[system_key] = c.system;
  if (!c.second.empty()) s[second_key] = c.second;
  for (const auto& [window, period] : c.periods) {
    const std::string key = std::string(period_prefix) + window;
    s[key + "/from"] = format_date(period.from, DateFormat::iso());
    s[key + "/to"] = format_date(period.to, DateFormat::iso());
  }
  return s;
}

RememberedChoices choices_from_settings(const SettingTexts& s) {
  RememberedChoices c;
  if (const std::string lotto = text_of(s, lotto_key); plain_name(lotto)) c.lotto = lotto;
  const int size = whole_number(text_of(s, size_key));
  if (const std::string tset = text_of(s, tset_key); size > 0 && plain_name(tset)) {
    c.tset_size = size;
    c.tset = tset;
  }
  c.system = text_of(s, system_key);
  c.second = text_of(s, second_key);
  for (const auto& [key, value] : s) {
    const std::string_view k = key;
    if (!k.starts_with(period_prefix) || !k.ends_with("/from")) continue;
    const std::string window(k.substr(period_prefix.size(), k.size() - period_prefix.size() - 5));
    const auto to = s.find(std::string(period_prefix) + window + "/to");
    if (window.empty() || to == s.end()) continue;
    // Only the stored form: a region's form would read differently in another region.
    const auto from_day = parse_date(value, DateFormat::iso());
    const auto to_day = parse_date(to->second, DateFormat::iso());
    if (from_day && to_day && *from_day <= *to_day) c.periods[window] = {*from_day, *to_day};
  }
  return c;
}

bool settings_text_damaged(std::string_view text) {
  for (std::string_view line : split_lines(text)) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.find('\0') != std::string_view::npos) return true;
    if (line.front() == '[' ? line.back() != ']'
                            : line.find('=') == 0 || line.find('=') == std::string_view::npos)
      return true;
  }
  return false;
}

RememberedChoices choices_to_keep(const RememberedChoices& made, const RememberedChoices& before,
                                  bool lotto_still_there) {
  RememberedChoices c = made;
  if (c.lotto.empty() && lotto_still_there) {
    c.lotto = before.lotto;
    c.second = before.second;
  }
  if (c.tset.empty()) {
    c.tset_size = before.tset_size;
    c.tset = before.tset;
  }
  if (c.system.empty()) c.system = before.system;
  return c;
}

}  // namespace ds
