#include "results/ui/results_table_model.h"

#include <QBrush>
#include <QColor>

#include "results/results_columns.h"

namespace kolbex::results {

ResultsTableModel::ResultsTableModel(const ResultsTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {
  for (std::size_t r = 0; r < table_.rows().size(); ++r) index_row(r);
  rows_ = static_cast<int>(table_.rows().size());
}

void ResultsTableModel::index_row(std::size_t row) {
  const std::string& text = table_.rows()[row];
  std::vector<std::uint32_t> starts{0};
  starts.reserve(results_column_count + 1);
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\t') starts.push_back(static_cast<std::uint32_t>(i + 1));
  starts.push_back(static_cast<std::uint32_t>(text.size() + 1));  // one past the end of the last field
  field_starts_.push_back(std::move(starts));
}

void ResultsTableModel::rowsAppended() {
  const int total = static_cast<int>(table_.rows().size());
  if (total <= rows_) return;
  beginInsertRows({}, rows_ - 1, total - 2);
  for (int r = rows_; r < total; ++r) index_row(static_cast<std::size_t>(r));
  rows_ = total;
  endInsertRows();
}

QString ResultsTableModel::cellText(int row, int column) const {
  if (row < 0 || row >= rows_ || column < 0) return {};
  const auto& starts = field_starts_[static_cast<std::size_t>(row)];
  if (static_cast<std::size_t>(column) + 1 >= starts.size()) return {};
  const std::string& text = table_.rows()[static_cast<std::size_t>(row)];
  const std::uint32_t first = starts[static_cast<std::size_t>(column)];
  const std::uint32_t last = starts[static_cast<std::size_t>(column) + 1] - 1;
  return QString::fromUtf8(text.data() + first, static_cast<qsizetype>(last - first));
}

int ResultsTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_ - 1; }

int ResultsTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : results_column_count - 1;
}

QVariant ResultsTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row() + 1, column = index.column() + 1;
  switch (role) {
    case Qt::DisplayRole: return cellText(row, column);
    case Qt::TextAlignmentRole:
      // Headings are centred, those of 11 to 13 right and top; data centred but in the separators.
      if (row == 1)
        return column >= 11 && column <= 13 ? QVariant(Qt::AlignRight | Qt::AlignTop)
                                            : QVariant(Qt::AlignCenter);
      return results_columns[static_cast<std::size_t>(column)].format == Format::none
                 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                 : QVariant(Qt::AlignCenter);
    case Qt::BackgroundRole:
      if (row == 1)
        if (const auto colour = results_heading_colour(column))
          return QBrush(QColor(colour->red, colour->green, colour->blue));
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
