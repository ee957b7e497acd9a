// One copy per user: a lock file in the user's runtime folder. QLockFile
// notices a lock left by a copy that died and takes it over.
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <memory>

#include "qtview/QtHost.h"

namespace qtview {

bool AcquireInstanceLock() {
    // Held for the life of the program.
    static std::unique_ptr<QLockFile> held;
    if (held) return false;
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    QDir().mkpath(folder);
    auto lock = std::make_unique<QLockFile>(folder + QStringLiteral("/KvistrelDommer.lock"));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return lock->error() == QLockFile::LockFailedError;
    held = std::move(lock);
    return false;
}

} // namespace qtview
