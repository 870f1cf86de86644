#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "results/run_context.h"
#include "shell/text_grid.h"

namespace kolbex::results {

// The results table: two header rows, then one row per analysis in the order the runs appended them,
// 188 columns. Each row is held as one text of its fields joined by TAB (187 tabs, none at either end, no
// line end); the cells can be edited like the analysis table's, and an edited text is what the row then
// holds.
class ResultsTable : public shell::TextGrid {
 public:
  ResultsTable();

  // Formats the analysis of the working context into a results row and appends it.
  void append(const RunContext& analysis);

  int R() const override { return static_cast<int>(rows_.size()); }
  int C() const override;
  std::string_view cell_text(int row, int column) const override;
  void set_cell_text(int row, int column, std::string text) override;

  std::size_t row_count() const { return rows_.size(); }
  std::size_t result_count() const { return rows_.size() - 2; }
  // Row r's fields joined by TAB.
  std::string_view row_text(std::size_t row) const { return rows_[row].text; }

  // A character typed into the table: Enter (13) and Tab (9) move one row down in the same column, from
  // the last row to (1, 0); Backspace and characters edit the current cell.
  void type_character(char32_t code);

 private:
  struct Row {
    std::string text;
    std::vector<std::uint32_t> starts;  // where each field starts, and one past the end of the last + 1
  };
  void add_row(std::string text);
  std::vector<Row> rows_;
};

// Row 0: "K o l b e x", then the column numbers "1" to "187". Row 1: the headings.
std::string header_row_numbers();
std::string header_row_headings();

// Appends the 188 fields of the analysis, joined by TAB, to `out`.
void format_results_row(const RunContext& analysis, std::string& out);

}  // namespace kolbex::results
