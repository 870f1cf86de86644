#pragma once

#include <array>
#include <string_view>

#include "engine/analysis_record.h"

namespace kolbex::engine {

// Positions in the oxide catalogue. The first 27 are the cation oxides, whose position is also that of
// their cation label in the recalculated formula; fluorine and water follow.
namespace oxide {
// clang-format off
enum Index : int {
  SiO2, TiO2, ZrO2, HfO2, ThO2, SnO2, Al2O3, Cr2O3, V2O3, Fe2O3, Mn2O3, Sc2O3, Y2O3, FeO, MgO, MnO,
  ZnO, CaO, Na2O, Li2O, P2O5, V2O5, Sb2O5, As2O5, Nb2O5, UO3, TeO3, F, H2O,
};
// clang-format on
}  // namespace oxide

// The cation labels of the recalculated formula, at the position of their oxide.
namespace cation {
// clang-format off
enum Index : int {
  Si = oxide::SiO2, Ti = oxide::TiO2, Zr = oxide::ZrO2, Hf = oxide::HfO2, Th = oxide::ThO2, Sn = oxide::SnO2,
  Al = oxide::Al2O3, Cr = oxide::Cr2O3, V3 = oxide::V2O3, Fe3 = oxide::Fe2O3, Mn3 = oxide::Mn2O3,
  Sc = oxide::Sc2O3, YREE = oxide::Y2O3, Fe2 = oxide::FeO, Mg = oxide::MgO, Mn2 = oxide::MnO, Zn = oxide::ZnO,
  Ca = oxide::CaO, Na = oxide::Na2O, Li = oxide::Li2O, P = oxide::P2O5, V5 = oxide::V2O5, Sb = oxide::Sb2O5,
  As = oxide::As2O5, Nb = oxide::Nb2O5, U = oxide::UO3, Te = oxide::TeO3,
};
// clang-format on
}  // namespace cation

inline constexpr int cation_oxide_count = 27;
inline constexpr int catalogue_size = 29;

// One catalogue entry: the record field it reads, the molar mass M (g/mol), the cations n one formula
// unit of the oxide contributes and the oxygens o per cation (the cation's charge is 2 o). For fluorine
// n is one fluorine atom, an anion counted as half an oxygen, and o is unused; for water n is two
// hydrogen atoms and o = 0.5, so each H2O brings one oxygen.
struct OxideEntry {
  std::string_view name;
  double AnalysisRecord::*field;
  double M;
  double n;
  double o;
  std::string_view cation;
};

inline constexpr std::array<OxideEntry, catalogue_size> OxideCatalogue = {{
    {"SiO2", &AnalysisRecord::SiO2, 60.0843, 1, 2, "Si"},
    {"TiO2", &AnalysisRecord::TiO2, 79.8658, 1, 2, "Ti"},
    {"ZrO2", &AnalysisRecord::ZrO2, 123.2228, 1, 2, "Zr"},
    {"HfO2", &AnalysisRecord::HfO2, 210.4888, 1, 2, "Hf"},
    {"ThO2", &AnalysisRecord::ThO2, 264.03686, 1, 2, "Th"},
    {"SnO2", &AnalysisRecord::SnO2, 150.7088, 1, 2, "Sn"},
    {"Al2O3", &AnalysisRecord::Al2O3, 101.96128, 2, 1.5, "Al"},
    {"Cr2O3", &AnalysisRecord::Cr2O3, 151.9904, 2, 1.5, "Cr"},
    {"V2O3", &AnalysisRecord::V2O3, 149.8812, 2, 1.5, "V3+"},
    {"Fe2O3", &AnalysisRecord::Fe2O3, 159.6882, 2, 1.5, "Fe3+"},
    {"Mn2O3", &AnalysisRecord::Mn2O3, 157.87429, 2, 1.5, "Mn3+"},
    {"Sc2O3", &AnalysisRecord::Sc2O3, 137.91002, 2, 1.5, "Sc"},
    {"Y2O3", &AnalysisRecord::Y2O3, 225.8099, 2, 1.5, "Y+REE"},  // with the rare earths added as Y2O3
    {"FeO", &AnalysisRecord::FeO, 71.8444, 1, 1, "Fe2+"},
    {"MgO", &AnalysisRecord::MgO, 40.3044, 1, 1, "Mg"},
    {"MnO", &AnalysisRecord::MnO, 70.93745, 1, 1, "Mn2+"},
    {"ZnO", &AnalysisRecord::ZnO, 81.3794, 1, 1, "Zn"},
    {"CaO", &AnalysisRecord::CaO, 56.0774, 1, 1, "Ca"},
    {"Na2O", &AnalysisRecord::Na2O, 61.97894, 2, 0.5, "Na"},
    {"Li2O", &AnalysisRecord::Li2O, 29.8814, 2, 0.5, "Li"},
    {"P2O5", &AnalysisRecord::P2O5, 141.9445, 2, 2.5, "P"},
    {"V2O5", &AnalysisRecord::V2O5, 181.88, 2, 2.5, "V5+"},
    {"Sb2O5", &AnalysisRecord::Sb2O5, 323.517, 2, 2.5, "Sb"},
    {"As2O5", &AnalysisRecord::As2O5, 229.8402, 2, 2.5, "As"},
    {"Nb2O5", &AnalysisRecord::Nb2O5, 265.80976, 2, 2.5, "Nb"},
    {"UO3", &AnalysisRecord::UO3, 286.0271, 1, 3, "U"},
    {"TeO3", &AnalysisRecord::TeO3, 175.5982, 1, 3, "Te"},
    {"F", &AnalysisRecord::F, 18.9984032, 1, 0, "F"},
    {"H2O", &AnalysisRecord::H2O, 18.01528, 2, 0.5, "H"},
}};

// The rare-earth oxides, converted to Y2O3-equivalent wt% (w x 225.8099 / M) before Y2O3 is divided by
// its molar mass. There is no Pm2O3 column.
struct RareEarthEntry {
  double AnalysisRecord::*field;
  double M;
};
inline constexpr std::array<RareEarthEntry, 14> RareEarthCatalogue = {{
    {&AnalysisRecord::La2O3, 325.8092},
    {&AnalysisRecord::Ce2O3, 328.2302},
    {&AnalysisRecord::Pr2O3, 329.8135},
    {&AnalysisRecord::Nd2O3, 336.4782},
    {&AnalysisRecord::Sm2O3, 348.7182},
    {&AnalysisRecord::Eu2O3, 351.9262},
    {&AnalysisRecord::Gd2O3, 362.4982},
    {&AnalysisRecord::Tb2O3, 365.84888},
    {&AnalysisRecord::Dy2O3, 372.9982},
    {&AnalysisRecord::Ho2O3, 377.85884},
    {&AnalysisRecord::Er2O3, 382.5182},
    {&AnalysisRecord::Tm2O3, 385.86662},
    {&AnalysisRecord::Yb2O3, 394.0782},
    {&AnalysisRecord::Lu2O3, 397.9322},
}};

inline constexpr double oxygen_mass = 15.9994;        // atomic mass of oxygen
inline constexpr double two_fluorine_mass = 37.9968;  // twice that of fluorine, rounded

}  // namespace kolbex::engine
