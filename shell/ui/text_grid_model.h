#pragma once

#include <QAbstractTableModel>

#include "shell/text_grid.h"

namespace kolbex::shell {

// A text grid as a Qt table model. Row 0 of the grid is the horizontal header and column 0 the vertical
// header, so both stay in place while a view scrolls, yet they are texts of the grid like any other; the
// model's rows are the grid's rows from 1 on, its columns from 1 on. The views learn of changes through
// cellChanged, tableChanged and rowsAppended.
class TextGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit TextGridModel(TextGrid& grid, QObject* parent = nullptr);

  TextGrid& grid() { return grid_; }
  const TextGrid& grid() const { return grid_; }
  // The grid's own rule for a typed character (how Enter and Tab move differs between the grids).
  virtual void typeCharacter(char32_t code) = 0;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;

  QModelIndex indexOf(CellPosition cell) const { return index(cell.row - 1, cell.column - 1); }
  QString cellText(int row, int column) const;

  // One cell changed (a heading or row number included).
  void cellChanged(CellPosition cell);
  // Anything may have changed, the grid's shape included.
  void tableChanged();
  // Rows were added at the end of the grid.
  void rowsAppended();
  // The grid's last change undone or done again; the views are told and show the selection it had.
  bool undo();
  bool redo();

 signals:
  // After an undo or redo: the views show the grid's selection.
  void selectionRestored();

 protected:
  // The grid's shape the views know; the derived models change it inside begin/end calls of their own.
  int known_rows_, known_columns_;

 private:
  TextGrid& grid_;
};

// Calls `changed` of `receiver` after every change `model` reports: cells, headings, rows, or the whole
// table (for the enabled state of Undo and Redo).
template <class Receiver>
void on_every_change(const QAbstractItemModel* model, Receiver* receiver, void (Receiver::*changed)()) {
  QObject::connect(model, &QAbstractItemModel::modelReset, receiver, changed);
  QObject::connect(model, &QAbstractItemModel::rowsInserted, receiver, changed);
  QObject::connect(model, &QAbstractItemModel::rowsRemoved, receiver, changed);
  QObject::connect(model, &QAbstractItemModel::dataChanged, receiver, changed);
  QObject::connect(model, &QAbstractItemModel::headerDataChanged, receiver, changed);
}

}  // namespace kolbex::shell
