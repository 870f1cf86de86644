#include "entry/compound_file.h"

#include "entry/little_endian.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

namespace kolbex::entry {
namespace {

constexpr std::uint32_t end_of_chain = 0xFFFFFFFE;
constexpr std::uint32_t max_regular_sector = 0xFFFFFFFA;
constexpr std::string_view signature = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

// The sectors of a chain, each visited once, all inside `count`; nothing when the chain is broken.
std::optional<std::vector<std::uint32_t>> chain(const std::vector<std::uint32_t>& table, std::uint32_t start,
                                                std::size_t count) {
  std::vector<std::uint32_t> sectors;
  std::vector<bool> seen(count, false);
  for (std::uint32_t s = start; s != end_of_chain;) {
    if (s > max_regular_sector || s >= count || s >= table.size() || seen[s]) return std::nullopt;
    seen[s] = true;
    sectors.push_back(s);
    s = table[s];
  }
  return sectors;
}

class CompoundFile {
 public:
  explicit CompoundFile(std::string_view file) : file_(file) {}

  bool read_header() {
    if (file_.size() < 512 || file_.substr(0, 8) != signature) return false;
    const std::uint16_t sector_shift = read_u16(file_, 30), mini_shift = read_u16(file_, 32);
    if (sector_shift != 9 && sector_shift != 12) return false;
    if (mini_shift != 6) return false;
    sector_size_ = std::size_t{1} << sector_shift;
    sectors_ = (file_.size() - 512 + sector_size_ - 1) / sector_size_;
    const std::uint32_t fat_sectors = read_u32(file_, 44);
    directory_start_ = read_u32(file_, 48);
    mini_cutoff_ = read_u32(file_, 56);
    mini_fat_start_ = read_u32(file_, 60);
    std::uint32_t difat_next = read_u32(file_, 68);
    const std::uint32_t difat_count = read_u32(file_, 72);
    if (fat_sectors > sectors_ || difat_count > sectors_) return false;
    // The FAT sectors: 109 in the header, the rest in the DIFAT chain.
    std::vector<std::uint32_t> fat_list;
    for (std::size_t i = 0; i < 109 && fat_list.size() < fat_sectors; ++i)
      fat_list.push_back(read_u32(file_, 76 + 4 * i));
    std::vector<bool> seen(sectors_, false);
    for (std::uint32_t d = 0; d < difat_count && fat_list.size() < fat_sectors; ++d) {
      if (difat_next >= sectors_ || seen[difat_next]) return false;
      seen[difat_next] = true;
      const std::size_t base = offset(difat_next);
      for (std::size_t i = 0; i + 1 < sector_size_ / 4 && fat_list.size() < fat_sectors; ++i)
        fat_list.push_back(read_u32(file_, base + 4 * i));
      difat_next = read_u32(file_, base + sector_size_ - 4);
    }
    for (std::uint32_t s : fat_list) {
      if (s >= sectors_) return false;
      const std::size_t base = offset(s);
      for (std::size_t i = 0; i < sector_size_ / 4; ++i) fat_.push_back(read_u32(file_, base + 4 * i));
    }
    return true;
  }

  std::optional<std::string> stream(std::u16string_view name) {
    const auto directory = read_chain(fat_, directory_start_, sector_size_, sectors_, regular_sectors());
    if (!directory) return std::nullopt;
    const std::string& entries = *directory;
    std::optional<std::string> root_stream;
    for (std::size_t e = 0; e + 128 <= entries.size(); e += 128) {
      const std::uint16_t name_bytes = read_u16(entries, e + 64);
      const auto type = static_cast<std::uint8_t>(entries[e + 66]);
      const std::uint32_t start = read_u32(entries, e + 116);
      const std::uint64_t size = read_u32(entries, e + 120);
      if (e == 0) {
        if (type != 5) return std::nullopt;  // the root entry holds the mini stream
        root_start_ = start;
        root_size_ = size;
        continue;
      }
      if (type != 2 || name_bytes < 2 || name_bytes > 64) continue;
      std::u16string entry_name;
      for (std::size_t i = 0; i + 2 < name_bytes; i += 2)
        entry_name += static_cast<char16_t>(read_u16(entries, e + i));
      if (entry_name != name) continue;
      if (size > file_.size()) return std::nullopt;
      std::optional<std::string> content;
      if (size < mini_cutoff_) {
        content = mini_stream_content(start, static_cast<std::size_t>(size));
      } else {
        content = read_chain(fat_, start, sector_size_, sectors_, regular_sectors());
      }
      if (!content || content->size() < size) return std::nullopt;
      content->resize(static_cast<std::size_t>(size));
      return content;
    }
    return std::nullopt;
  }

 private:
  std::size_t offset(std::uint32_t sector) const {
    return 512 + static_cast<std::size_t>(sector) * sector_size_;
  }
  std::function<std::string_view(std::uint32_t)> regular_sectors() const {
    return [this](std::uint32_t s) {
      const std::size_t at = offset(s);
      return at >= file_.size() ? std::string_view() : file_.substr(at, sector_size_);
    };
  }

  // The bytes of a chain of sectors of `size` bytes each.
  static std::optional<std::string> read_chain(const std::vector<std::uint32_t>& table, std::uint32_t start,
                                               std::size_t size, std::size_t count,
                                               const std::function<std::string_view(std::uint32_t)>& sector) {
    const auto sectors = chain(table, start, count);
    if (!sectors) return std::nullopt;
    std::string out;
    out.reserve(sectors->size() * size);
    for (std::uint32_t s : *sectors) {
      const std::string_view bytes = sector(s);
      out.append(bytes);
      out.append(size - bytes.size(), '\0');  // a last sector cut short by the end of the file
    }
    return out;
  }

  std::optional<std::string> mini_stream_content(std::uint32_t start, std::size_t size) {
    const auto mini_fat_bytes = read_chain(fat_, mini_fat_start_, sector_size_, sectors_, regular_sectors());
    const auto mini_stream = read_chain(fat_, root_start_, sector_size_, sectors_, regular_sectors());
    if (!mini_fat_bytes || !mini_stream) return std::nullopt;
    std::vector<std::uint32_t> mini_fat;
    for (std::size_t i = 0; i + 4 <= mini_fat_bytes->size(); i += 4)
      mini_fat.push_back(read_u32(*mini_fat_bytes, i));
    const std::string& ms = *mini_stream;
    const std::size_t mini_count =
        std::min<std::size_t>(ms.size(), static_cast<std::size_t>(root_size_)) / 64;
    auto content = read_chain(mini_fat, start, 64, mini_count, [&ms](std::uint32_t s) {
      return std::string_view(ms).substr(static_cast<std::size_t>(s) * 64, 64);
    });
    if (content && content->size() < size) return std::nullopt;
    return content;
  }

  std::string_view file_;
  std::size_t sector_size_ = 512, sectors_ = 0;
  std::uint32_t directory_start_ = 0, mini_cutoff_ = 4096, mini_fat_start_ = end_of_chain;
  std::uint32_t root_start_ = end_of_chain;
  std::uint64_t root_size_ = 0;
  std::vector<std::uint32_t> fat_;
};

}  // namespace

std::optional<std::string> compound_file_stream(std::string_view file, std::u16string_view name) {
  CompoundFile compound(file);
  if (!compound.read_header()) return std::nullopt;
  return compound.stream(name);
}

std::optional<int> xls_active_tab(std::string_view file) {
  std::optional<std::string> stream = compound_file_stream(file, u"Workbook");
  if (!stream) stream = compound_file_stream(file, u"Book");
  if (!stream) return std::nullopt;
  const std::string& s = *stream;
  // BIFF records: type and length, 2 bytes each, then the data. The globals end at the first EOF.
  for (std::size_t at = 0; at + 4 <= s.size();) {
    const std::uint16_t type = read_u16(s, at), length = read_u16(s, at + 2);
    if (type == 0x000A) break;                                        // EOF
    if (type == 0x003D && length >= 12) return read_u16(s, at + 14);  // WINDOW1: itabCur after five fields
    at += 4 + length;
  }
  return std::nullopt;
}

}  // namespace kolbex::entry
