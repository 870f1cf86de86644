#include "entry/heading_import.h"

#include <csv.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>

#include "entry/analysis_table.h"
#include "shell/file_io.h"
#include "shell/text_encoding.h"
#include "shell/utf8.h"

namespace kolbex::entry {
namespace {

constexpr int oxides_for_a_heading_row = 3;
// FeO per Fe2O3: two FeO of 71.8444 g/mol in one Fe2O3 of 159.6882 g/mol.
constexpr double feo_per_fe2o3 = 2 * 71.8444 / 159.6882;

// ---- Splitting -------------------------------------------------------------------------------------

int is_blank(unsigned char c) { return c == ' '; }

// libcsv fed in pieces: each completed row goes to `on_row`, its fields as the text holds them.
class CsvStream {
 public:
  using RowHandler = std::function<void(std::vector<std::string>&)>;
  CsvStream(char separator, RowHandler on_row) : on_row_(std::move(on_row)) {
    ready_ = csv_init(&parser_, CSV_APPEND_NULL) == 0;
    if (!ready_) return;
    csv_set_delim(&parser_, static_cast<unsigned char>(separator));
    csv_set_space_func(&parser_, is_blank);
  }
  ~CsvStream() {
    if (ready_) csv_free(&parser_);
  }
  CsvStream(const CsvStream&) = delete;
  CsvStream& operator=(const CsvStream&) = delete;

  // False with the reason when the bytes cannot be split.
  bool feed(std::string_view bytes, std::string& reason) {
    if (!ready_) {
      reason = "out of memory";
      return false;
    }
    if (csv_parse(&parser_, bytes.data(), bytes.size(), on_field, on_row_end, this) == bytes.size())
      return true;
    reason = std::string("the fields cannot be split: ") + csv_strerror(csv_error(&parser_));
    return false;
  }
  // The last row, when the text does not end with a line ending.
  void finish() {
    if (ready_) csv_fini(&parser_, on_field, on_row_end, this);
  }

 private:
  // The fields of a row go into the strings of the row before, which most likely had as many: a file
  // of long fields is split without allocating for each.
  static void on_field(void* text, std::size_t length, void* data) {
    auto* s = static_cast<CsvStream*>(data);
    const char* bytes = text ? static_cast<const char*>(text) : "";
    if (!text) length = 0;
    if (s->fields_ < s->row_.size())
      s->row_[s->fields_].assign(bytes, length);
    else
      s->row_.emplace_back(bytes, length);
    ++s->fields_;
  }
  static void on_row_end(int, void* data) {
    auto* s = static_cast<CsvStream*>(data);
    s->row_.resize(s->fields_);
    s->fields_ = 0;
    s->on_row_(s->row_);  // which may take the strings away
  }

  csv_parser parser_{};
  bool ready_ = false;
  RowHandler on_row_;
  std::vector<std::string> row_;
  std::size_t fields_ = 0;  // of the row being split
};

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

constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";
constexpr std::string_view binary_refusal = "the file holds binary bytes, not text";

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
    for (int c = 0; c < engine::analysis_column_count; ++c)
      if (engine::is_oxide_column(c)) k[key_of(engine::analysis_headings[static_cast<std::size_t>(c)])] = c;
    k["y2o3"] = 14;  // Y2O3 alone goes where Y2O3 with the rare earths lumped in goes
    return k;
  }();
  return keys;
}

const std::map<std::string, int>& own_heading_keys() {
  static const std::map<std::string, int> keys = [] {
    std::map<std::string, int> count;
    for (int c = 32; c < engine::analysis_column_count; ++c)
      ++count[key_of(engine::analysis_headings[static_cast<std::size_t>(c)])];
    std::map<std::string, int> k;
    for (int c = 32; c < engine::analysis_column_count; ++c) {
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
  if (target <= 0 || target >= engine::analysis_column_count)
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
    for (int c = 1; c < engine::analysis_column_count; ++c)
      if (const std::string& text = analyses.rows[r][static_cast<std::size_t>(c)]; !text.empty())
        table.set_text(static_cast<int>(r) + 1, c, text);
  return placed;
}

std::size_t positional_skip(const FieldRows& rows, const ImportPlan* plan) {
  return plan && !rows[plan->heading_row].empty() &&
         rows[plan->heading_row][0] == engine::analysis_headings[0];
}

void positional_row(const std::vector<std::string>& fields, std::size_t skip, AnalysisRow& analysis) {
  analysis.fill({});
  for (std::size_t i = skip; i < fields.size() && i - skip + 1 < engine::analysis_column_count; ++i)
    analysis[i - skip + 1] = fields[i];
}

ImportedAnalyses positional_analyses(const FieldRows& rows, const ImportPlan* plan) {
  ImportedAnalyses out;
  const std::size_t skip = positional_skip(rows, plan);
  AnalysisRow analysis;
  for (std::size_t r = plan ? plan->heading_row + 1 : 0; r < rows.size(); ++r) {
    positional_row(rows[r], skip, analysis);
    out.rows.push_back(std::move(analysis));
  }
  return out;
}

bool split_fields(std::string_view bytes, char separator, FieldRows& rows, char& used_separator,
                  std::string& reason) {
  rows.clear();
  if (bytes.starts_with(byte_order_mark)) bytes.remove_prefix(byte_order_mark.size());
  if (bytes.find('\0') != std::string_view::npos) {
    reason = binary_refusal;
    return false;
  }
  const std::string text = shell::to_utf8(bytes);
  used_separator = separator ? separator : choose_separator(text);
  CsvStream stream(used_separator,
                   [&rows](std::vector<std::string>& row) { rows.push_back(std::move(row)); });
  if (!stream.feed(text, reason)) return false;
  stream.finish();
  return true;
}

bool has_heading_row(const FieldRows& rows) { return heading_row_of(rows).has_value(); }

bool has_element_heading_row(const FieldRows& rows) {
  if (has_heading_row(rows)) return false;
  for (std::size_t r = 0; r < rows.size() && r < heading_search_rows; ++r)
    if (element_names(rows[r]) >= oxides_for_a_heading_row) return true;
  return false;
}

void LaterRows::add(const std::vector<std::string>& row, bool decimals) {
  if (!decimals) {
    any_value = any_value || !joined(row).empty();
    return;
  }
  if (row.size() > commas.size()) commas.resize(row.size()), points.resize(row.size());
  for (std::size_t i = 0; i < row.size(); ++i) {
    const std::string_view v = trimmed_view(row[i]);
    any_value = any_value || !v.empty();
    commas[i] += comma_decimal(v);
    points[i] += v.find('.') != std::string_view::npos && number(v).has_value();
  }
}

namespace {

// The plan from the first rows of a file (at most 20) and what its later rows say.
ImportPlan plan_from(const FieldRows& rows, const LaterRows& later, char separator) {
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
      later.any_value ||
      std::any_of(rows.begin() + static_cast<std::ptrdiff_t>(plan.heading_row) + 1, rows.end(),
                  [](const std::vector<std::string>& row) { return !joined(row).empty(); });
  if (!any_below && plan.refusal.empty()) plan.refusal = "no analyses below its heading row";

  // A decimal comma: the file is not comma-separated and its numbers are written "37,44".
  if (separator != ',') {
    LaterRows below = later;
    for (std::size_t r = plan.heading_row + 1; r < rows.size(); ++r) below.add(rows[r], true);
    int commas = 0, points = 0;
    for (std::size_t i = 0; i < below.commas.size() && i < plan.columns.size(); ++i)
      if (plan.columns[i].role == ColumnRole::oxide) commas += below.commas[i], points += below.points[i];
    plan.decimal_comma = commas > points;
  }
  return plan;
}

}  // namespace

ImportPlan plan_import(const FieldRows& rows, char separator) {
  const std::size_t first = std::min(rows.size(), heading_search_rows);
  LaterRows later;
  for (std::size_t r = first; r < rows.size(); ++r) later.add(rows[r], separator != ',');
  return plan_from(FieldRows(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(first)), later,
                   separator);
}

bool import_row(const std::vector<std::string>& fields, std::size_t index, const ImportPlan& plan,
                bool keep_negatives, ImportedAnalyses& counts, AnalysisRow& analysis) {
  analysis.fill({});
  bool any = false;
  int below = 0, negatives = 0;
  const std::size_t texts = counts.texts.size();
  for (std::size_t i = 0; i < fields.size() && i < plan.columns.size(); ++i) {
    const SourceColumn& column = plan.columns[i];
    if (column.role == ColumnRole::ignored) continue;
    const std::string_view field = trimmed_view(fields[i]);
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
      counts.texts.push_back("row " + std::to_string(index + 1) + ", " + column.heading + ": " + value);
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
    ++counts.empty_rows;
    counts.texts.resize(texts);
    return false;
  }
  counts.below_detection += below;
  counts.negatives += negatives;
  return true;
}

ImportedAnalyses import_analyses(const FieldRows& rows, const ImportPlan& plan, bool keep_negatives) {
  ImportedAnalyses out;
  if (!plan.refusal.empty() || plan.by_position) return out;
  out.rows.reserve(rows.size() - plan.heading_row - 1);
  AnalysisRow analysis;
  for (std::size_t r = plan.heading_row + 1; r < rows.size(); ++r)
    if (import_row(rows[r], r, plan, keep_negatives, out, analysis)) out.rows.push_back(std::move(analysis));
  return out;
}

std::vector<std::string> import_summary(const ImportPlan& plan, const ImportedAnalyses& analyses) {
  return import_summary(plan, analyses, analyses.rows.size());
}

std::vector<std::string> import_summary(const ImportPlan& plan, const ImportedAnalyses& analyses,
                                        std::size_t count) {
  std::vector<std::string> lines;
  int recognised = 0;
  std::vector<std::string> ignored;
  for (const SourceColumn& c : plan.columns)
    if (c.role == ColumnRole::ignored) {
      if (!c.heading.empty()) ignored.push_back(c.heading);
    } else {
      ++recognised;
    }
  std::string first = std::to_string(count) + (count == 1 ? " analysis, " : " analyses, ") +
                      std::to_string(recognised) + " columns recognised, " + std::to_string(ignored.size()) +
                      " ignored";
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

namespace {

constexpr std::size_t piece_size = 1 << 16;
constexpr std::size_t first_line_limit = 1 << 20;

// Reads a file in pieces and splits it into rows, each given to `on_row`: the byte order mark dropped,
// binary bytes refused. `separator` 0 is chosen from the first line, as split_fields does, and set.
bool read_rows_of(const std::filesystem::path& path, char& separator, const CsvStream::RowHandler& on_row,
                  std::string& reason) {
  std::ifstream in;
  if (shell::open_for_reading(path, in, reason) != 0) return false;
  std::optional<CsvStream> stream;
  std::string piece;
  std::string buffer(piece_size, '\0');
  for (;;) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const auto got = static_cast<std::size_t>(in.gcount());
    if (in.bad()) {
      reason = "the file could not be read";
      return false;
    }
    piece.append(buffer.data(), got);
    const bool end = got < buffer.size();
    if (piece.find('\0') != std::string::npos) {
      reason = std::string(binary_refusal);
      return false;
    }
    if (!stream) {
      // The first piece holds the whole first line (or the whole file, or its first MiB), for the choice
      // of separator.
      if (!end && piece.find_first_of("\r\n") == std::string::npos && piece.size() < first_line_limit)
        continue;
      if (std::string_view(piece).starts_with(byte_order_mark)) piece.erase(0, byte_order_mark.size());
      if (!separator) separator = choose_separator(piece);
      stream.emplace(separator, on_row);
    }
    if (!stream->feed(piece, reason)) return false;
    piece.clear();
    if (end) break;
  }
  stream->finish();
  return true;
}

void convert_row(std::vector<std::string>& row) {
  for (std::string& field : row) {
    std::string utf8;
    shell::append_windows_1252_as_utf8(utf8, field);
    field = std::move(utf8);
  }
}

}  // namespace

bool DelimitedFile::survey(const std::filesystem::path& path, char separator, std::string& reason) {
  *this = DelimitedFile();
  path_ = path;
  separator_ = separator;
  const auto on_row = [this](std::vector<std::string>& row) {
    for (const std::string& field : row)
      if (utf8_ && !shell::is_valid_utf8(field)) utf8_ = false;
    if (first_rows_.size() < heading_search_rows)
      first_rows_.push_back(row);
    else
      later_.add(row, separator_ != ',');  // what it says does not depend on the encoding: only ASCII counts
    ++row_count_;
  };
  if (!read_rows_of(path, separator_, on_row, reason)) return false;
  // Separators, quotes and line ends are ASCII, so the rows split alike either way; their text is
  // Windows-1252 when the file as a whole is not UTF-8.
  if (!utf8_)
    for (std::vector<std::string>& row : first_rows_) convert_row(row);
  return true;
}

ImportPlan DelimitedFile::plan() const { return plan_from(first_rows_, later_, separator_); }

bool DelimitedFile::read_rows(const std::function<void(std::size_t, std::vector<std::string>&)>& on_row,
                              std::string& reason) const {
  std::size_t index = 0;
  char separator = separator_;
  return read_rows_of(
      path_, separator,
      [&](std::vector<std::string>& row) {
        if (!utf8_) convert_row(row);
        on_row(index++, row);
      },
      reason);
}

}  // namespace kolbex::entry
