// The button "Lag ny Rankingliste for klubbene": a new file is built under a
// temporary name and put in place whole; an existing file is emptied and
// filled again in one transaction. Either way the clubs never get half a file.
#include "ranking/Eksport.h"

#include <string>

#include "database/Apen.h"
#include "database/Transaksjon.h"
#include "platform/files/Files.h"
#include "platform/files/WholeFile.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "ranking/Databaser.h"
#include "ranking/EksportUtskrift.h"
#include "state/ProgramState.h"

namespace {

constexpr const char* Tittel = "RankingListe fra forbundet";
constexpr const char* FeilTittel = "Feil ved opprettelse av ny database med Rankingliste";
const std::string CR = vb::vbCr;

std::string Lagret(const std::string& forsteLinje) {
    return forsteLinje + CR + CR + "Rapporten finner du her: " + CR + state::RankingFilsti + CR + CR +
           "Denne fil skal sendes alle klubber!";
}

void TilbyUtskrift(const std::string& sporsmal, const std::string& tittel) {
    state::Svar = static_cast<int16_t>(forms::MsgBox(sporsmal + CR + CR + CR + "Trykk Ja for rapport, ellers Nei!",
                                                     forms::vbExclamation + forms::vbYesNo, tittel));
    if (state::Svar == forms::vbYes) Print_Rankingliste();
}

void LagNyFil() {
    using namespace state;
    files::WholeFile ny(RankingFilsti);
    try {
        I_Transaksjon([&] {
            DBaseRanking = dao::DBEngine::Workspaces(0).CreateDatabaseIn(ny.TempPath());
            Opprett_Tabell_Ranking();
            Opprett_Tabell_Ranking_KlData();
            Lagre_RankingData();
        });
    } catch (...) {
        LukkRankingfil();
        throw;
    }
    LukkRankingfil();
    ny.Commit();
    Svar = static_cast<int16_t>(forms::MsgBox(Lagret("Rankingliste LAGRET OK!"), forms::vbInformation, Tittel));
    TilbyUtskrift("Ønsker du skriftelig rapport av Rankingliste som ligger klar for oversendelse klubbene?", Tittel);
}

void FyllPaNytt() {
    using namespace state;
    Svar = static_cast<int16_t>(forms::MsgBox("Database: " + RankingFilnavn + CR + CR + "Database med samme navn finnes fra før." +
                                                  CR + "Ønsker du å oppdatere data i denne, trykk i såfall OK?" + CR +
                                                  "Ellers trykk Avbryt for å avbryte!",
                                              forms::vbExclamation + forms::vbOKCancel, "RankingListe til forbundet"));
    if (Svar != forms::vbOK) {
        Svar = static_cast<int16_t>(
            forms::MsgBox("Lagring avbrudt!" + CR + CR + "Database ble ikke oppdatert!", forms::vbInformation, Tittel));
        return;
    }
    turneringsdb::ProvFilForPafylling(RankingFilsti, "Ranking");
    try {
        I_Transaksjon([] {
            Slett_RankingData();
            Lagre_RankingData();
        });
    } catch (...) {
        LukkRankingfil();
        throw;
    }
    LukkRankingfil();
    Svar = static_cast<int16_t>(forms::MsgBox(Lagret("RAPPORT på RankingListe LAGRET OK!"), forms::vbInformation, Tittel));
    TilbyUtskrift("Ønsker du skriftelig rapport av Rankingliste som ligger klar for oversendelse fra forbundet?",
                  "Rapport Rankingliste fra forbundet");
}

} // namespace

void Lag_Rankingliste_For_Klubbene() {
    using namespace state;
    RankingFilsti = files::Join(files::Join(forms::App.Path, "DommerDistribusjon"), "RankingListe.rlt");
    RankingFilnavn = files::BaseName(RankingFilsti);
    LukkRankingfil();
    try {
        // Told before anything is written: without it no entry could be stamped.
        Eksportens_Utgiver();
        if (files::Exists(RankingFilsti)) FyllPaNytt();
        else LagNyFil();
    } catch (const vb::Err& e) {
        Svar = static_cast<int16_t>(forms::MsgBox(turneringsdb::Aarsak(e), forms::vbInformation, FeilTittel));
    }
    forms::Screen.SetMousePointer(forms::vbDefault);
}
