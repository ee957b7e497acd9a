#include <string>

#include "platform/dao/Connection.h"
#include "platform/dao/Errors.h"

namespace dao::detail {

namespace {

// Stored table texts may be edited only while this is held; it is let go even on errors.
class WritableSchema {
public:
    explicit WritableSchema(DatabaseImpl& conn) : conn_(conn) { conn_.exec("PRAGMA writable_schema = ON"); }
    ~WritableSchema() { sqlite3_exec(conn_.db, "PRAGMA writable_schema = OFF", nullptr, nullptr, nullptr); }
    WritableSchema(const WritableSchema&) = delete;
    WritableSchema& operator=(const WritableSchema&) = delete;

private:
    DatabaseImpl& conn_;
};

std::string storedText(DatabaseImpl& conn, const std::string& table) {
    const auto stmt = conn.statement("SELECT sql FROM main.sqlite_master WHERE type = 'table' AND name = ?1");
    Use use(*stmt);
    sqlite3_bind_text(*use, 1, table.c_str(), -1, SQLITE_TRANSIENT);
    if (!use.step()) Fail(dao::errnum::NoSuchItem, table);
    return reinterpret_cast<const char*>(sqlite3_column_text(*use, 0));
}

long long schemaVersion(DatabaseImpl& conn) {
    const auto stmt = conn.statement("PRAGMA main.schema_version");
    Use use(*stmt);
    if (!use.step()) Fail(dao::errnum::Reserved);
    return sqlite3_column_int64(*use, 0);
}

} // namespace

// SQLite re-checks every row of the table when the added column carries a CHECK,
// a full scan on a big table. The new column is Null in every existing row, so
// its check cannot fail there: the column is added bare and its check written
// into the stored table text after it, the way SQLite's own ADD COLUMN writes
// the column in, with the schema version raised so every connection rereads it.
void AddColumn(DatabaseImpl& conn, const std::string& table, const Field& f) {
    const std::string declaration = ColumnDeclaration(f);
    conn.exec("ALTER TABLE " + Quote(table) + " ADD COLUMN " + declaration);
    const std::string check = ColumnCheck(f);
    if (check.empty()) return;
    std::string text = storedText(conn, table);
    const size_t at = text.rfind(declaration);
    if (at == std::string::npos) Fail(dao::errnum::Reserved, table);
    text.insert(at + declaration.size(), check);
    const long long version = schemaVersion(conn);
    const WritableSchema writable(conn);
    {
        const auto update = conn.statement("UPDATE main.sqlite_master SET sql = ?1 WHERE type = 'table' AND name = ?2");
        Use use(*update);
        sqlite3_bind_text(*use, 1, text.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(*use, 2, table.c_str(), -1, SQLITE_TRANSIENT);
        use.step();
    }
    conn.exec("PRAGMA main.schema_version = " + std::to_string(version + 1));
}

} // namespace dao::detail
