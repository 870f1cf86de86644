#include "engine/text_encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace kolbex::engine {
namespace {

// Windows-1252 bytes 0x80 to 0x9F; the five unassigned ones map to the C1 controls, as Latin-1 does.
constexpr std::array<char16_t, 32> cp1252_high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Reads the code point that starts at s[i] of a valid UTF-8 text and moves i past it.
char32_t next_code_point(std::string_view s, std::size_t& i) {
  const auto b = static_cast<std::uint8_t>(s[i++]);
  if (b < 0x80) return b;
  const int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : 1;
  char32_t cp = b & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) cp = (cp << 6) | (static_cast<std::uint8_t>(s[i++]) & 0x3F);
  return cp;
}

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

void append_utf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

void remove_last_character(std::string& text) {
  if (text.empty()) return;
  std::size_t start = text.size() - 1;
  // Step back over continuation bytes to the first byte of the last character.
  while (start > 0 && (static_cast<std::uint8_t>(text[start]) & 0xC0) == 0x80 && text.size() - start < 4)
    --start;
  text.erase(start);
}

bool is_valid_utf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<std::uint8_t>(s[i]);
    int extra = 0;
    char32_t cp = 0;
    if (b < 0x80) {
      ++i;
      continue;
    }
    if (b >= 0xC2 && b <= 0xDF)
      extra = 1, cp = b & 0x1F;
    else if (b >= 0xE0 && b <= 0xEF)
      extra = 2, cp = b & 0x0F;
    else if (b >= 0xF0 && b <= 0xF4)
      extra = 3, cp = b & 0x07;
    else
      return false;
    if (i + static_cast<std::size_t>(extra) >= s.size()) return false;  // cut off at the end
    for (int k = 1; k <= extra; ++k) {
      const auto c = static_cast<std::uint8_t>(s[i + static_cast<std::size_t>(k)]);
      if ((c & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (c & 0x3F);
    }
    // Overlong forms, surrogates and values beyond U+10FFFF are not UTF-8.
    if ((extra == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
        (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)))
      return false;
    i += static_cast<std::size_t>(extra) + 1;
  }
  return true;
}

std::string to_utf8(std::string_view bytes) {
  if (is_valid_utf8(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char ch : bytes) {
    const auto b = static_cast<std::uint8_t>(ch);
    if (b < 0x80)
      out += ch;
    else if (b < 0xA0)
      append_utf8(out, cp1252_high[b - 0x80]);
    else
      append_utf8(out, b);
  }
  return out;
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

}  // namespace kolbex::engine
