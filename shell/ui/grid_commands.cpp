#include "shell/ui/grid_commands.h"

#include "shell/failure.h"
#include "shell/ui/qt_text.h"

namespace kolbex::shell {

int copy_selected_block(const TextGrid& grid, Clipboard& clipboard) {
  const std::string clip = grid.read_clip_text();
  if (!clipboard.clear() || !clipboard.setText(qt_text(clip))) return failure::cannot_open_clipboard;
  return failure::none;
}

int cut_selected_block(TextGrid& grid, Clipboard& clipboard) {
  if (const int failure = copy_selected_block(grid, clipboard)) return failure;
  grid.clear_selected_block();
  return failure::none;
}

int paste_into_selected_block(TextGrid& grid, Clipboard& clipboard) {
  const std::optional<QString> text = clipboard.text();
  if (!text) return failure::cannot_open_clipboard;
  if (!text->isEmpty()) grid.write_clip_text(text->toStdString());
  return failure::none;
}

}  // namespace kolbex::shell
