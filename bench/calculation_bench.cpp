// Speed of the calculation on the example data set's analyses: the stages of one analysis, a complete
// results row, and kolbex-calc over a 300-row data set with the process start included.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "bench/spawn.h"
#include "engine/working_context.h"
#include "entry/analysis_table.h"
#include "entry/data_set_file.h"
#include "results/calculation_run.h"
#include "results/diagram_files.h"
#include "results/results_table.h"
#include "results/run_context.h"
#include "results/workbook_writer.h"
#include "shell/file_io.h"

namespace {

using kolbex::entry::AnalysisTable;

// The example data set, its analyses repeated to fill all 300 rows.
const AnalysisTable& full_table() {
  static const AnalysisTable table = [] {
    std::string bytes, error;
    if (!kolbex::shell::read_file_bytes(KOLBEX_EXAMPLE, bytes, error)) throw std::runtime_error(error);
    AnalysisTable example;
    kolbex::entry::place_data_set(example, bytes);
    const int analyses = kolbex::results::count_analyses(example, 300).row_count;
    AnalysisTable t;
    for (int r = 1; r <= 300; ++r)
      for (int c = 1; c < t.C(); ++c) t.set_text(r, c, example.text((r - 1) % analyses + 1, c));
    return t;
  }();
  return table;
}

std::vector<kolbex::engine::AnalysisRecord> records() {
  std::vector<kolbex::engine::AnalysisRecord> out(300);
  for (int r = 1; r <= 300; ++r) kolbex::engine::read_analysis_record(full_table(), r, out[r - 1]);
  return out;
}

// Recalculation, site allocation, charge formula and naming of one analysis.
void BM_AnalysisStages(benchmark::State& state) {
  const auto rs = records();
  kolbex::engine::WorkingContext context;
  std::size_t i = 0;
  for (auto _ : state) {
    context.record = rs[i++ % rs.size()];
    kolbex::engine::calculate_analysis(context);
    benchmark::DoNotOptimize(context.name.species);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_AnalysisStages);

// A complete results row: the record read from the table's cells, every stage including the thirty
// thermometers and the end-members, all 188 fields formatted, and the row's diagram data lines.
void BM_CompleteResultsRow(benchmark::State& state) {
  const AnalysisTable& table = full_table();
  kolbex::results::RunContext context;
  const kolbex::thermometry::RunOptions options;
  std::string row, lines;
  int r = 0;
  for (auto _ : state) {
    kolbex::engine::read_analysis_record(table, r++ % 300 + 1, context.record);
    kolbex::results::calculate_analysis(context, options);
    row.clear();
    kolbex::results::format_results_row(context, row);
    lines.clear();
    for (const kolbex::results::DiagramFile& file : kolbex::results::diagram_files)
      if (kolbex::results::qualifies(file, context))
        kolbex::results::append_diagram_line(file, context, lines);
    benchmark::DoNotOptimize(row.data());
    benchmark::DoNotOptimize(lines.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_CompleteResultsRow);

// A whole run over the 300 rows: results table and the thirteen diagram data files on disk.
void BM_Run300Rows(benchmark::State& state) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / "kolbex-bench-run";
  fs::create_directories(folder);
  const AnalysisTable& table = full_table();
  for (auto _ : state) {
    kolbex::results::ResultsTable results;
    const auto summary = kolbex::results::run_calculation(table, 300, {}, results, folder);
    if (!summary.unwritten_diagram_files.empty()) {
      state.SkipWithError("a diagram data file could not be written");
      break;
    }
    benchmark::DoNotOptimize(results.row_text(results.row_count() - 1).data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 300);
  fs::remove_all(folder);
}
BENCHMARK(BM_Run300Rows)->Unit(benchmark::kMillisecond);

// The results table of 300 analyses (302 rows of 188 cells) sent to Output.xlsx: written to a temporary
// file and renamed into place.
void BM_SendWorkbook300(benchmark::State& state) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / "kolbex-bench-workbook";
  fs::create_directories(folder);
  kolbex::results::ResultsTable results;
  kolbex::results::run_calculation(full_table(), 300, {}, results, folder);
  std::string error;
  for (auto _ : state)
    if (!kolbex::results::write_results_workbook(results, folder / "Output.xlsx", error)) {
      state.SkipWithError(error.c_str());
      break;
    }
  fs::remove_all(folder);
}
BENCHMARK(BM_SendWorkbook300)->Unit(benchmark::kMillisecond)->UseRealTime();

// kolbex-calc over a 300-row data set, wall time of the whole process.
void BM_KolbexCalc300Rows(benchmark::State& state) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / "kolbex-bench";
  fs::create_directories(folder);
  std::string input = (folder / "300.gsg").string(), output = (folder / "results.tsv").string();
  AnalysisTable table = full_table();
  std::string error;
  if (!kolbex::entry::write_data_set(table, fs::path(input), error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  for (auto _ : state)
    if (const std::string failure = kolbex::bench::run_program(
            {KOLBEX_CALC, "--results", output, "--diagrams", folder.string(), input});
        !failure.empty()) {
      state.SkipWithError(failure.c_str());
      break;
    }
  fs::remove_all(folder);
}
BENCHMARK(BM_KolbexCalc300Rows)->Unit(benchmark::kMillisecond)->UseRealTime();

// kolbex-calc over 100,000 analyses, process start to exit, results to a file: a tab-separated text in the
// fixed layout (the example's analyses over and over), and a probe export in CSV with a heading row (the
// published analyses of real-garnets.csv over and over). Reported: analyses per second and the peak
// resident memory of the process. The input is written a piece at a time: the child's peak counts from
// the memory this process has used, so it stays small.
using InputWriter = std::function<void(std::ofstream&)>;
void kolbex_calc_100k(benchmark::State& state, const std::string& name, const InputWriter& write) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / "kolbex-bench-100k";
  fs::create_directories(folder);
  const std::string input = (folder / name).string(), output = (folder / "results.tsv").string();
  {
    std::ofstream out(input, std::ios::binary);
    write(out);
    if (!out) {
      state.SkipWithError("the input could not be written");
      return;
    }
  }
  long peak = 0;
  for (auto _ : state)
    if (const std::string failure = kolbex::bench::run_program(
            {KOLBEX_CALC, "--results", output, "--diagrams", folder.string(), input}, &peak);
        !failure.empty()) {
      state.SkipWithError(failure.c_str());
      break;
    }
  state.SetItemsProcessed(state.iterations() * 100000);
  state.counters["peak_MB"] = static_cast<double>(peak) / 1024.0;
  fs::remove_all(folder);
}

void BM_KolbexCalc100kTsv(benchmark::State& state) {
  const AnalysisTable& table = full_table();
  kolbex_calc_100k(state, "100k.tsv", [&table](std::ofstream& out) {
    std::string line;
    for (int n = 0; n < 100000; ++n) {
      const int r = n % 300 + 1;
      line.clear();
      for (int c = 1; c < table.C() - 1; ++c) {
        if (c > 1) line += '\t';
        line += table.text(r, c);
      }
      line += "\r\n";
      out << line;
    }
  });
}
BENCHMARK(BM_KolbexCalc100kTsv)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_KolbexCalc100kCsv(benchmark::State& state) {
  std::string bytes, error;
  if (!kolbex::shell::read_file_bytes(KOLBEX_IMPORT_CSV, bytes, error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  kolbex_calc_100k(state, "100k.csv", [&bytes](std::ofstream& out) {
    const std::size_t heading_end = bytes.find('\n') + 1;
    const std::string_view rows = std::string_view(bytes).substr(heading_end);
    const auto rows_in_file = static_cast<int>(std::count(rows.begin(), rows.end(), '\n'));
    out << bytes.substr(0, heading_end);
    for (int n = 0; n < 100000; n += rows_in_file) {
      std::size_t start = 0;
      for (int k = 0; k < rows_in_file && n + k < 100000; ++k) {
        const std::size_t end = rows.find('\n', start) + 1;
        out << rows.substr(start, end - start);
        start = end;
      }
    }
  });
}
BENCHMARK(BM_KolbexCalc100kCsv)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
