#include <cctype>
#include <charconv>
#include <limits>
#include <optional>

#include "platform/dao/Connection.h"
#include "platform/dao/Errors.h"
#include "platform/dao/JetSql.h"
#include "platform/dao/Values.h"

namespace dao {

using detail::Fail;
using detail::Quote;

namespace {

std::string firstWord(std::string_view sql) {
    size_t i = 0;
    while (i < sql.size() && std::isspace(static_cast<unsigned char>(sql[i]))) ++i;
    std::string w;
    while (i < sql.size() && std::isalpha(static_cast<unsigned char>(sql[i]))) w += static_cast<char>(std::toupper(static_cast<unsigned char>(sql[i++])));
    return w;
}

DatabaseImpl& live(const std::shared_ptr<DatabaseImpl>& impl) {
    if (!impl || !impl->db) Fail(dao::errnum::ObjectInvalid);
    return *impl;
}

bool indexExists(DatabaseImpl& conn, const std::string& stored) {
    const auto stmt = conn.statement("SELECT 1 FROM main.sqlite_master WHERE type = 'index' AND lower(name) = lower(?1)");
    detail::Use use(*stmt);
    sqlite3_bind_text(*use, 1, stored.c_str(), -1, SQLITE_TRANSIENT);
    return use.step();
}

// Text columns are indexed in binary order: an index built on our own NOCASE
// would be unsound for any other SQLite tool that opens the file.
void createIndex(DatabaseImpl& conn, const detail::TableInfo& table, const Index& index) {
    if (index.Name.empty()) Fail(dao::errnum::BadName, index.Name);
    if (index.FieldName.empty()) Fail(dao::errnum::NoFieldDefined, index.Name);
    const int k = table.find(index.FieldName);
    if (k < 0) Fail(dao::errnum::NoSuchItem, index.FieldName);
    const auto& column = table.columns[static_cast<size_t>(k)];
    const std::string stored = detail::StoredIndexName(table.name, index.Name);
    if (indexExists(conn, stored)) Fail(dao::errnum::IndexExists, index.Name);
    const bool text = column.type == dbText || column.type == dbMemo;
    conn.exec(std::string("CREATE ") + (index.Unique || index.Primary ? "UNIQUE " : "") + "INDEX " + Quote(stored) + " ON " +
              Quote(table.name) + " (" + Quote(column.name) + (text ? " COLLATE BINARY" : "") + ")");
}

std::shared_ptr<const detail::TableInfo> existingTable(DatabaseImpl& conn, const std::string& name) {
    auto info = conn.table("main", name);
    if (!info) Fail(dao::errnum::NoSuchItem, name);
    return info;
}

// Runs a schema change as one step: all of it lands, or none.
template <class F> void atomically(DatabaseImpl& conn, F&& change) {
    detail::Writing writing(conn);
    conn.exec("SAVEPOINT dao_schema");
    try {
        change();
    } catch (...) {
        sqlite3_exec(conn.db, "ROLLBACK TO dao_schema; RELEASE dao_schema;", nullptr, nullptr, nullptr);
        conn.schemaChanged();
        throw;
    }
    conn.exec("RELEASE dao_schema");
    writing.commit();
    conn.schemaChanged();
}

} // namespace

Field::Field(std::string name, int type, int size) : Name(std::move(name)), Type(type), Size(size) {}

std::string TypeName(int type) {
    switch (type) {
    case dbBoolean: return "Boolean";
    case dbByte: return "Byte";
    case dbInteger: return "Integer";
    case dbLong: return "Long";
    case dbCurrency: return "Currency";
    case dbSingle: return "Single";
    case dbDouble: return "Double";
    case dbDate: return "Date/Time";
    case dbText: return "Text";
    case dbLongBinary: return "Long Binary";
    case dbMemo: return "Memo";
    default: return "";
    }
}

// ---- TableDef ----

const Field* TableDef::FindField(const std::string& name) const {
    for (const auto& f : Fields)
        if (detail::SameName(f.Name, name)) return &f;
    return nullptr;
}

void TableDef::Fields_Append(const Field& f) {
    if (f.Name.empty()) Fail(dao::errnum::BadName, f.Name);
    if (!db_) {
        if (FindField(f.Name)) Fail(dao::errnum::FieldExists, f.Name);
        Fields.push_back(f);
        return;
    }
    DatabaseImpl& conn = live(db_);
    if (conn.readOnly) Fail(dao::errnum::CannotUpdate);
    const auto table = existingTable(conn, Name);
    if (table->find(f.Name) >= 0) Fail(dao::errnum::FieldExists, f.Name);
    atomically(conn, [&] { detail::AddColumn(conn, table->name, f); });
    Field added = f;
    added.OrdinalPosition = static_cast<int>(table->columns.size());
    Fields.push_back(added);
}

void TableDef::Indexes_Append(const Index& i) {
    for (const auto& existing : Indexes)
        if (detail::SameName(existing.Name, i.Name)) Fail(dao::errnum::IndexExists, i.Name);
    if (!db_) {
        if (i.FieldName.empty()) Fail(dao::errnum::NoFieldDefined, i.Name);
        Indexes.push_back(i);
        return;
    }
    DatabaseImpl& conn = live(db_);
    if (conn.readOnly) Fail(dao::errnum::CannotUpdate);
    const auto table = existingTable(conn, Name);
    atomically(conn, [&] { createIndex(conn, *table, i); });
    Indexes.push_back(i);
}

// ---- Database ----

bool Database::IsOpen() const { return impl_ && closed_ && !*closed_ && impl_->db; }

std::string Database::Name() const {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    return impl_->path;
}

bool Database::AsLastLeft() const { return IsOpen() && detail::ForeignChange(*impl_) == 0; }

void Database::Execute(const std::string& sql, const Params& params) {
    if (!IsOpen()) Fail(dao::errnum::ObjectInvalid);
    DatabaseImpl& conn = *impl_;
    const std::string translated = detail::TranslateSql(sql);
    const auto stmt = conn.statement(translated);
    detail::Use use(*stmt);
    const std::string verb = firstWord(translated);
    // A pragma answers with a row even when it sets something; only a selection is refused.
    if (sqlite3_column_count(*use) > 0 && sqlite3_stmt_readonly(*use) && verb != "PRAGMA")
        Fail(dao::errnum::SelectNotExecutable);
    detail::BindAll(*use, params);
    std::optional<detail::Writing> writing;
    if (!sqlite3_stmt_readonly(*use) && verb != "PRAGMA") writing.emplace(conn);
    while (use.step()) {
    }
    conn.affected = sqlite3_changes(conn.db);
    if (writing) writing->commit();
    if (verb == "CREATE" || verb == "ALTER" || verb == "DROP") conn.schemaChanged();
}

void Database::Scan(const std::string& sql, const std::function<void(const std::vector<Variant>&)>& row,
                    const Params& params) const {
    std::vector<Variant> values;
    ScanCells(
        sql,
        [&](const Cells& cells) {
            values.resize(static_cast<size_t>(cells.Count()));
            for (size_t i = 0; i < values.size(); ++i) values[i] = cells.Value(static_cast<int>(i));
            row(values);
        },
        params);
}

void Database::ScanCells(const std::string& sql, const std::function<void(const Cells&)>& row,
                         const Params& params) const {
    if (!IsOpen()) Fail(dao::errnum::ObjectInvalid);
    const auto stmt = impl_->statement(detail::TranslateSql(sql));
    detail::Use use(*stmt);
    detail::BindAll(*use, params);
    const Cells cells(*use);
    while (use.step()) row(cells);
}

// ---- Cells ----
// Each cell is fetched from the statement once and read as a value: every sqlite3_column_*
// call checks the statement anew. Safe here: a connection is only ever used by one thread.

namespace {

// A whole number the reading gives as a Long: anything else reads through the Variant.
bool whole(sqlite3_value* cell, int storage, sqlite3_int64& v) {
    if (storage != SQLITE_INTEGER) return false;
    v = sqlite3_value_int64(cell);
    return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max();
}

} // namespace

int Cells::Count() const { return sqlite3_column_count(stmt_); }

Variant Cells::Value(int column) const { return detail::ReadValue(stmt_, column, 0); }

std::optional<int32_t> Cells::Long(int column) const {
    sqlite3_value* cell = sqlite3_column_value(stmt_, column);
    const int storage = sqlite3_value_type(cell);
    if (storage == SQLITE_NULL) return std::nullopt;
    sqlite3_int64 v;
    return whole(cell, storage, v) ? static_cast<int32_t>(v) : Value(column).ToLong();
}

bool Cells::AppendText(int column, std::string& to) const {
    sqlite3_value* cell = sqlite3_column_value(stmt_, column);
    const int storage = sqlite3_value_type(cell);
    sqlite3_int64 v;
    if (storage == SQLITE_NULL) return false;
    if (storage == SQLITE_TEXT || storage == SQLITE_BLOB) {
        const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(cell));
        to.append(p ? p : "", static_cast<size_t>(sqlite3_value_bytes(cell)));
    } else if (whole(cell, storage, v)) {
        char buf[24];
        to.append(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
    } else {
        to += Value(column).ToText();
    }
    return true;
}

long Database::RecordsAffected() const { return live(impl_).affected; }

ChangeStamp Database::Stamp() const {
    DatabaseImpl& conn = live(impl_);
    // data_version moves when another connection commits to the file.
    const auto version = conn.statement("PRAGMA main.data_version");
    detail::Use use(*version);
    use.step();
    return {conn.serial, sqlite3_total_changes64(conn.db), conn.schemaChanges, sqlite3_column_int64(*use, 0)};
}

TableDef Database::TableDef_(const std::string& name) const {
    DatabaseImpl& conn = live(impl_);
    const auto info = existingTable(conn, name);
    TableDef def(info->name);
    def.db_ = impl_;
    for (size_t i = 0; i < info->columns.size(); ++i) {
        const auto& c = info->columns[i];
        Field f(c.name, c.type, c.size);
        f.AllowZeroLength = c.allowZeroLength;
        f.OrdinalPosition = static_cast<int>(i);
        def.Fields.push_back(std::move(f));
    }
    const auto list = conn.statement("SELECT name, \"unique\", origin FROM pragma_index_list(?1, 'main') ORDER BY seq DESC");
    detail::Use use(*list);
    sqlite3_bind_text(*use, 1, info->name.c_str(), -1, SQLITE_TRANSIENT);
    while (use.step()) {
        Index index;
        const std::string stored = reinterpret_cast<const char*>(sqlite3_column_text(*use, 0));
        index.Name = detail::ShownIndexName(info->name, stored);
        index.Unique = sqlite3_column_int(*use, 1) != 0;
        index.Primary = std::string_view(reinterpret_cast<const char*>(sqlite3_column_text(*use, 2))) == "pk";
        const auto columns = conn.statement("SELECT name FROM pragma_index_info(?1, 'main') ORDER BY seqno");
        detail::Use cols(*columns);
        sqlite3_bind_text(*cols, 1, stored.c_str(), -1, SQLITE_TRANSIENT);
        if (cols.step() && sqlite3_column_type(*cols, 0) == SQLITE_TEXT) index.FieldName = reinterpret_cast<const char*>(sqlite3_column_text(*cols, 0));
        def.Indexes.push_back(std::move(index));
    }
    return def;
}

std::vector<TableDef> Database::TableDefs() const {
    DatabaseImpl& conn = live(impl_);
    std::vector<std::string> names;
    {
        const auto stmt = conn.statement("SELECT name FROM main.sqlite_master WHERE type = 'table' ORDER BY rowid");
        detail::Use use(*stmt);
        while (use.step()) {
            std::string name = reinterpret_cast<const char*>(sqlite3_column_text(*use, 0));
            if (!name.starts_with("sqlite_")) names.push_back(std::move(name));
        }
    }
    std::vector<TableDef> out;
    for (const auto& name : names) out.push_back(TableDef_(name));
    return out;
}

std::string Database::Damage() const {
    const auto check = live(impl_).statement("PRAGMA main.integrity_check(1)");
    detail::Use use(*check);
    if (!use.step()) return "ingen svar fra kontrollen";
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(*use, 0));
    const std::string found = text ? text : "";
    return found == "ok" ? std::string() : found;
}

bool Database::HasTable(const std::string& name) const { return live(impl_).table("main", name) != nullptr; }

void Database::TableDefs_Append(const TableDef& def) {
    if (!IsOpen()) Fail(dao::errnum::ObjectInvalid);
    DatabaseImpl& conn = *impl_;
    if (conn.readOnly) Fail(dao::errnum::CannotUpdate);
    if (def.Name.empty()) Fail(dao::errnum::BadName, def.Name);
    if (conn.table("main", def.Name)) Fail(dao::errnum::TableExists, def.Name);
    if (def.Fields.empty()) Fail(dao::errnum::NoFieldDefined, def.Name);
    std::string columns;
    for (size_t i = 0; i < def.Fields.size(); ++i) {
        for (size_t j = 0; j < i; ++j)
            if (detail::SameName(def.Fields[i].Name, def.Fields[j].Name)) Fail(dao::errnum::FieldExists, def.Fields[i].Name);
        columns += (i ? ", " : "") + detail::ColumnDefinition(def.Fields[i]);
    }
    atomically(conn, [&] {
        conn.exec("CREATE TABLE " + Quote(def.Name) + " (" + columns + ")");
        conn.schemaChanged();
        const auto info = existingTable(conn, def.Name);
        for (const auto& index : def.Indexes) createIndex(conn, *info, index);
    });
    // From here on the definition stands for the stored table, as an appended one did.
    def.db_ = impl_;
}

void Database::Close() {
    if (!closed_ || *closed_) return;
    *closed_ = true;
    impl_->releaseHandle();
}

void Database::Attach(const std::string& path, const std::string& alias) {
    if (!IsOpen()) Fail(dao::errnum::ObjectInvalid);
    detail::AttachFile(*impl_, path, alias);
}

void Database::Detach(const std::string& alias) {
    if (!IsOpen()) Fail(dao::errnum::ObjectInvalid);
    detail::DetachFile(*impl_, alias);
}

} // namespace dao
