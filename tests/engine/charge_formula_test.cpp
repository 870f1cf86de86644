#include "engine/charge_formula.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>
#include <utility>

namespace kolbex::engine {
namespace {

ChargeClassification with_totals(std::initializer_list<std::pair<ChargeClass, double>> totals) {
  ChargeClassification c;
  for (const auto& [cls, value] : totals) c.totals[cls] = value;
  return c;
}

constexpr std::string_view tetravalent_Z_formula = "{X2+3}[Y3+2](Z4+3)A2-12";

TEST(ChargeFormula, IdealGarnetIsTetravalentZ) {
  ChargeClassification c = with_totals({{X2, 3}, {Y3, 2}, {Z4, 3}, {A2, 12}});
  dominant_charge_formula("", c);
  EXPECT_DOUBLE_EQ(c.percentage[14], 300);
  for (int k = 0; k < arrangement_count; ++k) {
    if (k == 14) continue;
    EXPECT_LT(c.percentage[k], 300) << charge_arrangements[k].type_name;
  }
  EXPECT_EQ(dominant_formula(c.type), tetravalent_Z_formula);
  EXPECT_EQ(c.type, FormulaType::tetravalent_z_garnet);
}

// Each arrangement's own ideal composition, every term exactly 1, scores 300 %.
TEST(ChargeFormula, EveryIdealCompositionScoresThreeHundred) {
  for (int k = 0; k < arrangement_count; ++k) {
    const ChargeArrangement& a = charge_arrangements[k];
    SCOPED_TRACE(a.type_name);
    ChargeClassification c;
    for (const auto* site : {&a.X, &a.Y, &a.Z})
      for (const Term& t : *site)
        if (t.ions != 0) c.totals[t.cls] = t.ions;
    c.totals[a.anion.cls] = a.anion.ions;
    dominant_charge_formula("False", c);
    EXPECT_DOUBLE_EQ(c.percentage[k], 300);
  }
}

TEST(ChargeFormula, AnionTermAloneAtTheMinimumScoresNothing) {
  ChargeClassification c = with_totals({{X2, 3}, {Y3, 2}, {Z4, 3}, {A2, 11.9}});
  dominant_charge_formula("", c);
  EXPECT_EQ(c.percentage[14], 0);
}

// An ideal henritermierite, {X2+3}[Y3+2](Z4+)2(OH)4: cubic, it cannot be arrangement 4, and the
// tetravalent Z garnet (Z4/3 = 0.667, 66.7 %) wins instead.
TEST(ChargeFormula, CubicFlagRulesOutHenritermierite) {
  struct Case {
    std::string_view flag;
    bool cubic;
  };
  const Case cases[] = {
      {"true", true},   {"TRUE", true}, {"True", true},   {"false", false}, {"FALSE", false},
      {"False", false}, {"", false},    {" True", false}, {"True ", false}, {"tRUE", false},
      {"TRue", false},  {"yes", false}, {"1", false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << '"' << k.flag << '"');
    EXPECT_EQ(reads_cubic(k.flag), k.cubic);
    ChargeClassification c = with_totals({{X2, 3}, {Y3, 2}, {Z4, 2}, {ZH, 1}, {A2, 12}});
    dominant_charge_formula(k.flag, c);
    if (k.cubic) {
      EXPECT_EQ(c.percentage[henritermierite_arrangement], 0);
      EXPECT_EQ(c.type, FormulaType::tetravalent_z_garnet);
      EXPECT_NEAR(c.percentage[14], 200.0 / 3, 1e-12);
    } else {
      EXPECT_DOUBLE_EQ(c.percentage[henritermierite_arrangement], 300);
      EXPECT_EQ(dominant_formula(c.type), "{X2+3}[Y3+2](Z4+)2A2-8(OH)4");
      EXPECT_EQ(c.type, FormulaType::henritermierite);
    }
  }
}

// Equal highest percentages leave formula and type empty, even after an analysis that had them.
TEST(ChargeFormula, TiedHighestPercentagesGiveNoFormula) {
  ChargeClassification c = with_totals({{X2, 3}, {Y3, 2}, {Z4, 3}, {A2, 12}});
  dominant_charge_formula("", c);
  ASSERT_EQ(dominant_formula(c.type), tetravalent_Z_formula);
  // Tetravalent Z garnet and YAG at 100 % each: X2 = X3 = 1.5 on X, Y3 = 2, Z4 = Z3 = 1.5 on Z.
  c.totals = {};
  for (auto [cls, value] : {std::pair{X2, 1.5}, {X3, 1.5}, {Y3, 2.0}, {Z4, 1.5}, {Z3, 1.5}, {A2, 12.0}})
    c.totals[cls] = value;
  dominant_charge_formula("", c);
  EXPECT_DOUBLE_EQ(c.percentage[14], c.percentage[10]);
  EXPECT_TRUE(dominant_formula(c.type).empty());
  EXPECT_EQ(c.type, FormulaType::none);
}

TEST(ChargeFormula, AllZeroGivesNothing) {
  ChargeClassification c;
  dominant_charge_formula("", c);
  for (double p : c.percentage) EXPECT_EQ(p, 0);
  EXPECT_TRUE(dominant_formula(c.type).empty());
}

// Negative site contents can make the minimum negative; the percentage is clipped to 0.
TEST(ChargeFormula, NegativeScoresAreClippedToZero) {
  ChargeClassification c = with_totals({{X2, 3}, {Y3, 2}, {Z4, -0.3}, {A2, 12}});
  dominant_charge_formula("", c);
  EXPECT_EQ(c.percentage[14], 0);
}

TEST(ChargeClassTotals, DivalentAnionsAreTheAnionTotalLessFluorine) {
  SiteAllocation s;
  RecalculatedFormula f;
  f.AnionTotal1 = 12;
  f.Fapfu = 0.4;
  ChargeClassTotals t{};
  charge_class_totals(s, f, t);
  EXPECT_DOUBLE_EQ(t[A1], 0.4);
  EXPECT_DOUBLE_EQ(t[A2], 11.6);
  f.Fapfu = 12.5;
  charge_class_totals(s, f, t);
  EXPECT_EQ(t[A2], 0);
}

TEST(AnionSite, SplitsIntoOxygenHydroxylAndFluorine) {
  struct Case {
    double ZH, A1, A2;
    AnionSite expected;
  };
  const Case cases[] = {
      {0, 0, 12, {12, 0, 0, 12}},
      {0.5, 0.2, 11.8, {9.8, 2, 0.2, 12}},
      {0.5, 0.2, 0, {0, 2, 0.2, 2.2}},  // no divalent anions: the total is OH + F
      {0, -0.1, 12, {12, 0, 0, 12}},
  };
  for (const Case& k : cases) {
    ChargeClassTotals t{};
    t[ZH] = k.ZH;
    t[A1] = k.A1;
    t[A2] = k.A2;
    AnionSite a;
    split_anion_site(t, a);
    EXPECT_NEAR(a.O, k.expected.O, 1e-12);
    EXPECT_NEAR(a.OH, k.expected.OH, 1e-12);
    EXPECT_NEAR(a.F, k.expected.F, 1e-12);
    EXPECT_NEAR(a.total, k.expected.total, 1e-12);
  }
}

}  // namespace
}  // namespace kolbex::engine
