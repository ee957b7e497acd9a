#pragma once
// A file written whole or not at all. The bytes (or a database the caller builds
// at TempPath) go to a temporary file beside the target, locked for as long as its
// writer lives; Commit flushes it and its folder to disk and renames it onto the
// target. Without Commit the temporary file and its journal go. Every temporary
// file of ours whose writer is gone (killed, or the machine stopped) is cleared from
// the folder when the next whole file is started in it.
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace files {

class WholeFile {
public:
    // 76 when the folder is missing, 70 when it may not be written, 61 disk full, 57 I/O error.
    explicit WholeFile(const std::string& target);
    ~WholeFile();
    WholeFile(const WholeFile&) = delete;
    WholeFile& operator=(const WholeFile&) = delete;

    const std::string& Target() const { return target_; }
    // Where the new file lies until Commit: an empty file, locked, for a database to be made in.
    const std::string& TempPath() const { return temp_; }
    // Buffered writes to the temporary file; a failure is raised by Commit.
    std::ostream& Stream();
    void Write(std::string_view bytes);
    void SetMode(unsigned mode);   // the permission bits the target gets

    enum class Replace { Existing, Never };
    // Never: 58 when a file of the target's name appeared meanwhile (the temporary file then goes).
    void Commit(Replace replace = Replace::Existing);

private:
    class Buffer;
    std::string target_, folder_, temp_;
    int fd_ = -1;
    std::unique_ptr<Buffer> buffer_;
    std::unique_ptr<std::ostream> stream_;
};

} // namespace files
