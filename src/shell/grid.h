#pragma once
// A grid of text cells, addressed by row and column from 0. The windows show it
// through one table-model adaptor; the core reads and writes it directly.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ds {

class TextGrid {
 public:
  static constexpr int default_width = -1;  // column width: the view's default
  static constexpr int hidden = 0;          // column width: invisible

  TextGrid() = default;
  TextGrid(int rows, int cols) { resize(rows, cols); }

  int rows() const { return rows_; }
  int cols() const { return cols_; }
  // Changes the size, keeping the cells that stay inside it.
  void resize(int rows, int cols);
  void set_rows(int rows) { resize(rows, cols_); }
  void set_cols(int cols) { resize(rows_, cols); }
  int append_row();    // returns the new row's index
  void clear_cells();  // every cell empty, size kept

  // Out-of-range reads give an empty text; out-of-range writes are ignored.
  const std::string& cell(int row, int col) const;
  void set_cell(int row, int col, std::string_view text);

  int col_width(int col) const;  // default_width, hidden (0) or a width in pixels
  void set_col_width(int col, int width);
  // Multiplies the view's default width (0.5 = half width); 1 when not set.
  double col_width_factor(int col) const;
  void set_col_width_factor(int col, double factor);
  int row_height_factor(int row) const;  // multiples of the default row height
  void set_row_height_factor(int row, int factor);
  bool bold(int row, int col) const;
  void set_bold(int row, int col, bool on);

  int fixed_rows = 1;
  int fixed_cols = 0;

  // Moves whole rows from `first_row` on so that the numbers in `col` ascend.
  // The sort is stable; a cell that is no number sorts first.
  void sort_rows_numeric(int col, int first_row = 1);

  // Changes on every change, unique across grids (so also across a grid
  // assigned over another), so a view can tell that it must refresh.
  std::uint64_t revision() const { return revision_; }

 private:
  void bump();
  struct Cell {
    std::string text;
    bool bold = false;
  };
  int rows_ = 0;
  int cols_ = 0;
  std::vector<std::vector<Cell>> cells_;
  std::vector<int> widths_;
  std::vector<double> width_factors_;
  std::vector<int> heights_;
  std::uint64_t revision_ = 0;
};

// Sorts data rows 1..last of `grid` oldest first by the date in `date_col`.
// Returns "" on success and "error" when some row's cell is empty or no date;
// then the rows and the column count stay as they were.
struct DateFormat;
[[nodiscard]] std::string sort_grid_by_date(TextGrid& grid, std::int16_t date_col, const DateFormat& format);

// The grids of choices made in other windows that a window's core function
// reads: the draws of the chosen lotto and the rows of the chosen targeted set,
// null when that choice is not made. Read-only views, lent by their windows.
struct ChosenGrids {
  const TextGrid* draws = nullptr;
  const TextGrid* sets = nullptr;
};

}  // namespace ds
