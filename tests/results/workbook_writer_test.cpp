#include "results/workbook_writer.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <iterator>

#include "entry/analysis_table.h"
#include "results/calculation_run.h"
#include "tests/support/table_rows.h"
#include "tests/support/temp_folder.h"
#include "tests/support/xlsx_sheet.h"

namespace kolbex::results {
namespace {

using Kind = WorkbookCell::Kind;

TEST(WorkbookWriter, TextsThatAreNumbersInAResultsFormatBecomeNumbers) {
  struct Case {
    std::string_view text;
    Format column;
    Kind kind;
    double number;
    Format format;
  } cases[] = {
      {"36.7", Format::general, Kind::number, 36.7, Format::general},
      {"1,234.568", Format::fixed3, Kind::number, 1234.568, Format::fixed3},
      {"99.810", Format::fixed3, Kind::number, 99.81, Format::fixed3},
      {"-0.250", Format::fixed3, Kind::number, -0.25, Format::fixed3},
      {"2.95", Format::fixed2, Kind::number, 2.95, Format::fixed2},
      {"1483", Format::whole, Kind::number, 1483, Format::whole},
      {"-13", Format::whole, Kind::number, -13, Format::whole},
      {"1.5E-16", Format::general, Kind::number, 1.5e-16, Format::general},
      // A number typed into a fixed column in another form keeps its text through the general format.
      {"12.5", Format::fixed3, Kind::number, 12.5, Format::general},
      {"187", Format::general, Kind::number, 187, Format::general},
      {"", Format::fixed3, Kind::blank, 0, Format::general},
      {"pyrope", Format::text, Kind::string, 0, Format::text},
      {"=SUM(A1:A3)", Format::text, Kind::string, 0, Format::text},
      {"K o l b e x", Format::general, Kind::string, 0, Format::text},
      {"1,5", Format::general, Kind::string, 0, Format::text},
      {"+5", Format::general, Kind::string, 0, Format::text},
      {"0.50", Format::general, Kind::number, 0.5, Format::fixed2},  // "#,##0.00" of 0.5
      {"0.5000", Format::general, Kind::string, 0, Format::text},    // in none of the formats
      {"inf", Format::general, Kind::string, 0, Format::text},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text));
    const WorkbookCell cell = workbook_cell(c.text, c.column);
    EXPECT_EQ(cell.kind, c.kind);
    if (c.kind != Kind::number) continue;
    EXPECT_EQ(cell.number, c.number);
    EXPECT_EQ(cell.format, c.format);
  }
}

// A table of the example's first rows and one typed cell, written and read back cell by cell.
class WorkbookOfATable : public testing::Test {
 protected:
  void SetUp() override {
    entry::AnalysisTable analyses;
    test::set_row(analyses, 1, test::dhz_almandine("Alm & Co <1>"));
    test::set_row(analyses, 2, test::dhz_almandine("=1+1"));
    const test::TempFolder diagrams("kolbex-diagrams");
    run_calculation(analyses, 300, {}, table_, diagrams.path());
    table_.set_cell_text(3, 52, "edited");
  }
  test::TempFolder folder_{"kolbex-workbook"};
  ResultsTable table_;
};

TEST_F(WorkbookOfATable, EveryCellKeepsItsTextAndNumbersAreNumbers) {
  const auto path = folder_.path() / "Output.xlsx";
  std::string error;
  ASSERT_TRUE(write_results_workbook(table_, path, error)) << error;
  const auto cells = test::read_first_sheet(path);
  const std::map<Format, std::string> codes = {{Format::general, "General"},
                                               {Format::fixed3, "#,##0.000"},
                                               {Format::fixed2, "#,##0.00"},
                                               {Format::whole, "####"}};
  int numbers = 0, strings = 0;
  for (int r = 0; r < table_.R(); ++r)
    for (int c = 0; c < table_.C(); ++c) {
      const std::string text(table_.cell_text(r, c));
      const std::string ref = test::cell_reference(r, c);
      const auto found = cells.find(ref);
      const WorkbookCell expected = workbook_cell(text, r < 2 ? Format::general : results_columns[c].format);
      if (expected.kind == Kind::blank) {
        EXPECT_TRUE(found == cells.end() || found->second.type == "blank") << ref;
        continue;
      }
      ASSERT_NE(found, cells.end()) << ref << " " << text;
      if (expected.kind == Kind::number) {
        ++numbers;
        EXPECT_EQ(found->second.type, "n") << ref;
        EXPECT_EQ(std::stod(found->second.value), expected.number) << ref;
        EXPECT_EQ(found->second.number_format, codes.at(expected.format)) << ref << " " << text;
      } else {
        ++strings;
        EXPECT_NE(found->second.type, "n") << ref;
        EXPECT_EQ(found->second.value, text) << ref;
      }
    }
  EXPECT_GT(numbers, 300);
  EXPECT_GT(strings, 180);
  // Spot checks against the table as the user sees it.
  EXPECT_EQ(cells.at("A1").value, "K o l b e x");
  EXPECT_EQ(cells.at("B1").type, "n");
  EXPECT_EQ(cells.at("A3").value, "Alm & Co <1>");
  EXPECT_EQ(cells.at("A4").value, "=1+1");  // a string, not a formula
  EXPECT_EQ(cells.at("BA4").value, "edited");
  EXPECT_EQ(cells.at("AF3").number_format, "#,##0.000");  // the analysis total, 99.810
  EXPECT_EQ(std::stod(cells.at("AF3").value), 99.81);
}

TEST_F(WorkbookOfATable, EachSendWritesTheWholeWorkbookAgain) {
  const auto path = folder_.path() / "Output.xlsx";
  std::string error;
  ASSERT_TRUE(write_results_workbook(table_, path, error)) << error;
  const std::string first = test::xlsx_member(path, "xl/worksheets/sheet1.xml");
  ASSERT_TRUE(write_results_workbook(table_, path, error)) << error;
  EXPECT_EQ(test::xlsx_member(path, "xl/worksheets/sheet1.xml"), first);
  // A shorter table leaves no rows of the longer one behind.
  ResultsTable headers_only;
  ASSERT_TRUE(write_results_workbook(headers_only, path, error)) << error;
  const auto cells = test::read_first_sheet(path);
  EXPECT_TRUE(cells.count("A2"));
  EXPECT_FALSE(cells.count("A3"));
}

TEST_F(WorkbookOfATable, AFailedSendLeavesTheOldWorkbook) {
  const auto path = folder_.path() / "Output.xlsx";
  std::ofstream(path, std::ios::binary) << "the old workbook";
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit before{};
  getrlimit(RLIMIT_FSIZE, &before);
  rlimit small = before;
  small.rlim_cur = 2000;  // the workbook is larger: its writing fails
  setrlimit(RLIMIT_FSIZE, &small);
  std::string error;
  int os_error = 0;
  const bool written = write_results_workbook(table_, path, error, &os_error);
  setrlimit(RLIMIT_FSIZE, &before);
  EXPECT_FALSE(written);
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "the old workbook");
  for (const auto& entry : std::filesystem::directory_iterator(folder_.path()))
    EXPECT_EQ(entry.path().filename(), "Output.xlsx");  // no temporary file stays behind

  EXPECT_FALSE(write_results_workbook(table_, folder_.path() / "missing" / "Output.xlsx", error, &os_error));
  EXPECT_EQ(os_error, ENOENT);
  EXPECT_FALSE(
      write_results_workbook(table_, "/sys/Output.xlsx", error, &os_error));  // a folder nobody may write
  EXPECT_EQ(os_error, EACCES);
}

}  // namespace
}  // namespace kolbex::results
