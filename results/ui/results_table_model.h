#pragma once

#include <QAbstractTableModel>

#include <cstdint>
#include <vector>

#include "results/results_table.h"

namespace kolbex::results {

// The results table as a grid. Row 0 (the column numbers) is the horizontal header and column 0 (the
// sample names, "Sample" in row 1) the vertical header, so both stay in place while the grid scrolls;
// the model's rows are the table's rows from 1 on, its columns 1 to 187.
class ResultsTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit ResultsTableModel(const ResultsTable& table, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The text of table cell (row, column), row 0 and column 0 included.
  QString cellText(int row, int column) const;

  // Tells the views about the rows the table has gained since the last call.
  void rowsAppended();

 private:
  void index_row(std::size_t row);

  const ResultsTable& table_;
  std::vector<std::vector<std::uint32_t>> field_starts_;  // per row, where each of its fields starts
  int rows_ = 0;                                          // table rows the views know of
};

}  // namespace kolbex::results
