#pragma once

#include <array>
#include <string_view>

namespace kolbex::results {

// The seventeen diagram commands of the results window's "Graph" menu: the submenu, the caption and the
// plotting template each opens. The template names are bare file names, found in the working folder
// where the diagram data files are written.
enum class DiagramSubmenu { classification, provenance };

struct DiagramCommand {
  DiagramSubmenu submenu;
  std::string_view caption;
  std::string_view template_name;
};

inline constexpr std::string_view classification_submenu = "Garnet-supergroup Classification Plots";
inline constexpr std::string_view provenance_submenu = "Garnet provanance-related ternary plots";

extern const std::array<DiagramCommand, 17> diagram_commands;

}  // namespace kolbex::results
