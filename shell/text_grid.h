#pragma once

#include <string>
#include <string_view>

namespace kolbex::shell {

struct CellPosition {
  int row = 0;
  int column = 0;
  bool operator==(const CellPosition&) const = default;
};

// A rectangle of text cells, rows 0 to R-1 and columns 0 to C-1, as both main windows edit it: a current
// cell, a selection end, and the selected block between the two in whatever order they lie. Its clip text
// lists the block's cells row by row, TAB between the cells of a row and CR between rows, nothing after
// the last cell.
class TextGrid {
 public:
  virtual ~TextGrid() = default;

  virtual int R() const = 0;
  virtual int C() const = 0;
  // The text of a cell; empty outside the grid. Setting a cell outside the grid does nothing.
  virtual std::string_view cell_text(int row, int column) const = 0;
  virtual void set_cell_text(int row, int column, std::string text) = 0;

  CellPosition current() const { return current_; }
  CellPosition selection_end() const { return selection_end_; }
  void set_current(CellPosition p) { current_ = p; }
  void set_selection_end(CellPosition p) { selection_end_ = p; }
  void select_block(CellPosition first, CellPosition last) {
    current_ = first;
    selection_end_ = last;
  }

  std::string read_clip_text() const;
  // Places a clip text into the selected block: lines end at CR LF, CR or LF, cells at TAB. Cell j of
  // line i goes to (top + i, left + j) inside the block and is dropped outside it; cells that no cell of
  // the text reaches keep their text. An empty text is one line holding one empty cell.
  void write_clip_text(std::string_view clip);
  // Empties every cell of the selected block.
  void clear_selected_block();

  // A character typed into the current cell: Backspace (8) removes its last character; any character
  // that is not a control code (C0, DEL, C1) and is a code point is appended (there is no caret). Other
  // codes, Enter and Tab among them, change nothing here: each grid moves on by its own rule.
  void edit_current_cell(char32_t code);

 protected:
  struct Block {
    int top, left, bottom, right;
  };
  Block selected_block() const;

  CellPosition current_;
  CellPosition selection_end_;
};

}  // namespace kolbex::shell
