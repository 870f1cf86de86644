#include "results/run_context.h"

namespace kolbex::results {

void calculate_analysis(RunContext& c, const thermometry::RunOptions& options) {
  engine::calculate_analysis(c);
  thermometry::estimate_temperatures(c.record, c.formula, c.name, options, c.exchange);
  engine::compute_end_members(c.formula, c.name, c.charge.type, c.end_members);
}

}  // namespace kolbex::results
