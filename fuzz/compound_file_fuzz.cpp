// libFuzzer target: the Compound File reader behind the .xls shown-sheet lookup.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "entry/compound_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  (void)kolbex::entry::xls_active_tab(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
