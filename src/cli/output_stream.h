// SPDX-License-Identifier: GPL-3.0-or-later
// Standard output that notices when a write fails. std::cout on a full disk,
// a closed descriptor or a closed pipe just drops the text; the run would
// still end with success. Here every write goes through write(2), the first
// failure is kept with its errno, the stream turns bad (a batch stops at
// once) and Finish() says how the run must end.
#pragma once

#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/exit_status.h"

namespace tarvelin::cli {

class OutputStream {
 public:
  explicit OutputStream(int fd);
  OutputStream(const OutputStream&) = delete;
  OutputStream& operator=(const OutputStream&) = delete;

  std::ostream& stream() { return stream_; }

  // Writes what is still buffered. 0 when every write succeeded, otherwise
  // the errno of the first failed write.
  int Flush();

 private:
  class Buffer : public std::streambuf {
   public:
    explicit Buffer(int fd);
    int error() const { return error_; }
    bool Drain();

   protected:
    int_type overflow(int_type ch) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

   private:
    bool WriteAll(const char* data, std::size_t size);

    int fd_;
    int error_ = 0;
    std::vector<char> buffer_;
  };

  Buffer buffer_;
  std::ostream stream_;
};

// Flushes `out` and ends the run's status accordingly: `status` when all went
// out; kExitBrokenPipe, quietly, when the reader closed the pipe; otherwise
// "tarvelin-cli: write error: REASON" on standard error and kExitWriteError.
int FinishOutput(OutputStream& out, int status);

// Descriptors 0, 1 and 2 that are closed when the program starts are opened
// on /dev/null the wrong way round (standard input for writing, the outputs
// for reading), so that a file the program opens later never takes their
// number and every read or write on them fails as it would have.
void HoldClosedStandardDescriptors();

}  // namespace tarvelin::cli
