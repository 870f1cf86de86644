#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

#include "entry/analysis_table.h"

namespace kolbex::entry {

// A data set file (".gsg") holds one record: a double quote, the clip text of the table's block rows 1
// to R-1, columns 1 to 64, a double quote, CR LF. One byte per character, Latin-1: a character beyond
// U+00FF is written as "?", and every file the program writes reads back byte for byte. There is no
// header, no version mark and no count.
//
// The format has no escape for a double quote: a reader stops at the first one. So that a file always
// reads back whole, the writer stores each double quote of a cell as an apostrophe.

// The data set file of the table's block (1, 1) to (R-1, C-1), which becomes the selected block.
std::string data_set_text(AnalysisTable& table);

// The clip text of a data set file's bytes. Leading spaces are skipped; after an opening quote the
// record runs to the next quote (to the end of the file when there is none) and anything after the
// closing quote is ignored; a file without the opening quote gives its text up to the first comma, CR
// or LF. Bytes are read as Latin-1.
std::string data_set_record(std::string_view bytes);

// Selects the block (1, 1) to (R-1, C-1) and places the record of a data set file's bytes into it by
// the clip-text rule: lines beyond the block are dropped, cells the record does not reach keep their
// text. A file holding nothing but spaces places nothing. The block stays selected.
void place_data_set(AnalysisTable& table, std::string_view bytes);

// write_data_set and read_data_set for a stream or a file; false with the reason in `error` (and for a
// file the system's error number in `os_error` when given). A file is replaced only once the whole data
// set has been written (see write_file_replacing).
bool write_data_set(AnalysisTable& table, std::ostream& out, std::string& error);
bool write_data_set(AnalysisTable& table, const std::filesystem::path& path, std::string& error,
                    int* os_error = nullptr);
bool read_data_set(AnalysisTable& table, std::istream& in, std::string& error);
bool read_data_set(AnalysisTable& table, const std::filesystem::path& path, std::string& error,
                   int* os_error = nullptr);

// Open File's read: the data set file into an emptied analysis area, laid out as New File leaves it, so
// that no row of an earlier data set stays below a shorter file. A file that cannot be read leaves every
// cell as it was; either way the block (1, 1) to (R-1, C-1) is selected.
bool open_data_set(AnalysisTable& table, const std::filesystem::path& path, std::string& error,
                   int* os_error = nullptr);

}  // namespace kolbex::entry
