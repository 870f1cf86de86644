#include "entry/ui/analysis_table_model.h"

#include <QBrush>
#include <QColor>

#include "entry/grid_layout.h"

namespace kolbex::entry {
namespace {

QVariant alignment(CellAlignment a) {
  switch (a) {
    case CellAlignment::centred: return QVariant(Qt::AlignCenter);
    case CellAlignment::right_top: return QVariant(Qt::AlignRight | Qt::AlignTop);
    case CellAlignment::left:
    case CellAlignment::grid_default: break;
  }
  return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
}

QString text_of(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

AnalysisTableModel::AnalysisTableModel(AnalysisTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table), known_rows_(table.R()), known_columns_(table.C()) {}

int AnalysisTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : known_rows_ - 1;
}

int AnalysisTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : known_columns_ - 1;
}

QVariant AnalysisTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row() + 1, column = index.column() + 1;
  if (role == Qt::DisplayRole) return text_of(table_.text(row, column));
  if (role == Qt::TextAlignmentRole) return alignment(analysis_column_layout(column).data);
  return {};
}

QVariant AnalysisTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) {
    if (role == Qt::DisplayRole) return text_of(table_.text(section + 1, 0));
    if (role == Qt::TextAlignmentRole) return alignment(analysis_column_layout(0).data);
    return {};
  }
  const int column = section + 1;
  const AnalysisColumnLayout layout = analysis_column_layout(column);
  if (role == Qt::DisplayRole) return text_of(table_.text(0, column));
  if (role == Qt::TextAlignmentRole) return alignment(layout.heading);
  if (role == Qt::BackgroundRole && layout.heading_background) {
    const Rgb c = *layout.heading_background;
    return QBrush(QColor(c.red, c.green, c.blue));
  }
  return {};
}

void AnalysisTableModel::cellChanged(CellPosition cell) {
  if (cell.row == 0 && cell.column >= 1) {
    emit headerDataChanged(Qt::Horizontal, cell.column - 1, cell.column - 1);
  } else if (cell.column == 0 && cell.row >= 1) {
    emit headerDataChanged(Qt::Vertical, cell.row - 1, cell.row - 1);
  } else if (cell.row >= 1 && cell.column >= 1) {
    const QModelIndex i = indexOf(cell);
    emit dataChanged(i, i, {Qt::DisplayRole});
  }
}

void AnalysisTableModel::tableChanged() {
  if (table_.R() != known_rows_ || table_.C() != known_columns_) {
    beginResetModel();
    known_rows_ = table_.R();
    known_columns_ = table_.C();
    endResetModel();
    return;
  }
  // The same shape: only texts changed, so selection and scrolling stay.
  emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
  emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
  emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

bool AnalysisTableModel::insertTableRow(int row) {
  if (row < 1 || row >= table_.R()) return false;
  beginInsertRows({}, row - 1, row - 1);
  table_.insert_row(row);
  known_rows_ = table_.R();
  endInsertRows();
  return true;
}

bool AnalysisTableModel::removeTableRow(int row) {
  if (table_.R() <= 2 || row < 1 || row >= table_.R()) return false;
  beginRemoveRows({}, row - 1, row - 1);
  table_.remove_row(row);
  known_rows_ = table_.R();
  endRemoveRows();
  return true;
}

}  // namespace kolbex::entry
