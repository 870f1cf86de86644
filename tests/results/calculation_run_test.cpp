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
  return run_calculation(table, analysis_rows, engine::RunOptions{}, results, diagrams.path());
}

TEST(CalculationRun, CountsRowsWithoutSilicaWhereverTheyLie) {
  struct Case {
    const char* what;
    std::vector<int> analysis_rows;   // rows holding the almandine
    std::vector<int> no_silica_rows;  // rows with a sample name and oxides but no SiO2
    int empty_row_count;
    std::vector<std::string> reported;
  };
  const Case cases[] = {
      {"three analyses", {1, 2, 3}, {}, 297, {"r1", "r2", "r3"}},
      {"an empty table", {}, {}, 300, {}},
      // An arsenate garnet without SiO2 in row 2 counts as empty: rows 1 to 4 are reported, row 5 is not.
      {"a row without SiO2", {1, 3, 4, 5}, {2}, 296, {"r1", "r2", "r3", "r4"}},
      {"a blank row inside", {1, 3}, {}, 298, {"r1", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AnalysisTable table;
    for (int r : c.analysis_rows) set_row(table, r, dhz_almandine("r" + std::to_string(r)));
    for (int r : c.no_silica_rows)
      set_row(table, r, {{1, "r" + std::to_string(r)}, {25, "50.1"}, {19, "20"}});
    ResultsTable results;
    const RunSummary s = run(table, results);
    EXPECT_EQ(s.empty_row_count, c.empty_row_count);
    EXPECT_EQ(s.row_count, 300 - c.empty_row_count);
    EXPECT_EQ(result_samples(results), c.reported);
  }
}

// An all-zero row inside the processed range reports the previous row's cations: its divisions fail.
TEST(CalculationRun, BlankRowKeepsThePreviousRowsFormula) {
  AnalysisTable table;
  set_row(table, 1, dhz_almandine());
  set_row(table, 3, dhz_almandine());
  ResultsTable results;
  run(table, results);
  ASSERT_EQ(results.result_count(), 2u);
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
