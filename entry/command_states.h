#pragma once

#include <array>

namespace kolbex::entry {

// The data entry window's elements whose enabled state or visibility the file commands set.
enum class EntryElement {
  save_as_and_close,      // menu "Save As", "Close"
  row_commands,           // "Clear All", "Remove Row", "Insert Row"
  edit_commands,          // "Cut", "Copy", "Paste", "Delete", "Select All"
  workbook_load_entries,  // "1997 - 2003 Files (.xls)", "2007 - Later (.xlsx)" under "Open Excel File"
  toolbar_save_close,     // toolbar 3, 4
  toolbar_edit,           // toolbar 7 to 11
  toolbar_calculate,      // toolbar 13
  toolbar_workbook_load,  // toolbar 15, 16
  table,                  // the analysis table (and its edit buffer): shown or hidden
  startup_panel,          // shown or hidden
};
inline constexpr int entry_element_count = 10;

// The window's two states are entered by these; `created` is the state the window opens in.
enum class EntryCommand { created, new_file, open_file, close };

enum class Setting { keep, off, on };

// What a command sets for an element. Open File disables the workbook-load entries itself, and only
// when it reads a file.
Setting command_setting(EntryElement element, EntryCommand command);

}  // namespace kolbex::entry
