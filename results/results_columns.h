#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/analysis_columns.h"
#include "results/run_context.h"

namespace kolbex::results {

// How a column's value becomes text.
enum class Format {
  text,     // unchanged
  general,  // entered values: plain decimal text
  fixed3,   // "#,##0.000": weight percentages and apfu
  fixed2,   // "#,##0.00": charge-class totals
  whole,    // "####": temperatures
  none,     // separator column: always empty
};

// A column's value for one analysis: a number, a text, or nothing (shown empty).
struct Field {
  enum class Kind { empty, number, text } kind = Kind::empty;
  double number = 0;
  std::string_view text;
};

struct ResultsColumn {
  std::string_view heading;  // row 1; brackets open and close the blocks, followed by the unit
  int width;                 // twips
  Format format;
  Field (*value)(const RunContext&);
  engine::CellAlignment heading_alignment = engine::CellAlignment::centred;  // row 1
};

inline constexpr int results_column_count = 188;
extern const std::array<ResultsColumn, results_column_count> results_columns;

// The background of a heading cell (row 1) in the partner-mineral and thermometer blocks: the partner
// inputs in their analysis-table block's colour, the temperatures in a deeper one.
std::optional<engine::Rgb> results_heading_colour(int column);

}  // namespace kolbex::results
