#include "support/Turneringsbase.h"

#include "database/Database.h"
#include "platform/dao/Dao.h"
#include "state/ProgramState.h"

namespace kdtest {

void LagTurneringsbase(const std::string& path, const std::string& opprettetAv, Tabeller tabeller) {
    state::DBase = dao::DBEngine::Workspaces(0).CreateDatabase(path);
    state::Turnering_Navn = "Norges Valmorisk";
    state::Opprettet_Av = opprettetAv;
    Opprett_Versjon();
    Opprett_Dommere();
    Opprett_Dommertabell();
    if (tabeller == Tabeller::Alle) {
        Opprett_Ranking();
        Opprett_Ranking_KlData();
    }
}

void ApneNyTurnering(const std::string& path, const std::string& opprettetAv, Tabeller tabeller) {
    state::Arbeidsomrade = &dao::DBEngine::Workspaces(0);
    LagTurneringsbase(path, opprettetAv, tabeller);
    state::Databasenavn = path;
}

} // namespace kdtest
