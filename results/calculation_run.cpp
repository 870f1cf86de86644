#include "results/calculation_run.h"

#include <memory>

#include "engine/cell_value.h"
#include "results/diagram_files.h"
#include "results/run_context.h"

namespace kolbex::results {

RunSummary count_analyses(const engine::CellSource& table, int row_limit) {
  RunSummary summary;
  for (int r = 1; r <= row_limit; ++r)
    if (engine::cell_value(table.cell(r, engine::sio2_column)) == 0) ++summary.empty_row_count;
  summary.row_count = row_limit - summary.empty_row_count;
  return summary;
}

RunSummary run_calculation(const engine::CellSource& table, int row_limit, const engine::RunOptions& options,
                           ResultsTable& results, const std::filesystem::path& diagram_folder) {
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
