#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kolbex::entry {

// The stream of a Compound File (OLE2, the container of .xls workbooks) with the given name ("Workbook"
// for BIFF8, "Book" for BIFF5), read with every sector index, chain and size checked against the file;
// nothing when there is none or the container is damaged.
std::optional<std::string> compound_file_stream(std::string_view file, std::u16string_view name);

// The sheet that was shown when a .xls workbook was saved: the active-tab field of the first WINDOW1
// record (0x003D) of the workbook globals, 0-based in the order of the sheets. Nothing when the file
// does not tell.
std::optional<int> xls_active_tab(std::string_view file);

}  // namespace kolbex::entry
