#include "shell/text_grid.h"

#include <algorithm>

#include "shell/utf8.h"

namespace kolbex::shell {
namespace {

bool is_typed_character(char32_t code) {
  return code >= 32 && !(code >= 0x7F && code <= 0x9F) && !(code >= 0xD800 && code <= 0xDFFF) &&
         code <= 0x10FFFF;
}

}  // namespace

TextGrid::Block TextGrid::selected_block() const {
  return {std::min(current_.row, selection_end_.row), std::min(current_.column, selection_end_.column),
          std::max(current_.row, selection_end_.row), std::max(current_.column, selection_end_.column)};
}

std::string TextGrid::read_clip_text() const {
  const auto [top, left, bottom, right] = selected_block();
  std::string clip;
  for (int r = top; r <= bottom; ++r) {
    if (r != top) clip += '\r';
    for (int c = left; c <= right; ++c) {
      if (c != left) clip += '\t';
      clip += cell_text(r, c);
    }
  }
  return clip;
}

void TextGrid::write_clip_text(std::string_view clip) {
  const auto [top, left, bottom, right] = selected_block();
  int r = top, c = left;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= clip.size(); ++i) {
    const bool end = i == clip.size();
    const char ch = end ? '\0' : clip[i];
    if (!end && ch != '\t' && ch != '\r' && ch != '\n') continue;
    if (r <= bottom && c <= right) set_cell_text(r, c, std::string(clip.substr(start, i - start)));
    if (end) break;
    if (ch == '\t') {
      ++c;
    } else {
      if (ch == '\r' && i + 1 < clip.size() && clip[i + 1] == '\n') ++i;  // CR LF ends one row
      ++r;
      c = left;
      if (r > bottom) break;  // the rest lies below the block
    }
    start = i + 1;
  }
}

void TextGrid::clear_selected_block() {
  const auto [top, left, bottom, right] = selected_block();
  for (int r = std::max(top, 0); r <= bottom && r < R(); ++r)
    for (int c = std::max(left, 0); c <= right && c < C(); ++c)
      if (!cell_text(r, c).empty()) set_cell_text(r, c, {});
}

void TextGrid::edit_current_cell(char32_t code) {
  const CellPosition p = current_;
  if (p.row < 0 || p.row >= R() || p.column < 0 || p.column >= C()) return;
  if (code == 8) {
    std::string text(cell_text(p.row, p.column));
    if (text.empty()) return;
    remove_last_character(text);
    set_cell_text(p.row, p.column, std::move(text));
  } else if (is_typed_character(code)) {
    std::string text(cell_text(p.row, p.column));
    append_utf8(text, code);
    set_cell_text(p.row, p.column, std::move(text));
  }
}

namespace {

// Enough for an afternoon's editing; the oldest steps go first.
constexpr std::size_t undo_limit = 200;

std::uint64_t cell_key(int row, int column) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(row)) << 32) |
         static_cast<std::uint32_t>(column);
}

}  // namespace

GridContents TextGrid::contents() const {
  GridContents all;
  all.rows = R();
  all.columns = C();
  all.ends.reserve(static_cast<std::size_t>(all.rows) * static_cast<std::size_t>(all.columns));
  for (int r = 0; r < all.rows; ++r)
    for (int c = 0; c < all.columns; ++c) {
      all.texts += cell_text(r, c);
      all.ends.push_back(static_cast<std::uint32_t>(all.texts.size()));
    }
  return all;
}

void TextGrid::begin_change(bool typing) {
  if (change_depth_++ > 0) return;
  open_ = Step();
  open_->typing = typing;
  open_->current_before = current_;
  open_->end_before = selection_end_;
}

void TextGrid::cell_changing(int row, int column) {
  if (!open_ || open_->before) return;  // a whole-grid step already holds the cell
  if (row < 0 || row >= R() || column < 0 || column >= C()) return;
  const auto [place, added] = open_cells_.try_emplace(cell_key(row, column), open_->cells.size());
  if (added) open_->cells.push_back({row, column, std::string(cell_text(row, column)), {}});
}

void TextGrid::shape_changing() {
  if (!open_ || open_->before) return;
  // The grid as it was when the step began: its texts now, with the cells already changed in this step
  // put back.
  GridContents before = contents();
  if (!open_->cells.empty()) {
    GridContents patched;
    patched.rows = before.rows;
    patched.columns = before.columns;
    patched.ends.reserve(before.ends.size());
    for (std::size_t i = 0; i < before.ends.size(); ++i) {
      const int r = static_cast<int>(i / static_cast<std::size_t>(before.columns));
      const int c = static_cast<int>(i % static_cast<std::size_t>(before.columns));
      const auto edit = open_cells_.find(cell_key(r, c));
      patched.texts += edit == open_cells_.end() ? before.text(i) : open_->cells[edit->second].before;
      patched.ends.push_back(static_cast<std::uint32_t>(patched.texts.size()));
    }
    before = std::move(patched);
  }
  open_->before = std::move(before);
  open_->cells.clear();
  open_cells_.clear();
}

void TextGrid::end_change() {
  if (change_depth_ == 0 || --change_depth_ > 0) return;
  Step step = std::move(*open_);
  open_.reset();
  open_cells_.clear();
  step.current_after = current_;
  step.end_after = selection_end_;
  if (step.before) {
    step.after = contents();
    if (*step.after == *step.before) return;
  } else {
    std::erase_if(step.cells, [this](CellEdit& edit) {
      edit.after = std::string(cell_text(edit.row, edit.column));
      return edit.after == edit.before;
    });
    if (step.cells.empty()) return;
  }
  step.id = next_id_++;
  redo_.clear();
  if (step.typing && step.cells.size() == 1 && !undo_.empty()) {
    Step& last = undo_.back();
    if (last.typing && last.cells.size() == 1 && last.cells[0].row == step.cells[0].row &&
        last.cells[0].column == step.cells[0].column && last.cells[0].after == step.cells[0].before) {
      last.cells[0].after = std::move(step.cells[0].after);
      last.current_after = step.current_after;
      last.end_after = step.end_after;
      last.id = step.id;
      return;
    }
  }
  undo_.push_back(std::move(step));
  if (undo_.size() > undo_limit) {
    oldest_dropped_ = undo_.front().id;
    undo_.erase(undo_.begin());
  }
}

void TextGrid::apply(const Step& step, bool forward) {
  if (step.before) {
    restore(forward ? *step.after : *step.before);
  } else {
    for (const CellEdit& edit : step.cells)
      set_cell_text(edit.row, edit.column, forward ? edit.after : edit.before);
  }
  current_ = forward ? step.current_after : step.current_before;
  selection_end_ = forward ? step.end_after : step.end_before;
}

// Undo takes the last step off the undo list and goes back before it; Redo the reverse.
bool TextGrid::move_step(std::vector<Step>& from, std::vector<Step>& to, bool forward) {
  if (open_ || from.empty()) return false;
  Step step = std::move(from.back());
  from.pop_back();
  apply(step, forward);
  to.push_back(std::move(step));
  return true;
}

bool TextGrid::undo() { return move_step(undo_, redo_, false); }
bool TextGrid::redo() { return move_step(redo_, undo_, true); }

}  // namespace kolbex::shell
