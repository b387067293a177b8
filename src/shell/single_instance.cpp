#include "shell/single_instance.h"

#include <QDir>

namespace tarvelin {

QString SingleInstanceLock::DefaultPath() {
  QString user = qEnvironmentVariable("USER");
  if (user.isEmpty()) user = qEnvironmentVariable("USERNAME");
  return QDir::temp().filePath(QStringLiteral("tarvelin-%1.lock").arg(user));
}

SingleInstanceLock::SingleInstanceLock(const QString& path) : lock_(path) {
  // A lock is stale only when its process is gone, never by its age: a copy
  // may run for days.
  lock_.setStaleLockTime(0);
}

bool SingleInstanceLock::TryAcquire() {
  if (lock_.isLocked()) return true;
  return lock_.tryLock(0);
}

}  // namespace tarvelin
