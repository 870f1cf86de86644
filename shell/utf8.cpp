#include "shell/utf8.h"

#include <cstdint>

namespace kolbex::shell {

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

char32_t next_code_point(std::string_view s, std::size_t& i) {
  const auto b = static_cast<std::uint8_t>(s[i++]);
  if (b < 0x80) return b;
  const int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : 1;
  char32_t cp = b & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) cp = (cp << 6) | (static_cast<std::uint8_t>(s[i++]) & 0x3F);
  return cp;
}

}  // namespace kolbex::shell
