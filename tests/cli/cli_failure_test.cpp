// SPDX-License-Identifier: GPL-3.0-or-later
// tarvelin-cli never reports a failure as success: write errors, a closed
// pipe, read errors, a batch file without its header, and user text that
// would drive the terminal. Runs the real binary with its standard streams
// set up as each case needs.
#include <dirent.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>

#include "cli_runner.h"
#include "mini_json.h"

namespace tarvelin::cli_test {
namespace {

const std::vector<std::string> kBirth = {
    "--name", "RAM",    "--date", "1980-03-15", "--time", "21:05:30",
    "--lon",  "77:12E", "--lat",  "28:36N",     "--zone", "34"};
const std::string kHeader = "name,date,time,lon,lat,zone,dst\n";
const std::string kRow = "RAM,1980-03-15,21:05:30,77:12E,28:36N,34,0\n";

std::vector<std::string> With(std::vector<std::string> args,
                              const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// Where a standard stream of the child goes.
enum class Where {
  kCaptured,    // a temporary file, read back afterwards
  kClosed,      // not open at all (>&-, <&-)
  kDevFull,     // /dev/full: every write fails with ENOSPC
  kClosedPipe,  // a pipe whose reading end is already closed
  kFolder,      // a folder opened for reading
};

struct ChildRun {
  int status = -1;  // exit status; -1 when a signal ended the child
  int signal = 0;
  std::string out, err;
};

ChildRun RunWith(const std::vector<std::string>& args, Where in, Where out,
                 const std::string& input = "", bool ignoreSigpipe = false,
                 rlim_t fileSizeLimit = RLIM_INFINITY) {
  TempFile inFile(input), outFile, errFile;
  std::vector<std::string> argvText = {TARVELIN_CLI};
  argvText.insert(argvText.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : argvText) argv.push_back(a.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  int pipeEnds[2] = {-1, -1};
  auto place = [&](int fd, Where where, const std::string& captured, int mode) {
    switch (where) {
      case Where::kCaptured:
        posix_spawn_file_actions_addopen(&actions, fd, captured.c_str(), mode,
                                         0);
        break;
      case Where::kClosed:
        posix_spawn_file_actions_addclose(&actions, fd);
        break;
      case Where::kDevFull:
        posix_spawn_file_actions_addopen(&actions, fd, "/dev/full", mode, 0);
        break;
      case Where::kClosedPipe:
        if (pipe(pipeEnds) == 0) {
          close(pipeEnds[0]);
          posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], fd);
        }
        break;
      case Where::kFolder:
        posix_spawn_file_actions_addopen(&actions, fd, "/tmp", O_RDONLY, 0);
        break;
    }
  };
  place(0, in, inFile.path(), O_RDONLY);
  place(1, out, outFile.path(), O_WRONLY | O_TRUNC);
  place(2, Where::kCaptured, errFile.path(), O_WRONLY | O_TRUNC);

  // An ignored signal stays ignored in the child, and a limit on the size
  // of the files it writes (a disk that fills up) is inherited.
  struct sigaction ignore = {}, previous = {}, ignoreSize = {},
                   previousSize = {};
  ignore.sa_handler = ignoreSigpipe ? SIG_IGN : SIG_DFL;
  sigaction(SIGPIPE, &ignore, &previous);
  ignoreSize.sa_handler = SIG_IGN;
  sigaction(SIGXFSZ, &ignoreSize, &previousSize);
  rlimit limit{}, previousLimit{};
  getrlimit(RLIMIT_FSIZE, &previousLimit);
  limit = previousLimit;
  limit.rlim_cur = fileSizeLimit;
  setrlimit(RLIMIT_FSIZE, &limit);
  ChildRun run;
  pid_t pid = 0;
  const int spawned =
      posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  setrlimit(RLIMIT_FSIZE, &previousLimit);
  sigaction(SIGXFSZ, &previousSize, nullptr);
  if (spawned == 0) {
    if (pipeEnds[1] >= 0) close(pipeEnds[1]);
    int wstatus = 0;
    if (waitpid(pid, &wstatus, 0) == pid) {
      if (WIFEXITED(wstatus)) run.status = WEXITSTATUS(wstatus);
      if (WIFSIGNALED(wstatus)) run.signal = WTERMSIG(wstatus);
    }
  }
  sigaction(SIGPIPE, &previous, nullptr);
  posix_spawn_file_actions_destroy(&actions);
  run.out = ReadWhole(outFile.path());
  run.err = ReadWhole(errFile.path());
  return run;
}

// Every output path stops at a failed write, says so and exits 1; a closed
// pipe ends quietly, as SIGPIPE would end it.
TEST(CliFailure, WriteErrorsAreReported) {
  const TempFile csv(kHeader + kRow + kRow);
  const std::string full =
      "tarvelin-cli: write error: No space left on device\n";
  const std::string closed = "tarvelin-cli: write error: Bad file descriptor\n";
  const struct {
    const char* what;
    std::vector<std::string> args;
    Where out;
    bool ignoreSigpipe;
    int status, signal;
    std::string err;
  } cases[] = {
      {"batch, disk full",
       {"--batch", csv.path()},
       Where::kDevFull,
       false,
       1,
       0,
       full},
      {"text report", kBirth, Where::kDevFull, false, 1, 0, full},
      {"JSON", With(kBirth, {"--json"}), Where::kDevFull, false, 1, 0, full},
      {"places", {"--places", "Chenn"}, Where::kDevFull, false, 1, 0, full},
      {"zones, closed", {"--zones"}, Where::kClosed, false, 1, 0, closed},
      {"help, closed", {"--help"}, Where::kClosed, false, 1, 0, closed},
      {"help, disk full", {"--help"}, Where::kDevFull, false, 1, 0, full},
      {"version, disk full", {"--version"}, Where::kDevFull, false, 1, 0, full},
      {"version, closed", {"--version"}, Where::kClosed, false, 1, 0, closed},
      {"batch, closed",
       {"--batch", csv.path()},
       Where::kClosed,
       false,
       1,
       0,
       closed},
      {"batch, pipe closed, SIGPIPE ignored",
       {"--batch", csv.path()},
       Where::kClosedPipe,
       true,
       141,
       0,
       ""},
      {"batch, pipe closed",
       {"--batch", csv.path()},
       Where::kClosedPipe,
       false,
       -1,
       SIGPIPE,
       ""},
  };
  for (const auto& c : cases) {
    const ChildRun run =
        RunWith(c.args, Where::kCaptured, c.out, "", c.ignoreSigpipe);
    EXPECT_EQ(run.status, c.status) << c.what;
    EXPECT_EQ(run.signal, c.signal) << c.what;
    EXPECT_EQ(run.err, c.err) << c.what;
  }
}

// The names of the files in `folder`.
std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  if (DIR* dir = opendir(folder.c_str())) {
    while (const dirent* entry = readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    closedir(dir);
  }
  return names;
}

// --pdf, --png and --export-library write their file whole or not at all:
// a disk that fills up leaves no file behind and no partial one, and says
// why; a name is kept byte for byte, UTF-8 or not; an empty one is refused.
TEST(CliFailure, FilesAreWrittenWholeOrNotAtAll) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  char folderName[] = "/tmp/tarvelin_cli_files_XXXXXX";
  ASSERT_NE(mkdtemp(folderName), nullptr);
  const std::string folder = folderName;
  const std::string library = folder + "/births.sqlite";
  // A hundred births: an export larger than SQLite's own files beside it.
  std::string rows = kHeader;
  for (int minute = 0; minute < 100; ++minute) {
    rows += "RAM,1980-03-15,21:" + std::to_string(10 + minute % 50) + ":" +
            std::to_string(10 + minute / 50) + ",77:12E,28:36N,34,0\n";
  }
  const std::string csv = folder + "/in.csv";
  std::ofstream(csv) << rows;
  ASSERT_EQ(RunWith({"--import-library", csv, "--library-file", library},
                    Where::kCaptured, Where::kCaptured)
                .status,
            0);
  std::remove(csv.c_str());
  const std::string oddName = folder + "/ram\xff\xfe.pdf";
  const struct {
    const char* what;
    std::vector<std::string> args;
    std::string file;  // what must be there afterwards, empty: nothing
    rlim_t limit;
    int status;
    std::string err;
  } cases[] = {
      {"PDF on a full disk", With(kBirth, {"--pdf", folder + "/a.pdf"}), "",
       16384, 1,
       "tarvelin-cli: cannot write " + folder + "/a.pdf: File too large\n"},
      {"PNG on a full disk", With(kBirth, {"--png", folder + "/a.png"}), "",
       16384, 1,
       "tarvelin-cli: cannot write " + folder + "/a.png: File too large\n"},
      {"PDF on /dev/full", With(kBirth, {"--pdf", "/dev/full"}), "",
       RLIM_INFINITY, 1,
       "tarvelin-cli: cannot write /dev/full: No space left on device\n"},
      {"PNG on /dev/full", With(kBirth, {"--png", "/dev/full"}), "",
       RLIM_INFINITY, 1,
       "tarvelin-cli: cannot write /dev/full: No space left on device\n"},
      {"PDF in no folder", With(kBirth, {"--pdf", folder + "/no/a.pdf"}), "",
       RLIM_INFINITY, 1,
       "tarvelin-cli: cannot write " + folder +
           "/no/a.pdf: No such file or directory\n"},
      {"export on a full disk",
       {"--export-library", folder + "/out.json", "--library-file", library},
       "",
       40000,
       1,
       "tarvelin-cli: cannot write " + folder + "/out.json: File too large\n"},
      {"empty PDF name", With(kBirth, {"--pdf", ""}), "", RLIM_INFINITY, 2,
       "tarvelin-cli: --pdf needs a file name\n"},
      {"empty PNG name", With(kBirth, {"--png="}), "", RLIM_INFINITY, 2,
       "tarvelin-cli: --png needs a file name\n"},
      {"empty export name",
       {"--export-library=", "--library-file", library},
       "",
       RLIM_INFINITY,
       2,
       "tarvelin-cli: --export-library needs a file name\n"},
      {"a name that is not UTF-8", With(kBirth, {"--pdf", oddName}),
       "ram\xff\xfe.pdf", RLIM_INFINITY, 0, ""},
      {"export to a name that is not UTF-8",
       {"--export-library", folder + "/b\xe9.csv", "--library-file", library},
       "b\xe9.csv",
       RLIM_INFINITY,
       0,
       ""},
  };
  for (const auto& c : cases) {
    const ChildRun run =
        RunWith(c.args, Where::kCaptured, Where::kCaptured, "", false, c.limit);
    EXPECT_EQ(run.status, c.status) << c.what << ": " << run.err;
    EXPECT_EQ(run.err, c.err) << c.what;
    std::vector<std::string> files = FilesIn(folder);
    files.erase(std::remove(files.begin(), files.end(), "births.sqlite"),
                files.end());
    EXPECT_EQ(files, c.file.empty() ? std::vector<std::string>{}
                                    : std::vector<std::string>{c.file})
        << c.what;
    for (const std::string& name : files) {
      std::remove((folder + "/" + name).c_str());
    }
  }
  std::system(("rm -rf '" + folder + "'").c_str());
}

// A file that cannot be read is an error with its reason, never an empty
// batch; so is a file without the header line.
TEST(CliFailure, UnreadableOrHeaderlessBatchIsRefused) {
  const TempFile headerless(kRow + kRow), empty("");
  const std::string needHeader =
      " does not start with a header line: name,date,time,lon,lat,zone,dst, "
      "name,date,time,lon,lat,utc_offset or name,date,time,place (the column "
      "names, in this order)\n";
  const struct {
    const char* what;
    std::string file;
    Where in;
    std::string err;
  } cases[] = {
      {"a folder", "/tmp", Where::kCaptured,
       "cannot read /tmp: Is a directory (at line 1)\n"},
      {"no such file", "/nonexistent/births.csv", Where::kCaptured,
       "cannot read /nonexistent/births.csv: No such file or directory\n"},
      {"standard input closed", "-", Where::kClosed,
       "cannot read standard input: Bad file descriptor (at line 1)\n"},
      {"standard input a folder", "-", Where::kFolder,
       "cannot read standard input: Is a directory (at line 1)\n"},
      {"no header", headerless.path(), Where::kCaptured,
       headerless.path() + needHeader},
      {"empty", empty.path(), Where::kCaptured, empty.path() + needHeader},
  };
  for (const auto& c : cases) {
    const ChildRun run = RunWith({"--batch", c.file}, c.in, Where::kCaptured);
    EXPECT_EQ(run.status, 2) << c.what;
    EXPECT_EQ(run.err, "tarvelin-cli: " + c.err) << c.what;
    EXPECT_EQ(run.out, "") << c.what;
  }
  // CR line ends: the header and every row are read.
  const ChildRun oldMac =
      RunWith({"--batch", "-"}, Where::kCaptured, Where::kCaptured,
              "NAME,date,time,lon,lat,zone,"
              "DST\r" +
                  kRow.substr(0, kRow.size() - 1) + "\r" +
                  kRow.substr(0, kRow.size() - 1) + "\r");
  EXPECT_EQ(oldMac.status, 0) << oldMac.err;
  EXPECT_EQ(Lines(oldMac.out).size(), 2u);
}

// User text reaches standard error and the text report escaped; the JSON
// keeps it as given.
TEST(CliFailure, UserTextIsEscapedForTheTerminal) {
  const std::string escape = "\x1b]0;owned\a";
  const ChildRun places = RunWith({"--places", "Xq\nFAKE: all good"},
                                  Where::kCaptured, Where::kCaptured);
  EXPECT_EQ(places.status, 2);
  EXPECT_EQ(places.err,
            "Unknown place \"Xq\\nFAKE: all good\"; no city of the atlas is "
            "named near it\n");

  const ChildRun file = RunWith({"--batch", "/nonexistent/a\nb\x1b[2J"},
                                Where::kCaptured, Where::kCaptured);
  EXPECT_EQ(file.err,
            "tarvelin-cli: cannot read /nonexistent/a\\nb\\x1b[2J: No such "
            "file or directory\n");

  const ChildRun flag =
      RunWith({"--bad\r\x1b[1Aflag"}, Where::kCaptured, Where::kCaptured);
  EXPECT_EQ(flag.err,
            "tarvelin-cli: unknown flag '--bad\\r\\x1b[1Aflag' (try --help)\n");

  const ChildRun report =
      RunWith(With(kBirth, {"--city", escape, "--state", "a\nb", "--country",
                            "\x9b"
                            "31m"}),
              Where::kCaptured, Where::kCaptured);
  ASSERT_EQ(report.status, 0) << report.err;
  EXPECT_EQ(report.out.find('\x1b'), std::string::npos);
  EXPECT_NE(report.out.find("  City          : \\x1b]0;owned\\x07\n"),
            std::string::npos);
  EXPECT_NE(report.out.find("  State         : a\\nb\n"), std::string::npos);
  EXPECT_NE(report.out.find("  Country       : \\x9b31m\n"), std::string::npos);

  const ChildRun json = RunWith(With(kBirth, {"--city", escape, "--json"}),
                                Where::kCaptured, Where::kCaptured);
  ASSERT_EQ(json.status, 0) << json.err;
  JsonReader reader(json.out);
  const auto value = reader.ReadDocument();
  ASSERT_TRUE(value) << reader.Error();
  EXPECT_EQ((*value)["input"]["city"].text, escape);
}

}  // namespace
}  // namespace tarvelin::cli_test
