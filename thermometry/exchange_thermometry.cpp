#include "thermometry/exchange_thermometry.h"

#include <algorithm>

#include <cmath>

#include "engine/checked.h"
#include "thermometry/garnet_biotite.h"
#include "thermometry/garnet_clinopyroxene.h"
#include "thermometry/garnet_orthopyroxene.h"

namespace kolbex::thermometry {
namespace {

namespace cation = engine::cation;

// Runs a family's calibrations in their order when the pair is computed and reported, leaving every
// temperature that does not evaluate empty.
template <class Pair>
void evaluate(const CalibrationTable<Pair>& table, const Pair& pair, const thermometry::RunOptions& options,
              bool computed, bool reported, PairTemperatures& out) {
  out.inputs_shown = computed;
  out.celsius.fill(engine::failed);
  if (!computed || !reported) return;
  for (const Calibration<Pair>& c : table) {
    const double celsius = c.celsius(pair, options);
    if (std::isfinite(celsius)) out.celsius[static_cast<std::size_t>(c.column)] = celsius;
  }
}

}  // namespace

bool receives_temperatures(const engine::SpeciesName& name) {
  return std::find(thermometer_species.begin(), thermometer_species.end(), name.species) !=
         thermometer_species.end();
}

void estimate_temperatures(const engine::AnalysisRecord& r, const engine::RecalculatedFormula& formula,
                           const engine::SpeciesName& name, const thermometry::RunOptions& options,
                           ExchangeThermometry& t) {
  compute_garnet_fractions(formula, t.garnet);
  const GarnetExchange garnet{formula.apfu[cation::Mg], formula.apfu[cation::Fe2], t.garnet};
  const bool reported = receives_temperatures(name);

  compute_biotite_fractions(r, t.biotite_fractions);
  const BiotitePair bt{garnet, r.PGrtBt, r.BtAlVI, r.BtTi, r.BtFe2, r.BtMg, t.biotite_fractions};
  evaluate(garnet_biotite, bt, options,
           r.PGrtBt > 0 && r.BtMg > 0 && r.BtFe2 > 0 && r.BtAlVI > 0 && r.BtTi > 0, reported, t.biotite);

  compute_clinopyroxene_fractions(r, t.clinopyroxene_fractions);
  const ClinopyroxenePair cpx{
      garnet, r.PGrtCpx, r.CpxAlTot, r.CpxFeTot, r.CpxFe2, r.CpxMg, t.clinopyroxene_fractions};
  evaluate(garnet_clinopyroxene, cpx, options,
           r.PGrtCpx > 0 && r.CpxMg > 0 && r.CpxFe2 > 0 && r.CpxFeTot > 0 && r.CpxAlTot > 0, reported,
           t.clinopyroxene);

  compute_orthopyroxene_fractions(r, t.orthopyroxene_fractions);
  const OrthopyroxenePair opx{garnet, r.PGrtOpx, r.OpxAlTot, r.OpxFe2, r.OpxMg, t.orthopyroxene_fractions};
  evaluate(garnet_orthopyroxene, opx, options, r.PGrtOpx > 0 && r.OpxMg > 0 && r.OpxFe2 > 0 && r.OpxAlTot > 0,
           reported, t.orthopyroxene);
}

}  // namespace kolbex::thermometry
