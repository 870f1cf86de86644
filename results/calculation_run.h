#pragma once

#include <filesystem>
#include <functional>
#include <memory>
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

class DiagramFiles;
struct RunContext;

// A run over analysis rows that arrive one at a time, in order (rows 1, 2, ... of an analysis table, or
// the lines of a file): the rule of a Calculate run without holding the table. A row that holds no
// analysis is kept back until a later row does, then calculated in its place as an all-zero analysis;
// rows after the last analysis are never calculated. One working context serves the whole run; each
// calculated row goes to `on_result` and its lines to the thirteen diagram data files in `diagram_folder`.
class AnalysisRun {
 public:
  AnalysisRun(const thermometry::RunOptions& options, const std::filesystem::path& diagram_folder,
              std::function<void(const RunContext&)> on_result);
  ~AnalysisRun();
  AnalysisRun(const AnalysisRun&) = delete;
  AnalysisRun& operator=(const AnalysisRun&) = delete;

  // Row `row` of `cells` is the next analysis row of the run.
  void add(const engine::CellSource& cells, int row);
  // Closes the diagram files; the summary counts the rows added up to the last that held an analysis.
  RunSummary finish();

 private:
  void calculate();  // the analysis of the context's record

  thermometry::RunOptions options_;
  std::function<void(const RunContext&)> on_result_;
  std::unique_ptr<RunContext> context_;
  std::unique_ptr<DiagramFiles> diagrams_;
  std::vector<engine::AnalysisRecord> held_;  // rows without an analysis since the last one that had
  std::size_t held_count_ = 0;
  int rows_ = 0;
  RunSummary summary_;
};

// One Calculate run: creates the thirteen diagram data files in `diagram_folder`, finds the last row
// that holds an analysis, then calculates rows 1 to that row in order, none skipped (a blank row among
// them is an all-zero analysis), with one working context for the whole run;
// each analysis appends one results row to `results` and its lines to the diagram files.
RunSummary run_calculation(const engine::CellSource& table, int row_limit,
                           const thermometry::RunOptions& options, ResultsTable& results,
                           const std::filesystem::path& diagram_folder);

}  // namespace kolbex::results
