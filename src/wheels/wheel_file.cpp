#include "wheels/wheel_file.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <system_error>

#include "shell/files.h"

namespace ds {

namespace {

constexpr std::string_view kHeader = "# wheel";
constexpr std::size_t kMaxTickets = 2'000'000;

std::string at_line(std::size_t line, const std::string& what) {
  return "Line " + std::to_string(line) + ": " + what;
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::string_view without_bom(std::string_view s) {
  if (s.substr(0, 3) == "\xEF\xBB\xBF") s.remove_prefix(3);
  return s;
}

// A whole number of at most 9 digits, or -1.
long long whole_number(std::string_view s) {
  if (s.empty() || s.size() > 9) return -1;
  long long x = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), x);
  if (ec != std::errc{} || end != s.data() + s.size()) return -1;
  return x;
}

// Splits on blanks, tabs, commas and semicolons; quotes around a value are dropped.
std::vector<std::string_view> tokens_of(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  auto separator = [](char c) { return c == ' ' || c == '\t' || c == ',' || c == ';'; };
  while (i < line.size()) {
    while (i < line.size() && separator(line[i])) ++i;
    const std::size_t start = i;
    while (i < line.size() && !separator(line[i])) ++i;
    std::string_view token = line.substr(start, i - start);
    if (token.size() >= 2 && token.front() == '"' && token.back() == '"')
      token = token.substr(1, token.size() - 2);
    if (!token.empty()) out.push_back(token);
  }
  return out;
}

// Sorts `ticket` and says what is wrong with it, or "".
std::string settle_ticket(std::vector<int>& ticket) {
  std::sort(ticket.begin(), ticket.end());
  for (std::size_t i = 1; i < ticket.size(); ++i)
    if (ticket[i] == ticket[i - 1]) return std::to_string(ticket[i]) + " appears twice";
  return "";
}

bool header_line(std::string_view line) {
  line = trim(line);
  return line.substr(0, kHeader.size()) == kHeader &&
         (line.size() == kHeader.size() || line[kHeader.size()] == ' ' || line[kHeader.size()] == '\t');
}

// Reads "v=.. k=.. t=.. m=.. made=..." into `wheel`; "" or the fault.
std::string read_header(std::string_view line, Wheel& wheel) {
  line = trim(line).substr(kHeader.size());
  int* fields[] = {&wheel.v, &wheel.k, &wheel.t, &wheel.m};
  bool seen[4] = {false, false, false, false};
  while (!(line = trim(line)).empty()) {
    if (line.substr(0, 5) == "made=") {
      wheel.made = std::string(trim(line.substr(5)));
      break;
    }
    const std::size_t end = line.find_first_of(" \t");
    const std::string_view item = line.substr(0, end);
    line = end == std::string_view::npos ? std::string_view{} : line.substr(end);
    const std::size_t eq = item.find('=');
    const std::string_view name = item.substr(0, eq);
    const int index = name == "v" ? 0 : name == "k" ? 1 : name == "t" ? 2 : name == "m" ? 3 : -1;
    const long long x = eq == std::string_view::npos ? -1 : whole_number(item.substr(eq + 1));
    if (name == "keys" && x >= 0) wheel.keys = static_cast<int>(std::min<long long>(x, 1 << 20));
    if (eq == std::string_view::npos || index < 0) continue;  // later fields are skipped
    if (x < 0) return "the header's " + std::string(name) + " is not a whole number";
    *fields[index] = static_cast<int>(std::min<long long>(x, 1 << 20));
    seen[index] = true;
  }
  for (int i = 0; i < 4; ++i)
    if (!seen[i]) return std::string("the header has no ") + "vktm"[i] + "=";
  if (wheel.v < 1 || wheel.v > max_wheel_v)
    return "the set must have 1 to " + std::to_string(max_wheel_v) +
           " numbers (v=" + std::to_string(wheel.v) + ")";
  if (wheel.k < 1 || wheel.k > wheel.v) return "the ticket size k must be 1 to v";
  if (wheel.t < 1 || wheel.t > wheel.m || wheel.m > wheel.v || wheel.t > wheel.k)
    return "the guarantee t if m needs 1 <= t <= m <= v and t <= k";
  if (wheel.keys >= wheel.t) return "the keys must be fewer than t";
  return "";
}

}  // namespace

Text guarantee_text(int t, int m, int keys) {
  const Text g = DS_TR("%1 if %2").arg(t).arg(m);
  if (keys == 1) return DS_TR("%1 when the key 1 is among the winners").arg(g);
  if (keys == 2) return DS_TR("%1 when the keys 1 and 2 are among the winners").arg(g);
  if (keys > 2) return DS_TR("%1 when the %2 keys 1 to %2 are among the winners").arg(g).arg(keys);
  return g;
}

std::string wheel_file_text(const Wheel& wheel) {
  std::string made = wheel.made;
  std::replace_if(
      made.begin(), made.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  std::string out = std::string(kHeader) + " v=" + std::to_string(wheel.v) + " k=" + std::to_string(wheel.k) +
                    " t=" + std::to_string(wheel.t) + " m=" + std::to_string(wheel.m) +
                    (wheel.keys > 0 ? " keys=" + std::to_string(wheel.keys) : "") + " made=" + made + "\n";
  for (const auto& ticket : wheel.tickets) {
    for (std::size_t i = 0; i < ticket.size(); ++i) {
      if (i) out += ' ';
      out += std::to_string(ticket[i]);
    }
    out += '\n';
  }
  return out;
}

WheelRead parse_wheel_file(std::string_view bytes) {
  WheelRead read;
  const std::vector<std::string_view> lines = split_lines(without_bom(bytes));
  if (lines.empty() || !header_line(lines[0])) {
    read.error = at_line(1, "a wheel file starts with \"# wheel v=.. k=.. t=.. m=..\"");
    return read;
  }
  Wheel& wheel = read.wheel;
  if (std::string fault = read_header(lines[0], wheel); !fault.empty()) {
    read.error = at_line(1, fault);
    return read;
  }
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string_view line = trim(lines[i]);
    if (line.empty() || line.front() == '#') continue;
    std::vector<int> ticket;
    for (std::string_view token : tokens_of(line)) {
      const long long x = whole_number(token);
      if (x < 1 || x > wheel.v) {
        read.error = at_line(i + 1, "'" + std::string(token.substr(0, 20)) + "' is not a position 1 to " +
                                        std::to_string(wheel.v));
        return read;
      }
      ticket.push_back(static_cast<int>(x));
    }
    if (static_cast<int>(ticket.size()) != wheel.k) {
      read.error = at_line(i + 1, "a ticket has " + std::to_string(wheel.k) + " numbers, this one " +
                                      std::to_string(ticket.size()));
      return read;
    }
    if (std::string fault = settle_ticket(ticket); !fault.empty()) {
      read.error = at_line(i + 1, fault);
      return read;
    }
    if (wheel.keys > 0 && ticket[static_cast<std::size_t>(wheel.keys) - 1] != wheel.keys) {
      read.error = at_line(i + 1, "a ticket without the keys 1 to " + std::to_string(wheel.keys));
      return read;
    }
    if (wheel.tickets.size() >= kMaxTickets) {
      read.error = at_line(i + 1, "more than " + std::to_string(kMaxTickets) + " tickets");
      return read;
    }
    wheel.tickets.push_back(std::move(ticket));
  }
  if (wheel.tickets.empty()) {
    read.error = DS_TR_NOOP("The file holds no tickets.");
    return read;
  }
  read.ok = true;
  return read;
}

namespace {

// Drops the DOS end-of-file byte (0x1A) that older programs put at the end of a text
// file, with the line ends around it; true when there was one.
bool drop_end_of_file_byte(std::string_view& bytes) {
  std::string_view s = bytes;
  while (!s.empty() && (s.back() == '\r' || s.back() == '\n' || s.back() == ' ' || s.back() == '\t'))
    s.remove_suffix(1);
  if (s.empty() || s.back() != '\x1A') return false;
  while (!s.empty() && s.back() == '\x1A') s.remove_suffix(1);
  bytes = s;
  return true;
}

std::string shown_line(std::string_view line) {
  line = trim(line);
  return "\"" + std::string(line.substr(0, 30)) + (line.size() > 30 ? "..." : "") + "\"";
}

}  // namespace

WheelRead parse_ticket_list(std::string_view bytes, std::span<const int> set_numbers) {
  bytes = without_bom(bytes);
  const bool end_byte = drop_end_of_file_byte(bytes);
  const std::vector<std::string_view> lines = split_lines(bytes);
  std::size_t first = 0;
  while (first < lines.size() && trim(lines[first]).empty()) ++first;
  if (first < lines.size() && header_line(lines[first])) {
    WheelRead read = parse_wheel_file(bytes.substr(lines[first].data() - bytes.data()));
    if (end_byte) read.skipped = "Skipped: the end-of-file byte 0x1A.";
    return read;
  }

  WheelRead read;
  Wheel& wheel = read.wheel;
  for (std::size_t i = 0; i < set_numbers.size(); ++i)
    for (std::size_t j = 0; j < i; ++j)
      if (set_numbers[i] == set_numbers[j]) {
        read.error = "The set holds " + std::to_string(set_numbers[i]) + " twice.";
        return read;
      }
  if (set_numbers.size() > static_cast<std::size_t>(max_wheel_v)) {
    read.error = "A set has at most " + std::to_string(max_wheel_v) + " numbers.";
    return read;
  }
  // The tokens of line i that make a ticket; empty for a line that holds none (blank, a
  // comment, a header of words before the first ticket).
  const auto ticket_tokens = [&](std::size_t i, bool before_tickets, bool& play) {
    const std::string_view line = trim(lines[i]);
    std::vector<std::string_view> tokens;
    if (line.empty() || line.front() == '#') return tokens;
    tokens = tokens_of(line);
    // A play of a game with a second pool: its main numbers, then "+" and the
    // second-pool numbers, which are no part of the ticket. Its ticket is played
    // once per second-pool choice, on consecutive lines: read it once.
    const auto plus = std::find(tokens.begin(), tokens.end(), std::string_view("+"));
    play = plus != tokens.end();
    if (play) tokens.erase(plus, tokens.end());
    std::size_t numeric = 0;
    for (std::string_view token : tokens) numeric += whole_number(token) >= 0 ? 1 : 0;
    if (numeric == 0 && before_tickets) tokens.clear();  // the header line
    if (numeric > 0 && numeric + 1 == tokens.size() && whole_number(tokens[0]) < 0)
      tokens.erase(tokens.begin());  // a label
    return tokens;
  };
  // A published wheel may start with a line of its own figures ("15,6,4,4": V, K, T, M)
  // and a line holding the count of its tickets. The count of numbers most lines hold is
  // the tickets' (when two lines or more hold it and no other count is as frequent); a
  // first line of another count is that header, a lone number before the tickets or at
  // the end their count.
  std::vector<std::size_t> sizes(lines.size(), 0);
  std::size_t first_line = lines.size(), last_line = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    bool play = false;
    sizes[i] = ticket_tokens(i, first_line == lines.size(), play).size();
    if (sizes[i] == 0) continue;
    first_line = std::min(first_line, i);
    last_line = i;
  }
  std::map<std::size_t, std::size_t> lines_of_size;
  for (std::size_t size : sizes)
    if (size > 0) ++lines_of_size[size];
  std::size_t k = 0, k_lines = 0;
  bool tie = false;
  for (const auto& [size, n] : lines_of_size) {
    if (n == k_lines) tie = true;
    if (n > k_lines) k = size, k_lines = n, tie = false;
  }
  const bool published = k_lines >= 2 && !tie;
  const auto all_numbers = [](const std::vector<std::string_view>& tokens) {
    return std::all_of(tokens.begin(), tokens.end(), [](std::string_view t) { return whole_number(t) >= 0; });
  };
  std::string skipped;
  std::size_t count_line = 0;  // 1-based, 0 for none
  long long count_value = 0;

  int largest = 0;
  std::size_t first_ticket_line = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    bool play = false;
    std::vector<std::string_view> tokens = ticket_tokens(i, wheel.tickets.empty(), play);
    if (tokens.empty()) continue;
    if (published && tokens.size() != k && !play && all_numbers(tokens)) {
      if (i == first_line && tokens.size() > 1) {
        skipped += (skipped.empty() ? "" : "; ") + ("line " + std::to_string(i + 1)) + ", " +
                   shown_line(lines[i]) + ", a header";
        continue;
      }
      if (tokens.size() == 1 && count_line == 0 && (wheel.tickets.empty() || i == last_line)) {
        count_line = i + 1;
        count_value = whole_number(tokens[0]);
        skipped += (skipped.empty() ? "" : "; ") + ("line " + std::to_string(i + 1)) + ", " +
                   shown_line(lines[i]) + ", the count of tickets";
        continue;
      }
    }
    std::vector<int> ticket;
    for (std::string_view token : tokens) {
      const long long x = whole_number(token);
      if (x < 0) {
        read.error = at_line(i + 1, "'" + std::string(token.substr(0, 20)) + "' is not a whole number");
        return read;
      }
      if (!set_numbers.empty()) {
        const auto at = std::find(set_numbers.begin(), set_numbers.end(), x);
        if (at == set_numbers.end()) {
          read.error = at_line(i + 1, std::to_string(x) + " is not one of the set's numbers");
          return read;
        }
        ticket.push_back(static_cast<int>(at - set_numbers.begin()) + 1);
      } else {
        if (x < 1 || x > max_wheel_v) {
          read.error =
              at_line(i + 1, std::to_string(x) + " is not a position 1 to " + std::to_string(max_wheel_v) +
                                 " (give the set's numbers to read lotto numbers)");
          return read;
        }
        ticket.push_back(static_cast<int>(x));
        largest = std::max(largest, static_cast<int>(x));
      }
    }
    if (std::string fault = settle_ticket(ticket); !fault.empty()) {
      read.error = at_line(i + 1, fault);
      return read;
    }
    if (!wheel.tickets.empty() && ticket.size() != wheel.tickets[0].size()) {
      read.error = at_line(i + 1, "this ticket has " + std::to_string(ticket.size()) +
                                      " numbers, the first (line " + std::to_string(first_ticket_line) +
                                      ") has " + std::to_string(wheel.tickets[0].size()));
      return read;
    }
    if (wheel.tickets.size() >= kMaxTickets) {
      read.error = at_line(i + 1, "more than " + std::to_string(kMaxTickets) + " tickets");
      return read;
    }
    if (play && !wheel.tickets.empty() && wheel.tickets.back() == ticket) continue;
    if (wheel.tickets.empty()) first_ticket_line = i + 1;
    wheel.tickets.push_back(std::move(ticket));
  }
  if (wheel.tickets.empty()) {
    read.error =
        DS_TR_NOOP("No tickets were found: one ticket per line, numbers separated by commas or blanks.");
    return read;
  }
  if (count_line > 0 && count_value != static_cast<long long>(wheel.tickets.size())) {
    read.error =
        at_line(count_line, "a lone number, " + std::to_string(count_value) + ", where the file holds " +
                                std::to_string(wheel.tickets.size()) + " tickets");
    return read;
  }
  if (end_byte) skipped += std::string(skipped.empty() ? "" : "; ") + "the end-of-file byte 0x1A";
  if (!skipped.empty()) read.skipped = "Skipped: " + skipped + ".";
  wheel.v = set_numbers.empty() ? largest : static_cast<int>(set_numbers.size());
  wheel.k = static_cast<int>(wheel.tickets[0].size());
  read.ok = true;
  return read;
}

Wheel with_keys(const Wheel& wheel, int keys) {
  Wheel out = wheel;
  out.v += keys;
  out.k += keys;
  out.t += keys;
  out.m += keys;
  out.keys = wheel.keys + keys;
  for (std::vector<int>& ticket : out.tickets) {
    for (int& p : ticket) p += keys;
    for (int key = keys; key >= 1; --key) ticket.insert(ticket.begin(), key);
  }
  return out;
}

Wheel without_keys(const Wheel& wheel) {
  Wheel out = wheel;
  const int keys = wheel.keys;
  out.v -= keys;
  out.k -= keys;
  out.t -= keys;
  out.m -= keys;
  out.keys = 0;
  for (std::vector<int>& ticket : out.tickets) {
    ticket.erase(ticket.begin(), ticket.begin() + std::min<std::size_t>(ticket.size(), keys));
    for (int& p : ticket) p -= keys;
  }
  return out;
}

std::filesystem::path wheels_folder(const std::filesystem::path& app_folder) { return app_folder / "Wheels"; }

std::vector<std::string> list_wheel_files(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::filesystem::path& p = it->path();
    if (p.extension() != ".txt" || !it->is_regular_file(ec)) continue;
    const auto bytes = read_file(p, 64u * 1024u * 1024u);
    if (!bytes) continue;
    const std::vector<std::string_view> lines =
        split_lines(without_bom(std::string_view(*bytes).substr(0, 4096)));
    if (!lines.empty() && header_line(lines[0])) names.push_back(p.filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string wheel_file_name(const Wheel& wheel) {
  return std::to_string(wheel.v) + "_" + std::to_string(wheel.k) + "_" + std::to_string(wheel.t) + "if" +
         std::to_string(wheel.m) + ".txt";
}

}  // namespace ds
