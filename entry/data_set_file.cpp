#include "entry/data_set_file.h"

#include <algorithm>
#include <istream>
#include <iterator>
#include <ostream>

#include "shell/file_io.h"
#include "shell/text_encoding.h"

namespace kolbex::entry {
namespace {

void select_data_block(AnalysisTable& table) { table.select_block({1, 1}, {table.R() - 1, table.C() - 1}); }

}  // namespace

std::string data_set_text(AnalysisTable& table) {
  select_data_block(table);
  std::string clip = table.read_clip_text();
  std::replace(clip.begin(), clip.end(), '"', '\'');
  std::string text;
  text.reserve(clip.size() + 4);
  text += '"';
  shell::append_latin1(text, clip);
  text += "\"\r\n";
  return text;
}

std::string data_set_record(std::string_view bytes) {
  std::size_t start = bytes.find_first_not_of(' ');
  if (start == std::string_view::npos) return {};
  std::size_t end;
  if (bytes[start] == '"')
    end = bytes.find('"', ++start);
  else
    end = bytes.find_first_of(",\r\n", start);
  return shell::latin1_to_utf8(
      bytes.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

void place_data_set(AnalysisTable& table, std::string_view bytes) {
  select_data_block(table);
  if (bytes.find_first_not_of(' ') != std::string_view::npos) table.write_clip_text(data_set_record(bytes));
}

bool write_data_set(AnalysisTable& table, std::ostream& out, std::string& error) {
  const std::string text = data_set_text(table);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
  if (out) return true;
  error = "the data set could not be written";
  return false;
}

bool write_data_set(AnalysisTable& table, const std::filesystem::path& path, std::string& error,
                    int* os_error) {
  return shell::write_file_replacing(path, data_set_text(table), error, os_error);
}

bool read_data_set(AnalysisTable& table, std::istream& in, std::string& error) {
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) {
    select_data_block(table);
    error = "the data set could not be read";
    return false;
  }
  place_data_set(table, bytes);
  return true;
}

// The file's data set into the table; `emptied_first`: the table is emptied once the file has been read.
static bool read_data_set_file(AnalysisTable& table, const std::filesystem::path& path, std::string& error,
                               int* os_error, bool emptied_first) {
  std::string bytes;
  if (!shell::read_file_bytes(path, bytes, error, os_error)) {
    select_data_block(table);
    return false;
  }
  if (emptied_first) {
    table.clear();
    table.capCell();
  }
  place_data_set(table, bytes);
  return true;
}

bool read_data_set(AnalysisTable& table, const std::filesystem::path& path, std::string& error,
                   int* os_error) {
  return read_data_set_file(table, path, error, os_error, false);
}

bool open_data_set(AnalysisTable& table, const std::filesystem::path& path, std::string& error,
                   int* os_error) {
  return read_data_set_file(table, path, error, os_error, true);
}

}  // namespace kolbex::entry
