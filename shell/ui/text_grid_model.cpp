#include "shell/ui/text_grid_model.h"

#include "shell/ui/qt_text.h"

namespace kolbex::shell {

TextGridModel::TextGridModel(TextGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), known_rows_(grid.R()), known_columns_(grid.C()), grid_(grid) {}

int TextGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : known_rows_ - 1;
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : known_columns_ - 1;
}

QString TextGridModel::cellText(int row, int column) const { return qt_text(grid_.cell_text(row, column)); }

void TextGridModel::cellChanged(CellPosition cell) {
  if (cell.row == 0 && cell.column >= 1) {
    emit headerDataChanged(Qt::Horizontal, cell.column - 1, cell.column - 1);
  } else if (cell.column == 0 && cell.row >= 1) {
    emit headerDataChanged(Qt::Vertical, cell.row - 1, cell.row - 1);
  } else if (cell.row >= 1 && cell.column >= 1) {
    const QModelIndex i = indexOf(cell);
    emit dataChanged(i, i, {Qt::DisplayRole});
  }
}

void TextGridModel::tableChanged() {
  if (grid_.R() != known_rows_ || grid_.C() != known_columns_) {
    beginResetModel();
    known_rows_ = grid_.R();
    known_columns_ = grid_.C();
    endResetModel();
    return;
  }
  // The same shape: only texts changed, so selection and scrolling stay.
  if (rowCount() > 0 && columnCount() > 0)
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
  emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
  if (rowCount() > 0) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

bool TextGridModel::undo() {
  if (!grid_.undo()) return false;
  tableChanged();
  emit selectionRestored();
  return true;
}

bool TextGridModel::redo() {
  if (!grid_.redo()) return false;
  tableChanged();
  emit selectionRestored();
  return true;
}

void TextGridModel::rowsAppended() {
  if (grid_.R() <= known_rows_) return;
  beginInsertRows({}, known_rows_ - 1, grid_.R() - 2);
  known_rows_ = grid_.R();
  endInsertRows();
}

}  // namespace kolbex::shell
