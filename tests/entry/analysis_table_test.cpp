#include "entry/analysis_table.h"

#include <gtest/gtest.h>

namespace kolbex::entry {
namespace {

TEST(AnalysisTable, CapCellLaysOutHeadingsAndRowNumbers) {
  AnalysisTable t;
  EXPECT_EQ(t.R(), 301);
  EXPECT_EQ(t.C(), 65);
  EXPECT_EQ(t.text(0, 0), "Row No");
  EXPECT_EQ(t.text(0, 1), "Sample No");
  EXPECT_EQ(t.text(0, 14), "Y2O3+REE2O3");
  EXPECT_EQ(t.text(0, 32), "Cubic? [True/False]");
  EXPECT_EQ(t.text(0, 31), "");
  EXPECT_EQ(t.text(0, 64), "Mg]Orthopyroxene");
  EXPECT_EQ(t.text(1, 0), "1");
  EXPECT_EQ(t.text(300, 0), "300");
  // The current cell is left at the heading of the last column.
  EXPECT_EQ(t.current(), (CellPosition{0, 64}));
}

TEST(AnalysisTable, CapCellKeepsAnalysisCells) {
  AnalysisTable t;
  t.set_text(5, 2, "40.1");
  t.set_text(7, 0, "");
  t.set_text(0, 3, "changed");
  t.capCell();
  EXPECT_EQ(t.text(5, 2), "40.1");
  EXPECT_EQ(t.text(7, 0), "7");
  EXPECT_EQ(t.text(0, 3), "TiO2");
}

TEST(AnalysisTable, WritesAClipTextIntoTheSelectedBlockOnly) {
  AnalysisTable t;
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 3; ++c) t.set_text(r, c, "x");
  t.select_block({1, 1}, {3, 3});
  t.write_clip_text("1\t2\r3\t4");
  EXPECT_EQ(t.text(1, 1), "1");
  EXPECT_EQ(t.text(1, 2), "2");
  EXPECT_EQ(t.text(2, 1), "3");
  EXPECT_EQ(t.text(2, 2), "4");
  for (auto [r, c] : {std::pair{1, 3}, {2, 3}, {3, 1}, {3, 2}, {3, 3}}) EXPECT_EQ(t.text(r, c), "x");

  t.select_block({1, 1}, {1, 1});
  t.write_clip_text("9\t8\r7\t6");
  EXPECT_EQ(t.text(1, 1), "9");
  EXPECT_EQ(t.text(1, 2), "2");
  EXPECT_EQ(t.text(2, 1), "3");

  // The selection end may lie above and to the left of the current cell.
  t.select_block({2, 2}, {1, 1});
  t.write_clip_text("a\tb\rc\td");
  EXPECT_EQ(t.text(1, 1), "a");
  EXPECT_EQ(t.text(2, 2), "d");
}

TEST(AnalysisTable, CrLfCrAndLfEachEndARow) {
  for (const char* clip : {"1\r\n2\r\n3", "1\r2\r3", "1\n2\n3", "1\r\n2\n3"}) {
    SCOPED_TRACE(testing::PrintToString(clip));
    AnalysisTable t;
    t.select_block({1, 1}, {4, 1});
    t.set_text(4, 1, "kept");
    t.write_clip_text(clip);
    EXPECT_EQ(t.text(1, 1), "1");
    EXPECT_EQ(t.text(2, 1), "2");
    EXPECT_EQ(t.text(3, 1), "3");
    EXPECT_EQ(t.text(4, 1), "kept");
  }
}

TEST(AnalysisTable, AnEmptyClipTextEmptiesOneCell) {
  AnalysisTable t;
  t.set_text(1, 1, "S1");
  t.set_text(1, 2, "40");
  t.select_block({1, 1}, {1, 2});
  t.write_clip_text("");
  EXPECT_EQ(t.text(1, 1), "");
  EXPECT_EQ(t.text(1, 2), "40");
}

TEST(AnalysisTable, ReadsTheClipTextOfTheSelectedBlock) {
  AnalysisTable t;
  t.set_text(1, 1, "a");
  t.set_text(2, 2, "d");
  t.select_block({1, 1}, {2, 2});
  EXPECT_EQ(t.read_clip_text(), "a\t\r\td");
  t.select_block({1, 1}, {300, 64});
  t.clear();
  EXPECT_EQ(t.read_clip_text().size(), 300u * 63 + 299);
  EXPECT_EQ(t.text(0, 1), "");  // clear empties the headings too
}

}  // namespace
}  // namespace kolbex::entry
