#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "results/results_columns.h"
#include "results/results_table.h"

namespace kolbex::results {

// How a results cell is stored in the workbook: a text that is a number in one of the results' formats
// is that number with that format, so the spreadsheet shows the same text and can compute with it; an
// empty text is a blank cell; any other text is a string (never a formula).
struct WorkbookCell {
  enum class Kind { blank, number, string } kind = Kind::blank;
  double number = 0;
  Format format = Format::general;  // for a number: fixed3, fixed2, whole or general
};

// `column_format` is tried first (the format of the cell's column), then "#,##0.000", "#,##0.00", "####"
// and the general format.
WorkbookCell workbook_cell(std::string_view text, Format column_format);

// The results workbook ("Output.xlsx"): its first worksheet holds every cell of the table, cell (r, c) at
// row r + 1, column c + 1, the two header rows included; the columns as wide as the table's, the headings
// of the partner-mineral and thermometer blocks in their colours, the header rows and the sample column
// frozen. The whole workbook is written to a temporary file beside `path` and renamed into place, so a
// failed send leaves the earlier workbook as it was. `progress` is told each row as it is written. False
// with the reason in `error` and the system's error number in `os_error` when given.
bool write_results_workbook(const ResultsTable& table, const std::filesystem::path& path, std::string& error,
                            int* os_error = nullptr, const std::function<void(std::size_t)>& progress = {});

}  // namespace kolbex::results
