#pragma once
// A stand-in xdg-email (or xdg-open) that records its arguments, PATH pointed at it, and
// Python's email parser reading a saved message back.
#include <map>
#include <string>
#include <vector>

#include "support/TestEnv.h"

namespace mailtest {

// Writes an executable program (xdg-email unless named) into folder that stores its
// arguments (NUL separated) in folder/args, then runs extra shell lines and exits with status.
void WriteRecorder(const std::string& folder, int status, const std::string& extra = "",
                   const std::string& program = "xdg-email");
// The arguments the recorder got, or none when it never ran.
std::vector<std::string> RecordedArgs(const std::string& folder);

// Sets PATH for the life of the object.
class PathAs {
public:
    explicit PathAs(const std::string& path);
    ~PathAs();
    PathAs(const PathAs&) = delete;
    PathAs& operator=(const PathAs&) = delete;
private:
    std::string old_;
};

// What Python's email parser reads from an .eml file: "subject", "to" ("<none>"
// when absent), "to.names" and "to.addrs" (each "|"-joined), "body", "filename",
// "attachment" (the bytes, hex), "unsent", "defects" (how many it found).
std::map<std::string, std::string> ParseEml(const std::string& path);
// What Python's URL parser reads from a mailto: URI: "scheme", "to" (the path,
// decoded) and each field of the query ("subject", "body"), absent when not there.
std::map<std::string, std::string> ParseMailto(const std::string& uri, const std::string& scratchFolder);
// The length of the longest header line, without its CR LF.
size_t LongestHeaderLine(const std::string& path);
std::string Hex(const std::string& bytes);

} // namespace mailtest
