#include "entry/command_states.h"

namespace kolbex::entry {
namespace {

struct ElementStates {
  EntryElement element;
  std::array<Setting, 5> by_command;  // created, New File, Open File (before its dialog, chosen), Close
};

constexpr Setting on = Setting::on, off = Setting::off, keep = Setting::keep;

// clang-format off
constexpr std::array<ElementStates, entry_element_count> command_states = {{
    //                                          created New File Open File      Close
    //                                                           before chosen
    {EntryElement::save_as_and_close,          {off,    on,      keep,  on,     off}},
    {EntryElement::row_commands,               {off,    on,      keep,  on,     off}},
    {EntryElement::insert_row,                 {off,    on,      on,    keep,   off}},
    {EntryElement::edit_commands,              {off,    on,      on,    keep,   off}},
    {EntryElement::workbook_load_entries,      {on,     keep,    keep,  keep,   on}},
    {EntryElement::toolbar_save_close,         {off,    on,      on,    keep,   off}},
    {EntryElement::toolbar_edit,               {off,    on,      on,    keep,   off}},
    {EntryElement::toolbar_calculate,          {on,     keep,    keep,  keep,   keep}},
    {EntryElement::toolbar_workbook_load,      {on,     keep,    keep,  off,    on}},
    {EntryElement::table,                      {off,    on,      keep,  on,     off}},
    {EntryElement::startup_panel,              {on,     off,     off,   keep,   on}},
}};
// clang-format on

constexpr bool rows_in_element_order() {
  for (int i = 0; i < entry_element_count; ++i)
    if (static_cast<int>(command_states[static_cast<std::size_t>(i)].element) != i) return false;
  return true;
}
static_assert(rows_in_element_order());

using B = EntryButton;
constexpr std::array save_close_buttons = {B::save_as, B::close};
constexpr std::array edit_buttons = {B::cut, B::copy, B::paste, B::delete_cells, B::select_all};
constexpr std::array calculate_buttons = {B::calculate};
constexpr std::array workbook_load_buttons = {B::load_xls, B::load_xlsx};

}  // namespace

Setting command_setting(EntryElement element, EntryCommand command) {
  return command_states[static_cast<std::size_t>(element)].by_command[static_cast<std::size_t>(command)];
}

std::span<const EntryButton> element_buttons(EntryElement element) {
  switch (element) {
    case EntryElement::toolbar_save_close: return save_close_buttons;
    case EntryElement::toolbar_edit: return edit_buttons;
    case EntryElement::toolbar_calculate: return calculate_buttons;
    case EntryElement::toolbar_workbook_load: return workbook_load_buttons;
    default: return {};
  }
}

}  // namespace kolbex::entry
