#pragma once
// Another process holding a database file while it lives: it runs the SQL (a
// transaction it leaves open) and waits, so its lock stays as another program's would.
#include <sys/types.h>

#include <string>

namespace kdtest {

class AnnenProsess {
public:
    // "BEGIN EXCLUSIVE" holds the file as a writer; "BEGIN; SELECT ..." as a reader.
    explicit AnnenProsess(const std::string& fil, const std::string& sql = "BEGIN EXCLUSIVE");
    ~AnnenProsess();
    AnnenProsess(const AnnenProsess&) = delete;
    AnnenProsess& operator=(const AnnenProsess&) = delete;

private:
    pid_t pid_ = -1;
};

} // namespace kdtest
