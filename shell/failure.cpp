#include "shell/failure.h"

#include <cerrno>

namespace kolbex::shell {

int file_failure(int error_number, const std::filesystem::path& path) {
  switch (error_number) {
    case 0: return failure::none;
    case ENOENT: {
      std::error_code ec;
      const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
      return std::filesystem::is_directory(folder, ec) ? failure::file_not_found : failure::path_not_found;
    }
    case ENOTDIR: return failure::path_not_found;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY: return failure::path_file_access_error;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return failure::disk_full;
    case EMFILE:
    case ENFILE: return failure::too_many_files;
    case ENAMETOOLONG:
    case EINVAL: return failure::bad_file_name;
    case ENOMEM: return failure::out_of_memory;
    default: return failure::device_io_error;
  }
}

}  // namespace kolbex::shell
