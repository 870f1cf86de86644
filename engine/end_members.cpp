#include "engine/end_members.h"

#include "engine/checked.h"

namespace kolbex::engine {
namespace {

using S = Species;

bool is_one_of(Species species, std::initializer_list<Species> list) {
  for (const Species s : list)
    if (species == s) return true;
  return false;
}

// Pyrope counts only as the tetravalent-Z garnet of the Garnet group.
bool is_garnet_pyrope(const SpeciesName& name, FormulaType formula_type) {
  return name.species == S::pyrope && name.group == Group::garnet &&
         formula_type == FormulaType::tetravalent_z_garnet;
}

constexpr EndMembers no_end_members = {failed, failed, failed, failed, failed, failed,
                                       failed, failed, failed, failed, failed, failed};

}  // namespace

void compute_end_members(const RecalculatedFormula& f, const SpeciesName& name, FormulaType formula_type,
                         EndMembers& e) {
  e = no_end_members;
  const double Fe2 = f.apfu[cation::Fe2], Mg = f.apfu[cation::Mg], Mn = f.apfu[cation::Mn2];
  const double Ca = f.apfu[cation::Ca], Al = f.apfu[cation::Al], Ti = f.apfu[cation::Ti];
  const double Fe3 = f.apfu[cation::Fe3], Cr = f.apfu[cation::Cr];
  const double S = Fe2 + Ca + Mg + Mn;
  const double T = Ti + Al + Fe3 + Cr;
  const bool pyrope = is_garnet_pyrope(name, formula_type);

  if (pyrope || is_one_of(name.species, {S::grossular, S::spessartine, S::almandine})) {
    e.Alm = div(100 * Fe2, S);
    e.Prp = div(100 * Mg, S);
    e.Sps = div(100 * Mn, S);
    e.Grs = div(100 * Ca, S);
  }
  if (pyrope ||
      is_one_of(name.species, {S::grossular, S::spessartine, S::almandine, S::andradite, S::uvarovite})) {
    e.Alm4 = div(100 * Fe2, S);
    e.Prp4 = div(100 * Mg, S);
    e.Sps4 = div(100 * Mn, S);
    e.Grs4 = 100 * div(Al, T) * div(Ca, S);
    e.Adr4 = 100 * div(Fe3, T) * div(Ca, S);
    e.Shr4 = 100 * div(Ti, T) * div(Ca, S);
  }
  // NaN in a part leaves the sum empty.
  e.GrsAdrShr = e.Grs4 + e.Adr4 + e.Shr4;
  e.AlmSps = e.Alm + e.Sps;

  // Only the six species of the diagrams keep end-member values; andradite and uvarovite keep the
  // four-component set alone, the others are cleared.
  if (!is_one_of(name.species,
                 {S::almandine, S::pyrope, S::grossular, S::spessartine, S::andradite, S::uvarovite})) {
    e = no_end_members;
  } else if (name.species == S::andradite || name.species == S::uvarovite) {
    e.Alm = e.Prp = e.Sps = e.Grs = e.AlmSps = failed;
  }
}

}  // namespace kolbex::engine
