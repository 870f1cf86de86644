#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "entry/analysis_table.h"

namespace kolbex::test {

// Cell texts of one analysis row by column number (1 = "Sample No", 2 = "SiO2", ...).
using RowCells = std::vector<std::pair<int, std::string>>;

inline void set_row(entry::AnalysisTable& table, int row, const RowCells& cells) {
  for (const auto& [column, text] : cells) table.set_text(row, column, text);
}

// Almandine, Deer, Howie & Zussman (as compiled in the ztR package): SiO2 36.7, TiO2 0.75, Al2O3 21.4,
// FeO 29.9, MnO 1.14, MgO 0.9, CaO 9.02 wt%.
inline RowCells dhz_almandine(std::string name = "DHZ-almandine") {
  return {{1, std::move(name)}, {2, "36.7"},  {3, "0.75"}, {8, "21.4"},
          {15, "29.9"},         {17, "1.14"}, {16, "0.9"}, {19, "9.02"}};
}

// Split a TAB-joined results row into its fields.
inline std::vector<std::string> fields(std::string_view row) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= row.size(); ++i)
    if (i == row.size() || row[i] == '\t') {
      out.emplace_back(row.substr(start, i - start));
      start = i + 1;
    }
  return out;
}

}  // namespace kolbex::test
