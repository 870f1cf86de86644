#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kolbex::results {

// The number formats of the results, always with "." as decimal point and "," between thousands,
// whatever the machine's locale. Each appends its text to `out`.

// "#,##0.000" (decimals = 3) and "#,##0.00" (decimals = 2): the exact binary value rounded half away
// from zero, integer digits grouped in threes, at least one digit before the point; a value that rounds
// to zero has no minus sign.
void append_grouped_fixed(std::string& out, double x, int decimals);

// "####": rounded half away from zero to a whole number, no grouping; a value that rounds to 0 gives
// the empty text, negatives keep their sign ("-13").
void append_whole(std::string& out, double x);

// General: 0 gives "0"; for 1e-4 <= |x| < 1e15 fixed notation with up to 15 significant digits and no
// trailing zeros ("0.5", "37.5"); otherwise scientific with up to 15 significant digits, "E", the
// exponent's sign and at least two digits ("1.5E-16", "1E+15"). The range test is made on the value
// itself, before rounding; a negative zero is written as zero.
void append_general(std::string& out, double x);

// The general form of the diagram data files: the digits of the general format without the 0 before the
// point ("0.5" becomes ".5"), preceded by a space when not negative and followed by a space:
// " .5 ", "-.25 ", " 100 ", " 0 ", " 1.5E-16 ".
void append_diagram_general(std::string& out, double x);

std::string grouped_fixed(double x, int decimals);
std::string whole(double x);
std::string general(double x);

// The number a formatted text spells, as the formats above write it: "." the decimal point, "," between
// thousands ignored, blanks around it ignored (" .5 " of the diagram files). Nothing for an empty text,
// any other text or a number that is not finite.
std::optional<double> formatted_number(std::string_view text);

}  // namespace kolbex::results
