#include "entry/analysis_table.h"

#include <algorithm>

#include "engine/text_encoding.h"

namespace kolbex::entry {
namespace {

const std::string empty_text;

// A character a key puts into a cell: not a control code (C0, DEL, C1), not a lone surrogate, and a
// Unicode code point at all.
bool is_typed_character(char32_t code) {
  return code >= 32 && !(code >= 0x7F && code <= 0x9F) && !(code >= 0xD800 && code <= 0xDFFF) &&
         code <= 0x10FFFF;
}

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
  rows_ = rows;
  cells_.resize(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_));
}

std::string_view AnalysisTable::cell(int row, int column) const { return text(row, column); }

const std::string& AnalysisTable::text(int row, int column) const {
  return inside(row, column) ? cells_[index(row, column)] : empty_text;
}

void AnalysisTable::set_text(int row, int column, std::string text) {
  if (inside(row, column)) cells_[index(row, column)] = std::move(text);
}

void AnalysisTable::capCell() {
  columns_ = engine::analysis_columns;
  resize_rows(layout_rows);
  for (int r = 1; r < rows_; ++r) cells_[index(r, 0)] = std::to_string(r);
  for (int c = 0; c < columns_; ++c) {
    current_ = {0, c};
    cells_[index(0, c)] = engine::analysis_headings[c];
  }
  selection_end_ = current_;
}

AnalysisTable::Block AnalysisTable::selected_block() const {
  return {std::min(current_.row, selection_end_.row), std::min(current_.column, selection_end_.column),
          std::max(current_.row, selection_end_.row), std::max(current_.column, selection_end_.column)};
}

void AnalysisTable::clear() {
  for (std::string& s : cells_) s.clear();
}

void AnalysisTable::clear_selected_block() {
  const auto [top, left, bottom, right] = selected_block();
  for (int r = std::max(top, 0); r <= bottom && r < rows_; ++r)
    for (int c = std::max(left, 0); c <= right && c < columns_; ++c) cells_[index(r, c)].clear();
}

bool AnalysisTable::insert_row(int row) {
  if (row < 1 || row >= rows_) return false;
  cells_.insert(cells_.begin() + static_cast<std::ptrdiff_t>(index(row, 0)),
                static_cast<std::size_t>(columns_), std::string());
  ++rows_;
  return true;
}

bool AnalysisTable::remove_row(int row) {
  if (rows_ <= 2 || row < 1 || row >= rows_) return false;
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
  } else if (code == 8) {
    if (inside(current_.row, current_.column))
      engine::remove_last_character(cells_[index(current_.row, current_.column)]);
  } else if (is_typed_character(code)) {
    if (inside(current_.row, current_.column))
      engine::append_utf8(cells_[index(current_.row, current_.column)], code);
  }
}

std::string AnalysisTable::read_clip_text() const {
  const auto [top, left, bottom, right] = selected_block();
  std::string clip;
  for (int r = top; r <= bottom; ++r) {
    if (r != top) clip += '\r';
    for (int c = left; c <= right; ++c) {
      if (c != left) clip += '\t';
      clip += text(r, c);
    }
  }
  return clip;
}

void AnalysisTable::write_clip_text(std::string_view clip) {
  const auto [top, left, bottom, right] = selected_block();
  int r = top, c = left;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= clip.size(); ++i) {
    const bool end = i == clip.size();
    const char ch = end ? '\0' : clip[i];
    if (!end && ch != '\t' && ch != '\r' && ch != '\n') continue;
    if (r <= bottom && c <= right) set_text(r, c, std::string(clip.substr(start, i - start)));
    if (end) break;
    if (ch == '\t') {
      ++c;
    } else {
      if (ch == '\r' && i + 1 < clip.size() && clip[i + 1] == '\n') ++i;  // CR LF ends one row
      ++r;
      c = left;
      if (r > bottom) break;  // the rest lies below the block
    }
    start = i + 1;
  }
}

}  // namespace kolbex::entry
