#include "thermometry/garnet_orthopyroxene.h"

#include "engine/checked.h"

namespace kolbex::thermometry {

using engine::div;
using engine::ln;

double ln_kopx(const OrthopyroxenePair& p) {
  return ln(div(div(p.garnet.Fe, p.garnet.Mg), div(p.Feopx, p.Mgopx)));
}
double ln_kopx_inverse(const OrthopyroxenePair& p) {
  return ln(div(div(p.Feopx, p.Mgopx), div(p.garnet.Fe, p.garnet.Mg)));
}
double ln_kopx_sites(const OrthopyroxenePair& p) {
  return ln(div(p.garnet.x.XFe * p.opx.YMg, p.garnet.x.XMg * p.opx.YFe));
}

namespace {

// Garnet mixing term of Bhattacharya et al. (1991).
double H1(const GarnetFractions& g) {
  return -1220 * g.XFe * g.XMg - 441 * g.XCa * (g.XMg - g.XFe) - 136 * g.XMg * g.XMg + 746 * g.XFe * g.XFe;
}

// Garnet mixing terms of Lal (1993), enthalpy (H2) and entropy (H3), each quadratic in the fractions.
double H2(const GarnetFractions& g) {
  return -1256 * g.XMg * g.XMg - 2880 * g.XFe * g.XFe + 8272 * g.XMg * g.XFe + 812 * g.XCa * (g.XMg - g.XFe) +
         90 * g.XCa * g.XCa - 2340 * g.XCa * (g.XFe + g.XMg) - 3047 * g.XMg * g.XCa - 1813 * g.XFe * g.XCa -
         4498 * g.XCa * (g.XFe - g.XMg);
}
double H3(const GarnetFractions& g) {
  return g.XMg * g.XMg + 1.7 * g.XFe * g.XFe - 5.4 * g.XFe * g.XMg - 0.35 * g.XCa * (g.XMg - g.XFe) +
         1.5 * g.XCa * g.XCa + 1.666 * g.XCa * (g.XFe + g.XMg) + 0.332 * g.XFe * g.XCa +
         1.516 * g.XCa * (g.XFe - g.XMg);
}

// Dahl, P.S. (1980) American Mineralogist 65, 852-866. No constant in the denominator: equal Fe/Mg in
// garnet and orthopyroxene leave it undefined.
double td80(const OrthopyroxenePair& p, const RunOptions&) {
  const GarnetFractions& g = p.garnet.x;
  return div(1391 + 1509 * (g.XFe - g.XMg) + 2810 * g.XCa + 2855 * g.XMn, 1.9872 * ln_kopx(p)) - 273;
}

// Raith, M., Raase, P., Ackermand, D. & Lal, R.K. (1983) Transactions of the Royal Society of Edinburgh:
// Earth Sciences 73, 221-244.
double tr83(const OrthopyroxenePair& p, const RunOptions&) { return div(1684, 0.334 + ln_kopx(p)) - 273; }

// Harley, S.L. (1984) Contributions to Mineralogy and Petrology 86, 359-373. Uses XCa' = Ca/(Mg+Fe+Ca).
double th84(const OrthopyroxenePair& p, const RunOptions&) {
  return div(3740 + 1400 * p.garnet.x.XCaPrime + 22.86 * p.Popx, 1.9872 * ln_kopx(p) + 1.96) - 273;
}

// Sen, S.K. & Bhattacharya, A. (1984) Contributions to Mineralogy and Petrology 88, 64-71, written with
// the orthopyroxene-over-garnet coefficient.
double tsb84(const OrthopyroxenePair& p, const RunOptions&) {
  const GarnetFractions& g = p.garnet.x;
  return div(2713 + 22 * p.Popx + 3300 * g.XCa + 195 * (g.XFe - g.XMg),
             -1.9872 * ln_kopx_inverse(p) + 0.787 + 1.5 * g.XCa) -
         273;
}

// Lee, H.Y. & Ganguly, J. (1984).
double tlg84(const OrthopyroxenePair& p, const RunOptions&) {
  const GarnetFractions& g = p.garnet.x;
  return div(2187 + 1510 * (g.XCa - g.XMn) + 8.6 * p.Popx, ln_kopx(p) + 1.071) - 273;
}

// Perchuk, L.L. and others (1985) Journal of Metamorphic Geology 3, 265-310; the coefficient is formed
// from the garnet mole fractions and the orthopyroxene site fractions.
double tp85(const OrthopyroxenePair& p, const RunOptions&) {
  const GarnetFractions& g = p.garnet.x;
  const OrthopyroxeneFractions& y = p.opx;
  return div(4766 + 2533 * (y.YFe - y.YMg) - 5214 * y.YAl + 5704 * g.XCa + 23 * p.Popx,
             1.9872 * ln_kopx_sites(p) + 2.65 + 1.86 * (y.YFe - y.YMg) + 1.242 * g.XCa) -
         273;
}

// Lee, H.Y. & Ganguly, J. (1988) Journal of Petrology 29, 93-113. Ca and Mn share Ganguly & Saxena's
// garnet W of 3000 cal (1509.66 = 3000 / 1.9872) with one sign.
double tlg88(const OrthopyroxenePair& p, const RunOptions&) {
  const GarnetFractions& g = p.garnet.x;
  return div(1981 + 1509.66 * (g.XCa + g.XMn) + 11.91 * p.Popx, ln_kopx(p) + 0.97) - 273;
}

// Perchuk, L.L. & Lavrent'eva, I.V. (1990).
double tpl90(const OrthopyroxenePair& p, const RunOptions&) {
  const GarnetFractions& g = p.garnet.x;
  const OrthopyroxeneFractions& y = p.opx;
  return div(4066 - 347 * (y.YMg - y.YFe) - 17484 * y.YAl + 5769 * g.XCa + 23.42 * p.Popx,
             1.987 * ln_kopx(p) + 2.143 + 0.0929 * (y.YMg - y.YFe) - 12.8994 * y.YAl + 3.846 * g.XCa) -
         273;
}

// Bhattacharya, A., Krishnakumar, K.R., Raith, M. & Sen, S.K. (1991) Journal of Petrology 32, 629-656.
double tb91(const OrthopyroxenePair& p, const RunOptions&) {
  const GarnetFractions& g = p.garnet.x;
  return div(1611 + 21 * p.Popx + 906 * g.XCa + H1(g) + 477 * (2 * p.opx.YMg - 1), ln_kopx(p) + 0.796) - 273;
}

// Lal, R.K. (1993) Journal of Metamorphic Geology 11, 855-866. The publication's (P - 1) 0.024 has P in
// bar; with P in kbar it is (P - 0.001) 24.
double tl93(const OrthopyroxenePair& p, const RunOptions&) {
  const GarnetFractions& g = p.garnet.x;
  const OrthopyroxeneFractions& y = p.opx;
  return div(3367 + (p.Popx - 0.001) * 24 - H2(g) - 948 * (y.YFe - y.YMg) - 1950 * y.YAl,
             1.987 * ln_kopx(p) + 1.634 + H3(g) - 0.34 * (y.YFe - y.YMg)) -
         273;
}

}  // namespace

// clang-format off
constexpr CalibrationTable<OrthopyroxenePair> garnet_orthopyroxene = {{
    {"TD80", 0, td80},
    {"TR83", 1, tr83},
    {"TH84", 2, th84},
    {"TSB84", 3, tsb84},
    {"TLG84", 4, tlg84},
    {"TP85", 5, tp85},
    {"TLG88", 6, tlg88},
    {"TPL90", 7, tpl90},
    {"TB91", 8, tb91},
    {"TL93", 9, tl93},
}};
// clang-format on
static_assert(fills_each_column_once(garnet_orthopyroxene));

}  // namespace kolbex::thermometry
