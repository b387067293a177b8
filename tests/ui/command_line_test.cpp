// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's command line, run as a user runs it: without a
// display --help and --version are answered, an unknown option is refused,
// and a missing or unreachable display is said in one line; a failed write
// of --help or --version fails the program.
#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

#include "tarvelin_version.h"
#include "ui_test_main.h"

namespace {

struct Ended {
  int status = -1;
  QString out, err;
};

// Runs the desktop program with `arguments`, DISPLAY set to `display`
// (unset when empty), no other display or platform, and standard output
// going to `outputFile` (captured when empty).
Ended RunApp(const QStringList& arguments, const QString& display = {},
             const QString& outputFile = {}) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    environment.remove(variable);
  if (!display.isEmpty()) environment.insert("DISPLAY", display);
  QProcess app;
  app.setProcessEnvironment(environment);
  if (!outputFile.isEmpty()) app.setStandardOutputFile(outputFile);
  app.start(TARVELIN_APP, arguments);
  Ended ended;
  if (!app.waitForFinished(30000) || app.exitStatus() != QProcess::NormalExit)
    return ended;
  ended.status = app.exitCode();
  ended.out = QString::fromLocal8Bit(app.readAllStandardOutput());
  ended.err = QString::fromLocal8Bit(app.readAllStandardError());
  return ended;
}

}  // namespace

class CommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void answersWithoutADisplay_data();
  void answersWithoutADisplay();
  void failedWritesFail_data();
  void failedWritesFail();
};

void CommandLineTest::answersWithoutADisplay_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<QString>("display");
  QTest::addColumn<int>("status");
  QTest::addColumn<QString>("out");  // a line of standard output
  QTest::addColumn<QString>("err");  // all of standard error

  const QString version = "Tarvelin " TARVELIN_VERSION "\n";
  const QString noDisplay =
      "tarvelin: no display: set DISPLAY or use tarvelin-cli\n";
  QTest::newRow("--version")
      << QStringList{"--version"} << "" << 0 << version << "";
  QTest::newRow("-v") << QStringList{"-v"} << "" << 0 << version << "";
  QTest::newRow("-V") << QStringList{"-V"} << "" << 0 << version << "";
  QTest::newRow("--help") << QStringList{"--help"} << "" << 0
                          << "  -v, --version  "
                          << "";
  QTest::newRow("-h beside a Qt option")
      << QStringList{"-style", "fusion", "-h"} << "" << 0 << "Usage: "
      << "";
  QTest::newRow("--help-all shows Qt's options")
      << QStringList{"--help-all"} << "" << 0 << "  --platform <name>  "
      << "";
  QTest::newRow("unknown option") << QStringList{"--bogus"} << "" << 1 << ""
                                  << "tarvelin: Unknown option 'bogus'.\n";
  QTest::newRow("unknown option beside --version")
      << QStringList{"--version", "-x"} << "" << 1 << ""
      << "tarvelin: Unknown option 'x'.\n";
  QTest::newRow("no display") << QStringList{} << "" << 1 << "" << noDisplay;
  QTest::newRow("no display, a Qt option")
      << QStringList{"-style", "fusion"} << "" << 1 << "" << noDisplay;
  // A display named but not there: the toolkit's own warning comes first.
  QTest::newRow("unreachable display")
      << QStringList{} << ":97" << 1 << "" << noDisplay;
}

void CommandLineTest::answersWithoutADisplay() {
  QFETCH(QStringList, arguments);
  QFETCH(QString, display);
  QFETCH(int, status);
  QFETCH(QString, out);
  QFETCH(QString, err);
  const Ended ended = RunApp(arguments, display);
  QCOMPARE(ended.status, status);
  if (out.isEmpty()) {
    QCOMPARE(ended.out, QString());
  } else {
    QVERIFY2(ended.out.contains(out), qPrintable(ended.out));
  }
  if (display.isEmpty()) {
    QCOMPARE(ended.err, err);
  } else {
    QVERIFY2(ended.err.endsWith(err), qPrintable(ended.err));
  }
}

void CommandLineTest::failedWritesFail_data() {
  QTest::addColumn<QString>("option");
  QTest::newRow("--version") << "--version";
  QTest::newRow("--help") << "--help";
}

void CommandLineTest::failedWritesFail() {
  QFETCH(QString, option);
  const Ended ended = RunApp({option}, {}, "/dev/full");
  QCOMPARE(ended.status, 1);
  QCOMPARE(ended.err,
           QString("tarvelin: write error: No space left on device\n"));
}

TARVELIN_TEST_MAIN(CommandLineTest);
#include "command_line_test.moc"
