#pragma once
// A prepared SQLite statement that can be finalized early (when its connection
// closes while a recordset still holds it), and the binding of Variants.
#include <sqlite3.h>

#include <string>

#include "platform/dao/Dao.h"

namespace dao::detail {

class Statement {
public:
    Statement(sqlite3* db, const std::string& sql);   // raises the engine's error on a bad text
    ~Statement() { finalize(); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const;    // 3420 once finalized
    bool live() const { return stmt_ != nullptr; }
    void finalize();
    const std::string& sql() const { return sql_; }
private:
    sqlite3_stmt* stmt_ = nullptr;
    std::string sql_;
};

// Resets a statement when the use ends, so no statement is left running
// between calls (a running one would block DDL). Every use binds all of the
// statement's parameters, so the old bindings stay: their memory is reused.
class Use {
public:
    explicit Use(Statement& s) : stmt_(s.get()) {}
    ~Use() { sqlite3_reset(stmt_); }
    Use(const Use&) = delete;
    Use& operator=(const Use&) = delete;
    sqlite3_stmt* operator*() const { return stmt_; }
    bool step();    // true with a row, false when done; raises on errors
private:
    sqlite3_stmt* stmt_;
};

// One step: true with a row, false when done; on an error the statement is reset and it raises.
bool Step(sqlite3_stmt* stmt);

void Bind(sqlite3_stmt* stmt, int index, const Variant& value);
// Binds the ? marks in order: 3061 when too few values are given, 5 when too many.
void BindAll(sqlite3_stmt* stmt, const Params& params);
// An SQL identifier in double quotes.
std::string Quote(std::string_view identifier);

} // namespace dao::detail
