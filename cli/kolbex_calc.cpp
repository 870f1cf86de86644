// kolbex-calc: the Calculate command without the windows. Each INPUT is one run over an analysis table;
// the runs append to one results table, written as TAB-separated UTF-8 text. Every run rewrites the
// thirteen diagram data files, so they hold the analyses of the last INPUT.

#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "entry/analysis_table.h"
#include "entry/data_set_file.h"
#include "entry/heading_import.h"
#include "entry/workbook_import.h"
#include "results/calculation_run.h"
#include "results/results_table.h"
#include "results/workbook_writer.h"
#include "shell/text_encoding.h"
#include "thermometry/run_options.h"
#ifdef KOLBEX_PLOTS
#include <QGuiApplication>

#include "results/ui/ternary_plot.h"
#endif
#include "shell/file_io.h"
#include "shell/version.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view usage =
    "usage: kolbex-calc [--input-pressure] [--ganguly] [--no-headings] [--results FILE] [--workbook FILE]\n"
    "                   [--diagrams DIR] [--plots DIR] INPUT...\n"
    "       kolbex-calc --help | --version\n"
    "\n"
    "Recalculates garnet analyses into formulas, allocates the sites, classifies them (Grew et al. 2013),\n"
    "estimates Fe2+-Mg exchange temperatures with thirty garnet-biotite, garnet-clinopyroxene and\n"
    "garnet-orthopyroxene calibrations, and writes the results table: two header rows, then one row of 188\n"
    "TAB-separated fields per analysis. Each run also writes the thirteen diagram data files (.dat); with\n"
    "several INPUTs they hold the analyses of the last one.\n"
    "\n"
    "  INPUT              a data set file (.gsg); tab-separated text (.tsv, .txt) or CSV (.csv, comma,\n"
    "                     semicolon or TAB) with one analysis per line; or a workbook (.xlsx, .xls)\n"
    "                     whose shown sheet is laid out as the analysis table (rows 1 to 101, columns A\n"
    "                     to BM); each INPUT is one run. A text whose first 20 lines hold a heading row\n"
    "                     (at least three oxide names) is imported by its headings, in any column\n"
    "                     order, and what the import did is said on standard error; without one its\n"
    "                     fields are columns 1 to 64 of the analysis table\n"
    "  --results FILE     write the results table to FILE (default: standard output)\n"
    "  --workbook FILE    also write the results table as a workbook (.xlsx), numbers as numbers\n"
    "  --diagrams DIR     the folder for the diagram data files (default: the current folder; created\n"
    "                     when missing)\n"
    "  --plots DIR        draw the seventeen diagrams of the last run into DIR as SVG and PNG files\n"
    "                     (created when missing)\n"
    "  --no-headings      read every text INPUT as columns 1 to 64, heading row or not\n"
    "  --input-pressure   TT76 and TFS78 use the entered garnet-biotite pressure\n"
    "  --ganguly          use Ganguly's (1979) garnet-clinopyroxene form of TG79 (T =< 1060 oC)\n"
    "  --version          show the version\n"
    "  --help             show this text\n";

constexpr int exit_bad_input = 2;
constexpr int exit_write_failed = 1;

enum class InputKind { data_set, tab_text, csv, workbook };

struct Input {
  fs::path path;
  InputKind kind = InputKind::data_set;
  std::string bytes;
  // A text with a heading row, imported by its headings; or, without one, its fields by position.
  std::optional<kolbex::entry::ImportedAnalyses> imported;
  std::vector<std::string> summary;  // what the import did, for standard error
  kolbex::entry::FieldRows fields;
  std::optional<kolbex::entry::WorkbookRead> workbook;
};

struct Arguments {
  kolbex::thermometry::RunOptions options;
  fs::path results;   // empty: standard output
  fs::path workbook;  // empty: none
  fs::path plots;     // empty: no diagrams drawn
  fs::path diagrams = ".";
  bool no_headings = false;  // read every text input in the fixed layout
  std::vector<Input> inputs;
};

int fail(std::string_view message) {
  std::cerr << "kolbex-calc: " << message << '\n';
  return exit_bad_input;
}

std::string lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

bool input_kind(const fs::path& path, InputKind& kind) {
  const std::string extension = lower(path.extension().string());
  if (extension == ".gsg")
    kind = InputKind::data_set;
  else if (extension == ".tsv" || extension == ".txt")
    kind = InputKind::tab_text;
  else if (extension == ".csv")
    kind = InputKind::csv;
  else if (extension == ".xlsx" || extension == ".xls")
    kind = InputKind::workbook;
  else
    return false;
  return true;
}

bool writable_folder(const fs::path& path, std::string& why) {
  std::error_code ec;
  if (!fs::is_directory(path, ec))
    why = "does not exist or is not a folder";
  else if (::access(path.c_str(), W_OK | X_OK) != 0)
    why = "cannot be written (no permission)";
  else
    return true;
  return false;
}

// An output folder: an existing one that can be written to, or a missing one, which `make_folder` creates
// once every other check has passed. A path that exists and is not a folder is refused.
bool usable_folder(const fs::path& path, std::string& why) {
  std::error_code ec;
  if (!fs::exists(path, ec)) return true;
  if (!fs::is_directory(path, ec)) {
    why = "exists and is not a folder";
    return false;
  }
  return writable_folder(path, why);
}

bool make_folder(const fs::path& path, std::string& why) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return true;
  fs::create_directories(path, ec);
  if (!ec) return true;
  why = "cannot be created (" + ec.message() + ")";
  return false;
}

// A file that can be created or replaced: an existing one that is writable and not a folder, or a new
// name in a writable folder.
bool writable_file(const fs::path& path, std::string& why) {
  std::error_code ec;
  if (!fs::exists(path, ec)) {
    if (writable_folder(path.has_parent_path() ? path.parent_path() : fs::path("."), why)) return true;
    why = "its folder " + why;
    return false;
  }
  if (fs::is_directory(path, ec))
    why = "is a folder, not a file";
  else if (::access(path.c_str(), W_OK) != 0)
    why = "cannot be written (no permission)";
  else
    return true;
  return false;
}

// Parses the command line and checks every input and output before anything is written.
int parse(int argc, char** argv, Arguments& args) {
  bool options_end = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (!options_end && a == "--") {
      options_end = true;
    } else if (!options_end && a == "--version") {
      std::cout << "kolbex-calc " << kolbex::shell::version << '\n';
      return -1;
    } else if (!options_end && (a == "--help" || a == "-h")) {
      std::cout << usage;
      return -1;
    } else if (!options_end && a == "--input-pressure") {
      args.options.input_pressure = true;
    } else if (!options_end && a == "--ganguly") {
      args.options.ganguly_1979 = true;
    } else if (!options_end && a == "--no-headings") {
      args.no_headings = true;
    } else if (!options_end &&
               (a == "--results" || a == "--diagrams" || a == "--workbook" || a == "--plots")) {
      if (i + 1 >= argc) return fail(std::string(a) + " needs a value\n" + std::string(usage));
      (a == "--results"    ? args.results
       : a == "--workbook" ? args.workbook
       : a == "--plots"    ? args.plots
                           : args.diagrams) = argv[++i];
    } else if (!options_end && a.starts_with("-") && a != "-") {
      return fail("unknown option " + std::string(a) + "\n" + std::string(usage));
    } else {
      Input input;
      input.path = argv[i];
      if (!input_kind(input.path, input.kind))
        return fail(
            input.path.string() +
            ": not a data set (.gsg), tab-separated text (.tsv, .txt), CSV (.csv) or workbook (.xlsx, .xls)");
      args.inputs.push_back(std::move(input));
    }
  }
  if (args.inputs.empty()) return fail("no INPUT given\n" + std::string(usage));

  for (Input& input : args.inputs) {
    std::string error;
    if (input.kind == InputKind::workbook) {
      input.workbook = kolbex::entry::read_workbook(input.path);
      if (input.workbook->failure != 0) return fail(input.path.string() + ": " + input.workbook->reason);
      // A sheet with a heading row of its own (not the input template's) is imported by its headings.
      if (!args.no_headings) {
        const kolbex::entry::FieldRows rows = kolbex::entry::workbook_rows(input.workbook->cells);
        if (kolbex::entry::has_heading_row(rows)) {
          const kolbex::entry::ImportPlan plan = kolbex::entry::plan_import(rows, '\t');
          if (!plan.refusal.empty()) return fail(input.path.string() + ": " + plan.refusal);
          if (!plan.by_position) {
            input.imported = kolbex::entry::import_analyses(rows, plan);
            input.summary = kolbex::entry::import_summary(plan, *input.imported);
          }
        }
      }
      continue;
    }
    if (!kolbex::shell::read_file_bytes(input.path, input.bytes, error)) return fail(error);
    if (input.kind == InputKind::data_set || (input.kind == InputKind::tab_text && args.no_headings))
      continue;
    // Tab-separated text without a heading row reads line by line as it always has; so does one whose
    // fields cannot be split as CSV (a stray quote in a name).
    const bool tab = input.kind == InputKind::tab_text;
    char separator = 0;
    if (!kolbex::entry::split_fields(input.bytes, tab ? '\t' : 0, input.fields, separator, error)) {
      if (tab) continue;
      return fail(input.path.string() + ": " + error);
    }
    if (!tab && input.fields.empty()) return fail(input.path.string() + ": the file is empty");
    if (!args.no_headings && kolbex::entry::has_element_heading_row(input.fields))
      return fail(input.path.string() + ": " + std::string(kolbex::entry::element_percent_refusal));
    if (args.no_headings || !kolbex::entry::has_heading_row(input.fields)) {
      if (tab) input.fields.clear();
      continue;
    }
    const kolbex::entry::ImportPlan plan = kolbex::entry::plan_import(input.fields, separator);
    if (!plan.refusal.empty()) return fail(input.path.string() + ": " + plan.refusal);
    if (plan.by_position) {  // the analysis table's own headings: read as laid out, below them
      input.imported = kolbex::entry::positional_analyses(input.fields, &plan);
      continue;
    }
    input.imported = kolbex::entry::import_analyses(input.fields, plan);
    input.summary = kolbex::entry::import_summary(plan, *input.imported);
    input.fields.clear();
  }
  std::string why;
  if (!args.results.empty() && !writable_file(args.results, why))
    return fail("--results " + args.results.string() + ": " + why);
  if (!args.workbook.empty() && !writable_file(args.workbook, why))
    return fail("--workbook " + args.workbook.string() + ": " + why);
  if (!usable_folder(args.diagrams, why)) return fail("--diagrams " + args.diagrams.string() + ": " + why);
  if (!args.plots.empty()) {
#ifdef KOLBEX_PLOTS
    if (!usable_folder(args.plots, why)) return fail("--plots " + args.plots.string() + ": " + why);
#else
    return fail("--plots " + args.plots.string() +
                ": this kolbex-calc was built without the diagrams (no Qt)");
#endif
  }
  if (!make_folder(args.diagrams, why)) return fail("--diagrams " + args.diagrams.string() + ": " + why);
  if (!args.plots.empty() && !make_folder(args.plots, why))
    return fail("--plots " + args.plots.string() + ": " + why);
  return 0;
}

// Number of lines of a tab-separated text: CR LF, CR and LF each end a line; a last line without an
// ending counts, an ending at the very end adds none.
int line_count(std::string_view text) {
  int lines = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || text[i] == '\r') {
      ++lines;
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
  }
  if (!text.empty() && text.back() != '\n' && text.back() != '\r') ++lines;
  return lines;
}

kolbex::results::RunSummary run(const Input& input, const Arguments& args,
                                kolbex::results::ResultsTable& results) {
  using kolbex::entry::AnalysisTable;
  if (input.kind == InputKind::workbook && !input.imported) {
    AnalysisTable table;  // as New File leaves it, then the workbook's 101 rows
    kolbex::entry::place_workbook(input.workbook->cells, table);
    return kolbex::results::run_calculation(table, AnalysisTable::layout_rows - 1, args.options, results,
                                            args.diagrams);
  }
  if (input.kind == InputKind::data_set) {
    AnalysisTable table;  // laid out by capCell: 300 analysis rows
    kolbex::entry::place_data_set(table, input.bytes);
    return kolbex::results::run_calculation(table, AnalysisTable::layout_rows - 1, args.options, results,
                                            args.diagrams);
  }
  if (input.imported || input.kind == InputKind::csv || !input.fields.empty()) {
    // Analyses imported by their headings, or fields read by position into columns 1 to 64.
    const kolbex::entry::ImportedAnalyses positional =
        input.imported ? kolbex::entry::ImportedAnalyses{}
                       : kolbex::entry::positional_analyses(input.fields, nullptr);
    const kolbex::entry::ImportedAnalyses& analyses = input.imported ? *input.imported : positional;
    const int count = static_cast<int>(analyses.rows.size());
    AnalysisTable table(count);
    kolbex::entry::place_analyses(analyses, table, analyses.rows.size());
    return kolbex::results::run_calculation(table, count, args.options, results, args.diagrams);
  }
  const std::string text = kolbex::shell::to_utf8(input.bytes);
  const int lines = line_count(text);
  AnalysisTable table(lines);
  table.select_block({1, 1}, {lines, table.C() - 1});
  if (lines > 0) table.write_clip_text(text);
  return kolbex::results::run_calculation(table, lines, args.options, results, args.diagrams);
}

std::string table_text(const kolbex::results::ResultsTable& results) {
  std::string text;
  for (std::size_t r = 0; r < results.row_count(); ++r) {
    text += results.row_text(r);
    text += '\n';
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  Arguments args;
  if (const int status = parse(argc, argv, args); status != 0) return status < 0 ? 0 : status;

  kolbex::results::ResultsTable results;
  for (const Input& input : args.inputs) {
    for (const std::string& line : input.summary)
      std::cerr << "kolbex-calc: " << input.path.string() << ": " << line << '\n';
    // A diagram file that fails loses its lines but not the run; say so, since no window will.
    for (const fs::path& file : run(input, args, results).unwritten_diagram_files)
      std::cerr << "kolbex-calc: warning: " << input.path.string() << ": the diagram data file "
                << file.string() << " could not be written\n";
  }

  if (!args.workbook.empty()) {
    std::string error;
    if (!kolbex::results::write_results_workbook(results, args.workbook, error)) {
      std::cerr << "kolbex-calc: --workbook " << error << '\n';
      return exit_write_failed;
    }
  }

#ifdef KOLBEX_PLOTS
  if (!args.plots.empty()) {
    // Drawing needs no display: the offscreen platform unless another is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qt_argc = 1;
    char* qt_argv[] = {argv[0], nullptr};
    QGuiApplication application(qt_argc, qt_argv);
    std::string error;
    if (!kolbex::results::render_all_diagrams(args.diagrams, args.plots, error)) {
      std::cerr << "kolbex-calc: --plots " << error << '\n';
      return exit_write_failed;
    }
  }
#endif

  const std::string text = table_text(results);
  if (args.results.empty()) {
    std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
    std::cout.flush();
    if (!std::cout) {
      std::cerr << "kolbex-calc: the results could not be written to standard output\n";
      return exit_write_failed;
    }
    return 0;
  }
  std::string error;
  if (!kolbex::shell::write_file_replacing(args.results, text, error)) {
    std::cerr << "kolbex-calc: --results " << error << '\n';
    return exit_write_failed;
  }
  return 0;
}
