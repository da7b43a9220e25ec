#include "lotto/draw_import.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

#include "lotto/lotto_files.h"
#include "shell/fields.h"
#include "shell/files.h"

namespace ds {

void ensure_draw_columns(TextGrid& grid) { ensure_draw_columns(grid, LottoDefinition{}); }

void ensure_draw_columns(TextGrid& grid, const LottoDefinition& game) {
  if (grid.cols() >= draw_grid_columns(game)) return;
  set_draw_headers(grid, game);
}

void empty_draw_table(TextGrid& grid) { empty_draw_table(grid, LottoDefinition{}); }

void empty_draw_table(TextGrid& grid, const LottoDefinition& game) {
  grid.resize(0, 0);
  grid.resize(1, 1);
  ensure_draw_columns(grid, game);
}

namespace {

constexpr std::string_view month_names[] = {"january",   "february", "march",    "april",
                                            "may",       "june",     "july",     "august",
                                            "september", "october",  "november", "december"};
constexpr std::string_view weekday_names[] = {"monday", "tuesday",  "wednesday", "thursday",
                                              "friday", "saturday", "sunday"};
// Lines looked at to find the separator, the header and the columns.
constexpr int sample_lines = 200;
// Columns looked at; fields further right are ignored.
constexpr int max_columns = 64;

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view trim(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
  return t;
}

// A whole number of at most four digits, nothing else; -1 when the text is none.
int whole(std::string_view t) {
  if (t.empty() || t.size() > 4) return -1;
  int v = 0;
  for (char c : t) {
    if (!is_digit(c)) return -1;
    v = v * 10 + (c - '0');
  }
  return v;
}

bool valid_utf8(std::string_view t) {
  for (std::size_t i = 0; i < t.size();) {
    const auto b = static_cast<unsigned char>(t[i]);
    const int len = b < 0x80             ? 1
                    : (b & 0xE0) == 0xC0 ? 2
                    : (b & 0xF0) == 0xE0 ? 3
                    : (b & 0xF8) == 0xF0 ? 4
                                         : 0;
    if (len == 0 || i + len > t.size()) return false;
    for (int k = 1; k < len; ++k)
      if ((static_cast<unsigned char>(t[i + k]) & 0xC0) != 0x80) return false;
    i += static_cast<std::size_t>(len);
  }
  return true;
}

// Cuts `line` at `sep` outside double quotes. Fields lose the blanks around
// them; a quoted field loses its quotes and "" inside it becomes ". Views point
// into `line`, or into `buffer` for fields that held "". False when a quote is
// not closed.
bool split_csv(std::string_view line, char sep, std::vector<std::string_view>& out, std::string& buffer) {
  out.clear();
  buffer.clear();
  buffer.reserve(line.size());  // appends never move what earlier views point to
  const std::size_t n = line.size();
  std::size_t i = 0;
  while (true) {
    while (i < n && line[i] == ' ') ++i;
    if (i < n && line[i] == '"') {
      const std::size_t start = buffer.size();
      std::size_t seg = ++i;
      bool closed = false;
      for (; i < n; ++i) {
        if (line[i] != '"') continue;
        if (i + 1 < n && line[i + 1] == '"') {
          buffer.append(line.substr(seg, i + 1 - seg));
          seg = ++i + 1;
          continue;
        }
        closed = true;
        break;
      }
      if (!closed) return false;
      std::string_view field = line.substr(seg, i - seg);
      if (buffer.size() != start) {
        buffer.append(field);
        field = std::string_view(buffer.data() + start, buffer.size() - start);
      }
      out.push_back(trim(field));
      while (i < n && line[i] != sep) ++i;  // text after the closing quote is dropped
    } else {
      const std::size_t start = i;
      while (i < n && line[i] != sep) ++i;
      out.push_back(trim(line.substr(start, i - start)));
    }
    if (i >= n) return true;
    ++i;
  }
}

std::size_t edit_distance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t up = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = up;
    }
  }
  return row[b.size()];
}

bool is_weekday(std::string_view lowered) {
  if (lowered.size() < 3) return false;
  for (auto w : weekday_names)
    if (w.starts_with(lowered)) return true;
  return false;
}

// What a date field says. A numeric date with the year last may be read day
// first, month first, or both ways.
struct DateRead {
  enum Kind { none, exact, day_month, month_day, either } kind = none;
  DayNumber day = 0;    // exact and day_month: the date; either: the day/month reading
  DayNumber other = 0;  // month_day: the date; either: the month/day reading
};

DateRead read_date(std::string_view text) {
  DateRead r;
  text = trim(text);
  // A time after the date ("2024-02-03 00:00:00", "2024-02-03T20:30") is dropped.
  if (const auto colon = text.find(':'); colon != std::string_view::npos) {
    const auto cut = text.find_last_of(" T", colon);
    if (cut == std::string_view::npos) return r;
    text = trim(text.substr(0, cut));
  }
  struct Token {
    std::string_view text;
    bool digits;
  };
  Token tokens[8];
  int count = 0;
  char separators[8] = {};
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (is_digit(c) || is_letter(c)) {
      const bool digits = is_digit(c);
      std::size_t j = i;
      while (j < text.size() && (digits ? is_digit(text[j]) : is_letter(text[j]))) ++j;
      if (count == 8) return r;
      tokens[count++] = {text.substr(i, j - i), digits};
      i = j;
    } else if (c == ' ' || c == ',' || c == '.' || c == '/' || c == '-') {
      if (count > 0 && count < 8 && separators[count] == 0) separators[count] = c;
      ++i;
    } else {
      return r;
    }
  }
  int numbers[3], digits[3], n = 0, month = 0;
  for (int k = 0; k < count; ++k) {
    const Token& t = tokens[k];
    if (t.digits) {
      if (n == 3 || t.text.size() > 4) return r;
      digits[n] = static_cast<int>(t.text.size());
      numbers[n++] = whole(t.text);
      continue;
    }
    std::string lowered(t.text);
    for (char& c : lowered) c = lower(c);
    if (is_weekday(lowered)) continue;
    if (const int m = month_of_name(lowered); m != 0 && month == 0)
      month = m;
    else if (k > 0 && tokens[k - 1].digits &&
             (lowered == "st" || lowered == "nd" || lowered == "rd" || lowered == "th"))
      continue;
    else
      return r;
  }
  if (month != 0) {  // "February 3, 2024", "3 Feb 2024"
    if (n != 2) return r;
    const int y = digits[0] == 4 ? 0 : 1;
    if (digits[y] != 4 || digits[1 - y] > 2) return r;
    if (const auto d = day_number(numbers[y], month, numbers[1 - y])) r = {DateRead::exact, *d, 0};
    return r;
  }
  if (n != 3) return r;
  if (digits[0] == 4) {  // year first
    if (digits[1] > 2 || digits[2] > 2) return r;
    if (const auto d = day_number(numbers[0], numbers[1], numbers[2])) r = {DateRead::exact, *d, 0};
    return r;
  }
  if (digits[0] > 2 || digits[1] > 2 || (digits[2] != 4 && digits[2] != 2)) return r;
  int year = numbers[2];
  if (digits[2] == 2) year += year < 30 ? 2000 : 1900;
  const auto dm = day_number(year, numbers[1], numbers[0]);
  const auto md = day_number(year, numbers[0], numbers[1]);
  if (dm && md)
    return numbers[0] == numbers[1] ? DateRead{DateRead::exact, *dm, 0}
                                    : DateRead{DateRead::either, *dm, *md};
  if (dm) return {DateRead::day_month, *dm, 0};
  if (md) return {DateRead::month_day, 0, *md};
  return r;
}

// Where the draw is in each line.
struct Layout {
  char sep = ',';
  bool header = false;
  int date_col = -1;
  std::array<int, 7> num_cols{};
  int bonus_col = -1;
  std::array<int, 2> second_cols{-1, -1};
  bool stars_together = false;  // one column holds both second-pool numbers ("3 9", "03-09")
  // One column holds the main numbers, blank-separated ("11 21 27 36 62"), and,
  // with joined_second, the second-pool numbers after them ("... 62 24").
  int joined_col = -1;
  bool joined_second = false;
  int score = 0;  // sample lines with a date and whole numbers where the draw should be
};

bool bonus_header(std::string_view name) {
  std::string l(trim(name));
  for (char& c : l) c = lower(c);
  for (std::string_view w : {"bonus", "extra", "supp", "additional", "power", "mega", "special"})
    if (l.find(w) != std::string::npos) return true;
  return l == "b" || l == "nb" || l == "pb" || l == "bb";
}

// A header of a second-pool column; multipliers ("Power Play", "Megaplier") are not.
bool second_header(std::string_view name) {
  std::string l(trim(name));
  for (char& c : l) c = lower(c);
  if (l.find("play") != std::string::npos || l.find("plier") != std::string::npos) return false;
  for (std::string_view w : {"star", "powerball", "power ball", "mega ball", "megaball", "cash ball",
                             "thunderball", "euro number", "second", "lucky"})
    if (l.find(w) != std::string::npos) return true;
  return l == "pb" || l == "mb" || l == "s1" || l == "s2";
}

// The blank-separated parts of a field, at most 10; the count (11 when more).
int blank_parts(std::string_view t, std::array<std::string_view, 10>& out) {
  int n = 0;
  for (std::size_t i = 0; i < t.size();) {
    if (t[i] == ' ') {
      ++i;
      continue;
    }
    const std::size_t end = std::min(t.find(' ', i), t.size());
    if (n == 10) return 11;
    out[n++] = t.substr(i, end - i);
    i = end;
  }
  return n;
}

// Up to two numbers in one field ("3 9", "03-09", "3/9"); the count read, or -1.
int number_pair(std::string_view t, int (&out)[2]) {
  int n = 0;
  for (std::size_t i = 0; i < t.size();) {
    if (t[i] == ' ' || t[i] == '-' || t[i] == '/' || t[i] == '+' || t[i] == ',') {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < t.size() && is_digit(t[j])) ++j;
    if (j == i || n == 2) return -1;
    out[n++] = whole(t.substr(i, j - i));
    i = j;
  }
  return n;
}

// Finds the columns for `sep` from the first lines: the date column is the one
// most often holding a date; the number columns are the first pick_n columns,
// from the date column rightwards and then round, that hold numbers from 1 to
// play_n in most of the lines and do not count up or down by one from line to
// line (a draw counter); the bonus column is the one whose header names it,
// or else the next such column after the numbers.
Layout find_layout(const std::vector<std::string_view>& lines, char sep, const LottoDefinition& game) {
  const int pick_n = std::clamp<int>(game.pick_n, 1, 7);
  const int play_n = game.play_n;
  const int second_n = std::clamp<int>(game.second_n, 0, 2);
  // Games of the classic shape find their columns as they always did.
  const bool general = !classic_draw_lines(game);
  Layout lay;
  lay.sep = sep;
  std::vector<std::vector<std::string_view>> rows;
  std::vector<std::string_view> fields;
  std::vector<std::string> buffers;
  buffers.reserve(lines.size());  // the fields point into these: they must not move
  for (auto line : lines) {
    buffers.emplace_back();
    if (!split_csv(line, sep, fields, buffers.back())) continue;
    if (fields.size() > static_cast<std::size_t>(max_columns)) fields.resize(max_columns);
    rows.push_back(fields);
  }
  if (rows.empty()) return lay;
  lay.header = std::none_of(rows[0].begin(), rows[0].end(),
                            [](std::string_view f) { return read_date(f).kind != DateRead::none; });
  const std::size_t first = lay.header ? 1 : 0;
  std::array<int, max_columns> dates{};
  for (std::size_t r = first; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c) dates[c] += read_date(rows[r][c]).kind != DateRead::none;
  lay.date_col = static_cast<int>(std::max_element(dates.begin(), dates.end()) - dates.begin());
  if (dates[lay.date_col] == 0) return lay;
  std::vector<const std::vector<std::string_view>*> dated;
  for (std::size_t r = first; r < rows.size(); ++r)
    if (static_cast<int>(rows[r].size()) > lay.date_col &&
        read_date(rows[r][lay.date_col]).kind != DateRead::none)
      dated.push_back(&rows[r]);
  const auto cell = [](const std::vector<std::string_view>* row, int c) {
    return c < static_cast<int>(row->size()) ? (*row)[c] : std::string_view{};
  };
  const auto number_like = [&](int c, int top) {
    int in_range = 0, steps = 0, previous = -1;
    for (const auto* row : dated) {
      const int v = whole(cell(row, c));
      in_range += v >= 1 && v <= top;
      steps += previous >= 0 && v >= 0 && (v == previous + 1 || v == previous - 1);
      previous = v;
    }
    const int n = static_cast<int>(dated.size());
    const bool counter = n >= 5 && steps * 10 >= (n - 1) * 9;
    return in_range * 2 > n && !counter;
  };
  int found = 0, widest = 0;
  for (const auto* row : dated) widest = std::max(widest, static_cast<int>(row->size()));
  // A general game's header may name its second-pool and bonus columns: they
  // are no main numbers.
  const int header_cols = lay.header ? static_cast<int>(rows[0].size()) : 0;
  int named_second = 0;
  if (general && second_n > 0)
    for (int c = 0; c < header_cols && named_second < second_n; ++c)
      if (c != lay.date_col && second_header(rows[0][c])) lay.second_cols[named_second++] = c;
  if (general && game.bonus_n > 0)
    for (int c = 0; c < header_cols && lay.bonus_col < 0; ++c)
      if (c != lay.date_col && c != lay.second_cols[0] && c != lay.second_cols[1] && bonus_header(rows[0][c]))
        lay.bonus_col = c;
  const auto taken = [&](int c) {
    return c == lay.date_col || c == lay.bonus_col || c == lay.second_cols[0] || c == lay.second_cols[1] ||
           std::find(lay.num_cols.begin(), lay.num_cols.begin() + found, c) != lay.num_cols.begin() + found;
  };
  for (int k = 1; k < widest && found < pick_n; ++k) {
    const int c = (lay.date_col + k) % widest;
    if (!taken(c) && number_like(c, play_n)) lay.num_cols[found++] = c;
  }
  // A general game's numbers may come in one field ("Winning Numbers": "11 21 27 36 62 24").
  std::array<std::string_view, 10> parts;
  for (int c = 0; general && found < pick_n && c < widest; ++c) {
    if (taken(c)) continue;
    int main_only = 0, with_second = 0;
    for (const auto* row : dated) {
      const int n = blank_parts(cell(row, c), parts);
      main_only += n == pick_n;
      with_second += second_n > 0 && n == pick_n + second_n;
    }
    const int n = static_cast<int>(dated.size());
    if (std::max(main_only, with_second) * 2 <= n) continue;
    lay.joined_col = c;
    lay.joined_second = with_second > main_only;
    for (found = 0; found < pick_n; ++found) lay.num_cols[found] = c;
    if (lay.joined_second) lay.second_cols = {c, c}, named_second = second_n;
  }
  if (found < pick_n) return lay;
  const auto used = [&](int c) {
    return c == lay.date_col ||
           std::find(lay.num_cols.begin(), lay.num_cols.begin() + pick_n, c) != lay.num_cols.begin() + pick_n;
  };
  int next = lay.num_cols[pick_n - 1] + 1;
  if (!general) {
    if (lay.header)
      for (int c = 0; c < static_cast<int>(rows[0].size()) && lay.bonus_col < 0; ++c)
        if (!used(c) && bonus_header(rows[0][c])) lay.bonus_col = c;
    if (lay.bonus_col < 0 && next < widest && !used(next) && number_like(next, play_n)) lay.bonus_col = next;
  } else {
    if (game.bonus_n > 0 && lay.bonus_col < 0 && named_second == 0 && next < widest && !taken(next) &&
        number_like(next, play_n))
      lay.bonus_col = next;
    if (lay.bonus_col >= 0) next = std::max(next, lay.bonus_col + 1);
    if (named_second == 1 && second_n == 2) {
      // "Lucky Stars": both numbers in one field, or a second column named otherwise.
      int pair[2];
      int together = 0;
      for (const auto* row : dated) together += number_pair(cell(row, lay.second_cols[0]), pair) == 2;
      lay.stars_together = together * 2 > static_cast<int>(dated.size());
      if (lay.stars_together) named_second = 2, lay.second_cols[1] = lay.second_cols[0];
    }
    for (int c = next; named_second < second_n && c < widest; ++c)
      if (!taken(c) && number_like(c, game.second_pool)) lay.second_cols[named_second++] = c;
    if (named_second < second_n) return lay;
  }
  for (const auto* row : dated) {
    bool all = true;
    if (lay.joined_col >= 0) {
      const int n = blank_parts(cell(row, lay.joined_col), parts);
      for (int k = 0; k < pick_n && all; ++k) all = k < n && whole(parts[k]) >= 0;
    }
    for (int k = 0; k < pick_n && all && lay.joined_col < 0; ++k)
      all = whole(cell(row, lay.num_cols[k])) >= 0;
    lay.score += all;
  }
  return lay;
}

std::string draw_text(const std::array<std::int16_t, 7>& numbers, int pick_n, std::int16_t bonus,
                      const std::array<std::int16_t, 2>& second, int second_n) {
  std::string s;
  for (int k = 0; k < pick_n; ++k) s += (k ? " " : "") + std::to_string(numbers[k]);
  if (bonus > 0) s += ", bonus " + std::to_string(bonus);
  for (int j = 0; j < second_n; ++j) s += (j ? " " : ", second pool ") + std::to_string(second[j]);
  return s;
}

// At most `most` bytes of `t`, not cutting a character.
std::string clipped(std::string_view t, std::size_t most) {
  std::size_t n = std::min(t.size(), most);
  while (n < t.size() && n > 0 && (static_cast<unsigned char>(t[n]) & 0xC0) == 0x80) --n;
  return std::string(t.substr(0, n));
}

// A field as a message quotes it: at most 40 bytes.
std::string quoted(std::string_view t) { return "'" + clipped(t, 40) + "'"; }

// The fields of a line that count against the file's `columns`: all of them,
// less the empty ones past the columns.
std::size_t values_in(const std::vector<std::string_view>& fields, std::size_t columns) {
  std::size_t n = fields.size();
  while (n > columns && fields[n - 1].empty()) --n;
  return n;
}

struct TableDraw {
  DayNumber day;
  std::array<std::int16_t, 7> sorted;  // the numbers in ascending order
  std::array<std::int16_t, 7> shown;   // as in the table
  std::int16_t bonus;
  std::array<std::int16_t, 2> second;  // as in the table
};

template <std::size_t N>
std::array<std::int16_t, N> sorted_copy(std::array<std::int16_t, N> a, int count) {
  for (int i = 1; i < count; ++i)
    for (int j = i; j > 0 && a[j - 1] > a[j]; --j) std::swap(a[j - 1], a[j]);
  return a;
}

}  // namespace

int month_of_name(std::string_view name) {
  std::string l(name);
  for (char& c : l) c = lower(c);
  if (l.size() < 3) return 0;
  // The first three letters name one month; the rest may be misspelt a little.
  for (int m = 0; m < 12; ++m)
    if (l.compare(0, 3, month_names[m].substr(0, 3)) == 0)
      return l.size() == 3 || month_names[m].starts_with(l) || edit_distance(l, month_names[m]) <= 2 ? m + 1
                                                                                                     : 0;
  // Otherwise the one name within two edits ("Agust", "Setpember").
  if (l.size() < 4) return 0;
  int best = 0;
  std::size_t best_distance = 3;
  bool tie = false;
  for (int m = 0; m < 12; ++m) {
    const std::size_t d = edit_distance(l, month_names[m]);
    if (d < best_distance)
      best = m + 1, best_distance = d, tie = false;
    else if (d == best_distance)
      tie = true;
  }
  return tie ? 0 : best;
}

ImportPreview preview_import(std::string_view csv, const LottoDefinition& lotto, const TextGrid& table,
                             const DateFormat& format, DayMonthOrder order) {
  ImportPreview p;
  p.game = lotto;
  const int pick_n = std::clamp<int>(lotto.pick_n, 1, 7);
  const int play_n = lotto.play_n;
  const int second_n = std::clamp<int>(lotto.second_n, 0, 2);
  const bool with_bonus = classic_draw_lines(lotto) || lotto.bonus_n > 0;
  if (csv.starts_with("\xEF\xBB\xBF")) csv.remove_prefix(3);
  std::string converted;
  if (!valid_utf8(csv)) {
    converted = text_from_8bit(csv);
    csv = converted;
  }
  const std::vector<std::string_view> all = split_lines(csv);
  std::vector<int> line_numbers;  // of the non-blank lines
  std::vector<std::string_view> lines;
  for (std::size_t i = 0; i < all.size(); ++i)
    if (!trim(all[i]).empty()) {
      lines.push_back(all[i]);
      line_numbers.push_back(static_cast<int>(i) + 1);
    }
  const std::vector<std::string_view> sample(
      lines.begin(), lines.begin() + std::min<std::size_t>(lines.size(), sample_lines));
  Layout lay;
  for (char sep : {'\t', ';', ','}) {
    const Layout l = find_layout(sample, sep, lotto);
    if (l.score > lay.score) lay = l;
  }
  if (lay.score == 0) {
    p.message = "No draw was found in the file: no column holds dates beside " + std::to_string(pick_n) +
                " columns of numbers from 1 to " + std::to_string(play_n) +
                (second_n > 0 ? " and " + std::to_string(second_n) + " of second-pool numbers from 1 to " +
                                    std::to_string(lotto.second_pool)
                              : std::string()) +
                ".";
    return p;
  }
  p.separator = lay.sep;
  p.header = lay.header;
  // The fields a draw needs: up to the rightmost of the date and number columns
  // (the number columns need not be in ascending order).
  int needed = lay.date_col + 1;
  for (int k = 0; k < pick_n; ++k) needed = std::max(needed, lay.num_cols[k] + 1);
  for (int j = 0; j < second_n; ++j) needed = std::max(needed, lay.second_cols[j] + 1);
  // The columns every line must have: those the header names, when it names at
  // least the draw's, or else those most lines have. Empty fields after them (a
  // separator at the end of a line) are no values.
  std::vector<std::string_view> f;
  std::string buffer;
  std::size_t columns = 0;
  const bool header_columns = lay.header && split_csv(lines[0], lay.sep, f, buffer) &&
                              values_in(f, 0) >= static_cast<std::size_t>(needed);
  if (header_columns) {
    columns = values_in(f, 0);
  } else {
    std::unordered_map<std::size_t, int> counts;
    for (std::size_t i = lay.header ? 1 : 0; i < sample.size(); ++i)
      if (split_csv(sample[i], lay.sep, f, buffer)) ++counts[f.size()];
    int most = 0;
    for (const auto& [n, times] : counts)
      if (times > most || (times == most && n > columns)) columns = n, most = times;
    columns = std::max(columns, static_cast<std::size_t>(needed));
  }

  // First pass: each line's fields, checked; the dates are kept as read.
  std::vector<DateRead> dates;
  int day_month = 0, month_day = 0, either = 0;
  for (std::size_t i = lay.header ? 1 : 0; i < lines.size(); ++i) {
    ImportRow row;
    row.line = line_numbers[i];
    DateRead date;
    const auto refuse = [&](std::string reason) { row.reason = std::move(reason); };
    if (!split_csv(lines[i], lay.sep, f, buffer)) {
      refuse("a quoted field is not closed.");
    } else if (static_cast<int>(f.size()) < needed) {
      refuse("the line has " + std::to_string(f.size()) + (f.size() == 1 ? " field" : " fields") +
             "; a draw needs " + std::to_string(needed) + ".");
    } else if (const std::size_t values = values_in(f, columns); values != columns) {
      refuse("the line has " + std::to_string(values) + " values where " +
             (header_columns ? "the header has " + std::to_string(columns) + " columns."
                             : "the other lines have " + std::to_string(columns) + "."));
    } else if ((date = read_date(f[lay.date_col])).kind == DateRead::none) {
      refuse(quoted(f[lay.date_col]) + " is not a date.");
    } else {
      // The numbers' texts: a field each, or the parts of the joined field.
      std::array<std::string_view, 10> parts;
      const int joined = lay.joined_col >= 0 ? blank_parts(f[lay.joined_col], parts) : 0;
      const int wanted = pick_n + (lay.joined_second ? second_n : 0);
      if (lay.joined_col >= 0 && joined != wanted)
        refuse(quoted(f[lay.joined_col]) + " holds " + std::to_string(std::min(joined, 10)) +
               " numbers where a draw has " + std::to_string(wanted) + ".");
      const auto number_text = [&](int k) { return lay.joined_col >= 0 ? parts[k] : f[lay.num_cols[k]]; };
      for (int k = 0; k < pick_n && row.reason.empty(); ++k) {
        const std::string_view t = number_text(k);
        const int v = whole(t);
        if (v < 0)
          refuse(quoted(t) + " is not a whole number.");
        else if (v < 1 || v > play_n)
          refuse("the number " + std::to_string(v) + " is not between 1 and " + std::to_string(play_n) + ".");
        else if (std::find(row.numbers.begin(), row.numbers.begin() + k, v) != row.numbers.begin() + k)
          refuse("the number " + std::to_string(v) + " appears twice.");
        row.numbers[k] = static_cast<std::int16_t>(v);
      }
      const std::string_view b =
          with_bonus && lay.bonus_col >= 0 && lay.bonus_col < static_cast<int>(f.size()) ? f[lay.bonus_col]
                                                                                         : std::string_view{};
      const int v = b.empty() ? 0 : whole(b);
      const bool among =
          std::find(row.numbers.begin(), row.numbers.begin() + pick_n, v) != row.numbers.begin() + pick_n;
      if (!row.reason.empty()) {
        // the numbers were refused already
      } else if (v < 0) {
        refuse("the bonus " + quoted(b) + " is not a whole number.");
      } else if (v > play_n) {
        refuse("the bonus " + std::to_string(v) + " is not between 1 and " + std::to_string(play_n) + ".");
      } else if (v > 0 && among) {
        refuse("the bonus " + std::to_string(v) + " is also one of the numbers.");
      }
      row.bonus = static_cast<std::int16_t>(v);
      // The second-pool numbers: each from 1 to the pool's size, not twice.
      int pair[2] = {-1, -1};
      if (lay.stars_together && number_pair(f[lay.second_cols[0]], pair) != 2) pair[0] = pair[1] = -1;
      for (int j = 0; j < second_n && row.reason.empty(); ++j) {
        const std::string_view t = lay.joined_second ? parts[pick_n + j] : f[lay.second_cols[j]];
        const int s = lay.stars_together ? pair[j] : whole(t);
        if (s < 0)
          refuse("the second-pool field " + quoted(t) + " is not " +
                 (lay.stars_together ? "two whole numbers." : "a whole number."));
        else if (s < 1 || s > lotto.second_pool)
          refuse("the second-pool number " + std::to_string(s) + " is not between 1 and " +
                 std::to_string(lotto.second_pool) + ".");
        else if (j == 1 && row.second[0] == s)
          refuse("the second-pool number " + std::to_string(s) + " appears twice.");
        row.second[j] = static_cast<std::int16_t>(std::max(s, 0));
      }
    }
    if (row.reason.empty()) {
      day_month += date.kind == DateRead::day_month;
      month_day += date.kind == DateRead::month_day;
      either += date.kind == DateRead::either;
    }
    p.rows.push_back(std::move(row));
    dates.push_back(date);
  }
  p.rows_read = static_cast<int>(p.rows.size());

  // The order of day and month: the user's, or the one the unambiguous dates show.
  p.order = order;
  if (order == DayMonthOrder::unknown) {
    if (day_month > month_day)
      p.order = DayMonthOrder::day_month;
    else if (month_day > day_month)
      p.order = DayMonthOrder::month_day;
    else if (day_month + either > 0) {
      p.order_needed = true;
      p.rows.clear();
      p.message =
          "The dates of this file read both as day/month/year and as month/day/year. "
          "Please choose the order of day and month.";
      return p;
    }
  }
  const bool dm = p.order == DayMonthOrder::day_month;
  for (std::size_t i = 0; i < p.rows.size(); ++i) {
    ImportRow& row = p.rows[i];
    const DateRead& d = dates[i];
    if (!row.reason.empty()) continue;
    if (d.kind == DateRead::exact)
      row.day = d.day;
    else if (d.kind == DateRead::either)
      row.day = dm ? d.day : d.other;
    else if ((d.kind == DateRead::day_month) == dm)
      row.day = dm ? d.day : d.other;
    else
      row.reason = std::string("the date does not fit the ") + (dm ? "day/month" : "month/day") +
                   " order of the other dates.";
  }

  // The table's draws by date.
  std::vector<TableDraw> known;
  known.reserve(static_cast<std::size_t>(std::max(table.rows() - 1, 0)));
  const int bonus_col = classic_draw_lines(lotto) ? col_bonus : bonus_column(lotto);
  for (int r = 1; r < table.rows() && table.cols() >= draw_grid_columns(lotto); ++r) {
    const auto day = parse_date(table.cell(r, col_date), format);
    if (!day) continue;
    TableDraw t{*day, {}, {}, 0, {}};
    for (int k = 0; k < pick_n; ++k)
      t.shown[k] = static_cast<std::int16_t>(std::max(whole(table.cell(r, col_n1 + k)), 0));
    t.sorted = sorted_copy(t.shown, pick_n);
    if (bonus_col >= 0) t.bonus = static_cast<std::int16_t>(std::max(whole(table.cell(r, bonus_col)), 0));
    for (int j = 0; j < second_n; ++j)
      t.second[j] = static_cast<std::int16_t>(std::max(whole(table.cell(r, second_column(lotto, j))), 0));
    known.push_back(t);
  }
  std::stable_sort(known.begin(), known.end(),
                   [](const TableDraw& a, const TableDraw& b) { return a.day < b.day; });

  std::unordered_map<DayNumber, int> seen;  // date -> line of the file's first draw of that date
  seen.reserve(p.rows.size());
  std::size_t index = lay.header ? 1 : 0;
  for (ImportRow& row : p.rows) {
    const std::string_view line = lines[index++];
    if (row.reason.empty()) {
      const auto [at, inserted] = seen.emplace(row.day, row.line);
      if (!inserted) row.reason = "a draw of the same date is on line " + std::to_string(at->second) + ".";
    }
    if (!row.reason.empty()) {
      row.status = ImportRowStatus::refused;
      row.text = clipped(trim(line), 120);
      ++p.refused;
      continue;
    }
    auto it = std::lower_bound(known.begin(), known.end(), row.day,
                               [](const TableDraw& t, DayNumber d) { return t.day < d; });
    if (it == known.end() || it->day != row.day) {
      row.status = ImportRowStatus::fresh;
      ++p.fresh;
      continue;
    }
    const auto mine = sorted_copy(row.numbers, pick_n);
    const auto mine_second = sorted_copy(row.second, second_n);
    const TableDraw* first = &*it;
    bool same = false;
    for (; it != known.end() && it->day == row.day && !same; ++it)
      same = it->sorted == mine && (it->bonus == row.bonus || it->bonus == 0 || row.bonus == 0) &&
             sorted_copy(it->second, second_n) == mine_second;
    if (same) {
      row.status = ImportRowStatus::present;
      ++p.present;
    } else {
      row.status = ImportRowStatus::conflict;
      row.reason = "the table holds " +
                   draw_text(first->shown, pick_n, first->bonus, first->second, second_n) + " for " +
                   format_date(row.day, format) + "; that draw is kept.";
      ++p.conflicts;
    }
  }
  return p;
}

Text import_summary(const ImportPreview& p) {
  if (!p.message.empty()) return p.message;
  Text s = DS_TR("Rows read: %1. New: %2. Already present: %3. In conflict: %4. Refused: %5.")
               .arg(p.rows_read)
               .arg(p.fresh)
               .arg(p.present)
               .arg(p.conflicts)
               .arg(p.refused);
  constexpr int listed = 20;
  int shown = 0, more = 0;
  for (const ImportRow& r : p.rows) {
    if (r.status != ImportRowStatus::refused && r.status != ImportRowStatus::conflict) continue;
    if (shown == listed) {
      ++more;
      continue;
    }
    std::string reason = r.reason;
    if (!reason.empty()) reason[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(reason[0])));
    s = DS_TR("%1\nLine %2: %3").arg(s).arg(r.line).arg(Text(reason));
    ++shown;
  }
  if (more > 0) s = DS_TR("%1\n... and %2 more.").arg(s).arg(more);
  return s;
}

TextGrid import_preview_grid(const ImportPreview& p) {
  const int second_n = std::clamp<int>(p.game.second_n, 0, 2);
  const int extra = second_n > 0 ? 1 : 0;  // the Second column
  TextGrid g(static_cast<int>(p.rows.size()) + 1, 6 + extra);
  g.fixed_rows = 1;
  const char* headers[] = {DS_TR_NOOP("Line"),  DS_TR_NOOP("Date"),   DS_TR_NOOP("Numbers"),
                           DS_TR_NOOP("Bonus"), DS_TR_NOOP("Second"), DS_TR_NOOP("Result"),
                           DS_TR_NOOP("Reason")};
  for (int c = 0; c < 6 + extra; ++c) g.set_cell(0, c, headers[c < 4 || extra ? c : c + 1]);
  const char* results[] = {"new", "present", "conflict", "refused"};
  int r = 0;
  for (const ImportRow& row : p.rows) {
    ++r;
    g.set_cell(r, 0, std::to_string(row.line));
    g.set_cell(r, 4 + extra, results[static_cast<int>(row.status)]);
    g.set_cell(r, 5 + extra, row.reason);
    if (row.status == ImportRowStatus::refused) {
      g.set_cell(r, 1, row.text);
      continue;
    }
    g.set_cell(r, 1, format_date(row.day, DateFormat::iso()));
    std::string numbers;
    for (std::int16_t n : row.numbers)
      if (n > 0) numbers += (numbers.empty() ? "" : " ") + std::to_string(n);
    g.set_cell(r, 2, numbers);
    g.set_cell(r, 3, row.bonus > 0 ? std::to_string(row.bonus) : "");
    std::string second;
    for (int j = 0; j < second_n; ++j) second += (j ? " " : "") + std::to_string(row.second[j]);
    if (extra) g.set_cell(r, 4, second);
  }
  return g;
}

TextGrid merged_draws(const TextGrid& table, const ImportPreview& preview, const DateFormat& format) {
  TextGrid g = table;
  const LottoDefinition& game = preview.game;
  if (g.cols() < draw_grid_columns(game)) empty_draw_table(g, game);
  const bool classic = classic_draw_lines(game);
  for (const ImportRow& row : preview.rows) {
    if (row.status != ImportRowStatus::fresh) continue;
    const int r = g.append_row();
    g.set_cell(r, col_date, format_date(row.day, DateFormat::iso()));
    for (int k = 0; k < main_columns(game); ++k) g.set_cell(r, col_n1 + k, std::to_string(row.numbers[k]));
    if (classic || game.bonus_n > 0)
      g.set_cell(r, classic ? col_bonus : bonus_column(game), std::to_string(row.bonus));
    for (int j = 0; j < game.second_n; ++j)
      g.set_cell(r, second_column(game, j), std::to_string(row.second[j]));
  }
  for (int r = 1; r < g.rows(); ++r) {
    const auto day = parse_date(g.cell(r, col_date), format);
    g.set_cell(r, col_key, day ? std::to_string(*day) : std::string());
  }
  g.sort_rows_numeric(col_key, 1);
  return g;
}

ImportWrite write_import(const std::filesystem::path& games, const std::string& name, TextGrid& table,
                         const ImportPreview& preview, const DateFormat& format) {
  ImportWrite w;
  if (!preview.message.empty()) {
    w.message = preview.message;
    return w;
  }
  TextGrid merged = merged_draws(table, preview, format);
  w.message = write_draws(games, name, merged, format, preview.game);
  if (!w.message.empty()) return w;
  table = std::move(merged);
  w.written = true;
  w.added = preview.fresh;
  return w;
}

std::string import_refusal(const std::string& name_text, const std::string& chosen, const std::string& owner,
                           const std::filesystem::path& games, const DateFormat& format,
                           const LottoDefinition& game) {
  if (chosen.empty() || trim_blanks(name_text) != chosen)
    return DS_TR_NOOP("Please choose in the Name list the lotto that gets the draws.");
  const bool has_file = file_exists(games / chosen / "draws.txt");
  if (owner != chosen && (!owner.empty() || has_file))
    return "The draws shown are not those of the lotto '" + chosen + "'. Choose '" + chosen +
           "' in the Name list first.";
  if (has_file) {
    TextGrid table;
    const ReadDrawsResult read = read_draws(games, chosen, table, format, game);
    if (!read.message.empty())
      return "The draws of '" + chosen + "' must be corrected first: " + read.message;
  }
  return {};
}

ImportFileRun import_draws_file(const std::filesystem::path& csv_path, const std::filesystem::path& games,
                                const std::string& name, const DateFormat& format, DayMonthOrder order) {
  const auto text = read_file(csv_path);
  return import_draws_text(text ? std::optional<std::string_view>(*text) : std::nullopt,
                           "The file '" + csv_path.string() + "' cannot be read.", games, name, format,
                           order);
}

ImportFileRun import_draws_text(std::optional<std::string_view> text, const std::string& unreadable,
                                const std::filesystem::path& games, const std::string& name,
                                const DateFormat& format, DayMonthOrder order, const AdjustPreview& adjust) {
  ImportFileRun run;
  LottoDefinition lotto;
  std::error_code ec;
  if (!std::filesystem::is_directory(games / name, ec)) {
    run.message = "There is no lotto named '" + name + "' (no folder '" + name + "' in '" + games.string() +
                  "'). Create it in the Lotto window first.";
    return run;
  }
  if (!file_exists(games / name / "param.tix") && !file_exists(games / name / game_file_name)) {
    run.message = "The lotto '" + name + "' has no definition: its folder holds neither 'param.tix' nor '" +
                  std::string(game_file_name) + "'.";
    return run;
  }
  if (const auto error = read_definition(games, name, lotto); !error.empty()) {
    run.message = DS_TR("The lotto '%1' cannot be used: %2").arg(name).arg(Text(error));
    return run;
  }
  // Held from reading the draws to writing them, so that a window saving at the
  // same moment is not written over.
  const std::optional<SaveLock> lock = SaveLock::take(games / name / "draws.txt");
  if (!lock) {
    run.message = save_lock_refusal(games / name / "draws.txt");
    return run;
  }
  TextGrid table;
  if (file_exists(games / name / "draws.txt")) {
    const ReadDrawsResult read = read_draws(games, name, table, format, lotto);
    if (!read.message.empty()) {
      run.message = DS_TR("The draws of '%1' must be corrected first: %2").arg(name).arg(Text(read.message));
      return run;
    }
  } else {
    empty_draw_table(table, lotto);
  }
  if (!text) {
    run.message = unreadable;
    return run;
  }
  ImportPreview preview = preview_import(*text, lotto, table, format, order);
  run.order_needed = preview.order_needed;
  if (preview.message.empty() && adjust) {
    if (std::string why = adjust(preview, table); !why.empty()) {
      run.message = std::move(why);
      return run;
    }
  }
  run.summary = import_summary(preview);
  if (!preview.message.empty()) {
    run.message = preview.message;
    return run;
  }
  if (preview.fresh == 0) {
    run.status = DS_TR_NOOP("Nothing was written: the file holds no new draw.");
    return run;
  }
  const ImportWrite w = write_import(games, name, table, preview, format);
  run.message = w.message;
  run.written = w.written;
  if (w.written)
    run.status = std::to_string(w.added) + (w.added == 1 ? " draw was" : " draws were") + " saved in '" +
                 (games / name / "draws.txt").string() + "'.";
  return run;
}

}  // namespace ds
