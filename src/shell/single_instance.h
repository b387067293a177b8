// SPDX-License-Identifier: GPL-3.0-or-later
// Tells whether another copy of Tarvelin is already running for this user,
// and lets a second copy bring the first one's window to the front.
//
// The running copy holds an advisory lock (flock) on a file in the user's
// own runtime folder. The kernel drops that lock when the process ends,
// however it ends, so a crash or kill -9 leaves nothing that blocks the next
// start, and what the file holds (nothing, garbage, another host's name, a
// dead process's id) never matters. Beside the file the running copy listens
// on a local socket; a second copy that finds the lock taken connects to it,
// which asks the first copy to come forward.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace tarvelin {

class SingleInstanceLock : public QObject {
  Q_OBJECT

 public:
  // tarvelin.lock in the per-user runtime folder ($XDG_RUNTIME_DIR), or,
  // when there is none fit for use (missing, or not the user's own with mode
  // 0700), in ~/.cache/tarvelin, made with mode 0700; empty when neither
  // can be had (the lock is then skipped, never put in a shared place).
  static QString DefaultPath();

  explicit SingleInstanceLock(const QString& path = DefaultPath(),
                              QObject* parent = nullptr);
  ~SingleInstanceLock() override;

  // True when this copy may run: it now holds the lock, or the lock file
  // cannot be made at all (a copy is never kept from starting by a broken
  // lock; a warning says so). False when another copy holds the lock; that
  // copy has been asked to come forward.
  bool TryAcquire();

 signals:
  // A second copy was started and asked this one to come forward.
  void raiseRequested();

 private:
  void Listen();
  void AnswerSecondCopies();

  QString path_;
  int fd_ = -1;
  QLocalServer* server_ = nullptr;
};

}  // namespace tarvelin
