#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "engine/analysis_columns.h"
#include "engine/analysis_record.h"
#include "shell/text_grid.h"

namespace kolbex::entry {

using shell::CellPosition;

// The analysis table: a rectangle of text cells, rows 0 to R-1 and columns 0 to C-1. Row 0 holds the
// headings and column 0 the row numbers; both are ordinary texts. Rows 1 to R-1 hold analyses. The
// selected block is the rectangle between the current cell and the selection end, in whatever order
// they lie.
class AnalysisTable : public shell::TextGrid, public engine::CellSource {
 public:
  static constexpr int layout_rows = 301;  // the heading row and 300 analysis rows

  // An empty table laid out by capCell.
  AnalysisTable();
  // An empty table with `analysis_rows` analysis rows, headings and row numbers written.
  explicit AnalysisTable(int analysis_rows);

  int R() const override { return rows_; }
  int C() const override { return columns_; }

  std::string_view cell(int row, int column) const override;
  std::string_view cell_text(int row, int column) const override { return text(row, column); }
  void set_cell_text(int row, int column, std::string text) override {
    set_text(row, column, std::move(text));
  }
  const std::string& text(int row, int column) const;
  void set_text(int row, int column, std::string text);

  // Lays out the table: 65 columns and 301 rows, the row numbers "1" to "300" in column 0, the headings
  // in row 0. Analysis cells keep their texts (a row beyond 300 is dropped). The current cell is left at
  // the heading of the last column.
  void capCell();

  // Empties every cell, headings and row numbers included.
  void clear();
  // R becomes `rows` (at least 1): rows beyond it are dropped, new rows are empty.
  void set_row_count(int rows) { resize_rows(std::max(rows, 1)); }

  // Inserts a row of empty cells (its row-number cell included) as row `row`, moving that row and the
  // rows below it down by one; R grows by one. Only an analysis row can be the place. Row numbers are
  // not rewritten.
  bool insert_row(int row);
  bool can_insert_row(int row) const { return row >= 1 && row < rows_; }
  // Removes analysis row `row` while the table has at least two analysis rows; the rows below move up
  // and R shrinks by one. The current cell and selection end stay inside the table.
  bool remove_row(int row);
  bool can_remove_row(int row) const { return rows_ > 2 && row >= 1 && row < rows_; }

  // A character typed into the table, by its code. Enter (13) and Tab (9) move on: one column to the
  // right, or from the last column to column 0 of the next row (of row 1 after the last row). Backspace
  // and characters edit the current cell (TextGrid::edit_current_cell).
  void type_character(char32_t code);

 protected:
  void restore(const shell::GridContents& contents) override;

 private:
  void resize_rows(int rows);
  std::size_t index(int row, int column) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(column);
  }
  bool inside(int row, int column) const {
    return row >= 0 && row < rows_ && column >= 0 && column < columns_;
  }

  int rows_ = 0;
  int columns_ = engine::analysis_column_count;
  std::vector<std::string> cells_;
};

}  // namespace kolbex::entry
