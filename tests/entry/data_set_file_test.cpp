#include "entry/data_set_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <sys/stat.h>

#include "shell/file_io.h"
#include "tests/support/temp_folder.h"

namespace kolbex::entry {

using shell::read_file_bytes;
using shell::write_file_replacing;
namespace {

std::string written(AnalysisTable& t) {
  std::ostringstream out;
  std::string error;
  EXPECT_TRUE(write_data_set(t, out, error)) << error;
  return out.str();
}

void read(AnalysisTable& t, const std::string& bytes) {
  std::istringstream in(bytes);
  std::string error;
  EXPECT_TRUE(read_data_set(t, in, error)) << error;
}

TEST(DataSetFile, EmptyTableIsQuotedTabsAndCarriageReturns) {
  AnalysisTable t;
  const std::string file = written(t);
  EXPECT_EQ(file.size(), 300u * 63 + 299 + 4);
  EXPECT_EQ(file.front(), '"');
  EXPECT_EQ(file.substr(file.size() - 3), "\"\r\n");
  EXPECT_EQ(file.substr(1, 64), std::string(63, '\t') + '\r');
  // The whole analysis block is the selected block afterwards.
  EXPECT_EQ(t.current(), (CellPosition{1, 1}));
  EXPECT_EQ(t.selection_end(), (CellPosition{300, 64}));
  AnalysisTable back;
  read(back, file);
  for (int r = 1; r <= 300; ++r)
    for (int c = 1; c <= 64; ++c) ASSERT_EQ(back.text(r, c), "");
}

TEST(DataSetFile, RowsAndCellsFollowTheSeparators) {
  AnalysisTable t;
  t.set_text(1, 1, "S1");
  t.set_text(1, 2, "40.1");
  const std::string file = written(t);
  EXPECT_EQ(file.substr(0, 71), "\"S1\t40.1" + std::string(62, '\t') + '\r');
}

TEST(DataSetFile, RoundTripKeepsEveryText) {
  AnalysisTable t;
  t.set_text(1, 1, "Grt 1 core");
  t.set_text(1, 2, "37.50");
  t.set_text(2, 32, "True");
  t.set_text(300, 64, "1.2");
  t.set_text(3, 1, "Äkäslompolo µ-probe");
  AnalysisTable back;
  read(back, written(t));
  for (int r = 1; r <= 300; ++r)
    for (int c = 1; c <= 64; ++c) ASSERT_EQ(back.text(r, c), t.text(r, c)) << r << ", " << c;
}

// The format cannot hold a double quote: one would end the record and lose every cell after it.
TEST(DataSetFile, DoubleQuotesAreWrittenAsApostrophes) {
  AnalysisTable t;
  t.set_text(1, 1, "grain \"A\"");
  t.set_text(300, 64, "last");
  AnalysisTable back;
  read(back, written(t));
  EXPECT_EQ(back.text(1, 1), "grain 'A'");
  EXPECT_EQ(back.text(300, 64), "last");
}

// One byte per character in Latin-1: what Latin-1 holds is written as its byte, anything else as "?",
// and the bytes of any file read back and written again unchanged.
TEST(DataSetFile, TextIsLatin1OneBytePerCharacter) {
  AnalysisTable t;
  t.set_text(1, 1, "Grün µm");
  t.set_text(1, 2, "α-Fe €");
  const std::string file = written(t);
  EXPECT_EQ(file.substr(0, 16), "\"Gr\xfcn \xb5m\t?-Fe ?\t");

  std::string all_bytes = "\"";
  for (int b = 1; b < 256; ++b)
    if (b != '"' && b != '\t' && b != '\r' && b != '\n') all_bytes += static_cast<char>(b);
  all_bytes += std::string(63, '\t') + '\r';
  AnalysisTable u;
  read(u, all_bytes + std::string(298, '\r') + std::string(63 * 298, '\t') + "\"\r\n");
  std::string again = written(u);
  EXPECT_EQ(again.substr(0, all_bytes.size()), all_bytes);
}

TEST(DataSetFile, ReadsRecordsNotWrittenByKolbex) {
  struct Case {
    const char* what;
    std::string bytes;
    std::vector<std::tuple<int, int, std::string>> cells;
  };
  const Case cases[] = {
      {"leading spaces", "   \"a\tb\"\r\n", {{1, 1, "a"}, {1, 2, "b"}, {1, 3, "kept"}}},
      {"text after the closing quote", "\"a\"ignored\"b\"", {{1, 1, "a"}, {1, 2, "kept"}}},
      {"no closing quote", "\"a\tb\rc", {{1, 1, "a"}, {1, 2, "b"}, {2, 1, "c"}}},
      {"no opening quote: up to the first comma", "x\ty,z\tw", {{1, 1, "x"}, {1, 2, "y"}, {1, 3, "kept"}}},
      {"no opening quote: up to the first line end", "x\ty\r\nz", {{1, 1, "x"}, {1, 2, "y"}, {2, 1, "kept"}}},
      {"an empty file places nothing", "", {{1, 1, "kept"}}},
      {"Latin-1 text", "\"Gr\xfcn \xb5m\x80\"", {{1, 1, "Grün µm\u0080"}}},
      {"only a quote", "\"", {{1, 1, ""}, {1, 2, "kept"}}},
      {"NUL bytes are characters",
       std::string("\"a\0b\tc\"", 7),
       {{1, 1, std::string("a\0b", 3)}, {1, 2, "c"}}},
      {"a line longer than 64 cells", "\"" + std::string(70, '\t') + "x\"", {{1, 64, ""}, {2, 1, "kept"}}},
      {"more lines than the table", "\"" + std::string(305, '\r') + "\"", {{300, 1, ""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AnalysisTable t;
    t.set_text(1, 1, "kept");
    t.set_text(1, 2, "kept");
    t.set_text(1, 3, "kept");
    t.set_text(2, 1, "kept");
    t.set_text(300, 1, "kept");
    read(t, c.bytes);
    for (const auto& [r, col, text] : c.cells) EXPECT_EQ(t.text(r, col), text) << r << ", " << col;
  }
}

// Ten megabytes of TABs on one line: the first 64 cells are emptied, the rest is dropped.
TEST(DataSetFile, HugeLineIsCutAtTheTableEdge) {
  AnalysisTable t;
  t.set_text(1, 64, "x");
  t.set_text(2, 1, "kept");
  read(t, "\"" + std::string(10 * 1024 * 1024, '\t') + "\"");
  EXPECT_EQ(t.text(1, 64), "");
  EXPECT_EQ(t.text(2, 1), "kept");
  EXPECT_EQ(t.R(), 301);
}

TEST(DataSetFile, AnyBytesReadWithoutACrash) {
  std::string bytes;
  for (int i = 0; i < 4096; ++i) bytes += static_cast<char>((i * 7919) % 256);
  for (const std::string& b : {bytes, "\"" + bytes, std::string("\"\xc3")}) {
    AnalysisTable t;
    read(t, b);
    EXPECT_EQ(t.R(), 301);
  }
}

class DataSetFileOnDisk : public testing::Test {
 protected:
  test::TempFolder temp_{"kolbex-data-set"};
  const std::filesystem::path folder_ = temp_.path();
};

TEST_F(DataSetFileOnDisk, WritesReplacesAndReadsBack) {
  const auto path = folder_ / "garnets";  // a name without extension is used as typed
  AnalysisTable t;
  t.set_text(1, 1, "first");
  std::string error;
  ASSERT_TRUE(write_data_set(t, path, error)) << error;
  t.set_text(1, 1, "second");
  ASSERT_TRUE(write_data_set(t, path, error)) << error;
  AnalysisTable back;
  ASSERT_TRUE(read_data_set(back, path, error)) << error;
  EXPECT_EQ(back.text(1, 1), "second");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1)
      << "no temporary file is left";
}

TEST_F(DataSetFileOnDisk, FailuresAreReportedAndLeaveTheOldFile) {
  std::string error;
  AnalysisTable t;
  EXPECT_FALSE(read_data_set(t, folder_ / "missing.gsg", error));
  EXPECT_NE(error.find("missing.gsg"), std::string::npos);
  EXPECT_FALSE(write_data_set(t, folder_ / "no-such-folder" / "x.gsg", error));
  // A folder in the way of the file: the write fails and the folder is untouched.
  std::filesystem::create_directory(folder_ / "taken.gsg");
  EXPECT_FALSE(write_data_set(t, folder_ / "taken.gsg", error));
  EXPECT_TRUE(std::filesystem::is_directory(folder_ / "taken.gsg"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);
}

// A link is followed: the file it names gets the new content and the link stays a link. A pipe is
// written into, never replaced by a regular file.
TEST_F(DataSetFileOnDisk, WritesThroughLinksAndIntoPipes) {
  std::string error;
  std::filesystem::create_symlink("target.gsg", folder_ / "link.gsg");
  ASSERT_TRUE(write_file_replacing(folder_ / "link.gsg", "new", error)) << error;
  EXPECT_TRUE(std::filesystem::is_symlink(folder_ / "link.gsg"));
  std::string bytes;
  ASSERT_TRUE(read_file_bytes(folder_ / "target.gsg", bytes, error)) << error;
  EXPECT_EQ(bytes, "new");

  const auto fifo = folder_ / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] {
    std::string e;
    read_file_bytes(fifo, received, e);
  });
  EXPECT_TRUE(write_file_replacing(fifo, "through the pipe", error)) << error;
  reader.join();
  EXPECT_EQ(received, "through the pipe");
  EXPECT_EQ(std::filesystem::status(fifo).type(), std::filesystem::file_type::fifo);
}

// A device that never ends is refused at the limit instead of filling the memory.
TEST(DataSetFile, EndlessDeviceIsRefused) {
  AnalysisTable t;
  std::string error;
  int os_error = 0;
  EXPECT_FALSE(read_data_set(t, std::filesystem::path("/dev/zero"), error, &os_error));
  EXPECT_EQ(os_error, ENOMEM);  // reported as "Out of memory"
  EXPECT_NE(error.find("256 MiB"), std::string::npos);
}

}  // namespace

// Open File empties the analysis area before it places a file: a shorter data set leaves no row of the
// one before it, and a file that cannot be read leaves the table as it was.
TEST(DataSetFile, OpenFilePlacesTheDataSetIntoAnEmptiedTable) {
  test::TempFolder folder("kolbex-open");
  AnalysisTable t;
  for (int r = 1; r <= 5; ++r) t.set_text(r, 1, "old " + std::to_string(r));
  t.set_text(300, 64, "12");
  std::string error;
  const auto shorter = folder.path() / "two.gsg";
  ASSERT_TRUE(write_file_replacing(shorter, "\"new 1\t40\rnew 2\t41\"\r\n", error)) << error;
  ASSERT_TRUE(open_data_set(t, shorter, error)) << error;
  EXPECT_EQ(t.text(1, 1), "new 1");
  EXPECT_EQ(t.text(2, 2), "41");
  for (int r = 3; r <= 5; ++r) EXPECT_EQ(t.text(r, 1), "") << r;
  EXPECT_EQ(t.text(300, 64), "");
  EXPECT_EQ(t.text(3, 0), "3");
  EXPECT_EQ(t.R(), 301);

  t.set_text(4, 1, "typed");
  int os_error = 0;
  EXPECT_FALSE(open_data_set(t, folder.path() / "missing.gsg", error, &os_error));
  EXPECT_EQ(os_error, ENOENT);
  EXPECT_EQ(t.text(1, 1), "new 1");
  EXPECT_EQ(t.text(4, 1), "typed");
}

}  // namespace kolbex::entry
