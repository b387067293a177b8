// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/input_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace tarvelin::cli {
namespace {

constexpr std::size_t kBufferBytes = 64 * 1024;

}  // namespace

InputFile::Buffer::int_type InputFile::Buffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  if (error != 0) throw std::runtime_error(std::strerror(error));
  while (true) {
    const ssize_t got = ::read(fd, bytes.data(), bytes.size());
    if (got > 0) {
      setg(bytes.data(), bytes.data(), bytes.data() + got);
      return traits_type::to_int_type(*gptr());
    }
    if (got == 0) return traits_type::eof();
    if (errno != EINTR) break;
  }
  error = errno;
  throw std::runtime_error(std::strerror(error));
}

InputFile::InputFile(const std::string& path)
    : name_(path == "-" ? "standard input" : path), stream_(&buffer_) {
  buffer_.bytes.resize(kBufferBytes);
  if (path == "-") {
    buffer_.fd = STDIN_FILENO;
  } else {
    buffer_.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    ownsFd_ = buffer_.fd >= 0;
    if (buffer_.fd < 0) buffer_.error = errno;
  }
}

InputFile::~InputFile() {
  if (ownsFd_) ::close(buffer_.fd);
}

std::string InputFile::Problem() const {
  return "cannot read " + name_ + ": " + std::strerror(buffer_.error);
}

bool ReadWholeFile(const std::string& path, std::string& bytes,
                   std::string& problem) {
  InputFile input(path);
  bytes.clear();
  if (input.error() == 0) {
    std::streambuf* buffer = input.stream().rdbuf();
    try {
      char chunk[kBufferBytes];
      std::streamsize got = 0;
      while ((got = buffer->sgetn(chunk, sizeof chunk)) > 0) {
        bytes.append(chunk, static_cast<std::size_t>(got));
      }
    } catch (const std::exception&) {
      // The error is kept in the buffer.
    }
  }
  if (input.error() != 0) {
    problem = input.Problem();
    return false;
  }
  return true;
}

}  // namespace tarvelin::cli
