#pragma once
// Shows a core TextGrid without copying its cells into widgets.
#include <QAbstractTableModel>
#include <QTableView>

#include "shell/grid.h"

namespace ds::ui {

// The model reads the grid on demand. With `header_row` set, grid row 0 is the
// view's column header and view row i is grid row i + 1; otherwise every grid
// row is a view row and the fixed rows and columns are drawn as headers.
class GridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  GridModel(TextGrid* grid, bool header_row, QObject* parent = nullptr);
  TextGrid* grid() const { return grid_; }
  bool header_row() const { return header_row_; }
  int grid_row(int view_row) const { return header_row_ ? view_row + 1 : view_row; }
  int view_row(int grid_row) const { return header_row_ ? grid_row - 1 : grid_row; }
  // Tells the views that the grid changed (cheap when it did not).
  void refresh();
  // Headings looked up first in this translation context (a window's own words for a
  // grid whose headings read as one phrase), then among the core's texts.
  void set_heading_context(const char* context) { heading_context_ = context; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QString heading(const std::string& cell) const;

  TextGrid* grid_;
  bool header_row_;
  const char* heading_context_ = nullptr;
  std::uint64_t seen_revision_ = ~std::uint64_t{0};
};

// A read-only table view over a GridModel that applies the grid's column
// widths (0 hides a column), width factors and row heights.
class GridView : public QTableView {
  Q_OBJECT
 public:
  GridView(TextGrid* grid, bool header_row, QWidget* parent = nullptr);
  GridModel* grid_model() const { return model_; }
  // Refreshes the model and the column and row sizes.
  void refresh();
  // The grid row of the current cell, or -1.
  int current_grid_row() const;
  void select_grid_row(int grid_row);

 signals:
  // The user chose a grid row (click or keyboard).
  void grid_row_chosen(int grid_row);

 private:
  GridModel* model_;
};

}  // namespace ds::ui
