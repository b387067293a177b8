// SPDX-License-Identifier: GPL-3.0-or-later
// The batch reader (line ends, header, bounded lines, read errors), the
// batch's stop on a failed output, and the escaping of user text for the
// terminal; in-process.
#include "cli/batch_input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "cli/batch.h"
#include "present/terminal_text.h"

namespace tarvelin::cli {
namespace {

const std::string kHeader = "name,date,time,lon,lat,zone,dst";
const std::string kRow = "RAM,1980-03-15,21:05:30,77:12E,28:36N,34,0";

// Every row as "N:name" or "N!problem", then how reading stopped.
std::string Read(std::istream& in) {
  BatchReader reader(in);
  BatchRow row;
  std::string seen;
  while (reader.Next(row)) {
    seen += std::to_string(row.line) +
            (row.problem.empty() ? ":" + row.texts.name : "!" + row.problem) +
            " ";
  }
  const char* const stops[] = {"none", "end", "no header", "read error"};
  return seen + stops[static_cast<int>(reader.Stop())] + "@" +
         std::to_string(reader.StopLine());
}

// Hands the text out a few bytes at a time, as a pipe may.
class PiecesBuffer : public std::streambuf {
 public:
  PiecesBuffer(std::string text, std::size_t piece)
      : text_(std::move(text)), piece_(piece) {}

 protected:
  int_type underflow() override {
    if (at_ >= text_.size()) return traits_type::eof();
    const std::size_t n = std::min(piece_, text_.size() - at_);
    setg(&text_[at_], &text_[at_], &text_[at_] + n);
    at_ += n;
    return traits_type::to_int_type(*gptr());
  }

 private:
  std::string text_;
  std::size_t piece_, at_ = 0;
};

// Read whole, and alike however the bytes arrive (a line end split
// between two reads included).
std::string Read(const std::string& text) {
  std::istringstream in(text);
  const std::string whole = Read(in);
  for (const std::size_t piece : {1, 2, 7}) {
    PiecesBuffer buffer(text, piece);
    std::istream pieces(&buffer);
    EXPECT_EQ(Read(pieces), whole) << "in pieces of " << piece;
  }
  return whole;
}

TEST(BatchInput, LinesHeaderAndFields) {
  const std::string bom = "\xEF\xBB\xBF";
  const std::string cols8 = kRow + ",x";
  const struct {
    const char* what;
    std::string text;
    std::string expected;
  } cases[] = {
      {"LF", kHeader + "\n" + kRow + "\n\n" + kRow + "\n", "2:RAM 4:RAM end@5"},
      {"CRLF, no final line end", kHeader + "\r\n" + kRow + "\r\n" + kRow,
       "2:RAM 3:RAM end@4"},
      {"CR only (old Mac)", kHeader + "\r" + kRow + "\r\r" + kRow + "\r",
       "2:RAM 4:RAM end@5"},
      {"mixed", kHeader + "\r\n" + kRow + "\r" + kRow + "\n",
       "2:RAM 3:RAM end@4"},
      {"header in any case, blanks, BOM",
       bom + " Name , DATE,time ,Lon,lat,ZONE,Dst \n" + kRow, "2:RAM end@3"},
      {"only the header", kHeader + "\n", "end@2"},
      {"empty file", "", "no header@1"},
      {"no header: the first birth is not taken for one", kRow + "\n" + kRow,
       "no header@1"},
      {"header in another order", "name,date,time,lat,lon,zone,dst\n" + kRow,
       "no header@1"},
      {"header with an eighth column", kHeader + ",x\n" + kRow, "no header@1"},
      {"blank header line", "\n" + kHeader + "\n" + kRow, "no header@1"},
      {"six fields", kHeader + "\nA,1,2,3,4,5\n",
       "2!expected 7 fields name,date,time,lon,lat,zone,dst, found 6 end@3"},
      {"eight fields and more",
       kHeader + "\n" + cols8 + "\n" + cols8 + ",,,,\n",
       "2!expected 7 fields name,date,time,lon,lat,zone,dst, found more than "
       "7 3!expected 7 fields name,date,time,lon,lat,zone,dst, found more than "
       "7 end@4"},
      {"bad dst", kHeader + "\nA,b,c,d,e,f,yes\n",
       "2!dst must be 0 or 1 end@3"},
      {"header again",
       kHeader + "\n" + kRow + "\n NAME,date,time,lon,lat,zone,DST\n",
       "2:RAM 3!the header line again; only line 1 may hold the column names "
       "end@4"},
      {"longest line kept",
       kHeader + "\n" + kRow.substr(0, 3) +
           std::string(kMaxLineBytes - kRow.size(), ' ') + kRow.substr(3) +
           "\n",
       "2:RAM end@3"},
      {"one byte longer",
       kHeader + "\n" + kRow.substr(0, 3) +
           std::string(kMaxLineBytes - kRow.size() + 1, ' ') + kRow.substr(3) +
           "\r\n" + kRow,
       "2!line longer than 65536 bytes 3:RAM end@4"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Read(c.text), c.expected) << c.what;
  }
}

// The other two headers: a place (commas and quotes allowed, the rest of the
// line) or an exact offset in place of the zone and daylight saving.
TEST(BatchInput, RowsOfPlacesAndOfExactOffsets) {
  const auto rows = [](const std::string& text) {
    std::istringstream in(text);
    BatchReader reader(in);
    BatchRow row;
    std::string seen;
    while (reader.Next(row)) {
      seen +=
          std::to_string(row.line) +
          (row.problem.empty() ? ":" + row.texts.name + "|" + row.place + "|" +
                                     row.texts.lon + "|" + row.texts.utcOffset
                               : "!" + row.problem) +
          " ";
    }
    return seen;
  };
  EXPECT_EQ(rows("NAME , Date,time,PLACE\n"
                 "A,1990-01-01,12:00,Springfield, IL\n"
                 "B,1990-01-01,12:00, \"Paris, \"\"Texas\"\"\" \n"
                 "C,1990-01-01,12:00,\n"
                 "D,1990-01-01\n"),
            "2:A|Springfield, IL|| 3:B|Paris, \"Texas\"|| 4!place is empty "
            "5!expected 4 fields name,date,time,place, found 2 ");
  EXPECT_EQ(rows("name,date,time,lon,lat,utc_offset\n"
                 "A,2000-01-01,12:00,85:19E,27:43N,+05:45\n"
                 "B,2000-01-01,12:00,85:19E,27:43N,\n"
                 "C,2000-01-01,12:00,85:19E,27:43N,+05:45,0\n"),
            "2:A||85:19E|+05:45 3:B||85:19E| 4!expected 6 fields "
            "name,date,time,lon,lat,utc_offset, found more than 6 ");
  // Headers that mix the kinds are none of them.
  EXPECT_EQ(Read("name,date,time,lon,lat,place\n" + kRow), "no header@1");
  EXPECT_EQ(Read("name,date,time,place,dst\n" + kRow), "no header@1");
}

// A stream buffer that hands out `size` bytes of `fill` after `prefix`
// without holding them, then throws (a failed read) or ends.
class Generated : public std::streambuf {
 public:
  Generated(std::string prefix, char fill, std::size_t size, bool fail)
      : prefix_(std::move(prefix)), fill_(fill), left_(size), fail_(fail) {
    setg(prefix_.data(), prefix_.data(), prefix_.data() + prefix_.size());
  }

 protected:
  int_type underflow() override {
    if (left_ == 0) {
      if (fail_) throw std::runtime_error("read failed");
      return traits_type::eof();
    }
    const std::size_t n = std::min(left_, sizeof chunk_);
    std::fill(chunk_, chunk_ + n, fill_);
    left_ -= n;
    setg(chunk_, chunk_, chunk_ + n);
    return traits_type::to_int_type(*gptr());
  }

 private:
  std::string prefix_;
  char fill_;
  std::size_t left_;
  bool fail_;
  char chunk_[4096];
};

// A line of 8 MB of commas is one error row, read in bounded memory (the
// reader keeps at most eight fields of 64 KiB in all), and the reading goes
// on after it.
TEST(BatchInput, HugeLineIsOneErrorRow) {
  Generated commas(kHeader + "\n" + kRow + "\n", ',', 8u << 20, false);
  std::istream in(&commas);
  EXPECT_EQ(Read(in), "2:RAM 3!line longer than 65536 bytes end@4");
}

TEST(BatchInput, ReadErrorStopsAtItsLine) {
  Generated failing(kHeader + "\n" + kRow + "\n" + kRow + "\n", 'x', 10, true);
  std::istream in(&failing);
  EXPECT_EQ(Read(in), "2:RAM 3:RAM read error@4");
}

// An output that fails at its first write.
class Failing : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(BatchInput, BatchStopsComputingWhenTheOutputFails) {
  std::string csv = kHeader + "\n";
  for (int i = 0; i < 50; ++i) csv += kRow + "\n";
  std::istringstream in(csv);
  Failing failing;
  std::ostream out(&failing);
  const BatchSummary summary = RunBatch(in, out);
  EXPECT_EQ(summary.rows, 1);
  EXPECT_EQ(summary.stop, BatchStop::kNone);
}

TEST(TerminalText, ControlCharactersAreShownEscaped) {
  const std::pair<std::string, std::string> cases[] = {
      {"Xq\nFAKE: all good", "Xq\\nFAKE: all good"},
      {"\x1b]0;owned\a", "\\x1b]0;owned\\x07"},
      {"a\tb\rc\x7f", "a\\tb\\rc\\x7f"},
      {std::string("nul\0", 4), "nul\\x00"},
      {"S\xC3\xA3o Paulo, 28\xC2\xB0", "S\xC3\xA3o Paulo, 28\xC2\xB0"},
      {"csi \xC2\x9B"
       "2J",
       "csi \\u009b2J"},  // C1 as UTF-8
      {"csi \x9B"
       "2J",
       "csi \\x9b2J"},                 // C1 as a raw byte
      {"Z\xFCrich", "Z\xC3\xBCrich"},  // Latin-1, as UTF-8
      {"abc \xE2\x80\xAE"
       "cba",
       "abc \\u202ecba"},  // right-to-left override
      {"back\\slash \"quoted\"", "back\\slash \"quoted\""},
  };
  for (const auto& [raw, shown] : cases) {
    EXPECT_EQ(TerminalSafe(raw), shown) << raw;
  }
}

}  // namespace
}  // namespace tarvelin::cli
