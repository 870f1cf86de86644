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

TEST(AnalysisTable, TypingAppendsAndBackspaceRemovesFromTheEnd) {
  AnalysisTable t;
  // Right after capCell the heading of column 64 is current: typing appends to it.
  t.type_character('x');
  EXPECT_EQ(t.text(0, 64), "Mg]Orthopyroxenex");
  t.set_current({1, 2});
  for (char32_t c : {U'1', U'2', U'.', U'5'}) t.type_character(c);
  EXPECT_EQ(t.text(1, 2), "12.5");
  t.type_character(8);
  EXPECT_EQ(t.text(1, 2), "12.");
  t.set_current({1, 1});
  for (char32_t c : {U'G', U'r', U'ü', U'α', U'𝛼'}) t.type_character(c);
  EXPECT_EQ(t.text(1, 1), "Grüα𝛼");
  t.type_character(8);  // a character, not a byte
  t.type_character(8);
  EXPECT_EQ(t.text(1, 1), "Grü");
  t.set_current({1, 3});
  t.type_character(8);  // nothing to remove
  EXPECT_EQ(t.text(1, 3), "");
  t.type_character('7');
  t.type_character(8);
  EXPECT_EQ(t.text(1, 3), "");
  for (char32_t c :
       {char32_t{1}, char32_t{10}, char32_t{27}, char32_t{127}, char32_t{0x85}, char32_t{0xD800}})
    t.type_character(c);
  EXPECT_EQ(t.text(1, 3), "");
}

TEST(AnalysisTable, EnterAndTabMoveOnAcrossRowEnds) {
  struct Case {
    CellPosition from;
    char32_t key;
    CellPosition to;
  } cases[] = {
      {{5, 10}, 13, {5, 11}}, {{5, 63}, 9, {5, 64}},
      {{5, 64}, 13, {6, 0}},   // on to the row-number cell of the next row
      {{300, 64}, 9, {1, 0}},  // from the last row back to row 1
      {{0, 64}, 13, {1, 0}},   // from the heading row
  };
  for (const Case& c : cases) {
    AnalysisTable t;
    t.select_block(c.from, {1, 1});
    t.type_character(c.key);
    EXPECT_EQ(t.current(), c.to) << c.from.row << ", " << c.from.column;
    EXPECT_EQ(t.selection_end(), c.to);
  }
  AnalysisTable t;
  t.set_current({5, 64});
  t.type_character(13);
  t.type_character('x');
  EXPECT_EQ(t.text(6, 0), "6x");
}

TEST(AnalysisTable, InsertAndRemoveRowsAtTheirLimits) {
  AnalysisTable t;
  t.set_text(5, 1, "five");
  EXPECT_TRUE(t.insert_row(5));
  EXPECT_EQ(t.R(), 302);
  EXPECT_EQ(t.text(5, 1), "");
  EXPECT_EQ(t.text(5, 0), "");  // not renumbered
  EXPECT_EQ(t.text(6, 1), "five");
  EXPECT_EQ(t.text(6, 0), "5");
  EXPECT_FALSE(t.insert_row(0));  // never above the headings
  t.capCell();                    // back to 300 analysis rows, numbered again, the last dropped
  EXPECT_EQ(t.R(), 301);
  EXPECT_EQ(t.text(5, 0), "5");
  EXPECT_EQ(t.text(6, 0), "6");

  EXPECT_FALSE(t.remove_row(0));
  EXPECT_TRUE(t.remove_row(5));
  EXPECT_EQ(t.R(), 300);
  EXPECT_EQ(t.text(5, 1), "five");

  AnalysisTable one(1);  // a single analysis row stays
  EXPECT_FALSE(one.remove_row(1));
  AnalysisTable two(2);
  two.select_block({2, 3}, {2, 5});
  EXPECT_TRUE(two.remove_row(2));
  EXPECT_EQ(two.current(), (CellPosition{1, 3}));
  EXPECT_EQ(two.selection_end(), (CellPosition{1, 5}));
}

}  // namespace
}  // namespace kolbex::entry
