#include "database/Apen.h"

#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

#include "platform/forms/Runtime.h"
#include "state/ProgramState.h"

namespace turneringsdb {

namespace {
void lukkStille(dao::Database& db) {
    try {
        if (!db.IsNothing()) db.Close();
    } catch (const vb::Err&) {
    }
    db = dao::Database();
}
struct Lytter {
    const void* vindu;
    std::function<void()> oppfrisk;
};
std::vector<Lytter>& lyttere() {
    static std::vector<Lytter> alle;
    return alle;
}
} // namespace

void NarDatabasenEndres(const void* vindu, std::function<void()> oppfrisk) {
    GlemDatabaseendring(vindu);
    lyttere().push_back({vindu, std::move(oppfrisk)});
}

void NarDatabasenEndresEllerLukk(forms::Form& vindu, std::function<void()> oppfrisk) {
    NarDatabasenEndres(&vindu, [&vindu, oppfrisk = std::move(oppfrisk)] {
        if (state::Databasenavn.empty())
            vindu.Unload();
        else
            oppfrisk();
    });
}

void GlemDatabaseendring(const void* vindu) {
    std::erase_if(lyttere(), [vindu](const Lytter& l) { return l.vindu == vindu; });
}

void DatabasenErEndret() {
    // A copy: a window may unload itself, or another, while it refreshes.
    const std::vector<Lytter> naa = lyttere();
    for (const Lytter& l : naa) {
        const bool fortsattMed = std::any_of(lyttere().begin(), lyttere().end(),
                                             [&l](const Lytter& m) { return m.vindu == l.vindu; });
        if (!fortsattMed) continue;
        try {
            l.oppfrisk();
        } catch (const vb::Err& e) {
            forms::MsgBox(Aarsak(e), forms::vbExclamation + forms::vbOKOnly);
        }
    }
}

dao::Workspace& Arbeid() {
    if (!state::Arbeidsomrade) state::Arbeidsomrade = &dao::DBEngine::Workspaces(0);
    return *state::Arbeidsomrade;
}

std::string Sammenfoy(const std::string& katalog, const std::string& navn) {
    if (katalog.empty()) return navn;
    std::string k = katalog;
    while (k.size() > 1 && k.back() == '/') k.pop_back();
    std::string n = navn;
    while (!n.empty() && n.front() == '/') n.erase(0, 1);
    return k == "/" ? "/" + n : k + "/" + n;
}

std::string BareNavn(const std::string& sti) {
    const auto pos = sti.rfind('/');
    return pos == std::string::npos ? sti : sti.substr(pos + 1);
}

Navn NavnPaaApen() {
    if (state::DBase.IsNothing() || !state::DBase.IsOpen()) return {};
    const std::string sti = state::DBase.Name();
    return {sti, BareNavn(sti)};
}

bool ErApenDatabase(const std::string& sti) {
    std::error_code feil;
    return !state::Databasenavn.empty() && std::filesystem::equivalent(sti, state::Databasenavn, feil);
}

void ProvHel(const dao::Database& db, const std::string& sti) {
    const std::string skade = db.Damage();
    if (!skade.empty()) vb::Raise(dao::errnum::NotADatabase, "Filen " + sti + " er skadet (" + skade + ").");
}

void ProvFilForPafylling(const std::string& sti, const std::string& tabell) {
    if (ErApenDatabase(sti))
        vb::Raise(dao::errnum::CannotOpen, "Filen " + sti + " er databasen som er åpen nå, og kan ikke fylles på nytt.");
    dao::Database provet = Arbeid().OpenDatabase(sti, false, true);
    ProvHel(provet, sti);
    if (!provet.HasTable(tabell)) vb::Raise(dao::errnum::NoSuchTable, "Filen " + sti + " har ingen tabell " + tabell + ".");
    provet.Close();
}

void SettNavn(const std::string& sti) {
    state::Databasenavn = sti;
    state::DatabaseFilnavn = BareNavn(sti);
}

void SlippDelte() {
    for (auto* rs : {&state::Utvalg, &state::Utvalg1, &state::Utvalg2, &state::Utvalg3, &state::Utvalg4,
                     &state::UtvalgVersjon}) {
        try {
            if (!rs->IsNothing()) rs->Close();
        } catch (const vb::Err&) {
        }
        *rs = dao::Recordset();
    }
}

void LukkApen() {
    SlippDelte();
    lukkStille(state::DBase2);
    lukkStille(state::DBase);
}

void BliApen(dao::Database forrige, const std::string& sti) {
    SlippDelte();
    lukkStille(state::DBase2);
    lukkStille(forrige);
    state::DBase2 = Arbeid().OpenDatabase(sti);
    SettNavn(sti);
    DatabasenErEndret();
}

void SettTilbake(const Navn& forrige) {
    state::Databasenavn = forrige.databasenavn;
    state::DatabaseFilnavn = forrige.filnavn;
    SlippDelte();
    lukkStille(state::DBase2);
    if (!forrige.databasenavn.empty()) {
        try {
            state::DBase2 = Arbeid().OpenDatabase(forrige.databasenavn);
        } catch (const vb::Err&) {
            // DBase keeps the file open, so a second handle only fails with the file gone;
            // the register reopens DBase2 itself when it refreshes.
        }
    }
    DatabasenErEndret();
}

std::string Aarsak(const vb::Err& e) { return "Årsak :  " + e.Description; }

} // namespace turneringsdb
