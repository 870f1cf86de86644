#pragma once

#include <array>

#include "engine/analysis_record.h"
#include "engine/formula_recalculation.h"
#include "engine/species_naming.h"
#include "thermometry/calibration.h"
#include "thermometry/exchange_inputs.h"
#include "thermometry/run_options.h"

namespace kolbex::thermometry {

// What one exchange pair shows for an analysis.
struct PairTemperatures {
  // The pair's inputs (pressure and partner amounts) were all above 0: they are shown as entered.
  bool inputs_shown = false;
  // Degrees Celsius in the order of the pair's results columns; NaN where the temperature is empty.
  std::array<double, calibrations_per_pair> celsius{};
};

// The thermometry part of the run's working context. The fractions keep their previous values where
// they cannot be formed; the temperatures start empty for every analysis.
struct ExchangeThermometry {
  GarnetFractions garnet;
  BiotiteFractions biotite_fractions;
  ClinopyroxeneFractions clinopyroxene_fractions;
  OrthopyroxeneFractions orthopyroxene_fractions;
  PairTemperatures biotite, clinopyroxene, orthopyroxene;
};

// Only these species receive temperatures; the others still show a complete pair's inputs.
bool receives_temperatures(const engine::SpeciesName& name);
// The species that do: the garnets the Fe2+-Mg exchange calibrations were made on.
inline constexpr std::array<engine::Species, 4> thermometer_species = {
    engine::Species::pyrope, engine::Species::grossular, engine::Species::spessartine,
    engine::Species::almandine};

// The garnet fractions, then the garnet-biotite, garnet-clinopyroxene and garnet-orthopyroxene pairs.
// A pair is computed only when its pressure and partner amounts are all above 0.
void estimate_temperatures(const engine::AnalysisRecord& record, const engine::RecalculatedFormula& formula,
                           const engine::SpeciesName& name, const thermometry::RunOptions& options,
                           ExchangeThermometry& t);

}  // namespace kolbex::thermometry
