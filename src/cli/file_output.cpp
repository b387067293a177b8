// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/file_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace tarvelin::cli {
namespace {

std::string Problem(const std::string& path, int error) {
  return "cannot write " + path + ": " + std::strerror(error);
}

bool WriteAll(int fd, std::string_view bytes, int& error) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      error = errno;
      return false;
    }
    if (written == 0) {
      error = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The mode a new file gets: what the process's umask leaves of rw-rw-rw-.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

bool WriteFileReplacing(const std::string& path, std::string_view bytes,
                        std::string& problem) {
  // Something that is not a regular file (a device, a pipe) cannot be
  // replaced: it is written as it is.
  struct stat target {};
  const bool exists = ::stat(path.c_str(), &target) == 0;
  if (exists && !S_ISREG(target.st_mode)) {
    if (S_ISDIR(target.st_mode)) {
      problem = Problem(path, EISDIR);
      return false;
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    int error = errno;
    if (fd < 0 || !WriteAll(fd, bytes, error) || ::close(fd) != 0) {
      if (fd >= 0 && error == 0) error = errno;
      problem = Problem(path, error);
      return false;
    }
    return true;
  }

  std::vector<char> temporary(path.begin(), path.end());
  for (const char c : std::string_view(".tmp-XXXXXX")) temporary.push_back(c);
  temporary.push_back('\0');
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) {
    problem = Problem(path, errno);
    return false;
  }
  int error = 0;
  bool ok =
      ::fchmod(fd, exists ? (target.st_mode & 07777) : NewFileMode()) == 0;
  if (!ok) error = errno;
  ok = ok && WriteAll(fd, bytes, error);
  if (ok && ::fsync(fd) != 0) {
    ok = false;
    error = errno;
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(temporary.data(), path.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(temporary.data());
    problem = Problem(path, error);
  }
  return ok;
}

}  // namespace tarvelin::cli
