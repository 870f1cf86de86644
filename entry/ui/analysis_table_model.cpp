#include "entry/ui/analysis_table_model.h"

#include <QBrush>
#include <QColor>

#include "engine/analysis_columns.h"
#include "shell/ui/grid_view.h"
#include "shell/ui/qt_text.h"

namespace kolbex::entry {
namespace {

QVariant alignment(engine::CellAlignment a) {
  switch (a) {
    case engine::CellAlignment::centred: return QVariant(Qt::AlignCenter);
    case engine::CellAlignment::right_top: return QVariant(Qt::AlignRight | Qt::AlignTop);
    case engine::CellAlignment::left:
    case engine::CellAlignment::grid_default: break;
  }
  return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
}

const engine::AnalysisColumn& column_of(int column) {
  return engine::analysis_columns[static_cast<std::size_t>(column)];
}

}  // namespace

AnalysisTableModel::AnalysisTableModel(AnalysisTable& table, QObject* parent)
    : shell::TextGridModel(table, parent), table_(table) {}

QVariant AnalysisTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row() + 1, column = index.column() + 1;
  if (role == Qt::DisplayRole) return shell::qt_text(table_.text(row, column));
  if (role == Qt::TextAlignmentRole) return alignment(column_of(column).data);
  return {};
}

QVariant AnalysisTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) {
    if (role == Qt::DisplayRole) return shell::qt_text(table_.text(section + 1, 0));
    if (role == Qt::TextAlignmentRole) return alignment(column_of(0).data);
    return {};
  }
  const int column = section + 1;
  const engine::AnalysisColumn& layout = column_of(column);
  const std::optional<engine::Rgb> colour = engine::block_colour(layout.block);
  if (role == Qt::DisplayRole) return shell::qt_text(table_.text(0, column));
  if (role == Qt::TextAlignmentRole) return alignment(layout.heading_alignment);
  if ((role == Qt::BackgroundRole || role == Qt::ForegroundRole) && colour) {
    const engine::Rgb c = *colour;
    const QColor background(c.red, c.green, c.blue);
    return QBrush(role == Qt::BackgroundRole ? background : shell::readable_text_on(background));
  }
  return {};
}

bool AnalysisTableModel::insertTableRow(int row) {
  if (!table_.can_insert_row(row)) return false;
  beginInsertRows({}, row - 1, row - 1);
  table_.insert_row(row);
  known_rows_ = table_.R();
  endInsertRows();
  return true;
}

bool AnalysisTableModel::removeTableRow(int row) {
  if (!table_.can_remove_row(row)) return false;
  beginRemoveRows({}, row - 1, row - 1);
  table_.remove_row(row);
  known_rows_ = table_.R();
  endRemoveRows();
  return true;
}

}  // namespace kolbex::entry
