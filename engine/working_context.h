#pragma once

#include "engine/analysis_record.h"
#include "engine/charge_formula.h"
#include "engine/formula_recalculation.h"
#include "engine/site_allocation.h"
#include "engine/species_naming.h"

namespace kolbex::engine {

// Every per-analysis quantity of the engine, one set per run, overwritten row by row. It starts with
// every number 0 and every text empty; a failed step leaves the previous row's value in place, except
// for the classification texts, which start empty for every analysis.
struct WorkingContext {
  AnalysisRecord record;
  FormulaWork work;
  RecalculatedFormula formula;
  SiteAllocation sites;
  ChargeClassification charge;
  SpeciesName name;
  AnionSite anions;
};

// The whole calculation of one analysis on the context's record, in order: recalculation, site
// allocation and charge-class totals, the dominant charge formula, group and species, the anion site.
void calculate_analysis(WorkingContext& context);

}  // namespace kolbex::engine
