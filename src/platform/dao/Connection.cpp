#include "platform/dao/Connection.h"

#include <cctype>

#include "platform/dao/Errors.h"

namespace dao {

namespace {

constexpr size_t kCacheLimit = 256;

std::string folded(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

DatabaseImpl::~DatabaseImpl() { close(); }

sqlite3* DatabaseImpl::handle() const {
    if (!db) detail::Fail(dao::errnum::ObjectInvalid);
    return db;
}

void DatabaseImpl::exec(const std::string& sql) {
    char* message = nullptr;
    const int rc = sqlite3_exec(handle(), sql.c_str(), nullptr, nullptr, &message);
    sqlite3_free(message);
    if (rc != SQLITE_OK) detail::FailSqlite(db, rc, sql);
}

std::shared_ptr<detail::Statement> DatabaseImpl::statement(const std::string& sql) {
    if (const auto it = statements_.find(sql); it != statements_.end()) return idle(it->second);
    auto made = ownStatement(sql);
    if (statements_.size() >= kCacheLimit) statements_.clear();
    statements_.emplace(sql, made);
    return made;
}

std::shared_ptr<detail::Statement> DatabaseImpl::idle(const std::shared_ptr<detail::Statement>& kept) {
    return sqlite3_stmt_busy(kept->get()) ? ownStatement(kept->sql()) : kept;
}

std::shared_ptr<detail::Statement> DatabaseImpl::ownStatement(const std::string& sql) {
    auto made = std::make_shared<detail::Statement>(handle(), sql);
    if (issued_.size() >= 4 * kCacheLimit) std::erase_if(issued_, [](const auto& w) { return w.expired(); });
    issued_.push_back(made);
    return made;
}

std::shared_ptr<const detail::TableInfo> DatabaseImpl::table(std::string_view schema, std::string_view name) {
    const std::string key = folded(schema) + '\x1f' + folded(name);
    if (const auto it = tables_.find(key); it != tables_.end()) return it->second;
    auto info = std::make_shared<detail::TableInfo>();
    {
        const auto find = statement("SELECT name FROM " + detail::Quote(schema) +
                                    ".sqlite_master WHERE type = 'table' AND lower(name) = lower(?1)");
        detail::Use use(*find);
        sqlite3_bind_text(*use, 1, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
        if (!use.step()) return nullptr;
        info->name = reinterpret_cast<const char*>(sqlite3_column_text(*use, 0));
    }
    info->schema = std::string(schema);
    const auto columns = statement("SELECT name, type FROM pragma_table_info(?1, ?2)");
    detail::Use use(*columns);
    sqlite3_bind_text(*use, 1, info->name.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(*use, 2, info->schema.c_str(), -1, SQLITE_TRANSIENT);
    while (use.step()) {
        const auto* type = reinterpret_cast<const char*>(sqlite3_column_text(*use, 1));
        info->columns.push_back(detail::ReadDeclaredType(reinterpret_cast<const char*>(sqlite3_column_text(*use, 0)), type ? type : ""));
    }
    if (tables_.size() >= kCacheLimit) tables_.clear();
    tables_.emplace(key, info);
    return info;
}

void DatabaseImpl::schemaChanged() {
    ++schemaChanges;
    tables_.clear();
    plans_.clear();
    statements_.clear();
}

void DatabaseImpl::releaseHandle() noexcept {
    if (--handles <= 0) close();
}

void DatabaseImpl::close() noexcept {
    if (!db) return;
    for (auto& weak : issued_)
        if (auto s = weak.lock()) s->finalize();
    issued_.clear();
    statements_.clear();
    tables_.clear();
    plans_.clear();
    auto& reg = detail::registry();
    if (const auto it = reg.open.find(id); it != reg.open.end()) {
        const auto holder = it->second.lock();
        if (!holder || holder.get() == this) reg.open.erase(it);
    }
    for (const auto& [alias, file] : attached) reg.attached.erase(file);
    attached.clear();
    // Every statement is finalized, so the file and its locks are let go here.
    detail::WriteBegins(db);   // a later connection may get the same address
    sqlite3_close_v2(db);
    db = nullptr;
    if (sweepWal) detail::SweepWal(path);
    txDepth = 0;
}

namespace detail {

Registry& registry() {
    // Never destroyed: handles held in program-wide variables close after static destruction began.
    static auto* reg = new Registry;
    return *reg;
}

std::vector<std::shared_ptr<DatabaseImpl>> Registry::connections() {
    std::vector<std::shared_ptr<DatabaseImpl>> out;
    for (const auto& [id, weak] : open)
        if (auto c = weak.lock(); c && c->db) out.push_back(std::move(c));
    return out;
}

} // namespace detail
} // namespace dao
