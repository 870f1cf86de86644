#include "entry/grid_layout.h"

namespace kolbex::entry {

AnalysisColumnLayout analysis_column_layout(int c) {
  using A = CellAlignment;
  if (c == 0) return {700, A::centred, A::left, {}};
  if (c == 1) return {1800, A::grid_default, A::left, {}};
  if (c == 31 || c == 33 || c == 48 || c == 54 || c == 60) return {400, A::grid_default, A::centred, {}};
  if (c == 14) return {1300, A::centred, A::centred, {}};
  if (c == 32) return {1800, A::centred, A::centred, {}};
  if (c == 49) return {1300, A::centred, A::centred, biotite_heading};
  if (c >= 50 && c <= 52) return {800, A::centred, A::centred, biotite_heading};
  if (c == 53) return {900, A::centred, A::centred, biotite_heading};
  if (c == 55) return {1400, A::centred, A::centred, clinopyroxene_heading};
  if (c == 56 || c == 57) return {1000, A::centred, A::centred, clinopyroxene_heading};
  if (c == 58) return {800, A::centred, A::centred, clinopyroxene_heading};
  if (c == 59) return {1600, A::centred, A::centred, clinopyroxene_heading};
  if (c == 61) return {1400, A::centred, A::centred, orthopyroxene_heading};
  if (c == 62) return {1000, A::centred, A::centred, orthopyroxene_heading};
  if (c == 63) return {800, A::centred, A::centred, orthopyroxene_heading};
  if (c == 64) return {1600, A::centred, A::centred, orthopyroxene_heading};
  return {800, A::centred, A::centred, {}};  // the oxides 2 to 13, 15 to 30 and the rare earths 34 to 47
}

}  // namespace kolbex::entry
