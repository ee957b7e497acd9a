#include "platform/dao/Plan.h"

#include <cctype>

#include "platform/dao/Errors.h"
#include "platform/dao/JetSql.h"

namespace dao {

namespace {

using detail::ColumnDesc;
using detail::Quote;

std::string trimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    if (s.size() >= 2 && s.front() == '[' && s.back() == ']') s = s.substr(1, s.size() - 2);
    return std::string(s);
}

const char* text(const char* p) { return p ? p : ""; }

// Columns of a prepared statement, typed from the table each one comes from.
std::vector<ColumnDesc> describe(DatabaseImpl& conn, sqlite3_stmt* stmt) {
    std::vector<ColumnDesc> out;
    const int n = sqlite3_column_count(stmt);
    for (int i = 0; i < n; ++i) {
        ColumnDesc c;
        c.name = text(sqlite3_column_name(stmt, i));
        const char* table = sqlite3_column_table_name(stmt, i);
        const char* origin = sqlite3_column_origin_name(stmt, i);
        if (table && origin) {
            if (const auto info = conn.table(text(sqlite3_column_database_name(stmt, i)), table)) {
                if (const int k = info->find(origin); k >= 0) {
                    c.type = info->columns[static_cast<size_t>(k)].type;
                    c.size = info->columns[static_cast<size_t>(k)].size;
                }
            }
        }
        out.push_back(std::move(c));
    }
    return out;
}

std::shared_ptr<detail::Plan> readOnlyPlan(DatabaseImpl& conn, const std::string& sql) {
    auto plan = std::make_shared<detail::Plan>();
    plan->rows = conn.statement(sql);
    plan->columns = describe(conn, plan->rows->get());
    return plan;
}

// An updatable plan over the one table of the selection: rowids in the
// selection's order (rowid order without ORDER BY), rows read by rowid.
std::shared_ptr<detail::Plan> updatablePlan(DatabaseImpl& conn, const detail::SelectShape& shape, const detail::TableInfo& info) {
    auto plan = std::make_shared<detail::Plan>();
    plan->updatable = true;
    plan->table = Quote(info.schema) + "." + Quote(info.name);
    const std::string rowid =
        (shape.alias.empty() ? (shape.schema.empty() ? "" : Quote(shape.schema) + ".") + Quote(shape.table) : Quote(shape.alias)) + ".rowid";
    std::string list;
    for (const auto& item : shape.items) {
        if (detail::IsStarItem(item)) {
            for (const auto& col : info.columns) list += (list.empty() ? "" : ", ") + Quote(col.name);
        } else {
            list += (list.empty() ? "" : ", ") + item;
        }
    }
    plan->keys = conn.statement("SELECT " + rowid + " FROM " + shape.fromOn + (shape.hasOrderBy ? "" : " ORDER BY " + rowid));
    plan->fetch = conn.statement("SELECT " + list + " FROM " + shape.tableRef + " WHERE " + rowid + " = ?1");
    sqlite3_stmt* fetch = plan->fetch->get();
    const int n = sqlite3_column_count(fetch);
    for (int i = 0; i < n; ++i) {
        ColumnDesc c;
        c.name = text(sqlite3_column_name(fetch, i));
        const char* table = sqlite3_column_table_name(fetch, i);
        const char* origin = sqlite3_column_origin_name(fetch, i);
        const int k = table && origin && detail::SameName(table, info.name) ? info.find(origin) : -1;
        if (k >= 0) {
            const auto& col = info.columns[static_cast<size_t>(k)];
            c.type = col.type;
            c.size = col.size;
            const std::string target = Quote(col.name);
            int t = 0;
            while (t < static_cast<int>(plan->targets.size()) && plan->targets[static_cast<size_t>(t)] != target) ++t;
            if (t == static_cast<int>(plan->targets.size())) plan->targets.push_back(target);
            c.target = t;
        }
        plan->columns.push_back(std::move(c));
    }
    std::string names, marks;
    for (size_t t = 0; t < plan->targets.size(); ++t) {
        names += (t ? ", " : "") + plan->targets[t];
        marks += (t ? ", ?" : "?") + std::to_string(t + 1);
    }
    plan->insertSql = "INSERT INTO " + plan->table + " (" + names + ") VALUES (" + marks + ")";
    plan->deleteSql = "DELETE FROM " + plan->table + " WHERE rowid = ?1";
    return plan;
}

} // namespace

namespace detail {

int Plan::find(std::string_view name) const {
    if (next_ < spellings_.size() && spellings_[next_].first == name) return spellings_[next_++].second;
    for (size_t k = 0; k < spellings_.size(); ++k) {
        if (spellings_[k].first != name) continue;
        next_ = k + 1;
        return spellings_[k].second;
    }
    for (size_t i = 0; i < columns.size(); ++i) {
        if (!SameName(columns[i].name, name)) continue;
        if (spellings_.size() < kSpellingsKept) {
            spellings_.emplace_back(name, static_cast<int>(i));
            next_ = spellings_.size();
        }
        return static_cast<int>(i);
    }
    return -1;
}

} // namespace detail

std::shared_ptr<const detail::Plan> DatabaseImpl::plan(const std::string& source, bool updatable) {
    const std::string key = (updatable ? "u:" : "r:") + source;
    if (const auto it = plans_.find(key); it != plans_.end()) return it->second;
    std::string sql;
    if (detail::IsQuery(source)) {
        sql = detail::TranslateSql(source);
    } else {
        const auto info = table("main", trimmed(source));
        if (!info) detail::Fail(dao::errnum::NoSuchTable, trimmed(source));
        sql = "SELECT * FROM " + Quote(info->name);
    }
    const detail::SelectShape shape = detail::ParseSelect(sql);
    const auto info = shape.single ? table(shape.schema.empty() ? "main" : shape.schema, shape.table) : nullptr;
    std::shared_ptr<const detail::Plan> made;
    if (info && updatable) {
        made = updatablePlan(*this, shape, *info);
    } else {
        // Without ORDER BY a selection from one table comes in rowid order, as the engine gave it.
        const std::string rowid = shape.alias.empty() ? (shape.schema.empty() ? "" : Quote(shape.schema) + ".") + Quote(shape.table) : Quote(shape.alias);
        made = readOnlyPlan(*this, info && !shape.hasOrderBy ? sql + " ORDER BY " + rowid + ".rowid" : sql);
    }
    if (plans_.size() >= 256) plans_.clear();
    plans_.emplace(key, made);
    return made;
}

} // namespace dao
