#include "entry/heading_import.h"

#include <csv.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>

#include "entry/analysis_table.h"
#include "shell/text_encoding.h"

namespace kolbex::entry {
namespace {

constexpr std::size_t heading_search_rows = 20;
constexpr int oxides_for_a_heading_row = 3;
// FeO per Fe2O3: two FeO of 71.8444 g/mol in one Fe2O3 of 159.6882 g/mol.
constexpr double feo_per_fe2o3 = 2 * 71.8444 / 159.6882;

// ---- Splitting -------------------------------------------------------------------------------------

struct Splitter {
  FieldRows* rows;
  std::vector<std::string> row;
};

void on_field(void* text, std::size_t length, void* data) {
  auto* s = static_cast<Splitter*>(data);
  s->row.emplace_back(text ? static_cast<const char*>(text) : "", text ? length : 0);
}

void on_row_end(int, void* data) {
  auto* s = static_cast<Splitter*>(data);
  const std::size_t fields = s->row.size();
  s->rows->push_back(std::move(s->row));
  s->row = {};
  s->row.reserve(fields);  // the next row most likely has as many
}

int is_blank(unsigned char c) { return c == ' '; }

char choose_separator(std::string_view text) {
  const std::string_view first = text.substr(0, text.find_first_of("\r\n"));
  std::size_t best = 0;
  char chosen = ',';
  for (const char c : {',', ';', '\t'}) {
    const auto n = static_cast<std::size_t>(std::count(first.begin(), first.end(), c));
    if (n > best) best = n, chosen = c;
  }
  return chosen;
}

// ---- Headings --------------------------------------------------------------------------------------

// A heading as a key: ASCII letters and digits only, lower case, with unit decorations ("wt%", "wt.%",
// "(wt%)", "mass%", "oxide") taken off either end.
std::string key_of(std::string_view heading) {
  std::string key;
  for (const char ch : heading) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80 && std::isalnum(c)) key += static_cast<char>(std::tolower(c));
  }
  static constexpr std::string_view decorations[] = {"wtpct", "wt",      "masspct", "mass",
                                                     "pct",   "percent", "oxides",  "oxide"};
  for (bool changed = true; changed;) {
    changed = false;
    for (const std::string_view d : decorations) {
      if (key.size() > d.size() && key.starts_with(d)) key.erase(0, d.size()), changed = true;
      if (key.size() > d.size() && key.ends_with(d)) key.erase(key.size() - d.size()), changed = true;
    }
  }
  return key;
}

// A heading that marks a total: "FeO*", "ΣFeO", "FeOt", "FeO(t)", "FeOtot", "FeO total".
bool marks_total(std::string_view heading) {
  return heading.find('*') != std::string_view::npos || heading.find("\xCE\xA3") != std::string_view::npos;
}

struct Place {
  ColumnRole role;
  int target;
};

// Every oxide of the analysis table by its formula, and the analysis table's own unambiguous headings.
const std::map<std::string, int>& oxide_keys() {
  static const std::map<std::string, int> keys = [] {
    std::map<std::string, int> k;
    for (int c = 0; c < engine::analysis_columns; ++c)
      if (engine::is_oxide_column(c)) k[key_of(engine::analysis_headings[static_cast<std::size_t>(c)])] = c;
    k["y2o3"] = 14;  // Y2O3 alone goes where Y2O3 with the rare earths lumped in goes
    return k;
  }();
  return keys;
}

const std::map<std::string, int>& own_heading_keys() {
  static const std::map<std::string, int> keys = [] {
    std::map<std::string, int> count;
    for (int c = 32; c < engine::analysis_columns; ++c)
      ++count[key_of(engine::analysis_headings[static_cast<std::size_t>(c)])];
    std::map<std::string, int> k;
    for (int c = 32; c < engine::analysis_columns; ++c) {
      const std::string key = key_of(engine::analysis_headings[static_cast<std::size_t>(c)]);
      // "Ti", "Fe2+" and "[Al(total)" are ambiguous (or an element's name): only by position.
      if (!key.empty() && count[key] == 1 && key != "ti" && !oxide_keys().contains(key)) k[key] = c;
    }
    return k;
  }();
  return keys;
}

constexpr std::string_view sample_keys[] = {"sample", "sampleno", "samplename", "name",     "comment",
                                            "label",  "id",       "point",      "analysis", "spot"};

std::optional<Place> oxide_place(std::string_view heading) {
  const std::string key = key_of(heading);
  // Total iron: as FeO it goes to FeO, as Fe2O3 it is converted there.
  bool total = marks_total(heading);
  std::string_view base = key;
  for (const std::string_view suffix : {"total", "tot", "t"})
    if (base.ends_with(suffix) && (base.starts_with("feo") || base.starts_with("fe2o3"))) {
      base.remove_suffix(suffix.size());
      total = true;
      break;
    }
  if (total && base == "feo") return Place{ColumnRole::oxide, engine::feo_column};
  if (total && base == "fe2o3") return Place{ColumnRole::total_fe2o3, engine::feo_column};
  const auto found = oxide_keys().find(key);
  if (found == oxide_keys().end()) return std::nullopt;
  return Place{ColumnRole::oxide, found->second};
}

int oxide_names(const std::vector<std::string>& row) {
  int n = 0;
  for (const std::string& cell : row) n += oxide_place(cell).has_value();
  return n;
}

int element_names(const std::vector<std::string>& row) {
  static const std::set<std::string> elements = {"si", "ti", "al", "fe", "mg", "mn", "ca", "na", "k", "cr"};
  int n = 0;
  for (const std::string& cell : row) n += elements.contains(key_of(cell));
  return n;
}

// The analysis table's own heading row (an input template, a copied grid): most of its cells stand where
// the table has them, with or without the row-number column.
bool is_own_heading_row(const std::vector<std::string>& row) {
  for (const std::size_t shift : {std::size_t{0}, std::size_t{1}}) {
    int same = 0;
    for (std::size_t i = 0; i < row.size() && i + shift < engine::analysis_headings.size(); ++i)
      same += !row[i].empty() && row[i] == engine::analysis_headings[i + shift];
    if (same >= 10) return true;
  }
  return false;
}

std::string_view trimmed_view(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::string trimmed(std::string_view s) { return std::string(trimmed_view(s)); }

std::string joined(const std::vector<std::string>& cells) {
  std::string out;
  for (const std::string& c : cells) {
    const std::string_view cell = trimmed_view(c);
    if (cell.empty()) continue;
    if (!out.empty()) out += " | ";
    out += cell;
  }
  return out;
}

// The first of the first 20 rows that names at least three oxides.
std::optional<std::size_t> heading_row_of(const FieldRows& rows) {
  for (std::size_t r = 0; r < rows.size() && r < heading_search_rows; ++r)
    if (oxide_names(rows[r]) >= oxides_for_a_heading_row) return r;
  return std::nullopt;
}

// ---- Values ----------------------------------------------------------------------------------------

bool below_detection(std::string_view value) {
  if (value.starts_with('<')) return true;
  // A number is never a marker: most values leave here.
  const auto first = static_cast<unsigned char>(value.front());
  if (std::isdigit(first) || (value.size() > 1 && (first == '-' || first == '.') &&
                              std::isdigit(static_cast<unsigned char>(value[1]))))
    return false;
  std::string key;
  for (const char c : value)
    if (c != '.' && c != ' ') key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return key == "bdl" || key == "nd" || key == "na" || key == "n/a" || key == "-" || key == "\xE2\x80\x94" ||
         key == "\xE2\x80\x93";
}

std::optional<double> number(std::string_view text) {
  double v = 0;
  const char* end = text.data() + text.size();
  const char* begin = text.data();
  if (begin != end && *begin == '+') ++begin;
  const auto [ptr, ec] = std::from_chars(begin, end, v);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return v;
}

std::string shortest(double v) {
  char buffer[32];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
  return ec == std::errc() ? std::string(buffer, end) : std::string();
}

bool comma_decimal(std::string_view v) {
  const std::size_t comma = v.find(',');
  return comma != std::string_view::npos && comma > 0 && comma + 1 < v.size() &&
         v.find(',', comma + 1) == std::string_view::npos && v.find('.') == std::string_view::npos &&
         std::all_of(v.begin(), v.end(), [](char c) {
           return std::isdigit(static_cast<unsigned char>(c)) || c == ',' || c == '-';
         });
}

// Why two columns cannot both be imported: they go to the same analysis-table column.
std::string shared_place(const ImportPlan& plan) {
  std::map<int, std::string> taken;  // analysis-table column -> the heading that goes there
  for (const SourceColumn& column : plan.columns) {
    if (column.target == 0) continue;
    const auto [at, fresh] = taken.emplace(column.target, column.heading);
    if (!fresh)
      return "the columns \"" + at->second + "\" and \"" + column.heading + "\" both go to " +
             std::string(engine::analysis_headings[static_cast<std::size_t>(column.target)]) +
             ": keep one of them";
  }
  return {};
}

}  // namespace

void place_column(ImportPlan& plan, std::size_t column, int target) {
  SourceColumn& c = plan.columns.at(column);
  const auto named = oxide_place(c.heading);
  const bool converts = named && named->role == ColumnRole::total_fe2o3;
  c.target = target;
  if (target <= 0 || target >= engine::analysis_columns)
    c.role = ColumnRole::ignored, c.target = 0;
  else if (target == engine::sample_column)
    c.role = ColumnRole::sample;
  else if (target == engine::feo_column && converts)
    c.role = ColumnRole::total_fe2o3;
  else if (engine::is_oxide_column(target))
    c.role = ColumnRole::oxide;
  else
    c.role = ColumnRole::table_column;
  // A refusal of a shared place is lifted once the columns no longer share one.
  plan.refusal = shared_place(plan);
}

std::size_t place_analyses(const ImportedAnalyses& analyses, AnalysisTable& table, std::size_t limit) {
  const std::size_t placed = std::min(analyses.rows.size(), limit);
  for (std::size_t r = 0; r < placed; ++r)
    for (int c = 1; c < engine::analysis_columns; ++c)
      if (const std::string& text = analyses.rows[r][static_cast<std::size_t>(c)]; !text.empty())
        table.set_text(static_cast<int>(r) + 1, c, text);
  return placed;
}

ImportedAnalyses positional_analyses(const FieldRows& rows, const ImportPlan* plan) {
  ImportedAnalyses out;
  std::size_t first = 0;
  bool numbered = false;
  if (plan) {
    first = plan->heading_row + 1;
    numbered = !rows[plan->heading_row].empty() && rows[plan->heading_row][0] == engine::analysis_headings[0];
  }
  const std::size_t skip = numbered ? 1 : 0;
  for (std::size_t r = first; r < rows.size(); ++r) {
    std::array<std::string, engine::analysis_columns> analysis;
    for (std::size_t i = skip; i < rows[r].size() && i - skip + 1 < engine::analysis_columns; ++i)
      analysis[i - skip + 1] = rows[r][i];
    out.rows.push_back(std::move(analysis));
  }
  return out;
}

bool split_fields(std::string_view bytes, char separator, FieldRows& rows, char& used_separator,
                  std::string& reason) {
  rows.clear();
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (bytes.find('\0') != std::string_view::npos) {
    reason = "the file holds binary bytes, not text";
    return false;
  }
  const std::string text = shell::to_utf8(bytes);
  used_separator = separator ? separator : choose_separator(text);
  csv_parser parser;
  if (csv_init(&parser, CSV_APPEND_NULL) != 0) {
    reason = "out of memory";
    return false;
  }
  csv_set_delim(&parser, static_cast<unsigned char>(used_separator));
  csv_set_space_func(&parser, is_blank);
  Splitter splitter{&rows, {}};
  const bool parsed =
      csv_parse(&parser, text.data(), text.size(), on_field, on_row_end, &splitter) == text.size();
  const int error = parsed ? 0 : csv_error(&parser);
  csv_fini(&parser, on_field, on_row_end, &splitter);
  csv_free(&parser);
  if (!parsed) {
    reason = std::string("the fields cannot be split: ") + csv_strerror(error);
    return false;
  }
  return true;
}

bool has_heading_row(const FieldRows& rows) { return heading_row_of(rows).has_value(); }

bool has_element_heading_row(const FieldRows& rows) {
  if (has_heading_row(rows)) return false;
  for (std::size_t r = 0; r < rows.size() && r < heading_search_rows; ++r)
    if (element_names(rows[r]) >= oxides_for_a_heading_row) return true;
  return false;
}

ImportPlan plan_import(const FieldRows& rows, char separator) {
  ImportPlan plan;
  const std::optional<std::size_t> heading = heading_row_of(rows);
  if (!heading) {
    if (has_element_heading_row(rows)) {
      plan.refusal = element_percent_refusal;
      return plan;
    }
    plan.refusal = rows.empty() ? "the file is empty"
                                : "no heading row naming at least three oxides (SiO2, Al2O3, FeO ...) in its "
                                  "first 20 rows";
    return plan;
  }
  plan.heading_row = *heading;
  for (std::size_t r = 0; r < plan.heading_row; ++r)
    if (std::string row = joined(rows[r]); !row.empty()) plan.skipped.push_back(std::move(row));
  const std::vector<std::string>& names = rows[plan.heading_row];
  if (is_own_heading_row(names)) {
    plan.by_position = true;
    return plan;
  }

  // The sample name: the first of the sample headings that the file has.
  std::optional<std::size_t> sample_column;
  std::size_t sample_rank = std::size(sample_keys);
  for (std::size_t i = 0; i < names.size(); ++i)
    for (std::size_t k = 0; k < sample_rank; ++k)
      if (key_of(names[i]) == sample_keys[k]) sample_column = i, sample_rank = k;

  for (std::size_t i = 0; i < names.size(); ++i) {
    SourceColumn column{trimmed(names[i]), ColumnRole::ignored, 0};
    if (sample_column == i) {
      column.role = ColumnRole::sample, column.target = engine::sample_column;
    } else if (const auto place = oxide_place(names[i])) {
      column.role = place->role, column.target = place->target;
    } else if (const auto own = own_heading_keys().find(key_of(names[i])); own != own_heading_keys().end()) {
      column.role = ColumnRole::table_column, column.target = own->second;
    }
    plan.columns.push_back(std::move(column));
  }
  plan.refusal = shared_place(plan);

  const bool any_below =
      std::any_of(rows.begin() + static_cast<std::ptrdiff_t>(plan.heading_row) + 1, rows.end(),
                  [](const std::vector<std::string>& row) { return !joined(row).empty(); });
  if (!any_below && plan.refusal.empty()) plan.refusal = "no analyses below its heading row";

  // A decimal comma: the file is not comma-separated and its numbers are written "37,44".
  if (separator != ',') {
    int commas = 0, points = 0;
    for (std::size_t r = plan.heading_row + 1; r < rows.size(); ++r)
      for (std::size_t i = 0; i < rows[r].size() && i < plan.columns.size(); ++i) {
        if (plan.columns[i].role != ColumnRole::oxide) continue;
        const std::string v = trimmed(rows[r][i]);
        commas += comma_decimal(v);
        points += v.find('.') != std::string::npos && number(v).has_value();
      }
    plan.decimal_comma = commas > points;
  }
  return plan;
}

ImportedAnalyses import_analyses(const FieldRows& rows, const ImportPlan& plan, bool keep_negatives) {
  ImportedAnalyses out;
  if (!plan.refusal.empty() || plan.by_position) return out;
  out.rows.reserve(rows.size() - plan.heading_row - 1);
  for (std::size_t r = plan.heading_row + 1; r < rows.size(); ++r) {
    std::array<std::string, engine::analysis_columns> analysis;
    bool any = false;
    int below = 0, negatives = 0;
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < rows[r].size() && i < plan.columns.size(); ++i) {
      const SourceColumn& column = plan.columns[i];
      if (column.role == ColumnRole::ignored) continue;
      const std::string_view field = trimmed_view(rows[r][i]);
      if (field.empty()) continue;
      std::string value(field);
      any = true;
      auto& cell = analysis[static_cast<std::size_t>(column.target)];
      if (column.role == ColumnRole::sample || column.target == engine::cubic_flag_column) {
        cell = value;
        continue;
      }
      if (below_detection(value)) {
        cell = "0";
        ++below;
        continue;
      }
      if (plan.decimal_comma && comma_decimal(value)) std::replace(value.begin(), value.end(), ',', '.');
      const std::optional<double> v = number(value);
      if (!v) {
        cell = value;
        texts.push_back("row " + std::to_string(r + 1) + ", " + column.heading + ": " + value);
        continue;
      }
      if (*v < 0 && !keep_negatives) {
        cell = "0";
        ++negatives;
        continue;
      }
      cell = column.role == ColumnRole::total_fe2o3 ? shortest(*v * feo_per_fe2o3) : value;
    }
    if (!any) {
      ++out.empty_rows;
      continue;
    }
    out.below_detection += below;
    out.negatives += negatives;
    out.texts.insert(out.texts.end(), texts.begin(), texts.end());
    out.rows.push_back(std::move(analysis));
  }
  return out;
}

std::vector<std::string> import_summary(const ImportPlan& plan, const ImportedAnalyses& analyses) {
  std::vector<std::string> lines;
  int recognised = 0;
  std::vector<std::string> ignored;
  for (const SourceColumn& c : plan.columns)
    if (c.role == ColumnRole::ignored) {
      if (!c.heading.empty()) ignored.push_back(c.heading);
    } else {
      ++recognised;
    }
  std::string first =
      std::to_string(analyses.rows.size()) + (analyses.rows.size() == 1 ? " analysis, " : " analyses, ") +
      std::to_string(recognised) + " columns recognised, " + std::to_string(ignored.size()) + " ignored";
  for (std::size_t i = 0; i < ignored.size(); ++i) first += (i == 0 ? ": " : ", ") + ignored[i];
  if (analyses.below_detection > 0)
    first += "; " + std::to_string(analyses.below_detection) + " values below detection set to 0";
  if (analyses.negatives > 0)
    first += "; " + std::to_string(analyses.negatives) + " negative values set to 0";
  if (!analyses.texts.empty()) first += "; " + std::to_string(analyses.texts.size()) + " values kept as text";
  lines.push_back(first);
  for (const std::string& row : plan.skipped) lines.push_back("skipped above the headings: " + row);
  for (const SourceColumn& c : plan.columns)
    if (c.role == ColumnRole::total_fe2o3)
      lines.push_back("converted: " + c.heading + " (total iron as Fe2O3) to FeO, x " +
                      shortest(feo_per_fe2o3));
  for (const std::string& name : ignored) lines.push_back("ignored column: " + name);
  for (const std::string& text : analyses.texts) lines.push_back("kept as text: " + text);
  return lines;
}

}  // namespace kolbex::entry
