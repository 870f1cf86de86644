// kolbex-calc: the Calculate command without the windows. Each INPUT is one run over an analysis table;
// the runs append to one results table, written as TAB-separated UTF-8 text. Every run rewrites the
// thirteen diagram data files, so they hold the analyses of the last INPUT.

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "entry/analysis_table.h"
#include "entry/data_set_file.h"
#include "entry/heading_import.h"
#include "entry/workbook_import.h"
#include "results/calculation_run.h"
#include "results/results_table.h"
#include "results/run_context.h"
#include "results/workbook_writer.h"
#include "shell/file_io.h"
#include "shell/line_reader.h"
#include "shell/program_folders.h"
#include "shell/text_encoding.h"
#include "shell/utf8.h"
#include "shell/version.h"
#include "thermometry/run_options.h"

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

// How the rows of a delimited text (a CSV, or a tab-separated text with a heading row) become analyses.
enum class TextRows { by_headings, by_position };

struct Input {
  fs::path path;
  InputKind kind = InputKind::data_set;
  // Tab-separated text without a heading row: read line by line, each line one analysis row in columns
  // 1 to 64, never held whole. `utf8` tells whether the whole file is UTF-8 (else Windows-1252).
  bool streamed = false;
  bool utf8 = true;
  std::string bytes;  // a data set file
  // A delimited text, read a second time row by row during the run: imported by its headings, or its
  // fields by position from `first_row` on (`skip` leading fields dropped).
  std::optional<kolbex::entry::DelimitedFile> delimited;
  TextRows text_rows = TextRows::by_position;
  kolbex::entry::ImportPlan plan;
  std::size_t first_row = 0, skip = 0;
  // The analyses of a workbook imported by its headings.
  std::optional<kolbex::entry::ImportedAnalyses> imported;
  std::vector<std::string> summary;  // what the import of a workbook did, for standard error
  std::optional<kolbex::entry::WorkbookRead> workbook;
};

struct Arguments {
  kolbex::thermometry::RunOptions options;
  fs::path results;   // empty: standard output
  fs::path workbook;  // empty: none
  fs::path plots;     // empty: no diagrams drawn
  fs::path drawer;    // kolbex-draw, which draws them (with --plots only)
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

// A line longer than this is not an analysis row: the file is refused before anything is written.
constexpr std::size_t longest_line = std::size_t{16} * 1024 * 1024;
// How much of a tab-separated text is read to look for a heading row in its first rows.
constexpr std::size_t heading_search_bytes = 1 << 16;

// The first pass over a streamed text: it can be read, no line is too long, and whether it is UTF-8.
bool check_streamed_text(Input& input, std::string& error) {
  std::ifstream in;
  if (kolbex::shell::open_for_reading(input.path, in, error) != 0) {
    error = input.path.string() + ": " + error;
    return false;
  }
  kolbex::shell::LineReader lines(in, 1 << 16, longest_line);
  std::string_view line;
  input.utf8 = true;
  while (lines.next(line)) {
    // Line endings never fall inside a UTF-8 sequence, so the file is UTF-8 when every line is.
    if (input.utf8 && !kolbex::shell::is_valid_utf8(line)) input.utf8 = false;
  }
  if (lines.overlong()) {
    error = input.path.string() + ": a line longer than 16 MiB, not an analysis row";
    return false;
  }
  if (in.bad()) {
    error = input.path.string() + ": the file could not be read";
    return false;
  }
  input.streamed = true;
  return true;
}

// Whether the start of a tab-separated text settles that it has no heading row (of oxides or of
// elements), so that it can be read line by line. When it cannot (long lines, a quoted field running on),
// the whole file decides.
bool start_has_no_heading_row(const fs::path& path, bool& settled, std::string& error) {
  std::string start;
  bool whole = true;
  settled = false;
  if (!kolbex::shell::read_file_start(path, heading_search_bytes, start, whole, error)) return false;
  if (!whole) start.resize(start.find_last_of("\r\n") + 1);  // complete lines only (none: nothing)
  kolbex::entry::FieldRows rows;
  char separator = 0;
  std::string reason;
  if (!kolbex::entry::split_fields(start, '\t', rows, separator, reason)) return true;
  if (!whole && rows.size() < kolbex::entry::heading_search_rows) return true;
  settled = !kolbex::entry::has_heading_row(rows) && !kolbex::entry::has_element_heading_row(rows);
  return true;
}

// Reads an INPUT far enough to know how it will be calculated, and refuses it now if it cannot be.
int read_input(Input& input, bool no_headings) {
  std::string error;
  if (input.kind == InputKind::workbook) {
    input.workbook = kolbex::entry::read_workbook(input.path);
    if (input.workbook->failure != 0) return fail(input.path.string() + ": " + input.workbook->reason);
    // A sheet with a heading row of its own (not the input template's) is imported by its headings.
    if (!no_headings) {
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
    return 0;
  }
  const bool tab = input.kind == InputKind::tab_text;
  if (tab) {
    bool settled = no_headings;
    if (!settled && !start_has_no_heading_row(input.path, settled, error)) return fail(error);
    if (settled) return check_streamed_text(input, error) ? 0 : fail(error);
  }
  if (input.kind == InputKind::data_set)
    return kolbex::shell::read_file_bytes(input.path, input.bytes, error) ? 0 : fail(error);
  // Tab-separated text without a heading row reads line by line as it always has; so does one whose
  // fields cannot be split as CSV (a stray quote in a name).
  const auto streamed = [&input, &error] {
    input.delimited.reset();
    return check_streamed_text(input, error) ? 0 : fail(error);
  };
  kolbex::entry::DelimitedFile& file = input.delimited.emplace();
  if (!file.survey(input.path, tab ? '\t' : 0, error)) {
    if (tab) return streamed();
    return fail(input.path.string() + ": " + error);
  }
  const kolbex::entry::FieldRows& first = file.first_rows();
  if (!tab && file.row_count() == 0) return fail(input.path.string() + ": the file is empty");
  if (!no_headings && kolbex::entry::has_element_heading_row(first))
    return fail(input.path.string() + ": " + std::string(kolbex::entry::element_percent_refusal));
  if (no_headings || !kolbex::entry::has_heading_row(first)) {
    if (tab) return streamed();
    return 0;  // every row by position
  }
  input.plan = file.plan();
  if (!input.plan.refusal.empty()) return fail(input.path.string() + ": " + input.plan.refusal);
  if (input.plan.by_position) {  // the analysis table's own headings: read as laid out, below them
    input.first_row = input.plan.heading_row + 1;
    input.skip = kolbex::entry::positional_skip(first, &input.plan);
    return 0;
  }
  input.text_rows = TextRows::by_headings;
  return 0;
}

// Draws the diagrams of the last run's data files into the --plots folder with kolbex-draw, which alone
// loads the toolkit; the helper says what failed.
bool draw(const Arguments& args) {
  std::string program = args.drawer.string(), data = args.diagrams.string(), out = args.plots.string();
  char* argv[] = {program.data(), data.data(), out.data(), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) {
    std::cerr << "kolbex-calc: --plots " << program << " could not be started\n";
    return false;
  }
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    if (!WIFEXITED(status)) std::cerr << "kolbex-calc: --plots " << program << " did not finish\n";
    return false;
  }
  return true;
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

  for (Input& input : args.inputs)
    if (const int status = read_input(input, args.no_headings); status != 0) return status;
  std::string why;
  if (!args.results.empty() && !writable_file(args.results, why))
    return fail("--results " + args.results.string() + ": " + why);
  if (!args.workbook.empty() && !writable_file(args.workbook, why))
    return fail("--workbook " + args.workbook.string() + ": " + why);
  if (!usable_folder(args.diagrams, why)) return fail("--diagrams " + args.diagrams.string() + ": " + why);
  if (!args.plots.empty()) {
    std::error_code ec;
    args.drawer = kolbex::shell::helper_path(kolbex::shell::running_program_folder(), "kolbex-draw");
    if (!fs::exists(args.drawer, ec))
      return fail("--plots " + args.plots.string() + ": this kolbex-calc cannot draw: " +
                  args.drawer.string() + " is missing (built without Qt)");
    if (!usable_folder(args.plots, why)) return fail("--plots " + args.plots.string() + ": " + why);
  }
  if (!make_folder(args.diagrams, why)) return fail("--diagrams " + args.diagrams.string() + ": " + why);
  if (!args.plots.empty() && !make_folder(args.plots, why))
    return fail("--plots " + args.plots.string() + ": " + why);
  return 0;
}

// The results file as the runs produce it: the two header rows, then each analysis's row in the order
// calculated. A second thread formats and writes the rows (through a buffer of fixed size) while the run
// calculates the next analyses; they meet in a ring of a few working contexts, so memory stays flat.
// With --workbook the rows are also kept.
class ResultsOutput {
 public:
  ResultsOutput(std::ostream& out, kolbex::results::ResultsTable* kept) : out_(out), kept_(kept) {
    for (auto& slot : ring_) slot = std::make_unique<kolbex::results::RunContext>();
    buffer_ = kolbex::results::header_row_numbers() + '\n' + kolbex::results::header_row_headings() + '\n';
    writer_ = std::thread([this] { write_rows(); });
  }
  ~ResultsOutput() { finish(); }
  ResultsOutput(const ResultsOutput&) = delete;
  ResultsOutput& operator=(const ResultsOutput&) = delete;

  // The next analysis: copied into a free slot of the ring (waiting for one when all are taken).
  void add(const kolbex::results::RunContext& analysis) {
    std::size_t slot = 0;
    {
      std::unique_lock lock(mutex_);
      slot_free_.wait(lock, [this] { return filled_ - written_ < ring_size; });
      slot = filled_ % ring_size;
    }
    *ring_[slot] = analysis;  // the writer reads only the slots filled before this one
    {
      const std::lock_guard lock(mutex_);
      ++filled_;
    }
    slot_filled_.notify_one();
  }

  // Waits for every row to be written; false when the output failed.
  bool finish() {
    if (writer_.joinable()) {
      {
        const std::lock_guard lock(mutex_);
        done_ = true;
      }
      slot_filled_.notify_one();
      writer_.join();
      flush();
    }
    return static_cast<bool>(out_);
  }

 private:
  static constexpr std::size_t ring_size = 64;
  static constexpr std::size_t flush_size = 1 << 18;

  void write_rows() {
    for (;;) {
      std::size_t from = 0, to = 0;
      {
        std::unique_lock lock(mutex_);
        slot_filled_.wait(lock, [this] { return filled_ > written_ || done_; });
        if (filled_ == written_) return;  // done, and everything written
        from = written_;
        to = filled_;
      }
      for (std::size_t i = from; i < to; ++i) {
        const kolbex::results::RunContext& analysis = *ring_[i % ring_size];
        kolbex::results::format_results_row(analysis, buffer_);
        buffer_ += '\n';
        if (kept_) kept_->append(analysis);
        if (buffer_.size() >= flush_size) flush();
      }
      {
        const std::lock_guard lock(mutex_);
        written_ = to;
      }
      slot_free_.notify_one();
    }
  }
  void flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
  }

  std::ostream& out_;
  kolbex::results::ResultsTable* kept_;
  std::string buffer_;  // the writer's
  std::array<std::unique_ptr<kolbex::results::RunContext>, ring_size> ring_;
  std::mutex mutex_;
  std::condition_variable slot_filled_, slot_free_;
  std::size_t filled_ = 0, written_ = 0;  // analyses handed over, and formatted
  bool done_ = false;
  std::thread writer_;
};

// One line of a streamed text as an analysis row: its TAB-separated fields are columns 1 to 64, as pasted
// into the analysis table.
class LineCells : public kolbex::engine::CellSource {
 public:
  void set(std::string_view line) {
    fields_.fill({});
    std::size_t column = 1;
    for (std::size_t start = 0; column < fields_.size(); ++column) {
      const std::size_t tab = line.find('\t', start);
      fields_[column] =
          line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
      if (tab == std::string_view::npos) break;
      start = tab + 1;
    }
  }
  std::string_view cell(int, int column) const override {
    return column >= 1 && column < static_cast<int>(fields_.size())
               ? fields_[static_cast<std::size_t>(column)]
               : std::string_view();
  }

 private:
  std::array<std::string_view, kolbex::engine::analysis_column_count> fields_{};
};

// One analysis row of its own, rows 1 onwards all the same.
class RowCells : public kolbex::engine::CellSource {
 public:
  explicit RowCells(const kolbex::entry::AnalysisRow& row) : row_(row) {}
  std::string_view cell(int, int column) const override {
    return column >= 1 && column < kolbex::engine::analysis_column_count
               ? row_[static_cast<std::size_t>(column)]
               : std::string_view();
  }

 private:
  const kolbex::entry::AnalysisRow& row_;
};

struct InputRun {
  kolbex::results::RunSummary summary;
  std::vector<std::string> import_lines;  // what an import by headings did
  std::string read_error;                 // a file that could not be read again
};

InputRun run(const Input& input, const Arguments& args, ResultsOutput& output) {
  InputRun result;
  using kolbex::entry::AnalysisTable;
  kolbex::results::AnalysisRun run(args.options, args.diagrams,
                                   [&output](const kolbex::results::RunContext& a) { output.add(a); });
  if (input.streamed) {
    std::ifstream in;
    if (kolbex::shell::open_for_reading(input.path, in, result.read_error) != 0)
      result.read_error = input.path.string() + ": " + result.read_error;
    kolbex::shell::LineReader lines(in, 1 << 16, longest_line);
    LineCells cells;
    std::string converted;
    std::string_view line;
    for (int row = 1; lines.next(line); ++row) {
      if (!input.utf8) {
        converted.clear();
        kolbex::shell::append_windows_1252_as_utf8(converted, line);
        line = converted;
      }
      cells.set(line);
      run.add(cells, row);
    }
    if (result.read_error.empty() && (in.bad() || lines.overlong()))
      result.read_error = input.path.string() + ": the file could not be read again as it was";
  } else if (input.delimited) {
    kolbex::entry::AnalysisRow analysis;
    const RowCells cells(analysis);
    kolbex::entry::ImportedAnalyses counts;
    std::size_t analyses = 0;
    const bool headings = input.text_rows == TextRows::by_headings;
    const auto on_row = [&](std::size_t index, const std::vector<std::string>& fields) {
      if (headings) {
        if (index <= input.plan.heading_row ||
            !kolbex::entry::import_row(fields, index, input.plan, false, counts, analysis))
          return;
      } else {
        if (index < input.first_row) return;
        kolbex::entry::positional_row(fields, input.skip, analysis);
      }
      run.add(cells, static_cast<int>(++analyses));
    };
    if (!input.delimited->read_rows(on_row, result.read_error))
      result.read_error = input.path.string() + ": " + result.read_error;
    if (headings) result.import_lines = kolbex::entry::import_summary(input.plan, counts, analyses);
  } else if (input.imported) {
    for (std::size_t r = 0; r < input.imported->rows.size(); ++r)
      run.add(RowCells(input.imported->rows[r]), static_cast<int>(r) + 1);
  } else {
    // A data set laid out by capCell (300 analysis rows), or a workbook laid out as the analysis table
    // (as New File leaves it, then the workbook's 101 rows).
    AnalysisTable table;
    if (input.kind == InputKind::data_set)
      kolbex::entry::place_data_set(table, input.bytes);
    else
      kolbex::entry::place_workbook(input.workbook->cells, table);
    for (int r = 1; r < AnalysisTable::layout_rows; ++r) run.add(table, r);
  }
  result.summary = run.finish();
  return result;
}

// Every run, its results into `out`; the import summaries and the warnings on standard error. False when
// the results could not be written; `read_failed` when an INPUT could not be read a second time.
bool run_all(const Arguments& args, std::ostream& out, kolbex::results::ResultsTable* kept,
             bool& read_failed) {
  ResultsOutput output(out, kept);
  for (const Input& input : args.inputs) {
    const InputRun result = run(input, args, output);
    for (const std::vector<std::string>* lines : {&input.summary, &result.import_lines})
      for (const std::string& line : *lines)
        std::cerr << "kolbex-calc: " << input.path.string() << ": " << line << '\n';
    // A diagram file that fails loses its lines but not the run; say so, since no window will.
    for (const fs::path& file : result.summary.unwritten_diagram_files)
      std::cerr << "kolbex-calc: warning: " << input.path.string() << ": the diagram data file "
                << file.string() << " could not be written\n";
    if (!result.read_error.empty()) {
      std::cerr << "kolbex-calc: " << result.read_error << '\n';
      read_failed = true;
    }
  }
  return output.finish();
}

}  // namespace

int main(int argc, char** argv) {
  Arguments args;
  if (const int status = parse(argc, argv, args); status != 0) return status < 0 ? 0 : status;

  // The results stream to their file (through a temporary file renamed into place) or to standard output;
  // only --workbook keeps them all.
  std::optional<kolbex::results::ResultsTable> kept;
  if (!args.workbook.empty()) kept.emplace();
  kolbex::results::ResultsTable* keep = kept ? &*kept : nullptr;
  bool read_failed = false;
  if (args.results.empty()) {
    std::ios::sync_with_stdio(false);
    if (!run_all(args, std::cout, keep, read_failed) || !std::cout.flush()) {
      std::cerr << "kolbex-calc: the results could not be written to standard output\n";
      return exit_write_failed;
    }
  } else {
    std::string error;
    const auto write = [&](const fs::path& file, std::string& reason, int& error_number) {
      errno = 0;
      std::ofstream out(file, std::ios::binary | std::ios::out);
      if (!out) {
        error_number = errno;
        return false;
      }
      const bool written = run_all(args, out, keep, read_failed);
      out.close();
      if (!written || !out) {
        error_number = errno;
        reason = "the file could not be written";
        return false;
      }
      return true;
    };
    if (!kolbex::shell::write_file_replacing(args.results, write, error)) {
      std::cerr << "kolbex-calc: --results " << error << '\n';
      return exit_write_failed;
    }
  }

  if (kept) {
    std::string error;
    if (!kolbex::results::write_results_workbook(*kept, args.workbook, error)) {
      std::cerr << "kolbex-calc: --workbook " << error << '\n';
      return exit_write_failed;
    }
  }

  if (!args.plots.empty() && !draw(args)) return exit_write_failed;
  return read_failed ? exit_bad_input : 0;
}
