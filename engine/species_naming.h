#pragma once

#include <string_view>

#include "engine/site_allocation.h"

namespace kolbex::engine {

// Group and species of one analysis under the garnet-supergroup nomenclature (Grew et al. 2013).
struct SpeciesName {
  std::string_view group;    // "Henritermierite", "Bitikleite", ..., "Ungrouped", or empty
  std::string_view species;  // lower case, or empty
};

// Names the analysis from its formula type and site contents. Both texts start empty for every
// analysis; every comparison is a strict greater-than, so equal contents name nothing.
void name_species(const SiteAllocation& sites, std::string_view formula_type, SpeciesName& name);

}  // namespace kolbex::engine
