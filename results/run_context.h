#pragma once

#include "engine/end_members.h"
#include "engine/working_context.h"
#include "thermometry/exchange_thermometry.h"
#include "thermometry/run_options.h"

namespace kolbex::results {

// The run's complete working context: the engine's quantities, the exchange thermometry and the
// end-member values of the diagram files. One per run, overwritten analysis by analysis.
struct RunContext : engine::WorkingContext {
  thermometry::ExchangeThermometry exchange;
  engine::EndMembers end_members{};
};

// Every calculation stage of one analysis on the context's record: the engine's stages 1 to 5, then the
// exchange inputs and the thirty thermometers, then the end-member values.
void calculate_analysis(RunContext& context, const thermometry::RunOptions& options);

}  // namespace kolbex::results
