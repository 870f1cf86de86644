#include "shell/line_reader.h"

#include <cstring>

namespace kolbex::shell {
namespace {

// The first CR or LF at or after `from` (find_first_of would search the two-character set once per byte).
std::size_t line_ending(std::string_view text, std::size_t from) {
  for (std::size_t i = from; i < text.size(); ++i)
    if (text[i] == '\n' || text[i] == '\r') return i;
  return std::string_view::npos;
}

}  // namespace

bool next_line(std::string_view text, std::size_t& start, std::string_view& line) {
  if (start >= text.size()) return false;
  const std::size_t ending = line_ending(text, start);
  if (ending == std::string_view::npos) {
    line = text.substr(start);
    start = text.size();
    return true;
  }
  line = text.substr(start, ending - start);
  start = ending + (text[ending] == '\r' && ending + 1 < text.size() && text[ending + 1] == '\n' ? 2 : 1);
  return true;
}

LineReader::LineReader(std::istream& in, std::size_t buffer_size, std::size_t longest_line)
    : in_(in), buffer_(buffer_size, '\0'), longest_line_(longest_line) {}

bool LineReader::fill() {
  if (at_end_) return false;
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);  // one line fills the whole buffer
  in_.read(buffer_.data() + end_, static_cast<std::streamsize>(buffer_.size() - end_));
  const auto got = static_cast<std::size_t>(in_.gcount());
  end_ += got;
  if (got == 0 || !in_) at_end_ = true;
  return got > 0;
}

bool LineReader::next(std::string_view& line) {
  while (!overlong_) {
    const std::string_view unread(buffer_.data() + begin_, end_ - begin_);
    const std::size_t ending = line_ending(unread, 0);
    if ((ending == std::string_view::npos ? unread.size() : ending) > longest_line_) {
      overlong_ = true;
      break;
    }
    // A line is complete at its ending, except a CR at the end of the bytes read so far, which may be the
    // first half of a CR LF; and at the end of the stream.
    const bool complete =
        ending != std::string_view::npos && (ending + 1 < unread.size() || unread[ending] == '\n');
    if (complete || (at_end_ && !unread.empty())) {
      std::size_t start = 0;
      next_line(unread, start, line);
      begin_ += start;
      return true;
    }
    if (!fill()) {
      if (begin_ == end_) return false;
    }
  }
  return false;
}

}  // namespace kolbex::shell
