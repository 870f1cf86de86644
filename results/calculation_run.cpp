#include "results/calculation_run.h"

#include <memory>

#include "engine/analysis_columns.h"
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

AnalysisRun::AnalysisRun(const thermometry::RunOptions& options, const std::filesystem::path& diagram_folder,
                         std::function<void(const RunContext&)> on_result)
    : options_(options),
      on_result_(std::move(on_result)),
      // Every number starts at 0 and every text empty; the rows then overwrite what they compute.
      context_(std::make_unique<RunContext>()),
      diagrams_(std::make_unique<DiagramFiles>(diagram_folder)) {}

AnalysisRun::~AnalysisRun() = default;

void AnalysisRun::calculate() {
  calculate_analysis(*context_, options_);
  on_result_(*context_);
  diagrams_->write_rows(*context_);
}

void AnalysisRun::add(const engine::CellSource& cells, int row) {
  ++rows_;
  if (!holds_analysis(cells, row)) {
    // Kept back, in a record reused from earlier held rows where there is one.
    if (held_count_ == held_.size()) held_.emplace_back();
    engine::read_analysis_record(cells, row, held_[held_count_++]);
    return;
  }
  for (std::size_t i = 0; i < held_count_; ++i) {
    std::swap(context_->record, held_[i]);
    calculate();
  }
  summary_.blank_row_count += static_cast<int>(held_count_);
  held_count_ = 0;
  engine::read_analysis_record(cells, row, context_->record);
  calculate();
  summary_.row_count = rows_;
}

RunSummary AnalysisRun::finish() {
  summary_.unwritten_diagram_files = diagrams_->close();
  return summary_;
}

RunSummary run_calculation(const engine::CellSource& table, int row_limit,
                           const thermometry::RunOptions& options, ResultsTable& results,
                           const std::filesystem::path& diagram_folder) {
  AnalysisRun run(options, diagram_folder,
                  [&results](const RunContext& analysis) { results.append(analysis); });
  for (int r = 1; r <= row_limit; ++r) run.add(table, r);
  return run.finish();
}

}  // namespace kolbex::results
