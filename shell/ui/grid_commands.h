#pragma once

#include "shell/text_grid.h"
#include "shell/ui/desktop.h"

namespace kolbex::shell {

// The clipboard commands both main windows share. Each gives the failure number it ends with: 0, or 521
// when the clipboard cannot be opened (then nothing else happens: Cut empties no cell).

// Copy: the clipboard is cleared, then holds the clip text of the selected block.
int copy_selected_block(const TextGrid& grid, Clipboard& clipboard);
// Cut: Copy, then the cells of the block are emptied.
int cut_selected_block(TextGrid& grid, Clipboard& clipboard);
// Paste: the clipboard's text, when there is one, fills the selected block from its top-left cell.
int paste_into_selected_block(TextGrid& grid, Clipboard& clipboard);

}  // namespace kolbex::shell
