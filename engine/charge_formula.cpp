#include "engine/charge_formula.h"

#include <algorithm>
#include <cmath>

#include "engine/checked.h"

namespace kolbex::engine {
namespace {

constexpr Term none{A1, 0};

}  // namespace

// The seventeen ideal charge arrangements, in the order of the dominance tests. {X1, 3} reads "X1 / 3".
using FT = FormulaType;
// clang-format off
constexpr std::array<ChargeArrangement, arrangement_count> charge_arrangements = {{
    {FT::cryolithionite, "{X1+3}[Y3+2](Z1+3)A1-12", "cryolithionite", {{{X1, 3}, none}}, {{{Y3, 2}, none}}, {{{Z1, 3}, none}}, {A1, 12}},
    {FT::alluadite_polymorph, "{X1+3}[Y3+2](Z5+3)A2-12", "alluadite polymorph", {{{X1, 3}, none}}, {{{Y3, 2}, none}}, {{{Z5, 3}, none}}, {A2, 12}},
    {FT::vacancy, "{X2+3}[Y3+2](vac)3A1-12", "vacancy", {{{X2, 3}, none}}, {{{Y3, 2}, none}}, {{{Zv, 3}, none}}, {A1, 12}},
    {FT::henritermierite, "{X2+3}[Y3+2](Z4+)2A2-8(OH)4", "henritermierite", {{{X2, 3}, none}}, {{{Y3, 2}, none}}, {{{Z4, 2}, {ZH, 1}}}, {A2, 12}},
    {FT::katoite, "{X2+3}[Y3+2](OH)12", "katoite", {{{X2, 3}, none}}, {{{Y3, 2}, none}}, {{{ZH, 3}, none}}, {A2, 12}},
    {FT::berzeliite, "{X2+2X1+}[Y2+2](Z5+3)A2-12", "berzeliite", {{{X1, 1}, {X2, 2}}}, {{{Y2, 2}, none}}, {{{Z5, 3}, none}}, {A2, 12}},
    {FT::schorlomite, "{X2+3}[Y4+2](Z4+Z3+2)A2-12", "schorlomite", {{{X2, 3}, none}}, {{{Y4, 2}, none}}, {{{Z3, 2}, {Z4, 1}}}, {A2, 12}},
    {FT::morimotoite, "{X2+3}[Y4+Y2+](Z4+3)A2-12", "morimotoite", {{{X2, 3}, none}}, {{{Y4, 1}, {Y2, 1}}}, {{{Z4, 3}, none}}, {A2, 12}},
    {FT::sodic_garnet, "{X1+2X2+}[Y4+2](Z4+3)A2-12", "sodic garnet", {{{X1, 2}, {X2, 1}}}, {{{Y4, 2}, none}}, {{{Z4, 3}, none}}, {A2, 12}},
    {FT::menzerite, "{X3+2X2+}[Y2+2](Z4+3)A2-12", "menzerite", {{{X3, 2}, {X2, 1}}}, {{{Y2, 2}, none}}, {{{Z4, 3}, none}}, {A2, 12}},
    {FT::yag, "{X3+3}[Y3+2](Z3+3)A2-12", "YAG", {{{X3, 3}, none}}, {{{Y3, 2}, none}}, {{{Z3, 3}, none}}, {A2, 12}},
    {FT::elbrusite, "{X2+3}[Y4+1.5Y6+0.5](Z3+3)A2-12", "elbrusite", {{{X2, 3}, none}}, {{{Y4, 1.5}, {Y6, 0.5}}}, {{{Z3, 3}, none}}, {A2, 12}},
    {FT::bitikleite, "{X2+3}[Y5+Y4+](Z3+3)A2-12", "bitikleite", {{{X2, 3}, none}}, {{{Y5, 1}, {Y4, 1}}}, {{{Z3, 3}, none}}, {A2, 12}},
    {FT::yafsoanite, "{X2+3}[Y6+2](Z2+3)A2-12", "yafsoanite", {{{X2, 3}, none}}, {{{Y6, 2}, none}}, {{{Z2, 3}, none}}, {A2, 12}},
    {FT::tetravalent_z_garnet, "{X2+3}[Y3+2](Z4+3)A2-12", "tetravalent Z garnet", {{{X2, 3}, none}}, {{{Y3, 2}, none}}, {{{Z4, 3}, none}}, {A2, 12}},
    {FT::th_option_1, "{X4+1.5X2+1.5}[Y3+2](Z3+3)A2-12", "Th option 1", {{{X2, 1.5}, {X4, 1.5}}}, {{{Y3, 2}, none}}, {{{Z3, 3}, none}}, {A2, 12}},
    {FT::th_option_2, "{X4+0.5X2+2.5}[Y4+2](Z3+3)A2-12", "Th option 2", {{{X4, 0.5}, {X2, 2.5}}}, {{{Y4, 2}, none}}, {{{Z3, 3}, none}}, {A2, 12}},
}};
// clang-format on

// Each arrangement stands at the index of its formula type.
static_assert([] {
  for (int k = 0; k < arrangement_count; ++k)
    if (static_cast<int>(charge_arrangements[static_cast<std::size_t>(k)].type) != k) return false;
  return true;
}());

std::string_view dominant_formula(FormulaType type) {
  return type == FormulaType::none ? std::string_view()
                                   : charge_arrangements[static_cast<std::size_t>(type)].formula;
}

std::string_view formula_type_name(FormulaType type) {
  return type == FormulaType::none ? std::string_view()
                                   : charge_arrangements[static_cast<std::size_t>(type)].type_name;
}

namespace {

enum class Site { X, Y, Z, anion };

constexpr Site site_of(ChargeClass c) {
  if (c <= Zv) return Site::Z;
  if (c <= Y6) return Site::Y;
  if (c <= X4) return Site::X;
  return Site::anion;
}

// The charge of one ion of the class; an H4 group stands for the four charges of the Si it replaces.
constexpr int charge_of(ChargeClass c) {
  constexpr std::array<int, charge_class_count> charges = {1, 2, 3, 4, 5, 4, 0, 2, 3,
                                                           4, 5, 6, 1, 2, 3, 4, 1, 2};
  return charges[c];
}

// Each site term lies on its own site, the ions fill 3 X, 2 Y and 3 Z, the anion term has 12 anions,
// and the cation charges balance the anion charges.
constexpr bool is_balanced(const ChargeArrangement& a) {
  double cation_charge = 0;
  const auto site_ok = [&](const std::array<Term, 2>& terms, Site site, double ions) {
    double n = 0;
    for (const Term& t : terms) {
      if (t.ions == 0) continue;
      if (site_of(t.cls) != site) return false;
      n += t.ions;
      cation_charge += charge_of(t.cls) * t.ions;
    }
    return n == ions;
  };
  return site_ok(a.X, Site::X, 3) && site_ok(a.Y, Site::Y, 2) && site_ok(a.Z, Site::Z, 3) &&
         site_of(a.anion.cls) == Site::anion && a.anion.ions == 12 &&
         cation_charge == charge_of(a.anion.cls) * a.anion.ions;
}
static_assert(std::ranges::all_of(charge_arrangements, is_balanced));

double arrangement_percentage(const ChargeArrangement& a, const ChargeClassTotals& totals) {
  // The site terms, X, Y and Z in turn, each site's absent term left at +infinity.
  std::array<double, 6> terms;
  const std::array<const std::array<Term, 2>*, 3> sites = {&a.X, &a.Y, &a.Z};
  double M = totals[a.anion.cls] / a.anion.ions;
  for (int s = 0; s < 3; ++s)
    for (int i = 0; i < 2; ++i) {
      const Term& t = (*sites[s])[i];
      terms[2 * s + i] = t.ions != 0 ? totals[t.cls] / t.ions : INFINITY;
      M = std::min(M, terms[2 * s + i]);
    }
  // A site counts when one of its terms is exactly the minimum: ties count every tied site.
  int counting = 0;
  for (int s = 0; s < 3; ++s)
    if (terms[2 * s] == M || terms[2 * s + 1] == M) ++counting;
  const double percentage = 100 * (M * counting);
  return percentage < 0 ? 0 : percentage;
}

}  // namespace

bool reads_cubic(std::string_view flag) { return flag == "true" || flag == "TRUE" || flag == "True"; }

void charge_class_totals(const SiteAllocation& s, const RecalculatedFormula& f, ChargeClassTotals& t) {
  const ZSite& Z = s.Z;
  const YSite& Y = s.Y;
  const XSite& X = s.X;
  store(t[Z1], Z.Li);
  store(t[Z2], Z.Fe2 + Z.Zn);
  store(t[Z3], Z.Al + Z.Fe3);
  store(t[Z4], Z.Si + Z.Ti);
  store(t[Z5], Z.As + Z.V5 + Z.P);
  store(t[ZH], Z.H4);
  store(t[Zv], Z.vacancy);
  store(t[Y2], Y.Fe2 + Y.Mn2 + Y.Mg);
  store(t[Y3], Y.Al + Y.Sc + Y.Cr + Y.V3 + Y.Fe3 + Y.Mn3);
  store(t[Y4], Y.Si + Y.Ti + Y.Zr + Y.Hf + Y.Sn);
  store(t[Y5], Y.Sb + Y.Nb);
  store(t[Y6], Y.U + Y.Te);
  store(t[X1], X.Na);
  store(t[X2], X.Fe2 + X.Mn2 + X.Mg + X.Ca);
  store(t[X3], X.YREE);
  store(t[X4], X.Th);
  store(t[A1], f.Fapfu);
  const double divalent = f.AnionTotal1 - t[A1];
  if (divalent > 0)
    store(t[A2], divalent);
  else
    t[A2] = 0;
}

void dominant_charge_formula(std::string_view cubic_flag, ChargeClassification& c) {
  c.type = FormulaType::none;
  const bool cubic = reads_cubic(cubic_flag);
  for (int k = 0; k < arrangement_count; ++k) {
    const bool forced_zero = k == henritermierite_arrangement && cubic;
    store(c.percentage[k], forced_zero ? 0.0 : arrangement_percentage(charge_arrangements[k], c.totals));
  }
  // Strictly greater than every other: equal highest percentages leave the analysis without a formula.
  int best = 0;
  bool unique = true;
  for (int k = 1; k < arrangement_count; ++k) {
    if (c.percentage[k] > c.percentage[best]) {
      best = k;
      unique = true;
    } else if (c.percentage[k] == c.percentage[best]) {
      unique = false;
    }
  }
  if (unique) c.type = charge_arrangements[static_cast<std::size_t>(best)].type;
}

void split_anion_site(const ChargeClassTotals& t, AnionSite& a) {
  a.OH = t[ZH] > 0 ? 4 * t[ZH] : 0;
  if (t[A2] > 0)
    store(a.O, t[A2] - a.OH);
  else
    a.O = 0;
  a.F = t[A1] > 0 ? t[A1] : 0;
  store(a.total, a.O + a.OH + a.F);
}

}  // namespace kolbex::engine
