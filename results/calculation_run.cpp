#include "results/calculation_run.h"

#include <memory>

#include "engine/cell_value.h"
#include "results/diagram_files.h"
#include "results/run_context.h"

namespace kolbex::results {

bool holds_analysis(const engine::CellSource& table, int row) {
  for (int c = 2; c <= 47; ++c)
    if (engine::is_oxide_column(c) && engine::cell_value(table.cell(row, c)) != 0) return true;
  return false;
}

// A silica-free garnet (an arsenate, a fluoride) or a blank row anywhere is still inside the window:
// only the rows after the last analysis are left out.
RunSummary count_analyses(const engine::CellSource& table, int row_limit) {
  RunSummary summary;
  for (int r = row_limit; r >= 1 && summary.row_count == 0; --r)
    if (holds_analysis(table, r)) summary.row_count = r;
  for (int r = 1; r <= summary.row_count; ++r)
    if (!holds_analysis(table, r)) ++summary.blank_row_count;
  return summary;
}

RunSummary run_calculation(const engine::CellSource& table, int row_limit,
                           const thermometry::RunOptions& options, ResultsTable& results,
                           const std::filesystem::path& diagram_folder) {
  DiagramFiles diagrams(diagram_folder);
  RunSummary summary = count_analyses(table, row_limit);
  // Every number starts at 0 and every text empty; the rows then overwrite what they compute.
  auto context = std::make_unique<RunContext>();
  for (int r = 1; r <= summary.row_count; ++r) {
    engine::read_analysis_record(table, r, context->record);
    calculate_analysis(*context, options);
    results.append(*context);
    diagrams.write_rows(*context);
  }
  summary.unwritten_diagram_files = diagrams.close();
  return summary;
}

}  // namespace kolbex::results
