#pragma once

#include <filesystem>

namespace kolbex::shell {

// Where the program finds and puts its files, for a build or unpacked folder and for an installation.

// A resource of the program (help/, an input template, examples/garnets.gsg): beside the program when it
// is there (a build or an unpacked folder), otherwise under ../share/kolbex relative to the program (an
// installation), which is also the answer when neither holds it.
std::filesystem::path resource_path(const std::filesystem::path& program_folder,
                                    const std::filesystem::path& name);

// A helper program (kolbex-draw): beside the program (a build or unpacked folder), otherwise under
// ../libexec/kolbex relative to it (an installation), which is also the answer when neither holds it.
std::filesystem::path helper_path(const std::filesystem::path& program_folder,
                                  const std::filesystem::path& name);

// The folder of the running program; empty when the system cannot say.
std::filesystem::path running_program_folder();

// Output.xlsx: beside the program when that folder can be written, otherwise in `data_folder` (the
// user's data folder), created when needed. An empty result when neither can be written or created.
std::filesystem::path output_workbook(const std::filesystem::path& program_folder,
                                      const std::filesystem::path& data_folder);

// The working folder (garn.tem, garn.dat, the diagram data files): `current`, unless it is the home
// folder or cannot be written, as when started from a desktop menu; then home/Kolbex, created when needed.
std::filesystem::path working_folder(const std::filesystem::path& current, const std::filesystem::path& home);

}  // namespace kolbex::shell
