#include "platform/report/Render.h"

#include <optional>

#include "platform/report/Formula.h"
#include "platform/report/ReportErrors.h"
#include "platform/report/Rtf.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"

namespace report {

namespace {

bool same(const std::string& a, const std::string& b) { return vb::UCase(a) == vb::UCase(b); }

std::string bracket(const std::string& name) { return "[" + name + "]"; }

[[noreturn]] void doesNotFit(const std::string& what) {
    vb::Raise(errnum::DatabaseDoesNotFit, "Databasen passer ikke til rapportmalen: " + what);
}

// A table a report reads, checked against the database, and the columns a
// query over it selects, each named once and read back by position.
class Source {
public:
    Source(dao::Database& db, const std::string& table) {
        if (!db.HasTable(table)) doesNotFit("tabellen " + table + " finnes ikke");
        def_ = db.TableDef_(table);
    }
    bool is(const std::string& table) const { return same(def_.Name, table); }
    std::string name() const { return bracket(def_.Name); }
    // The field as SQL; raises 20534 when the table lacks it.
    std::string field(const std::string& name) const {
        const dao::Field* f = def_.FindField(name);
        if (!f) doesNotFit("feltet {" + def_.Name + "." + name + "} finnes ikke");
        return bracket(def_.Name) + "." + bracket(f->Name);
    }
    int select(const std::string& sql) {
        for (size_t i = 0; i < selected_.size(); ++i)
            if (selected_[i] == sql) return static_cast<int>(i);
        selected_.push_back(sql);
        return static_cast<int>(selected_.size()) - 1;
    }
    std::string list() const {
        std::string out;
        for (size_t i = 0; i < selected_.size(); ++i) out += (i ? ", " : "") + selected_[i] + " AS c" + std::to_string(i);
        return out;
    }

private:
    dao::TableDef def_;
    std::vector<std::string> selected_;
};

std::string cellText(const vb::Variant& v, Format format) {
    if (v.IsNull() || v.IsEmpty()) return "";
    if (format == Format::Mark) return vb::CBool(v) ? "X" : "";
    return vb::CStr(v);
}

// A pattern whose fields are columns of the master (source 0) or detail (source 1) query.
struct Compiled {
    struct Piece {
        std::string text;
        int source = -1, column = -1;
    };
    std::vector<Piece> pieces;
    std::string text(const dao::Recordset* rows[2], Format format) const {
        std::string out;
        for (const auto& p : pieces) out += p.column < 0 ? p.text : cellText(rows[p.source]->Get(p.column), format);
        return out;
    }
};

Compiled compile(const Pattern& p, std::vector<Source*> sources) {
    Compiled out;
    for (const auto& piece : p.pieces) {
        if (!piece.field) {
            out.pieces.push_back({piece.text});
            continue;
        }
        int s = 0;
        while (s < static_cast<int>(sources.size()) && !sources[static_cast<size_t>(s)]->is(piece.field->table)) ++s;
        if (s == static_cast<int>(sources.size()))
            vb::Raise(errnum::TemplateUnavailable, "Tabellen " + piece.field->table + " i rapportmalen er ikke med i rapporten");
        Source& src = *sources[static_cast<size_t>(s)];
        out.pieces.push_back({"", s, src.select(src.field(piece.field->field))});
    }
    return out;
}

// The title lines, whose fields come from the one row of Versjon.
std::vector<std::string> titles(const std::vector<Pattern>& patterns, dao::Database& db) {
    bool named = false;
    for (const auto& t : patterns) named = named || !t.fields().empty();
    std::vector<std::string> out;
    if (!named) {
        for (const auto& t : patterns) out.push_back(t.pieces.empty() ? "" : t.pieces.front().text);
        return out;
    }
    Source version(db, kTitleTable);
    std::vector<Compiled> compiled;
    for (const auto& t : patterns) compiled.push_back(compile(t, {&version}));
    const dao::Recordset rs = db.OpenRecordset("SELECT " + version.list() + " FROM " + version.name() + " LIMIT 1",
                                               dao::dbOpenSnapshot);
    for (const auto& c : compiled) {
        std::string line;
        for (const auto& p : c.pieces) line += p.column < 0 ? p.text : rs.EOF_() ? "" : cellText(rs.Get(p.column), Format::Text);
        out.push_back(line);
    }
    return out;
}

} // namespace

struct Report::Plan {
    dao::Database db;
    std::string masterSql, detailSql;
    dao::Params masterParams;
    int masterKey = -1;   // the join column among the master's selected columns
    bool detail = false;
    bool landscape = false;
    std::vector<RtfColumn> layout;
    std::vector<Format> formats;
    std::vector<Compiled> cells;
    std::optional<Compiled> group;
    std::vector<std::string> titles;
    std::string footer;
};

Report::Report(const ReportTemplate& tpl, dao::Database& db, const std::string& formula, const std::string& sortField)
    : plan_(std::make_unique<Plan>()) {
    Plan& p = *plan_;
    p.db = db;
    Source master(db, tpl.table);
    std::optional<Source> detail;
    if (tpl.detail) detail.emplace(db, tpl.detail->table);
    std::vector<Source*> sources{&master};
    if (detail) sources.push_back(&*detail);

    // The formula and sort field name fields of the master table only.
    const auto masterField = [&](const char* where) {
        return [&master, where](const FieldName& f) {
            if (!master.is(f.table))
                vb::Raise(errnum::FormulaError, "Tabellen " + f.table + " i " + where + " er ikke rapportens tabell");
            return master.field(f.field);
        };
    };
    const SqlCondition where = ParseSelection(formula, masterField("utvalgsformelen"));
    const SqlOrder order = ParseSort(sortField, masterField("sorteringsfeltet"));

    for (const auto& c : tpl.columns) {
        p.cells.push_back(compile(c.pattern, sources));
        p.formats.push_back(c.format);
        p.layout.push_back({c.heading, c.width,
                            c.format == Format::Number ? Align::Right : c.format == Format::Mark ? Align::Center : Align::Left});
    }
    // The group row is written before the detail rows: it has the master's fields only.
    if (tpl.group) p.group = compile(*tpl.group, {&master});
    if (detail) {
        const Detail& d = *tpl.detail;
        p.detail = true;
        p.masterKey = master.select(master.field(d.key));
        p.detailSql = "SELECT " + (detail->list().empty() ? "1" : detail->list()) + " FROM " + detail->name() + " WHERE " +
                      detail->field(d.key) + " = ?";
        if (!d.limitField.empty()) p.detailSql += " AND " + detail->field(d.limitField) + " < " + std::to_string(d.limitBelow);
        p.detailSql += " ORDER BY " + detail->name() + ".rowid";
    }
    p.masterSql = "SELECT " + (master.list().empty() ? "1" : master.list()) + " FROM " + master.name();
    if (!where.sql.empty()) p.masterSql += " WHERE " + where.sql;
    p.masterSql += " ORDER BY " + (order.sql.empty() ? "" : order.sql + ", ") + master.name() + ".rowid";
    p.masterParams = where.params;
    p.titles = titles(tpl.titles, db);
    p.footer = tpl.footer;
    p.landscape = tpl.landscape;
}

Report::~Report() = default;

void Report::Write(std::ostream& out) {
    Plan& p = *plan_;
    RtfDocument doc(out, p.layout, p.landscape, p.titles, p.footer);
    dao::Recordset m = p.db.OpenRecordset(p.masterSql, dao::dbOpenSnapshot, p.masterParams);
    std::vector<std::string> row(p.cells.size());
    const auto writeRow = [&](const dao::Recordset* rows[2]) {
        for (size_t i = 0; i < p.cells.size(); ++i) row[i] = p.cells[i].text(rows, p.formats[i]);
        doc.Row(row);
    };
    for (; !m.EOF_(); m.MoveNext()) {
        const dao::Recordset* rows[2] = {&m, nullptr};
        if (!p.detail) {
            writeRow(rows);
            continue;
        }
        if (p.group) doc.GroupRow(p.group->text(rows, Format::Text));
        dao::Recordset d = p.db.OpenRecordset(p.detailSql, dao::dbOpenSnapshot, {m.Get(p.masterKey)});
        rows[1] = &d;
        for (; !d.EOF_(); d.MoveNext()) writeRow(rows);
    }
    doc.Finish();
}

} // namespace report
