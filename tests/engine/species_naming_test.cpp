#include "engine/species_naming.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string_view>

#include "engine/charge_formula.h"

namespace kolbex::engine {
namespace {

using G = Group;
using S = Species;
using FT = FormulaType;

struct Case {
  const char* what;
  FormulaType type;
  std::function<void(SiteAllocation&)> sites;
  Group group;
  Species species;
};

TEST(SpeciesNaming, NamesGroupAndSpeciesFromTypeAndSites) {
  constexpr FT TZ = FT::tetravalent_z_garnet;
  const Case cases[] = {
      {"ideal grossular", TZ, [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Al = 2, s.Z.Si = 3; }, G::garnet,
       S::grossular},
      {"ideal pyrope", TZ, [](SiteAllocation& s) { s.X.Mg = 3, s.Y.Al = 2, s.Z.Si = 3; }, G::garnet,
       S::pyrope},
      {"andradite", TZ, [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Fe3 = 1.6, s.Y.Al = 0.4, s.Z.Si = 3; },
       G::garnet, S::andradite},
      {"katoite", FT::katoite, [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Al = 2; }, G::ungrouped, S::katoite},
      {"cryolithionite", FT::cryolithionite, [](SiteAllocation& s) { s.X.Na = 3, s.Y.Al = 2, s.Z.Li = 3; },
       G::ungrouped, S::cryolithionite},
      {"yafsoanite", FT::yafsoanite, [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Te = 2, s.Z.Zn = 3; },
       G::ungrouped, S::yafsoanite},
      {"kimzeyite", FT::schorlomite,
       [](SiteAllocation& s) {
         s.X.Ca = 3, s.Y.Zr = 1.5, s.Y.Ti = 0.3, s.Z.Al = 1.6, s.Z.Si = 1.3, s.Z.Fe3 = 0.1;
       },
       G::schorlomite, S::kimzeyite},
      {"holtstamite", FT::henritermierite,
       [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Al = 1.5, s.Y.Mn3 = 0.5, s.Z.Si = 2; }, G::henritermierite,
       S::holtstamite},
      {"bitikleite", FT::bitikleite,
       [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Sb = 1, s.Y.Sn = 1, s.Z.Al = 3; }, G::bitikleite,
       S::bitikleite},
      {"menzerite-(Y)", FT::menzerite,
       [](SiteAllocation& s) { s.X.YREE = 2, s.X.Ca = 1, s.Y.Mg = 2, s.Z.Si = 3; }, G::garnet,
       S::menzerite_Y},
      {"majorite", FT::morimotoite, [](SiteAllocation& s) { s.X.Mg = 3, s.Y.Si = 1, s.Y.Mg = 1, s.Z.Si = 3; },
       G::garnet, S::majorite},
      {"morimotoite", FT::morimotoite,
       [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Ti = 1, s.Y.Fe2 = 1, s.Z.Si = 3; }, G::garnet, S::morimotoite},
      {"berzeliite", FT::berzeliite,
       [](SiteAllocation& s) { s.X.Ca = 2, s.X.Na = 1, s.Y.Mg = 2, s.Z.As = 3; }, G::berzeliite,
       S::berzeliite},
      {"palenzonaite", FT::berzeliite,
       [](SiteAllocation& s) { s.X.Ca = 2, s.X.Na = 1, s.Y.Mn2 = 2, s.Z.V5 = 3; }, G::berzeliite,
       S::palenzonaite},
      {"equal Ca and Mg name no species", TZ,
       [](SiteAllocation& s) { s.X.Ca = 1.5, s.X.Mg = 1.5, s.Y.Al = 2, s.Z.Si = 3; }, G::garnet, S::none},
      {"Ti above Si on Z", TZ, [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Al = 2, s.Z.Si = 1, s.Z.Ti = 2; },
       G::garnet, S::none},
      {"sodic garnet has no species rule", FT::sodic_garnet,
       [](SiteAllocation& s) { s.X.Na = 2, s.X.Ca = 1; }, G::garnet, S::none},
      {"YAG has no group", FT::yag, [](SiteAllocation& s) { s.X.YREE = 3, s.Y.Al = 2, s.Z.Al = 3; }, G::none,
       S::none},
      {"katoite type with Mg on X", FT::katoite, [](SiteAllocation& s) { s.X.Mg = 3, s.Y.Al = 2; }, G::none,
       S::none},
      {"schorlomite with Si(Y) above Ti(Y)", FT::schorlomite,
       [](SiteAllocation& s) {
         s.X.Ca = 3, s.Y.Si = 1.2, s.Y.Ti = 0.8, s.Y.Zr = 0.1, s.Z.Fe3 = 1.5, s.Z.Si = 1.4, s.Z.Al = 0.1;
       },
       G::schorlomite, S::schorlomite},
      // Both the usturite and the elbrusite rule hold; the later one sets the species.
      {"usturite then elbrusite", FT::bitikleite,
       [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Sb = 0.5, s.Y.Zr = 1, s.Y.U = 0.6, s.Z.Fe3 = 3; },
       G::bitikleite, S::elbrusite},
      {"no type", FT::none, [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Al = 2, s.Z.Si = 3; }, G::none, S::none},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SiteAllocation s;
    c.sites(s);
    SpeciesName name;
    name_species(s, c.type, name);
    EXPECT_EQ(group_name(name.group), group_name(c.group));
    EXPECT_EQ(species_name(name.species), species_name(c.species));
  }
}

// The ideal end-member of every species (Grew et al. 2013, their Table 2), as site contents: its
// charge arrangement is found from them, and the naming rules give it its own name and group.
TEST(SpeciesNaming, EveryIdealEndMemberIsNamedAsItself) {
  const struct EndMember {
    Species species;
    Group group;
    std::function<void(SiteAllocation&)> sites;
    double fluorine = 0;
  } end_members[] = {
      {S::henritermierite, G::henritermierite,
       [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Mn3 = 2, s.Z.Si = 2, s.Z.H4 = 1; }},
      {S::holtstamite, G::henritermierite,
       [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Al = 2, s.Z.Si = 2, s.Z.H4 = 1; }},
      {S::bitikleite, G::bitikleite,
       [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Sb = 1, s.Y.Sn = 1, s.Z.Al = 3; }},
      {S::usturite, G::bitikleite,
       [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Sb = 1, s.Y.Zr = 1, s.Z.Fe3 = 3; }},
      {S::dzhuluite, G::bitikleite,
       [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Sb = 1, s.Y.Sn = 1, s.Z.Fe3 = 3; }},
      {S::elbrusite, G::bitikleite,
       [](SiteAllocation& s) { s.X.Ca = 3, s.Y.U = 0.5, s.Y.Zr = 1.5, s.Z.Fe3 = 3; }},
      {S::kimzeyite, G::schorlomite,
       [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Zr = 2, s.Z.Si = 1, s.Z.Al = 2; }},
      {S::irinarassite, G::schorlomite,
       [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Sn = 2, s.Z.Si = 1, s.Z.Al = 2; }},
      {S::schorlomite, G::schorlomite,
       [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Ti = 2, s.Z.Si = 1, s.Z.Fe3 = 2; }},
      {S::kerimasite, G::schorlomite,
       [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Zr = 2, s.Z.Si = 1, s.Z.Fe3 = 2; }},
      {S::toturite, G::schorlomite,
       [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Sn = 2, s.Z.Si = 1, s.Z.Fe3 = 2; }},
      {S::hutcheonite, G::schorlomite,
       [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Ti = 2, s.Z.Si = 1, s.Z.Al = 2; }},
      {S::menzerite_Y, G::garnet,
       [](SiteAllocation& s) { s.X.YREE = 2, s.X.Ca = 1, s.Y.Mg = 2, s.Z.Si = 3; }},
      {S::pyrope, G::garnet, [](SiteAllocation& s) { s.X.Mg = 3, s.Y.Al = 2, s.Z.Si = 3; }},
      {S::grossular, G::garnet, [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Al = 2, s.Z.Si = 3; }},
      {S::spessartine, G::garnet, [](SiteAllocation& s) { s.X.Mn2 = 3, s.Y.Al = 2, s.Z.Si = 3; }},
      {S::almandine, G::garnet, [](SiteAllocation& s) { s.X.Fe2 = 3, s.Y.Al = 2, s.Z.Si = 3; }},
      {S::eringaite, G::garnet, [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Sc = 2, s.Z.Si = 3; }},
      {S::goldmanite, G::garnet, [](SiteAllocation& s) { s.X.Ca = 3, s.Y.V3 = 2, s.Z.Si = 3; }},
      {S::momoiite, G::garnet, [](SiteAllocation& s) { s.X.Mn2 = 3, s.Y.V3 = 2, s.Z.Si = 3; }},
      {S::knorringite, G::garnet, [](SiteAllocation& s) { s.X.Mg = 3, s.Y.Cr = 2, s.Z.Si = 3; }},
      {S::uvarovite, G::garnet, [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Cr = 2, s.Z.Si = 3; }},
      {S::andradite, G::garnet, [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Fe3 = 2, s.Z.Si = 3; }},
      {S::calderite, G::garnet, [](SiteAllocation& s) { s.X.Mn2 = 3, s.Y.Fe3 = 2, s.Z.Si = 3; }},
      {S::majorite, G::garnet, [](SiteAllocation& s) { s.X.Mg = 3, s.Y.Si = 1, s.Y.Mg = 1, s.Z.Si = 3; }},
      {S::morimotoite, G::garnet, [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Ti = 1, s.Y.Fe2 = 1, s.Z.Si = 3; }},
      {S::schaferite, G::berzeliite,
       [](SiteAllocation& s) { s.X.Na = 1, s.X.Ca = 2, s.Y.Mg = 2, s.Z.V5 = 3; }},
      {S::palenzonaite, G::berzeliite,
       [](SiteAllocation& s) { s.X.Na = 1, s.X.Ca = 2, s.Y.Mn2 = 2, s.Z.V5 = 3; }},
      {S::berzeliite, G::berzeliite,
       [](SiteAllocation& s) { s.X.Na = 1, s.X.Ca = 2, s.Y.Mg = 2, s.Z.As = 3; }},
      {S::manganberzeliite, G::berzeliite,
       [](SiteAllocation& s) { s.X.Na = 1, s.X.Ca = 2, s.Y.Mn2 = 2, s.Z.As = 3; }},
      {S::katoite, G::ungrouped, [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Al = 2, s.Z.H4 = 3; }},
      {S::cryolithionite, G::ungrouped, [](SiteAllocation& s) { s.X.Na = 3, s.Y.Al = 2, s.Z.Li = 3; }, 12},
      {S::yafsoanite, G::ungrouped, [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Te = 2, s.Z.Zn = 3; }},
  };
  std::set<Species> named;
  for (const EndMember& e : end_members) {
    SCOPED_TRACE(species_name(e.species));
    SiteAllocation sites;
    e.sites(sites);
    RecalculatedFormula formula;
    formula.Fapfu = e.fluorine;
    formula.AnionTotal1 = 12;
    ChargeClassification charge;
    charge_class_totals(sites, formula, charge.totals);
    dominant_charge_formula("", charge);
    SpeciesName name;
    name_species(sites, charge.type, name);
    EXPECT_EQ(species_name(name.species), species_name(e.species)) << formula_type_name(charge.type);
    EXPECT_EQ(group_name(name.group), group_name(e.group));
    named.insert(e.species);
  }
  EXPECT_EQ(named.size(), static_cast<std::size_t>(species_count - 1));  // every species but `none`
}

TEST(SpeciesNaming, NothingCarriesOverToTheNextAnalysis) {
  SiteAllocation grossular;
  grossular.X.Ca = 3, grossular.Y.Al = 2, grossular.Z.Si = 3;
  SpeciesName name;
  name_species(grossular, FT::tetravalent_z_garnet, name);
  ASSERT_EQ(name.species, S::grossular);
  name_species(SiteAllocation{}, FT::yag, name);
  EXPECT_EQ(name.group, G::none);
  EXPECT_EQ(name.species, S::none);
  EXPECT_EQ(species_name(name.species), "");
}

}  // namespace
}  // namespace kolbex::engine
