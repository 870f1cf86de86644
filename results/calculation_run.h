#pragma once

#include <filesystem>
#include <vector>

#include "engine/analysis_record.h"
#include "engine/run_options.h"
#include "results/results_table.h"

namespace kolbex::results {

// The analysis window of a run: rows 1 to `row_limit` of the table (300 for the analysis table).
struct RunSummary {
  int empty_row_count = 0;  // rows among 1 to row_limit whose SiO2 cell reads 0, wherever they lie
  int row_count = 0;        // row_limit - empty_row_count: rows 1 to row_count are calculated
  // Diagram data files that could not be created or completely written; the run went on without them.
  std::vector<std::filesystem::path> unwritten_diagram_files;
};

RunSummary count_analyses(const engine::CellSource& table, int row_limit);

// One Calculate run: creates the thirteen diagram data files in `diagram_folder`, counts the analyses,
// then calculates rows 1 to RowCount in order, none skipped, with one working context for the whole run;
// each analysis appends one results row to `results` and its lines to the diagram files.
RunSummary run_calculation(const engine::CellSource& table, int row_limit, const engine::RunOptions& options,
                           ResultsTable& results, const std::filesystem::path& diagram_folder);

}  // namespace kolbex::results
