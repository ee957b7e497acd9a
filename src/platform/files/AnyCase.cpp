#include <filesystem>

#include "platform/files/Files.h"
#include "platform/vb/Strings.h"

namespace files {

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

} // namespace

std::string FindInAnyCase(const std::string& path) {
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

} // namespace files
