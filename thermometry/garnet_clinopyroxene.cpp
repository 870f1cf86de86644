#include "thermometry/garnet_clinopyroxene.h"

#include "engine/checked.h"

namespace kolbex::thermometry {

using engine::div;
using engine::ln;

double ln_kcpx(const ClinopyroxenePair& p) {
  return ln(div(div(p.garnet.Fe, p.garnet.Mg), div(p.Fecpx, p.Mgcpx)));
}

namespace {

// Garnet mixing terms of the non-ideal calibrations.
double A(const GarnetFractions& g) { return 0.5 * g.XCa * ((g.XMg - g.XFe) - g.XMn); }
double B(const GarnetFractions& g) { return 0.5 * g.XCa * ((g.XMg - g.XFe) + g.XMn); }
double C(const GarnetFractions& g) { return 0.5 * (g.XCa + g.XMn) * (g.XMg - g.XFe); }

// Enthalpy and entropy parts of the garnet activity terms of Ganguly, Cheng & Tirone (1996), over R.
double G1(const ClinopyroxenePair& p) {
  const GarnetFractions& g = p.garnet.x;
  const double P = p.Pcpx;
  return ((21627 + 12 * P) * (-2 * g.XCa * g.XMg + A(g)) + (9834 + 58 * P) * (-g.XCa * g.XCa + A(g)) +
          873 * (2 * g.XCa * g.XFe + B(g)) - (6773 + 30 * P) * (g.XCa * g.XCa + B(g)) - 11544 * g.XMn) /
         8.3144;
}
double G2(const ClinopyroxenePair& p) {
  const GarnetFractions& g = p.garnet.x;
  return (-5.78 * (-2 * g.XCa * g.XMg + A(g)) - 5.78 * (-g.XCa * g.XCa + A(g)) -
          1.69 * (2 * g.XCa * g.XFe + B(g)) + 1.69 * (g.XCa * g.XCa + B(g)) + 7.69 * g.XMn) /
         8.3144;
}

// Raheim, A. & Green, D.H. (1974) Contributions to Mineralogy and Petrology 48, 179-203.
double trg74(const ClinopyroxenePair& p, const RunOptions&) {
  return div(3686 + 28.35 * p.Pcpx, 2.33 + ln_kcpx(p)) - 273;
}

// Ellis, D.J. & Green, D.H. (1979) Contributions to Mineralogy and Petrology 71, 13-22.
double teg79(const ClinopyroxenePair& p, const RunOptions&) {
  return div(3104 * p.garnet.x.XCa + 3030 + 10.86 * p.Pcpx, 1.9034 + ln_kcpx(p)) - 273;
}

// Ganguly, J. (1979) Geochimica et Cosmochimica Acta 43, 1021-1029, eqs. 10a and 10b (both with the
// garnet Mn term); the option selects the form for temperatures up to 1060 oC.
double tg79(const ClinopyroxenePair& p, const RunOptions& o) {
  const GarnetFractions& g = p.garnet.x;
  if (o.ganguly_1979)
    return div(4801 + 1586 * g.XCa + 1308 * g.XMn + 11.07 * p.Pcpx, 2.93 + ln_kcpx(p)) - 273;
  return div(4100 + 1586 * g.XCa + 1308 * g.XMn + 11.07 * p.Pcpx, 2.4 + ln_kcpx(p)) - 273;
}

// Powell, R. (1985) Journal of Metamorphic Geology 3, 231-243.
double tp85(const ClinopyroxenePair& p, const RunOptions&) {
  return div(2790 + 3140 * p.garnet.x.XCa + 10 * p.Pcpx, 1.735 + ln_kcpx(p)) - 273;
}

// Krogh, E.J. (1988) Contributions to Mineralogy and Petrology 99, 44-48.
double tk88(const ClinopyroxenePair& p, const RunOptions&) {
  const double XCa = p.garnet.x.XCa;
  return div(-6173 * XCa * XCa + 6731 * XCa + 1879 + 10 * p.Pcpx, 1.393 + ln_kcpx(p)) - 273;
}

// Ai, Y. (1994) Contributions to Mineralogy and Petrology 115, 467-473. Mg# enters as a percentage.
double ta94(const ClinopyroxenePair& p, const RunOptions&) {
  const GarnetFractions& g = p.garnet.x;
  return div(-1629 * g.XCa * g.XCa + 3648.55 * g.XCa - 6.59 * g.MgNumber * 100 + 1987.98 + 17.66 * p.Pcpx,
             1.076 + ln_kcpx(p)) -
         273;
}

// Ganguly, J., Cheng, W. & Tirone, M. (1996) Contributions to Mineralogy and Petrology 126, 137-151.
double tg96(const ClinopyroxenePair& p, const RunOptions&) {
  return div(4100 + 11.07 * p.Pcpx - G1(p), ln_kcpx(p) + 2.4 + G2(p)) - 273;
}

// Liu (1998): the pressure factor is 1 at 22 kbar.
double tl98(const ClinopyroxenePair& p, const RunOptions&) {
  return div(3820, (1 + 0.13 * (2.2 - p.Pcpx / 10)) * ln_kcpx(p) + 1.828) - 273;
}

// Krogh Ravna, E. (2000) Journal of Metamorphic Geology 18, 211-219. Mg# enters as the fraction; the
// pressure coefficient is per kbar.
double tkr00(const ClinopyroxenePair& p, const RunOptions&) {
  const GarnetFractions& g = p.garnet.x;
  const double M = g.MgNumber;
  return div(1939.9 + 3270 * g.XCa - 1396 * g.XCa * g.XCa + 3319 * g.XMn - 3535 * g.XMn * g.XMn + 1105 * M -
                 3561 * M * M + 2324 * M * M * M + 16.94 * p.Pcpx,
             1.223 + ln_kcpx(p)) -
         273;
}

// Nakamura, D. (2009) Journal of Metamorphic Geology 27, 495-508, with its clinopyroxene term
// -462 (XMg - XFe of clinopyroxene).
double tn09(const ClinopyroxenePair& p, const RunOptions&) {
  const GarnetFractions& g = p.garnet.x;
  const double P = p.Pcpx;
  return div(2784 + 14.52 * P + (2601 + 1.44 * P) * (2 * g.XCa * g.XMg - A(g)) +
                 (1183 + 6.98 * P) * (g.XCa * g.XCa - A(g)) - 105 * (2 * g.XCa * g.XFe + B(g)) +
                 (814.6 + 3.61 * P) * (g.XCa * g.XCa + B(g)) -
                 (254.6 + 8.42 * P) * (2 * g.XMg * g.XFe - g.XFe * g.XFe + C(g)) -
                 83.6 * (g.XMg * g.XMg - 2 * g.XMg * g.XFe + C(g)) + 1388 * g.XMn -
                 462 * (p.cpx.XMgcpx - p.cpx.XFecpx),
             ln_kcpx(p) + 1.431 + 0.695 * (2 * g.XCa * g.XMg + g.XCa * g.XCa - 2 * A(g)) +
                 0.203 * (g.XCa * g.XCa - 2 * g.XCa * g.XFe) + 0.922 * g.XMn) -
         273;
}

}  // namespace

// clang-format off
constexpr CalibrationTable<ClinopyroxenePair> garnet_clinopyroxene = {{
    {"TRG74", 0, trg74},
    {"TEG79", 1, teg79},
    {"TG79", 2, tg79},
    {"TP85", 3, tp85},
    {"TK88", 4, tk88},
    {"TA94", 5, ta94},
    {"TG96", 6, tg96},
    {"TN09", 9, tn09},
    {"TL98", 7, tl98},
    {"TKR00", 8, tkr00},
}};
// clang-format on
static_assert(fills_each_column_once(garnet_clinopyroxene));

}  // namespace kolbex::thermometry
