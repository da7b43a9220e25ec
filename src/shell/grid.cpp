#include "shell/grid.h"

#include <algorithm>
#include <numeric>

#include "shell/dates.h"
#include "shell/numbers.h"

namespace ds {

namespace {
const std::string empty_text;
std::uint64_t last_revision = 0;
}  // namespace

void TextGrid::bump() { revision_ = ++last_revision; }

void TextGrid::resize(int rows, int cols) {
  rows = std::max(rows, 0);
  cols = std::max(cols, 0);
  if (cols == cols_) {
    // Only the new rows need cells; growing row by row stays linear.
    const std::size_t old_rows = cells_.size();
    cells_.resize(rows);
    for (std::size_t r = old_rows; r < cells_.size(); ++r) cells_[r].resize(cols);
  } else {
    cells_.resize(rows);
    for (auto& row : cells_) row.resize(cols);
  }
  widths_.resize(cols, default_width);
  width_factors_.resize(cols, 1.0);
  heights_.resize(rows, 1);
  rows_ = rows;
  cols_ = cols;
  bump();
}

int TextGrid::append_row() {
  resize(rows_ + 1, cols_);
  return rows_ - 1;
}

void TextGrid::clear_cells() {
  for (auto& row : cells_)
    for (auto& c : row) c = Cell{};
  bump();
}

const std::string& TextGrid::cell(int row, int col) const {
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return empty_text;
  return cells_[row][col].text;
}

void TextGrid::set_cell(int row, int col, std::string_view text) {
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return;
  cells_[row][col].text.assign(text);
  bump();
}

int TextGrid::col_width(int col) const { return col >= 0 && col < cols_ ? widths_[col] : default_width; }
void TextGrid::set_col_width(int col, int width) {
  if (col >= 0 && col < cols_) widths_[col] = width;
  bump();
}
double TextGrid::col_width_factor(int col) const {
  return col >= 0 && col < cols_ ? width_factors_[col] : 1.0;
}
void TextGrid::set_col_width_factor(int col, double factor) {
  if (col >= 0 && col < cols_) width_factors_[col] = factor;
  bump();
}
int TextGrid::row_height_factor(int row) const { return row >= 0 && row < rows_ ? heights_[row] : 1; }
void TextGrid::set_row_height_factor(int row, int factor) {
  if (row >= 0 && row < rows_) heights_[row] = factor;
  bump();
}
bool TextGrid::bold(int row, int col) const {
  return row >= 0 && row < rows_ && col >= 0 && col < cols_ && cells_[row][col].bold;
}
void TextGrid::set_bold(int row, int col, bool on) {
  if (row >= 0 && row < rows_ && col >= 0 && col < cols_) cells_[row][col].bold = on;
  bump();
}

void TextGrid::sort_rows_numeric(int col, int first_row) {
  if (first_row >= rows_ || col < 0 || col >= cols_) return;
  std::vector<std::pair<double, int>> keys;
  keys.reserve(rows_ - first_row);
  for (int r = first_row; r < rows_; ++r) {
    const auto v = parse_plain_double(cells_[r][col].text);
    keys.emplace_back(v ? *v : -1e300, r);
  }
  std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::vector<Cell>> moved;
  std::vector<int> moved_heights;
  moved.reserve(keys.size());
  for (const auto& k : keys) {
    moved.push_back(std::move(cells_[k.second]));
    moved_heights.push_back(heights_[k.second]);
  }
  for (std::size_t i = 0; i < moved.size(); ++i) {
    cells_[first_row + i] = std::move(moved[i]);
    heights_[first_row + i] = moved_heights[i];
  }
  bump();
}

std::string sort_grid_by_date(TextGrid& grid, std::int16_t date_col, const DateFormat& format) {
  const int key = grid.cols();
  grid.set_cols(key + 1);
  grid.set_col_width(key, TextGrid::hidden);
  for (int r = 1; r < grid.rows(); ++r) {
    const auto day = parse_date(grid.cell(r, date_col), format);
    if (!day) {
      grid.set_cols(key);
      return "error";
    }
    grid.set_cell(r, key, std::to_string(*day));
  }
  grid.sort_rows_numeric(key, 1);
  grid.set_cols(key);
  return {};
}

}  // namespace ds
