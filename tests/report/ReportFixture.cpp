#include "ReportFixture.h"

#include <filesystem>

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

dao::Field text(const std::string& name) {
    dao::Field f(name, dao::dbText, 50);
    f.AllowZeroLength = true;
    return f;
}

} // namespace

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

report::Layout ReportTest::layout() const {
    report::Layout out = db.TableDefs();
    for (auto& t : out)
        if (t.Name == "Dommere")
            for (const char* f : {"KlB_Overdommer", "KlC_Overdommer"}) t.Fields.emplace_back(f, dao::dbBoolean);
    out.emplace_back("Ranking").Fields.emplace_back("Nr", dao::dbInteger);
    return out;
}

void ReportTest::setHeading(const std::string& comm1) { db.Execute("UPDATE Versjon SET Comm1 = ?", {comm1}); }

std::string ReportTest::tpl(const std::string& name, const std::string& text) { return dir.write(name, text); }

report::CrystalReport ReportTest::control(const std::string& templatePath, const std::string& file) {
    report::CrystalReport c;
    c.SetDataFiles(0, dbPath);
    c.ReportFileName = templatePath;
    c.DatabaseLayout = layout();
    c.SetSortFields(0, "+ {dommere.DommerNR}");
    c.PrintFileName = outFolder + "/" + file;
    return c;
}

} // namespace reporttest
