// SPDX-License-Identifier: GPL-3.0-or-later
// tarvelin-cli --pdf and --png: the result page written with no display at
// all, on the paper of the locale, with its text readable back out of the
// PDF (pdfinfo and pdftotext from poppler-utils).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli_runner.h"

namespace tarvelin::cli_test {
namespace {

const std::vector<std::string> kRam = {
    "--name", "RAM",    "--date", "1980-03-15", "--time", "21:05:30",
    "--lon",  "77:12E", "--lat",  "28:36N",     "--zone", "34"};

std::vector<std::string> With(std::vector<std::string> args,
                              const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// What a command prints on standard output.
std::string Capture(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
      out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

// Every run of blanks and line ends as one blank.
std::string Flowing(const std::string& text) {
  std::string out;
  for (const char c : text) {
    const bool blank = c == ' ' || c == '\n' || c == '\r' || c == '\f';
    if (!blank) {
      out += c;
    } else if (!out.empty() && out.back() != ' ') {
      out += ' ';
    }
  }
  return out;
}

// Width and height from a PNG file's header.
std::pair<unsigned, unsigned> PngSize(const std::string& path) {
  const std::string bytes = ReadWhole(path);
  if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return {0, 0};
  const auto word = [&bytes](std::size_t at) {
    unsigned value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
      value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
  };
  return {word(16), word(20)};
}

TEST(CliPage, PdfAndPngWithoutADisplay) {
  struct Case {
    const char* locale;
    const char* paper;                     // as pdfinfo names it
    std::pair<unsigned, unsigned> pixels;  // at 150 dots per inch
  };
  const Case cases[] = {{"en_GB.UTF-8", "(A4)", {1240, 1754}},
                        {"en_US.UTF-8", "(letter)", {1275, 1650}}};
  // No X server, no Wayland compositor, no platform chosen.
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  unsetenv("QT_QPA_PLATFORM");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.locale);
    setenv("LC_ALL", c.locale, 1);
    TempFile pdf, png;
    const CliRun run =
        RunCli(With(kRam, {"--pdf", pdf.path(), "--png", png.path()}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");

    const std::string info = Capture("pdfinfo " + pdf.path());
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
    EXPECT_NE(info.find(c.paper), std::string::npos) << info;

    // The summary is the report's line under the heading; the house
    // sentence is the JSON's.
    const std::string report = run.out;
    const auto from = report.find("Hora Lagna: ");
    ASSERT_NE(from, std::string::npos) << report;
    const std::string summary =
        report.substr(from, report.find('\n', from) - from);
    const std::string json = RunCli(With(kRam, {"--json"})).out;
    const auto key = json.find("\"house_text\": \"");
    ASSERT_NE(key, std::string::npos);
    const auto start = key + 15;
    std::string house =
        Flowing(json.substr(start, json.find('"', start) - start));
    if (!house.empty() && house.back() == ' ') house.pop_back();

    const std::string text =
        Flowing(Capture("pdftotext -layout " + pdf.path() + " -"));
    for (const std::string& piece : {std::string("RAM"), summary, house}) {
      EXPECT_NE(text.find(piece), std::string::npos)
          << "missing \"" << piece << "\" in " << text;
    }
    EXPECT_EQ(PngSize(png.path()), c.pixels);
  }
}

TEST(CliPage, RefusesWhatItCannotDo) {
  TempFile csv("name,date\n");
  const CliRun batch = RunCli({"--batch", csv.path(), "--pdf", "x.pdf"});
  EXPECT_EQ(batch.status, 2);
  EXPECT_EQ(batch.err,
            "tarvelin-cli: --pdf and --png write the page of a single birth\n");

  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const CliRun unwritable =
      RunCli(With(kRam, {"--pdf", "/nonexistent-folder/ram.pdf"}));
  EXPECT_EQ(unwritable.status, 1);  // the output could not be written
  EXPECT_NE(unwritable.err.find("/nonexistent-folder/ram.pdf"),
            std::string::npos)
      << unwritable.err;
}

}  // namespace
}  // namespace tarvelin::cli_test
