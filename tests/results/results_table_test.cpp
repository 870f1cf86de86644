#include "results/results_table.h"

#include <gtest/gtest.h>

#include "engine/working_context.h"
#include "results/results_columns.h"
#include "tests/support/record_builder.h"
#include "tests/support/table_rows.h"

namespace kolbex::results {
namespace {

using test::fields;

// The column of a heading, the n-th one when the heading repeats ("F", "Ti", "[Si", ...).
int column_of(std::string_view heading, int occurrence = 1) {
  for (int c = 0; c < results_column_count; ++c)
    if (results_columns[c].heading == heading && --occurrence == 0) return c;
  ADD_FAILURE() << "no column " << heading;
  return 0;
}

TEST(ResultsTable, HeaderRows) {
  ResultsTable table;
  ASSERT_EQ(table.row_count(), 2u);
  const auto numbers = fields(table.row_text(0));
  const auto headings = fields(table.row_text(1));
  ASSERT_EQ(numbers.size(), 188u);
  ASSERT_EQ(headings.size(), 188u);
  EXPECT_EQ(numbers[0], "K o l b e x");
  for (int c = 1; c < 188; ++c) EXPECT_EQ(numbers[c], std::to_string(c));
  const std::pair<int, std::string_view> some[] = {
      {0, "Sample"},
      {1, "[SiO2"},
      {13, "Y2O3+REE2O3"},
      {29, "O=F"},
      {31, "Total]wt%"},
      {32, ""},
      {36, "Mn2O3(c)]wt%"},
      {46, "V+3"},
      {53, "Mn"},
      {65, "F"},
      {68, "Total](apfu)"},
      {81, "Vacancy"},
      {96, "V3+"},
      {111, "Total]X"},
      {116, "Total]Anion"},
      {123, "Hydrogen for Z"},
      {135, "Divalent anions"},
      {137, "[Dominant Charge Formula]"},
      {140, "[Garnet Species]"},
      {142, "[P](kbar)"},
      {156, "TDB92GS84](oC)"},
      {159, "[Al(tot)"},
      {172, "TN09]oC)Grt-Cpx"},
      {175, "[Altot"},
      {183, "TP85"},
      {187, "TL93]oC)Grt-Opx"},
  };
  for (const auto& [c, h] : some) EXPECT_EQ(headings[c], h) << c;
  for (int c : {32, 37, 69, 83, 103, 112, 117, 136, 141, 157, 173}) EXPECT_EQ(headings[c], "") << c;
}

TEST(ResultsTable, RowFormatsEveryColumnByItsFormat) {
  RunContext c;
  c.record = test::record_with_cations({{engine::oxide::SiO2, 3},
                                        {engine::oxide::Al2O3, 2},
                                        {engine::oxide::CaO, 3},
                                        {engine::oxide::F, 0.4}});
  c.record.SampleNo = "Grs F";
  c.record.SiO2 = 37.5;  // the entered value is shown as entered
  calculate_analysis(c, thermometry::RunOptions{});
  std::string row;
  format_results_row(c, row);
  const auto f = fields(row);
  ASSERT_EQ(f.size(), 188u);
  EXPECT_EQ(f[0], "Grs F");
  EXPECT_EQ(f[1], "37.5");
  EXPECT_EQ(f[2], "0");                       // a blank oxide shows as 0
  EXPECT_EQ(f[column_of("O=F")], "-3.200");   // -(0.4 x 18.9984032) x 15.9994 / 37.9968 = -3.19988
  EXPECT_EQ(f[column_of("O=F", 2)][0], '-');  // O=F of the cation block is negative with F entered
  EXPECT_EQ(f[column_of("H4", 1)], f[column_of("H4", 2)]);
  EXPECT_EQ(f[column_of("[Garnet Group]")], "Garnet");
  EXPECT_EQ(f[column_of("[Garnet Species]")], "grossular");
  EXPECT_EQ(f[column_of("[Dominant Formula Type]")], "tetravalent Z garnet");
  EXPECT_EQ(f[column_of("Divalent X")].find('.'), f[column_of("Divalent X")].size() - 3);  // "#,##0.00"
  for (int col = 141; col < 188; ++col) EXPECT_EQ(f[col], "") << col;
}

// A complete pair shows its inputs as entered and, for an almandine, its temperatures in whole degrees;
// the pairs without data stay empty.
TEST(ResultsTable, CompletePairShowsInputsAndTemperatures) {
  RunContext c;
  c.record = test::record_with_cations({{engine::oxide::SiO2, 3},
                                        {engine::oxide::Al2O3, 2},
                                        {engine::oxide::FeO, 2.1},
                                        {engine::oxide::MgO, 0.6},
                                        {engine::oxide::CaO, 0.3}});
  c.record.PGrtOpx = 8, c.record.OpxAlTot = 0.36, c.record.OpxFe2 = 0.5, c.record.OpxMg = 1.25;
  calculate_analysis(c, thermometry::RunOptions{});
  std::string row;
  format_results_row(c, row);
  const auto f = fields(row);
  ASSERT_EQ(f[140], "almandine");
  EXPECT_EQ((std::vector<std::string>(f.begin() + 174, f.begin() + 178)),
            (std::vector<std::string>{"8", "0.36", "0.5", "1.25"}));
  // TR83 = 1684 / (0.334 + ln[(2.1/0.6) / (0.5/1.25)]) - 273 = 399.78.
  EXPECT_EQ(f[179], "400");
  for (int col = 178; col < 188; ++col)
    EXPECT_TRUE(!f[col].empty() && f[col].find_first_not_of("-0123456789") == std::string::npos) << f[col];
  for (int col = 142; col < 173; ++col) EXPECT_EQ(f[col], "") << col;
}

}  // namespace
}  // namespace kolbex::results
