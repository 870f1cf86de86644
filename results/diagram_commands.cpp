#include "results/diagram_commands.h"

namespace kolbex::results {

// Captions exactly as the menu shows them, double blanks included.
// clang-format off
constexpr std::array<DiagramCommand, 17> diagram_commands = {{
    {DiagramSubmenu::classification, "[1]  Morimotoite - Andradite - Schorlomite (Grew et al., 2013)", "YR4R2R3R4.grf"},
    {DiagramSubmenu::classification, "[2]  UR4 - SbZr - SbSn (Grew et al., 2013)", "USbZrSn.grf"},
    {DiagramSubmenu::classification, "[3]  R4R2 - R3 - R4 (Grew et al., 2013)", "YR4R2R3R4a.grf"},
    {DiagramSubmenu::classification, "[4]  R4R2 - R3 - R2 (Grew et al., 2013)", "YR4R2R3YREER2.grf"},
    {DiagramSubmenu::classification, "[5]  YSn - YZr - YTi (Grew et al., 2013)", "YSnZrTi.grf"},
    {DiagramSubmenu::classification, "[6]  YTiFe2 - YFe3 - YMg (Grew et al., 2013)", "YTiFe2Fe3Mg.grf"},
    {DiagramSubmenu::classification, "[7]  XMg - XFe2 - XCa (Grew et al., 2013)", "XMgFe2Ca.grf"},
    {DiagramSubmenu::classification, "[8]  XMg - XMn2 - XFe2 (Grew et al., 2013)", "XMgMn2Fe2.grf"},
    {DiagramSubmenu::provenance, "[1]  Prp - Alm+Sps - Grs  (Wright, 1938)", "PrpAlmSpsGrs.grf"},
    {DiagramSubmenu::provenance, "[2]  Sps - Prp -Grs   (Tereoka et al., 1997;1998)", "SpsPrpGrs.grf"},
    {DiagramSubmenu::provenance, "[3]  Prp - Alm+Sps - Grs  (Morton et al., 2004)", "XMgFeMnCa1.grf"},
    {DiagramSubmenu::provenance, "[4]  Prp - Alm+Sps - Grs  (Mange and Morton, 2007)", "XMgFeMnCa.grf"},
    {DiagramSubmenu::provenance, "[5]  Prp - Alm -Grs   (Aubrecht et al., 2009)", "PrpAlmGrs.grf"},
    {DiagramSubmenu::provenance, "[6]  Prp - Alm -Sps   (Aubrecht et al., 2009)", "PrpAlmSps.grf"},
    {DiagramSubmenu::provenance, "[7]  Alm - Grs+Adr+Shr - Prp  (Suggate and Hall, 2013)", "XAGASP1.grf"},
    {DiagramSubmenu::provenance, "[8]  Alm - Grs+Adr+Shr - Prp  (Suggate and Hall, 2013)", "XAGASP2.grf"},
    {DiagramSubmenu::provenance, "[9]  Alm - Grs+Adr+Shr - Prp  (Suggate and Hall, 2013)", "XAGASP3.grf"},
}};
// clang-format on

}  // namespace kolbex::results
