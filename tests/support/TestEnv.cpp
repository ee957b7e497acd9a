#include "support/TestEnv.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace kdtest {

namespace {
std::string makeUniqueFolder(const fs::path& under, const std::string& prefix) {
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path p = under / (prefix + std::to_string(::getpid()) + "-" + std::to_string(rd()));
        std::error_code ec;
        if (fs::create_directory(p, ec)) return p.string();
    }
    throw std::runtime_error("cannot make a temporary folder");
}
std::string g_root;
} // namespace

vb::DateTime PinnedNow() { return vb::DateTime{2026, 12, 8, 8, 15, 0}; }

void PinClock(const vb::DateTime& when) {
    vb::SetClock([when] { return when; });
}

void InitEnvironment() {
    g_root = makeUniqueFolder(fs::temp_directory_path(), "kd-test-");
    const std::string home = g_root + "/home";
    fs::create_directories(home);
    for (const char* sub : {"/.config", "/.local/share", "/.cache", "/run", "/tmp"}) fs::create_directories(home + sub);
    fs::permissions(home + "/run", fs::perms::owner_all, fs::perm_options::replace);
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (home + "/.cache").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (home + "/run").c_str(), 1);
    ::setenv("TMPDIR", (home + "/tmp").c_str(), 1);
    ::setenv("LC_ALL", "C.UTF-8", 1);
    ::setenv("TZ", "UTC", 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    PinClock(PinnedNow());
    std::atexit([] {
        std::error_code ec;
        if (!g_root.empty()) fs::remove_all(g_root, ec);
    });
}

TempDir::TempDir() {
    const char* tmp = std::getenv("TMPDIR");
    path_ = makeUniqueFolder(tmp ? fs::path(tmp) : fs::temp_directory_path(), "t-");
}

TempDir::~TempDir() {
    std::error_code ec;
    // Give write permission back so read-only test files can be removed.
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string TempDir::write(const std::string& name, const std::string& bytes) const {
    const std::string p = file(name);
    std::ofstream out(p, std::ios::binary);
    out << bytes;
    return p;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string OverwriteBytes(const std::string& path, size_t from, size_t to, char byte) {
    std::string bytes = ReadFile(path);
    if (from > to || to > bytes.size()) {
        ADD_FAILURE() << path << " has " << bytes.size() << " bytes, too few to overwrite " << from << ".." << to;
        return bytes;
    }
    bytes.replace(from, to - from, to - from, byte);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return bytes;
}

bool RunningAsRoot() { return ::geteuid() == 0; }

} // namespace kdtest
