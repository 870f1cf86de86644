#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/analysis_columns.h"
#include "engine/analysis_record.h"

namespace kolbex::entry {

class AnalysisTable;

// A probe export or a table from a paper, read by its column headings into the analysis table's layout.
//
// The file's rows are split into fields (comma, semicolon or TAB, quoted as RFC 4180), the heading row is
// the first of the first 20 rows in which at least three cells name oxides, and each column goes to the
// analysis-table column its heading names. Columns that have no place are listed, never dropped silently.

using FieldRows = std::vector<std::vector<std::string>>;

// How many of a file's first rows are searched for its heading row.
inline constexpr std::size_t heading_search_rows = 20;

// Splits delimited text (UTF-8 with or without a byte order mark, otherwise Windows-1252) into rows of
// UTF-8 fields. `separator` 0 chooses the one of ',', ';' and TAB that the first line uses most. False
// with the reason when the text cannot be split (an unterminated quote, binary bytes).
bool split_fields(std::string_view bytes, char separator, FieldRows& rows, char& used_separator,
                  std::string& reason);

// Where a source column goes.
enum class ColumnRole {
  ignored,       // no place in the analysis table; listed
  oxide,         // an oxide of the table, by its formula
  total_fe2o3,   // total iron given as Fe2O3, converted to FeO
  sample,        // the sample name
  table_column,  // the cubic flag or a partner-mineral value, by the analysis table's own heading
};

struct SourceColumn {
  std::string heading;  // as the file has it
  ColumnRole role = ColumnRole::ignored;
  int target = 0;  // the analysis-table column (1 to 64); 0 when ignored
};

struct ImportPlan {
  std::size_t heading_row = 0;        // index of the heading row among the file's rows
  std::vector<std::string> skipped;   // the rows above it (titles, units lines), joined by " | "
  std::vector<SourceColumn> columns;  // one per field of the heading row
  bool decimal_comma = false;         // "37,44" is 37.44
  bool by_position = false;           // the heading row is the analysis table's own: read as laid out
  std::string refusal;                // why the file cannot be imported; empty when it can
};

// What the rows of a file from the 21st on say for its plan, gathered without keeping them: whether any
// holds a value; and, where the file is not comma-separated (`decimals`), per column the values written
// with a decimal comma ("37,44") and those with a decimal point.
struct LaterRows {
  std::vector<int> commas, points;
  bool any_value = false;
  void add(const std::vector<std::string>& row, bool decimals);
};

// Finds the heading row and the place of every column. A file without a heading row gets a refusal that
// says so (the caller may then read it in the fixed layout).
ImportPlan plan_import(const FieldRows& rows, char separator);

// Whether `rows` has a heading row at all (at least three oxide names in one of the first 20 rows).
bool has_heading_row(const FieldRows& rows);
// Whether, without one, a row there names at least three elements (Si, Al, Fe ...): an export in element
// weight per cent, which must not be read as oxides.
bool has_element_heading_row(const FieldRows& rows);
// The refusal for such a file.
inline constexpr std::string_view element_percent_refusal =
    "its columns hold element percentages (Si, Al, Fe ...), not oxides: convert them to oxide weight per "
    "cent first";

// The analyses of an import, each a row of the analysis table (columns 1 to 64), and what was done to
// the values on the way.
using AnalysisRow = std::array<std::string, engine::analysis_column_count>;

struct ImportedAnalyses {
  std::vector<AnalysisRow> rows;
  int below_detection = 0;         // "<0.02", "b.d.l.", "n.d.", "-" and the like, set to 0
  int negatives = 0;               // negative values, set to 0 unless kept
  int empty_rows = 0;              // rows with no value in any placed column, left out
  std::vector<std::string> texts;  // non-numbers kept as text in a numeric cell, "row, heading: text"
};

ImportedAnalyses import_analyses(const FieldRows& rows, const ImportPlan& plan, bool keep_negatives = false);

// One row of the file (row `index` of it, counted from 0) imported by the plan into `analysis`, its values
// counted in `counts` (all but its rows). False, counted as an empty row, when it has no value in any
// placed column.
bool import_row(const std::vector<std::string>& fields, std::size_t index, const ImportPlan& plan,
                bool keep_negatives, ImportedAnalyses& counts, AnalysisRow& analysis);

// Writes the analyses into rows 1 onwards of `table`, at most `limit` of them (the table must have that
// many rows); empty cells are left as they are. Returns how many were placed.
std::size_t place_analyses(const ImportedAnalyses& analyses, AnalysisTable& table, std::size_t limit);

// The rows below the analysis table's own heading row (`plan.by_position`), or every row of a file without
// a heading row (`plan` null), as columns 1 to 64 in their order; a leading "Row No" column is dropped.
ImportedAnalyses positional_analyses(const FieldRows& rows, const ImportPlan* plan);
// The same for one row: its fields from `skip` on (1 after a "Row No" heading, else 0) as columns 1 to 64.
void positional_row(const std::vector<std::string>& fields, std::size_t skip, AnalysisRow& analysis);
std::size_t positional_skip(const FieldRows& rows, const ImportPlan* plan);

// Sends source column `column` to analysis-table column `target` (0: ignore it), with the role that
// column gives: the sample name, an oxide (total Fe2O3 stays a conversion while it goes to FeO), or a
// table column. Then checks that no two columns share a place; the refusal names them.
void place_column(ImportPlan& plan, std::size_t column, int target);

// The summary of an import: the first line counts ("37 analyses, 12 columns recognised, 2 ignored: K2O,
// Total; 5 values below detection set to 0"), then one line per ignored or converted column and per
// skipped row.
std::vector<std::string> import_summary(const ImportPlan& plan, const ImportedAnalyses& analyses);
// The same for `count` analyses imported one at a time (not kept in `analyses.rows`).
std::vector<std::string> import_summary(const ImportPlan& plan, const ImportedAnalyses& analyses,
                                        std::size_t count);

// A delimited file of any length, read twice through a buffer of fixed size rather than held whole. The
// first reading (`survey`) finds its encoding and separator, keeps its first 20 rows and gathers what
// the later rows say for the plan; the second (`read_rows`) gives every row in order, in UTF-8, with its
// index from 0. Rows and plan are those that split_fields and plan_import give for the whole file.
class DelimitedFile {
 public:
  // `separator` 0 chooses as split_fields does. False with the reason when the file cannot be read or
  // split.
  bool survey(const std::filesystem::path& path, char separator, std::string& reason);
  const FieldRows& first_rows() const { return first_rows_; }
  std::size_t row_count() const { return row_count_; }
  char separator() const { return separator_; }
  ImportPlan plan() const;
  bool read_rows(const std::function<void(std::size_t index, std::vector<std::string>& fields)>& on_row,
                 std::string& reason) const;

 private:
  std::filesystem::path path_;
  bool utf8_ = true;
  char separator_ = 0;
  FieldRows first_rows_;
  std::size_t row_count_ = 0;
  LaterRows later_;
};

}  // namespace kolbex::entry
