// SPDX-License-Identifier: GPL-3.0-or-later
// Only one copy runs at a time, across real processes; a copy that crashed or
// a lock file with any content does not block the next start; a second copy
// brings the first forward. The test program doubles as the other copy: with
// "--hold-lock PATH" it takes the lock and waits, with "--try-lock PATH" it
// reports by its exit code whether it got the lock.
#include "shell/single_instance.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWindow>
#include <QtTest>
#include <cstdio>

#include "shell/application.h"
#include "ui_test_main.h"
#include "ui_test_support.h"
#include "widgets/common/app_seams.h"
#include "widgets/input/frm_main.h"

using namespace tarvelin;

namespace {

constexpr int kGotLock = 0;
constexpr int kLockBusy = 1;
constexpr int kProcessWaitMs = 30000;

int HoldLock(const QString& path) {
  SingleInstanceLock lock(path);
  if (!lock.TryAcquire()) return kLockBusy;
  std::puts("held");
  std::fflush(stdout);
  // Hold until the parent closes our input or kills us.
  char buffer[64];
  while (std::fgets(buffer, sizeof buffer, stdin) != nullptr) {
  }
  return kGotLock;
}

int TryLock(const QString& path) {
  SingleInstanceLock lock(path);
  return lock.TryAcquire() ? kGotLock : kLockBusy;
}

}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(dir_.isValid()); }
  void secondProcessIsRefusedWhileTheFirstRuns();
  void crashedCopyDoesNotBlockTheNextStart();
  void leftoverLockFileDoesNotBlock_data();
  void leftoverLockFileDoesNotBlock();
  void leftoverSettingsLockDoesNotDelayTheStart_data() {
    leftoverLockFileDoesNotBlock_data();
  }
  void leftoverSettingsLockDoesNotDelayTheStart();
  void secondCopyBringsTheFirstForward();
  void lockLivesInTheRuntimeFolder();
  void startApplicationSaysSoAndShowsNothing();

 private:
  QString LockPath() const { return dir_.filePath("tarvelin.lock"); }
  // Starts a copy that holds the lock; returns once it does.
  bool StartHolder(QProcess& holder);
  int TryInChild();

  QTemporaryDir dir_;
};

bool SingleInstanceTest::StartHolder(QProcess& holder) {
  holder.start(QCoreApplication::applicationFilePath(),
               {test::RunningTestName(), "--hold-lock", LockPath()});
  if (!holder.waitForStarted(kProcessWaitMs)) return false;
  if (!holder.waitForReadyRead(kProcessWaitMs)) return false;
  return holder.readLine().trimmed() == "held";
}

int SingleInstanceTest::TryInChild() {
  QProcess child;
  child.start(QCoreApplication::applicationFilePath(),
              {test::RunningTestName(), "--try-lock", LockPath()});
  if (!child.waitForFinished(kProcessWaitMs)) return -1;
  return child.exitCode();
}

void SingleInstanceTest::secondProcessIsRefusedWhileTheFirstRuns() {
  QProcess first;
  QVERIFY(StartHolder(first));
  QCOMPARE(TryInChild(), kLockBusy);
  // The first copy ends normally: the next one starts.
  first.closeWriteChannel();
  QVERIFY(first.waitForFinished(kProcessWaitMs));
  QCOMPARE(first.exitCode(), kGotLock);
  QCOMPARE(TryInChild(), kGotLock);
}

void SingleInstanceTest::crashedCopyDoesNotBlockTheNextStart() {
  QProcess first;
  QVERIFY(StartHolder(first));
  first.kill();  // no chance to remove its lock file
  QVERIFY(first.waitForFinished(kProcessWaitMs));
  QVERIFY(QFile::exists(LockPath()));
  QCOMPARE(TryInChild(), kGotLock);
}

// What a lock file holds never decides: only a live holder does.
void SingleInstanceTest::leftoverLockFileDoesNotBlock_data() {
  QTest::addColumn<QByteArray>("contents");
  QTest::newRow("empty") << QByteArray();
  QTest::newRow("garbage") << QByteArray("\x00\xff\x13garbage\n\n\n", 13);
  QTest::newRow("another host") << QByteArray("4242\nelsewhere\ntarvelin\n");
  QTest::newRow("dead process") << QByteArray("2147483646\n");
}

void SingleInstanceTest::leftoverLockFileDoesNotBlock() {
  QFETCH(QByteArray, contents);
  QFile file(LockPath());
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  QCOMPARE(file.write(contents), contents.size());
  file.close();
  SingleInstanceLock lock(LockPath());
  QVERIFY(lock.TryAcquire());
  // And the lock is really held.
  QCOMPARE(TryInChild(), kLockBusy);
}

// Nor does what the settings' lock file holds: the start writes the update
// reminder's dates at once, with the real settings store.
void SingleInstanceTest::leftoverSettingsLockDoesNotDelayTheStart() {
  QFETCH(QByteArray, contents);
  QTemporaryDir config;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                     config.path());
  const QString settingsFile = config.filePath("Tarvelin/Tarvelin.conf");
  QVERIFY(QDir().mkpath(config.filePath("Tarvelin")));
  QFile lock(settingsFile + ".lock");
  QVERIFY(lock.open(QIODevice::WriteOnly));
  QCOMPARE(lock.write(contents), contents.size());
  lock.close();

  test::SeamRecorder seams;
  SetSettingsStore(nullptr);  // QSettings itself
  QElapsedTimer started;
  started.start();
  {
    Application app(LockPath());
    QVERIFY(app.StartApplication(QDate(2024, 3, 15)));
  }
  QVERIFY2(started.elapsed() < 5000,
           qPrintable(QString::number(started.elapsed()) + " ms"));
  QVERIFY(QFileInfo(settingsFile).size() > 0);
  QVERIFY(!QFile::exists(settingsFile + ".lock"));
}

void SingleInstanceTest::secondCopyBringsTheFirstForward() {
  test::SeamRecorder seams;
  Application first(LockPath());
  QVERIFY(first.StartApplication(QDate(2024, 3, 15)));
  first.inputForm()->showMinimized();
  QVERIFY(first.inputForm()->isMinimized());
  QCOMPARE(TryInChild(), kLockBusy);
  QTRY_VERIFY_WITH_TIMEOUT(!first.inputForm()->isMinimized(), kProcessWaitMs);
  QVERIFY(first.inputForm()->isVisible());
  QVERIFY(seams.messages.empty());
}

void SingleInstanceTest::lockLivesInTheRuntimeFolder() {
  const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
  QVERIFY(QFile::setPermissions(
      dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir_.path()));
  const QString path = SingleInstanceLock::DefaultPath();
  saved.isNull() ? qunsetenv("XDG_RUNTIME_DIR")
                 : qputenv("XDG_RUNTIME_DIR", saved);
  QCOMPARE(QFileInfo(path).absolutePath(),
           QFileInfo(dir_.path()).absoluteFilePath());
}

void SingleInstanceTest::startApplicationSaysSoAndShowsNothing() {
  test::SeamRecorder seams;
  QProcess first;
  QVERIFY(StartHolder(first));
  {
    Application second(LockPath());
    QVERIFY(!second.StartApplication(QDate(2024, 3, 15)));
    QCOMPARE(seams.messageTexts(),
             QStringList{"Application is already running"});
    QCOMPARE(seams.messages.front().icon, MessageIcon::Information);
    QCOMPARE(seams.messages.front().buttons, MessageButtons::Ok);
    QVERIFY(second.inputForm() == nullptr);
    for (QWidget* window : QApplication::topLevelWidgets()) {
      QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }
    // The reminder did not run either.
    QVERIFY(seams.store->values.isEmpty());
  }
  first.closeWriteChannel();
  QVERIFY(first.waitForFinished(kProcessWaitMs));

  // With the first copy gone, a start goes through.
  Application third(LockPath());
  QVERIFY(third.StartApplication(QDate(2024, 3, 15)));
  QVERIFY(third.inputForm() != nullptr && third.inputForm()->isVisible());
}

namespace {

int SingleInstanceMain(int argc, char* argv[]) {
  if (argc == 3 && QByteArray(argv[1]) == "--hold-lock") {
    QCoreApplication app(argc, argv);
    return HoldLock(QString::fromLocal8Bit(argv[2]));
  }
  if (argc == 3 && QByteArray(argv[1]) == "--try-lock") {
    QCoreApplication app(argc, argv);
    return TryLock(QString::fromLocal8Bit(argv[2]));
  }
  QApplication app(argc, argv);
  SingleInstanceTest test;
  return QTest::qExec(&test, argc, argv);
}

[[maybe_unused]] const bool registered =
    test::RegisterTestMain(__FILE__, &SingleInstanceMain);

}  // namespace

#include "single_instance_test.moc"
