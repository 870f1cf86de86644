#include "results/diagram_commands.h"

namespace kolbex::results {
namespace {

constexpr std::string_view grew = "Grew et al. (2013) American Mineralogist 98, 785-811";
constexpr std::string_view points_alone = "Points alone";

}  // namespace

// Captions exactly as the menu shows them, double blanks included. Columns are the header items of the
// diagram data files; apices run top, bottom left, bottom right.
// clang-format off
constexpr std::array<DiagramCommand, 17> diagram_commands = {{
    {DiagramSubmenu::classification, "[1]  Morimotoite - Andradite - Schorlomite (Grew et al., 2013)", "YR4R2R3R4.grf",
     "YR4R2R3R4.dat", {"YR4R2", "YR3", "YR4"}, {"morimotoite (Ti + Fe2+ on Y)", "andradite (Fe3+ on Y)", "schorlomite (Ti + Zr on Y)"},
     grew, "", DiagramFields::dominant_constituent, PointStyle::plain, ""},
    {DiagramSubmenu::classification, "[2]  UR4 - SbZr - SbSn (Grew et al., 2013)", "USbZrSn.grf",
     "USbZrSn.dat", {"YUR4", "YSbZr", "YSbSn"}, {"U + R4+ on Y", "Sb + Zr on Y", "Sb + Sn on Y"},
     grew, "", DiagramFields::dominant_constituent, PointStyle::plain, ""},
    {DiagramSubmenu::classification, "[3]  R4R2 - R3 - R4 (Grew et al., 2013)", "YR4R2R3R4a.grf",
     "YR4R2R3R4a.dat", {"YR4R2Fe2TiTot", "YR3Fe3ScV3AlCr", "YR4ZrSnTiZr"}, {"R4+ R2+ (Ti + Fe2+)", "R3+ (Fe3+ Sc V Al Cr)", "R4+ (Zr Sn Ti)"},
     grew, "", DiagramFields::dominant_constituent, PointStyle::plain, ""},
    {DiagramSubmenu::classification, "[4]  R4R2 - R3 - R2 (Grew et al., 2013)", "YR4R2R3YREER2.grf",
     "YR4R2R3YREER2.dat", {"R4R2", "YR3", "YREER2"}, {"R4+ R2+ on Y", "R3+ on Y", "R2+ (Mg on Y, Y+REE on X)"},
     grew, "", DiagramFields::dominant_constituent, PointStyle::plain, ""},
    {DiagramSubmenu::classification, "[5]  YSn - YZr - YTi (Grew et al., 2013)", "YSnZrTi.grf",
     "YSnZrTi.dat", {"YSn", "YZr", "YTi"}, {"Sn on Y", "Zr on Y", "Ti on Y"},
     grew, "", DiagramFields::dominant_constituent, PointStyle::plain, ""},
    {DiagramSubmenu::classification, "[6]  YTiFe2 - YFe3 - YMg (Grew et al., 2013)", "YTiFe2Fe3Mg.grf",
     "YTiFe2Fe3Mg.dat", {"YTiFe2", "YFe3", "YMg"}, {"Ti + Fe2+ on Y", "Fe3+ on Y", "Mg on Y + Y+REE on X"},
     grew, "", DiagramFields::dominant_constituent, PointStyle::plain, ""},
    {DiagramSubmenu::classification, "[7]  XMg - XFe2 - XCa (Grew et al., 2013)", "XMgFe2Ca.grf",
     "XMgFe2Ca.dat", {"XMg", "XFe2", "XCa"}, {"pyrope (Mg on X)", "almandine (Fe2+ on X)", "grossular (Ca on X)"},
     grew, "", DiagramFields::dominant_constituent, PointStyle::plain, ""},
    {DiagramSubmenu::classification, "[8]  XMg - XMn2 - XFe2 (Grew et al., 2013)", "XMgMn2Fe2.grf",
     "XMgMn2Fe2.dat", {"XMg", "XMn2", "XFe2"}, {"pyrope (Mg on X)", "spessartine (Mn2+ on X)", "almandine (Fe2+ on X)"},
     grew, "", DiagramFields::dominant_constituent, PointStyle::plain, ""},
    {DiagramSubmenu::provenance, "[1]  Prp - Alm+Sps - Grs  (Wright, 1938)", "PrpAlmSpsGrs.grf",
     "PrpAlmSpsGrs.dat", {"Prp", "AlmSps", "Grs"}, {"Prp", "Alm+Sps", "Grs"},
     "Wright, W.I. (1938) American Mineralogist 23, 436-449", "", DiagramFields::none, PointStyle::plain, ""},
    {DiagramSubmenu::provenance, "[2]  Sps - Prp -Grs   (Tereoka et al., 1997;1998)", "SpsPrpGrs.grf",
     "SpsPrpGrs.dat", {"Sps", "Prp", "Grs"}, {"Sps", "Prp", "Grs"},
     "Teraoka, Y. and others (1997; 1998)", "", DiagramFields::none, PointStyle::plain, ""},
    {DiagramSubmenu::provenance, "[3]  Prp - Alm+Sps - Grs  (Morton et al., 2004)", "XMgFeMnCa1.grf",
     "PrpAlmSpsGrs.dat", {"Prp", "AlmSps", "Grs"}, {"Prp", "Alm+Sps", "Grs"},
     "Morton, A., Hallsworth, C. & Chalton, B. (2004) Marine and Petroleum Geology 21, 393-410", "",
     DiagramFields::none, PointStyle::plain, ""},
    {DiagramSubmenu::provenance, "[4]  Prp - Alm+Sps - Grs  (Mange and Morton, 2007)", "XMgFeMnCa.grf",
     "PrpAlmSpsGrs.dat", {"Prp", "AlmSps", "Grs"}, {"Prp", "Alm+Sps", "Grs"},
     "Mange, M.A. & Morton, A.C. (2007) Developments in Sedimentology 58, 345-391",
     "Fields A, Bi, Bii, Ci, Cii, D as digitised in the ggarnet package", DiagramFields::mange_morton_2007,
     PointStyle::plain, ""},
    {DiagramSubmenu::provenance, "[5]  Prp - Alm -Grs   (Aubrecht et al., 2009)", "PrpAlmGrs.grf",
     "PrpAlmGrs.dat", {"Prp", "Alm", "Grs"}, {"Prp", "Alm", "Grs"},
     "Aubrecht, R., Meres, S., Sykora, M. & Mikus, T. (2009) Geologica Carpathica 60, 463-483", "",
     DiagramFields::none, PointStyle::plain, ""},
    {DiagramSubmenu::provenance, "[6]  Prp - Alm -Sps   (Aubrecht et al., 2009)", "PrpAlmSps.grf",
     "PrpAlmSps.dat", {"Prp", "Alm", "Sps"}, {"Prp", "Alm", "Sps"},
     "Aubrecht, R., Meres, S., Sykora, M. & Mikus, T. (2009) Geologica Carpathica 60, 463-483", "",
     DiagramFields::none, PointStyle::plain, ""},
    {DiagramSubmenu::provenance, "[7]  Alm - Grs+Adr+Shr - Prp  (Suggate and Hall, 2013)", "XAGASP1.grf",
     "XAGASP.dat", {"Alm", "GrsAdrShr", "Prp"}, {"Alm", "Grs+Adr+Shr", "Prp"},
     "Suggate, S.M. & Hall, R. (2014) Geological Society, London, Special Publications 386, 373-393",
     points_alone, DiagramFields::none, PointStyle::plain, ""},
    {DiagramSubmenu::provenance, "[8]  Alm - Grs+Adr+Shr - Prp  (Suggate and Hall, 2013)", "XAGASP2.grf",
     "XAGASP.dat", {"Alm", "GrsAdrShr", "Prp"}, {"Alm", "Grs+Adr+Shr", "Prp"},
     "Suggate, S.M. & Hall, R. (2014) Geological Society, London, Special Publications 386, 373-393",
     "Points coloured by their spessartine share (Sps, %)", DiagramFields::none, PointStyle::coloured_by_fourth, "Sps"},
    {DiagramSubmenu::provenance, "[9]  Alm - Grs+Adr+Shr - Prp  (Suggate and Hall, 2013)", "XAGASP3.grf",
     "XAGASP.dat", {"Alm", "GrsAdrShr", "Prp"}, {"Alm", "Grs+Adr+Shr", "Prp"},
     "Suggate, S.M. & Hall, R. (2014) Geological Society, London, Special Publications 386, 373-393",
     "Points with the fields of the dominant end-member (no published field coordinates at hand)",
     DiagramFields::dominant_constituent, PointStyle::plain, ""},
}};

// Provenance fields on Prp - Alm+Sps - Grs, per cent, in drawing order. Digitised in the R package ggarnet
// (github:gabertol/ggarnet, data/garnet_mg_fe_mn_ca.csv), which names them as Mange & Morton (2007) do and
// gives no citation of its own.
constexpr std::array<std::array<double, 3>, 4> type_a = {{{70, 30, 0}, {20, 80, 0}, {20, 70, 10}, {50, 40, 10}}};
constexpr std::array<std::array<double, 3>, 4> type_bi = {{{0, 100, 0}, {0, 90, 10}, {20, 70, 10}, {20, 80, 0}}};
constexpr std::array<std::array<double, 3>, 5> type_bii = {{{0, 90, 10}, {0, 45, 55}, {10, 40, 50}, {10, 60, 30}, {20, 70, 10}}};
constexpr std::array<std::array<double, 3>, 5> type_ci = {{{10, 60, 30}, {10, 0, 90}, {40, 0, 60}, {40, 50, 10}, {20, 70, 10}}};
constexpr std::array<std::array<double, 3>, 5> type_cii = {{{100, 0, 0}, {70, 30, 0}, {50, 40, 10}, {40, 50, 10}, {40, 0, 60}}};
constexpr std::array<std::array<double, 3>, 4> type_d = {{{0, 0, 100}, {10, 0, 90}, {10, 40, 50}, {0, 45, 55}}};
constexpr std::array<FieldPolygon, 6> mange_morton = {{
    {"A", type_a}, {"Bi", type_bi}, {"Bii", type_bii}, {"Ci", type_ci}, {"Cii", type_cii}, {"D", type_d},
}};
// clang-format on

const DiagramCommand* diagram_for_template(std::string_view template_name) {
  for (const DiagramCommand& d : diagram_commands)
    if (d.template_name == template_name) return &d;
  return nullptr;
}

std::span<const FieldPolygon> mange_morton_fields() { return mange_morton; }

}  // namespace kolbex::results
