#pragma once
// Paths as the program names them: the file system it ran on found names
// without regard to case.
#include <fstream>
#include <string>
#include <vector>

namespace report {

// The path with each part that exists under another case spelled as it lies
// on disk; parts that do not exist are kept as given.
std::string FindWithoutCase(const std::string& path);

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
