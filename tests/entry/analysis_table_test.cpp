#include "entry/analysis_table.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

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

// Every text of the table, for comparing whole states.
std::vector<std::string> all_texts(const AnalysisTable& t) {
  std::vector<std::string> texts{std::to_string(t.R()) + "x" + std::to_string(t.C())};
  for (int r = 0; r < t.R(); ++r)
    for (int c = 0; c < t.C(); ++c) texts.push_back(t.text(r, c));
  return texts;
}

void type_into(AnalysisTable& t, CellPosition cell, std::u32string_view keys) {
  t.select_block(cell, cell);
  for (char32_t k : keys) {
    shell::TextGrid::Change change(t, true);
    t.type_character(k);
  }
}

TEST(AnalysisTableUndo, TypingIntoOneCellIsOneStepAndTheSelectionComesBack) {
  AnalysisTable t;
  t.set_text(4, 2, "36");
  type_into(t, {4, 2}, U".7");
  type_into(t, {5, 2}, U"41");
  ASSERT_EQ(t.text(4, 2), "36.7");
  t.select_block({9, 9}, {10, 10});
  ASSERT_TRUE(t.undo());  // the "41"
  EXPECT_EQ(t.text(5, 2), "");
  EXPECT_EQ(t.text(4, 2), "36.7");
  EXPECT_EQ(t.current(), (CellPosition{5, 2}));
  ASSERT_TRUE(t.undo());  // the ".7", typed as two characters
  EXPECT_EQ(t.text(4, 2), "36");
  EXPECT_FALSE(t.undo());
  ASSERT_TRUE(t.redo());
  EXPECT_EQ(t.text(4, 2), "36.7");
  ASSERT_TRUE(t.redo());
  EXPECT_EQ(t.text(5, 2), "41");
  EXPECT_FALSE(t.redo());
}

TEST(AnalysisTableUndo, ShapeChangesComeBackWhole) {
  struct Case {
    const char* name;
    void (*change)(AnalysisTable&);
  };
  const Case cases[] = {
      {"insert row", [](AnalysisTable& t) { t.insert_row(2); }},
      {"remove row", [](AnalysisTable& t) { t.remove_row(1); }},
      {"clear all",
       [](AnalysisTable& t) {
         t.clear();
         t.capCell();
       }},
      // Cells changed before the shape in the same step come back too.
      {"paste, then lay out",
       [](AnalysisTable& t) {
         t.select_block({1, 1}, {2, 3});
         t.write_clip_text("a\tb\tc\rd\te\tf");
         t.remove_row(2);
         t.capCell();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AnalysisTable t;
    t.set_text(1, 1, "DHZ-pyrope");
    t.set_text(1, 2, "41.33");
    t.set_text(2, 2, "36.7");
    t.set_text(3, 0, "");
    t.insert_row(4);  // a table some rows off its layout
    const auto before = all_texts(t);
    {
      shell::TextGrid::Change change(t);
      c.change(t);
    }
    const auto after = all_texts(t);
    ASSERT_NE(after, before);
    ASSERT_TRUE(t.undo());
    EXPECT_EQ(all_texts(t), before);
    ASSERT_TRUE(t.redo());
    EXPECT_EQ(all_texts(t), after);
  }
}

TEST(AnalysisTableUndo, RevisionsTellWhetherTheTextsChanged) {
  AnalysisTable t;
  const auto saved = t.revision();
  {
    shell::TextGrid::Change nothing(t);
    t.set_text(1, 2, "");  // the same text: no step
    t.capCell();           // the same layout: no step
  }
  EXPECT_FALSE(t.can_undo());
  EXPECT_EQ(t.revision(), saved);
  type_into(t, {1, 2}, U"5");
  EXPECT_NE(t.revision(), saved);
  const auto typed = t.revision();
  t.undo();
  EXPECT_EQ(t.revision(), saved);
  t.redo();
  EXPECT_EQ(t.revision(), typed);
  // Typing on after a save makes a new state, though it joins the step typed before it.
  type_into(t, {1, 2}, U"0");
  EXPECT_NE(t.revision(), typed);
  // A new change after an undo drops what could have been done again.
  t.undo();
  type_into(t, {2, 2}, U"1");
  EXPECT_FALSE(t.can_redo());
}

TEST(AnalysisTableUndo, TheOldestStepsGoButTheStateIsNeverTakenForTheFirst) {
  AnalysisTable t;
  const auto first = t.revision();
  for (int i = 0; i < 250; ++i) {
    shell::TextGrid::Change change(t);
    t.set_text(1 + i % 300, 2, std::to_string(i));
  }
  int undone = 0;
  while (t.undo()) ++undone;
  EXPECT_GT(undone, 100);
  EXPECT_LT(undone, 250);
  EXPECT_NE(t.revision(), first);  // the table still holds the steps that were dropped
  EXPECT_EQ(t.text(1, 2), "0");
}

}  // namespace
}  // namespace kolbex::entry
