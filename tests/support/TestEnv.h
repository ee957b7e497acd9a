#pragma once
// What every test program shares: a private HOME and XDG folders, a pinned
// clock and locale, temporary folders, and a clean runtime between tests.
#include <cstddef>
#include <string>
#include "platform/vb/Format.h"

namespace kdtest {

// Points HOME, XDG_* and TMPDIR into a fresh folder, pins LC_ALL, TZ and the
// clock (Tuesday 8 December 2026, 08:15:00), sets QT_QPA_PLATFORM=offscreen.
void InitEnvironment();

// The pinned moment every test starts from.
vb::DateTime PinnedNow();
void PinClock(const vb::DateTime& when);

// Pins the clock to another moment for one scope and back to PinnedNow() when it
// ends, also when a failed assertion leaves the test early.
class ClockPinnedTo {
public:
    explicit ClockPinnedTo(const vb::DateTime& when) { PinClock(when); }
    ~ClockPinnedTo() { PinClock(PinnedNow()); }
    ClockPinnedTo(const ClockPinnedTo&) = delete;
    ClockPinnedTo& operator=(const ClockPinnedTo&) = delete;
};

// A folder made for one test and removed with everything in it afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Writes a file with the given bytes, returns its path.
    std::string write(const std::string& name, const std::string& bytes) const;
private:
    std::string path_;
};

std::string ReadFile(const std::string& path);
// Sets the bytes [from, to) of the file to byte and returns the file's new bytes;
// a range past the file's end is a test failure and leaves the file as it was.
std::string OverwriteBytes(const std::string& path, size_t from, size_t to, char byte);
// Whether the process can ignore file permissions (root): permission tests skip then.
bool RunningAsRoot();

} // namespace kdtest
