#pragma once

#include <array>
#include <span>

namespace kolbex::entry {

// The data entry window's elements whose enabled state or visibility the file commands set.
enum class EntryElement {
  save_as_and_close,      // menu "Save As", "Close"
  row_commands,           // "Clear All", "Remove Row"
  insert_row,             // "Insert Row"
  edit_commands,          // "Cut", "Copy", "Paste", "Delete", "Select All"
  workbook_load_entries,  // "1997 - 2003 Files (.xls)", "2007 - Later (.xlsx)" under "Open Excel File"
  toolbar_save_close,     // the toolbar's Save and Close
  toolbar_edit,           // Cut, Copy, Paste, Delete, Select All
  toolbar_calculate,      // Calculate
  toolbar_workbook_load,  // the two Load Excel buttons
  table,                  // the analysis table (and its edit buffer): shown or hidden
  startup_panel,          // shown or hidden
};
inline constexpr int entry_element_count = 11;

// The window's two states are entered by these; `created` is the state the window opens in. Open File
// sets its states in two moments, before its file dialog and once a file is chosen (or the dialog
// cancelled).
enum class EntryCommand { created, new_file, open_file_before_dialog, open_file, close };

enum class Setting { keep, off, on };

// What a command sets for an element. Open File disables the workbook-load entries itself, and only
// when it reads a file; and the workbook-load buttons once more at its end, after a cancelled dialog
// has closed the data set.
Setting command_setting(EntryElement element, EntryCommand command);

// The data entry window's toolbar buttons, by their places on the toolbar (counted from 1, the
// separators included).
enum class EntryButton {
  new_file = 1,
  open_file = 2,
  save_as = 3,
  close = 4,
  exit = 5,
  cut = 7,
  copy = 8,
  paste = 9,
  delete_cells = 10,
  select_all = 11,
  calculate = 13,
  load_xls = 15,
  load_xlsx = 16,
  edit_xls = 17,
  edit_xlsx = 18,
  about = 20,
  help = 21,
  next_screen = 22,
};

// The toolbar buttons of an element; none for the menu entries, the table and the panel.
std::span<const EntryButton> element_buttons(EntryElement element);

}  // namespace kolbex::entry
