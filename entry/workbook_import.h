#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "entry/analysis_table.h"
#include "entry/heading_import.h"

namespace kolbex::entry {

// A workbook's contribution to the analysis table: the 101 x 65 rectangle of the worksheet that was shown
// when the workbook was saved, worksheet cell (r + 1, c + 1) for table cell (r, c). A cell holds the text
// form of its value (an empty cell, or none, gives the empty text), or nothing for a value without a text
// form (an error value): then the table cell keeps its text.
class WorkbookRectangle {
 public:
  static constexpr int rows = 101, columns = 65;
  std::optional<std::string>& at(int row, int column) {
    return cells_[static_cast<std::size_t>(row) * columns + static_cast<std::size_t>(column)];
  }
  const std::optional<std::string>& at(int row, int column) const {
    return cells_[static_cast<std::size_t>(row) * columns + static_cast<std::size_t>(column)];
  }

 private:
  std::vector<std::optional<std::string>> cells_ =
      std::vector<std::optional<std::string>>(rows * columns, std::string());
};

// The outcome of reading a workbook: the failure number (0; 53 "File not found", 75 "Path/File access
// error", 321 "Invalid file format", ...) with a reason, and the rectangle when it was read whole.
struct WorkbookRead {
  int failure = 0;
  std::string reason;
  WorkbookRectangle cells;
};

// Reads a workbook file, .xlsx or .xls by its content (a zip or a Compound File), whatever its name.
WorkbookRead read_workbook(const std::filesystem::path& path);
// The .xlsx reader itself, on the bytes of a file.
WorkbookRead read_xlsx(std::string_view bytes);

// The text form of a number: the general format of the results ("40.1", "0.5", "1E-05").
std::string number_text(double x);

// The table gets 101 rows and 65 columns; each rectangle cell with a value becomes that cell's text. The
// current cell and the selection end are left at (100, 64), the last cell written.
void place_workbook(const WorkbookRectangle& cells, AnalysisTable& table);

// The rows of a workbook's shown sheet for an import by headings: the rectangle's rows up to the last one
// with a value, each up to its last value.
FieldRows workbook_rows(const WorkbookRectangle& cells);

}  // namespace kolbex::entry
