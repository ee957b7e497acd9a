#include "support/Sqlite.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace kdtest {

namespace {
// The connection closed however the assertions below leave.
struct Connection {
    sqlite3* db = nullptr;
    ~Connection() { sqlite3_close(db); }
};
} // namespace

void RunSql(const std::string& path, const std::string& sql) {
    Connection c;
    ASSERT_EQ(sqlite3_open(path.c_str(), &c.db), SQLITE_OK) << path;
    ASSERT_EQ(sqlite3_exec(c.db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(c.db);
}

void SwitchToWal(const std::string& path) {
    Connection c;
    ASSERT_EQ(sqlite3_open(path.c_str(), &c.db), SQLITE_OK) << path;
    std::string mode;
    const auto answer = [](void* out, int, char** values, char**) {
        *static_cast<std::string*>(out) = values[0] ? values[0] : "";
        return 0;
    };
    ASSERT_EQ(sqlite3_exec(c.db, "PRAGMA journal_mode = WAL", answer, &mode, nullptr), SQLITE_OK) << sqlite3_errmsg(c.db);
    ASSERT_EQ(mode, "wal") << path;
}

} // namespace kdtest
