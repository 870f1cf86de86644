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

ResultsTable::ResultsTable() : rows_{header_row_numbers(), header_row_headings()} {}

void ResultsTable::append(const RunContext& analysis) {
  std::string row;
  row.reserve(1400);
  format_results_row(analysis, row);
  rows_.push_back(std::move(row));
}

}  // namespace kolbex::results
