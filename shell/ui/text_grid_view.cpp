#include "shell/ui/text_grid_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

namespace kolbex::shell {

TextGridView::TextGridView(TextGridModel& model, QWidget* parent) : GridView(parent), model_(model) {
  setModel(&model_);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { takeGridSelection(); });
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { takeGridSelection(); });
  connect(&model_, &QAbstractItemModel::modelReset, this, [this] { showTableSelection(); });
  connect(&model_, &TextGridModel::selectionRestored, this, [this] { showTableSelection(); });
}

void TextGridView::takeGridSelection() {
  if (syncing_) return;
  const QModelIndex moved = selectionModel()->currentIndex();
  if (!moved.isValid()) return;
  // The corner opposite the moved one, within the selected range that holds it.
  QModelIndex anchor = moved;
  for (const QItemSelectionRange& range : selectionModel()->selection()) {
    if (!range.contains(moved)) continue;
    anchor = model_.index(moved.row() == range.top() ? range.bottom() : range.top(),
                          moved.column() == range.left() ? range.right() : range.left());
    break;
  }
  TextGrid& table = model_.grid();
  table.select_block({anchor.row() + 1, anchor.column() + 1}, {moved.row() + 1, moved.column() + 1});
}

void TextGridView::showTableSelection(bool from_origin) {
  const TextGrid& table = model_.grid();
  const CellPosition current = table.current(), end = table.selection_end();
  syncing_ = true;
  const bool auto_scroll = hasAutoScroll();
  if (from_origin) setAutoScroll(false);
  const bool in_grid = current.row >= 1 && current.column >= 1 && end.row >= 1 && end.column >= 1;
  if (in_grid) {
    const QModelIndex first = model_.indexOf(current), last = model_.indexOf(end);
    selectionModel()->setCurrentIndex(last, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(first, last), QItemSelectionModel::ClearAndSelect);
  } else {
    // A heading or row-number cell is current: the grid shows the part of the block inside it, if any.
    selectionModel()->clearCurrentIndex();
    const int top = std::max(1, std::min(current.row, end.row)), bottom = std::max(current.row, end.row);
    const int left = std::max(1, std::min(current.column, end.column)),
              right = std::max(current.column, end.column);
    if (top <= bottom && left <= right)
      selectionModel()->select(
          QItemSelection(model_.index(top - 1, left - 1), model_.index(bottom - 1, right - 1)),
          QItemSelectionModel::ClearAndSelect);
    else
      selectionModel()->clearSelection();
  }
  syncing_ = false;
  setAutoScroll(auto_scroll);
  if (from_origin) {
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
  } else if (current.row >= 1 && current.column >= 1) {
    scrollTo(model_.indexOf(current));
  }
}

void TextGridView::type(char32_t code) {
  const CellPosition before = model_.grid().current();
  TextGrid::Change change(model_.grid(), true);
  model_.typeCharacter(code);
  if (model_.grid().current() == before)
    model_.cellChanged(before);
  else
    showTableSelection();
}

void TextGridView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: type(13); return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: type(9); return;
    case Qt::Key_Backspace: type(8); return;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End: QTableView::keyPressEvent(event); return;
    default: break;
  }
  // With Ctrl a letter gives a control code, which changes no cell (the Ctrl shortcuts never get here).
  const Qt::KeyboardModifiers mods = event->modifiers();
  const bool control =
      ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)) || (mods & Qt::MetaModifier);
  const QString text = event->text();
  if (text.isEmpty() || control) {
    event->ignore();
    return;
  }
  for (char32_t code : text.toUcs4()) type(code);
}

// Taking the focus, a grid makes its first cell current when none is; the grid's current cell (a
// heading, say) stays what it is.
void TextGridView::focusInEvent(QFocusEvent* event) {
  syncing_ = true;
  QTableView::focusInEvent(event);
  syncing_ = false;
  showTableSelection();
}

void TextGridView::mousePressEvent(QMouseEvent* event) {
  // The grid's own selection handling first, but a right press keeps the selection for the menu. A
  // plain left press inside the selected block would leave the current cell where it was until the
  // release (the view waits to see whether a drag starts), so the edit buffer would take the old cell's
  // text and the click would write it into the pressed cell: the press itself makes the pressed cell
  // current and the only one selected. A drag then still selects from it.
  if (event->button() == Qt::LeftButton &&
      !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (pressed.isValid()) {
      // Without scrolling, as the view's own press does: the release must land on the same cell.
      const bool auto_scroll = hasAutoScroll();
      setAutoScroll(false);
      selectionModel()->setCurrentIndex(pressed, QItemSelectionModel::ClearAndSelect);
      setAutoScroll(auto_scroll);
    }
  }
  if (event->button() != Qt::RightButton) QTableView::mousePressEvent(event);
  const CellPosition current = model_.grid().current();
  edit_buffer_ = std::string(model_.grid().cell_text(current.row, current.column));
  if (event->button() == Qt::RightButton) emit popupRequested(event->globalPosition().toPoint());
}

void TextGridView::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton) return;
  // A click: the current cell takes the edit buffer's text (the text it was pressed with).
  const CellPosition current = model_.grid().current();
  if (model_.grid().cell_text(current.row, current.column) != edit_buffer_) {
    TextGrid::Change change(model_.grid());
    model_.grid().set_cell_text(current.row, current.column, edit_buffer_);
    model_.cellChanged(current);
  }
}

}  // namespace kolbex::shell
