#include "entry/workbook_import.h"

#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include <map>
#include <tuple>

#include "shell/failure.h"
#include "tests/support/temp_folder.h"

namespace kolbex::entry {
namespace {

const std::string fixtures = KOLBEX_WORKBOOKS;

using Cells = std::vector<std::tuple<int, int, std::optional<std::string>>>;

// Workbooks written by real writers (openpyxl, xlwt; see make_workbooks.py): what their rectangles hold.
TEST(WorkbookImport, ReadsTheShownSheetOfWorkbooks) {
  struct Case {
    const char* file;
    Cells cells;
  } cases[] = {
      {"basic.xlsx",
       {{0, 0, "Row No"},
        {0, 1, "Sample No"},
        {1, 0, "1"},
        {1, 1, "S1"},
        {1, 2, "40.1"},
        {1, 3, "True"},
        {1, 4, "0.5"},
        {1, 5, "1E-05"},
        {1, 6, "Grün µm"},
        {2, 1, "S2"},
        {2, 2, "36.7"},
        {5, 5, ""}}},
      {"second_active.xlsx", {{1, 1, "second sheet, shown"}, {1, 2, "40.1"}}},
      // Only rows 1 to 101 and columns A to BM are read.
      {"rows150_columns300.xlsx", {{100, 1, "r101c2"}, {100, 64, "r101c65"}, {0, 0, "r1c1"}}},
      // An empty row 1 empties the headings.
      {"empty_headings.xlsx", {{0, 1, ""}, {0, 64, ""}, {1, 1, "no headings above"}}},
      // Cached formula results, a rich inline string, and an error value, which has no text form.
      {"formulas_inline.xlsx", {{1, 1, "2"}, {1, 2, "xy"}, {1, 3, "inline text"}, {1, 4, std::nullopt}}},
      // Saved again by LibreOffice Calc: shared strings, the shown sheet kept, formula results saved.
      {"libreoffice/second_active.xlsx",
       {{1, 1, "second sheet, shown"}, {1, 2, "40.1"}, {0, 1, "Sample No"}}},
      {"libreoffice/second_active.xls", {{1, 1, "second sheet, shown"}, {1, 2, "40.1"}, {0, 1, "Sample No"}}},
      {"libreoffice/formulas_inline.xlsx", {{1, 1, "2"}, {1, 2, "xy"}, {1, 3, "inline text"}}},
      // FreeXL gives a formula cell no value: it reads empty.
      {"second_active.xls",
       {{0, 0, "Row No"},
        {1, 1, "S1"},
        {1, 2, "40.1"},
        {1, 3, "7"},
        {1, 4, ""},
        {1, 6, "Grün µm"},
        {100, 1, "row 100"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const WorkbookRead read = read_workbook(fixtures + "/" + c.file);
    ASSERT_EQ(read.failure, 0) << read.reason;
    for (const auto& [r, col, text] : c.cells) EXPECT_EQ(read.cells.at(r, col), text) << r << ", " << col;
  }
}

// Every damaged file is refused as "Invalid file format" (321), and nothing of it is kept.
TEST(WorkbookImport, RefusesDamagedFiles) {
  for (const char* file : {"zero_bytes.xlsx", "truncated.xlsx", "bad_shared_index.xlsx", "bad_reference.xlsx",
                           "missing_sheet.xlsx", "entity_expansion.xlsx", "deeply_nested.xlsx",
                           "zip_bomb.xlsx", "zip_bomb_lying.xlsx", "not_a_workbook.xls"}) {
    SCOPED_TRACE(file);
    const WorkbookRead read = read_workbook(fixtures + "/" + file);
    EXPECT_EQ(read.failure, shell::failure::invalid_file_format) << read.reason;
    EXPECT_FALSE(read.reason.empty());
  }
  EXPECT_EQ(read_workbook(fixtures + "/missing.xlsx").failure, shell::failure::file_not_found);
  EXPECT_EQ(read_workbook(fixtures).failure, shell::failure::path_file_access_error);  // a folder
  // The reader is given the bytes: what a .xls renamed .xlsx holds decides, not its name.
  const WorkbookRead xls = read_workbook(fixtures + "/second_active.xls");
  EXPECT_EQ(xls.cells.at(1, 1), std::optional<std::string>("S1"));
}

// libxlsxwriter keeps its strings in the shared-strings part; its numbers and booleans as such.
TEST(WorkbookImport, ReadsSharedStringsOfLibxlsxwriter) {
  const test::TempFolder folder("kolbex-import");
  const auto path = folder.path() / "shared.xlsx";
  lxw_workbook* workbook = workbook_new(path.c_str());
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
  worksheet_write_string(sheet, 0, 1, "Sample No", nullptr);
  worksheet_write_string(sheet, 1, 1, "Grt-7", nullptr);
  worksheet_write_string(sheet, 2, 1, "Grt-7", nullptr);  // one shared string, used twice
  worksheet_write_number(sheet, 1, 2, 38.25, nullptr);
  worksheet_write_boolean(sheet, 1, 31, 0, nullptr);
  worksheet_write_string(sheet, 1, 65, "beyond BM", nullptr);
  worksheet_write_string(sheet, 101, 1, "row 102", nullptr);
  ASSERT_EQ(workbook_close(workbook), LXW_NO_ERROR);
  const WorkbookRead read = read_workbook(path);
  ASSERT_EQ(read.failure, 0) << read.reason;
  EXPECT_EQ(read.cells.at(1, 1), std::optional<std::string>("Grt-7"));
  EXPECT_EQ(read.cells.at(2, 1), std::optional<std::string>("Grt-7"));
  EXPECT_EQ(read.cells.at(1, 2), std::optional<std::string>("38.25"));
  EXPECT_EQ(read.cells.at(1, 31), std::optional<std::string>("False"));
}

// The input templates are laid out as the analysis table: loading one gives the table
// its own headings and row numbers back.
TEST(WorkbookImport, InputTemplatesFollowTheAnalysisTable) {
  for (const char* name : {"Kolbex.xlsx", "Kolbex.xls"}) {
    SCOPED_TRACE(name);
    const WorkbookRead read = read_workbook(std::string(KOLBEX_TEMPLATES) + "/" + name);
    ASSERT_EQ(read.failure, 0) << read.reason;
    for (int c = 0; c < engine::analysis_column_count; ++c)
      EXPECT_EQ(read.cells.at(0, c), std::optional<std::string>(std::string(engine::analysis_headings[c])))
          << c;
    for (int r = 1; r <= 100; ++r)
      EXPECT_EQ(read.cells.at(r, 0), std::optional<std::string>(std::to_string(r)));
    EXPECT_EQ(read.cells.at(1, 1), std::optional<std::string>(""));
  }
}

TEST(WorkbookImport, PlacesTheRectangleIntoTheTable) {
  WorkbookRectangle cells;
  cells.at(1, 1) = "S1";
  cells.at(1, 2).reset();  // no text form: the table cell keeps its text
  cells.at(0, 1) = "";
  AnalysisTable table;
  table.set_text(1, 2, "kept");
  table.set_text(150, 1, "beyond the hundredth row");
  place_workbook(cells, table);
  EXPECT_EQ(table.R(), 101);
  EXPECT_EQ(table.C(), 65);
  EXPECT_EQ(table.text(1, 1), "S1");
  EXPECT_EQ(table.text(1, 2), "kept");
  EXPECT_EQ(table.text(0, 1), "");
  EXPECT_EQ(table.text(150, 1), "");  // the table has no row 150 now
  EXPECT_EQ(table.current(), (CellPosition{100, 64}));
}

}  // namespace
}  // namespace kolbex::entry
