#pragma once

#include <array>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "results/run_context.h"

namespace kolbex::results {

// One value of a diagram data line: a site sum or an end-member value (NaN: nothing is written).
// `fixed` values are written with "#,##0.000", the others in the diagram files' general form.
struct DiagramItem {
  std::string_view heading;
  double (*value)(const RunContext&);
  bool fixed;
};

// A diagram data file: its name, which analyses it receives, and the values of their lines. An analysis
// qualifies when its species is one of `species`, or, for a file with `garnet_group`, when its group is
// the Garnet group whatever its species.
struct DiagramFile {
  std::string_view name;
  std::span<const engine::Species> species;
  bool garnet_group;
  std::array<DiagramItem, 4> items;
  int item_count;
};

inline constexpr int diagram_file_count = 13;
// In the order they are opened and written.
extern const std::array<DiagramFile, diagram_file_count> diagram_files;

bool qualifies(const DiagramFile& file, const RunContext& analysis);

// "SampleNo" and the item headings, separated by TAB, ending in CR LF.
std::string diagram_header_line(const DiagramFile& file);
// The analysis's line: the sample name in Windows-1252 as typed, then the items, separated by TAB, ending
// in CR LF.
void append_diagram_line(const DiagramFile& file, const RunContext& analysis, std::string& out);

// The thirteen files of one run in a folder: created afresh (replacing any of the same name) with their
// header lines, then one line per qualifying analysis. A file that cannot be created or written receives
// nothing more; the others carry on.
class DiagramFiles {
 public:
  explicit DiagramFiles(const std::filesystem::path& folder);
  void write_rows(const RunContext& analysis);
  // Closes the files and gives the paths of those that could not be created or completely written.
  std::vector<std::filesystem::path> close();

 private:
  // Lines are written in pieces of about this many bytes, not one system call each.
  static constexpr std::size_t write_size = 1 << 16;
  void write_pending(std::size_t file);

  std::filesystem::path folder_;
  std::array<std::ofstream, diagram_file_count> files_;
  std::array<std::string, diagram_file_count> pending_;  // lines not yet written
};

}  // namespace kolbex::results
