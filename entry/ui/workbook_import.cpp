#include "entry/ui/workbook_import.h"

#include <freexl.h>

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QXmlStreamReader>

#include <charconv>
#include <cstdio>

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

// The bytes of an inflated member as XML input, without copying them.
QByteArray xml_bytes(const std::string& content) {
  return QByteArray::fromRawData(content.data(), static_cast<qsizetype>(content.size()));
}

// The folder of a member ("xl/workbook.xml" -> "xl") and a relationship target resolved against it.
QString folder_of(const QString& member) {
  const qsizetype slash = member.lastIndexOf(u'/');
  return slash < 0 ? QString() : member.left(slash);
}
QString resolve(const QString& folder, const QString& target) {
  QStringList parts = target.startsWith(u'/') ? QStringList() : folder.split(u'/', Qt::SkipEmptyParts);
  for (const QString& part : target.split(u'/', Qt::SkipEmptyParts)) {
    if (part == u"..") {
      if (!parts.isEmpty()) parts.removeLast();
    } else if (part != u".") {
      parts << part;
    }
  }
  return parts.join(u'/');
}

struct Relationship {
  QString type, target;
};

// A relationships part: Id -> (type, target resolved against `folder`).
std::optional<QHash<QString, Relationship>> relationships(const std::string& xml, const QString& folder) {
  QHash<QString, Relationship> out;
  QXmlStreamReader reader(xml_bytes(xml));
  while (!reader.atEnd()) {
    reader.readNext();
    if (!reader.isStartElement() || reader.name() != u"Relationship") continue;
    const auto a = reader.attributes();
    out.insert(a.value(QLatin1String("Id")).toString(),
               {a.value(QLatin1String("Type")).toString(),
                resolve(folder, a.value(QLatin1String("Target")).toString())});
  }
  if (reader.hasError()) return std::nullopt;
  return out;
}

// A cell reference "BM101": 1-based column and row, both inside the worksheet's limits.
bool parse_reference(QStringView ref, int& column, int& row) {
  qsizetype i = 0;
  int c = 0;
  for (; i < ref.size() && ref[i] >= u'A' && ref[i] <= u'Z' && i < 3; ++i)
    c = c * 26 + (ref[i].unicode() - u'A' + 1);
  if (i == 0 || i == ref.size()) return false;
  long long r = 0;
  for (qsizetype k = i; k < ref.size(); ++k) {
    if (ref[k] < u'0' || ref[k] > u'9' || r > 1048576) return false;
    r = r * 10 + (ref[k].unicode() - u'0');
  }
  if (c > 16384 || r < 1 || r > 1048576) return false;
  column = c;
  row = static_cast<int>(r);
  return true;
}

// The text of an element with mixed <t> children (shared strings, inline strings), phonetic runs left out.
QString string_item(QXmlStreamReader& reader) {
  QString text;
  int depth = 1;
  bool phonetic = false;
  while (depth > 0 && !reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement()) {
      ++depth;
      if (reader.name() == u"rPh") phonetic = true;
      if (reader.name() == u"t" && !phonetic)
        text += reader.readElementText(QXmlStreamReader::IncludeChildElements), --depth;
    } else if (reader.isEndElement()) {
      --depth;
      if (reader.name() == u"rPh") phonetic = false;
    }
  }
  return text;
}

// Reads on, failing (as an XML error) when the elements nest deeper than any workbook part does.
bool read_next(QXmlStreamReader& reader, int& depth) {
  reader.readNext();
  if (reader.isStartElement() && ++depth > depth_limit) {
    reader.raiseError(QStringLiteral("elements nested too deeply"));
    return false;
  }
  if (reader.isEndElement()) --depth;
  return !reader.atEnd();
}

std::optional<std::vector<QString>> shared_strings(const std::string& xml) {
  std::vector<QString> strings;
  QXmlStreamReader reader(xml_bytes(xml));
  int depth = 0;
  while (read_next(reader, depth))
    if (reader.isStartElement() && reader.name() == u"si") {
      strings.push_back(string_item(reader));
      --depth;  // string_item read the item to its end
    }
  if (reader.hasError()) return std::nullopt;
  return strings;
}

std::string utf8(const QString& s) { return s.toStdString(); }

// The sheet's cells inside the rectangle; every other cell is passed over without being kept.
std::optional<std::string> read_sheet(const std::string& xml, const std::vector<QString>& strings,
                                      WorkbookRectangle& cells) {
  QXmlStreamReader reader(xml_bytes(xml));
  int row = 0, column = 0, depth = 0;
  while (read_next(reader, depth)) {
    if (!reader.isStartElement()) continue;
    if (reader.name() == u"row") {
      const QStringView r = reader.attributes().value(QLatin1String("r"));
      bool ok = true;
      const int number = r.isEmpty() ? row + 1 : r.toInt(&ok);
      if (!ok || number < 1 || number > 1048576) return "a row number out of range";
      row = number;
      column = 0;
      continue;
    }
    if (reader.name() != u"c") continue;
    const auto attributes = reader.attributes();
    const QStringView ref = attributes.value(QLatin1String("r"));
    if (ref.isEmpty()) {
      ++column;
    } else if (!parse_reference(ref, column, row)) {
      return "a bad cell reference";
    }
    if (row > WorkbookRectangle::rows || column > WorkbookRectangle::columns) {
      reader.skipCurrentElement();
      --depth;
      continue;
    }
    const QString type = attributes.value(QLatin1String("t")).toString();
    QString value;
    bool has_value = false, inline_text = false;
    --depth;  // the cell is read to its end here
    while (!reader.atEnd()) {
      reader.readNext();
      if (reader.isEndElement() && reader.name() == u"c") break;
      if (!reader.isStartElement()) continue;
      if (reader.name() == u"v") {
        value = reader.readElementText();
        has_value = true;
      } else if (reader.name() == u"is") {
        value = string_item(reader);
        has_value = inline_text = true;
      } else {
        reader.skipCurrentElement();  // a formula's text, extensions
      }
    }
    std::optional<std::string>& cell = cells.at(row - 1, column - 1);
    if (!has_value) {
      cell = std::string();  // an empty cell gives an empty text
    } else if (type == u"s") {
      bool ok = false;
      const qulonglong index = value.trimmed().toULongLong(&ok);
      if (!ok || index >= strings.size()) return "a shared-string index out of range";
      cell = utf8(strings[static_cast<std::size_t>(index)]);
    } else if (type == u"str" || type == u"inlineStr" || type == u"d" || inline_text) {
      cell = utf8(value);
    } else if (type == u"b") {
      cell = value.trimmed() == u"1" ? "True" : "False";
    } else if (type == u"e") {
      cell.reset();  // an error value has no text form
    } else {
      const std::string digits = utf8(value.trimmed());
      double x = 0;
      const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), x);
      if (ec != std::errc{} || end != digits.data() + digits.size()) return "a number that is not one";
      cell = number_text(x);
    }
  }
  if (reader.hasError()) return "damaged XML: " + utf8(reader.errorString());
  return std::nullopt;
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
  const auto member = [&zip](const QString& name, std::string& error) {
    return zip.read(name.toStdString(), error);
  };
  std::string error;
  QString workbook = QStringLiteral("xl/workbook.xml");
  if (const auto rels = member(QStringLiteral("_rels/.rels"), error)) {
    if (const auto list = relationships(*rels, {}))
      for (const Relationship& r : *list)
        if (r.type.endsWith(u"/officeDocument")) workbook = r.target;
  }
  if (!error.empty()) return invalid(error);
  const auto workbook_xml = member(workbook, error);
  if (!workbook_xml) return invalid(error.empty() ? "no workbook part" : error);

  // The sheets in their order, and the one shown when the workbook was saved.
  std::vector<QString> sheet_ids;
  int active = 0;
  {
    QXmlStreamReader reader(xml_bytes(*workbook_xml));
    bool view_seen = false;
    while (!reader.atEnd()) {
      reader.readNext();
      if (!reader.isStartElement()) continue;
      if (reader.name() == u"workbookView" && !view_seen) {
        view_seen = true;
        active = reader.attributes().value(QLatin1String("activeTab")).toInt();
      } else if (reader.name() == u"sheet") {
        QString id;
        for (const QXmlStreamAttribute& a : reader.attributes())
          if (a.name() == u"id") id = a.value().toString();
        sheet_ids.push_back(id);
      }
    }
    if (reader.hasError()) return invalid("damaged XML in the workbook part");
  }
  if (sheet_ids.empty()) return invalid("a workbook without sheets");
  if (active < 0 || static_cast<std::size_t>(active) >= sheet_ids.size()) active = 0;

  const QString folder = folder_of(workbook);
  const QString rels_name = (folder.isEmpty() ? QString() : folder + u'/') + QStringLiteral("_rels/") +
                            workbook.mid(workbook.lastIndexOf(u'/') + 1) + QStringLiteral(".rels");
  const auto rels_xml = member(rels_name, error);
  if (!rels_xml) return invalid(error.empty() ? "no workbook relationships" : error);
  const auto rels = relationships(*rels_xml, folder);
  if (!rels) return invalid("damaged workbook relationships");
  const auto sheet_rel = rels->find(sheet_ids[static_cast<std::size_t>(active)]);
  if (sheet_rel == rels->end()) return invalid("the shown sheet has no relationship");

  std::vector<QString> strings;
  for (const Relationship& r : *rels) {
    if (!r.type.endsWith(u"/sharedStrings")) continue;
    const auto xml = member(r.target, error);
    if (!error.empty()) return invalid(error);
    if (!xml) continue;
    auto parsed = shared_strings(*xml);
    if (!parsed) return invalid("damaged XML in the shared strings");
    strings = std::move(*parsed);
  }

  const auto sheet_xml = member(sheet_rel->target, error);
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
