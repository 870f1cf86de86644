#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "results/diagram_commands.h"

namespace kolbex::results {

// One plottable line of a diagram data file: the sample, its three values as fractions of their sum (top,
// bottom left, bottom right), the values as written, and the fourth value for coloured points (NaN when
// there is none).
struct DiagramPoint {
  std::string sample;
  std::array<double, 3> fractions;
  std::array<double, 3> values;
  double colour_value;
};

// What a diagram shows of its data file: the points, how many lines could not be plotted (a value empty or
// negative, or three values summing to 0), and whether there was a file at all.
struct DiagramData {
  bool file_found = false;
  std::string problem;  // the file is there but not a diagram data file of this diagram
  std::vector<DiagramPoint> points;
  int unplottable = 0;
};

// The three values as fractions of their sum; nothing when one is missing or negative or the sum is 0.
std::optional<std::array<double, 3>> ternary_fractions(const std::array<std::optional<double>, 3>& values);

// Reads a diagram data file as the run wrote it (TAB-separated, a header line, CR LF, Windows-1252 names).
DiagramData parse_diagram_data(std::string_view text, const DiagramCommand& diagram);
DiagramData read_diagram_data(const std::filesystem::path& folder, const DiagramCommand& diagram);

}  // namespace kolbex::results
