#pragma once

#include <string_view>

namespace kolbex::engine {

// The numeric reading of an analysis cell.
//
// Spaces, tabs and line feeds anywhere in the text are ignored. The value is the longest leading part
// of what remains that forms a number: an optional sign, digits with at most one "." as decimal point
// and an optional exponent ("E" or "D" in either case, optional sign, digits). A text starting with
// "&H" or "&O" (either case) is an unsigned hexadecimal or octal integer. Reading stops at the first
// character that cannot continue the number. A text with no leading number, an empty text and a number
// beyond the range of a double read 0. The decimal point is always "." whatever the locale, so "1,5"
// reads 1. Never fails.
double cell_value(std::string_view text);

}  // namespace kolbex::engine
