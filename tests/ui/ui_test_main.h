// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests share one program, ui_tests. Each test file registers its
// test class under the file's name (TARVELIN_TEST_MAIN at its end), and
// `ui_tests NAME [QtTest options]` runs that class alone in its own process:
// ctest starts one process per file, so every file keeps its own
// QApplication, leak check and screenshots, and the files run side by side.
#pragma once

#include <QApplication>
#include <QString>
#include <QTest>

namespace tarvelin::test {

// A test file's own main: it gets the command line without the test's name.
using TestMain = int (*)(int argc, char* argv[]);

// Registers `main` under the name of `sourceFile` without folder and
// extension; returns true, for a static initializer.
bool RegisterTestMain(const char* sourceFile, TestMain main);

// The name the running test was started under: a test that starts its own
// program as another process passes it first.
QString RunningTestName();

// What QTEST_MAIN does for a widgets test class.
template <class TestClass>
int RunTestClass(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setAttribute(Qt::AA_Use96Dpi, true);
  TestClass test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace tarvelin::test

// In place of QTEST_MAIN(TestClass).
#define TARVELIN_TEST_MAIN(TestClass)                                \
  [[maybe_unused]] static const bool tarvelin_test_main_registered = \
      ::tarvelin::test::RegisterTestMain(                            \
          __FILE__, &::tarvelin::test::RunTestClass<TestClass>)
