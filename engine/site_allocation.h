#pragma once

#include "engine/formula_recalculation.h"

namespace kolbex::engine {

// The contents of the three cation sites of {X3}[Y2](Z3)phi12, in apfu, in results-column order.
// Z is tetrahedral (capacity 3), Y octahedral (capacity 2), X dodecahedral (takes what is left).
struct ZSite {
  double Si = 0, Ti = 0, Al = 0, Fe3 = 0, As = 0, V5 = 0, P = 0, Fe2 = 0, Zn = 0, Li = 0;
  double H4 = 0;       // (OH)4 groups in place of SiO4
  double vacancy = 0;  // left by fluorine not balanced by Li
  double total = 0;
};
struct YSite {
  double Si = 0, Ti = 0, Zr = 0, Hf = 0, Sn = 0, Sb = 0, Nb = 0, Te = 0, U = 0;
  double Al = 0, Fe3 = 0, Sc = 0, V3 = 0, Cr = 0, Mn3 = 0, Mg = 0, Fe2 = 0, Mn2 = 0;
  double total = 0;
};
struct XSite {
  double Th = 0, YREE = 0, Fe2 = 0, Mn2 = 0, Mg = 0, Ca = 0, Na = 0;
  double total = 0;
};

struct SiteAllocation {
  ZSite Z;
  YSite Y;
  XSite X;
  double Zpre = 0;  // what Z holds before the fill: As, V5+, P, Zn, Li, H4 and the vacancy
  double Ypre = 0;  // the cations placed whole on Y
  double Y0 = 0;    // Ypre with the Si, Al, Fe3+ and Ti that Z left; not limited to 2
  double d = 0;     // the Ti-Fe2+ exchange between Y and Z
};

// Distributes the final cations over Z, Y and X by fixed preference orders and capacities. Nothing
// clamps a negative content: the Z corrections and the exchange may produce them.
void allocate_sites(const RecalculatedFormula& formula, SiteAllocation& sites);

}  // namespace kolbex::engine
