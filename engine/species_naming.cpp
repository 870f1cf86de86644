#include "engine/species_naming.h"

#include <array>
#include <initializer_list>

namespace kolbex::engine {
namespace {

// The site contents the rules compare, c(X), c(Y) and c(Z).
// clang-format off
enum Content : int {
  none,
  XCa, XMg, XMn2, XFe2, XNa, XYREE,
  YAl, YFe3, YV3, YCr, YSc, YMn3, YSi, YTi, YZr, YSn, YSb, YNb, YU, YTe, YMg, YMn2, YFe2,
  ZSi, ZTi, ZAl, ZFe3, ZV5, ZAs, ZZn, ZFe2,
};
// clang-format on

double content(const SiteAllocation& s, Content c) {
  switch (c) {
    case none: return 0;
    case XCa: return s.X.Ca;
    case XMg: return s.X.Mg;
    case XMn2: return s.X.Mn2;
    case XFe2: return s.X.Fe2;
    case XNa: return s.X.Na;
    case XYREE: return s.X.YREE;
    case YAl: return s.Y.Al;
    case YFe3: return s.Y.Fe3;
    case YV3: return s.Y.V3;
    case YCr: return s.Y.Cr;
    case YSc: return s.Y.Sc;
    case YMn3: return s.Y.Mn3;
    case YSi: return s.Y.Si;
    case YTi: return s.Y.Ti;
    case YZr: return s.Y.Zr;
    case YSn: return s.Y.Sn;
    case YSb: return s.Y.Sb;
    case YNb: return s.Y.Nb;
    case YU: return s.Y.U;
    case YTe: return s.Y.Te;
    case YMg: return s.Y.Mg;
    case YMn2: return s.Y.Mn2;
    case YFe2: return s.Y.Fe2;
    case ZSi: return s.Z.Si;
    case ZTi: return s.Z.Ti;
    case ZAl: return s.Z.Al;
    case ZFe3: return s.Z.Fe3;
    case ZV5: return s.Z.V5;
    case ZAs: return s.Z.As;
    case ZZn: return s.Z.Zn;
    case ZFe2: return s.Z.Fe2;
  }
  return 0;
}

// One content, or the sum of a pair of contents.
struct Sum {
  Content a = none, b = none;
  constexpr bool operator==(const Sum&) const = default;
};

double value(const SiteAllocation& s, Sum sum) {
  return sum.b == none ? content(s, sum.a) : content(s, sum.a) + content(s, sum.b);
}

// lhs is strictly greater than each of the others.
struct Condition {
  Sum lhs;
  std::array<Sum, 11> others{};
  int count = 0;
};

constexpr Condition exceeds(Sum lhs, std::initializer_list<Sum> others) {
  Condition c{lhs};
  for (Sum o : others)
    if (!(o == lhs)) c.others[c.count++] = o;
  return c;
}

// "c dominates X": c(X) greater than each of the other three of Ca, Mg, Mn2+ and Fe2+ on X (Na, Y+REE
// and Th are not compared). "c dominates Y3+": greater than each of the other five trivalent Y cations.
constexpr Condition dominates_X(Content c) { return exceeds({c}, {{XCa}, {XMg}, {XMn2}, {XFe2}}); }
constexpr Condition dominates_Y3(Content c) {
  return exceeds({c}, {{YAl}, {YFe3}, {YV3}, {YCr}, {YSc}, {YMn3}});
}

// Pair lists: the sum of a pair dominates when it exceeds the sum of every other pair of its list.
constexpr Condition dominates_SbNb_pairs(Sum p) {
  return exceeds(
      p, {{YSb, YSn}, {YSb, YZr}, {YSb, YTi}, {YSb, YSi}, {YNb, YSn}, {YNb, YZr}, {YNb, YTi}, {YNb, YSi}});
}
constexpr Condition dominates_UTe_pairs(Sum p) {
  return exceeds(
      p, {{YU, YSn}, {YU, YZr}, {YU, YTi}, {YU, YSi}, {YTe, YSn}, {YTe, YZr}, {YTe, YTi}, {YTe, YSi}});
}
constexpr Condition dominates_Z_pairs(Sum p) {
  return exceeds(p, {{ZAl, ZSi}, {ZFe3, ZSi}, {ZAl, ZTi}, {ZFe3, ZTi}});
}
// A tetravalent cation on Y (Si, Ti, Zr, Sn) with a divalent one (Fe2+, Mn2+, Mg): twelve pairs.
constexpr Condition dominates_R4R2_pairs(Sum p) {
  return exceeds(p, {{YSi, YFe2},
                     {YSi, YMn2},
                     {YSi, YMg},
                     {YTi, YFe2},
                     {YTi, YMn2},
                     {YTi, YMg},
                     {YZr, YFe2},
                     {YZr, YMn2},
                     {YZr, YMg},
                     {YSn, YFe2},
                     {YSn, YMn2},
                     {YSn, YMg}});
}

constexpr Condition Si_over_Ti_Z = exceeds({ZSi}, {{ZTi}});
constexpr Condition Mg_dominant_divalent_Y = exceeds({YMg}, {{YMn2}, {YFe2}});
constexpr Condition Mn2_dominant_divalent_Y = exceeds({YMn2}, {{YMg}, {YFe2}});
constexpr Condition CaNa_berzeliite_X = exceeds({XCa, XNa}, {{XNa, XMg}, {XNa, XMn2}, {XNa, XFe2}});

// Printed names, in the order of `Group`.
constexpr std::array<std::string_view, 7> group_names = {
    "", "Henritermierite", "Bitikleite", "Schorlomite", "Garnet", "Berzeliite", "Ungrouped"};

// Printed names, in the order of `Species`.
constexpr std::array<std::string_view, species_count> species_names = {
    "",
    "henritermierite",
    "holtstamite",
    "bitikleite",
    "usturite",
    "dzhuluite",
    "elbrusite",
    "kimzeyite",
    "irinarassite",
    "schorlomite",
    "kerimasite",
    "toturite",
    "hutcheonite",
    "menzerite-(Y)",
    "pyrope",
    "grossular",
    "spessartine",
    "almandine",
    "eringaite",
    "goldmanite",
    "momoiite",
    "knorringite",
    "uvarovite",
    "andradite",
    "calderite",
    "majorite",
    "morimotoite",
    "schäferite",
    "palenzonaite",
    "berzeliite",
    "manganberzeliite",
    "katoite",
    "cryolithionite",
    "yafsoanite",
};

// Every name is there: a table one short would end in an empty one.
static_assert(!species_names.back().empty() && !group_names.back().empty());

// The groups by their names alone, for the rules below.
constexpr Group henritermierite = Group::henritermierite, bitikleite = Group::bitikleite,
                schorlomite = Group::schorlomite, garnet = Group::garnet, berzeliite = Group::berzeliite,
                ungrouped = Group::ungrouped;
using S = Species;
using FT = FormulaType;

struct SpeciesRule {
  Group group;
  FormulaType type;  // the formula type the rule also requires; `none` when it requires none
  Species species;
  std::array<Condition, 3> conditions;
  int count;
};

constexpr SpeciesRule rule(Group group, FormulaType type, Species species,
                           std::initializer_list<Condition> conditions) {
  SpeciesRule r{group, type, species, {}, 0};
  for (const Condition& c : conditions) r.conditions[r.count++] = c;
  return r;
}

constexpr FormulaType TZ = FT::tetravalent_z_garnet, any = FT::none;

// The species rules by group, each group's rules in the order they are tried; a rule that holds sets
// the species, so a later one overrides an earlier. The "Ungrouped" rules are tried for every analysis
// and set the group as well.
// clang-format off
constexpr auto species_rules = std::to_array<SpeciesRule>({
    rule(henritermierite, any, S::henritermierite, {dominates_X(XCa), dominates_Y3(YMn3), Si_over_Ti_Z}),
    rule(henritermierite, any, S::holtstamite, {dominates_X(XCa), dominates_Y3(YAl), Si_over_Ti_Z}),

    rule(bitikleite, any, S::bitikleite, {dominates_X(XCa), dominates_SbNb_pairs({YSb, YSn}), exceeds({ZAl}, {{ZFe3}})}),
    rule(bitikleite, any, S::usturite, {dominates_X(XCa), dominates_SbNb_pairs({YSb, YZr}), exceeds({ZFe3}, {{ZAl}})}),
    rule(bitikleite, any, S::dzhuluite, {dominates_X(XCa), dominates_SbNb_pairs({YSb, YSn}), exceeds({ZFe3}, {{ZAl}})}),
    rule(bitikleite, any, S::elbrusite, {dominates_X(XCa), dominates_UTe_pairs({YU, YZr}), exceeds({ZFe3}, {{ZAl}})}),

    rule(schorlomite, any, S::kimzeyite, {dominates_X(XCa), exceeds({YZr}, {{YSi}, {YTi}, {YSn}}), dominates_Z_pairs({ZAl, ZSi})}),
    rule(schorlomite, any, S::irinarassite, {dominates_X(XCa), exceeds({YSn}, {{YSi}, {YTi}, {YZr}}), dominates_Z_pairs({ZAl, ZSi})}),
    rule(schorlomite, any, S::schorlomite, {dominates_X(XCa), exceeds({YTi}, {{YZr}, {YSn}}), dominates_Z_pairs({ZFe3, ZSi})}),
    rule(schorlomite, any, S::kerimasite, {dominates_X(XCa), exceeds({YZr}, {{YSi}, {YTi}, {YSn}}), dominates_Z_pairs({ZFe3, ZSi})}),
    rule(schorlomite, any, S::toturite, {dominates_X(XCa), exceeds({YSn}, {{YSi}, {YTi}, {YZr}}), dominates_Z_pairs({ZFe3, ZSi})}),
    rule(schorlomite, any, S::hutcheonite, {dominates_X(XCa), exceeds({YTi}, {{YSi}, {YSn}, {YZr}}), dominates_Z_pairs({ZAl, ZSi})}),

    rule(garnet, FT::menzerite, S::menzerite_Y, {exceeds({XYREE, XCa}, {{XYREE, XMg}, {XYREE, XMn2}, {XYREE, XFe2}}), Mg_dominant_divalent_Y, Si_over_Ti_Z}),
    rule(garnet, TZ, S::pyrope, {dominates_X(XMg), dominates_Y3(YAl), Si_over_Ti_Z}),
    rule(garnet, TZ, S::grossular, {dominates_X(XCa), dominates_Y3(YAl), Si_over_Ti_Z}),
    rule(garnet, TZ, S::spessartine, {dominates_X(XMn2), dominates_Y3(YAl), Si_over_Ti_Z}),
    rule(garnet, TZ, S::almandine, {dominates_X(XFe2), dominates_Y3(YAl), Si_over_Ti_Z}),
    rule(garnet, TZ, S::eringaite, {dominates_X(XCa), dominates_Y3(YSc), Si_over_Ti_Z}),
    rule(garnet, TZ, S::goldmanite, {dominates_X(XCa), dominates_Y3(YV3), Si_over_Ti_Z}),
    rule(garnet, TZ, S::momoiite, {dominates_X(XMn2), dominates_Y3(YV3), Si_over_Ti_Z}),
    rule(garnet, TZ, S::knorringite, {dominates_X(XMg), dominates_Y3(YCr), Si_over_Ti_Z}),
    rule(garnet, TZ, S::uvarovite, {dominates_X(XCa), dominates_Y3(YCr), Si_over_Ti_Z}),
    rule(garnet, TZ, S::andradite, {dominates_X(XCa), dominates_Y3(YFe3), Si_over_Ti_Z}),
    rule(garnet, TZ, S::calderite, {dominates_X(XMn2), dominates_Y3(YFe3), Si_over_Ti_Z}),
    rule(garnet, FT::morimotoite, S::majorite, {dominates_X(XMg), dominates_R4R2_pairs({YSi, YMg}), Si_over_Ti_Z}),
    rule(garnet, FT::morimotoite, S::morimotoite, {dominates_X(XCa), dominates_R4R2_pairs({YTi, YFe2}), Si_over_Ti_Z}),

    rule(berzeliite, any, S::schaferite, {CaNa_berzeliite_X, Mg_dominant_divalent_Y, exceeds({ZV5}, {{ZAs}})}),
    rule(berzeliite, any, S::palenzonaite, {CaNa_berzeliite_X, Mn2_dominant_divalent_Y, exceeds({ZV5}, {{ZAs}})}),
    rule(berzeliite, any, S::berzeliite, {CaNa_berzeliite_X, Mg_dominant_divalent_Y, exceeds({ZAs}, {{ZV5}})}),
    rule(berzeliite, any, S::manganberzeliite, {CaNa_berzeliite_X, Mn2_dominant_divalent_Y, exceeds({ZAs}, {{ZV5}})}),

    rule(ungrouped, FT::katoite, S::katoite, {dominates_X(XCa), dominates_Y3(YAl)}),
    rule(ungrouped, FT::cryolithionite, S::cryolithionite, {dominates_Y3(YAl)}),
    rule(ungrouped, FT::yafsoanite, S::yafsoanite, {dominates_X(XCa), exceeds({YTe}, {{YU}}), exceeds({ZZn}, {{ZFe2}})}),
});
// clang-format on

// The group of each formula type; the other types (alluadite polymorph, vacancy, katoite, YAG, Th options
// 1 and 2, cryolithionite, yafsoanite) and no type have none.
struct TypeGroup {
  FormulaType type;
  Group group;
};
constexpr auto type_groups = std::to_array<TypeGroup>({
    {FT::henritermierite, henritermierite},
    {FT::bitikleite, bitikleite},
    {FT::elbrusite, bitikleite},
    {FT::schorlomite, schorlomite},
    {FT::morimotoite, garnet},
    {FT::sodic_garnet, garnet},
    {FT::menzerite, garnet},
    {TZ, garnet},
    {FT::berzeliite, berzeliite},
});

bool holds(const Condition& c, const SiteAllocation& s) {
  const double lhs = value(s, c.lhs);
  for (int i = 0; i < c.count; ++i)
    if (!(lhs > value(s, c.others[i]))) return false;
  return true;
}

bool holds(const SpeciesRule& r, const SiteAllocation& s, FormulaType type) {
  if (r.type != any && r.type != type) return false;
  for (int i = 0; i < r.count; ++i)
    if (!holds(r.conditions[i], s)) return false;
  return true;
}

}  // namespace

std::string_view group_name(Group group) { return group_names[static_cast<std::size_t>(group)]; }

std::string_view species_name(Species species) { return species_names[static_cast<std::size_t>(species)]; }

void name_species(const SiteAllocation& s, FormulaType type, SpeciesName& name) {
  Group group = Group::none;
  for (const TypeGroup& tg : type_groups)
    if (type != FT::none && tg.type == type) group = tg.group;
  Species species = S::none;
  if (group != Group::none)
    for (const SpeciesRule& r : species_rules)
      if (r.group == group && holds(r, s, type)) species = r.species;
  for (const SpeciesRule& r : species_rules)
    if (r.group == ungrouped && holds(r, s, type)) {
      species = r.species;
      group = ungrouped;
    }
  name = {group, species};
}

}  // namespace kolbex::engine
