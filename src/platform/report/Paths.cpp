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
#include "platform/vb/Strings.h"

namespace report {

namespace fs = std::filesystem;

namespace {

// The entry of folder named like name without regard to case, or name itself.
std::string entryLike(const std::string& folder, const std::string& name) {
    std::error_code ec;
    if (name == "." || name == ".." || fs::exists(fs::path(folder) / name, ec)) return name;
    const std::string wanted = vb::UCase(name);
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        if (vb::UCase(candidate) == wanted) return candidate;
    }
    return name;
}

[[noreturn]] void cannotWrite(const std::string& path, const std::string& why) {
    vb::Raise(errnum::CannotWriteOutput, "Kan ikke skrive rapportfilen '" + path + "': " + why);
}

mode_t fileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::string FindWithoutCase(const std::string& path) {
    std::string out = path.starts_with('/') ? "/" : "";
    size_t from = path.starts_with('/') ? 1 : 0;
    while (from <= path.size()) {
        size_t slash = path.find('/', from);
        if (slash == std::string::npos) slash = path.size();
        const std::string part = path.substr(from, slash - from);
        if (!part.empty()) {
            const std::string folder = out.empty() ? "." : out;
            if (!out.empty() && out.back() != '/') out += '/';
            out += entryLike(folder, part);
        }
        from = slash + 1;
    }
    return out;
}

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
