// libFuzzer target: the .xlsx reader on any bytes must neither crash nor read out of bounds.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "entry/workbook_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto read = kolbex::entry::read_xlsx(std::string_view(reinterpret_cast<const char*>(data), size));
  if (read.failure == 0) {
    kolbex::entry::AnalysisTable table;
    kolbex::entry::place_workbook(read.cells, table);
  }
  return 0;
}
