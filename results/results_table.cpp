#include "results/results_table.h"

#include "results/number_format.h"
#include "results/results_columns.h"

namespace kolbex::results {

std::string header_row_numbers() {
  std::string row = "K o l b e x";
  for (int c = 1; c < results_column_count; ++c) row += '\t' + std::to_string(c);
  return row;
}

std::string header_row_headings() {
  std::string row;
  for (int c = 0; c < results_column_count; ++c) {
    if (c != 0) row += '\t';
    row += results_columns[c].heading;
  }
  return row;
}

void format_results_row(const RunContext& analysis, std::string& out) {
  for (int c = 0; c < results_column_count; ++c) {
    if (c != 0) out += '\t';
    const ResultsColumn& column = results_columns[c];
    const Field field = column.value(analysis);
    if (field.kind == Field::Kind::text) {
      out += field.text;
      continue;
    }
    if (field.kind == Field::Kind::empty) continue;
    switch (column.format) {
      case Format::general: append_general(out, field.number); break;
      case Format::fixed3: append_grouped_fixed(out, field.number, 3); break;
      case Format::fixed2: append_grouped_fixed(out, field.number, 2); break;
      case Format::whole: append_whole(out, field.number); break;
      case Format::text:
      case Format::none: break;
    }
  }
}

ResultsTable::ResultsTable() {
  add_row(header_row_numbers());
  add_row(header_row_headings());
}

int ResultsTable::C() const { return results_column_count; }

void ResultsTable::add_row(std::string text) {
  Row row{std::move(text), {}};
  row.starts.reserve(results_column_count + 1);
  row.starts.push_back(0);
  for (std::size_t i = 0; i < row.text.size(); ++i)
    if (row.text[i] == '\t') row.starts.push_back(static_cast<std::uint32_t>(i + 1));
  row.starts.push_back(static_cast<std::uint32_t>(row.text.size() + 1));
  rows_.push_back(std::move(row));
}

void ResultsTable::append(const RunContext& analysis) {
  std::string row;
  row.reserve(1400);
  format_results_row(analysis, row);
  add_row(std::move(row));
}

std::string_view ResultsTable::cell_text(int row, int column) const {
  if (row < 0 || row >= R() || column < 0) return {};
  const Row& r = rows_[static_cast<std::size_t>(row)];
  const auto c = static_cast<std::size_t>(column);
  if (c + 1 >= r.starts.size()) return {};
  return std::string_view(r.text).substr(r.starts[c], r.starts[c + 1] - 1 - r.starts[c]);
}

void ResultsTable::set_cell_text(int row, int column, std::string text) {
  if (row < 0 || row >= R() || column < 0 || column >= C()) return;
  // A TAB inside a cell would split the field: the row keeps 188 of them.
  for (char& ch : text)
    if (ch == '\t') ch = ' ';
  Row& r = rows_[static_cast<std::size_t>(row)];
  const auto c = static_cast<std::size_t>(column);
  if (c + 1 >= r.starts.size()) return;
  cell_changing(row, column);
  const std::uint32_t first = r.starts[c], old_length = r.starts[c + 1] - 1 - first;
  r.text.replace(first, old_length, text);
  const auto shift = static_cast<std::int64_t>(text.size()) - static_cast<std::int64_t>(old_length);
  for (std::size_t k = c + 1; k < r.starts.size(); ++k)
    r.starts[k] = static_cast<std::uint32_t>(static_cast<std::int64_t>(r.starts[k]) + shift);
}

void ResultsTable::type_character(char32_t code) {
  if (code == 13 || code == 9) {
    if (current_.row + 1 <= R() - 1)
      ++current_.row;
    else
      current_ = {1, 0};
    selection_end_ = current_;
  } else {
    edit_current_cell(code);
  }
}

}  // namespace kolbex::results
