// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real tarvelin-cli binary and captures what it writes.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace tarvelin::cli_test {

struct CliRun {
  int status = -1;  // exit status, -1 when the program did not exit normally
  std::string out;
  std::string err;
};

inline std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A file in the temporary directory, removed when the object goes.
class TempFile {
 public:
  explicit TempFile(const std::string& contents = "") {
    char name[] = "/tmp/tarvelin_cli_test_XXXXXX";
    const int fd = mkstemp(name);
    path_ = name;
    if (fd >= 0) {
      if (!contents.empty()) {
        [[maybe_unused]] const auto n =
            write(fd, contents.data(), contents.size());
      }
      close(fd);
    }
  }
  ~TempFile() { std::remove(path_.c_str()); }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Runs the program `command[0]` with the rest as its arguments; standard
// input is empty.
inline CliRun RunCommand(std::vector<std::string> argvText) {
  TempFile out, err;
  std::vector<char*> argv;
  for (std::string& a : argvText) argv.push_back(a.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.path().c_str(),
                                   O_WRONLY | O_TRUNC, 0);
  posix_spawn_file_actions_addopen(&actions, 2, err.path().c_str(),
                                   O_WRONLY | O_TRUNC, 0);
  CliRun run;
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) ==
      0) {
    int wstatus = 0;
    if (waitpid(pid, &wstatus, 0) == pid && WIFEXITED(wstatus)) {
      run.status = WEXITSTATUS(wstatus);
    }
  }
  posix_spawn_file_actions_destroy(&actions);
  run.out = ReadWhole(out.path());
  run.err = ReadWhole(err.path());
  return run;
}

// Runs TARVELIN_CLI with `args`; standard input is empty.
inline CliRun RunCli(const std::vector<std::string>& args) {
  std::vector<std::string> command = {TARVELIN_CLI};
  command.insert(command.end(), args.begin(), args.end());
  return RunCommand(std::move(command));
}

inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

}  // namespace tarvelin::cli_test
