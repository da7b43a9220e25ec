#include "shell/ui/grid_view.h"

#include <QBrush>
#include <QCoreApplication>
#include <QFont>
#include <QHeaderView>
#include <QPalette>

#include "shell/ui/translation.h"

namespace ds::ui {

GridModel::GridModel(TextGrid* grid, bool header_row, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), header_row_(header_row) {}

void GridModel::refresh() {
  if (grid_->revision() == seen_revision_) return;
  beginResetModel();
  seen_revision_ = grid_->revision();
  endResetModel();
}

int GridModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return header_row_ ? std::max(grid_->rows() - 1, 0) : grid_->rows();
}

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_->cols(); }

QString GridModel::heading(const std::string& cell) const {
  if (heading_context_ && !cell.empty()) {
    const QString own = QCoreApplication::translate(heading_context_, cell.c_str());
    if (own != QString::fromStdString(cell)) return own;
  }
  return tr_text(ds::Text(cell));
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int r = grid_row(index.row());
  const int c = index.column();
  const bool fixed = !header_row_ && (r < grid_->fixed_rows || c < grid_->fixed_cols);
  switch (role) {
    case Qt::DisplayRole:
      // Headings (the fixed cells) in the user's language; the data as it is.
      if (fixed) return heading(grid_->cell(r, c));
      return QString::fromStdString(grid_->cell(r, c));
    case Qt::FontRole:
      if (grid_->bold(r, c) || fixed) {
        QFont f;
        f.setBold(true);
        return f;
      }
      return {};
    case Qt::BackgroundRole:
      if (fixed) return QBrush(QPalette().color(QPalette::Button));
      return {};
    case Qt::TextAlignmentRole:
      return QVariant(Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignHCenter));
    default:
      return {};
  }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role == Qt::FontRole && orientation == Qt::Horizontal && header_row_ && grid_->bold(0, section)) {
    QFont f;
    f.setBold(true);
    return f;
  }
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal && header_row_) return heading(grid_->cell(0, section));
  if (orientation == Qt::Vertical) return section + 1;
  return {};
}

GridView::GridView(TextGrid* grid, bool header_row, QWidget* parent) : QTableView(parent) {
  model_ = new GridModel(grid, header_row, this);
  setModel(model_);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  // Rows are chosen with the arrows; Tab goes on to the next control.
  setTabKeyNavigation(false);
  setAlternatingRowColors(true);
  verticalHeader()->setVisible(false);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
  horizontalHeader()->setVisible(header_row);
  horizontalHeader()->setHighlightSections(false);
  connect(this, &QTableView::clicked, this,
          [this](const QModelIndex& i) { emit grid_row_chosen(model_->grid_row(i.row())); });
  connect(this, &QTableView::activated, this,
          [this](const QModelIndex& i) { emit grid_row_chosen(model_->grid_row(i.row())); });
  refresh();
}

void GridView::refresh() {
  model_->refresh();
  const TextGrid& g = *model_->grid();
  const int base = horizontalHeader()->defaultSectionSize();
  for (int c = 0; c < g.cols(); ++c) {
    const int w = g.col_width(c);
    setColumnHidden(c, w == TextGrid::hidden);
    if (w > 0)
      setColumnWidth(c, w);
    else if (w == TextGrid::default_width)
      setColumnWidth(c, static_cast<int>(base * g.col_width_factor(c)));
  }
  if (!model_->header_row()) {
    const int h = verticalHeader()->defaultSectionSize();
    for (int r = 0; r < g.rows(); ++r) {
      const int f = g.row_height_factor(r);
      setRowHeight(r, h * f);
    }
  }
}

int GridView::current_grid_row() const {
  const QModelIndex i = currentIndex();
  return i.isValid() ? model_->grid_row(i.row()) : -1;
}

void GridView::select_grid_row(int grid_row) {
  const int v = model_->view_row(grid_row);
  if (v < 0 || v >= model_->rowCount()) return;
  const QModelIndex i = model_->index(v, 0);
  setCurrentIndex(i);
  scrollTo(i);
}

}  // namespace ds::ui
