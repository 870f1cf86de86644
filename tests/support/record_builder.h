#pragma once

#include <initializer_list>
#include <utility>

#include "engine/analysis_record.h"
#include "engine/oxide_catalogue.h"

namespace kolbex::test {

// An analysis whose oxides hold the given cation amounts (hydrogen for H2O, fluorine for F): the weight
// per cent is amount x M / n, so the cation proportions of the record are exactly these amounts up to
// rounding. Used to state a worked example by its cations rather than by its oxides.
inline engine::AnalysisRecord record_with_cations(
    std::initializer_list<std::pair<engine::oxide::Index, double>> cations) {
  engine::AnalysisRecord r;
  for (const auto& [oxide, amount] : cations) {
    const engine::OxideEntry& e = engine::OxideCatalogue[oxide];
    r.*e.field = amount * e.M / e.n;
  }
  return r;
}

}  // namespace kolbex::test
