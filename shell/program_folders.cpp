#include "shell/program_folders.h"

#include <unistd.h>

#include <system_error>

namespace kolbex::shell {
namespace fs = std::filesystem;

namespace {

bool writable_folder(const fs::path& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool same_folder(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  return fs::equivalent(a, b, ec) && !ec;
}

// A file beside the program when it is there, otherwise in ../<installed>/kolbex relative to it.
fs::path beside_or_installed(const fs::path& program_folder, const char* installed, const fs::path& name) {
  std::error_code ec;
  if (fs::exists(program_folder / name, ec)) return program_folder / name;
  return (program_folder / ".." / installed / "kolbex" / name).lexically_normal();
}

}  // namespace

fs::path resource_path(const fs::path& program_folder, const fs::path& name) {
  return beside_or_installed(program_folder, "share", name);
}

fs::path helper_path(const fs::path& program_folder, const fs::path& name) {
  return beside_or_installed(program_folder, "libexec", name);
}

fs::path running_program_folder() {
  std::error_code ec;
  const fs::path program = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path() : program.parent_path();
}

fs::path output_workbook(const fs::path& program_folder, const fs::path& data_folder) {
  if (writable_folder(program_folder)) return program_folder / "Output.xlsx";
  std::error_code ec;
  fs::create_directories(data_folder, ec);
  if (writable_folder(data_folder)) return data_folder / "Output.xlsx";
  return {};
}

fs::path working_folder(const fs::path& current, const fs::path& home) {
  if (!current.empty() && writable_folder(current) && !same_folder(current, home)) return current;
  const fs::path own = home / "Kolbex";
  std::error_code ec;
  fs::create_directories(own, ec);
  return own;
}

}  // namespace kolbex::shell
