// The referee grid with the match count of each referee, the referee count and
// the three counters.
#include <string>
#include <unordered_map>

#include "database/Kampoversikt.h"
#include "database/Transaksjon.h"
#include "platform/dao/Dao.h"
#include "register/Dommere_Init.h"
#include "state/ProgramState.h"

namespace {

// Spaces before the number so that the numbers line up in the centred column.
std::string nummerTekst(const vb::Variant& nr) {
    if (nr.IsNull()) return {};
    const int n = vb::CLng(nr);
    const char* foran = n < 10 ? "    " : n < 100 ? "  " : "";
    return foran + std::to_string(n);
}

// Rows of Dommertabell per referee number, every Status counted: from the overview kept on the
// main handle, which every write to the file through either handle makes read again unless
// the program's own write mended it.
const std::unordered_map<int, turneringsdb::Kamptall>& kamperPerDommer() {
    const bool sammeFil = state::DBase.IsOpen() && state::DBase.Name() == state::DBase2.Name();
    return turneringsdb::Oversikt(sammeFil ? state::DBase : state::DBase2).perDommer;
}

} // namespace

void Dommere_Init::rutenettOverskrift() {
    MSFlexGrid1.SetRows(1);
    MSFlexGrid1.SetCols(4);
    const struct { int bredde, justering; const char* overskrift; } kolonner[] = {
        {390, 3, "Nr"}, {2400, 0, "Navn"}, {2050, 0, "Lag"}, {650, 3, "Kamper"}};
    for (int c = 0; c < 4; ++c) {
        MSFlexGrid1.SetColAlignment(c, kolonner[c].justering);
        MSFlexGrid1.SetColWidth(c, kolonner[c].bredde);
        MSFlexGrid1.SetTextMatrix(0, c, kolonner[c].overskrift);
    }
    MSFlexGrid1.SetRow(0);
    MSFlexGrid1.SetCol(0);
}

void Dommere_Init::Fyll_List1() {
    dao::Database ny = Registerets_Arbeidsomrade().OpenDatabase(state::Databasenavn, true);
    if (!state::DBase2.IsNothing()) state::DBase2.Close();
    state::DBase2 = ny;
    // Every caller refills the grid next, which leaves Utvalg on the referees.
    dao::Recordset antall = state::DBase2.OpenRecordset("Select Count(*) from Dommere", dao::dbOpenSnapshot);
    state::AntallDommere = static_cast<int16_t>(vb::CLng(antall.Get(0)));
}

void Dommere_Init::Fyll_MSFlexgrid1() {
    rutenettOverskrift();
    state::Utvalg = state::DBase2.OpenRecordset("Select DommerNR, Dommer_FNavn, Dommer_ENavn, Dommer_Lag from Dommere",
                                                dao::dbOpenSnapshot);
    state::AntallDommere = static_cast<int16_t>(state::Utvalg.RecordCount());
    const auto& kamper = kamperPerDommer();

    MSFlexGrid1.SetRows(1 + static_cast<int>(state::Utvalg.RecordCount()));
    int rad = 1;
    for (; !state::Utvalg.EOF_(); state::Utvalg.MoveNext(), ++rad) {
        const vb::Variant nr = state::Utvalg.Get("DommerNR");
        long antall = 0;
        if (!nr.IsNull())
            if (auto funnet = kamper.find(vb::CLng(nr)); funnet != kamper.end()) antall = funnet->second.alle;
        MSFlexGrid1.SetTextMatrix(rad, 0, nummerTekst(nr));
        MSFlexGrid1.SetTextMatrix(
            rad, 1, vb::Concat(vb::Concat(state::Utvalg.Get("Dommer_FNavn"), "  "), state::Utvalg.Get("Dommer_ENavn")));
        MSFlexGrid1.SetTextMatrix(rad, 2, vb::Concat(state::Utvalg.Get("Dommer_Lag"), ""));
        MSFlexGrid1.SetTextMatrix(rad, 3, std::to_string(antall));
    }
    // Every filling leaves the heading row current.
    MSFlexGrid1.SetRow(0);
    MSFlexGrid1.SetCol(0);
}

void Dommere_Init::Tell_Dommere() {
    dao::Recordset tall = state::DBase2.OpenRecordset(
        "Select Count(*), Coalesce(Sum(Dommer_Boccia <> 0), 0), Coalesce(Sum(Dommer_Curling <> 0), 0) From dommere",
        dao::dbOpenSnapshot);
    Text16.SetText(std::to_string(vb::CLng(tall.Get(0))));
    Text17.SetText(std::to_string(vb::CLng(tall.Get(1))));
    Text18.SetText(std::to_string(vb::CLng(tall.Get(2))));
}

void Dommere_Init::visStempel(dao::Database& db) {
    state::Utvalg1 = db.OpenRecordset("Select * from versjon");
    if (state::Utvalg1.EOF_()) return;
    const vb::Variant dato = state::Utvalg1.Get("LagetDato");
    const vb::Variant tid = state::Utvalg1.Get("ADDR1");
    const vb::Variant dag = state::Utvalg1.Get("ADDR2");
    if (!dato.IsNull()) Text11.SetText(vb::CStr(dato));
    if (!tid.IsNull()) Text12.SetText("kl. " + vb::CStr(tid));
    if (!dag.IsNull()) Text13.SetText(vb::CStr(dag));
}
