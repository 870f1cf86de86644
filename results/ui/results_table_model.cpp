#include "results/ui/results_table_model.h"

#include <QBrush>
#include <QColor>

#include "results/results_columns.h"
#include "shell/ui/grid_view.h"

namespace kolbex::results {

ResultsTableModel::ResultsTableModel(ResultsTable& table, QObject* parent)
    : shell::TextGridModel(table, parent), table_(table) {}

QVariant ResultsTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row() + 1, column = index.column() + 1;
  switch (role) {
    case Qt::DisplayRole: return cellText(row, column);
    case Qt::TextAlignmentRole:
      // Headings as their column has them; data centred but in the separators.
      if (row == 1)
        return results_columns[static_cast<std::size_t>(column)].heading_alignment ==
                       engine::CellAlignment::right_top
                   ? QVariant(Qt::AlignRight | Qt::AlignTop)
                   : QVariant(Qt::AlignCenter);
      return results_columns[static_cast<std::size_t>(column)].format == Format::none
                 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                 : QVariant(Qt::AlignCenter);
    case Qt::BackgroundRole:
    case Qt::ForegroundRole:
      if (row == 1)
        if (const auto colour = results_heading_colour(column)) {
          const QColor background(colour->red, colour->green, colour->blue);
          return QBrush(role == Qt::BackgroundRole ? background : shell::readable_text_on(background));
        }
      return {};
    default: return {};
  }
}

QVariant ResultsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal) {
    if (role == Qt::DisplayRole) return cellText(0, section + 1);
    if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignCenter);
    return {};
  }
  if (role == Qt::DisplayRole) return cellText(section + 1, 0);
  if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}

}  // namespace kolbex::results
