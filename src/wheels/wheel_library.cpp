#include "wheels/wheel_library.h"

#include <algorithm>
#include <charconv>

#include "shell/files.h"
#include "wheels/wheel_check.h"

namespace ds {

namespace {

bool entry_header(std::string_view line) { return line.substr(0, 8) == "# wheel "; }

// The value of " tickets=" in a header line (before made=), or -1.
long long ticket_count(std::string_view header) {
  header = header.substr(0, header.find(" made="));
  const std::size_t at = header.find(" tickets=");
  if (at == std::string_view::npos) return -1;
  const std::string_view digits = header.substr(at + 9, header.find(' ', at + 9) - at - 9);
  long long x = -1;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), x);
  return ec == std::errc{} && end == digits.data() + digits.size() && !digits.empty() ? x : -1;
}

std::string at_line(std::size_t line, const std::string& what) {
  return "Line " + std::to_string(line) + " of the wheel library: " + what;
}

}  // namespace

LibraryRead parse_wheel_library(std::string_view bytes) {
  LibraryRead read;
  const std::vector<std::string_view> lines = split_lines(bytes);
  std::size_t i = 0;
  for (; i < lines.size() && !entry_header(lines[i]); ++i)
    if (!lines[i].empty() && lines[i].front() != '#') {
      read.error = at_line(i + 1, "a ticket before the first \"# wheel\" header");
      return read;
    }
  while (i < lines.size()) {
    const std::size_t first = i;
    for (++i; i < lines.size() && !entry_header(lines[i]); ++i) {
    }
    const char* begin = lines[first].data();
    const char* end = i < lines.size() ? lines[i].data() : bytes.data() + bytes.size();
    const WheelRead entry = parse_wheel_file(std::string_view(begin, static_cast<std::size_t>(end - begin)));
    if (!entry.ok) {  // "Line N: ..." counts from the entry's header
      std::size_t n = 0;
      const std::string& e = entry.error;
      const std::size_t colon = e.find(": ");
      const auto [end, ec] =
          std::from_chars(e.data() + std::min<std::size_t>(5, e.size()), e.data() + e.size(), n);
      const bool numbered = e.starts_with("Line ") && ec == std::errc{} && end == e.data() + colon;
      read.error = numbered ? at_line(first + n, e.substr(colon + 2)) : at_line(first + 1, e);
      return read;
    }
    const Wheel& w = entry.wheel;
    if (ticket_count(lines[first]) != static_cast<long long>(w.tickets.size())) {
      read.error = at_line(first + 1, "the header's tickets= is not the " + std::to_string(w.tickets.size()) +
                                          " tickets that follow");
      return read;
    }
    if (find_library_wheel(read.wheels, w.v, w.k, w.t, w.m)) {
      read.error = at_line(first + 1, "a second entry of the same size");
      return read;
    }
    read.wheels.push_back(entry.wheel);
  }
  read.ok = true;
  return read;
}

const Wheel* find_library_wheel(const std::vector<Wheel>& wheels, int v, int k, int t, int m) {
  for (const Wheel& w : wheels)
    if (w.v == v && w.k == k && w.t == t && w.m == m) return &w;
  return nullptr;
}

std::optional<Wheel> library_wheel(const std::filesystem::path& library, int v, int k, int t, int m) {
  const std::optional<std::string> bytes = library.empty() ? std::nullopt : read_file(library);
  if (!bytes) return std::nullopt;
  const LibraryRead read = parse_wheel_library(*bytes);
  const Wheel* w = read.ok ? find_library_wheel(read.wheels, v, k, t, m) : nullptr;
  if (!w || !meets_guarantee(*w, t, m)) return std::nullopt;
  return *w;
}

std::string library_listing(const std::vector<Wheel>& wheels) {
  std::string out;
  for (const Wheel& w : wheels)
    out += std::to_string(w.v) + " " + std::to_string(w.k) + " " + std::to_string(w.t) + " " +
           std::to_string(w.m) + " " + std::to_string(w.tickets.size()) + "\n";
  return out;
}

}  // namespace ds
