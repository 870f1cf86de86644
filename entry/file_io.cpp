#include "entry/file_io.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace kolbex::entry {

bool read_file_bytes(const std::filesystem::path& path, std::string& bytes, std::string& error) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    error = path.string() + ": is a folder, not a file";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path.string() + ": " + std::strerror(errno);
    return false;
  }
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    error = path.string() + ": the file could not be read";
    return false;
  }
  return true;
}

namespace {

bool write_into(const std::filesystem::path& path, const std::filesystem::path& target,
                std::string_view bytes, std::ios::openmode mode, std::string& error) {
  std::ofstream out(target, std::ios::binary | mode);
  if (!out) {
    error = path.string() + ": " + std::strerror(errno);
    return false;
  }
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    error = path.string() + ": the file could not be written";
    return false;
  }
  return true;
}

}  // namespace

bool write_file_replacing(const std::filesystem::path& path, std::string_view bytes, std::string& error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  // A link is followed, so the file it names is the one replaced (or created) and the link stays.
  fs::path target = path;
  for (int hops = 0; hops < 40 && fs::is_symlink(target, ec); ++hops) {
    const fs::path next = fs::read_symlink(target, ec);
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  const fs::file_status status = fs::status(target, ec);
  // A device or pipe (/dev/null, /dev/stdout, a FIFO) is written into; only a regular file is replaced.
  if (fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status))
    return write_into(path, target, bytes, std::ios::out, error);

  fs::path temporary = target;
  temporary += ".kolbex-" + std::to_string(std::random_device{}()) + ".tmp";
  if (!write_into(path, temporary, bytes, std::ios::trunc, error)) {
    fs::remove(temporary, ec);
    return false;
  }
  fs::rename(temporary, target, ec);
  if (ec) {
    error = path.string() + ": " + ec.message();
    fs::remove(temporary, ec);
    return false;
  }
  return true;
}

}  // namespace kolbex::entry
