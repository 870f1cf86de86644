#include "shell/file_io.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace kolbex::shell {
namespace {

constexpr std::size_t read_limit = std::size_t{256} * 1024 * 1024;

}  // namespace

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

int open_for_reading(const std::filesystem::path& path, std::ifstream& in, std::string& reason) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    reason = "is a folder, not a file";
    return EISDIR;
  }
  errno = 0;
  in.open(path, std::ios::binary);
  if (in) return 0;
  const int error_number = errno == 0 ? EIO : errno;
  reason = std::strerror(error_number);
  return error_number;
}

namespace {

// Reads up to `limit` bytes; `stop_at_limit` makes a longer file a success with its start only.
bool read_bytes(const std::filesystem::path& path, std::size_t limit, bool stop_at_limit, std::string& bytes,
                bool& whole, std::string& error, int* os_error) {
  std::ifstream in;
  std::string reason;
  if (const int error_number = open_for_reading(path, in, reason))
    return failed(path, error_number, reason, error, os_error);
  // Read in pieces up to the limit, so that a device without end (/dev/zero) cannot fill the memory.
  bytes.clear();
  whole = true;
  char chunk[1 << 16];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    const auto got = static_cast<std::size_t>(in.gcount());
    if (bytes.size() + got > limit) {
      if (!stop_at_limit)
        return failed(path, ENOMEM, "larger than any file the program reads (256 MiB)", error, os_error);
      bytes.append(chunk, limit - bytes.size());
      whole = false;
      return true;
    }
    bytes.append(chunk, got);
  }
  if (in.bad()) return failed(path, errno, "the file could not be read", error, os_error);
  return true;
}

}  // namespace

bool read_file_bytes(const std::filesystem::path& path, std::string& bytes, std::string& error,
                     int* os_error) {
  bool whole = true;
  return read_bytes(path, read_limit, false, bytes, whole, error, os_error);
}

bool read_file_start(const std::filesystem::path& path, std::size_t length, std::string& bytes, bool& whole,
                     std::string& error) {
  return read_bytes(path, length, true, bytes, whole, error, nullptr);
}

bool write_file_replacing(const std::filesystem::path& path, const FileWriter& write, std::string& error,
                          int* os_error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path target = path;
  for (int hops = 0; hops < 40 && fs::is_symlink(target, ec); ++hops) {
    const fs::path next = fs::read_symlink(target, ec);
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  std::string reason;
  int error_number = 0;
  const fs::file_status status = fs::status(target, ec);
  if (fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status))
    return write(target, reason, error_number) || failed(path, error_number, reason, error, os_error);

  fs::path temporary = target;
  temporary += ".kolbex-" + std::to_string(std::random_device{}()) + ".tmp";
  if (!write(temporary, reason, error_number)) {
    fs::remove(temporary, ec);
    return failed(path, error_number, reason, error, os_error);
  }
  fs::rename(temporary, target, ec);
  if (ec) {
    error_number = ec.value();
    fs::remove(temporary, ec);
    return failed(path, error_number, "", error, os_error);
  }
  return true;
}

bool write_file_replacing(const std::filesystem::path& path, std::string_view bytes, std::string& error,
                          int* os_error) {
  return write_file_replacing(
      path,
      [bytes](const std::filesystem::path& file, std::string& reason, int& error_number) {
        errno = 0;
        // A device or pipe is written into from its start; a regular file is created afresh.
        std::ofstream out(file, std::ios::binary | std::ios::out);
        if (!out) {
          error_number = errno;
          return false;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
          error_number = errno;
          reason = "the file could not be written";
          return false;
        }
        return true;
      },
      error, os_error);
}

}  // namespace kolbex::shell
