#include "lotto/lotto_files.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

#include "shell/fields.h"
#include "shell/files.h"
#include "shell/numbers.h"

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

namespace {

std::string plain_number(float v) {
  char buf[80];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
  return std::string(buf, r.ptr);
}

// A number of game.txt: '.' as the decimal sign, an exponent allowed, finite
// and not negative; nothing else on the field.
template <class T>
std::optional<T> game_number(std::string_view t) {
  T v{};
  if (t.empty() || t.front() == '+' || t.front() == '-') return std::nullopt;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
  if (r.ec != std::errc{} || r.ptr != t.data() + t.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}
std::optional<int> game_count(std::string_view t) {
  int v = 0;
  if (t.empty() || t.size() > 3) return std::nullopt;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
  if (r.ec != std::errc{} || r.ptr != t.data() + t.size()) return std::nullopt;
  return v;
}

std::string_view trimmed(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
  return t;
}

std::string tier_name(const PrizeTier& t) {
  return std::to_string(t.main) + (t.bonus ? " with" : " without") + " the bonus and " +
         std::to_string(t.second) + " second-pool";
}

// The checks each part of a game passes; "" when it does.
std::string main_problem(int pool, int drawn, int bonus) {
  if (drawn < min_main_drawn || drawn > max_main_drawn) return "the main numbers drawn must be from 3 to 7";
  if (bonus < 0 || bonus > 1) return "the bonus numbers drawn must be 0 or 1";
  if (pool < 4 || pool > 99 || pool <= drawn + bonus)
    return "the main pool must hold from 4 to 99 numbers, more than a draw picks";
  return {};
}
std::string second_problem(int pool, int drawn) {
  if (drawn < 0 || drawn > max_second_drawn) return "the second-pool numbers drawn must be from 0 to 2";
  if (drawn == 0 && pool != 0) return "a game that draws no second-pool number has a second pool of 0";
  if (drawn > 0 && (pool <= drawn || pool > max_second_pool))
    return "the second pool must hold up to 99 numbers, more than a draw picks";
  return {};
}
std::string currency_problem(std::string_view c) {
  if (c.size() > max_game_currency_bytes) return "the currency must be at most 12 bytes";
  if (trimmed(c) != c) return "the currency must not start or end with a blank";
  for (char ch : c)
    if (static_cast<unsigned char>(ch) < 32 || ch == 127)
      return "the currency must not hold control characters";
  return {};
}
std::string tier_problem(const LottoDefinition& d, const PrizeTier& t) {
  if (t.main < 0 || t.second < 0 || t.main > d.pick_n || t.second > d.second_n ||
      (t.bonus && (d.bonus_n == 0 || t.main >= d.pick_n)))
    return "the tier " + tier_name(t) + " matches names more matches than the game draws";
  if (!std::isfinite(t.payout) || t.payout < 0) return "a payout must be a number of at least 0";
  return {};
}

}  // namespace

std::string game_problem(const LottoDefinition& d) {
  if (auto p = main_problem(d.play_n, d.pick_n, d.bonus_n); !p.empty()) return p;
  if (auto p = second_problem(d.second_pool, d.second_n); !p.empty()) return p;
  if (!std::isfinite(d.cost) || d.cost < 0) return "the cost must be a number of at least 0";
  if (auto p = currency_problem(d.currency); !p.empty()) return p;
  if (d.tiers.empty() && !stored_in_record(d)) return "a game of this shape needs its prize table";
  for (std::size_t i = 0; i < d.tiers.size(); ++i) {
    if (auto p = tier_problem(d, d.tiers[i]); !p.empty()) return p;
    for (std::size_t j = 0; j < i; ++j)
      if (d.tiers[j].main == d.tiers[i].main && d.tiers[j].bonus == d.tiers[i].bonus &&
          d.tiers[j].second == d.tiers[i].second)
        return "the tier " + tier_name(d.tiers[i]) + " matches is listed twice";
  }
  return {};
}

std::optional<std::string> encode_game_text(const LottoDefinition& d) {
  if (!game_problem(d).empty()) return std::nullopt;
  std::string out = std::string(game_file_first_line) + "\r\n";
  const auto line = [&out](const char* key, const std::string& value) {
    out += key;
    out += ' ';
    out += value;
    out += "\r\n";
  };
  line("main_pool", std::to_string(d.play_n));
  line("main_drawn", std::to_string(d.pick_n));
  line("bonus_drawn", std::to_string(d.bonus_n));
  line("second_pool", std::to_string(d.second_pool));
  line("second_drawn", std::to_string(d.second_n));
  line("cost", plain_number(d.cost));
  line("currency", d.currency);
  for (const PrizeTier& t : d.tiers)
    line("tier", std::to_string(t.main) + (t.bonus ? " yes " : " no ") + std::to_string(t.second) +
                     (t.average ? " average " : " fixed ") + plain_decimal(t.payout));
  return out;
}

std::optional<LottoDefinition> decode_game_text(std::string_view text, std::string& error) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  const std::vector<std::string_view> lines = split_lines(text);
  const auto at = [&](std::size_t i, const std::string& why) {
    std::string shown(trimmed(lines[i]).substr(0, 60));
    error = "line " + std::to_string(i + 1) + " ('" + shown + "'): " + why;
    return std::nullopt;
  };
  if (lines.empty() || trimmed(lines[0]) != game_file_first_line) {
    if (lines.empty()) return error = "the file is empty", std::nullopt;
    if (trimmed(lines[0]).starts_with("Drawsmith game "))
      return at(0, "this version of the format is not known to this program");
    return at(0, "the first line must be '" + std::string(game_file_first_line) + "'");
  }
  static const char* const keys[] = {"main_pool",    "main_drawn", "bonus_drawn", "second_pool",
                                     "second_drawn", "cost",       "currency"};
  std::size_t seen[7] = {};  // the line of each key, from 1
  LottoDefinition d;
  d.currency.clear();
  int counts[5] = {};
  std::vector<std::size_t> tier_lines;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string_view l = trimmed(lines[i]);
    if (l.empty() || l.front() == '#') continue;
    const std::size_t cut = l.find_first_of(" \t");
    const std::string_view key = l.substr(0, cut);
    const std::string_view value =
        cut == std::string_view::npos ? std::string_view{} : trimmed(l.substr(cut));
    if (key == "tier") {
      std::string_view f[6];
      int n = 0;
      for (std::string_view rest = value; !rest.empty() && n < 6;) {
        const std::size_t end = rest.find_first_of(" \t");
        f[n++] = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : trimmed(rest.substr(end));
      }
      const auto main = game_count(f[0]), second = game_count(f[2]);
      const auto payout = game_number<double>(f[4]);
      if (n != 5 || !main || !second || !payout || (f[1] != "yes" && f[1] != "no") ||
          (f[3] != "fixed" && f[3] != "average"))
        return at(i,
                  "a tier line holds the main matches, yes or no for the bonus, the second-pool matches, "
                  "fixed or average, and the payout (a number of at least 0)");
      d.tiers.push_back({*main, f[1] == "yes", *second, *payout, f[3] == "average"});
      tier_lines.push_back(i);
      continue;
    }
    const auto k = std::find(std::begin(keys), std::end(keys), key) - std::begin(keys);
    if (k == 7) return at(i, "'" + std::string(key) + "' is no key of a game file");
    if (seen[k])
      return at(i, "'" + std::string(key) + "' is given on line " + std::to_string(seen[k]) + " already");
    seen[k] = i + 1;
    if (k < 5) {
      const auto v = game_count(value);
      if (!v) return at(i, "'" + std::string(key) + "' must be a whole number");
      counts[k] = *v;
    } else if (k == 5) {
      const auto v = game_number<float>(value);
      if (!v) return at(i, "the cost must be a number of at least 0");
      d.cost = *v;
    } else {
      if (auto p = currency_problem(value); !p.empty()) return at(i, p);
      d.currency = std::string(value);
    }
  }
  for (int k = 0; k < 7; ++k)
    if (!seen[k]) return error = "the line '" + std::string(keys[k]) + "' is missing", std::nullopt;
  if (auto p = main_problem(counts[0], counts[1], counts[2]); !p.empty())
    return at(seen[counts[1] < min_main_drawn || counts[1] > max_main_drawn ? 1
                   : counts[2] > 1                                          ? 2
                                                                            : 0] -
                  1,
              p);
  if (auto p = second_problem(counts[3], counts[4]); !p.empty())
    return at(seen[counts[4] > max_second_drawn ? 4 : 3] - 1, p);
  d.play_n = static_cast<std::int16_t>(counts[0]);
  d.pick_n = static_cast<std::int16_t>(counts[1]);
  d.bonus_n = static_cast<std::int16_t>(counts[2]);
  d.second_pool = static_cast<std::int16_t>(counts[3]);
  d.second_n = static_cast<std::int16_t>(counts[4]);
  if (d.tiers.empty())
    return error = "the file holds no tier line: a game stored here needs its prize table", std::nullopt;
  for (std::size_t i = 0; i < d.tiers.size(); ++i) {
    if (auto p = tier_problem(d, d.tiers[i]); !p.empty()) return at(tier_lines[i], p);
    for (std::size_t j = 0; j < i; ++j)
      if (d.tiers[j].main == d.tiers[i].main && d.tiers[j].bonus == d.tiers[i].bonus &&
          d.tiers[j].second == d.tiers[i].second)
        return at(tier_lines[i], "the same tier as line " + std::to_string(tier_lines[j] + 1));
  }
  return d;
}

bool stored_in_record(const LottoDefinition& def) {
  return def.tiers.empty() && def.bonus_n == 1 && def.second_n == 0 && def.second_pool == 0;
}

std::filesystem::path stored_definition_path(const std::filesystem::path& games, const std::string& name) {
  const auto text = games / name / game_file_name;
  return file_exists(text) ? text : games / name / "param.tix";
}

std::filesystem::path definition_path(const std::filesystem::path& games, const std::string& name,
                                      const LottoDefinition& def) {
  return games / name / (stored_in_record(def) ? "param.tix" : game_file_name);
}

std::string read_definition(const std::filesystem::path& games, const std::string& name,
                            LottoDefinition& def) {
  const auto path = games / name / "param.tix";
  const auto text_path = games / name / game_file_name;
  const bool has_text = file_exists(text_path);
  if (has_text && file_exists(path))
    return "The lotto '" + name + "' holds two definitions, 'param.tix' and 'game.txt' (in " +
           (games / name).string() + "). Please remove the one that is wrong; nothing was read.";
  if (has_text) {
    const auto text = read_file(text_path, 1u << 20);
    if (!text) return "The file '" + text_path.string() + "' cannot be read.";
    std::string error;
    const auto decoded = decode_game_text(*text, error);
    if (!decoded) return "The file '" + text_path.string() + "' is damaged, " + error + ". Nothing was read.";
    def = *decoded;
    return {};
  }
  if (!file_exists(path)) return "No the file 'param.tix'.";
  const auto bytes = read_file(path, 1u << 20);
  if (!bytes) return "The file 'param.tix' cannot be read.";
  const auto decoded = decode_definition(*bytes);
  if (!decoded) return "The file 'param.tix' is damaged: it holds no valid lotto definition.";
  def = *decoded;
  return {};
}

namespace {

// A short account of a draw line: "the date, 5 numbers, 1 second-pool number".
std::string line_account(const LottoDefinition& g) {
  if (classic_draw_lines(g)) return "the date, six numbers and the bonus";
  std::string s = "the date, " + std::to_string(g.pick_n) + " numbers";
  if (g.bonus_n > 0) s += ", the bonus";
  if (g.second_n > 0)
    s += ", " + std::to_string(g.second_n) + " second-pool number" + (g.second_n > 1 ? "s" : "");
  return s;
}

bool holds_draws(const std::filesystem::path& draws) {
  const auto text = read_file(draws);
  return text && text->find_first_not_of(" \t\r\n") != std::string::npos;
}

}  // namespace

std::string write_definition(const std::filesystem::path& games, const std::string& name,
                             const LottoDefinition& def, FileFingerprint* written) {
  const bool record = stored_in_record(def);
  std::optional<std::string> bytes;
  if (record) {
    bytes = encode_definition(def);
    if (!bytes) return DS_TR_NOOP("The currency must be at most two characters.");
  } else {
    bytes = encode_game_text(def);
    if (!bytes) return "The lotto was not saved: " + game_problem(def) + ".";
  }
  const auto folder = games / name;
  // Draws of the old shape would be read wrongly under the new one.
  LottoDefinition old;
  if (read_definition(games, name, old).empty() && draw_line_columns(old) != draw_line_columns(def) &&
      holds_draws(folder / "draws.txt"))
    return "The lotto '" + name + "' has draws of " + line_account(old) + ": its draws cannot change to " +
           line_account(def) + ". Nothing was saved. Create a new lotto for a game of this shape.";
  if (!folder_exists(games)) make_folder(games);
  const bool made = !folder_exists(folder);
  if (made && !make_folder(folder)) return "The lotto's folder cannot be made (" + folder.string() + ").";
  const auto target = definition_path(games, name, def);
  const auto error = write_file_atomic(target, *bytes);
  if (error.empty()) {
    if (written) *written = fingerprint_of(*bytes);
    // Only now is the other form given up.
    const auto other = folder / (record ? game_file_name : "param.tix");
    std::error_code ec;
    if (fs::exists(other, ec) && !fs::remove(other, ec))
      return "The lotto was saved in '" + target.string() + "', but the old definition '" + other.string() +
             "' could not be removed: please remove it.";
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
void start_draw_table(TextGrid& grid, int rows, const LottoDefinition& game) {
  if (grid.cols() != draw_grid_columns(game)) grid.resize(0, 0);
  grid.resize(rows, draw_grid_columns(game));
  set_draw_headers(grid, game);
  for (int c = 0; c < grid.cols(); ++c) grid.set_bold(0, c, false);
  grid.set_row_height_factor(0, 1);
}

// Where a line's fields go, and the main columns past the numbers drawn of a
// game with fewer than six, which hold 0.
struct LinePlan {
  std::vector<int> cols;  // cols[f]: the column of field f (0 the date)
  std::vector<int> pad;
};
LinePlan line_plan(const LottoDefinition& game) {
  LinePlan p{draw_line_columns(game), {}};
  if (!classic_draw_lines(game))
    for (int c = col_n1 + std::max<int>(game.pick_n, 0); c < col_n1 + main_columns(game); ++c)
      p.pad.push_back(c);
  return p;
}

// Writes one draw row: every cell but the key, so that a reused row keeps no old
// text. (Draw tables carry no bold cells or tall rows, so there is none to clear.)
void put_draw_row(TextGrid& grid, int row, const std::string_view* fields, int count, const LinePlan& plan) {
  static const std::string_view none, zero = "0";
  const int n = static_cast<int>(plan.cols.size());
  for (int f = 0; f < n; ++f) grid.set_cell(row, plan.cols[f], f < count ? fields[f] : none);
  for (int c : plan.pad) grid.set_cell(row, c, zero);
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

bool classic_draw_lines(const LottoDefinition& game) {
  return game.pick_n <= 6 && game.bonus_n == 1 && game.second_n == 0;
}

std::vector<int> draw_line_columns(const LottoDefinition& game) {
  if (classic_draw_lines(game)) return {0, 2, 3, 4, 5, 6, 7, 8};
  std::vector<int> cols{col_date};
  for (int k = 0; k < std::min<int>(game.pick_n, main_columns(game)); ++k) cols.push_back(col_n1 + k);
  if (game.bonus_n > 0) cols.push_back(bonus_column(game));
  // At most the fields a reader holds, whatever the definition says.
  for (int j = 0; j < std::min<int>(game.second_n, max_second_drawn); ++j)
    cols.push_back(second_column(game, j));
  return cols;
}

void set_draw_headers(TextGrid& grid, const LottoDefinition& game) {
  const int cols = draw_grid_columns(game);
  if (grid.cols() < cols) grid.set_cols(cols);
  if (grid.rows() < 1) grid.set_rows(1);
  grid.fixed_rows = 1;
  grid.fixed_cols = 0;
  grid.set_cell(0, col_date, DS_TR_NOOP("Date"));
  grid.set_cell(0, col_key, DS_TR_NOOP(""));
  for (int c = 0; c < cols; ++c) {
    grid.set_col_width(c, TextGrid::default_width);
    grid.set_col_width_factor(c, c >= col_n1 && c != bonus_column(game) ? 0.5 : 1.0);
  }
  for (int k = 0; k < main_columns(game); ++k) {
    grid.set_cell(0, col_n1 + k, "N" + std::to_string(k + 1));
    if (!classic_draw_lines(game) && k >= game.pick_n) grid.set_col_width(col_n1 + k, TextGrid::hidden);
  }
  if (bonus_column(game) >= 0) grid.set_cell(0, bonus_column(game), DS_TR_NOOP("NBonus"));
  for (int j = 0; j < game.second_n; ++j)
    grid.set_cell(0, second_column(game, j), "S" + std::to_string(j + 1));
  grid.set_col_width(col_key, TextGrid::hidden);
}

ReadDrawsResult read_draws(const std::filesystem::path& games, const std::string& name, TextGrid& grid,
                           const DateFormat& format) {
  return read_draws(games, name, grid, format, LottoDefinition{});
}

ReadDrawsResult read_draws(const std::filesystem::path& games, const std::string& name, TextGrid& grid,
                           const DateFormat& format, const LottoDefinition& game) {
  ReadDrawsResult result;
  const LinePlan plan = line_plan(game);
  const int wanted = static_cast<int>(plan.cols.size());
  const auto path = games / name / "draws.txt";
  if (!file_exists(path)) {
    start_draw_table(grid, 1, game);
    grid.set_col_width(col_key, TextGrid::hidden);
    result.message = "No the file 'draws.txt'";
    result.stopped = true;
    return result;
  }
  const auto bytes = read_file(path);
  if (!bytes) {
    start_draw_table(grid, 1, game);
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
  start_draw_table(grid, 1 + static_cast<int>(estimate) + 1, game);

  std::vector<int> short_lines, long_lines;
  int row = 0;
  int line_no = 0;
  bool ordered = true;
  DayNumber previous = 0;
  char key[16];
  std::string_view fields[max_main_drawn + max_second_drawn + 2];
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end) {
    ++line_no;
    // Fields are separated by runs of blanks, as split_fields cuts them; the
    // fields after a draw's (the eighth of a classic line) are ignored.
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
      if (count < wanted) fields[count] = std::string_view(start, static_cast<std::size_t>(q - start));
      ++count;
    }
    p = q;
    if (p < end) p += (*p == '\r' && p + 1 < end && p[1] == '\n') ? 2 : 1;
    if (count == 0) continue;
    if (count < wanted) short_lines.push_back(line_no);
    if (count > wanted && !classic_draw_lines(game)) long_lines.push_back(line_no);
    ++row;
    if (row >= grid.rows()) grid.set_rows(grid.rows() * 2);
    put_draw_row(grid, row, fields, count, plan);
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
  const auto listed = [](const std::vector<int>& lines) {
    std::string list;
    for (std::size_t i = 0; i < lines.size() && i < 5; ++i)
      list += (i ? ", " : "") + std::to_string(lines[i]);
    if (lines.size() > 5) list += ", ...";
    return list;
  };
  if (!short_lines.empty()) {
    const std::string fields_named = classic_draw_lines(game) ? "eight" : std::to_string(wanted);
    result.message = "Line " + listed(short_lines) + " of 'draws.txt' holds fewer than " + fields_named +
                     " fields. Please complete the draw before saving; the file is kept as it is.";
  }
  if (!long_lines.empty())
    result.message += std::string(result.message.empty() ? "" : "\n") + "Line " + listed(long_lines) +
                      " of 'draws.txt' holds more than the " + std::to_string(wanted) +
                      " fields of a draw (" + line_account(game) +
                      "); the fields after them are not shown and are lost at the next save.";
  return result;
}

std::string write_draws(const std::filesystem::path& games, const std::string& name, TextGrid& grid,
                        const DateFormat& format, FileFingerprint* written) {
  return write_draws(games, name, grid, format, LottoDefinition{}, written);
}

std::string write_draws(const std::filesystem::path& games, const std::string& name, TextGrid& grid,
                        const DateFormat& format, const LottoDefinition& game, FileFingerprint* written) {
  const auto folder = games / name;
  if (!folder_exists(games)) make_folder(games);
  if (!folder_exists(folder) && !make_folder(folder))
    return "The data was not saved. The lotto's folder cannot be made (" + folder.string() + ").";
  const std::vector<int> cols = draw_line_columns(game);
  if (grid.cols() < draw_grid_columns(game)) grid.set_cols(draw_grid_columns(game));
  grid.set_col_width(col_key, TextGrid::hidden);
  for (int r = 1; r < grid.rows(); ++r) {
    const auto day = parse_date(grid.cell(r, col_date), format);
    if (!day) return "The data was not saved. Not correct date was found. Please correct the date";
    grid.set_cell(r, col_key, std::to_string(*day));
  }
  for (int r = 1; r < grid.rows(); ++r)
    for (std::size_t f = 1; f < cols.size(); ++f)
      if (grid.cell(r, cols[f]).empty())
        return "The data was not saved. The draw of " + grid.cell(r, col_date) +
               " is incomplete. Please complete it";
  grid.sort_rows_numeric(col_key, 1);
  std::string out;
  for (int r = 1; r < grid.rows(); ++r) {
    std::string line;
    for (int c : cols) {
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

}  // namespace ds
