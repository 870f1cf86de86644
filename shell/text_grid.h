#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kolbex::shell {

struct CellPosition {
  int row = 0;
  int column = 0;
  bool operator==(const CellPosition&) const = default;
};

// Every text of a grid and its shape, for the changes that move or drop cells: the texts row by row,
// joined, with where each ends.
struct GridContents {
  int rows = 0;
  int columns = 0;
  std::string texts;
  std::vector<std::uint32_t> ends;
  bool operator==(const GridContents&) const = default;
  std::string_view text(std::size_t i) const {
    const std::size_t start = i == 0 ? 0 : ends[i - 1];
    return std::string_view(texts).substr(start, ends[i] - start);
  }
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

  // Undo and redo. What changes between begin_change and end_change is one step: the cells that
  // changed, or the whole grid when its shape changed, with the selection before and after. Pairs may
  // nest; the outermost pair makes the step, and a pair that changed nothing makes none. Characters
  // typed one after another into the same cell make one step.
  void begin_change(bool typing = false);
  void end_change();
  bool can_undo() const { return !undo_.empty(); }
  bool can_redo() const { return !redo_.empty(); }
  bool undo();
  bool redo();
  // Names the grid's state as far as its steps go: equal revisions mean equal texts (a step undone
  // and done again keeps its name; a new step gets a new one).
  std::uint64_t revision() const { return undo_.empty() ? oldest_dropped_ : undo_.back().id; }

  // A change, undoable as one step, for as long as the object lives.
  class Change {
   public:
    explicit Change(TextGrid& grid, bool typing = false) : grid_(grid) { grid_.begin_change(typing); }
    ~Change() { grid_.end_change(); }
    Change(const Change&) = delete;
    Change& operator=(const Change&) = delete;

   private:
    TextGrid& grid_;
  };

 protected:
  // Every grid calls these before it changes a cell's text, and before it moves, adds or drops cells
  // (the second must be overridden with restore by a grid that does so).
  void cell_changing(int row, int column);
  void shape_changing();
  // Makes the grid hold `contents`, shape included.
  virtual void restore(const GridContents&) {}
  GridContents contents() const;

 private:
  struct CellEdit {
    int row, column;
    std::string before, after;
  };
  struct Step {
    std::uint64_t id = 0;
    std::vector<CellEdit> cells;
    std::optional<GridContents> before, after;
    CellPosition current_before, end_before, current_after, end_after;
    bool typing = false;
  };
  void apply(const Step& step, bool forward);
  bool move_step(std::vector<Step>& from, std::vector<Step>& to, bool forward);

  int change_depth_ = 0;
  std::optional<Step> open_;
  std::unordered_map<std::uint64_t, std::size_t> open_cells_;  // cell -> its place in open_->cells
  std::vector<Step> undo_, redo_;
  std::uint64_t next_id_ = 1;
  std::uint64_t oldest_dropped_ = 0;  // the step last dropped for the limit: the state below the oldest

 protected:
  struct Block {
    int top, left, bottom, right;
  };
  Block selected_block() const;

  CellPosition current_;
  CellPosition selection_end_;
};

}  // namespace kolbex::shell
