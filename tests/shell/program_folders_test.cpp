#include "shell/program_folders.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/temp_folder.h"

namespace kolbex::shell {
namespace {

namespace fs = std::filesystem;

// A build or unpacked folder keeps its files beside the program; an installation under share/kolbex.
TEST(ProgramFolders, ResourcesBesideTheProgramOrUnderShare) {
  const test::TempFolder root("kolbex-folders");
  const fs::path build = root.path() / "build", bin = root.path() / "usr" / "bin";
  const fs::path share = root.path() / "usr" / "share" / "kolbex";
  fs::create_directories(build / "help");
  fs::create_directories(bin);
  fs::create_directories(share / "help");
  EXPECT_EQ(resource_path(build, "help"), build / "help");
  EXPECT_EQ(resource_path(bin, "help"), share / "help");
  EXPECT_EQ(resource_path(bin, "Kolbex.xlsx"), share / "Kolbex.xlsx");  // the answer even when missing
  std::ofstream(bin / "Kolbex.xlsx") << "beside";
  EXPECT_EQ(resource_path(bin, "Kolbex.xlsx"), bin / "Kolbex.xlsx");
}

// Output.xlsx beside a writable program folder; otherwise in the user's data folder, created when needed.
TEST(ProgramFolders, OutputWorkbookFallsBackToTheDataFolder) {
  const test::TempFolder root("kolbex-folders");
  const fs::path data = root.path() / "home" / ".local" / "share" / "Kolbex";
  EXPECT_EQ(output_workbook(root.path(), data), root.path() / "Output.xlsx");
  EXPECT_FALSE(fs::exists(data));
  // A program folder that cannot be written (here: one that is not there, as for a read-only /usr/bin).
  EXPECT_EQ(output_workbook(root.path() / "usr" / "bin", data), data / "Output.xlsx");
  EXPECT_TRUE(fs::is_directory(data));
  std::ofstream(root.path() / "a-file") << "x";
  EXPECT_EQ(output_workbook(root.path() / "usr" / "bin", root.path() / "a-file" / "Kolbex"), fs::path());
}

// Started in the home folder (as from a desktop menu) or in a folder that cannot be written, Kolbex works
// in ~/Kolbex; started in another folder, that folder.
TEST(ProgramFolders, WorkingFolderAvoidsTheHomeFolder) {
  const test::TempFolder root("kolbex-folders");
  const fs::path home = root.path() / "home", project = root.path() / "project";
  fs::create_directories(home);
  fs::create_directories(project);
  EXPECT_EQ(working_folder(project, home), project);
  EXPECT_EQ(working_folder(home, home), home / "Kolbex");
  EXPECT_TRUE(fs::is_directory(home / "Kolbex"));
  EXPECT_EQ(working_folder(root.path() / "gone", home), home / "Kolbex");
  EXPECT_EQ(working_folder(home / ".", home), home / "Kolbex");
}

}  // namespace
}  // namespace kolbex::shell
