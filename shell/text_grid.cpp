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

}  // namespace kolbex::shell
