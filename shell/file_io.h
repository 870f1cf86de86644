#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>

namespace kolbex::shell {

// The whole content of a file, or false with "<path>: <reason>" in `error` and, when `os_error` is
// given, the system's error number (errno) of the failure there. Nothing larger than 256 MiB is read.
bool read_file_bytes(const std::filesystem::path& path, std::string& bytes, std::string& error,
                     int* os_error = nullptr);
// Opens a file for reading in pieces. 0 when open; otherwise the system's error number (EISDIR for a
// folder), with the reason in `reason`.
int open_for_reading(const std::filesystem::path& path, std::ifstream& in, std::string& reason);

// The first `length` bytes of a file, or all of it when it is shorter (`whole` tells which); the same
// failures as above.
bool read_file_start(const std::filesystem::path& path, std::size_t length, std::string& bytes, bool& whole,
                     std::string& error);

// Writes the whole content of a file to `file`; false with a reason (empty: the system's text for the
// error number) and the system's error number.
using FileWriter =
    std::function<bool(const std::filesystem::path& file, std::string& reason, int& error_number)>;

// Writes a file through a temporary file beside `path` that is renamed into place, so a failed write never
// leaves a half-written file or destroys the one it would have replaced. A symbolic link is followed (the
// file it names is replaced, the link stays); a device or pipe is written into. False with
// "<path>: <reason>" in `error` and the system's error number in `os_error` when given.
bool write_file_replacing(const std::filesystem::path& path, const FileWriter& write, std::string& error,
                          int* os_error = nullptr);
bool write_file_replacing(const std::filesystem::path& path, std::string_view bytes, std::string& error,
                          int* os_error = nullptr);

}  // namespace kolbex::shell
