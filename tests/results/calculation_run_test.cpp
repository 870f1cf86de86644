#include "results/calculation_run.h"

#include <gtest/gtest.h>

#include "entry/analysis_table.h"
#include "tests/support/table_rows.h"
#include "tests/support/temp_folder.h"

namespace kolbex::results {
namespace {

using entry::AnalysisTable;
using test::dhz_almandine;
using test::fields;
using test::set_row;

constexpr int analysis_rows = AnalysisTable::layout_rows - 1;
constexpr int si_apfu_column = 38;

std::vector<std::string> result_samples(const ResultsTable& results) {
  std::vector<std::string> names;
  for (std::size_t r = 2; r < results.row_count(); ++r) names.push_back(fields(results.row_text(r))[0]);
  return names;
}

RunSummary run(const AnalysisTable& table, ResultsTable& results) {
  const test::TempFolder diagrams("kolbex-run");
  return run_calculation(table, analysis_rows, thermometry::RunOptions{}, results, diagrams.path());
}

// The run goes through the last row that holds an analysis (any oxide non-zero): a row without SiO2 or a
// blank row inside is calculated, and no analysis at the end is cut off.
TEST(CalculationRun, RunsThroughTheLastAnalysis) {
  struct Case {
    const char* what;
    std::vector<int> analysis_rows;   // rows holding the almandine
    std::vector<int> no_silica_rows;  // rows with a sample name and oxides but no SiO2
    int row_count, blank_row_count;
    std::vector<std::string> reported;
  };
  const Case cases[] = {
      {"three analyses", {1, 2, 3}, {}, 3, 0, {"r1", "r2", "r3"}},
      {"an empty table", {}, {}, 0, 0, {}},
      {"a row without SiO2", {1, 3, 4, 5}, {2}, 5, 0, {"r1", "r2", "r3", "r4", "r5"}},
      {"a blank row inside", {1, 3}, {}, 3, 1, {"r1", "", "r3"}},
      // A silica-free arsenate garnet last in the table, after a blank row.
      {"an arsenate last", {1, 2}, {4}, 4, 1, {"r1", "r2", "", "r4"}},
      {"the last table row", {1, 300}, {}, 300, 298, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AnalysisTable table;
    for (int r : c.analysis_rows) set_row(table, r, dhz_almandine("r" + std::to_string(r)));
    for (int r : c.no_silica_rows)  // As2O5, CaO, MgO: a berzeliite-like arsenate
      set_row(table, r, {{1, "r" + std::to_string(r)}, {25, "50.1"}, {19, "20"}, {16, "3.1"}});
    ResultsTable results;
    const RunSummary s = run(table, results);
    EXPECT_EQ(s.row_count, c.row_count);
    EXPECT_EQ(s.blank_row_count, c.blank_row_count);
    const std::vector<std::string> samples = result_samples(results);
    EXPECT_EQ(samples.size(), static_cast<std::size_t>(c.row_count));
    if (!c.reported.empty()) {
      EXPECT_EQ(samples, c.reported);
    }
  }
}

// Only the 43 oxide cells decide whether a row holds an analysis: a sample name, the cubic flag or
// partner-mineral values alone do not.
TEST(CalculationRun, OnlyOxidesMakeAnAnalysis) {
  int oxides = 0;
  for (int c = 1; c <= 64; ++c) {
    AnalysisTable table;
    table.set_text(1, c, "1.5");
    EXPECT_EQ(holds_analysis(table, 1), engine::is_oxide_column(c)) << c;
    oxides += engine::is_oxide_column(c);
  }
  EXPECT_EQ(oxides, engine::oxide_column_count);
  EXPECT_TRUE(engine::is_oxide_column(2) && engine::is_oxide_column(30) && engine::is_oxide_column(34) &&
              engine::is_oxide_column(47));
  EXPECT_FALSE(engine::is_oxide_column(31) || engine::is_oxide_column(32) || engine::is_oxide_column(33) ||
               engine::is_oxide_column(48));
}

// An all-zero row inside the processed range reports the previous row's cations: its divisions fail.
TEST(CalculationRun, BlankRowKeepsThePreviousRowsFormula) {
  AnalysisTable table;
  set_row(table, 1, dhz_almandine());
  set_row(table, 3, dhz_almandine());
  ResultsTable results;
  run(table, results);
  ASSERT_EQ(results.result_count(), 3u);  // rows 1 to 3, the blank row 2 among them
  const auto first = fields(results.row_text(2));
  const auto blank = fields(results.row_text(3));
  EXPECT_EQ(blank[1], "0");
  EXPECT_EQ(blank[31], "0.000");  // the analysis total
  EXPECT_EQ(blank[si_apfu_column], first[si_apfu_column]);
  EXPECT_EQ(blank[68], first[68]);  // the formula total
  EXPECT_EQ(blank[140], "");        // but no species: all seventeen scores are 0
}

TEST(CalculationRun, RunsAppendToTheSameTable) {
  AnalysisTable table;
  set_row(table, 1, dhz_almandine("a"));
  set_row(table, 2, dhz_almandine("b"));
  ResultsTable results;
  run(table, results);
  run(table, results);
  EXPECT_EQ(result_samples(results), (std::vector<std::string>{"a", "b", "a", "b"}));
  EXPECT_EQ(results.row_text(2), results.row_text(4));
}

// The spacer columns 31, 33, 48, 54 and 60 are never read.
TEST(CalculationRun, SpacerColumnsHaveNoEffect) {
  AnalysisTable plain, filled;
  set_row(plain, 1, dhz_almandine());
  set_row(filled, 1, dhz_almandine());
  for (int c : {31, 33, 48, 54, 60}) filled.set_text(1, c, "12.5");
  ResultsTable a, b;
  run(plain, a);
  run(filled, b);
  ASSERT_EQ(a.row_count(), b.row_count());
  for (std::size_t r = 0; r < a.row_count(); ++r) EXPECT_EQ(a.row_text(r), b.row_text(r));
}

}  // namespace
}  // namespace kolbex::results
