#include "entry/workbook_import.h"

#include <expat.h>
#include <freexl.h>

#include <charconv>
#include <cstdio>
#include <functional>
#include <map>
#include <utility>

#include "entry/compound_file.h"
#include "entry/zip_archive.h"
#include "results/number_format.h"
#include "shell/failure.h"
#include "shell/file_io.h"

namespace kolbex::entry {
namespace {

// No part of a workbook may inflate beyond 64 MiB: a zip bomb is refused before it fills the memory.
constexpr std::size_t member_limit = 64 * 1024 * 1024;
// Nor may the file itself be larger than that many times over.
constexpr std::uintmax_t file_limit = 4 * 64 * 1024 * 1024;
// Spreadsheet XML nests a handful of levels; anything deeper is not a workbook part.
constexpr int depth_limit = 64;

WorkbookRead invalid(std::string reason) {
  return {shell::failure::invalid_file_format, std::move(reason), {}};
}

// The attributes of a start tag, by local name (a prefix's namespace is dropped: r:id reads as "id").
class Attributes {
 public:
  explicit Attributes(const XML_Char** list) : list_(list) {}
  std::string_view value(std::string_view name) const {
    for (const XML_Char** a = list_; *a; a += 2)
      if (local_name(a[0]) == name) return a[1];
    return {};
  }
  static std::string_view local_name(std::string_view qualified) {
    const std::size_t mark = qualified.rfind(namespace_mark);
    return mark == std::string_view::npos ? qualified : qualified.substr(mark + 1);
  }
  static constexpr char namespace_mark = '\x01';

 private:
  const XML_Char** list_;
};

// One workbook part read by expat, its events handed to a reader's three handlers by local name. A part
// that nests deeper than `depth_limit`, declares a document type (where entities would be defined) or is
// not well-formed is refused; a handler refuses with `stop`.
class PartParser {
 public:
  std::function<void(std::string_view name, const Attributes&)> on_start;
  std::function<void(std::string_view name)> on_end;
  std::function<void(std::string_view text)> on_text;

  // Empty when the part was read whole; otherwise why not.
  std::optional<std::string> parse(const std::string& xml) {
    XML_Parser parser =
        XML_ParserCreateNS(nullptr, Attributes::namespace_mark);  // UTF-8 or UTF-16, as declared
    if (!parser) return "no memory for an XML parser";
    parser_ = parser;
    XML_SetUserData(parser, this);
    XML_SetElementHandler(parser, &PartParser::start, &PartParser::end);
    XML_SetCharacterDataHandler(parser, &PartParser::text);
    XML_SetStartDoctypeDeclHandler(parser, &PartParser::doctype);
    const bool parsed =
        XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), XML_TRUE) == XML_STATUS_OK;
    std::optional<std::string> problem;
    if (!problem_.empty())
      problem = problem_;
    else if (!parsed)
      problem = std::string("damaged XML: ") + XML_ErrorString(XML_GetErrorCode(parser));
    XML_ParserFree(parser);
    return problem;
  }
  void stop(std::string why) {
    if (problem_.empty()) problem_ = std::move(why);
    XML_StopParser(parser_, XML_FALSE);
  }

 private:
  static PartParser& self(void* data) { return *static_cast<PartParser*>(data); }
  static void start(void* data, const XML_Char* name, const XML_Char** attributes) {
    PartParser& p = self(data);
    if (++p.depth_ > depth_limit) return p.stop("elements nested too deeply");
    if (p.on_start) p.on_start(Attributes::local_name(name), Attributes(attributes));
  }
  static void end(void* data, const XML_Char* name) {
    PartParser& p = self(data);
    --p.depth_;
    if (p.on_end) p.on_end(Attributes::local_name(name));
  }
  static void text(void* data, const XML_Char* s, int length) {
    PartParser& p = self(data);
    if (p.on_text) p.on_text(std::string_view(s, static_cast<std::size_t>(length)));
  }
  static void doctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
    self(data).stop("a document type declaration, which no workbook part has");
  }

  XML_Parser parser_ = nullptr;
  int depth_ = 0;
  std::string problem_;
};

// The text of a string item (shared strings, inline strings): its <t> runs, phonetic runs left out. Fed
// the events inside the item.
class StringItem {
 public:
  void start(std::string_view name) {
    if (name == "rPh") ++phonetic_;
    if (name == "t") ++runs_;
  }
  void end(std::string_view name) {
    if (name == "rPh") --phonetic_;
    if (name == "t") --runs_;
  }
  void text(std::string_view s) {
    if (runs_ > 0 && phonetic_ == 0) text_ += s;
  }
  std::string take() {
    runs_ = phonetic_ = 0;
    return std::exchange(text_, {});
  }

 private:
  int runs_ = 0, phonetic_ = 0;
  std::string text_;
};

// The folder of a member ("xl/workbook.xml" -> "xl") and a relationship target resolved against it.
std::string folder_of(std::string_view member) {
  const std::size_t slash = member.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(member.substr(0, slash));
}
std::string resolve(std::string_view folder, std::string_view target) {
  std::vector<std::string_view> parts;
  const auto add = [&parts](std::string_view path) {
    while (!path.empty()) {
      const std::size_t slash = path.find('/');
      const std::string_view part = path.substr(0, slash);
      if (part == "..") {
        if (!parts.empty()) parts.pop_back();
      } else if (!part.empty() && part != ".") {
        parts.push_back(part);
      }
      if (slash == std::string_view::npos) break;
      path.remove_prefix(slash + 1);
    }
  };
  if (!target.starts_with('/')) add(folder);
  add(target);
  std::string out;
  for (const std::string_view part : parts) {
    if (!out.empty()) out += '/';
    out += part;
  }
  return out;
}

struct Relationship {
  std::string type, target;
};
using Relationships = std::map<std::string, Relationship, std::less<>>;

// A relationships part: Id -> (type, target resolved against `folder`).
std::optional<Relationships> relationships(const std::string& xml, std::string_view folder) {
  Relationships out;
  PartParser parser;
  parser.on_start = [&](std::string_view name, const Attributes& a) {
    if (name == "Relationship")
      out.insert_or_assign(std::string(a.value("Id")),
                           Relationship{std::string(a.value("Type")), resolve(folder, a.value("Target"))});
  };
  if (parser.parse(xml)) return std::nullopt;
  return out;
}

// A cell reference "BM101": 1-based column and row, both inside the worksheet's limits.
bool parse_reference(std::string_view ref, int& column, int& row) {
  std::size_t i = 0;
  int c = 0;
  for (; i < ref.size() && ref[i] >= 'A' && ref[i] <= 'Z' && i < 3; ++i) c = c * 26 + (ref[i] - 'A' + 1);
  if (i == 0 || i == ref.size()) return false;
  long long r = 0;
  for (std::size_t k = i; k < ref.size(); ++k) {
    if (ref[k] < '0' || ref[k] > '9' || r > 1048576) return false;
    r = r * 10 + (ref[k] - '0');
  }
  if (c > 16384 || r < 1 || r > 1048576) return false;
  column = c;
  row = static_cast<int>(r);
  return true;
}

std::string_view trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// A whole decimal number, blanks around it allowed, or nothing.
template <typename Number>
std::optional<Number> whole_number(std::string_view s) {
  s = trimmed(s);
  Number x{};
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), x);
  if (s.empty() || ec != std::errc{} || end != s.data() + s.size()) return std::nullopt;
  return x;
}

std::optional<std::vector<std::string>> shared_strings(const std::string& xml) {
  std::vector<std::string> strings;
  StringItem item;
  bool in_item = false;
  PartParser parser;
  parser.on_start = [&](std::string_view name, const Attributes&) {
    if (name == "si") in_item = true;
    if (in_item) item.start(name);
  };
  parser.on_end = [&](std::string_view name) {
    if (!in_item) return;
    item.end(name);
    if (name == "si") strings.push_back(item.take()), in_item = false;
  };
  parser.on_text = [&](std::string_view s) {
    if (in_item) item.text(s);
  };
  if (parser.parse(xml)) return std::nullopt;
  return strings;
}

// The sheet's cells inside the rectangle; every other cell is passed over without being kept.
std::optional<std::string> read_sheet(const std::string& xml, const std::vector<std::string>& strings,
                                      WorkbookRectangle& cells) {
  PartParser parser;
  int row = 0, column = 0;
  // The cell being read: inside the rectangle or not, its type, and its value as far as it has come.
  bool in_cell = false, kept = false, has_value = false, inline_text = false;
  int value_depth = 0;   // inside <v>
  int string_depth = 0;  // inside <is>
  std::string type, value;
  StringItem item;

  parser.on_start = [&](std::string_view name, const Attributes& a) {
    if (in_cell) {
      if (!kept) return;
      if (string_depth > 0) {
        ++string_depth;
        item.start(name);
      } else if (value_depth > 0) {
        ++value_depth;
      } else if (name == "v") {
        value_depth = 1;
        value.clear();
        has_value = true;
      } else if (name == "is") {
        string_depth = 1;
        has_value = inline_text = true;
      }
      return;
    }
    if (name == "row") {
      const std::string_view r = a.value("r");
      const std::optional<int> number = r.empty() ? row + 1 : whole_number<int>(r);
      if (!number || *number < 1 || *number > 1048576) return parser.stop("a row number out of range");
      row = *number;
      column = 0;
    } else if (name == "c") {
      const std::string_view ref = a.value("r");
      if (ref.empty())
        ++column;
      else if (!parse_reference(ref, column, row))
        return parser.stop("a bad cell reference");
      in_cell = true;
      kept =
          row >= 1 && row <= WorkbookRectangle::rows && column >= 1 && column <= WorkbookRectangle::columns;
      type = a.value("t");
      value.clear();
      has_value = inline_text = false;
      value_depth = string_depth = 0;
    }
  };
  parser.on_text = [&](std::string_view s) {
    if (value_depth > 0)
      value += s;
    else if (string_depth > 0)
      item.text(s);
  };
  parser.on_end = [&](std::string_view name) {
    if (!in_cell) return;
    if (string_depth > 0) {
      if (--string_depth == 0)
        value = item.take();
      else
        item.end(name);
      return;
    }
    if (value_depth > 0) {
      --value_depth;
      return;
    }
    if (name != "c") return;
    in_cell = false;
    if (!kept) return;
    std::optional<std::string>& cell = cells.at(row - 1, column - 1);
    if (!has_value) {
      cell = std::string();  // an empty cell gives an empty text
    } else if (type == "s") {
      const auto index = whole_number<unsigned long long>(value);
      if (!index || *index >= strings.size()) return parser.stop("a shared-string index out of range");
      cell = strings[static_cast<std::size_t>(*index)];
    } else if (type == "str" || type == "inlineStr" || type == "d" || inline_text) {
      cell = value;
    } else if (type == "b") {
      cell = trimmed(value) == "1" ? "True" : "False";
    } else if (type == "e") {
      cell.reset();  // an error value has no text form
    } else {
      const auto x = whole_number<double>(value);
      if (!x) return parser.stop("a number that is not one");
      cell = number_text(*x);
    }
  };
  return parser.parse(xml);
}

// The .xls reader: FreeXL on a file, the shown sheet from the file's WINDOW1 record.
WorkbookRead read_xls_file(const std::filesystem::path& path, std::string_view bytes) {
  const void* handle = nullptr;
  if (freexl_open(path.c_str(), &handle) != FREEXL_OK) {
    if (handle) freexl_close(handle);
    return invalid("not a workbook FreeXL can read");
  }
  WorkbookRead read;
  unsigned int sheets = 0;
  freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &sheets);
  const std::optional<int> tab = xls_active_tab(bytes);
  const unsigned short sheet =
      tab && *tab >= 0 && static_cast<unsigned>(*tab) < sheets ? static_cast<unsigned short>(*tab) : 0;
  unsigned int rows = 0;
  unsigned short columns = 0;
  if (sheets == 0 || freexl_select_active_worksheet(handle, sheet) != FREEXL_OK ||
      freexl_worksheet_dimensions(handle, &rows, &columns) != FREEXL_OK) {
    freexl_close(handle);
    return invalid("a workbook without a readable worksheet");
  }
  for (unsigned r = 0; r < rows && r < WorkbookRectangle::rows; ++r)
    for (unsigned short c = 0; c < columns && c < WorkbookRectangle::columns; ++c) {
      FreeXL_CellValue value{};
      if (freexl_get_cell_value(handle, r, c, &value) != FREEXL_OK) continue;
      std::optional<std::string>& cell = read.cells.at(static_cast<int>(r), c);
      switch (value.type) {
        case FREEXL_CELL_INT: cell = number_text(value.value.int_value); break;
        case FREEXL_CELL_DOUBLE: cell = number_text(value.value.double_value); break;
        case FREEXL_CELL_TEXT:
        case FREEXL_CELL_SST_TEXT:
        case FREEXL_CELL_DATE:
        case FREEXL_CELL_DATETIME:
        case FREEXL_CELL_TIME: cell = value.value.text_value ? value.value.text_value : ""; break;
        default: cell = std::string(); break;  // an empty cell, or a formula, for which FreeXL has no value
      }
    }
  freexl_close(handle);
  return read;
}

}  // namespace

std::string number_text(double x) { return results::general(x); }

WorkbookRead read_xlsx(std::string_view bytes) {
  // Every member is read whole, its size checked as stated and as inflated.
  const ZipArchive zip(bytes, member_limit);
  if (!zip.valid()) return invalid("not a zip container");
  std::string error;
  std::string workbook = "xl/workbook.xml";
  if (const auto rels = zip.read("_rels/.rels", error)) {
    if (const auto list = relationships(*rels, {}))
      for (const auto& [id, r] : *list)
        if (r.type.ends_with("/officeDocument")) workbook = r.target;
  }
  if (!error.empty()) return invalid(error);
  const auto workbook_xml = zip.read(workbook, error);
  if (!workbook_xml) return invalid(error.empty() ? "no workbook part" : error);

  // The sheets in their order, and the one shown when the workbook was saved.
  std::vector<std::string> sheet_ids;
  int active = 0;
  {
    bool view_seen = false;
    PartParser parser;
    parser.on_start = [&](std::string_view name, const Attributes& a) {
      if (name == "workbookView" && !view_seen) {
        view_seen = true;
        active = whole_number<int>(a.value("activeTab")).value_or(0);
      } else if (name == "sheet") {
        sheet_ids.emplace_back(a.value("id"));
      }
    };
    if (parser.parse(*workbook_xml)) return invalid("damaged XML in the workbook part");
  }
  if (sheet_ids.empty()) return invalid("a workbook without sheets");
  if (active < 0 || static_cast<std::size_t>(active) >= sheet_ids.size()) active = 0;

  const std::string folder = folder_of(workbook);
  const std::string rels_name = (folder.empty() ? std::string() : folder + '/') + "_rels/" +
                                workbook.substr(workbook.rfind('/') + 1) + ".rels";
  const auto rels_xml = zip.read(rels_name, error);
  if (!rels_xml) return invalid(error.empty() ? "no workbook relationships" : error);
  const auto rels = relationships(*rels_xml, folder);
  if (!rels) return invalid("damaged workbook relationships");
  const auto sheet_rel = rels->find(sheet_ids[static_cast<std::size_t>(active)]);
  if (sheet_rel == rels->end()) return invalid("the shown sheet has no relationship");

  std::vector<std::string> strings;
  for (const auto& [id, r] : *rels) {
    if (!r.type.ends_with("/sharedStrings")) continue;
    const auto xml = zip.read(r.target, error);
    if (!error.empty()) return invalid(error);
    if (!xml) continue;
    auto parsed = shared_strings(*xml);
    if (!parsed) return invalid("damaged XML in the shared strings");
    strings = std::move(*parsed);
  }

  const auto sheet_xml = zip.read(sheet_rel->second.target, error);
  if (!sheet_xml) return invalid(error.empty() ? "the shown sheet is missing" : error);
  WorkbookRead read;
  if (const auto problem = read_sheet(*sheet_xml, strings, read.cells)) return invalid(*problem);
  return read;
}

WorkbookRead read_workbook(const std::filesystem::path& path) {
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (!ec && size > file_limit) return invalid("a file too large for a workbook");
  std::string bytes, error;
  int os_error = 0;
  if (!shell::read_file_bytes(path, bytes, error, &os_error))
    return {shell::file_failure(os_error, path), error, {}};
  if (bytes.starts_with(std::string_view("PK\x03\x04", 4)) ||
      bytes.starts_with(std::string_view("PK\x05\x06", 4)))
    return read_xlsx(bytes);
  if (bytes.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) return read_xls_file(path, bytes);
  return invalid("neither a .xlsx nor a .xls workbook");
}

void place_workbook(const WorkbookRectangle& cells, AnalysisTable& table) {
  table.set_row_count(WorkbookRectangle::rows);
  for (int r = 0; r < WorkbookRectangle::rows; ++r)
    for (int c = 0; c < WorkbookRectangle::columns; ++c)
      if (const auto& text = cells.at(r, c)) table.set_text(r, c, *text);
  table.select_block({WorkbookRectangle::rows - 1, WorkbookRectangle::columns - 1},
                     {WorkbookRectangle::rows - 1, WorkbookRectangle::columns - 1});
}

FieldRows workbook_rows(const WorkbookRectangle& cells) {
  FieldRows rows;
  std::size_t last_row = 0;
  for (int r = 0; r < WorkbookRectangle::rows; ++r) {
    std::vector<std::string> row;
    for (int c = 0; c < WorkbookRectangle::columns; ++c)
      row.push_back(cells.at(r, c).value_or(std::string()));
    while (!row.empty() && row.back().empty()) row.pop_back();
    if (!row.empty()) last_row = rows.size() + 1;
    rows.push_back(std::move(row));
  }
  rows.resize(last_row);
  return rows;
}

}  // namespace kolbex::entry
