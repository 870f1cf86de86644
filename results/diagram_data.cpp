#include "results/diagram_data.h"

#include <cmath>
#include <limits>

#include "results/number_format.h"
#include "shell/file_io.h"
#include "shell/line_reader.h"
#include "shell/text_encoding.h"

namespace kolbex::results {
namespace {

std::vector<std::string_view> split(std::string_view line, char separator) {
  std::vector<std::string_view> items;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= line.size(); ++i)
    if (i == line.size() || line[i] == separator) {
      items.push_back(line.substr(start, i - start));
      start = i + 1;
    }
  return items;
}

}  // namespace

std::optional<std::array<double, 3>> ternary_fractions(const std::array<std::optional<double>, 3>& values) {
  double sum = 0;
  for (const auto& v : values) {
    if (!v || *v < 0) return std::nullopt;
    sum += *v;
  }
  if (!(sum > 0)) return std::nullopt;
  return std::array<double, 3>{*values[0] / sum, *values[1] / sum, *values[2] / sum};
}

DiagramData parse_diagram_data(std::string_view text, const DiagramCommand& diagram) {
  DiagramData data;
  data.file_found = true;
  std::vector<std::string_view> lines;
  std::string_view line;
  for (std::size_t start = 0; shell::next_line(text, start, line);) lines.push_back(line);
  if (lines.empty() || lines.front().empty()) {
    data.problem = "the file has no header line";
    return data;
  }
  const std::vector<std::string_view> header = split(lines.front(), '\t');
  const auto column = [&header](std::string_view name) -> int {
    for (std::size_t i = 1; i < header.size(); ++i)
      if (header[i] == name) return static_cast<int>(i);
    return -1;
  };
  std::array<int, 3> at{};
  for (std::size_t k = 0; k < 3; ++k) {
    at[k] = column(diagram.columns[k]);
    if (at[k] < 0) {
      data.problem = "the file has no column " + std::string(diagram.columns[k]);
      return data;
    }
  }
  const int colour_at = diagram.colour_column.empty() ? -1 : column(diagram.colour_column);
  for (std::size_t l = 1; l < lines.size(); ++l) {
    if (lines[l].empty()) continue;  // the end of the last line
    const std::vector<std::string_view> items = split(lines[l], '\t');
    const auto item = [&items](int i) {
      return i >= 0 && static_cast<std::size_t>(i) < items.size()
                 ? formatted_number(items[static_cast<std::size_t>(i)])
                 : std::nullopt;
    };
    const std::array<std::optional<double>, 3> values = {item(at[0]), item(at[1]), item(at[2])};
    const auto fractions = ternary_fractions(values);
    if (!fractions) {
      ++data.unplottable;
      continue;
    }
    const std::optional<double> colour = item(colour_at);
    data.points.push_back({shell::to_utf8(items[0]),
                           *fractions,
                           {*values[0], *values[1], *values[2]},
                           colour ? *colour : std::numeric_limits<double>::quiet_NaN()});
  }
  return data;
}

DiagramData read_diagram_data(const std::filesystem::path& folder, const DiagramCommand& diagram) {
  std::string bytes, error;
  if (!shell::read_file_bytes(folder / diagram.data_file, bytes, error)) return {};
  return parse_diagram_data(bytes, diagram);
}

}  // namespace kolbex::results
