#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "shell/error_messages.h"
#include "shell/failure.h"
#include "shell/line_reader.h"
#include "tests/support/temp_folder.h"

namespace kolbex::shell {
namespace {

TEST(ErrorMessages, TwoTablesThatDifferInThreeNumbers) {
  struct Case {
    int number;
    const char* data_entry;  // nullptr: nothing shown
    const char* results;
  } cases[] = {
      {0, nullptr, nullptr},
      {6, nullptr, "Overflow"},
      {11, "Division by zero", nullptr},
      {424, "Object required. Possibly [Output.Xls]", "Object required. Possibly [Output.Xlsx]"},
      {53, "File not found", "File not found"},
      {75, "Path/File access error", "Path/File access error"},
      {521, "Can't open clipboard", "Can't open clipboard"},
      {18, "User interrupt occured", "User interrupt occured"},
      {31001, "Out of memory", "Out of memory"},
      {13, nullptr, nullptr},
      {62, nullptr, nullptr},
      {70, nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number);
    const auto shown = [&](ReportingWindow window) {
      const auto message = error_message(window, c.number);
      return message ? std::string(*message) : std::string("(nothing)");
    };
    EXPECT_EQ(shown(ReportingWindow::data_entry), c.data_entry ? c.data_entry : "(nothing)");
    EXPECT_EQ(shown(ReportingWindow::results), c.results ? c.results : "(nothing)");
  }
}

TEST(Failure, FileErrorsMapToTheirNumbers) {
  const test::TempFolder folder("kolbex-failure");
  struct Case {
    int error_number;
    std::filesystem::path path;
    int failure;
  } cases[] = {
      {ENOENT, folder.path() / "missing.gsg", failure::file_not_found},
      {ENOENT, folder.path() / "no-folder" / "missing.gsg", failure::path_not_found},
      {ENOTDIR, folder.path() / "a" / "b", failure::path_not_found},
      {EACCES, folder.path() / "x", failure::path_file_access_error},
      {EROFS, folder.path() / "x", failure::path_file_access_error},
      {EISDIR, folder.path(), failure::path_file_access_error},
      {ENOSPC, folder.path() / "x", failure::disk_full},
      {EFBIG, folder.path() / "x", failure::disk_full},
      {EIO, folder.path() / "x", failure::device_io_error},
      {EMFILE, folder.path() / "x", failure::too_many_files},
      {0, folder.path() / "x", failure::none},
  };
  for (const Case& c : cases) EXPECT_EQ(file_failure(c.error_number, c.path), c.failure) << c.error_number;
}

// CR LF, CR and LF each end a line, an ending at the very end adds none; read through a buffer of any
// size, a CR LF split across two reads is still one ending and a line longer than the buffer is whole.
TEST(LineRule, TextAndStreamGiveTheSameLines) {
  const struct Case {
    std::string text;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"abc", {"abc"}},
      {"a\r\nb", {"a", "b"}},
      {"a\rb\n", {"a", "b"}},
      {"a\n\nb\r\n", {"a", "", "b"}},
      {"\r\n", {""}},
      {"\r\r\n\n", {"", "", ""}},
      {"a\r", {"a"}},
      {"long line\tof fields\r\nx", {"long line\tof fields", "x"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> whole;
    std::string_view line;
    for (std::size_t start = 0; next_line(c.text, start, line);) whole.emplace_back(line);
    EXPECT_EQ(whole, c.lines) << c.text;
    for (std::size_t buffer = 1; buffer <= 8; ++buffer) {
      std::istringstream in(c.text);
      LineReader reader(in, buffer);
      std::vector<std::string> streamed;
      while (reader.next(line)) streamed.emplace_back(line);
      EXPECT_EQ(streamed, c.lines) << c.text << " through a buffer of " << buffer;
    }
  }
  // A line longer than the reader takes ends the reading, however much more the stream holds: the
  // buffer never grows past it.
  std::istringstream in("short\n" + std::string(100, 'x') + "\nafter\n");
  LineReader reader(in, 8, 50);
  std::string_view line;
  ASSERT_TRUE(reader.next(line));
  EXPECT_EQ(line, "short");
  EXPECT_FALSE(reader.next(line));
  EXPECT_TRUE(reader.overlong());
  EXPECT_FALSE(reader.next(line));
}

}  // namespace
}  // namespace kolbex::shell
