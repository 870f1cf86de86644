#pragma once

#include <string>
#include <vector>

#include "results/run_context.h"

namespace kolbex::results {

// The results table: two header rows, then one row per analysis in the order the runs appended them.
// Each row is one text of 188 fields joined by TAB (187 tabs, none at either end, no line end).
class ResultsTable {
 public:
  ResultsTable();

  // Formats the analysis of the working context into a results row and appends it.
  void append(const RunContext& analysis);

  const std::vector<std::string>& rows() const { return rows_; }
  std::size_t result_count() const { return rows_.size() - 2; }

 private:
  std::vector<std::string> rows_;
};

// Row 0: "K o l b e x", then the column numbers "1" to "187". Row 1: the headings.
std::string header_row_numbers();
std::string header_row_headings();

// Appends the 188 fields of the analysis, joined by TAB, to `out`.
void format_results_row(const RunContext& analysis, std::string& out);

}  // namespace kolbex::results
