#pragma once

#include <cmath>
#include <limits>

// Checked arithmetic for the calculation run.
//
// A run never stops on a failing step: an assignment whose right-hand side cannot be evaluated (a
// division by zero, the logarithm of a number that is not positive, an overflow) is skipped and its
// target keeps the value it had, which is the previous analysis row's value. The helpers below turn
// every such failure into NaN; NaN propagates through the rest of the expression and `store` refuses
// it. An infinity is a failure as well: dividing by it would otherwise give a finite 0, so `div`
// refuses infinite operands.
//
// Division by a non-zero literal constant cannot fail on finite operands and is written with `/`.
namespace kolbex::engine {

inline constexpr double failed = std::numeric_limits<double>::quiet_NaN();

// a / b, or NaN when b is 0, either operand is not finite, or the quotient overflows.
inline double div(double a, double b) {
  if (b == 0.0 || !std::isfinite(a) || !std::isfinite(b)) return failed;
  const double q = a / b;
  return std::isfinite(q) ? q : failed;
}

// Natural logarithm, or NaN for a number that is not positive or not finite.
inline double ln(double x) {
  if (!(x > 0.0) || !std::isfinite(x)) return failed;
  return std::log(x);
}

// The assignment of the run: stores `value` only when it is a finite number and reports whether it did.
inline bool store(double& target, double value) {
  if (!std::isfinite(value)) return false;
  target = value;
  return true;
}

}  // namespace kolbex::engine
