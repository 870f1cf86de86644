#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kolbex::entry {

// A zip container read from memory, as .xlsx workbooks are: its central directory, and its members
// inflated one at a time with every offset, size and checksum checked against the file. Stored and
// deflated members only (what spreadsheet programs write); no ZIP64.
class ZipArchive {
 public:
  // No member may inflate beyond `limit` bytes, whatever its header says.
  explicit ZipArchive(std::string_view bytes, std::size_t limit);

  bool valid() const { return valid_; }
  bool contains(std::string_view name) const;
  // The member's content; nothing when it is missing, and then `error` tells when it is there but too
  // large or damaged.
  std::optional<std::string> read(std::string_view name, std::string& error) const;

 private:
  struct Entry {
    std::string name;
    std::uint16_t method;
    std::uint32_t crc, compressed, uncompressed, local_offset;
  };
  const Entry* find(std::string_view name) const;

  std::string_view bytes_;
  std::size_t limit_;
  std::vector<Entry> entries_;
  bool valid_ = false;
};

}  // namespace kolbex::entry
