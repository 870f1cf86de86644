#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kolbex::entry {

// The whole content of a file, or false with "<path>: <reason>" in `error` and, when `os_error` is
// given, the system's error number (errno) of the failure there.
bool read_file_bytes(const std::filesystem::path& path, std::string& bytes, std::string& error,
                     int* os_error = nullptr);

// Writes `bytes` to a temporary file beside `path` and renames it into place, so a failed write never
// leaves a half-written file or destroys the one it would have replaced. False with "<path>: <reason>"
// in `error` and the system's error number in `os_error` when given.
bool write_file_replacing(const std::filesystem::path& path, std::string_view bytes, std::string& error,
                          int* os_error = nullptr);

}  // namespace kolbex::entry
