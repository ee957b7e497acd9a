#include "platform/report/Render.h"

#include "platform/report/Formula.h"
#include "platform/report/ReportErrors.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"

namespace report {

namespace {

constexpr const char* kVersionTable = "Versjon";

bool same(const std::string& a, const std::string& b) { return vb::UCase(a) == vb::UCase(b); }

std::string bracket(const std::string& name) { return "[" + name + "]"; }

[[noreturn]] void doesNotFit(const std::string& what) {
    vb::Raise(errnum::DatabaseDoesNotFit, "Databasen passer ikke til rapportmalen: " + what);
}

// The tables a report reads, checked against the database once.
class Tables {
public:
    explicit Tables(dao::Database& db) : db_(db) {}
    void add(const std::string& name) {
        if (!db_.HasTable(name)) doesNotFit("tabellen " + name + " finnes ikke");
        defs_.push_back(db_.TableDef_(name));
    }
    bool has(const std::string& name) const {
        for (const auto& d : defs_)
            if (same(d.Name, name)) return true;
        return false;
    }
    // The field as SQL, "[Table].[Field]"; only tables added may be named.
    std::string column(const FieldName& f, const char* where) const {
        for (const auto& d : defs_) {
            if (!same(d.Name, f.table)) continue;
            if (!d.FindField(f.field)) doesNotFit("feltet {" + f.table + "." + f.field + "} finnes ikke");
            return bracket(d.Name) + "." + bracket(d.FindField(f.field)->Name);
        }
        vb::Raise(errnum::FormulaError, std::string("Tabellen ") + f.table + " i " + where + " er ikke med i rapporten");
    }

private:
    dao::Database& db_;
    std::vector<dao::TableDef> defs_;
};

std::string cellText(const vb::Variant& v, Format format) {
    if (v.IsNull() || v.IsEmpty()) return "";
    if (format == Format::Mark) return vb::CBool(v) ? "X" : "";
    return vb::CStr(v);
}

// The selected columns of a query, each field named once, read back by position.
class Columns {
public:
    int index(const std::string& sql) {
        for (size_t i = 0; i < sql_.size(); ++i)
            if (sql_[i] == sql) return static_cast<int>(i);
        sql_.push_back(sql);
        return static_cast<int>(sql_.size()) - 1;
    }
    std::string list() const {
        std::string out;
        for (size_t i = 0; i < sql_.size(); ++i) out += (i ? ", " : "") + sql_[i] + " AS c" + std::to_string(i);
        return out;
    }

private:
    std::vector<std::string> sql_;
};

struct CompiledPattern {
    struct Piece {
        std::string text;
        int column = -1;
    };
    std::vector<Piece> pieces;
    std::string text(const dao::Recordset& rs, Format format) const {
        if (format == Format::Mark) return cellText(rs.Get(pieces.front().column), format);
        std::string out;
        for (const auto& p : pieces) out += p.column < 0 ? p.text : cellText(rs.Get(p.column), format);
        return out;
    }
};

CompiledPattern compile(const Pattern& p, const Tables& tables, Columns& columns) {
    CompiledPattern out;
    for (const auto& piece : p.pieces) {
        if (piece.field) out.pieces.push_back({"", columns.index(tables.column(*piece.field, "rapportmalen"))});
        else out.pieces.push_back({piece.text, -1});
    }
    return out;
}

// The title lines, whose fields come from the one row of Versjon.
std::vector<std::string> titles(const ReportTemplate& tpl, dao::Database& db) {
    bool needsRow = false;
    for (const auto& t : tpl.titles) needsRow = needsRow || !t.fields().empty();
    std::vector<std::string> out;
    if (!needsRow) {
        for (const auto& t : tpl.titles) out.push_back(t.pieces.empty() ? "" : t.pieces.front().text);
        return out;
    }
    Tables tables(db);
    tables.add(kVersionTable);
    Columns columns;
    std::vector<CompiledPattern> compiled;
    for (const auto& t : tpl.titles) compiled.push_back(compile(t, tables, columns));
    dao::Recordset rs = db.OpenRecordset("SELECT " + columns.list() + " FROM " + bracket(kVersionTable) + " LIMIT 1",
                                         dao::dbOpenSnapshot);
    for (const auto& c : compiled) {
        if (rs.EOF_()) {
            std::string literal;
            for (const auto& p : c.pieces) literal += p.text;
            out.push_back(literal);
        } else {
            out.push_back(c.text(rs, Format::Text));
        }
    }
    return out;
}

} // namespace

std::string RenderReport(const ReportTemplate& tpl, dao::Database& db, const std::string& formula,
                         const std::string& sortField) {
    Tables tables(db);
    tables.add(tpl.table);
    if (tpl.detail) tables.add(tpl.detail->table);
    const auto resolveFormula = [&](const FieldName& f) { return tables.column(f, "utvalgsformelen"); };
    const SqlCondition where = ParseSelection(formula, resolveFormula);
    const SqlOrder order = ParseSort(sortField, [&](const FieldName& f) { return tables.column(f, "sorteringsfeltet"); });

    Columns columns;
    const std::string master = bracket(tpl.table);
    const int masterKey = columns.index(master + ".rowid");
    int detailKey = -1;
    std::string from = master;
    if (tpl.detail) {
        const Detail& d = *tpl.detail;
        const std::string detail = bracket(d.table);
        detailKey = columns.index(detail + ".rowid");
        const std::string key = tables.column({d.table, d.key}, "rapportmalen");
        from += " LEFT JOIN " + detail + " ON " + key + " = " + tables.column({tpl.table, d.key}, "rapportmalen");
        if (!d.limitField.empty())
            from += " AND " + tables.column({d.table, d.limitField}, "rapportmalen") + " < " + std::to_string(d.limitBelow);
    }
    std::vector<CompiledPattern> cells;
    std::vector<RtfColumn> layout;
    for (const auto& c : tpl.columns) {
        cells.push_back(compile(c.pattern, tables, columns));
        layout.push_back({c.heading, c.width,
                          c.format == Format::Number ? Align::Right : c.format == Format::Mark ? Align::Center : Align::Left});
    }
    CompiledPattern group;
    if (tpl.group) group = compile(*tpl.group, tables, columns);

    std::string sql = "SELECT " + columns.list() + " FROM " + from;
    if (!where.sql.empty()) sql += " WHERE (" + where.sql + ")";
    sql += " ORDER BY ";
    if (!order.sql.empty()) sql += order.sql + ", ";
    sql += master + ".rowid";
    if (tpl.detail) sql += ", " + bracket(tpl.detail->table) + ".rowid";

    RtfDocument doc(layout, tpl.landscape);
    for (const auto& t : titles(tpl, db)) doc.Title(t);
    doc.Footer(tpl.footer);
    dao::Recordset rs = db.OpenRecordset(sql, dao::dbOpenSnapshot, where.params);
    vb::Variant lastMaster;
    std::vector<std::string> row(cells.size());
    for (; !rs.EOF_(); rs.MoveNext()) {
        const vb::Variant key = rs.Get(masterKey);
        if (tpl.group && !(key == lastMaster)) doc.GroupRow(group.text(rs, Format::Text));
        lastMaster = key;
        if (detailKey >= 0 && rs.Get(detailKey).IsNull()) continue;   // a master row without detail rows
        for (size_t i = 0; i < cells.size(); ++i) row[i] = cells[i].text(rs, tpl.columns[i].format);
        doc.Row(row);
    }
    return doc.Finish();
}

} // namespace report
