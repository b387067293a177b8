// SPDX-License-Identifier: GPL-3.0-or-later
// The main of ui_tests: runs the test file named first on the command line.
#include "ui_test_main.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace tarvelin::test {
namespace {

std::map<std::string, TestMain>& Registry() {
  static std::map<std::string, TestMain> tests;
  return tests;
}

std::string& Running() {
  static std::string name;
  return name;
}

}  // namespace

bool RegisterTestMain(const char* sourceFile, TestMain main) {
  std::string name = sourceFile;
  name.erase(0, name.find_last_of('/') + 1);
  name.erase(name.find('.'));
  if (!Registry().emplace(name, main).second) {
    std::fprintf(stderr, "two test files are named %s\n", name.c_str());
    std::abort();
  }
  return true;
}

QString RunningTestName() { return QString::fromStdString(Running()); }

}  // namespace tarvelin::test

int main(int argc, char* argv[]) {
  using tarvelin::test::Registry;
  const auto test = argc >= 2 ? Registry().find(argv[1]) : Registry().end();
  if (test == Registry().end()) {
    std::fprintf(stderr, "usage: %s TEST [QtTest options]; the tests:\n",
                 argv[0]);
    for (const auto& entry : Registry()) {
      std::fprintf(stderr, "  %s\n", entry.first.c_str());
    }
    return 2;
  }
  tarvelin::test::Running() = test->first;
  // The test sees the program's name and what follows the test's name.
  std::vector<char*> args = {argv[0]};
  args.insert(args.end(), argv + 2, argv + argc);
  args.push_back(nullptr);
  int count = argc - 1;
  return test->second(count, args.data());
}
