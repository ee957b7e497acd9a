#pragma once
// The report file, written whole or not at all.
#include <fstream>
#include <string>
#include <vector>

namespace report {

// A file written through a temporary file in the same folder and renamed
// into place by Commit, so a failed run never leaves half a file; without
// Commit the temporary file goes away. Raises 20507 when it cannot be written.
class WholeFile {
public:
    explicit WholeFile(const std::string& path);
    ~WholeFile();
    WholeFile(const WholeFile&) = delete;
    WholeFile& operator=(const WholeFile&) = delete;
    std::ostream& Stream() { return out_; }
    void Commit();

private:
    std::string path_, temp_;
    std::vector<char> buffer_;
    std::ofstream out_;
    bool committed_ = false;
};

} // namespace report
