#pragma once

#include <string>
#include <string_view>

namespace kolbex::entry {

// Cell texts are held as UTF-8. Bytes read from a file that are valid UTF-8 are kept as they are;
// any other text is taken as Windows-1252, the single-byte encoding of data sets written on Windows,
// and converted. ASCII reads back unchanged either way.
bool is_valid_utf8(std::string_view bytes);
std::string to_utf8(std::string_view bytes);

}  // namespace kolbex::entry
