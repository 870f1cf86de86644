#pragma once

#include <array>

#include "engine/analysis_record.h"
#include "engine/oxide_catalogue.h"

namespace kolbex::engine {

// The mineral formula of one analysis in atoms per formula unit (apfu), on 12 anion equivalents with
// Fe3+/Fe2+ and Mn3+/Mn2+ estimated by charge balance for 8 cations.
struct RecalculatedFormula {
  std::array<double, cation_oxide_count> apfu{};  // final apfu by cation label, in catalogue order
  double F4 = 0;                                  // F4 groups: fluorine apfu / 4
  double H4 = 0;           // H4 groups: hydrogen apfu / 4, each an (OH)4 tetrahedron in place of SiO4
  double Fapfu = 0;        // fluorine apfu
  double OFapfu = 0;       // -0.5 x Fapfu
  double TotalApfu = 0;    // the 27 cation apfu + F4 + H4
  double CationSum1 = 0;   // S, the cation sum of the first normalisation
  double AnionTotal1 = 0;  // T, the anion-equivalent total of the first normalisation (12 up to rounding)
  double OFwt = 0;         // oxygen-for-fluorine correction, wt% (negative)
  double TotalWt = 0;      // analysis total, wt%
  double Y2O3REEwt = 0;    // entered Y2O3 + the rare-earth oxides as entered, wt%
  double FeOcalc = 0, Fe2O3calc = 0, MnOcalc = 0, Mn2O3calc = 0;  // wt% recomputed from the estimate
};

// Every intermediate quantity of the recalculation. It belongs to the run's working context: a failed
// step leaves the previous analysis row's value in place.
struct FormulaWork {
  double REEsum = 0;                       // the fourteen rare-earth oxides as entered, wt%
  double Y2O3recalc = 0;                   // Y2O3 with the rare earths converted to Y2O3 equivalents, wt%
  std::array<double, catalogue_size> m{};  // moles w / M
  std::array<double, catalogue_size> c{};  // cation proportions m n (hydrogen for H2O, fluorine for F)
  std::array<double, catalogue_size> p{};  // oxygen proportions c o (not used for F)
  double A = 0;                            // anion equivalents, each fluorine counting half an oxygen
  double k = 0;                            // 12 / A
  std::array<double, cation_oxide_count> x1{};  // frame-1 cation amounts
  double F4_1 = 0, H4_1 = 0;                    // frame-1 F4 and H4 group amounts
  std::array<double, catalogue_size> q1{};      // frame-1 anion amounts (not used for F)
  double F1 = 0, OF1 = 0;                       // frame-1 fluorine and its oxygen equivalent
  double R = 0;                                 // S / T
  double E = 0;              // 1.5 S - T: the oxygen to add for the formula to hold 8 cations
  double OFe3 = 0, Fe2 = 0;  // frame-1 oxygen bound to Fe3+, and Fe2+ (= its oxygen)
  double E2 = 0;             // the excess left for manganese
  double OMn3 = 0, Mn2 = 0;
  double Fe3amount = 0, Fe2amount = 0, Mn3amount = 0,
         Mn2amount = 0;  // the estimated amounts, before renormalising
  double A2 = 0;         // anion equivalents after the estimate
};

// Recalculates one analysis: analysis total, O=F, both normalisations, the iron and manganese
// estimates and the recomputed oxides. Each step is one assignment of the run (see engine/checked.h).
void recalculate_formula(const AnalysisRecord& record, FormulaWork& work, RecalculatedFormula& formula);

}  // namespace kolbex::engine
