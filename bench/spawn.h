#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

namespace kolbex::bench {

// Runs a program to its end, standard error sent to /dev/null; the error, or empty when it exited 0.
// `peak_kib`, when given, receives the program's peak resident memory in KiB.
inline std::string run_program(std::vector<std::string> args, long* peak_kib = nullptr) {
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (started != 0) return args[0] + " could not be started";
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (peak_kib) *peak_kib = usage.ru_maxrss;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return args[0] + " failed";
  return {};
}

}  // namespace kolbex::bench
