#include "lotto/lotto_files.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstring>

#include "shell/fields.h"
#include "shell/files.h"

namespace ds {

namespace {

void put_u16(std::string& out, std::size_t at, std::uint16_t v) {
  out[at] = static_cast<char>(v & 0xFF);
  out[at + 1] = static_cast<char>(v >> 8);
}
void put_f32(std::string& out, std::size_t at, float f) {
  const auto v = std::bit_cast<std::uint32_t>(f);
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
std::uint16_t get_u16(std::string_view in, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(in[at]) |
                                    (static_cast<unsigned char>(in[at + 1]) << 8));
}
float get_f32(std::string_view in, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= std::uint32_t{static_cast<unsigned char>(in[at + i])} << (8 * i);
  return std::bit_cast<float>(v);
}

float* prize_fields(LottoDefinition& d, int i) {
  float* fields[] = {&d.prize_2,  &d.prize_3,  &d.prize_4,  &d.prize_5,  &d.prize_6, &d.prize_2b,
                     &d.prize_3b, &d.prize_4b, &d.prize_5b, &d.prize_6b, &d.cost};
  return fields[i];
}

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

}  // namespace

std::filesystem::path lotto_folder(const std::filesystem::path& app_folder) { return app_folder / "Games"; }

std::vector<std::string> list_lottos(const std::filesystem::path& games) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(games, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code dir_ec;
    if (it->is_directory(dir_ec)) names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const auto la = lower(a), lb = lower(b);
    return la != lb ? la < lb : a < b;
  });
  return names;
}

std::optional<std::string> encode_definition(const LottoDefinition& def) {
  const auto currency = text_to_8bit(def.currency);
  if (!currency || currency->size() > 2) return std::nullopt;
  std::string out(definition_record_size, '\0');
  put_u16(out, 0, static_cast<std::uint16_t>(def.play_n));
  put_u16(out, 2, static_cast<std::uint16_t>(def.pick_n));
  LottoDefinition copy = def;
  for (int i = 0; i < 11; ++i) put_f32(out, 4 + 4 * i, *prize_fields(copy, i));
  put_u16(out, 48, static_cast<std::uint16_t>(currency->size()));
  std::memcpy(out.data() + 50, currency->data(), currency->size());
  return out;
}

std::optional<LottoDefinition> decode_definition(std::string_view bytes) {
  if (bytes.size() < definition_record_size) return std::nullopt;
  LottoDefinition d;
  d.play_n = static_cast<std::int16_t>(get_u16(bytes, 0));
  d.pick_n = static_cast<std::int16_t>(get_u16(bytes, 2));
  for (int i = 0; i < 11; ++i) *prize_fields(d, i) = get_f32(bytes, 4 + 4 * i);
  const auto n = get_u16(bytes, 48);
  if (n > 2) return std::nullopt;
  d.currency = text_from_8bit(bytes.substr(50, n));
  return d;
}

std::string read_definition(const std::filesystem::path& games, const std::string& name,
                            LottoDefinition& def) {
  const auto path = games / name / "param.tix";
  if (!file_exists(path)) return "No the file 'param.tix'.";
  const auto bytes = read_file(path, 1u << 20);
  if (!bytes) return "The file 'param.tix' cannot be read.";
  const auto decoded = decode_definition(*bytes);
  if (!decoded) return "The file 'param.tix' is damaged: it holds no valid lotto definition.";
  def = *decoded;
  return {};
}

std::string write_definition(const std::filesystem::path& games, const std::string& name,
                             const LottoDefinition& def, FileFingerprint* written) {
  const auto record = encode_definition(def);
  if (!record) return "The currency must be at most two characters.";
  if (!folder_exists(games)) make_folder(games);
  const auto folder = games / name;
  const bool made = !folder_exists(folder);
  if (made && !make_folder(folder)) return "The lotto's folder cannot be made (" + folder.string() + ").";
  const auto error = write_file_atomic(folder / "param.tix", *record);
  if (error.empty()) {
    if (written) *written = fingerprint_of(*record);
    return {};
  }
  // A new lotto that could not be saved leaves no folder to stand in the way of the next try.
  std::error_code ec;
  if (made) fs::remove(folder, ec);
  return "The lotto was not saved: " + error + ".";
}

void reset_draw_grid(TextGrid& grid) {
  grid.resize(0, 0);
  grid.resize(2, 2);
  grid.fixed_rows = 1;
  grid.fixed_cols = 0;
}

namespace {

// Gives the grid the draw table's columns, headers and widths with `rows` rows.
// The rows of a previous draw table are kept for reuse (their cells are all
// written again by the caller); any other grid is emptied first.
void start_draw_table(TextGrid& grid, int rows) {
  if (grid.cols() != draw_columns) grid.resize(0, 0);
  grid.resize(rows, draw_columns);
  grid.fixed_rows = 1;
  grid.fixed_cols = 0;
  static const char* headers[] = {"Date", "", "N1", "N2", "N3", "N4", "N5", "N6", "NBonus"};
  for (int c = 0; c < draw_columns; ++c) {
    grid.set_cell(0, c, headers[c]);
    grid.set_bold(0, c, false);
    grid.set_col_width(c, TextGrid::default_width);
    grid.set_col_width_factor(c, c >= col_n1 && c < col_bonus ? 0.5 : 1.0);
  }
  grid.set_row_height_factor(0, 1);
}

// Writes one draw row: every cell but the key, so that a reused row keeps no old
// text. (Draw tables carry no bold cells or tall rows, so there is none to clear.)
void put_draw_row(TextGrid& grid, int row, const std::string_view* fields, int count) {
  static const std::string_view none;
  grid.set_cell(row, col_date, fields[0]);
  for (int c = col_n1; c <= col_bonus; ++c) {
    const int f = c - col_n1 + 1;
    grid.set_cell(row, c, f < count ? fields[f] : none);
  }
}

// Day number of an ISO date text (four-digit year, two-digit month and day), the
// form of every file the program writes; nullopt for anything else. Any region
// reads this form the same way, so it only saves time.
std::optional<DayNumber> iso_day(std::string_view t) {
  if (t.size() != 10 || t[4] != '-' || t[7] != '-') return std::nullopt;
  int v[8];
  int k = 0;
  for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
    const unsigned d = static_cast<unsigned char>(t[i]) - '0';
    if (d > 9) return std::nullopt;
    v[k++] = static_cast<int>(d);
  }
  const int y = v[0] * 1000 + v[1] * 100 + v[2] * 10 + v[3];
  const int m = v[4] * 10 + v[5];
  const int d = v[6] * 10 + v[7];
  static constexpr int month_days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  if (y < 100 || m < 1 || m > 12 || d < 1 || d > month_days[m - 1] + (m == 2 && leap)) return std::nullopt;
  // Days from civil (proleptic Gregorian), counted from 1899-12-30.
  const int yy = m <= 2 ? y - 1 : y;
  const int era = yy / 400;
  const int yoe = yy - era * 400;
  const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468 + 25569;
}

DayNumber draw_day_or(std::string_view text, const DateFormat& format, bool& ok) {
  if (const auto d = iso_day(text)) return ok = true, *d;
  const auto d = parse_date(text, format);
  ok = d.has_value();
  return d ? *d : 0;
}

// How the draw reader sees a byte.
enum : unsigned char { field_byte = 0, blank_byte = 1, end_byte = 2 };
constexpr auto byte_kind = [] {
  std::array<unsigned char, 256> k{};
  k[static_cast<unsigned char>(' ')] = blank_byte;
  k[static_cast<unsigned char>('\n')] = end_byte;
  k[static_cast<unsigned char>('\r')] = end_byte;
  k[0] = end_byte;
  return k;
}();

// How many bytes of `t` equal `b`, eight at a time.
std::size_t count_byte(std::string_view t, char b) {
  const std::uint64_t ones = 0x0101010101010101ull, low7 = 0x7F7F7F7F7F7F7F7Full;
  const std::uint64_t pattern = ones * static_cast<unsigned char>(b);
  std::size_t n = 0, i = 0;
  for (; i + 8 <= t.size(); i += 8) {
    std::uint64_t w;
    std::memcpy(&w, t.data() + i, 8);
    const std::uint64_t y = w ^ pattern;  // zero bytes where w has b
    // One high bit per matching byte; the multiply adds the eight bits up.
    const std::uint64_t hits = ~(((y & low7) + low7) | y | low7) >> 7;
    n += static_cast<std::size_t>((hits * ones) >> 56);
  }
  for (; i < t.size(); ++i) n += t[i] == b;
  return n;
}

// True when some byte is above 127 (the text then needs converting from 8 bits).
bool has_high_bytes(std::string_view t) {
  std::uint64_t acc = 0;
  std::size_t i = 0;
  for (; i + 8 <= t.size(); i += 8) {
    std::uint64_t w;
    std::memcpy(&w, t.data() + i, 8);
    acc |= w;
  }
  for (; i < t.size(); ++i) acc |= static_cast<unsigned char>(t[i]);
  return (acc & 0x8080808080808080ull) != 0;
}

}  // namespace

ReadDrawsResult read_draws(const std::filesystem::path& games, const std::string& name, TextGrid& grid,
                           const DateFormat& format) {
  ReadDrawsResult result;
  const auto path = games / name / "draws.txt";
  if (!file_exists(path)) {
    start_draw_table(grid, 1);
    grid.set_col_width(col_key, TextGrid::hidden);
    result.message = "No the file 'draws.txt'";
    result.stopped = true;
    return result;
  }
  const auto bytes = read_file(path);
  if (!bytes) {
    start_draw_table(grid, 1);
    grid.set_col_width(col_key, TextGrid::hidden);
    result.message = "The file 'draws.txt' cannot be read.";
    result.stopped = true;
    return result;
  }
  // The 8-bit text only needs converting when it holds a byte above 127.
  std::string converted;
  std::string_view text = *bytes;
  if (has_high_bytes(*bytes)) {
    converted = text_from_8bit(*bytes);
    text = converted;
  }
  // One row per line at most; lines end in CR LF, LF or CR alone.
  std::size_t estimate = count_byte(text, '\n');
  if (estimate == 0) estimate = count_byte(text, '\r');
  start_draw_table(grid, 1 + static_cast<int>(estimate) + 1);

  std::vector<int> short_lines;
  int row = 0;
  int line_no = 0;
  bool ordered = true;
  DayNumber previous = 0;
  char key[16];
  std::string_view fields[8];
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end) {
    ++line_no;
    // Fields are separated by runs of blanks, as split_fields cuts them; the
    // fields after the eighth are ignored.
    // The text ends in a NUL (std::string keeps one after its last byte), so the
    // scans need no bounds test; a NUL inside the text is part of a field.
    int count = 0;
    const char* q = p;
    while (true) {
      while (byte_kind[static_cast<unsigned char>(*q)] == blank_byte) ++q;
      if (byte_kind[static_cast<unsigned char>(*q)] == end_byte && (q == end || *q != '\0')) break;
      const char* start = q;
      ++q;
      while (byte_kind[static_cast<unsigned char>(*q)] == field_byte || (*q == '\0' && q != end)) ++q;
      if (count < 8) fields[count] = std::string_view(start, static_cast<std::size_t>(q - start));
      ++count;
    }
    p = q;
    if (p < end) p += (*p == '\r' && p + 1 < end && p[1] == '\n') ? 2 : 1;
    if (count == 0) continue;
    if (count < 8) short_lines.push_back(line_no);
    ++row;
    if (row >= grid.rows()) grid.set_rows(grid.rows() * 2);
    put_draw_row(grid, row, fields, count);
    // The sort key; from a date that does not parse on, the rows keep no key.
    bool ok = false;
    const DayNumber day = result.bad_date ? 0 : draw_day_or(fields[0], format, ok);
    if (!ok) {
      result.bad_date = true;
      grid.set_cell(row, col_key, std::string_view{});
      continue;
    }
    const auto done = std::to_chars(key, key + sizeof key, day);
    grid.set_cell(row, col_key, std::string_view(key, static_cast<std::size_t>(done.ptr - key)));
    if (row > 1 && day < previous) ordered = false;
    previous = day;
  }
  grid.set_rows(1 + row);
  grid.set_col_width(col_key, TextGrid::hidden);
  if (result.bad_date) {
    result.message = "Not correct dates";
    result.stopped = true;
    return result;
  }
  // Files this program wrote are in date order already.
  if (!ordered) grid.sort_rows_numeric(col_key, 1);
  if (!short_lines.empty()) {
    std::string list;
    for (std::size_t i = 0; i < short_lines.size() && i < 5; ++i)
      list += (i ? ", " : "") + std::to_string(short_lines[i]);
    if (short_lines.size() > 5) list += ", ...";
    result.message = "Line " + list + " of 'draws.txt' holds fewer than eight fields. " +
                     "Please complete the draw before saving; the file is kept as it is.";
  }
  return result;
}

std::string write_draws(const std::filesystem::path& games, const std::string& name, TextGrid& grid,
                        const DateFormat& format, FileFingerprint* written) {
  const auto folder = games / name;
  if (!folder_exists(games)) make_folder(games);
  if (!folder_exists(folder) && !make_folder(folder))
    return "The data was not saved. The lotto's folder cannot be made (" + folder.string() + ").";
  if (grid.cols() < draw_columns) grid.set_cols(draw_columns);
  grid.set_col_width(col_key, TextGrid::hidden);
  for (int r = 1; r < grid.rows(); ++r) {
    const auto day = parse_date(grid.cell(r, col_date), format);
    if (!day) return "The data was not saved. Not correct date was found. Please correct the date";
    grid.set_cell(r, col_key, std::to_string(*day));
  }
  for (int r = 1; r < grid.rows(); ++r)
    for (int c = col_n1; c <= col_bonus; ++c)
      if (grid.cell(r, c).empty())
        return "The data was not saved. The draw of " + grid.cell(r, col_date) +
               " is incomplete. Please complete it";
  grid.sort_rows_numeric(col_key, 1);
  std::string out;
  for (int r = 1; r < grid.rows(); ++r) {
    std::string line;
    for (int c : {0, 2, 3, 4, 5, 6, 7, 8}) {
      line += grid.cell(r, c);
      line += ' ';
    }
    if (trim_blanks(line).empty()) continue;
    out += line;
    out += "\r\n";
  }
  const auto bytes = text_to_8bit(out);
  const auto error = write_file_atomic(folder / "draws.txt", bytes ? *bytes : out);
  if (written && error.empty()) *written = fingerprint_of(bytes ? *bytes : out);
  return error.empty() ? std::string{} : "The data was not saved: " + error + ".";
}

}  // namespace ds
