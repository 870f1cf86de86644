#pragma once

#include <algorithm>
#include <array>
#include <string_view>

#include "thermometry/run_options.h"

namespace kolbex::thermometry {

// Each exchange pair has ten calibrations, shown in ten results columns.
inline constexpr int calibrations_per_pair = 10;

// One published Fe2+-Mg exchange calibration: the code its results column is headed with, the column's
// place among the pair's ten (the computation order differs from the column order for a few), and the
// temperature in degrees Celsius, T(K) - 273. A temperature that cannot be evaluated is NaN.
template <class Pair>
struct Calibration {
  std::string_view code;
  int column;
  double (*celsius)(const Pair& pair, const thermometry::RunOptions& options);
};

template <class Pair>
using CalibrationTable = std::array<Calibration<Pair>, calibrations_per_pair>;

// Every column 0 to 9 is filled by exactly one calibration.
template <class Pair>
constexpr bool fills_each_column_once(const CalibrationTable<Pair>& table) {
  std::array<int, calibrations_per_pair> seen{};
  for (const Calibration<Pair>& c : table) {
    if (c.column < 0 || c.column >= calibrations_per_pair) return false;
    ++seen[static_cast<std::size_t>(c.column)];
  }
  return std::ranges::all_of(seen, [](int n) { return n == 1; });
}

}  // namespace kolbex::thermometry
