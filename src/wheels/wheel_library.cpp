#include "wheels/wheel_library.h"

#include <algorithm>
#include <charconv>

#include "shell/files.h"
#include "wheels/wheel_check.h"
#include "wheels/wheel_maker.h"

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

namespace {

// The value of name=N in a header's fields (before made=), or -1.
long long header_field(std::string_view header, std::string_view name) {
  header = header.substr(0, header.find(" made="));
  const std::string key = " " + std::string(name) + "=";
  const std::size_t at = header.find(key);
  if (at == std::string_view::npos) return -1;
  const std::size_t from = at + key.size();
  const std::string_view digits = header.substr(from, header.find(' ', from) - from);
  long long x = -1;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), x);
  return ec == std::errc{} && end == digits.data() + digits.size() && !digits.empty() ? x : -1;
}

// (v, k, t, m, free published, best known); 0: not known.
struct PublishedRow {
  int v, k, t, m;
  long long free, best;
};
constexpr PublishedRow published_rows[] = {
    {10, 6, 3, 3, 10, 0},    {10, 6, 4, 4, 20, 20},   {11, 5, 3, 3, 20, 0},    {11, 6, 4, 4, 35, 0},
    {12, 5, 3, 3, 29, 0},    {12, 5, 4, 4, 113, 113}, {12, 6, 3, 3, 15, 15},   {12, 6, 4, 4, 41, 41},
    {13, 5, 3, 3, 34, 0},    {13, 5, 4, 4, 157, 0},   {13, 6, 3, 3, 21, 21},   {13, 6, 4, 4, 72, 66},
    {14, 5, 3, 3, 43, 0},    {14, 5, 4, 4, 231, 0},   {14, 6, 3, 3, 25, 0},    {14, 6, 4, 4, 87, 80},
    {15, 5, 3, 3, 57, 0},    {15, 5, 4, 4, 295, 294}, {15, 6, 3, 3, 31, 31},   {15, 6, 4, 4, 121, 117},
    {16, 5, 3, 3, 67, 0},    {16, 5, 4, 4, 405, 0},   {16, 6, 3, 3, 43, 38},   {16, 6, 4, 4, 175, 152},
    {17, 5, 3, 3, 68, 0},    {17, 5, 4, 4, 492, 0},   {17, 6, 3, 3, 0, 44},    {17, 6, 4, 4, 242, 188},
    {18, 5, 3, 3, 94, 0},    {18, 5, 4, 4, 664, 0},   {18, 6, 3, 3, 48, 0},    {18, 6, 4, 4, 258, 236},
    {19, 5, 3, 3, 113, 0},   {19, 5, 4, 4, 846, 839}, {19, 6, 3, 3, 69, 60},   {19, 6, 4, 4, 352, 325},
    {20, 5, 3, 3, 141, 133}, {20, 6, 3, 3, 0, 71},    {20, 6, 4, 4, 440, 382}, {10, 6, 4, 6, 3, 0},
    {10, 6, 4, 5, 7, 0},     {15, 6, 4, 6, 21, 0},    {20, 6, 3, 6, 10, 0},    {20, 6, 4, 6, 82, 66},
    {18, 6, 4, 6, 42, 0},    {24, 6, 4, 6, 169, 0},   {30, 6, 3, 6, 42, 0},    {24, 6, 3, 5, 30, 0},
    {30, 6, 3, 3, 237, 0},   {20, 7, 4, 4, 226, 0},   {30, 7, 4, 7, 126, 0}};

// "(127 above it)", "(level)", "(31 fewer)": the wheel against a size (`bound`: against a
// lower bound, which a wheel is above, not "more").
Text against(long long tickets, long long size, bool bound) {
  if (tickets == size) return DS_TR("(level)");
  if (tickets < size) return DS_TR("(%1 fewer)").arg(size - tickets);
  return (bound ? DS_TR("(%1 above it)") : DS_TR("(%1 more)")).arg(tickets - size);
}

}  // namespace

std::vector<LibrarySize> library_sizes(std::string_view bytes) {
  std::vector<LibrarySize> out;
  for (std::string_view line : split_lines(bytes)) {
    if (!entry_header(line)) continue;
    LibrarySize s;
    const long long v = header_field(line, "v"), k = header_field(line, "k"), t = header_field(line, "t"),
                    m = header_field(line, "m"), n = header_field(line, "tickets");
    if (v < 1 || v > max_wheel_v || k < 1 || k > v || t < 1 || m < t || m > v || n < 1) continue;
    s.v = static_cast<int>(v);
    s.k = static_cast<int>(k);
    s.t = static_cast<int>(t);
    s.m = static_cast<int>(m);
    s.tickets = n;
    out.push_back(s);
  }
  return out;
}

std::optional<Wheel> library_entry(std::string_view bytes, int v, int k, int t, int m) {
  const std::string head = "# wheel v=" + std::to_string(v) + " k=" + std::to_string(k) +
                           " t=" + std::to_string(t) + " m=" + std::to_string(m) + " ";
  std::size_t at = bytes.starts_with(head) ? 0 : bytes.find("\n" + head);
  if (at == std::string_view::npos) return std::nullopt;
  if (!bytes.starts_with(head)) ++at;  // past the line break
  const std::size_t end = bytes.find("\n# wheel ", at);
  const LibraryRead read = parse_wheel_library(
      bytes.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at + 1));
  if (!read.ok || read.wheels.size() != 1) return std::nullopt;
  return read.wheels.front();
}

PublishedSizes published_sizes(int v, int k, int t, int m) {
  for (const PublishedRow& r : published_rows)
    if (r.v == v && r.k == k && r.t == t && r.m == m) return {r.free, r.best};
  return {};
}

Text wheel_size_note(int v, int k, int t, int m, long long tickets) {
  Text s;
  if (const long long bound = known_bound(v, k, t, m); bound > 0)
    s = DS_TR("Sch\u00f6nheim bound %1 %2").arg(bound).arg(against(tickets, bound, true));
  else
    s = DS_TR("No lower bound is known");
  const PublishedSizes p = published_sizes(v, k, t, m);
  if (p.free > 0)
    s = DS_TR("%1; free published %2 %3").arg(s).arg(p.free).arg(against(tickets, p.free, false));
  if (p.best > 0) s = DS_TR("%1; best known %2 %3").arg(s).arg(p.best).arg(against(tickets, p.best, false));
  if (p.free == 0 && p.best == 0) s = DS_TR("%1; no published size known").arg(s);
  return DS_TR("%1.").arg(s);
}

}  // namespace ds
