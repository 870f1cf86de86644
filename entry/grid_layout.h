#pragma once

#include <cstdint>
#include <optional>

namespace kolbex::entry {

// How a grid cell's text sits in it.
enum class CellAlignment {
  grid_default,  // left, vertically centred
  left,          // left, vertically centred
  centred,       // centred both ways
  right_top,     // right and top
};

struct Rgb {
  std::uint8_t red, green, blue;
  bool operator==(const Rgb&) const = default;
};

// A column of the analysis table as capCell lays it out: width in twips (1/1440 inch; 15 twips are one
// pixel at 96 dots per inch), how its data cells and its heading cell are aligned, and the heading's
// background where the column belongs to a partner-mineral block.
struct AnalysisColumnLayout {
  int width;
  CellAlignment data;
  CellAlignment heading;
  std::optional<Rgb> heading_background;
};

AnalysisColumnLayout analysis_column_layout(int column);

// Biotite, clinopyroxene and orthopyroxene heading colours.
inline constexpr Rgb biotite_heading{224, 255, 255};
inline constexpr Rgb clinopyroxene_heading{230, 255, 204};
inline constexpr Rgb orthopyroxene_heading{255, 235, 255};

}  // namespace kolbex::entry
