#include "platform/dao/Statement.h"

#include <cctype>

#include "platform/dao/Errors.h"
#include "platform/dao/Stopping.h"

namespace dao::detail {

Statement::Statement(sqlite3* db, const std::string& sql) : sql_(sql) {
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v3(db, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt_, &tail);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        FailSqlite(db, rc, sql);
    }
    // One statement per text, as the engine took it: a second one is refused rather than left unrun.
    for (; tail && *tail; ++tail) {
        if (std::isspace(static_cast<unsigned char>(*tail)) || *tail == ';') continue;
        finalize();
        Fail(dao::errnum::SyntaxError, sql);
    }
}

sqlite3_stmt* Statement::get() const {
    if (!stmt_) Fail(dao::errnum::ObjectInvalid);
    return stmt_;
}

void Statement::finalize() {
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
}

bool Use::step() { return Step(stmt_); }

bool Step(sqlite3_stmt* stmt) {
    // Between the rows of work done row by row; a long statement sees it while it runs.
    if (WorkStopped()) Fail(dao::errnum::Canceled);
    if (!sqlite3_stmt_readonly(stmt)) WriteBegins(sqlite3_db_handle(stmt));
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    sqlite3* db = sqlite3_db_handle(stmt);
    // Reset first: the step's error code only reaches the connection then.
    sqlite3_reset(stmt);
    FailSqlite(db, rc, sqlite3_sql(stmt));
}

void Bind(sqlite3_stmt* stmt, int index, const Variant& value) {
    std::visit(
        [&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, vb::EmptyValue> || std::is_same_v<T, vb::NullValue>) {
                sqlite3_bind_null(stmt, index);
            } else if constexpr (std::is_same_v<T, bool>) {
                sqlite3_bind_int(stmt, index, v ? 1 : 0);
            } else if constexpr (std::is_same_v<T, int16_t> || std::is_same_v<T, int32_t>) {
                sqlite3_bind_int(stmt, index, v);
            } else if constexpr (std::is_same_v<T, float> || std::is_same_v<T, double>) {
                sqlite3_bind_double(stmt, index, static_cast<double>(v));
            } else {
                sqlite3_bind_text(stmt, index, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
            }
        },
        value.raw());
}

void BindAll(sqlite3_stmt* stmt, const Params& params) {
    const int wanted = sqlite3_bind_parameter_count(stmt);
    if (static_cast<int>(params.size()) < wanted)
        Fail(dao::errnum::TooFewParameters, "Forventet " + std::to_string(wanted));
    if (static_cast<int>(params.size()) > wanted)
        Fail(vb::errnum::InvalidArgument, "spørringen har " + std::to_string(wanted) + " parametere, fikk " + std::to_string(params.size()));
    for (int i = 0; i < wanted; ++i) Bind(stmt, i + 1, params[static_cast<size_t>(i)]);
}

std::string Quote(std::string_view identifier) {
    std::string out = "\"";
    for (char c : identifier) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

} // namespace dao::detail
