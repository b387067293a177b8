// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/output_stream.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

namespace tarvelin::cli {
namespace {

constexpr std::size_t kBufferBytes = 64 * 1024;

}  // namespace

OutputStream::Buffer::Buffer(int fd) : fd_(fd), buffer_(kBufferBytes) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

bool OutputStream::Buffer::WriteAll(const char* data, std::size_t size) {
  while (size > 0 && error_ == 0) {
    const ssize_t written = ::write(fd_, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      error_ = errno;
    } else if (written == 0) {
      error_ = EIO;
    } else {
      data += written;
      size -= static_cast<std::size_t>(written);
    }
  }
  return error_ == 0;
}

bool OutputStream::Buffer::Drain() {
  if (error_ != 0) return false;
  const std::size_t size = static_cast<std::size_t>(pptr() - pbase());
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  // After a failure nothing more goes out: the buffer is dropped.
  return size == 0 || WriteAll(buffer_.data(), size);
}

OutputStream::Buffer::int_type OutputStream::Buffer::overflow(int_type ch) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(ch, traits_type::eof())) {
    return traits_type::not_eof(ch);
  }
  *pptr() = traits_type::to_char_type(ch);
  pbump(1);
  return ch;
}

std::streamsize OutputStream::Buffer::xsputn(const char* s, std::streamsize n) {
  const auto size = static_cast<std::size_t>(n);
  if (size <= static_cast<std::size_t>(epptr() - pptr())) {
    std::memcpy(pptr(), s, size);
    pbump(static_cast<int>(n));
    return n;
  }
  if (!Drain()) return 0;
  if (size < buffer_.size()) return xsputn(s, n);
  return WriteAll(s, size) ? n : 0;
}

int OutputStream::Buffer::sync() { return Drain() ? 0 : -1; }

OutputStream::OutputStream(int fd) : buffer_(fd), stream_(&buffer_) {}

int OutputStream::Flush() {
  stream_.flush();
  return buffer_.error();
}

int FinishOutput(OutputStream& out, int status) {
  const int error = out.Flush();
  if (error == 0) return status;
  if (error == EPIPE) return kExitBrokenPipe;
  std::cerr << "tarvelin-cli: write error: " << std::strerror(error)
            << std::endl;
  return kExitWriteError;
}

void HoldClosedStandardDescriptors() {
  const int wrongWay[] = {O_WRONLY, O_RDONLY, O_RDONLY};
  for (int fd = 0; fd <= 2; ++fd) {
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    const int opened = ::open("/dev/null", wrongWay[fd]);
    if (opened >= 0 && opened != fd) ::close(opened);
  }
}

}  // namespace tarvelin::cli
