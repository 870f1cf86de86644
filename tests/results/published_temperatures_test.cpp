#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "results/run_context.h"
#include "tests/support/calibration_columns.h"
#include "thermometry/garnet_biotite.h"
#include "thermometry/garnet_clinopyroxene.h"
#include "thermometry/garnet_orthopyroxene.h"

namespace kolbex::results {
namespace {

using test::column_of;

// The worked examples of PET (E. Dachs, "PET: Petrological Elementary Tools for Mathematica",
// Computers & Geosciences 24 (1998) 219-235; update 30 (2004) 173-182). Version 7.0 of PET computes
// its thermometers for the analyses of its example file "gtb" (Work/GTB of the distribution) in the
// usage texts of GT1, GT7 and GT9 (package GTB.m) and in the notebook PET_CalcThermoBaro_7.0.nb. Those
// analyses, wt%, in the file's column order:
struct Oxides {
  double SiO2, Al2O3, TiO2, MgO, FeO, MnO, CaO, Na2O, K2O;
};
constexpr Oxides pet_garnet{38.53, 21.85, 0, 2.3, 33.77, 4.86, 0.87, 0, 0};
constexpr Oxides pet_biotite{36.31, 19.74, 1.43, 10.04, 18.35, 0.12, 0.11, 0.28, 7.9};
constexpr Oxides pet_clinopyroxene{53.14, 2.06, .08, 11.3, 9.48, .11, 22.57, 1.33, 0};
constexpr Oxides pet_orthopyroxene{51.83, 2.02, .1, 21.75, 23.58, .25, .63, .01, 0};

// A partner's formula as PET forms it: cations on `oxygens`, and for the pyroxenes Fe3+ by charge
// balance on `cations` (Droop 1987). That estimate is what reproduces the lnKD PET prints: 2.99809 for
// the clinopyroxene and 2.66679 for the orthopyroxene (all iron as Fe2+ would give 2.862 and 2.606).
struct Formula {
  double Si, Al, Ti, Mg, Fe, Mn, Ca, Na, K, Fe3 = 0;
  double Fe2() const { return Fe - Fe3; }
};

Formula formula_of(const Oxides& w, double oxygens, double cations = 0) {
  // Atomic weights: O 15.9994, Si 28.0855, Al 26.9815, Ti 47.867, Mg 24.305, Fe 55.845,
  // Mn 54.938, Ca 40.078, Na 22.9898, K 39.0983.
  const double SiO2 = w.SiO2 / 60.0843, Al2O3 = w.Al2O3 / 101.9613, TiO2 = w.TiO2 / 79.8658;
  const double MgO = w.MgO / 40.3044, FeO = w.FeO / 71.8444, MnO = w.MnO / 70.9374;
  const double CaO = w.CaO / 56.0774, Na2O = w.Na2O / 61.9789, K2O = w.K2O / 94.1960;
  const double oxygen = 2 * SiO2 + 3 * Al2O3 + 2 * TiO2 + MgO + FeO + MnO + CaO + Na2O + K2O;
  double f = oxygens / oxygen;
  Formula x{SiO2 * f, 2 * Al2O3 * f, TiO2 * f, MgO * f, FeO * f, MnO * f, CaO * f, 2 * Na2O * f, 2 * K2O * f};
  if (cations > 0) {
    const double sum = x.Si + x.Al + x.Ti + x.Mg + x.Fe + x.Mn + x.Ca + x.Na + x.K;
    f = cations / sum;
    x = {x.Si * f, x.Al * f, x.Ti * f, x.Mg * f, x.Fe * f, x.Mn * f, x.Ca * f, x.Na * f, x.K * f};
    x.Fe3 = std::min(std::max(2 * oxygens * (1 - f), 0.0), x.Fe);
  }
  return x;
}

// The garnet goes the whole way from its oxides, through the formula recalculation and the naming
// (an almandine, which receives temperatures); the partners enter as the apfu a user types in.
RunContext pet_pairs(double kbar) {
  RunContext c;
  engine::AnalysisRecord& r = c.record;
  r.SampleNo = "gtb";
  r.SiO2 = pet_garnet.SiO2, r.Al2O3 = pet_garnet.Al2O3, r.MgO = pet_garnet.MgO, r.FeO = pet_garnet.FeO;
  r.MnO = pet_garnet.MnO, r.CaO = pet_garnet.CaO;

  const Formula bt = formula_of(pet_biotite, 11);
  r.PGrtBt = kbar, r.BtAlVI = bt.Al - (4 - bt.Si), r.BtTi = bt.Ti, r.BtFe2 = bt.Fe, r.BtMg = bt.Mg;
  const Formula cpx = formula_of(pet_clinopyroxene, 6, 4);
  r.PGrtCpx = kbar, r.CpxAlTot = cpx.Al, r.CpxFeTot = cpx.Fe, r.CpxFe2 = cpx.Fe2(), r.CpxMg = cpx.Mg;
  const Formula opx = formula_of(pet_orthopyroxene, 6, 4);
  r.PGrtOpx = kbar, r.OpxAlTot = opx.Al, r.OpxFe2 = opx.Fe2(), r.OpxMg = opx.Mg;
  return c;
}

// PET's temperatures for the calibrations it shares with Kolbex. PET subtracts 273.15 from kelvin,
// Kolbex 273, so Kolbex reads 0.15 higher. What remains is how the two round the published constants:
// PET has 2739.646 K for Thompson's constant where Kolbex has 2740 K (Kolbex 0.10 higher) and writes Ferry &
// Spear's eq. 7 as 12454 cal and 4.662 cal/K over 3R (Kolbex 0.06 lower); the atomic weights add a few
// thousandths. A wrong term moves a temperature by degrees. Thompson's and Ferry & Spear's pressure terms are
// those of the entered-pressure option.
TEST(PublishedTemperatures, PetWorkedExamplesFromTheOxides) {
  using thermometry::garnet_biotite, thermometry::garnet_clinopyroxene, thermometry::garnet_orthopyroxene;
  enum Pair { biotite, clinopyroxene, orthopyroxene };
  struct Case {
    Pair pair;
    std::string_view code;
    double kbar;
    double pet_celsius;
  } cases[] = {
      // Garnet-biotite, lnKD -2.08361.
      {biotite, "TT76", 1, 485.17},  // Thompson (1976), Table 1: notebook, examples 4 and 6
      {biotite, "TT76", 3, 498.01},
      {biotite, "TT76", 6, 517.28},
      {biotite, "TT76", 10, 542.97},
      {biotite, "TFS78", 3, 465.91},  // Ferry & Spear (1978), eq. 7: GT1 usage, calibration 18
      {biotite, "TFS78", 6, 475.92},
      {biotite, "THS82", 2, 472.31},  // Hodges & Spear (1982), eq. 9: CalcThermoBaro usage
      {biotite, "THS82", 4, 478.94},
      {biotite, "THS82", 6, 485.56},
      // Garnet-clinopyroxene, lnKD 2.99809.
      {clinopyroxene, "TKR00", 3, 314.695},  // Krogh Ravna (2000): GT7 usage, default calibration
      {clinopyroxene, "TKR00", 6, 326.735},
      {clinopyroxene, "TEG79", 3, 367.755},  // Ellis & Green (1979): GT7 usage, calibration 8
      {clinopyroxene, "TEG79", 6, 374.402},
      // Garnet-orthopyroxene, lnKD 2.66679 (Fe/Mg of garnet over orthopyroxene).
      {orthopyroxene, "TD80", 3, 255.662},  // Dahl (1980): GT9 usage, calibration 8
      {orthopyroxene, "TD80", 6, 255.662},
  };
  thermometry::RunOptions options;
  options.input_pressure = true;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.code) + " at " + std::to_string(c.kbar) + " kbar");
    RunContext context = pet_pairs(c.kbar);
    calculate_analysis(context, options);
    ASSERT_EQ(context.name.species, engine::Species::almandine);
    const thermometry::ExchangeThermometry& t = context.exchange;
    double celsius = 0;
    switch (c.pair) {
      case biotite: celsius = t.biotite.celsius[column_of(garnet_biotite, c.code)]; break;
      case clinopyroxene: celsius = t.clinopyroxene.celsius[column_of(garnet_clinopyroxene, c.code)]; break;
      case orthopyroxene: celsius = t.orthopyroxene.celsius[column_of(garnet_orthopyroxene, c.code)]; break;
    }
    EXPECT_NEAR(celsius - 0.15, c.pet_celsius, 0.12);
  }
}

}  // namespace
}  // namespace kolbex::results
