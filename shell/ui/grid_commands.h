#pragma once

#include "shell/text_grid.h"
#include "shell/ui/desktop.h"
#include "shell/ui/error_report.h"
#include "shell/ui/text_grid_model.h"

namespace kolbex::shell {

// The clipboard commands both main windows share. Each gives the failure number it ends with: 0, or 521
// when the clipboard cannot be opened (then nothing else happens: Cut empties no cell).

// Copy: the clipboard is cleared, then holds the clip text of the selected block.
int copy_selected_block(const TextGrid& grid, Clipboard& clipboard);
// Cut: Copy, then the cells of the block are emptied.
int cut_selected_block(TextGrid& grid, Clipboard& clipboard);
// Paste: the clipboard's text, when there is one, fills the selected block from its top-left cell.
int paste_into_selected_block(TextGrid& grid, Clipboard& clipboard);

// The Cut, Copy, Paste and Delete commands of a window: on its grid through its model, with its clipboard,
// leaving their failure in the window's error report.
class GridEditing {
 public:
  GridEditing(TextGridModel& model, Clipboard& clipboard, ErrorReport& report)
      : model_(model), clipboard_(clipboard), report_(report) {}
  void copy() { report_.set(copy_selected_block(model_.grid(), clipboard_)); }
  void cut() {
    TextGrid::Change change(model_.grid());
    report_.set(cut_selected_block(model_.grid(), clipboard_));
    model_.tableChanged();
  }
  void paste() {
    TextGrid::Change change(model_.grid());
    report_.set(paste_into_selected_block(model_.grid(), clipboard_));
    model_.tableChanged();
  }
  void erase() {
    TextGrid::Change change(model_.grid());
    model_.grid().clear_selected_block();
    model_.tableChanged();
  }
  // Undo and Redo of the grid's last change, the selection put back where it was.
  bool undo() { return model_.undo(); }
  bool redo() { return model_.redo(); }

 private:
  TextGridModel& model_;
  Clipboard& clipboard_;
  ErrorReport& report_;
};

}  // namespace kolbex::shell
