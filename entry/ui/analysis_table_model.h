#pragma once

#include <QAbstractTableModel>

#include "entry/analysis_table.h"

namespace kolbex::entry {

// The analysis table as a grid. Row 0 (the headings) is the horizontal header and column 0 (the row
// numbers) the vertical header, so they stay in place while the grid scrolls; yet they are texts of the
// table like any other. The model's rows are the table's rows from 1 on, its columns 1 to 64.
class AnalysisTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit AnalysisTableModel(AnalysisTable& table, QObject* parent = nullptr);

  AnalysisTable& table() { return table_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Table cell (row, column) of a model index, and back.
  QModelIndex indexOf(CellPosition cell) const { return index(cell.row - 1, cell.column - 1); }

  // The views learn of a change: one cell (a heading or row number included), or anything (a change of
  // R after capCell included).
  void cellChanged(CellPosition cell);
  void tableChanged();
  // Insert Row and Remove Row through the model, so the views follow row by row.
  bool insertTableRow(int row);
  bool removeTableRow(int row);

 private:
  AnalysisTable& table_;
  int known_rows_, known_columns_;  // the shape the views know
};

}  // namespace kolbex::entry
