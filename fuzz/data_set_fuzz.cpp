// libFuzzer target: reading a data set file of any bytes, then writing it back. The table has a dozen
// analysis rows rather than 300: reading and writing go through the same code whatever its size, and the
// 20,000 cells of a full table made each input cost milliseconds under the sanitizers.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "entry/data_set_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kolbex::entry::AnalysisTable table(12);
  kolbex::entry::place_data_set(table, std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string text = kolbex::entry::data_set_text(table);
  return text.empty() ? 1 : 0;
}
