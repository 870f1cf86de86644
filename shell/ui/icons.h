#pragma once

#include <QIcon>

namespace kolbex::shell {

// Toolbar pictures: the style's own where it has one, drawn here where it has none.
enum class Icon {
  new_file,
  open_file,
  save,
  close,
  exit,
  cut,
  copy,
  paste,
  delete_cells,
  select_all,
  calculate,
  load_workbook,
  edit_workbook,
  send_workbook,
  open_workbook,
  plot,
  about,
  help,
  next_screen,
  previous_screen,
};

QIcon icon(Icon which);

}  // namespace kolbex::shell
