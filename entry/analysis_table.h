#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/analysis_record.h"

namespace kolbex::entry {

struct CellPosition {
  int row = 0;
  int column = 0;
  bool operator==(const CellPosition&) const = default;
};

// The analysis table: a rectangle of text cells, rows 0 to R-1 and columns 0 to C-1. Row 0 holds the
// headings and column 0 the row numbers; both are ordinary texts. Rows 1 to R-1 hold analyses. The
// selected block is the rectangle between the current cell and the selection end, in whatever order
// they lie.
class AnalysisTable : public engine::CellSource {
 public:
  static constexpr int layout_rows = 301;  // the heading row and 300 analysis rows

  // An empty table laid out by capCell.
  AnalysisTable();
  // An empty table with `analysis_rows` analysis rows, headings and row numbers written.
  explicit AnalysisTable(int analysis_rows);

  int R() const { return rows_; }
  int C() const { return columns_; }

  std::string_view cell(int row, int column) const override;
  const std::string& text(int row, int column) const;
  void set_text(int row, int column, std::string text);

  CellPosition current() const { return current_; }
  CellPosition selection_end() const { return selection_end_; }
  void set_current(CellPosition p) { current_ = p; }
  void set_selection_end(CellPosition p) { selection_end_ = p; }
  void select_block(CellPosition first, CellPosition last) {
    current_ = first;
    selection_end_ = last;
  }

  // Lays out the table: 65 columns and 301 rows, the row numbers "1" to "300" in column 0, the headings
  // in row 0. Analysis cells keep their texts (a row beyond 300 is dropped). The current cell is left at
  // the heading of the last column.
  void capCell();

  // Empties every cell, headings and row numbers included.
  void clear();
  // Empties every cell of the selected block.
  void clear_selected_block();

  // Inserts a row of empty cells (its row-number cell included) as row `row`, moving that row and the
  // rows below it down by one; R grows by one. Only an analysis row can be the place. Row numbers are
  // not rewritten.
  bool insert_row(int row);
  // Removes analysis row `row` while the table has at least two analysis rows; the rows below move up
  // and R shrinks by one. The current cell and selection end stay inside the table.
  bool remove_row(int row);

  // A character typed into the table, by its code. Enter (13) and Tab (9) move on: one column to the
  // right, or from the last column to column 0 of the next row (of row 1 after the last row).
  // Backspace (8) removes the last character of the current cell. Other control codes (below 32, DEL
  // and the C1 controls, which no printable key produces) change nothing. Every other character is
  // appended to the current cell: there is no caret.
  void type_character(char32_t code);

  // The clip text of the selected block: TAB between the cells of a row, CR between rows, nothing
  // after the last cell.
  std::string read_clip_text() const;

  // Places a clip text into the selected block: lines end at CR LF, CR or LF, cells at TAB. Cell j of
  // line i goes to (top + i, left + j) inside the block and is dropped outside it; cells that no cell of
  // the text reaches keep their text. An empty text is one line holding one empty cell.
  void write_clip_text(std::string_view clip);

 private:
  struct Block {
    int top, left, bottom, right;
  };
  Block selected_block() const;
  void resize_rows(int rows);
  std::size_t index(int row, int column) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(column);
  }
  bool inside(int row, int column) const {
    return row >= 0 && row < rows_ && column >= 0 && column < columns_;
  }

  int rows_ = 0;
  int columns_ = engine::analysis_columns;
  std::vector<std::string> cells_;
  CellPosition current_;
  CellPosition selection_end_;
};

}  // namespace kolbex::entry
