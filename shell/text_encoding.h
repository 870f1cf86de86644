#pragma once

#include <string>
#include <string_view>

namespace kolbex::shell {

// Cell texts are held as UTF-8. Bytes read from a file that are valid UTF-8 are kept as they are;
// any other text is taken as Windows-1252, the single-byte encoding of data sets written on Windows,
// and converted. ASCII reads back unchanged either way.
std::string to_utf8(std::string_view bytes);
// Appends Windows-1252 bytes as UTF-8, whatever they hold: for a text read in pieces, once the whole is
// known not to be UTF-8.
void append_windows_1252_as_utf8(std::string& out, std::string_view bytes);

// Appends the single-byte Windows-1252 form of a UTF-8 text, one byte per character, for files that other
// programs read as single-byte text. A character Windows-1252 cannot hold becomes "?"; bytes that are not
// UTF-8 are taken to be single-byte text already and kept.
void append_windows_1252(std::string& out, std::string_view utf8);

// Latin-1 (ISO 8859-1), the single-byte text of data set files: every byte is the character of the same
// number, so any file reads in and writes back byte for byte. Writing, a character beyond U+00FF becomes
// "?"; bytes that are not UTF-8 are kept as they are.
std::string latin1_to_utf8(std::string_view bytes);
void append_latin1(std::string& out, std::string_view utf8);

}  // namespace kolbex::shell
