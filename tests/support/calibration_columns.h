#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "thermometry/calibration.h"

namespace kolbex::test {

// The results column of the calibration headed `code` among its pair's ten; a code the pair lacks fails
// the test.
template <class Pair>
int column_of(const thermometry::CalibrationTable<Pair>& table, std::string_view code) {
  for (const thermometry::Calibration<Pair>& c : table)
    if (c.code == code) return c.column;
  ADD_FAILURE() << "no calibration " << code;
  return 0;
}

}  // namespace kolbex::test
