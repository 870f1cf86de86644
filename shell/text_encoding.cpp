#include "shell/text_encoding.h"

#include "shell/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace kolbex::shell {
namespace {

using shell::append_utf8;
using shell::is_valid_utf8;
using shell::next_code_point;

// Windows-1252 bytes 0x80 to 0x9F; the five unassigned ones map to the C1 controls, as Latin-1 does.
constexpr std::array<char16_t, 32> cp1252_high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Appends a UTF-8 text as single-byte text, each character through `byte_of`. ASCII, and bytes that are
// not UTF-8 (single-byte text already), are kept as they are.
template <class ByteOf>
void append_single_byte(std::string& out, std::string_view utf8, ByteOf byte_of) {
  const bool ascii = std::all_of(utf8.begin(), utf8.end(), [](char ch) { return (ch & 0x80) == 0; });
  if (ascii || !is_valid_utf8(utf8)) {
    out += utf8;
    return;
  }
  for (std::size_t i = 0; i < utf8.size();) out += byte_of(next_code_point(utf8, i));
}

}  // namespace

std::string to_utf8(std::string_view bytes) {
  if (is_valid_utf8(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  append_windows_1252_as_utf8(out, bytes);
  return out;
}

void append_windows_1252_as_utf8(std::string& out, std::string_view bytes) {
  for (char ch : bytes) {
    const auto b = static_cast<std::uint8_t>(ch);
    if (b < 0x80)
      out += ch;
    else if (b < 0xA0)
      append_utf8(out, cp1252_high[b - 0x80]);
    else
      append_utf8(out, b);
  }
}

void append_windows_1252(std::string& out, std::string_view utf8) {
  append_single_byte(out, utf8, [](char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t k = 0; k < cp1252_high.size(); ++k)
      if (cp1252_high[k] == cp) return static_cast<char>(0x80 + k);
    return '?';
  });
}

std::string latin1_to_utf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) append_utf8(out, static_cast<std::uint8_t>(ch));
  return out;
}

void append_latin1(std::string& out, std::string_view utf8) {
  append_single_byte(out, utf8, [](char32_t cp) { return cp <= 0xFF ? static_cast<char>(cp) : '?'; });
}

}  // namespace kolbex::shell
