#include "ReportFixture.h"

#include <cstdio>
#include <filesystem>
#include <regex>

#include "platform/vb/Utf8.h"

namespace reporttest {

const char* const kListTemplate = R"(# test list
table: Dommere
title: {versjon.Comm1}
column: Nr. | 700 | number | {dommere.DommerNR}
column: Navn | 3000 | text | {dommere.Dommer_FNavn} {dommere.Dommer_ENavn}
column: Lag | 2500 | text | {dommere.Dommer_Lag}
column: Boc. | 600 | mark | {dommere.Dommer_Boccia}
column: Curl. | 600 | mark | {dommere.Dommer_Curling}
footer: Side {page}
)";

namespace {

std::string run(const std::string& command) {
    std::string out;
    FILE* p = ::popen(command.c_str(), "r");
    if (!p) return out;
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
    ::pclose(p);
    return out;
}

std::string quoted(const std::string& path) { return "'" + path + "'"; }

std::string stripTags(const std::string& html) {
    std::string text = std::regex_replace(html, std::regex("<[^>]*>"), "");
    for (auto [entity, c] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}})
        text = std::regex_replace(text, std::regex(entity), c);
    text = std::regex_replace(text, std::regex("\\s+"), " ");
    return std::regex_replace(text, std::regex("^ | $"), "");
}

dao::Field text(const std::string& name) {
    dao::Field f(name, dao::dbText, 50);
    f.AllowZeroLength = true;
    return f;
}

} // namespace

std::vector<std::vector<std::string>> PandocRows(const std::string& rtfPath) {
    const std::string html = run("pandoc -f rtf -t html " + quoted(rtfPath));
    std::vector<std::vector<std::string>> rows;
    const std::regex row("<tr[^>]*>([\\s\\S]*?)</tr>"), cell("<t[dh][^>]*>([\\s\\S]*?)</t[dh]>|<t[dh][^>]*/>");
    for (std::sregex_iterator r(html.begin(), html.end(), row), end; r != end; ++r) {
        const std::string inner = (*r)[1];
        std::vector<std::string> cells;
        for (std::sregex_iterator c(inner.begin(), inner.end(), cell); c != end; ++c) cells.push_back(stripTags((*c)[1]));
        rows.push_back(cells);
    }
    return rows;
}

std::string PandocText(const std::string& rtfPath) { return run("pandoc -f rtf -t plain --wrap=none " + quoted(rtfPath)); }

std::string UnrtfText(const std::string& rtfPath) {
    const std::string latin1 = run("unrtf --text " + quoted(rtfPath) + " 2>/dev/null");
    std::string utf8;
    for (unsigned char c : latin1) vb::detail::AppendUtf8(utf8, c);
    return utf8;
}

void ReportTest::SetUp() {
    dbPath = dir.file("Turnering.KVX");
    db = dao::DBEngine::Workspaces(0).CreateDatabase(dbPath);
    dao::TableDef v = db.CreateTableDef("Versjon");
    v.Fields_Append(text("Comm1"));
    v.Fields_Append(text("TurneringsNavn"));
    db.TableDefs_Append(v);
    db.Execute("INSERT INTO Versjon (Comm1, TurneringsNavn) VALUES ('', 'Norges Valmorisk')");

    dao::TableDef d = db.CreateTableDef("Dommere");
    d.Fields_Append(d.CreateField("DommerNR", dao::dbInteger));
    for (const char* f : {"Dommer_FNavn", "Dommer_ENavn", "Dommer_Lag"}) d.Fields_Append(text(f));
    for (const char* f : {"Dommer_Boccia", "Dommer_Curling"}) d.Fields_Append(d.CreateField(f, dao::dbBoolean));
    db.TableDefs_Append(d);

    dao::TableDef m = db.CreateTableDef("Dommertabell");
    m.Fields_Append(m.CreateField("DommerNR", dao::dbInteger));
    m.Fields_Append(m.CreateField("SekvensNR", dao::dbLong));
    m.Fields_Append(m.CreateField("Status", dao::dbInteger));
    m.Fields_Append(text("TurneringsNavn"));
    db.TableDefs_Append(m);

    outFolder = dir.file("Dommerrapport");
    std::filesystem::create_directory(outFolder);
}

void ReportTest::TearDown() {
    db.Close();
    dao::DBEngine::Workspaces(0).Close();
}

void ReportTest::add(const Referee& r) {
    db.Execute("INSERT INTO Dommere (DommerNR, Dommer_FNavn, Dommer_ENavn, Dommer_Lag, Dommer_Boccia, Dommer_Curling) "
               "VALUES (?, ?, ?, ?, ?, ?)",
               {vb::Variant::Integer(r.nr), r.first, r.last, r.club, r.boccia, r.curling});
}

void ReportTest::addMatch(int nr, int seq, int status, const std::string& tournament) {
    db.Execute("INSERT INTO Dommertabell (DommerNR, SekvensNR, Status, TurneringsNavn) VALUES (?, ?, ?, ?)",
               {vb::Variant::Integer(nr), vb::Variant::Long(seq), vb::Variant::Integer(status), tournament});
}

void ReportTest::setHeading(const std::string& comm1) { db.Execute("UPDATE Versjon SET Comm1 = ?", {comm1}); }

std::string ReportTest::tpl(const std::string& name, const std::string& text) { return dir.write(name, text); }

report::CrystalReport ReportTest::control(const std::string& templatePath, const std::string& file) {
    report::CrystalReport c;
    c.SetDataFiles(0, dbPath);
    c.ReportFileName = templatePath;
    c.SetSortFields(0, "+ {dommere.DommerNR}");
    c.PrintFileName = outFolder + "/" + file;
    return c;
}

} // namespace reporttest
