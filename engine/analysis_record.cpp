#include "engine/analysis_record.h"

#include "engine/analysis_columns.h"
#include "engine/cell_value.h"

namespace kolbex::engine {

// Every column with a heading fills a field of the record, and only those do; 43 of them are oxides.
static_assert([] {
  int oxides = 0;
  for (int c = 1; c < analysis_column_count; ++c) {
    const AnalysisColumn& column = analysis_columns[static_cast<std::size_t>(c)];
    if (column.heading.empty() != (column.number == nullptr && column.text == nullptr)) return false;
    oxides += is_oxide_column(c);
  }
  return oxides == oxide_column_count;
}());

void read_analysis_record(const CellSource& table, int row, AnalysisRecord& record) {
  for (int c = 1; c < analysis_column_count; ++c) {
    const AnalysisColumn& column = analysis_columns[static_cast<std::size_t>(c)];
    if (column.number)
      record.*column.number = cell_value(table.cell(row, c));
    else if (column.text)
      record.*column.text = table.cell(row, c);
  }
}

}  // namespace kolbex::engine
