#include "shell/text.h"

#include <ostream>

namespace ds {

std::string Text::fill(std::string_view form, const std::vector<std::string>& parts) {
  std::string out;
  out.reserve(form.size());
  for (std::size_t i = 0; i < form.size(); ++i) {
    if (form[i] == '%' && i + 1 < form.size() && form[i + 1] >= '1' && form[i + 1] <= '9') {
      const auto n = static_cast<std::size_t>(form[i + 1] - '1');
      if (n < parts.size()) {
        out += parts[n];
        ++i;
        continue;
      }
    }
    out += form[i];
  }
  return out;
}

std::string Text::english() const {
  if (parts_.empty()) return form_;
  std::vector<std::string> parts;
  parts.reserve(parts_.size());
  for (const Text& p : parts_) parts.push_back(p.english());
  return fill(form_, parts);
}

// Compared as plain characters (a string would turn into a Text again and back).
bool operator==(const Text& a, std::string_view b) {
  const std::string e = a.english();
  return std::string_view(e).compare(b) == 0;
}
bool operator==(const Text& a, const Text& b) { return a == std::string_view(b.english()); }
std::ostream& operator<<(std::ostream& os, const Text& t) { return os << t.english(); }

}  // namespace ds
