#include "entry/heading_import.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
}  // namespace kolbex::entry
