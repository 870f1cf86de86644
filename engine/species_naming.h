#pragma once

#include <cstdint>
#include <string_view>

#include "engine/charge_formula.h"
#include "engine/site_allocation.h"

namespace kolbex::engine {

// The groups of the garnet supergroup that the naming rules give (Grew et al. 2013); `none` for an
// analysis without one.
enum class Group : std::uint8_t {
  none,
  henritermierite,
  bitikleite,
  schorlomite,
  garnet,
  berzeliite,
  ungrouped
};

// Every species the naming rules can give, in the order of the rules; `none` when none is given.
enum class Species : std::uint8_t {
  none,
  henritermierite,
  holtstamite,
  bitikleite,
  usturite,
  dzhuluite,
  elbrusite,
  kimzeyite,
  irinarassite,
  schorlomite,
  kerimasite,
  toturite,
  hutcheonite,
  menzerite_Y,
  pyrope,
  grossular,
  spessartine,
  almandine,
  eringaite,
  goldmanite,
  momoiite,
  knorringite,
  uvarovite,
  andradite,
  calderite,
  majorite,
  morimotoite,
  schaferite,
  palenzonaite,
  berzeliite,
  manganberzeliite,
  katoite,
  cryolithionite,
  yafsoanite,
};
inline constexpr int species_count = static_cast<int>(Species::yafsoanite) + 1;  // `none` included

// The names as printed in the results and the help: "Garnet", "almandine", "menzerite-(Y)", "schäferite";
// empty for `none`.
std::string_view group_name(Group group);
std::string_view species_name(Species species);

// Group and species of one analysis under the garnet-supergroup nomenclature.
struct SpeciesName {
  Group group = Group::none;
  Species species = Species::none;
};

// Names the analysis from its formula type and site contents. Both start as `none` for every analysis;
// every comparison is a strict greater-than, so equal contents name nothing.
void name_species(const SiteAllocation& sites, FormulaType formula_type, SpeciesName& name);

}  // namespace kolbex::engine
