// One copy per user: a lock on a file in the user's runtime folder. The kernel lets
// go of the lock when a copy dies, so a dead copy's file is simply locked again;
// nothing is written, so the start waits on no disk.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QStandardPaths>
#include <string>

#include "qtview/QtHost.h"

namespace qtview {

namespace {

// Held for the life of the program; the file goes with it.
class HeldLock {
public:
    HeldLock(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
    ~HeldLock() {
        ::unlink(path_.c_str());
        ::close(fd_);
    }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;

private:
    std::string path_;
    int fd_;
};

enum class Outcome { Taken, HeldByAnother, Unusable };

Outcome lockFile(const std::string& path, int& fd) {
    // A copy that ends between our open and our lock unlinks the file we opened:
    // locking that file would leave the next copy free to make and lock a new one.
    for (int attempt = 0; attempt < 10; ++attempt) {
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0) return Outcome::Unusable;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool held = errno == EWOULDBLOCK;
            ::close(fd);
            return held ? Outcome::HeldByAnother : Outcome::Unusable;
        }
        struct stat opened {}, named {};
        if (::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
            opened.st_ino == named.st_ino)
            return Outcome::Taken;
        ::close(fd);
    }
    return Outcome::Unusable;
}

} // namespace

bool AcquireInstanceLock() {
    static std::unique_ptr<HeldLock> held;
    if (held) return false;
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    QDir().mkpath(folder);
    const std::string path = QDir(folder).filePath(QStringLiteral("KvistrelDommer.lock")).toStdString();
    int fd = -1;
    // A lock that cannot be made at all does not keep the user from the program.
    const Outcome outcome = lockFile(path, fd);
    if (outcome == Outcome::Taken) held = std::make_unique<HeldLock>(path, fd);
    return outcome == Outcome::HeldByAnother;
}

} // namespace qtview
