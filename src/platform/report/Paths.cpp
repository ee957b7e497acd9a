#include "platform/report/Paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/report/ReportErrors.h"
#include "platform/vb/Err.h"

namespace report {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void cannotWrite(const std::string& path, const std::string& why) {
    vb::Raise(errnum::CannotWriteOutput, "Kan ikke skrive rapportfilen '" + path + "': " + why);
}

mode_t fileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

WholeFile::WholeFile(const std::string& path) : path_(path) {
    if (path.empty() || path.back() == '/') cannotWrite(path, "ingen filnavn");
    const fs::path target(path);
    const std::string folder = target.parent_path().empty() ? "." : target.parent_path().string();
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) cannotWrite(path, "mappen finnes ikke");
    if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) cannotWrite(path, "det er en mappe");
    temp_ = folder + "/." + target.filename().string() + ".XXXXXX";
    const int fd = ::mkstemp(temp_.data());
    if (fd < 0) cannotWrite(path, std::strerror(errno));
    const bool modeSet = ::fchmod(fd, fileMode()) == 0;
    const int err = errno;
    ::close(fd);
    if (!modeSet) {
        ::unlink(temp_.c_str());
        cannotWrite(path, std::strerror(err));
    }
    buffer_.resize(1 << 16);
    out_.rdbuf()->pubsetbuf(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    out_.open(temp_, std::ios::binary | std::ios::trunc);
    if (!out_) {
        ::unlink(temp_.c_str());
        cannotWrite(path, "filen kan ikke åpnes");
    }
}

WholeFile::~WholeFile() {
    if (committed_) return;
    out_.close();
    ::unlink(temp_.c_str());
}

void WholeFile::Commit() {
    out_.close();
    if (out_.fail()) cannotWrite(path_, "skrivingen feilet");
    if (::rename(temp_.c_str(), path_.c_str()) != 0) cannotWrite(path_, std::strerror(errno));
    committed_ = true;
}

} // namespace report
