#include "results/diagram_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "results/diagram_files.h"

namespace kolbex::results {
namespace {

// Every diagram reads a file the run writes, and the three columns (and the colour column) it plots are
// in that file's header.
TEST(DiagramData, EveryDiagramNamesAFileAndColumnsTheRunWrites) {
  std::set<std::string_view> templates;
  for (const DiagramCommand& d : diagram_commands) {
    SCOPED_TRACE(std::string(d.template_name));
    templates.insert(d.template_name);
    const DiagramFile* file = nullptr;
    for (const DiagramFile& f : diagram_files)
      if (f.name == d.data_file) file = &f;
    ASSERT_NE(file, nullptr);
    std::string header = diagram_header_line(*file);
    header.replace(header.size() - 2, 2, "\t");  // every item now stands between TABs
    for (std::string_view column : d.columns)
      EXPECT_NE(header.find("\t" + std::string(column) + "\t"), std::string::npos)
          << column << " in " << header;
    if (d.colour_column.empty()) continue;
    EXPECT_NE(header.find("\t" + std::string(d.colour_column) + "\t"), std::string::npos);
  }
  EXPECT_EQ(templates.size(), 17u);  // seventeen distinct templates
}

TEST(DiagramData, NormalisesAndCountsWhatCannotBePlotted) {
  const DiagramCommand& d = *diagram_for_template("PrpAlmSpsGrs.grf");
  const std::string text =
      "SampleNo\tPrp\tAlmSps\tGrs\r\n"
      "Grt 1 rim\t50.000\t 25 \t25.000\r\n"  // a name of several words
      "empty\t\t 25 \t25.000\r\n"            // an empty item
      "negative\t-1.000\t 25 \t25.000\r\n"   // a negative value
      "zero\t0.000\t 0 \t0.000\r\n"          // a sum of 0
      "small\t1,000.000\t .5 \t0.000\r\n";   // grouping and the general form without a leading 0
  const DiagramData data = parse_diagram_data(text, d);
  EXPECT_TRUE(data.problem.empty()) << data.problem;
  ASSERT_EQ(data.points.size(), 2u);
  EXPECT_EQ(data.unplottable, 3);
  EXPECT_EQ(data.points[0].sample, "Grt 1 rim");
  EXPECT_DOUBLE_EQ(data.points[0].fractions[0], 0.5);
  EXPECT_DOUBLE_EQ(data.points[0].fractions[1], 0.25);
  EXPECT_DOUBLE_EQ(data.points[1].values[0], 1000);
  EXPECT_DOUBLE_EQ(data.points[1].fractions[1], 0.5 / 1000.5);
  EXPECT_TRUE(std::isnan(data.points[0].colour_value));

  EXPECT_FALSE(parse_diagram_data("SampleNo\tPrp\tAlm\tGrs\r\n", d).problem.empty());  // no AlmSps column
  EXPECT_FALSE(parse_diagram_data("", d).problem.empty());
  const DiagramData none = read_diagram_data("/nonexistent-folder", d);
  EXPECT_FALSE(none.file_found);
}

TEST(DiagramData, ColouredPointsReadTheirFourthColumn) {
  const DiagramCommand& d = *diagram_for_template("XAGASP2.grf");
  const DiagramData data =
      parse_diagram_data("SampleNo\tAlm\tGrsAdrShr\tPrp\tSps\r\nS\t60.000\t 20 \t20.000\t12.500\r\n", d);
  ASSERT_EQ(data.points.size(), 1u);
  EXPECT_DOUBLE_EQ(data.points[0].colour_value, 12.5);
}

// The provenance fields as digitised in the ggarnet package: six fields, every corner summing to 100 %.
TEST(DiagramData, ProvenanceFieldsCloseTheirCorners) {
  ASSERT_EQ(mange_morton_fields().size(), 6u);
  for (const FieldPolygon& field : mange_morton_fields())
    for (const auto& corner : field.corners)
      EXPECT_DOUBLE_EQ(corner[0] + corner[1] + corner[2], 100) << field.name;
}

}  // namespace
}  // namespace kolbex::results
