#include "thermometry/garnet_biotite.h"

#include "engine/checked.h"

namespace kolbex::thermometry {

using engine::div;
using engine::ln;

double ln_kbt(const BiotitePair& p) { return ln(div(p.garnet.Mg * p.Febt, p.garnet.Fe * p.Mgbt)); }

namespace {

// Garnet Fe-Mg mixing term of Ganguly & Saxena (1984).
double W(const BiotitePair& p) {
  const GarnetFractions& g = p.garnet.x;
  return div(837 * g.XMg + 10460 * g.XFe, g.XMg + g.XFe);
}

// Thompson, A.B. (1976) American Journal of Science 276, 425-454. With the entered pressure, 0.0234 K
// per bar, that is 23.4 per kbar.
double tt76(const BiotitePair& p, const RunOptions& o) {
  if (o.input_pressure) return div(2740 + 23.4 * p.Pbt, 1.56 - ln_kbt(p)) - 273;
  return div(2740, 1.56 - ln_kbt(p)) - 273;
}

// Ferry, J.M. & Spear, F.S. (1978) Contributions to Mineralogy and Petrology 66, 113-117.
double tfs78(const BiotitePair& p, const RunOptions& o) {
  if (o.input_pressure) return div(2089 + 9.56 * p.Pbt, 0.782 - ln_kbt(p)) - 273;
  return div(2109, 0.782 - ln_kbt(p)) - 273;
}

// Hodges, K.V. & Spear, F.S. (1982) American Mineralogist 67, 1118-1134.
double ths82(const BiotitePair& p, const RunOptions&) {
  const GarnetFractions& g = p.garnet.x;
  return div(-12454 - 57 * p.Pbt - 9900 * g.XCa, 5.9616 * ln_kbt(p) - 4.662 - 4.5 * g.XCa) - 273;
}

// Perchuk, L.L. & Lavrent'eva, I.V. (1983) In: Saxena, S.K. (ed.) Kinetics and Equilibrium in Mineral
// Reactions, Advances in Physical Geochemistry 3, Springer, 199-239.
double tpl83(const BiotitePair& p, const RunOptions&) {
  return div(3890 + 9.56 * p.Pbt, 2.868 - ln_kbt(p)) - 273;
}

// Ganguly, J. & Saxena, S.K. (1984) American Mineralogist 69, 88-97.
double tgs84(const BiotitePair& p, const RunOptions&) {
  const GarnetFractions& g = p.garnet.x;
  return div(-17371 - 79.5 * p.Pbt + 7598.16 - W(p) * (g.XFe - g.XMg) - 12552 * g.XCa - 12552 * g.XMn,
             8.3144 * (ln_kbt(p) - 0.782)) -
         273;
}

// Indares, A. & Martignole, J. (1985) American Mineralogist 70, 272-278, their model 1 (Al and Ti of
// biotite, Ca and Mn of garnet).
double t1im85(const BiotitePair& p, const RunOptions&) {
  const GarnetFractions& g = p.garnet.x;
  return div(12454 + 57 * p.Pbt - 3 * (1590 * p.AlVI / 3 + 7451 * p.Ti / 3) + 9000 * (g.XCa + g.XMn),
             4.662 - 5.9616 * ln_kbt(p)) -
         273;
}

// Indares, A. & Martignole, J. (1985) American Mineralogist 70, 272-278, their model 2. The garnet Ca
// term is Hodges & Spear's W(Ca) = 3300 - 1.5 T cal, three sites: 9900 above and 4.5 below the line.
double t2im85(const BiotitePair& p, const RunOptions&) {
  const GarnetFractions& g = p.garnet.x;
  return div(12454 + 57 * p.Pbt + 3 * (-464 * p.AlVI / 3 - 6767 * p.Ti / 3) + 9900 * g.XCa,
             4.662 - 5.9616 * ln_kbt(p) + 4.5 * g.XCa) -
         273;
}

// Dasgupta, S., Sengupta, P., Guha, D. & Fukuoka, M. (1991) Contributions to Mineralogy and Petrology
// 109, 130-137. The biotite octahedral fractions enter as they are: they already sum to 1.
double td91(const BiotitePair& p, const RunOptions&) {
  const GarnetFractions& g = p.garnet.x;
  const BiotiteFractions& b = p.bt;
  return div(4301 + 3000 * g.XCa + 1300 * g.XMn - 495 * (g.XMg - g.XFe) - 3595 * b.XAlbt - 4423 * b.XTibt +
                 1073 * (b.XMgbt - b.XFebt) + 24.6 * p.Pbt,
             1.85 - 1.9872 * ln_kbt(p)) -
         273;
}

// Bhattacharya, A., Mohanty, L., Maji, A., Sen, S.K. & Raith, M. (1992) Contributions to Mineralogy and
// Petrology 111, 87-93. Their two forms differ only in the constants of the garnet mixing model.
// T = (H + 19.3 P - RT ln(gFe/gMg) + W(bt) (2 XMg(bt) - 1)) / (S - R ln KD + 6.276 XCa (1 - XMn)),
// KD = (Fe/Mg)grt / (Fe/Mg)bt, so -R ln KD = -R lnKbt. The garnet bracket is a subregular Fe-Mg garnet,
// a XMg^2 - b XFe^2 + 2 (b - a) XFe XMg, with Hodges & Spear's W(Ca) of 3300 cal and 1.5 cal/K
// (13807 J and 6.276 J/K); the biotite Fe-Mg term stands outside it.
struct MixingModel {
  double constant;                  // the numerator's constant term, H
  double MgMg, FeFe, FeMg, CaMgFe;  // coefficients of XMg^2, XFe^2, XFe XMg (1 - XMn), XCa (XMg - XFe)
  double Wbt;                       // the biotite Fe-Mg interaction
  double denominator;               // the denominator's constant term, S
};
double bhattacharya_1992(const BiotitePair& p, const MixingModel& m) {
  const GarnetFractions& g = p.garnet.x;
  return div(m.constant + 19.3 * p.Pbt -
                 (m.MgMg * (g.XMg * g.XMg) - m.FeFe * (g.XFe * g.XFe) - 13807 * g.XCa * (1 - g.XMn) +
                  m.FeMg * g.XFe * g.XMg * (1 - g.XMn) + m.CaMgFe * g.XCa * (g.XMg - g.XFe)) +
                 m.Wbt * (2 * div(p.Mgbt, p.Mgbt + p.Febt) - 1),
             m.denominator - 8.3143 * ln_kbt(p) + 6.276 * g.XCa * (1 - g.XMn)) -
         273;
}

// Bhattacharya et al. (1992) with the garnet mixing parameters of Hackler & Wood.
double tdb92hw84(const BiotitePair& p, const RunOptions&) {
  return bhattacharya_1992(p, {20286, 2080, 6350, 8540, 4215, 4441, 13.138});
}

// Bhattacharya et al. (1992) with the garnet mixing parameters of Ganguly & Saxena (1984).
double tdb92gs84(const BiotitePair& p, const RunOptions&) {
  return bhattacharya_1992(p, {13538, 837, 10460, 19246, 5648.5, 7972, 6.778});
}

}  // namespace

// clang-format off
constexpr CalibrationTable<BiotitePair> garnet_biotite = {{
    {"TT76", 0, tt76},
    {"TFS78", 1, tfs78},
    {"THS82", 2, ths82},
    {"TPL83", 3, tpl83},
    {"TGS84", 4, tgs84},
    {"T1IM85", 5, t1im85},
    {"T2IM85", 6, t2im85},
    {"TD91", 7, td91},
    {"TDB92GS84", 9, tdb92gs84},
    {"TDB92HW84", 8, tdb92hw84},
}};
// clang-format on
static_assert(fills_each_column_once(garnet_biotite));

}  // namespace kolbex::thermometry
