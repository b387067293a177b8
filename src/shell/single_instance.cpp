// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QtGlobal>
#include <cerrno>
#include <cstring>

namespace tarvelin {
namespace {

constexpr int kConnectWaitMs = 1000;

QString SocketPath(const QString& lockPath) {
  return lockPath + QStringLiteral(".socket");
}

// ~/.cache/tarvelin with mode 0700, or an empty string when it cannot be
// made or is not private.
QString PrivateFolder() {
  const QString base =
      QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  if (base.isEmpty()) return {};
  const QString folder = base + QStringLiteral("/tarvelin");
  if (!QDir().mkpath(folder)) return {};
  const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
  if (!QFile::setPermissions(folder, ownerOnly)) return {};
  return folder;
}

int OpenLockFile(const QByteArray& path) {
  int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  // flock needs only an open file: a read-only one will do.
  if (fd < 0) fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
  return fd;
}

}  // namespace

QString SingleInstanceLock::DefaultPath() {
  // Qt checks that the runtime folder belongs to this user and has mode
  // 0700, and answers nothing otherwise.
  QString folder =
      QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = PrivateFolder();
  // No folder of the user's own: no shared place to fall back on either.
  if (folder.isEmpty()) return {};
  return QDir(folder).filePath(QStringLiteral("tarvelin.lock"));
}

SingleInstanceLock::SingleInstanceLock(const QString& path, QObject* parent)
    : QObject(parent), path_(path) {}

SingleInstanceLock::~SingleInstanceLock() {
  if (fd_ >= 0) ::close(fd_);  // releases the lock
}

bool SingleInstanceLock::TryAcquire() {
  if (fd_ >= 0) return true;
  if (path_.isEmpty()) {
    qWarning(
        "Tarvelin: no private folder for the lock file; starting "
        "without the single-copy check");
    return true;
  }
  const QByteArray path = QFile::encodeName(path_);
  int fd = OpenLockFile(path);
  if (fd < 0) {
    // Something that is no lock file of ours sits there (a folder, a file
    // we may not read): clear it away once.
    QFile::remove(path_);
    QDir().rmdir(path_);
    fd = OpenLockFile(path);
  }
  if (fd < 0) {
    qWarning(
        "Tarvelin: cannot use the lock file %s (%s); starting without "
        "the single-copy check",
        path.constData(), std::strerror(errno));
    return true;
  }
  int locked = 0;
  do {
    locked = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (locked != 0 && errno == EINTR);
  if (locked != 0) {
    ::close(fd);
    // Another copy holds it: ask that one to come forward.
    QLocalSocket socket;
    socket.connectToServer(SocketPath(path_));
    if (socket.waitForConnected(kConnectWaitMs)) {
      socket.disconnectFromServer();
    }
    return false;
  }
  fd_ = fd;
  // For a person looking: which process holds the lock. Never read back.
  const QByteArray pid = QByteArray::number(qint64(::getpid())) + "\n";
  if (::ftruncate(fd_, 0) == 0) {
    [[maybe_unused]] const ssize_t written =
        ::write(fd_, pid.constData(), static_cast<size_t>(pid.size()));
  }
  Listen();
  return true;
}

void SingleInstanceLock::Listen() {
  const QString socketPath = SocketPath(path_);
  // Holding the lock, any socket file left there is from a copy that ended.
  QLocalServer::removeServer(socketPath);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this,
          &SingleInstanceLock::AnswerSecondCopies);
  if (!server_->listen(socketPath)) {
    qWarning(
        "Tarvelin: cannot listen on %s (%s); a second copy will not "
        "bring this one forward",
        qPrintable(socketPath), qPrintable(server_->errorString()));
  }
}

void SingleInstanceLock::AnswerSecondCopies() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    socket->disconnectFromServer();
    socket->deleteLater();
  }
  emit raiseRequested();
}

}  // namespace tarvelin
