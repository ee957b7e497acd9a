#include "platform/report/Template.h"

#include <fstream>
#include <cctype>
#include <sstream>

#include "platform/report/ReportErrors.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"

namespace report {

namespace {

std::string trim(const std::string& s) {
    const size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return "";
    return s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

std::vector<std::string> splitBars(const std::string& s) {
    std::vector<std::string> parts;
    size_t from = 0;
    for (size_t bar; (bar = s.find('|', from)) != std::string::npos; from = bar + 1) parts.push_back(trim(s.substr(from, bar - from)));
    parts.push_back(trim(s.substr(from)));
    return parts;
}

bool isName(const std::string& s) {
    if (s.empty() || std::isdigit(static_cast<unsigned char>(s[0]))) return false;
    for (unsigned char c : s)
        if (!std::isalnum(c) && c != '_') return false;
    return true;
}

bool sameTable(const std::string& a, const std::string& b) { return vb::UCase(a) == vb::UCase(b); }

const dao::TableDef* findTable(const Layout& layout, const std::string& name) {
    for (const auto& t : layout)
        if (sameTable(t.Name, name)) return &t;
    return nullptr;
}

// The lines the parts of a template stood on, for the checks made once it is read whole.
struct Lines {
    int table = 0, detail = 0, group = 0;
    std::vector<int> titles, columns;
};

struct Reader {
    std::string path;
    int line = 0;
    [[noreturn]] void fail(const std::string& what) const {
        const std::string where = line > 0 ? " har en feil i linje " + std::to_string(line) + ": " : " er ufullstendig: ";
        vb::Raise(errnum::TemplateUnavailable, "Rapportmalen '" + path + "'" + where + what);
    }
    Pattern pattern(const std::string& text) const {
        Pattern p;
        if (!ParsePattern(text, p)) fail("feltet må skrives {tabell.felt}");
        return p;
    }
    TemplateColumn column(const std::string& value) const {
        const auto parts = splitBars(value);
        if (parts.size() != 4) fail("en kolonne har fire deler: overskrift | bredde | format | innhold");
        TemplateColumn c;
        c.heading = parts[0];
        try {
            size_t used = 0;
            c.width = std::stoi(parts[1], &used);
            if (used != parts[1].size() || c.width <= 0) throw std::invalid_argument(parts[1]);
        } catch (const std::exception&) {
            fail("bredden må være et helt antall twips");
        }
        const std::string format = vb::LCase(parts[2]);
        if (format == "text") c.format = Format::Text;
        else if (format == "number") c.format = Format::Number;
        else if (format == "mark") c.format = Format::Mark;
        else fail("ukjent format '" + parts[2] + "'");
        c.pattern = pattern(parts[3]);
        if (c.format == Format::Mark && (c.pattern.pieces.size() != 1 || !c.pattern.pieces[0].field))
            fail("formatet mark viser ett ja/nei-felt");
        return c;
    }
    // "table on key" or "table on key where field < number".
    Detail detail(const std::string& value) const {
        std::istringstream words(value);
        std::string table, on, key, where, field, less, below, rest;
        words >> table >> on >> key >> where >> field >> less >> below >> rest;
        Detail d{table, key, "", 0};
        bool ok = isName(table) && vb::LCase(on) == "on" && isName(key) && rest.empty();
        if (ok && !where.empty()) {
            const size_t digits = below.starts_with('-') ? 1 : 0;
            ok = vb::LCase(where) == "where" && isName(field) && less == "<" && below.size() > digits &&
                 below.size() < 10 && below.find_first_not_of("0123456789", digits) == std::string::npos;
            if (ok) {
                d.limitField = field;
                d.limitBelow = std::stol(below);
            }
        }
        if (!ok) fail("detaljtabellen skrives: tabell on felt [where felt < tall]");
        return d;
    }

    const dao::TableDef& table(const Layout& layout, const std::string& name) const {
        const dao::TableDef* t = findTable(layout, name);
        if (!t) fail("tabellen '" + name + "' finnes ikke i databasene");
        return *t;
    }
    const dao::Field& field(const dao::TableDef& table, const std::string& name) const {
        const dao::Field* f = table.FindField(name);
        if (!f) fail("feltet {" + table.Name + "." + name + "} finnes ikke");
        return *f;
    }
    // Each field of the pattern belongs to one of the tables and exists there.
    void fields(const Pattern& p, const std::vector<const dao::TableDef*>& tables, const char* where) const {
        for (const FieldName& f : p.fields()) {
            const dao::TableDef* t = nullptr;
            for (const dao::TableDef* candidate : tables)
                if (sameTable(candidate->Name, f.table)) t = candidate;
            if (!t) {
                std::string names;
                for (const dao::TableDef* candidate : tables) names += (names.empty() ? "" : " eller ") + candidate->Name;
                fail(std::string(where) + " viser bare felt fra " + names + ", ikke fra '" + f.table + "'");
            }
            field(*t, f.field);
        }
    }

    // What only the whole template can tell: its tables and fields against the
    // layout, and its columns against the page.
    void check(const ReportTemplate& t, const Lines& lines, const Layout& layout) {
        line = lines.table;
        const dao::TableDef& master = table(layout, t.table);
        std::vector<const dao::TableDef*> rowTables{&master};
        if (t.detail) {
            line = lines.detail;
            const dao::TableDef& detail = table(layout, t.detail->table);
            field(master, t.detail->key);
            field(detail, t.detail->key);
            if (!t.detail->limitField.empty()) field(detail, t.detail->limitField);
            rowTables.push_back(&detail);
        }
        for (size_t i = 0; i < t.titles.size(); ++i) {
            line = lines.titles[i];
            if (!t.titles[i].fields().empty()) fields(t.titles[i], {&table(layout, kTitleTable)}, "en tittel");
        }
        if (t.group) {
            line = lines.group;
            // The group row stands before the detail rows it heads.
            fields(*t.group, {&master}, "gruppelinjen");
        }
        const int page = RtfTableWidth(t.landscape);
        long long width = 0;
        for (size_t i = 0; i < t.columns.size(); ++i) {
            const TemplateColumn& c = t.columns[i];
            line = lines.columns[i];
            fields(c.pattern, rowTables, "en kolonne");
            if (c.format == Format::Mark) {
                const FieldName& f = c.pattern.pieces[0].field.value();
                const dao::TableDef& in = sameTable(master.Name, f.table) ? master : *rowTables.back();
                if (field(in, f.field).Type != dao::dbBoolean) fail("formatet mark viser et ja/nei-felt, ikke {" + f.table + "." + f.field + "}");
            }
            width += c.width;
            if (width > page)
                fail("kolonnene er til sammen " + std::to_string(width) + " twips brede; siden har plass til " +
                     std::to_string(page));
        }
    }
};

} // namespace

std::vector<FieldName> Pattern::fields() const {
    std::vector<FieldName> out;
    for (const auto& p : pieces)
        if (p.field) out.push_back(*p.field);
    return out;
}

bool ParsePattern(const std::string& text, Pattern& out) {
    out.pieces.clear();
    std::string literal;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '}') return false;
        if (text[i] != '{') {
            literal += text[i];
            continue;
        }
        const size_t close = text.find('}', i);
        if (close == std::string::npos) return false;
        const std::string inner = trim(text.substr(i + 1, close - i - 1));
        const size_t dot = inner.find('.');
        if (dot == std::string::npos) return false;
        FieldName f{trim(inner.substr(0, dot)), trim(inner.substr(dot + 1))};
        if (!isName(f.table) || !isName(f.field)) return false;
        if (!literal.empty()) out.pieces.push_back({std::move(literal), std::nullopt});
        literal.clear();
        out.pieces.push_back({"", std::move(f)});
        i = close;
    }
    if (!literal.empty()) out.pieces.push_back({std::move(literal), std::nullopt});
    return true;
}

ReportTemplate ReadTemplate(const std::string& path, const Layout& layout) {
    std::ifstream in(path, std::ios::binary);
    if (!in) vb::Raise(errnum::TemplateUnavailable, "Finner ikke rapportmalen '" + path + "'");
    Reader r{path};
    ReportTemplate t;
    Lines lines;
    std::string text;
    while (std::getline(in, text)) {
        ++r.line;
        // Editors on other systems save a byte-order mark before the first line.
        if (r.line == 1 && text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
        text = trim(text);
        if (text.empty() || text[0] == '#') continue;
        const size_t colon = text.find(':');
        if (colon == std::string::npos) r.fail("linjen mangler kolon");
        const std::string key = vb::LCase(trim(text.substr(0, colon)));
        const std::string value = trim(text.substr(colon + 1));
        if (key == "table") {
            if (!isName(value)) r.fail("ugyldig tabellnavn '" + value + "'");
            t.table = value;
            lines.table = r.line;
        } else if (key == "detail") {
            t.detail = r.detail(value);
            lines.detail = r.line;
        } else if (key == "paper") {
            const std::string v = vb::LCase(value);
            if (v == "a4" || v == "a4 portrait") t.landscape = false;
            else if (v == "a4 landscape") t.landscape = true;
            else r.fail("papiret er A4 portrait eller A4 landscape");
        } else if (key == "title") {
            t.titles.push_back(r.pattern(value));
            lines.titles.push_back(r.line);
        } else if (key == "group") {
            t.group = r.pattern(value);
            lines.group = r.line;
        } else if (key == "column") {
            t.columns.push_back(r.column(value));
            lines.columns.push_back(r.line);
        } else if (key == "footer") {
            const size_t page = value.find("{page}");
            if (page == std::string::npos || page + 6 != value.size()) r.fail("bunnteksten slutter med {page}");
            t.footer = value.substr(0, page);
        } else {
            r.fail("ukjent nøkkel '" + key + "'");
        }
    }
    if (in.bad()) vb::Raise(errnum::TemplateUnavailable, "Kan ikke lese rapportmalen '" + path + "'");
    r.line = 0;
    if (t.table.empty()) r.fail("malen nevner ingen tabell");
    if (t.columns.empty()) r.fail("malen har ingen kolonner");
    if (t.group && !t.detail) r.fail("en gruppelinje hører til en detaljtabell");
    r.check(t, lines, layout);
    return t;
}

} // namespace report
