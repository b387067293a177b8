// Tells whether another copy of Tarvelin is already running for this user.
// The running copy holds a lock file; a copy that crashed leaves a lock whose
// process is gone, and such a stale lock is taken over.
#pragma once

#include <QLockFile>
#include <QString>

namespace tarvelin {

class SingleInstanceLock {
 public:
  // The lock file every copy of this user shares.
  static QString DefaultPath();

  explicit SingleInstanceLock(const QString& path = DefaultPath());

  // True when this copy now holds the lock (no other copy is running);
  // false when a running copy holds it or the file cannot be made.
  bool TryAcquire();
  bool IsHeld() const { return lock_.isLocked(); }

 private:
  QLockFile lock_;
};

}  // namespace tarvelin
