#include "entry/analysis_table.h"

#include <algorithm>

namespace kolbex::entry {
namespace {

const std::string empty_text;

}  // namespace

AnalysisTable::AnalysisTable() : AnalysisTable(layout_rows - 1) {
  current_ = {0, columns_ - 1};
  selection_end_ = current_;
}

AnalysisTable::AnalysisTable(int analysis_rows) {
  resize_rows(std::max(analysis_rows, 0) + 1);
  for (int c = 0; c < columns_; ++c) cells_[index(0, c)] = engine::analysis_headings[c];
  for (int r = 1; r < rows_; ++r) cells_[index(r, 0)] = std::to_string(r);
}

void AnalysisTable::resize_rows(int rows) {
  if (rows != rows_) shape_changing();
  rows_ = rows;
  cells_.resize(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_));
}

std::string_view AnalysisTable::cell(int row, int column) const { return text(row, column); }

const std::string& AnalysisTable::text(int row, int column) const {
  return inside(row, column) ? cells_[index(row, column)] : empty_text;
}

void AnalysisTable::set_text(int row, int column, std::string text) {
  if (!inside(row, column)) return;
  cell_changing(row, column);
  cells_[index(row, column)] = std::move(text);
}

void AnalysisTable::restore(const shell::GridContents& contents) {
  rows_ = contents.rows;
  columns_ = contents.columns;
  cells_.assign(contents.ends.size(), std::string());
  for (std::size_t i = 0; i < cells_.size(); ++i) cells_[i] = contents.text(i);
}

void AnalysisTable::capCell() {
  shape_changing();
  columns_ = engine::analysis_column_count;
  resize_rows(layout_rows);
  for (int r = 1; r < rows_; ++r) cells_[index(r, 0)] = std::to_string(r);
  for (int c = 0; c < columns_; ++c) {
    current_ = {0, c};
    cells_[index(0, c)] = engine::analysis_headings[c];
  }
  selection_end_ = current_;
}

void AnalysisTable::clear() {
  shape_changing();
  for (std::string& s : cells_) s.clear();
}

bool AnalysisTable::insert_row(int row) {
  if (!can_insert_row(row)) return false;
  shape_changing();
  cells_.insert(cells_.begin() + static_cast<std::ptrdiff_t>(index(row, 0)),
                static_cast<std::size_t>(columns_), std::string());
  ++rows_;
  return true;
}

bool AnalysisTable::remove_row(int row) {
  if (!can_remove_row(row)) return false;
  shape_changing();
  const auto first = cells_.begin() + static_cast<std::ptrdiff_t>(index(row, 0));
  cells_.erase(first, first + columns_);
  --rows_;
  current_.row = std::min(current_.row, rows_ - 1);
  selection_end_.row = std::min(selection_end_.row, rows_ - 1);
  return true;
}

void AnalysisTable::type_character(char32_t code) {
  if (code == 13 || code == 9) {
    if (current_.column + 1 <= columns_ - 1) {
      ++current_.column;
    } else {
      current_.row = current_.row == rows_ - 1 ? 1 : current_.row + 1;
      current_.column = 0;
    }
    selection_end_ = current_;
  } else {
    edit_current_cell(code);
  }
}

}  // namespace kolbex::entry
