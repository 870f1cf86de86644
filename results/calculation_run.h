#pragma once

#include <filesystem>
#include <vector>

#include "engine/analysis_record.h"
#include "results/results_table.h"
#include "thermometry/run_options.h"

namespace kolbex::results {

// Whether analysis row `row` holds an analysis: any of its oxide cells reads non-zero.
bool holds_analysis(const engine::CellSource& table, int row);

// The analysis window of a run: rows 1 to `row_limit` of the table (300 for the analysis table).
struct RunSummary {
  int row_count = 0;        // the last row among 1 to row_limit that holds an analysis; 0 when none does
  int blank_row_count = 0;  // rows among 1 to row_count without an analysis, calculated as all zeros
  // Diagram data files that could not be created or completely written; the run went on without them.
  std::vector<std::filesystem::path> unwritten_diagram_files;
};

RunSummary count_analyses(const engine::CellSource& table, int row_limit);

// One Calculate run: creates the thirteen diagram data files in `diagram_folder`, finds the last row
// that holds an analysis, then calculates rows 1 to that row in order, none skipped (a blank row among
// them is an all-zero analysis), with one working context for the whole run;
// each analysis appends one results row to `results` and its lines to the diagram files.
RunSummary run_calculation(const engine::CellSource& table, int row_limit,
                           const thermometry::RunOptions& options, ResultsTable& results,
                           const std::filesystem::path& diagram_folder);

}  // namespace kolbex::results
