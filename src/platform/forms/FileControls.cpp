// Drive, folder and file list boxes over the file system.
#include <algorithm>
#include <filesystem>

#include "platform/files/Files.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Dispatcher.h"
#include "platform/vb/Err.h"

namespace forms {

namespace {

std::string currentFolder() {
    std::error_code ec;
    const auto cwd = std::filesystem::current_path(ec);
    return ec ? std::string("/") : cwd.string();
}

// Absolute, without a trailing "/" except for the root itself.
std::string normalFolder(const std::string& p) {
    std::string out = p.empty() || p.front() == '/' ? p : currentFolder() + "/" + p;
    out = std::filesystem::path(out).lexically_normal().string();
    while (out.size() > 1 && out.back() == '/') out.pop_back();
    return out;
}

bool within(const std::string& path, const std::string& root) {
    if (root == "/") return !path.empty() && path.front() == '/';
    return path == root || (path.size() > root.size() && path.compare(0, root.size(), root) == 0 && path[root.size()] == '/');
}

// The root of the drives list that holds the path (the longest that does).
std::string driveOf(const std::string& path, const std::vector<std::string>& drives) {
    std::string best;
    for (const auto& d : drives)
        if (d.size() > best.size() && within(path, d)) best = d;
    return best.empty() ? std::string("/") : best;
}

std::string requireFolder(const std::string& p) {
    const std::string folder = normalFolder(p);
    if (folder.empty() || !files::IsFolder(folder)) vb::Raise(vb::errnum::PathNotFound);
    return folder;
}

bool hasWildcard(const std::string& s) { return s.find_first_of("*?") != std::string::npos; }
} // namespace

// ---- DriveListBox

DriveListBox::DriveListBox(Form* owner, std::string name, int index)
    : Control(owner, std::move(name), index), list_(files::Drives()) {
    drive_ = driveOf(currentFolder(), list_);
}

// A drive, or any path on one: the box shows the drive that holds it.
void DriveListBox::SetDrive(const std::string& d) {
    use();
    const std::string path = normalFolder(d);
    if (path.empty() || !files::IsFolder(path)) vb::Raise(vb::errnum::DeviceUnavailable);
    const std::string drive = driveOf(path, list_);
    if (drive == drive_) return;
    drive_ = drive;
    notify(Prop::ListIndex);
    raise(Change);
}

int DriveListBox::ListIndex() const {
    use();
    const auto it = std::find(list_.begin(), list_.end(), drive_);
    return it == list_.end() ? -1 : static_cast<int>(it - list_.begin());
}

void DriveListBox::Refresh() {
    use();
    list_ = files::Drives();
    notify(Prop::List);
}

void DriveListBox::UserSelect(int index) {
    detail::DispatchScope scope;
    if (!EffectiveEnabled() || !EffectiveVisible() || index < 0 || index >= ListCount()) return;
    SetFocus();
    // The old box reported an unready drive through the Change handler's own trap;
    // here a vanished medium is shown like any untrapped error.
    dispatch([&] { SetDrive(list_[index]); });
}

// ---- DirListBox

DirListBox::DirListBox(Form* owner, std::string name, int index)
    : ListSelection(owner, std::move(name), index), path_(currentFolder()), list_(files::Folders(path_)) {
    SetBackColor(vbWindowBackground);
}

void DirListBox::SetPath(const std::string& p) {
    use();
    const std::string folder = requireFolder(p);
    if (folder == path_) return;
    path_ = folder;
    list_ = files::Folders(path_);
    listIndex_ = -1;
    notify(Prop::List);
    raise(Change);
}

void DirListBox::UserOpen(int index) {
    detail::DispatchScope scope;
    if (!UserCanPick(index)) return;
    SetFocus();
    const std::string target = files::Join(path_, files::BaseName(list_[index]));
    dispatch([&] { SetPath(target); });
}

void DirListBox::UserUp() {
    detail::DispatchScope scope;
    if (!EffectiveEnabled() || !EffectiveVisible() || path_ == "/") return;
    SetFocus();
    const std::string parent = std::filesystem::path(path_).parent_path().string();
    dispatch([&] { SetPath(parent); });
}

void DirListBox::Refresh() {
    use();
    list_ = files::Folders(path_);
    listIndex_ = -1;
    notify(Prop::List);
}

// ---- FileListBox

FileListBox::FileListBox(Form* owner, std::string name, int index)
    : ListSelection(owner, std::move(name), index), path_(currentFolder()) {
    SetBackColor(vbWindowBackground);
    Refresh();
}

void FileListBox::SetPath(const std::string& p) {
    use();
    const std::string folder = requireFolder(p);
    if (folder == path_) return;
    path_ = folder;
    Refresh();
    raise(PathChange);
}

void FileListBox::SetPattern(const std::string& p) {
    use();
    if (p == pattern_) return;
    pattern_ = p;
    Refresh();
    raise(PatternChange);
}

std::string FileListBox::FileName() const {
    use();
    return listIndex_ >= 0 ? list_[listIndex_] : std::string();
}

// A folder part moves Path; a wildcard name becomes the Pattern; a plain name selects its entry.
void FileListBox::SetFileName(const std::string& n) {
    use();
    std::string name = n;
    const auto slash = n.find_last_of('/');
    if (slash != std::string::npos) {
        SetPath(slash == 0 ? std::string("/") : n.substr(0, slash));
        name = n.substr(slash + 1);
    }
    if (hasWildcard(name)) {
        SetPattern(name);
        return;
    }
    int found = -1;
    for (int i = 0; i < ListCount() && found < 0; ++i)
        if (files::PatternMatches(list_[i], name)) found = i;
    SetListIndex(found);
}

void FileListBox::Refresh() {
    use();
    // Dot-files never list; read-only ones only while ReadOnly is on.
    list_ = files::FilesIn(path_, pattern_);
    if (!ReadOnly)
        std::erase_if(list_, [this](const std::string& name) {
            return (files::GetAttr(files::Join(path_, name)) & files::vbReadOnly) != 0;
        });
    listIndex_ = -1;
    notify(Prop::List);
}

} // namespace forms
