#include "engine/working_context.h"

namespace kolbex::engine {

void calculate_analysis(WorkingContext& c) {
  recalculate_formula(c.record, c.work, c.formula);
  allocate_sites(c.formula, c.sites);
  charge_class_totals(c.sites, c.formula, c.charge.totals);
  dominant_charge_formula(c.record.CubicFlag, c.charge);
  name_species(c.sites, c.charge.type, c.name);
  split_anion_site(c.charge.totals, c.anions);
}

}  // namespace kolbex::engine
