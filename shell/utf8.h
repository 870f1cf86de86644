#pragma once

#include <string>
#include <string_view>

namespace kolbex::shell {

// UTF-8, the encoding of every text the program holds.
bool is_valid_utf8(std::string_view bytes);
// Appends the UTF-8 form of a Unicode code point.
void append_utf8(std::string& out, char32_t code_point);
// Removes the last character of a UTF-8 text (all its bytes); an empty text stays empty.
void remove_last_character(std::string& text);
// Reads the code point that starts at s[i] of a valid UTF-8 text and moves i past it.
char32_t next_code_point(std::string_view s, std::size_t& i);

}  // namespace kolbex::shell
