#pragma once

#include <string_view>

#include "engine/formula_recalculation.h"
#include "engine/species_naming.h"

namespace kolbex::engine {

// Garnet end-member percentages for the classification and provenance diagrams. They appear in the
// diagram data files only, never in the results table. A value that does not apply to the analysis is
// empty (NaN); every value starts empty for every analysis.
struct EndMembers {
  // Three-component set: Fe2+, Mg, Mn2+ and Ca as per cent of S = Fe2+ + Ca + Mg + Mn.
  double Alm, Prp, Sps, Grs;
  double AlmSps;  // Alm + Sps
  // Four-component set: the same Fe2+, Mg and Mn shares, and the Ca share split in proportion to Al,
  // Fe3+ and Ti among T = Ti + Al + Fe3+ + Cr.
  double Alm4, Prp4, Sps4, Grs4, Adr4, Shr4;
  double GrsAdrShr;  // Grs4 + Adr4 + Shr4
};

// Fills the end-member values from the recalculated formula and applies the species rules: the
// three-component set for pyrope (of the Garnet group, tetravalent Z garnet), grossular, spessartine and
// almandine; the four-component set for these and for andradite and uvarovite; nothing for any other.
void compute_end_members(const RecalculatedFormula& formula, const SpeciesName& name,
                         FormulaType formula_type, EndMembers& end_members);

}  // namespace kolbex::engine
