#include "lotto/lotto_files.h"

#include <algorithm>
#include <bit>
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

std::filesystem::path lotto_folder(const std::filesystem::path& app_folder) {
  return app_folder / "Games";
}

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
                             const LottoDefinition& def) {
  const auto record = encode_definition(def);
  if (!record) return "The currency must be at most two characters.";
  if (!folder_exists(games)) make_folder(games);
  const auto folder = games / name;
  if (!folder_exists(folder) && !make_folder(folder)) return "The lotto's folder cannot be made.";
  const auto error = write_file_atomic(folder / "param.tix", *record);
  return error.empty() ? std::string{} : "The file 'param.tix' cannot be written: " + error + ".";
}

void reset_draw_grid(TextGrid& grid) {
  grid.resize(0, 0);
  grid.resize(2, 2);
  grid.fixed_rows = 1;
  grid.fixed_cols = 0;
}

ReadDrawsResult read_draws(const std::filesystem::path& games, const std::string& name,
                           TextGrid& grid, const DateFormat& format) {
  ReadDrawsResult result;
  grid.resize(0, 0);
  grid.resize(1, draw_columns);
  grid.fixed_rows = 1;
  grid.fixed_cols = 0;
  static const char* headers[] = {"Date", "", "N1", "N2", "N3", "N4", "N5", "N6", "NBonus"};
  for (int c = 0; c < draw_columns; ++c) grid.set_cell(0, c, headers[c]);
  for (int c = 2; c <= 7; ++c) grid.set_col_width_factor(c, 0.5);

  const auto path = games / name / "draws.txt";
  if (!file_exists(path)) {
    result.message = "No the file 'draws.txt'";
    result.stopped = true;
    return result;
  }
  const auto bytes = read_file(path);
  if (!bytes) {
    result.message = "The file 'draws.txt' cannot be read.";
    result.stopped = true;
    return result;
  }
  // The 8-bit text only needs converting when it holds a byte above 127.
  std::string converted;
  std::string_view text = *bytes;
  if (std::any_of(bytes->begin(), bytes->end(), [](char c) { return c & 0x80; })) {
    converted = text_from_8bit(*bytes);
    text = converted;
  }
  const auto lines = split_lines(text);
  grid.resize(1 + static_cast<int>(lines.size()), draw_columns);
  std::vector<int> short_lines;
  int row = 0;
  std::string_view fields[8];
  for (std::size_t i = 0; i < lines.size(); ++i) {
    // Fields are separated by runs of blanks, as split_fields cuts them; the
    // fields after the eighth are ignored.
    const std::string_view line = lines[i];
    int count = 0;
    std::size_t p = 0;
    while (true) {
      p = line.find_first_not_of(' ', p);
      if (p == std::string_view::npos) break;
      std::size_t e = line.find(' ', p);
      if (e == std::string_view::npos) e = line.size();
      if (count < 8) fields[count] = line.substr(p, e - p);
      ++count;
      p = e;
    }
    if (count == 0) continue;
    if (count < 8) short_lines.push_back(static_cast<int>(i) + 1);
    ++row;
    grid.set_cell(row, col_date, fields[0]);
    for (int f = 1; f < 8 && f < count; ++f) grid.set_cell(row, col_n1 + f - 1, fields[f]);
  }
  grid.resize(1 + row, draw_columns);
  grid.set_col_width(col_key, TextGrid::hidden);

  bool ordered = true;
  DayNumber previous = 0;
  for (int r = 1; r < grid.rows(); ++r) {
    const auto day = parse_date(grid.cell(r, col_date), format);
    if (!day) {
      result.message = "Not correct dates";
      result.stopped = true;
      result.bad_date = true;
      return result;
    }
    grid.set_cell(r, col_key, std::to_string(*day));
    if (r > 1 && *day < previous) ordered = false;
    previous = *day;
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

std::string write_draws(const std::filesystem::path& games, const std::string& name,
                        TextGrid& grid, const DateFormat& format) {
  const auto folder = games / name;
  if (!folder_exists(games)) make_folder(games);
  if (!folder_exists(folder) && !make_folder(folder))
    return "The data was not saved. The lotto's folder cannot be made.";
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
  return error.empty() ? std::string{} : "The data was not saved. The file 'draws.txt' " + error;
}

}  // namespace ds
