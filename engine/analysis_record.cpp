#include "engine/analysis_record.h"

#include "engine/cell_value.h"

namespace kolbex::engine {

// The numeric columns are listed in column order and each has a heading.
static_assert([] {
  int previous = sample_column;
  for (const RecordColumn& c : numeric_record_columns) {
    if (c.column <= previous || c.column == cubic_flag_column || analysis_headings[c.column].empty())
      return false;
    previous = c.column;
  }
  return true;
}());

void read_analysis_record(const CellSource& table, int row, AnalysisRecord& record) {
  record.SampleNo.assign(table.cell(row, sample_column));
  record.CubicFlag.assign(table.cell(row, cubic_flag_column));
  for (const RecordColumn& c : numeric_record_columns)
    record.*c.field = cell_value(table.cell(row, c.column));
}

}  // namespace kolbex::engine
