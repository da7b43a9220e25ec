#include "shell/fields.h"

namespace ds {

std::string html_escape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string_view trim_blanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

void split_fields(std::string_view separator, std::string_view line, std::int16_t& count,
                  std::vector<std::string>& fields) {
  count = 0;
  if (separator.empty()) return;
  std::string_view work = trim_blanks(line);
  while (!work.empty()) {
    const auto p = work.find(separator);
    std::string_view field = p == std::string_view::npos ? work : work.substr(0, p);
    if (p != std::string_view::npos) {
      const auto end = field.find_last_not_of(' ');
      field = end == std::string_view::npos ? std::string_view{} : field.substr(0, end + 1);
    }
    ++count;
    fields.resize(static_cast<std::size_t>(count) + 1);
    fields[count] = std::string(field);
    if (p == std::string_view::npos) break;
    work = trim_blanks(work.substr(p + separator.size()));
  }
}

}  // namespace ds
