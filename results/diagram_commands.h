#pragma once

#include <array>
#include <span>
#include <string_view>

namespace kolbex::results {

// The seventeen diagrams of the results window's "Graph" menu, keyed by the name of the plotting template
// each stands for. Each plots three columns of one diagram data file as a ternary: every line at its three
// values divided by their sum.
enum class DiagramSubmenu { classification, provenance };

// What a diagram draws besides the points.
enum class DiagramFields {
  none,                  // no fields: none with a reliable source
  dominant_constituent,  // the boundaries of the dominant-constituent rule, each field named by its apex
  mange_morton_2007,     // the provenance fields A, Bi, Bii, Ci, Cii and D
};

// How the points are drawn.
enum class PointStyle {
  plain,
  coloured_by_fourth,  // coloured by a fourth column of the file (spessartine, say)
};

struct DiagramCommand {
  DiagramSubmenu submenu;
  std::string_view caption;
  std::string_view template_name;
  std::string_view data_file;
  std::array<std::string_view, 3> columns;  // header items of the data file, in apex order
  std::array<std::string_view, 3> apices;   // top, bottom left, bottom right
  std::string_view reference;
  std::string_view subtitle;  // what this diagram shows, where it differs from its neighbours
  DiagramFields fields;
  PointStyle points;
  std::string_view colour_column;  // the fourth column for coloured points
};

inline constexpr std::string_view classification_submenu = "Garnet-supergroup Classification Plots";
inline constexpr std::string_view provenance_submenu = "Garnet provanance-related ternary plots";

extern const std::array<DiagramCommand, 17> diagram_commands;

// The diagram of a template name ("PrpAlmGrs.grf"), or none.
const DiagramCommand* diagram_for_template(std::string_view template_name);

// A provenance field: its name and its corners in per cent of the three apices.
struct FieldPolygon {
  std::string_view name;
  std::span<const std::array<double, 3>> corners;
};
std::span<const FieldPolygon> mange_morton_fields();

}  // namespace kolbex::results
