#include "engine/species_naming.h"

#include <gtest/gtest.h>

#include <functional>
#include <string_view>

namespace kolbex::engine {
namespace {

constexpr std::string_view TZ = "tetravalent Z garnet";

struct Case {
  const char* what;
  std::string_view type;
  std::function<void(SiteAllocation&)> sites;
  std::string_view group, species;
};

TEST(SpeciesNaming, NamesGroupAndSpeciesFromTypeAndSites) {
  const Case cases[] = {
      {"ideal grossular", TZ, [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Al = 2, s.Z.Si = 3; }, "Garnet",
       "grossular"},
      {"ideal pyrope", TZ, [](SiteAllocation& s) { s.X.Mg = 3, s.Y.Al = 2, s.Z.Si = 3; }, "Garnet", "pyrope"},
      {"andradite", TZ, [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Fe3 = 1.6, s.Y.Al = 0.4, s.Z.Si = 3; },
       "Garnet", "andradite"},
      {"equal Ca and Mg name no species", TZ,
       [](SiteAllocation& s) { s.X.Ca = 1.5, s.X.Mg = 1.5, s.Y.Al = 2, s.Z.Si = 3; }, "Garnet", ""},
      {"Ti above Si on Z", TZ, [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Al = 2, s.Z.Si = 1, s.Z.Ti = 2; },
       "Garnet", ""},
      {"sodic garnet has no species rule", "sodic garnet", [](SiteAllocation& s) { s.X.Na = 2, s.X.Ca = 1; },
       "Garnet", ""},
      {"YAG has no group", "YAG", [](SiteAllocation& s) { s.X.YREE = 3, s.Y.Al = 2, s.Z.Al = 3; }, "", ""},
      {"katoite", "katoite", [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Al = 2; }, "Ungrouped", "katoite"},
      {"katoite type with Mg on X", "katoite", [](SiteAllocation& s) { s.X.Mg = 3, s.Y.Al = 2; }, "", ""},
      {"cryolithionite", "cryolithionite", [](SiteAllocation& s) { s.X.Na = 3, s.Y.Al = 2, s.Z.Li = 3; },
       "Ungrouped", "cryolithionite"},
      {"yafsoanite", "yafsoanite", [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Te = 2, s.Z.Zn = 3; }, "Ungrouped",
       "yafsoanite"},
      {"schorlomite with Si(Y) above Ti(Y)", "schorlomite",
       [](SiteAllocation& s) {
         s.X.Ca = 3, s.Y.Si = 1.2, s.Y.Ti = 0.8, s.Y.Zr = 0.1, s.Z.Fe3 = 1.5, s.Z.Si = 1.4, s.Z.Al = 0.1;
       },
       "Schorlomite", "schorlomite"},
      {"kimzeyite", "schorlomite",
       [](SiteAllocation& s) {
         s.X.Ca = 3, s.Y.Zr = 1.5, s.Y.Ti = 0.3, s.Z.Al = 1.6, s.Z.Si = 1.3, s.Z.Fe3 = 0.1;
       },
       "Schorlomite", "kimzeyite"},
      {"holtstamite", "henritermierite",
       [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Al = 1.5, s.Y.Mn3 = 0.5, s.Z.Si = 2; }, "Henritermierite",
       "holtstamite"},
      {"bitikleite", "bitikleite", [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Sb = 1, s.Y.Sn = 1, s.Z.Al = 3; },
       "Bitikleite", "bitikleite"},
      // Both the usturite and the elbrusite rule hold; the later one sets the species.
      {"usturite then elbrusite", "bitikleite",
       [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Sb = 0.5, s.Y.Zr = 1, s.Y.U = 0.6, s.Z.Fe3 = 3; },
       "Bitikleite", "elbrusite"},
      {"menzerite-(Y)", "menzerite",
       [](SiteAllocation& s) { s.X.YREE = 2, s.X.Ca = 1, s.Y.Mg = 2, s.Z.Si = 3; }, "Garnet",
       "menzerite-(Y)"},
      {"majorite", "morimotoite", [](SiteAllocation& s) { s.X.Mg = 3, s.Y.Si = 1, s.Y.Mg = 1, s.Z.Si = 3; },
       "Garnet", "majorite"},
      {"morimotoite", "morimotoite",
       [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Ti = 1, s.Y.Fe2 = 1, s.Z.Si = 3; }, "Garnet", "morimotoite"},
      {"berzeliite", "berzeliite", [](SiteAllocation& s) { s.X.Ca = 2, s.X.Na = 1, s.Y.Mg = 2, s.Z.As = 3; },
       "Berzeliite", "berzeliite"},
      {"palenzonaite", "berzeliite",
       [](SiteAllocation& s) { s.X.Ca = 2, s.X.Na = 1, s.Y.Mn2 = 2, s.Z.V5 = 3; }, "Berzeliite",
       "palenzonaite"},
      {"no type", "", [](SiteAllocation& s) { s.X.Ca = 3, s.Y.Al = 2, s.Z.Si = 3; }, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SiteAllocation s;
    c.sites(s);
    SpeciesName name;
    name_species(s, c.type, name);
    EXPECT_EQ(name.group, c.group);
    EXPECT_EQ(name.species, c.species);
  }
}

TEST(SpeciesNaming, NothingCarriesOverToTheNextAnalysis) {
  SiteAllocation grossular;
  grossular.X.Ca = 3, grossular.Y.Al = 2, grossular.Z.Si = 3;
  SpeciesName name;
  name_species(grossular, TZ, name);
  ASSERT_EQ(name.species, "grossular");
  name_species(SiteAllocation{}, "YAG", name);
  EXPECT_TRUE(name.group.empty());
  EXPECT_TRUE(name.species.empty());
}

}  // namespace
}  // namespace kolbex::engine
