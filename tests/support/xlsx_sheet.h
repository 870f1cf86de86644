#pragma once

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace kolbex::test {

// A cell of an .xlsx worksheet as the file holds it: its type ("n" number, "s" shared string,
// "inlineStr", "str"), its value (a string's text, a number's digits) and its number format code
// ("General" when none).
struct XlsxCell {
  std::string type;
  std::string value;
  std::string number_format;
};

// One member of an .xlsx (zip) file, through the unzip program; empty when it is not there.
inline std::string xlsx_member(const std::filesystem::path& file, const std::string& member) {
  const std::string command = "unzip -p '" + file.string() + "' '" + member + "' 2>/dev/null";
  std::string out;
  if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    ::pclose(pipe);
  }
  return out;
}

inline std::string xml_text(std::string s) {
  const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  for (const auto& [from, to] : entities)
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + 1))
      s.replace(at, std::strlen(from), to);
  return s;
}

// The cells of the first worksheet by reference ("A1", "GF302").
inline std::map<std::string, XlsxCell> read_first_sheet(const std::filesystem::path& file) {
  // Number formats: the custom codes by id, and the cell styles' format ids in order.
  const std::string styles = xlsx_member(file, "xl/styles.xml");
  std::map<std::string, std::string> codes{{"0", "General"}};
  const std::regex numfmt(R"re(<numFmt numFmtId="(\d+)" formatCode="([^"]*)")re");
  for (std::sregex_iterator i(styles.begin(), styles.end(), numfmt), end; i != end; ++i)
    codes[(*i)[1]] = xml_text((*i)[2]);
  std::vector<std::string> style_formats;
  const std::size_t xfs = styles.find("<cellXfs");
  const std::string cell_xfs = styles.substr(xfs, styles.find("</cellXfs>", xfs) - xfs);
  const std::regex xf(R"re(<xf numFmtId="(\d+)")re");
  for (std::sregex_iterator i(cell_xfs.begin(), cell_xfs.end(), xf), end; i != end; ++i) {
    const auto code = codes.find((*i)[1]);
    style_formats.push_back(code == codes.end() ? "builtin " + std::string((*i)[1]) : code->second);
  }
  // Shared strings in order, and the cells of the sheet, read by hand: the sheet is megabytes long.
  const auto between = [](const std::string& text, std::size_t from, const std::string& open,
                          const std::string& close, std::size_t& next) {
    const std::size_t a = text.find(open, from);
    if (a == std::string::npos) return std::string::npos;
    const std::size_t b = text.find(close, a + open.size());
    next = b == std::string::npos ? text.size() : b + close.size();
    return a;
  };
  std::vector<std::string> shared;
  const std::string strings = xlsx_member(file, "xl/sharedStrings.xml");
  for (std::size_t at = 0, next = 0; (at = between(strings, at, "<si>", "</si>", next)) != std::string::npos;
       at = next) {
    const std::string item = strings.substr(at, next - at);
    const std::size_t t = item.find('>', item.find("<t"));
    shared.push_back(xml_text(item.substr(t + 1, item.find("</t>") - t - 1)));
  }
  const auto attribute = [](const std::string& tag, const std::string& name) {
    const std::string key = " " + name + "=\"";
    const std::size_t a = tag.find(key);
    if (a == std::string::npos) return std::string();
    const std::size_t b = tag.find('"', a + key.size());
    return tag.substr(a + key.size(), b - a - key.size());
  };
  std::map<std::string, XlsxCell> cells;
  const std::string sheet = xlsx_member(file, "xl/worksheets/sheet1.xml");
  for (std::size_t at = sheet.find("<c r=\""); at != std::string::npos; at = sheet.find("<c r=\"", at + 1)) {
    const std::size_t tag_end = sheet.find('>', at);
    const std::string tag = sheet.substr(at, tag_end - at);
    XlsxCell c{"n", "", "General"};
    if (const std::string t = attribute(tag, "t"); !t.empty()) c.type = t;
    if (const std::string st = attribute(tag, "s"); !st.empty())
      c.number_format = style_formats.at(std::stoul(st));
    if (sheet[tag_end - 1] == '/') {
      c.type = "blank";
    } else {
      const std::size_t close = sheet.find("</c>", tag_end);
      const std::string body = sheet.substr(tag_end + 1, close - tag_end - 1);
      const std::size_t v = body.find("<v>");
      const std::size_t t = body.find("<t");
      if (v != std::string::npos) {
        c.value = xml_text(body.substr(v + 3, body.find("</v>") - v - 3));
      } else if (t != std::string::npos) {
        const std::size_t gt = body.find('>', t);
        c.value = xml_text(body.substr(gt + 1, body.find("</t>") - gt - 1));
      }
      if (c.type == "s") c.value = shared.at(std::stoul(c.value));
    }
    cells[attribute(tag, "r")] = c;
  }
  return cells;
}

// The reference of cell (row, column), both 0-based: (0, 0) is "A1".
inline std::string cell_reference(int row, int column) {
  std::string letters;
  for (int c = column + 1; c > 0; c = (c - 1) / 26)
    letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
  return letters + std::to_string(row + 1);
}

}  // namespace kolbex::test
