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

void LeggInnDommer(const std::vector<std::pair<std::string, vb::Variant>>& kolonner,
                   const std::vector<std::string>& flagg, const std::vector<std::pair<std::string, std::string>>& tekster) {
    std::string navn, merker;
    dao::Params verdier;
    const auto legg = [&](const std::string& kolonne, const vb::Variant& verdi) {
        navn += (navn.empty() ? "" : ", ") + kolonne;
        merker += merker.empty() ? "?" : ", ?";
        verdier.push_back(verdi);
    };
    for (const auto& [kolonne, verdi] : kolonner) legg(kolonne, verdi);
    for (const auto& kolonne : flagg) legg(kolonne, true);
    for (const auto& [kolonne, tekst] : tekster) legg(kolonne, tekst);
    state::DBase.Execute("Insert Into Dommere (" + navn + ") Values (" + merker + ")", verdier);
}

} // namespace kdtest
