// Speed of the desktop program: from process start to the data entry window shown, and Calculate over
// 300 analyses from the window until the results rows are in the results window's grid. Both on the
// offscreen platform, so no display is needed.

#include <xlsxwriter.h>
#include <QApplication>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/spawn.h"
#include "entry/data_set_file.h"
#include "entry/ui/data_entry_window.h"
#include "entry/ui/import_dialog.h"
#include "results/calculation_run.h"
#include "results/ui/diagram_window.h"
#include "results/ui/results_table_model.h"
#include "results/ui/results_window.h"
#include "shell/file_io.h"
#include "shell/ui/desktop.h"

namespace {

namespace fs = std::filesystem;

// kolbex started with --quit-when-shown: the wall time until the window is up and the program has left.
void BM_StartToWindowShown(benchmark::State& state) {
  for (auto _ : state)
    if (const std::string failure = kolbex::bench::run_program({KOLBEX_PROGRAM, "--quit-when-shown"});
        !failure.empty()) {
      state.SkipWithError(failure.c_str());
      break;
    }
}
BENCHMARK(BM_StartToWindowShown)->Unit(benchmark::kMillisecond)->UseRealTime();

// The example's analyses repeated over all 300 rows, as a data set file the dialog "chooses".
class ExampleFile : public kolbex::shell::FileDialog {
 public:
  explicit ExampleFile(fs::path path) : path_(std::move(path)) {}
  QString openFileName(QWidget*, const QString&) override { return QString::fromStdString(path_.string()); }
  QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }

 private:
  fs::path path_;
};

fs::path full_data_set(const fs::path& folder) {
  std::string bytes, error;
  kolbex::shell::read_file_bytes(KOLBEX_EXAMPLE, bytes, error);
  kolbex::entry::AnalysisTable example, full;
  kolbex::entry::place_data_set(example, bytes);
  const int analyses = kolbex::results::count_analyses(example, 300).row_count;
  for (int r = 1; r <= 300; ++r)
    for (int c = 1; c < full.C(); ++c) full.set_text(r, c, example.text((r - 1) % analyses + 1, c));
  const fs::path path = folder / "300.gsg";
  kolbex::entry::write_data_set(full, path, error);
  return path;
}

// A data entry window in a folder of its own, with the 300-analysis data set opened.
struct OpenedWindow {
  explicit OpenedWindow(const char* name)
      : folder((fs::create_directories(fs::temp_directory_path() / name), fs::temp_directory_path() / name)),
        files(full_data_set(folder)),
        desktop{files, kolbex::shell::system_desktop().messages, kolbex::shell::system_desktop().clipboard,
                kolbex::shell::system_desktop().opener},
        window(desktop, folder) {
    window.show();
    window.Toolbar1(2);  // Open File
    QApplication::processEvents();
  }
  ~OpenedWindow() { fs::remove_all(folder); }
  fs::path folder;
  ExampleFile files;
  kolbex::shell::Desktop desktop;
  kolbex::entry::DataEntryWindow window;
};

// Import Analyses of a 300-analysis CSV (the first 300 of real-garnets.csv, 29 columns in probe-export
// shape), the preview built and shown, until the analyses are in the table.
void BM_ImportCsv300(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / "kolbex-bench-import";
  fs::create_directories(folder);
  std::string bytes, error;
  kolbex::shell::read_file_bytes(KOLBEX_IMPORT_CSV, bytes, error);
  std::size_t end = 0;
  for (int line = 0; line <= 300 && end != std::string::npos; ++line) end = bytes.find('\n', end + 1);
  const fs::path csv = folder / "300.csv";
  std::ofstream(csv, std::ios::binary) << bytes.substr(0, end + 1);
  ExampleFile files(csv);
  kolbex::shell::Desktop desktop{files, kolbex::shell::system_desktop().messages,
                                 kolbex::shell::system_desktop().clipboard,
                                 kolbex::shell::system_desktop().opener};
  kolbex::entry::DataEntryWindow window(desktop, folder);
  window.show();
  window.setImportPreview([](kolbex::entry::ImportDialog& dialog) {
    dialog.show();
    QApplication::processEvents();
    return true;
  });
  for (auto _ : state) {
    window.mnuImportAnalyses();
    QApplication::processEvents();
    if (window.table().text(300, 1).empty()) state.SkipWithError("the analyses are missing");
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_ImportCsv300)->Unit(benchmark::kMillisecond)->UseRealTime();

// Calculate from the toolbar over 300 analyses until the rows are in the results grid and it has been
// drawn; a new results window for each run.
void BM_CalculateFromWindow300(benchmark::State& state) {
  OpenedWindow opened("kolbex-bench-window");
  kolbex::entry::DataEntryWindow& window = opened.window;
  for (auto _ : state) {
    window.Toolbar1(13);
    kolbex::results::ResultsWindow* results = window.resultsWindow();
    results->repaint();
    QApplication::processEvents();
    if (results->model().rowCount() != 301) state.SkipWithError("the results rows are missing");
    state.PauseTiming();
    results->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_CalculateFromWindow300)->Unit(benchmark::kMillisecond)->UseRealTime();

// 300 results rows appended to a results window that already holds earlier runs: the run into its table,
// the grid told of the new rows, and the window drawn.
void BM_AppendRows300(benchmark::State& state) {
  OpenedWindow opened("kolbex-bench-append");
  kolbex::entry::DataEntryWindow& window = opened.window;
  window.Toolbar1(13);  // the first run creates the results window
  kolbex::results::ResultsWindow* results = window.resultsWindow();
  QApplication::processEvents();
  for (auto _ : state) {
    kolbex::results::run_calculation(window.table(), 300, {}, results->table(), opened.folder);
    results->showAppendedRows();
    results->repaint();
    QApplication::processEvents();
  }
  state.counters["rows in the grid"] = static_cast<double>(results->model().rowCount());
}
BENCHMARK(BM_AppendRows300)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(30);

// A full 101 x 65 workbook (headings, then 100 rows of the example's analyses as strings and numbers),
// written by libxlsxwriter, loaded with the window's .xlsx command: New File, the read, the table filled
// and shown.
void BM_LoadWorkbook101x65(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / "kolbex-bench-load";
  fs::create_directories(folder);
  const fs::path path = folder / "analyses.xlsx";
  {
    std::string bytes, error;
    kolbex::shell::read_file_bytes(KOLBEX_EXAMPLE, bytes, error);
    kolbex::entry::AnalysisTable example;
    kolbex::entry::place_data_set(example, bytes);
    lxw_workbook* workbook = workbook_new(path.c_str());
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    for (int c = 0; c < 65; ++c)
      worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), example.text(0, c).c_str(), nullptr);
    for (int r = 1; r <= 100; ++r)
      for (int c = 0; c < 65; ++c) {
        const std::string& text = example.text((r - 1) % 30 + 1, c);
        if (text.empty()) continue;
        char* end = nullptr;
        const double x = std::strtod(text.c_str(), &end);
        if (c > 1 && end && *end == '\0')
          worksheet_write_number(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c), x, nullptr);
        else
          worksheet_write_string(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c), text.c_str(),
                                 nullptr);
      }
    workbook_close(workbook);
  }
  ExampleFile files(path);
  kolbex::shell::Desktop desktop{files, kolbex::shell::system_desktop().messages,
                                 kolbex::shell::system_desktop().clipboard,
                                 kolbex::shell::system_desktop().opener};
  kolbex::entry::DataEntryWindow window(desktop, folder);
  window.show();
  QApplication::processEvents();
  for (auto _ : state) {
    window.Toolbar1(16);
    window.repaint();
    if (window.table().text(1, 1).empty()) state.SkipWithError("nothing was loaded");
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_LoadWorkbook101x65)->Unit(benchmark::kMillisecond)->UseRealTime();

// A diagram window opened on a data file of 300 points (the example's provenance file, repeated) and
// drawn.
void BM_OpenDiagram300(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / "kolbex-bench-diagram";
  fs::create_directories(folder);
  {
    std::ofstream out(folder / "PrpAlmSpsGrs.dat", std::ios::binary);
    out << "SampleNo\tPrp\tAlmSps\tGrs\r\n";
    for (int i = 0; i < 300; ++i)
      out << "G" << i << '\t' << (i % 97 + 1) << ".000\t " << (i % 53) << " \t" << (i % 31) << ".000\r\n";
  }
  const kolbex::results::DiagramCommand& diagram = *kolbex::results::diagram_for_template("XMgFeMnCa.grf");
  for (auto _ : state) {
    kolbex::results::DiagramWindow window(diagram, folder, kolbex::shell::system_desktop());
    window.show();
    window.view().repaint();
    QApplication::processEvents();
    if (window.view().pointPositions().size() != 300) state.SkipWithError("the points are missing");
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_OpenDiagram300)->Unit(benchmark::kMillisecond)->UseRealTime();

// kolbex-calc drawing all seventeen diagrams of the example (SVG and PNG), the run included.
void BM_KolbexCalcPlots(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / "kolbex-bench-plots";
  fs::create_directories(folder / "plots");
  for (auto _ : state)
    if (const std::string failure = kolbex::bench::run_program(
            {KOLBEX_CALC, "--plots", (folder / "plots").string(), "--diagrams", folder.string(), "--results",
             (folder / "r.tsv").string(), KOLBEX_EXAMPLE});
        !failure.empty()) {
      state.SkipWithError(failure.c_str());
      break;
    }
  fs::remove_all(folder);
}
BENCHMARK(BM_KolbexCalcPlots)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
