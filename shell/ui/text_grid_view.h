#pragma once

#include <QPoint>

#include <string>

#include "shell/ui/grid_view.h"
#include "shell/ui/text_grid_model.h"

namespace kolbex::shell {

// A text grid as an editor without a cell editor: keys reach the grid by its rules (typing appends,
// Backspace removes the last character, Enter and Tab move on by the grid's own rule) and the grid's
// current cell and selection end are the view's. The current cell is the corner a selection started
// from, the selection end the corner that moved (with the mouse or Shift and the arrow keys).
class TextGridView : public GridView {
  Q_OBJECT
 public:
  TextGridView(TextGridModel& model, QWidget* parent = nullptr);

  // Shows the grid's current cell and selected block (after a command set them), scrolled to the current
  // cell, or with `from_origin` to the top left, where a whole-table selection is best seen.
  void showTableSelection(bool from_origin = false);
  // The hidden edit buffer: the text of the cell last pressed.
  const std::string& editBuffer() const { return edit_buffer_; }

 signals:
  // A right button press: the window opens its "Edit" menu there (global position).
  void popupRequested(QPoint global_position);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  void takeGridSelection();
  void type(char32_t code);

  TextGridModel& model_;
  std::string edit_buffer_;
  bool syncing_ = false;
};

}  // namespace kolbex::shell
