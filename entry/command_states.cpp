#include "entry/command_states.h"

namespace kolbex::entry {
namespace {

struct ElementStates {
  EntryElement element;
  std::array<Setting, 4> by_command;  // created, New File, Open File, Close
};

constexpr Setting on = Setting::on, off = Setting::off, keep = Setting::keep;

// clang-format off
constexpr std::array<ElementStates, entry_element_count> command_states = {{
    //                                          created New File Open File Close
    {EntryElement::save_as_and_close,          {off,    on,      on,       off}},
    {EntryElement::row_commands,               {off,    on,      on,       off}},
    {EntryElement::edit_commands,              {off,    on,      on,       off}},
    {EntryElement::workbook_load_entries,      {on,     keep,    keep,     on}},
    {EntryElement::toolbar_save_close,         {off,    on,      on,       off}},
    {EntryElement::toolbar_edit,               {off,    on,      on,       off}},
    {EntryElement::toolbar_calculate,          {on,     keep,    keep,     keep}},
    {EntryElement::toolbar_workbook_load,      {on,     keep,    off,      on}},
    {EntryElement::table,                      {off,    on,      on,       off}},
    {EntryElement::startup_panel,              {on,     off,     off,      on}},
}};
// clang-format on

constexpr bool rows_in_element_order() {
  for (int i = 0; i < entry_element_count; ++i)
    if (static_cast<int>(command_states[static_cast<std::size_t>(i)].element) != i) return false;
  return true;
}
static_assert(rows_in_element_order());

}  // namespace

Setting command_setting(EntryElement element, EntryCommand command) {
  return command_states[static_cast<std::size_t>(element)].by_command[static_cast<std::size_t>(command)];
}

}  // namespace kolbex::entry
