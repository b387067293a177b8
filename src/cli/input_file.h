// SPDX-License-Identifier: GPL-3.0-or-later
// A file read through read(2), so that a failed read is an error and not the
// end of the file (std::ifstream cannot tell the two apart: a folder, for
// one, reads as an empty file). A failed read throws from the stream buffer;
// the istream turns bad, and the error keeps its errno here.
#pragma once

#include <istream>
#include <streambuf>
#include <string>
#include <vector>

namespace tarvelin::cli {

class InputFile {
 public:
  // Opens `path` for reading; "-" is standard input.
  explicit InputFile(const std::string& path);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  std::istream& stream() { return stream_; }
  // The errno of the failed open or of the first failed read; 0 when none.
  int error() const { return buffer_.error; }
  // "standard input" for "-", the path otherwise.
  const std::string& name() const { return name_; }
  // "cannot read NAME: REASON" for error().
  std::string Problem() const;

 private:
  struct Buffer : std::streambuf {
    int fd = -1;
    int error = 0;
    std::vector<char> bytes;

    int_type underflow() override;
  };

  std::string name_;
  bool ownsFd_ = false;
  Buffer buffer_;
  std::istream stream_;
};

// The whole of `path` ("-": standard input) in `bytes`; false with
// "cannot read NAME: REASON" in `problem` when it cannot be opened or a read
// fails part way.
bool ReadWholeFile(const std::string& path, std::string& bytes,
                   std::string& problem);

}  // namespace tarvelin::cli
