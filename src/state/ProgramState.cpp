#include "state/ProgramState.h"

namespace state {

namespace {
void closeQuietly(dao::Database& db) {
    try { if (!db.IsNothing()) db.Close(); } catch (...) {}
    db = dao::Database();
}
void dropQuietly(dao::Recordset& rs) {
    try { if (!rs.IsNothing()) rs.Close(); } catch (...) {}
    rs = dao::Recordset();
}
} // namespace

void ResetProgramState() {
    for (auto* rs : {&Utvalg, &Utvalg1, &Utvalg2, &Utvalg3, &Utvalg4, &UtvalgFil, &UtvalgVersjon}) dropQuietly(*rs);
    for (auto* db : {&DBase, &DBase2, &DBaseFil, &DBaseRanking}) closeQuietly(*db);
    Databasenavn.clear(); DatabaseFilnavn.clear(); Filnavn.clear(); Katalog.clear(); Filmonster.clear();
    Filsti.clear(); RankingFilsti.clear(); RankingFilnavn.clear();
    Arbeidsomrade = ArbeidsomradeFil = ArbeidsomradeRanking = ArbeidsomradeRanking2 = nullptr;
    Turnering_Navn.clear(); Turnering_Dato.clear(); Turnering_Sted.clear(); Opprettet_Av.clear();
    ValgtDommer = 0; Sekvensnummer = 0; DommerFunnet = 0; AntallDommere = 0; SokKlubb = 0;
    Sortering = 0; Svar = 0; Avbrutt = 0; AktivListe = 0; Skjermformat.clear(); Museknapp = 0;
}

} // namespace state
