#include "entry/heading_import.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace kolbex::entry {
namespace {

struct Imported {
  ImportPlan plan;
  ImportedAnalyses analyses;
  std::vector<std::string> summary;
};

Imported import(std::string_view text, bool keep_negatives = false) {
  FieldRows rows;
  char separator = 0;
  std::string reason;
  EXPECT_TRUE(split_fields(text, 0, rows, separator, reason)) << reason;
  Imported out{plan_import(rows, separator), {}, {}};
  out.analyses = import_analyses(rows, out.plan, keep_negatives);
  out.summary = import_summary(out.plan, out.analyses);
  return out;
}

const std::string& cell(const Imported& i, std::size_t row, int column) {
  return i.analyses.rows.at(row)[static_cast<std::size_t>(column)];
}

// Headings are matched whatever their case, blanks, punctuation and unit decorations; total iron as FeO
// goes to FeO and as Fe2O3 is converted to FeO.
TEST(HeadingImport, HeadingsFindTheirColumns) {
  struct Case {
    const char* heading;
    ColumnRole role;
    int target;
  };
  const Case cases[] = {
      {"SiO2 (wt%)", ColumnRole::oxide, 2},
      {"SiO2_wt%", ColumnRole::oxide, 2},
      {"wt.% SiO2", ColumnRole::oxide, 2},
      {"SiO2  ", ColumnRole::oxide, 2},
      {"sio2", ColumnRole::oxide, 2},
      {"FeO", ColumnRole::oxide, 15},
      {"FeO*", ColumnRole::oxide, 15},
      {"FeOt", ColumnRole::oxide, 15},
      {"FeOT", ColumnRole::oxide, 15},
      {"FeO(t)", ColumnRole::oxide, 15},
      {"FeOtot", ColumnRole::oxide, 15},
      {"FeO total", ColumnRole::oxide, 15},
      {"\xCE\xA3"
       "FeO",
       ColumnRole::oxide, 15},
      {"Fe2O3T", ColumnRole::total_fe2o3, 15},
      {"Fe2O3(t)", ColumnRole::total_fe2o3, 15},
      {"Fe2O3*", ColumnRole::total_fe2o3, 15},
      {"Fe2O3", ColumnRole::oxide, 11},
      {"Y2O3", ColumnRole::oxide, 14},
      {"Lu2O3", ColumnRole::oxide, 47},
      {"H2O", ColumnRole::oxide, 30},
      {"[P(kbar)Grt-Bt]", ColumnRole::table_column, 49},
      {"Cubic? [True/False]", ColumnRole::table_column, 32},
      {"K2O", ColumnRole::ignored, 0},
      {"Total", ColumnRole::ignored, 0},
      {"Fe2+", ColumnRole::ignored, 0},  // one of three partner columns: only by position
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.heading);
    const Imported i = import(std::string("Al2O3,MgO,CaO,") + c.heading + "\n1,2,3,4\n");
    ASSERT_TRUE(i.plan.refusal.empty()) << i.plan.refusal;
    ASSERT_EQ(i.plan.columns.size(), 4u);
    EXPECT_EQ(i.plan.columns[3].role, c.role);
    EXPECT_EQ(i.plan.columns[3].target, c.target);
  }
}

// A probe summary: a title and a units line above padded headings, the oxides in probe order, values
// below detection and negative ones, a total and a column with no place.
TEST(HeadingImport, ProbeSummaryWithTitleAndUnits) {
  const Imported i = import(
      "Garnet traverse 12,,,,,,\n"
      ",wt%,wt%,wt%,wt%,wt%,\n"
      "Comment,SiO2  ,TiO2,Al2O3,FeO,K2O,Total\n"
      "g1-core,37.44,<0.02,21.1,30.2,0.01,88.75\n"
      ",,,,,,\n"
      "g1-rim,37.01,-0.03,b.d.l.,31.0,n.d.,88.0\n");
  ASSERT_TRUE(i.plan.refusal.empty()) << i.plan.refusal;
  EXPECT_EQ(i.plan.heading_row, 2u);
  ASSERT_EQ(i.analyses.rows.size(), 2u);
  EXPECT_EQ(cell(i, 0, 1), "g1-core");
  EXPECT_EQ(cell(i, 0, 2), "37.44");
  EXPECT_EQ(cell(i, 0, 3), "0");  // <0.02
  EXPECT_EQ(cell(i, 0, 8), "21.1");
  EXPECT_EQ(cell(i, 0, 15), "30.2");
  EXPECT_EQ(cell(i, 1, 3), "0");  // -0.03
  EXPECT_EQ(cell(i, 1, 8), "0");  // b.d.l.
  EXPECT_EQ(i.analyses.empty_rows, 1);
  ASSERT_GE(i.summary.size(), 5u);
  EXPECT_EQ(i.summary[0],
            "2 analyses, 5 columns recognised, 2 ignored: K2O, Total; 2 values below detection set to 0; "
            "1 negative values set to 0");
  EXPECT_EQ(i.summary[1], "skipped above the headings: Garnet traverse 12");
  EXPECT_EQ(i.summary[2], "skipped above the headings: wt% | wt% | wt% | wt% | wt%");
  EXPECT_EQ(i.summary[3], "ignored column: K2O");
  // Kept as they are when asked.
  EXPECT_EQ(cell(import("SiO2,TiO2,Al2O3\n37,-0.03,21\n", true), 0, 3), "-0.03");
}

// Semicolons with decimal commas; quoted names holding the separator, quotes and a line break; total
// iron as Fe2O3 converted to FeO; a text that is no number kept and listed.
TEST(HeadingImport, SeparatorsQuotesDecimalCommasAndConversion) {
  const Imported semicolons = import("Sample;SiO2;Al2O3;Fe2O3T;MgO\nA 1;37,44;21,5;10;abc\n");
  ASSERT_TRUE(semicolons.plan.decimal_comma);
  EXPECT_EQ(cell(semicolons, 0, 2), "37.44");
  EXPECT_EQ(cell(semicolons, 0, 8), "21.5");
  EXPECT_NEAR(std::stod(cell(semicolons, 0, 15)), 10 * 2 * 71.8444 / 159.6882, 1e-12);
  EXPECT_EQ(cell(semicolons, 0, 16), "abc");
  ASSERT_EQ(semicolons.analyses.texts.size(), 1u);
  EXPECT_EQ(semicolons.analyses.texts[0], "row 2, MgO: abc");
  EXPECT_NE(std::find(semicolons.summary.begin(), semicolons.summary.end(),
                      "converted: Fe2O3T (total iron as Fe2O3) to FeO, x 0.8998085018179176"),
            semicolons.summary.end());

  const Imported quoted = import("Name,SiO2,Al2O3,FeO\n\"Grt, core \"\"A\"\"\n2nd\",37.1,21,30\n");
  ASSERT_EQ(quoted.analyses.rows.size(), 1u);
  EXPECT_EQ(cell(quoted, 0, 1), "Grt, core \"A\"\n2nd");
  EXPECT_EQ(cell(quoted, 0, 2), "37.1");
  // A comma-separated file keeps its point decimals; the tab and BOM are handled.
  const Imported tabs = import("\xEF\xBB\xBFSample\tSiO2\tAl2O3\tFeO\nx\t36.5\t20\t29\n");
  EXPECT_EQ(cell(tabs, 0, 1), "x");
  EXPECT_EQ(cell(tabs, 0, 2), "36.5");
}

// What cannot be imported says why and places nothing.
TEST(HeadingImport, RefusalsSayWhy) {
  struct Case {
    const char* what;
    std::string text;
    const char* reason;
  };
  const Case cases[] = {
      {"empty", "", "empty"},
      {"no oxides", "Sample,Depth,Note\na,1,x\n", "no heading row"},
      {"elements", "Sample,Si,Al,Fe,Mg\na,17.5,11.2,23.1,2.0\n", "element percentages"},
      {"FeO twice", "SiO2,Al2O3,FeO,FeO*\n37,21,30,31\n", "both go to FeO"},
      {"heading only", "SiO2,Al2O3,FeO\n", "no analyses below"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Imported i = import(c.text);
    EXPECT_NE(i.plan.refusal.find(c.reason), std::string::npos) << i.plan.refusal;
    EXPECT_TRUE(i.analyses.rows.empty());
  }
  FieldRows rows;
  char separator = 0;
  std::string reason;
  constexpr char bytes[] = "SiO2,Al2O3\0\x01,FeO";
  const std::string_view binary(bytes, sizeof bytes - 1);
  EXPECT_FALSE(split_fields(binary, 0, rows, separator, reason));
  EXPECT_NE(reason.find("binary"), std::string::npos);
}

// The analysis table's own heading row (a template or a copied grid) is read by position.
TEST(HeadingImport, OwnHeadingRowIsReadByPosition) {
  std::string headings;
  for (std::size_t c = 1; c < engine::analysis_headings.size(); ++c)
    headings +=
        std::string(engine::analysis_headings[c]) + (c + 1 < engine::analysis_headings.size() ? "\t" : "\n");
  const Imported i = import(headings + "x\t37\n");
  EXPECT_TRUE(i.plan.by_position);
  EXPECT_TRUE(i.plan.refusal.empty());
}

// A file read twice through a small buffer (DelimitedFile) gives the rows, the plan and the imported
// analyses that the whole text gives: decimal commas seen only after the 20th row, Windows-1252 bytes far
// into the file, a byte order mark, CR line ends, quoted fields with line breaks across the 64 KiB pieces.
TEST(HeadingImport, FileReadInPiecesMatchesTheWholeText) {
  const auto rows_of = [](const std::string& heading, const std::string& row, int count,
                          const std::string& end) {
    std::string text = heading + end;
    for (int i = 0; i < count; ++i) text += row + end;
    return text;
  };
  std::string later_commas = "Sample;SiO2;Al2O3;FeO;MgO\n";
  for (int i = 0; i < 30; ++i) later_commas += i < 19 ? "a;37;21;30;5\n" : "b;37,44;21,1;30,2;5,5\n";
  std::string windows_late = rows_of("Sample,SiO2,Al2O3,FeO,Note", "g1,37.1,21.2,30.3,plain", 500, "\r\n");
  windows_late += "Gr\xFCn,36,20,31,late\r\n";
  const std::string cases[] = {
      later_commas,
      windows_late,
      "\xEF\xBB\xBFSample\tSiO2\tAl2O3\tFeO\rx\t1\t2\t3\ry\t4\t5\t6",
      rows_of("Sample,SiO2,Al2O3,FeO,Notes", "\"long, quoted\n" + std::string(5000, 'n') + "\",38,21,30,x",
              40, "\n"),
      "Title only\nno,headings,here\n",
      "",
  };
  const test::TempFolder folder("kolbex-delimited");
  for (const std::string& text : cases) {
    SCOPED_TRACE(text.substr(0, 40));
    const auto path = folder.path() / "file.csv";
    std::ofstream(path, std::ios::binary) << text;
    FieldRows rows;
    char separator = 0;
    std::string reason;
    ASSERT_TRUE(split_fields(text, 0, rows, separator, reason)) << reason;
    DelimitedFile file;
    ASSERT_TRUE(file.survey(path, 0, reason)) << reason;
    EXPECT_EQ(file.separator(), separator);
    EXPECT_EQ(file.row_count(), rows.size());
    const ImportPlan whole = plan_import(rows, separator), pieces = file.plan();
    EXPECT_EQ(pieces.refusal, whole.refusal);
    EXPECT_EQ(pieces.heading_row, whole.heading_row);
    EXPECT_EQ(pieces.decimal_comma, whole.decimal_comma);
    EXPECT_EQ(pieces.skipped, whole.skipped);
    ASSERT_EQ(pieces.columns.size(), whole.columns.size());
    for (std::size_t i = 0; i < whole.columns.size(); ++i) {
      EXPECT_EQ(pieces.columns[i].heading, whole.columns[i].heading);
      EXPECT_EQ(pieces.columns[i].target, whole.columns[i].target);
    }
    const ImportedAnalyses expected = import_analyses(rows, whole);
    FieldRows read;
    ImportedAnalyses counts;
    std::vector<AnalysisRow> imported;
    AnalysisRow analysis;
    ASSERT_TRUE(file.read_rows(
        [&](std::size_t index, std::vector<std::string>& fields) {
          read.push_back(fields);
          if (whole.refusal.empty() && index > whole.heading_row &&
              import_row(fields, index, pieces, false, counts, analysis))
            imported.push_back(analysis);
        },
        reason))
        << reason;
    EXPECT_EQ(read, rows);
    EXPECT_EQ(imported, expected.rows);
    EXPECT_EQ(counts.empty_rows, expected.empty_rows);
  }
  // Binary bytes and an unreadable file are refused with a reason, as the whole text is.
  std::ofstream(folder.path() / "binary.csv", std::ios::binary) << std::string("SiO2,FeO\n\0\1", 12);
  std::string reason;
  DelimitedFile file;
  EXPECT_FALSE(file.survey(folder.path() / "binary.csv", 0, reason));
  EXPECT_EQ(reason, "the file holds binary bytes, not text");
  EXPECT_FALSE(file.survey(folder.path() / "missing.csv", 0, reason));
  EXPECT_FALSE(file.survey(folder.path(), 0, reason));
}

}  // namespace
}  // namespace kolbex::entry
