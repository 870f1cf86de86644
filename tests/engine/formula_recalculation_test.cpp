#include "engine/formula_recalculation.h"

#include <gtest/gtest.h>

#include "engine/checked.h"
#include "tests/support/record_builder.h"

namespace kolbex::engine {
namespace {

using test::record_with_cations;
using namespace oxide;

struct Recalculation {
  FormulaWork work;
  RecalculatedFormula formula;
  void run(const AnalysisRecord& r) { recalculate_formula(r, work, formula); }
};

double final_cation_sum(const RecalculatedFormula& f) { return f.TotalApfu; }

// An almandine whose frame-1 sums are S = 8.08 and Fe2+ = 2.5 on 12 anions: Si 2.92, Al 2.0, Fe2+ 2.5,
// Mg 0.66 (2 x 2.92 + 1.5 x 2 + 2.5 + 0.66 = 12). E = 1.5 x 8.08 - 12 = 0.12, OFe3 = 3E = 0.36, frame-1
// Fe3+ = 0.24 and Fe2+ = 2.5 - 0.24 = 2.26, A2 = 12 + 0.12 = 12.12, and the final cations sum to 8.
TEST(FormulaRecalculation, AlmandineWithCationExcessGetsFerricIron) {
  Recalculation c;
  c.run(record_with_cations({{SiO2, 2.92}, {Al2O3, 2.0}, {FeO, 2.5}, {MgO, 0.66}}));
  EXPECT_NEAR(c.formula.AnionTotal1, 12, 1e-12);
  EXPECT_NEAR(c.formula.CationSum1, 8.08, 1e-12);
  EXPECT_NEAR(c.work.E, 0.12, 1e-12);
  EXPECT_NEAR(c.work.OFe3, 0.36, 1e-12);
  EXPECT_NEAR(c.work.Fe3amount, 0.24, 1e-12);
  EXPECT_NEAR(c.work.Fe2amount, 2.26, 1e-12);
  EXPECT_NEAR(c.work.A2, 12.12, 1e-12);
  EXPECT_NEAR(c.formula.apfu[cation::Fe3], 0.24 * 12 / 12.12, 1e-12);
  EXPECT_NEAR(c.formula.apfu[cation::Fe2], 2.26 * 12 / 12.12, 1e-12);
  EXPECT_NEAR(final_cation_sum(c.formula), 8, 1e-12);
  // FeO(c) and Fe2O3(c) split the entered FeO in the proportion of the estimate.
  const double FeO_wt = 2.5 * 71.8444;
  EXPECT_NEAR(c.formula.FeOcalc, FeO_wt * 2.26 / 2.5, 1e-9);
  EXPECT_NEAR(c.formula.Fe2O3calc, 1.1113 * FeO_wt * 0.24 / 2.5, 1e-9);
  EXPECT_EQ(c.formula.MnOcalc, 0);
  EXPECT_EQ(c.formula.Mn2O3calc, 0);
}

// Ideal almandine, S = 8 exactly: E = 0, so no Fe3+; FeO(c) and Fe2O3(c) are 0 because Fe3+ is 0.
// With a cation deficit (S < 8) the estimate 3E is negative and is raised to 0.
TEST(FormulaRecalculation, NoExcessLeavesAllIronFerrous) {
  for (const double Fe : {3.0, 2.9}) {
    SCOPED_TRACE(Fe);
    Recalculation c;
    c.run(record_with_cations({{SiO2, 3}, {Al2O3, 2}, {FeO, Fe}, {MnO, 3 - Fe}}));
    EXPECT_EQ(c.work.OFe3, 0);
    EXPECT_EQ(c.formula.apfu[cation::Fe3], 0);
    EXPECT_EQ(c.formula.apfu[cation::Mn3], 0);
    EXPECT_NEAR(c.formula.apfu[cation::Fe2], Fe, 1e-12);
    EXPECT_NEAR(c.formula.apfu[cation::Si], 3, 1e-12);
    EXPECT_EQ(c.formula.FeOcalc, 0);
    EXPECT_EQ(c.formula.Fe2O3calc, 0);
  }
}

// Si 2.8, Al 1.6, Fe 0.2, Mn 3.0 hold 11.2 oxygens and 7.6 cations; on 12 anions (x 12/11.2) S = 8.142857,
// E = 0.214286 and frame-1 Fe = 0.214286, so E > Fe/2 and all iron becomes ferric (OFe3 = 0.321429). The
// excess left, E2 = E - OFe3/3 = 0.107143, is below Mn/2 = 1.607143: OMn3 = 3 E2, frame-1 Mn3+ 0.214286,
// Mn2+ 3.214286 - 0.214286 = 3. A2 = 12 + E = 12.214286 = 1.5 S, so the final cations sum to 8.
TEST(FormulaRecalculation, LargeExcessMakesAllIronFerricAndTheRestGoesToManganese) {
  Recalculation c;
  const AnalysisRecord r = record_with_cations({{SiO2, 2.8}, {Al2O3, 1.6}, {FeO, 0.2}, {MnO, 3.0}});
  c.run(r);
  const double k = 12 / 11.2;
  EXPECT_NEAR(c.work.OFe3, 1.5 * 0.2 * k, 1e-12);
  EXPECT_NEAR(c.work.E2, 0.1 * k, 1e-12);
  EXPECT_NEAR(c.work.Mn3amount, 0.2 * k, 1e-12);
  EXPECT_NEAR(c.work.Mn2amount, 3.0, 1e-12);
  const double to_final = 12 / (12 + 0.2 * k);
  EXPECT_NEAR(c.formula.apfu[cation::Fe2], 0, 1e-12);
  EXPECT_NEAR(c.formula.apfu[cation::Fe3], 0.2 * k * to_final, 1e-12);
  EXPECT_NEAR(c.formula.apfu[cation::Mn3], 0.2 * k * to_final, 1e-12);
  EXPECT_NEAR(c.formula.apfu[cation::Mn2], 3.0 * to_final, 1e-12);
  EXPECT_NEAR(final_cation_sum(c.formula), 8, 1e-12);
  // Mn2O3(c) = 1.112771 MnO Mn3+ / (Mn2+ + Mn3+), Mn3+ / (Mn2+ + Mn3+) = 0.2k / (3 + 0.2k).
  EXPECT_NEAR(c.formula.Mn2O3calc, 1.112771 * r.MnO * 0.2 * k / (3 + 0.2 * k), 1e-9);
  EXPECT_NEAR(c.formula.MnOcalc, r.MnO * 3 / (3 + 0.2 * k), 1e-9);
}

// Both iron oxides entered: the entered states stand, renormalised; nothing is recomputed.
TEST(FormulaRecalculation, EnteredFerricIronStands) {
  Recalculation c;
  c.run(record_with_cations({{SiO2, 2.9}, {Al2O3, 1.9}, {Fe2O3, 0.1}, {FeO, 2.5}, {MgO, 0.6}}));
  // 2 x 2.9 + 1.5 x 2 + 2.5 + 0.6 = 11.9 oxygens; the entered ratio Fe3+/Fe2+ = 0.1/2.5 is kept.
  EXPECT_NEAR(c.formula.apfu[cation::Fe3] / c.formula.apfu[cation::Fe2], 0.1 / 2.5, 1e-12);
  EXPECT_NEAR(c.formula.apfu[cation::Si], 2.9 * 12 / 11.9, 1e-12);
  EXPECT_EQ(c.formula.FeOcalc, 0);
  EXPECT_EQ(c.formula.Fe2O3calc, 0);
}

// Andradite entered as SiO2 35.47, Fe2O3 31.43, CaO 33.10 wt%: Fe3+ 2.000, Fe2+ 0, Si and Ca 3.000.
TEST(FormulaRecalculation, Andradite) {
  AnalysisRecord r;
  r.SiO2 = 35.47;
  r.Fe2O3 = 31.43;
  r.CaO = 33.10;
  Recalculation c;
  c.run(r);
  EXPECT_NEAR(c.formula.apfu[cation::Fe3], 2.000, 5e-4);
  EXPECT_EQ(c.formula.apfu[cation::Fe2], 0);
  EXPECT_NEAR(c.formula.apfu[cation::Si], 3.000, 5e-4);
  EXPECT_NEAR(c.formula.apfu[cation::Ca], 3.000, 5e-4);
  EXPECT_NEAR(c.formula.TotalWt, 100.0, 1e-12);
}

// A cation sum between 8 and 8.00004 (R above 2/3 but not above 0.66667) never makes all iron ferric.
// Si 2.99998, Al 2, Fe2+ 0.00002 and Mg 3.00002 hold 12 oxygens and 8.00002 cations: E = 0.00003 is
// above half the iron, yet R = 0.6666683 fails the threshold, so OFe3 = 3E = 0.00009 rather than
// 1.5 x Fe = 0.00003.
TEST(FormulaRecalculation, ThresholdIsTheLiteralFiveDecimalValue) {
  Recalculation c;
  c.run(record_with_cations({{SiO2, 2.99998}, {Al2O3, 2}, {FeO, 0.00002}, {MgO, 3.00002}}));
  EXPECT_GT(c.work.R, 2.0 / 3.0);
  EXPECT_LT(c.work.R, 0.66667);
  EXPECT_NEAR(c.work.E, 0.00003, 1e-12);
  EXPECT_NEAR(c.work.OFe3, 0.00009, 1e-12);
}

// Fluorine counts as half an oxygen: Si 3, Al 2, Ca 3 and F 0.4 make A = 12 + 0.4 - 0.2 = 12.2.
TEST(FormulaRecalculation, FluorineGroups) {
  Recalculation c;
  const AnalysisRecord r = record_with_cations({{SiO2, 3}, {Al2O3, 2}, {CaO, 3}, {F, 0.4}});
  c.run(r);
  EXPECT_NEAR(c.work.A, 12.2, 1e-12);
  EXPECT_NEAR(c.formula.Fapfu, 0.4 * 12 / 12.2, 1e-12);
  EXPECT_DOUBLE_EQ(c.formula.F4, c.formula.Fapfu / 4);
  EXPECT_DOUBLE_EQ(c.formula.OFapfu, -c.formula.Fapfu / 2);
  EXPECT_NEAR(c.formula.OFwt, -r.F * 15.9994 / 37.9968, 1e-15);
  EXPECT_LT(c.formula.OFwt, 0);
}

// A hydrogarnet: Si 2, Al 2, Ca 3 and 4 H (2 H2O) hold 12 oxygens; the one H4 group counts as a cation.
TEST(FormulaRecalculation, HydrogenGroups) {
  Recalculation c;
  c.run(record_with_cations({{SiO2, 2}, {Al2O3, 2}, {CaO, 3}, {H2O, 4}}));
  EXPECT_NEAR(c.formula.CationSum1, 8, 1e-12);
  EXPECT_NEAR(c.formula.H4, 1, 1e-12);
  EXPECT_NEAR(c.formula.TotalApfu, 8, 1e-12);
}

// Neither FeO nor Fe2O3 entered: no Fe3+ appears, and the whole excess is left for manganese.
TEST(FormulaRecalculation, NoIronEnteredLeavesTheExcessToManganese) {
  Recalculation c;
  // Si 2.92, Al 2, Mn2+ 2.5, Mg 0.66: the almandine above with Mn for Fe, E = 0.12.
  c.run(record_with_cations({{SiO2, 2.92}, {Al2O3, 2.0}, {MnO, 2.5}, {MgO, 0.66}}));
  EXPECT_EQ(c.work.OFe3, 0);
  EXPECT_EQ(c.work.Fe2, 0);
  EXPECT_NEAR(c.work.OMn3, 0.36, 1e-12);
  EXPECT_EQ(c.formula.apfu[cation::Fe3], 0);
  EXPECT_NEAR(c.formula.apfu[cation::Mn3], 0.24 * 12 / 12.12, 1e-12);
}

// The rare earths: La2O3 3.258092 wt% is 2.258099 wt% of Y2O3 (x 225.8099 / 325.8092) for the formula,
// while the results column "Y2O3+REE2O3" and the total add the full 3.258092.
TEST(FormulaRecalculation, RareEarthsEnterAsY2O3Equivalents) {
  AnalysisRecord r;
  r.SiO2 = 30;
  r.Y2O3 = 1;
  r.La2O3 = 3.258092;
  Recalculation c;
  c.run(r);
  EXPECT_NEAR(c.work.Y2O3recalc, 1 + 2.258099, 1e-12);
  EXPECT_NEAR(c.formula.Y2O3REEwt, 1 + 3.258092, 1e-12);
  EXPECT_NEAR(c.formula.TotalWt, 30 + 1 + 3.258092, 1e-12);
}

// An all-zero analysis: the weight-percent quantities are 0, while k and every final apfu keep the
// previous row's values (A = 0 and A2 = 0 make their divisions fail); on a first row they stay 0.
TEST(FormulaRecalculation, AllZeroRowKeepsThePreviousFormula) {
  Recalculation first;
  first.run(AnalysisRecord{});
  EXPECT_EQ(first.formula.apfu[cation::Si], 0);
  EXPECT_EQ(first.formula.TotalApfu, 0);

  Recalculation c;
  c.run(record_with_cations({{SiO2, 2.92}, {Al2O3, 2.0}, {FeO, 2.5}, {MgO, 0.66}}));
  const RecalculatedFormula previous = c.formula;
  const double previous_k = c.work.k;
  c.run(AnalysisRecord{});
  EXPECT_EQ(c.work.k, previous_k);
  EXPECT_EQ(c.formula.apfu, previous.apfu);
  EXPECT_EQ(c.formula.TotalApfu, previous.TotalApfu);
  EXPECT_EQ(c.formula.TotalWt, 0);
  EXPECT_EQ(c.formula.OFwt, 0);
  EXPECT_EQ(c.formula.FeOcalc, 0);
}

TEST(CheckedArithmetic, AFailureNeverBecomesAFiniteResult) {
  EXPECT_TRUE(std::isnan(div(1, 0)));
  EXPECT_TRUE(std::isnan(div(1, div(1, 0))));  // 1/(1/0) fails; it does not give 0
  EXPECT_TRUE(std::isnan(div(1, 1e308 * 10)));
  EXPECT_TRUE(std::isnan(div(1e308, 1e-308)));  // overflow
  EXPECT_TRUE(std::isnan(ln(0)));
  EXPECT_TRUE(std::isnan(ln(-1)));
  double target = 7;
  EXPECT_FALSE(store(target, div(1, 0)));
  EXPECT_FALSE(store(target, 1e308 * 10));
  EXPECT_EQ(target, 7);
  EXPECT_TRUE(store(target, div(1, 4)));
  EXPECT_EQ(target, 0.25);
}

}  // namespace
}  // namespace kolbex::engine
