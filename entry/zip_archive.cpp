#include "entry/zip_archive.h"

#include "entry/little_endian.h"

#include <zlib.h>

#include <algorithm>

namespace kolbex::entry {
namespace {

constexpr std::uint32_t end_signature = 0x06054b50, central_signature = 0x02014b50,
                        local_signature = 0x04034b50;

}  // namespace

ZipArchive::ZipArchive(std::string_view bytes, std::size_t limit) : bytes_(bytes), limit_(limit) {
  // The end-of-central-directory record: 22 bytes and a comment of up to 65535 bytes at the end.
  if (bytes_.size() < 22) return;
  std::size_t end = std::string_view::npos;
  const std::size_t earliest = bytes_.size() > 22 + 65535 ? bytes_.size() - 22 - 65535 : 0;
  for (std::size_t at = bytes_.size() - 22 + 1; at-- > earliest;)
    if (read_u32(bytes_, at) == end_signature) {
      end = at;
      break;
    }
  if (end == std::string_view::npos) return;
  const std::uint16_t count = read_u16(bytes_, end + 10);
  const std::uint32_t size = read_u32(bytes_, end + 12), offset = read_u32(bytes_, end + 16);
  if (offset > end || size > end - offset) return;
  std::size_t at = offset;
  for (std::uint16_t i = 0; i < count; ++i) {
    if (at + 46 > offset + size || read_u32(bytes_, at) != central_signature) return;
    Entry e{};
    e.method = read_u16(bytes_, at + 10);
    e.crc = read_u32(bytes_, at + 16);
    e.compressed = read_u32(bytes_, at + 20);
    e.uncompressed = read_u32(bytes_, at + 24);
    const std::uint16_t name_length = read_u16(bytes_, at + 28), extra = read_u16(bytes_, at + 30),
                        comment = read_u16(bytes_, at + 32);
    e.local_offset = read_u32(bytes_, at + 42);
    if (at + 46 + name_length + extra + comment > offset + size) return;
    e.name.assign(bytes_.substr(at + 46, name_length));
    entries_.push_back(std::move(e));
    at += 46 + name_length + extra + comment;
  }
  valid_ = true;
}

const ZipArchive::Entry* ZipArchive::find(std::string_view name) const {
  for (const Entry& e : entries_)
    if (e.name == name) return &e;
  return nullptr;
}

bool ZipArchive::contains(std::string_view name) const { return find(name) != nullptr; }

std::optional<std::string> ZipArchive::read(std::string_view name, std::string& error) const {
  const Entry* e = find(name);
  if (!e) return std::nullopt;
  const auto damaged = [&error](const char* what) -> std::optional<std::string> {
    error = what;
    return std::nullopt;
  };
  if (e->uncompressed > limit_) return damaged("an entry larger than 64 MiB");
  const std::size_t local = e->local_offset;
  if (local + 30 > bytes_.size() || read_u32(bytes_, local) != local_signature)
    return damaged("a damaged entry");
  const std::size_t data = local + 30 + read_u16(bytes_, local + 26) + read_u16(bytes_, local + 28);
  if (data > bytes_.size() || e->compressed > bytes_.size() - data) return damaged("a damaged entry");
  const std::string_view packed = bytes_.substr(data, e->compressed);

  std::string out;
  if (e->method == 0) {
    out.assign(packed);
  } else if (e->method == 8) {
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return damaged("a damaged entry");
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    z.avail_in = static_cast<uInt>(packed.size());
    char chunk[65536];
    int status = Z_OK;
    while (status == Z_OK) {
      z.next_out = reinterpret_cast<Bytef*>(chunk);
      z.avail_out = sizeof chunk;
      status = inflate(&z, Z_NO_FLUSH);
      if (status != Z_OK && status != Z_STREAM_END) break;
      out.append(chunk, sizeof chunk - z.avail_out);
      // Whatever the header says: never more than the limit.
      if (out.size() > limit_) {
        inflateEnd(&z);
        return damaged("an entry larger than 64 MiB");
      }
      if (z.avail_in == 0 && status == Z_OK && z.avail_out != 0) break;  // input ends before the stream
    }
    inflateEnd(&z);
    if (status != Z_STREAM_END) return damaged("a damaged entry");
  } else {
    return damaged("an entry packed in a way spreadsheet files do not use");
  }
  if (out.size() != e->uncompressed) return damaged("an entry of another size than its header says");
  if (crc32(0, reinterpret_cast<const Bytef*>(out.data()), static_cast<uInt>(out.size())) != e->crc)
    return damaged("an entry whose checksum does not match");
  return out;
}

}  // namespace kolbex::entry
