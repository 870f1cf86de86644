// libFuzzer target: the numeric reading of any cell text.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/cell_value.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  volatile double x = kolbex::engine::cell_value(std::string_view(reinterpret_cast<const char*>(data), size));
  (void)x;
  return 0;
}
