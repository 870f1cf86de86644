#pragma once

#include "engine/analysis_record.h"
#include "engine/formula_recalculation.h"

namespace kolbex::thermometry {

// Garnet mole fractions from the formula totals of Mg, Fe2+, Mn2+ and Ca (not the X-site contents).
// Part of the run's working context: a fraction that cannot be formed keeps the previous analysis's.
struct GarnetFractions {
  double S = 0;                               // Mg + Fe2+ + Mn + Ca, apfu
  double XMg = 0, XFe = 0, XCa = 0, XMn = 0;  // each over S
  double MgNumber = 0;                        // Mg# = Mg / (Mg + Fe2+)
  double XCaPrime = 0;                        // XCa' = Ca / (Mg + Fe2+ + Ca)
};

// Octahedral-site fractions of biotite, each over Tbt = Mg + Fe2+ + Al(VI) + Ti.
struct BiotiteFractions {
  double Tbt = 0, XMgbt = 0, XFebt = 0, XTibt = 0, XAlbt = 0;
};

// Clinopyroxene Mg and Fe2+ over Mg + Fe(total) + Al(total).
struct ClinopyroxeneFractions {
  double XMgcpx = 0, XFecpx = 0;
};

// Orthopyroxene M-site fractions over N = Fe2+ + Mg + Al(total) / 2; YAl is what Mg and Fe leave.
struct OrthopyroxeneFractions {
  double N = 0, YMg = 0, YFe = 0, YAl = 0;
};

void compute_garnet_fractions(const engine::RecalculatedFormula& formula, GarnetFractions& g);
// Only when biotite Mg, Fe2+, Al(VI) and Ti are all above 0; otherwise the fractions stay as they were.
void compute_biotite_fractions(const engine::AnalysisRecord& record, BiotiteFractions& bt);
void compute_clinopyroxene_fractions(const engine::AnalysisRecord& record, ClinopyroxeneFractions& cpx);
void compute_orthopyroxene_fractions(const engine::AnalysisRecord& record, OrthopyroxeneFractions& opx);

// What the garnet contributes to every exchange pair: its Mg and Fe2+ formula totals, for the
// distribution coefficients, and its mole fractions.
struct GarnetExchange {
  double Mg, Fe;
  GarnetFractions x;
};

}  // namespace kolbex::thermometry
