#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

namespace kolbex::shell {

// The line rule of pasted and tab-separated text: CR LF, CR and LF each end a line; a last line without an
// ending counts, an ending at the very end adds none. Gives the line of `text` that starts at `start` and
// moves `start` past its ending; false when no line starts there.
bool next_line(std::string_view text, std::size_t& start, std::string_view& line);

// The lines of a stream by the same rule, read through a buffer of fixed size that grows only for a line
// longer than itself, and never for one longer than `longest_line`: a file of any length, a device
// without end included, is read in bounded memory.
class LineReader {
 public:
  explicit LineReader(std::istream& in, std::size_t buffer_size = 1 << 16,
                      std::size_t longest_line = std::size_t{16} * 1024 * 1024);
  // The next line, valid until the next call; false at the end of the stream, or at a line longer than
  // `longest_line` (then `overlong`).
  bool next(std::string_view& line);
  bool overlong() const { return overlong_; }

 private:
  bool fill();  // moves the unread bytes to the front and reads more; false when nothing more came

  std::istream& in_;
  std::string buffer_;
  std::size_t begin_ = 0, end_ = 0;  // the unread bytes
  std::size_t longest_line_;
  bool at_end_ = false, overlong_ = false;
};

}  // namespace kolbex::shell
