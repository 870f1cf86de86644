#include "entry/file_io.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace kolbex::entry {

namespace {

// Records a failure: the text, and the error number where the caller asked for it. A failure that set no
// errno counts as an I/O error.
bool failed(const std::filesystem::path& path, int error_number, std::string reason, std::string& error,
            int* os_error) {
  if (error_number == 0) error_number = EIO;
  error = path.string() + ": " + (reason.empty() ? std::string(std::strerror(error_number)) : reason);
  if (os_error) *os_error = error_number;
  return false;
}

}  // namespace

bool read_file_bytes(const std::filesystem::path& path, std::string& bytes, std::string& error,
                     int* os_error) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec))
    return failed(path, EISDIR, "is a folder, not a file", error, os_error);
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) return failed(path, errno, "", error, os_error);
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return failed(path, errno, "the file could not be read", error, os_error);
  return true;
}

namespace {

bool write_into(const std::filesystem::path& path, const std::filesystem::path& target,
                std::string_view bytes, std::ios::openmode mode, std::string& error, int* os_error) {
  errno = 0;
  std::ofstream out(target, std::ios::binary | mode);
  if (!out) return failed(path, errno, "", error, os_error);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) return failed(path, errno, "the file could not be written", error, os_error);
  return true;
}

}  // namespace

bool write_file_replacing(const std::filesystem::path& path, std::string_view bytes, std::string& error,
                          int* os_error) {
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
    return write_into(path, target, bytes, std::ios::out, error, os_error);

  fs::path temporary = target;
  temporary += ".kolbex-" + std::to_string(std::random_device{}()) + ".tmp";
  if (!write_into(path, temporary, bytes, std::ios::trunc, error, os_error)) {
    fs::remove(temporary, ec);
    return false;
  }
  fs::rename(temporary, target, ec);
  if (ec) {
    const int error_number = ec.value();
    fs::remove(temporary, ec);
    return failed(path, error_number, "", error, os_error);
  }
  return true;
}

}  // namespace kolbex::entry
