#pragma once

#include <cstdint>
#include <string_view>

namespace kolbex::entry {

// Little-endian integers of binary file formats (zip, Compound File, BIFF). Reading past the end gives all
// bits set, a value no well-formed field has, so callers' range checks refuse it.
inline std::uint32_t read_u32(std::string_view s, std::size_t at) {
  if (at > s.size() || s.size() - at < 4) return 0xFFFFFFFF;
  return static_cast<std::uint32_t>(static_cast<std::uint8_t>(s[at])) |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(s[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(s[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(s[at + 3])) << 24;
}

inline std::uint16_t read_u16(std::string_view s, std::size_t at) {
  if (at > s.size() || s.size() - at < 2) return 0xFFFF;
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(s[at]) | static_cast<std::uint8_t>(s[at + 1])
                                                                           << 8);
}

}  // namespace kolbex::entry
