#include "tsets/set_files.h"

#include <algorithm>
#include <cctype>

#include "shell/dates.h"
#include "shell/fields.h"
#include "shell/files.h"
#include "shell/numbers.h"

namespace ds {

namespace fs = std::filesystem;

namespace {

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The size folder and, when missing too, the Tsets folder that holds it.
bool make_size_folder(const fs::path& size_folder) {
  if (folder_exists(size_folder)) return true;
  make_folder(size_folder.parent_path());
  return make_folder(size_folder);
}

std::vector<std::string> row_cells(const TextGrid& grid, int row) {
  std::vector<std::string> cells;
  for (int c = 0; c < grid.cols(); ++c) cells.push_back(grid.cell(row, c));
  return cells;
}

}  // namespace

fs::path tsets_folder_of(const fs::path& app_folder) { return app_folder / "Tsets"; }

fs::path size_folder_of(const fs::path& tsets_folder, int size) {
  return tsets_folder / std::to_string(size);
}

std::string unsafe_set_name_message(const std::string& name) {
  return "The name '" + name +
         "' cannot be used for a targeted set. Please type a name without \"/\" or \"\\\", "
         "without a leading dot, of at most 100 characters.";
}

std::string empty_position_message(const std::string& date, int column) {
  return "The row of " + date + " has no number at N" + std::to_string(column) +
         ". Please complete the row before saving.";
}

std::string missing_set_message(const std::string& name, int size) {
  return "There is no targeted set named '" + name + "' among the sets of size " + std::to_string(size) + ".";
}

void Tsets_headers(TextGrid& grid, int size, std::int16_t& tset_row) {
  grid.resize(0, 0);
  grid.resize(1, size + 1);
  grid.fixed_rows = 1;
  grid.fixed_cols = 1;
  grid.set_cell(0, 0, DS_TR_NOOP("Date"));
  for (int i = 1; i <= size; ++i) grid.set_cell(0, i, "N" + std::to_string(i));
  grid.set_col_width(0, tsets_date_width);
  for (int i = 1; i <= size; ++i) grid.set_col_width(i, tsets_number_width);
  for (int i = 0; i <= size; ++i) grid.set_bold(0, i, true);
  tset_row = 0;
}

std::vector<std::string> list_sets(const fs::path& size_folder) {
  make_size_folder(size_folder);
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(size_folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code type_ec;
    if (!it->is_regular_file(type_ec)) continue;
    const std::string name = it->path().filename().string();
    if (name.empty() || name.front() == '.') continue;
    names.push_back(name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string la = lower(a), lb = lower(b);
    return la != lb ? la < lb : a < b;
  });
  return names;
}

std::string create_set_file(const fs::path& size_folder, const std::string& name) {
  if (name.empty()) return {};
  if (!safe_name(name) || *safe_name(name) != name) return unsafe_set_name_message(name);
  if (!make_size_folder(size_folder)) return "The folder " + size_folder.string() + " cannot be created.";
  const fs::path path = size_folder / name;
  std::error_code ec;
  if (fs::exists(path, ec)) {
    if (file_exists(path)) return {};
    return "The name '" + name + "' is already taken by a folder.";
  }
  const std::string reason = write_file_atomic(path, "");
  if (!reason.empty()) return "The targeted set '" + name + "' cannot be created: " + reason + ".";
  return {};
}

std::string read_set_file(TsetsWork& work, const std::string& name, AppState& state) {
  if (work.size < min_set_size || work.size > max_set_size) return messages().select_size;
  if (!safe_name(name) || *safe_name(name) != name) return unsafe_set_name_message(name);
  const fs::path path = work.size_folder / name;
  if (!file_exists(path)) return missing_set_message(name, work.size);
  const auto bytes = read_file(path);
  if (!bytes) return "The targeted set '" + name + "' cannot be read.";
  TextGrid grid;
  std::int16_t no_row = 0;
  Tsets_headers(grid, work.size, no_row);
  const std::string text = text_from_8bit(*bytes);
  std::vector<std::string> fields;
  for (const auto line : split_lines(text)) {
    std::int16_t count = 0;
    split_fields(" ", line, count, fields);
    if (count < work.size + 1) break;
    // The current row is a 16-bit number: a longer set cannot be held whole, and
    // reading part of it would lose the rest at the next save.
    if (grid.rows() > max_set_rows)
      return "The targeted set '" + name + "' has more than " + std::to_string(max_set_rows) +
             " rows, more than the program can hold.";
    const int r = grid.append_row();
    for (int k = 0; k <= work.size; ++k) grid.set_cell(r, k, fields[k + 1]);
  }
  work.set_name = name;
  work.grid = std::move(grid);
  state.tset_row = static_cast<std::int16_t>(work.grid.rows() - 1);
  state.tset_name = name;
  if (state.tset_row == 0) {
    // A set without rows holds no numbers: the previous set's numbers must not
    // stay under the new name.
    state.tset_numbers.fill(0);
    return {};
  }
  return get_Tset(work.grid, state.tset_numbers, state.tset_row);
}

bool saved_set_holds(const fs::path& app_folder, int size, const std::string& name,
                     const std::array<std::int16_t, 21>& numbers) {
  if (size < min_set_size || size > max_set_size || name.empty()) return false;
  if (!safe_name(name) || *safe_name(name) != name) return false;
  const auto bytes = read_file(size_folder_of(tsets_folder_of(app_folder), size) / name);
  if (!bytes) return false;
  const std::string text = text_from_8bit(*bytes);
  std::vector<std::string> fields;
  for (const auto line : split_lines(text)) {
    std::int16_t count = 0;
    split_fields(" ", line, count, fields);
    if (count < size + 1) break;
    bool same = true;
    for (int k = 1; k <= size && same; ++k) same = parse_i16(fields[k + 1]) == numbers[k];
    if (same) return true;
  }
  return false;
}

std::string write_set_file(TsetsWork& work, AppState& state, FileFingerprint* written) {
  if (work.set_name.empty()) return messages().select_tset;
  if (!make_size_folder(work.size_folder))
    return "The folder " + work.size_folder.string() + " cannot be created.";

  // The current row moves with the sort; remember what it holds to find it again.
  const int current = state.tset_row;
  const bool follow = current >= 1 && current < work.grid.rows();
  const auto current_cells = follow ? row_cells(work.grid, current) : std::vector<std::string>{};

  for (int r = 1; r < work.grid.rows(); ++r)
    if (!parse_date(work.grid.cell(r, 0), state.date_format)) return messages().incorrect_date;
  // An empty position would be written as a missing field, and reading stops
  // at such a line: the rows after it would be lost at the next save.
  for (int r = 1; r < work.grid.rows(); ++r)
    for (int c = 1; c < work.grid.cols(); ++c)
      if (trim_blanks(work.grid.cell(r, c)).empty()) return empty_position_message(work.grid.cell(r, 0), c);

  if (!sort_grid_by_date(work.grid, 0, state.date_format).empty()) return messages().incorrect_date;
  if (follow) {
    // Among equal rows the one nearest the old place is taken, so the choice is stable.
    int best = -1;
    for (int r = 1; r < work.grid.rows(); ++r) {
      if (row_cells(work.grid, r) != current_cells) continue;
      if (best < 0 || std::abs(r - current) < std::abs(best - current)) best = r;
    }
    if (best > 0) state.tset_row = static_cast<std::int16_t>(best);
  }

  std::string text;
  for (int r = 1; r < work.grid.rows(); ++r) {
    for (int c = 0; c < work.grid.cols(); ++c) {
      text += work.grid.cell(r, c);
      text += ' ';
    }
    text += "\r\n";
  }
  const auto bytes = text_to_8bit(text);
  if (!bytes) return "The targeted set '" + work.set_name + "' holds characters that cannot be saved.";
  const std::string reason = write_file_atomic(work.size_folder / work.set_name, *bytes);
  if (!reason.empty()) return "The targeted set '" + work.set_name + "' could not be saved: " + reason + ".";
  if (written) *written = fingerprint_of(*bytes);
  return {};
}

Text get_Tset(const TextGrid& grid, std::array<std::int16_t, 21>& numbers, std::int16_t& row) {
  const int last = std::min(grid.cols() - 1, static_cast<int>(numbers.size()) - 1);
  std::array<std::int16_t, 21> copied{};
  for (int j = 1; j <= last; ++j) {
    const auto value = parse_i16(grid.cell(row, j));
    if (!value) {
      numbers.fill(0);
      return DS_TR("Incorrect data in the cell %1").arg(std::to_string(row) + "," + std::to_string(j) + ")");
    }
    copied[j] = *value;
  }
  for (int j = 1; j <= last; ++j) numbers[j] = copied[j];
  return {};
}

}  // namespace ds
