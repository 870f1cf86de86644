#pragma once

#include <filesystem>

namespace kolbex::shell {

// The failure numbers a command can leave behind for the error report; 0 is none. A window keeps one
// current number: cleared when a toolbar command starts, set by a failing operation, reported after the
// command (see error_messages.h).
namespace failure {
inline constexpr int none = 0;
inline constexpr int out_of_memory = 7;
inline constexpr int bad_file_name = 52;
inline constexpr int file_not_found = 53;
inline constexpr int device_io_error = 57;
inline constexpr int disk_full = 61;
inline constexpr int too_many_files = 67;
inline constexpr int path_file_access_error = 75;
inline constexpr int path_not_found = 76;
inline constexpr int invalid_file_format = 321;
inline constexpr int object_required = 424;
inline constexpr int cannot_open_clipboard = 521;
}  // namespace failure

// The failure number of a file operation on `path` that failed with the system error `error_number`
// (errno): a missing file is 53 "File not found" unless its folder is missing too (76 "Path not found"),
// no permission or a read-only file system 75 "Path/File access error", no space 61 "Disk full", and any
// other failure of the device 57 "Device I/O error".
int file_failure(int error_number, const std::filesystem::path& path);

}  // namespace kolbex::shell
