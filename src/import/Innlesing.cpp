#include "import/Innlesing.h"

#include <cstring>
#include <limits>
#include <memory_resource>
#include <string_view>
#include <unordered_set>

#include "database/Apen.h"
#include "import/HentDommerFil.h"
#include "import/Resultatfil.h"
#include "import/VisDuplikater.h"
#include "matches/ValgtKamp.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

using namespace innlesing;

namespace {

enum class Utgave { Vanlig, Test };

void pekerNormal() { forms::Screen.SetMousePointer(forms::vbDefault); }

dao::Workspace& arbeidsomrade() {
    state::ArbeidsomradeFil = &dao::DBEngine::Workspaces(0);
    return *state::ArbeidsomradeFil;
}

long tall(const std::string& sql, const dao::Params& p = {}) {
    dao::Recordset rs = state::DBase.OpenRecordset(sql, dao::dbOpenSnapshot, p);
    return vb::CLng(rs.Get(0));
}

// Every handle on the previous result file goes, so that the file can be attached.
void slippResultatfil() {
    for (dao::Recordset* rs : {&state::UtvalgFil, &state::UtvalgVersjon})
        if (!rs->IsNothing()) rs->Close();
    if (!state::DBaseFil.IsNothing()) state::DBaseFil.Close();
    Glem_Siste_Fil();
}

// The result file attached to the tournament database for the length of one import, so
// that one transaction spans both files.
class Tilkoplet {
public:
    Tilkoplet() { state::DBase.Attach(state::Filsti, Alias); }
    ~Tilkoplet() {
        if (arbeidsomrade().InTransaction()) {
            try { arbeidsomrade().Rollback(); } catch (const vb::Err&) {}
        }
        if (tilkoplet_) {
            try { state::DBase.Detach(Alias); } catch (const vb::Err&) {}
        }
    }
    void frakople() {
        state::DBase.Detach(Alias);
        tilkoplet_ = false;
    }
    Tilkoplet(const Tilkoplet&) = delete;
    Tilkoplet& operator=(const Tilkoplet&) = delete;
private:
    bool tilkoplet_ = true;
};

// The file in DBaseFil and the import's own handle, with UtvalgVersjon on its row
// (showing the file puts UtvalgFil on its rows). A file only shown is opened read-only.
enum class Apnes { ForSkriving, BareForVisning };
void apneResultatfil(Apnes apnes) {
    dao::Workspace& ws = arbeidsomrade();
    const bool lesebeskyttet = apnes == Apnes::BareForVisning;
    SisteBase = ws.OpenDatabase(state::Filsti, true, lesebeskyttet);
    SisteFil = state::Filsti;
    FolgDatabasen();
    state::DBaseFil = ws.OpenDatabase(state::Filsti, true, lesebeskyttet);
    state::UtvalgVersjon = state::DBaseFil.OpenRecordset("Select * from versjon");
}

void visFil() {
    HentDommerFil& vindu = forms::Default<HentDommerFil>();
    vindu.SSCommand2.SetVisible(true);
    vindu.Vis_Dommerfil();
}

const std::string Fil = std::string(Alias) + ".";
const std::string UkjentDommerVilkar = " WHERE DommerNR NOT IN (SELECT DommerNR FROM main.Dommere WHERE DommerNR IS NOT NULL)";

// Asks about every row whose referee is not registered, in the file's order.
// False when the user said No.
bool sporOmUkjenteDommere(long& antall) {
    dao::Recordset rs = state::DBase.OpenRecordset("SELECT DommerNR, Dommer_ForNavn, Dommer_EtterNavn, Dommer_Lag FROM " + Fil +
                                                       "dommerdata" + UkjentDommerVilkar + " ORDER BY rowid",
                                                   dao::dbOpenSnapshot);
    antall = 0;
    for (; !rs.EOF_(); rs.MoveNext()) {
        const std::string tekst = std::string("Filen inneholder data med ukjent dommer!") + vb::vbCr + "Ukjent dommernummer er : " +
                                  vb::Concat(rs.Get(0), "  ") + vb::Concat(rs.Get(1), " ") + vb::Concat(rs.Get(2), ", ") +
                                  vb::Concat(rs.Get(3), "") + vb::vbCr + "Ønsker du å fortsette innlesing av øvrige data, " +
                                  vb::vbCr + "Svar i såfall Ja, ellers avbryt ved å svare Nei!";
        state::Svar = static_cast<int16_t>(forms::MsgBox(tekst, forms::vbYesNo + forms::vbExclamation));
        if (state::Svar == forms::vbNo) return false;
        ++antall;
    }
    return true;
}

// The largest SekvensNR in Dommertabell; an empty one never wins, an empty table gives 0.
int32_t storsteSekvensnummer() {
    return static_cast<int32_t>(tall("SELECT max(0, coalesce(max(SekvensNR), 0)) FROM main.Dommertabell"));
}

// Appends the rows (status 0 ones, or every row in the test variant) with the next
// sequence numbers in the file's order, then marks them 1. Returns how many.
int32_t lesInnRader(Utgave utgave) {
    const std::string utvalg = utgave == Utgave::Vanlig ? " WHERE Status = 0" : "";
    // Our own files refuse a number past the Long range by the column's check; a file
    // without that check is refused here the same way, before any row is written.
    const long long rader = tall("SELECT count(*) FROM " + Fil + "dommerdata" + utvalg);
    if (state::Sekvensnummer + rader > std::numeric_limits<int32_t>::max())
        vb::Raise(vb::errnum::Overflow, "Overflyt i feltet 'SekvensNR'.");
    state::DBase.Execute(
        "INSERT INTO main.Dommertabell (DommerNR, SekvensNR, Status, Dommer_FNavn, Dommer_ENavn, Dommer_Lag, Turneringsdato, "
        "TurneringsNavn, Dommer_HLag, Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng, Typespill) "
        "SELECT DommerNR, ? + row_number() OVER (ORDER BY rowid), 0, Dommer_ForNavn, Dommer_EtterNavn, Dommer_Lag, "
        "Turneringsdato, Turneringsnavn, HLag, BLag, HPoeng, BPoeng, TypeSpill FROM " +
            Fil + "dommerdata" + utvalg + " ORDER BY rowid",
        {vb::Variant::Long(state::Sekvensnummer)});
    const auto innlest = static_cast<int32_t>(state::DBase.RecordsAffected());
    state::DBase.Execute("UPDATE " + Fil + "dommerdata SET Status = 1" + utvalg);
    state::Sekvensnummer += innlest;
    return innlest;
}

void stemple(bool ukjentMerket) {
    state::DBase.Execute("UPDATE " + Fil + "Versjon SET Status = ? WHERE rowid = (SELECT min(rowid) FROM " + Fil + "Versjon)",
                         {vb::Variant::Integer(ukjentMerket ? FilMedUkjentDommer : FilInnlest)});
}

void fullfortMelding(bool ukjentMerket) {
    forms::MsgBox(std::string("Innlesing fullført OK!") + vb::vbCr +
                      (ukjentMerket ? "Filen er markèrt: Status=2, delvis innlest, inneholder en eller flere poster med ukjent dommer"
                                    : "Filen er markèrt: Status= 1 (Innlest)"),
                  forms::vbExclamation);
}

// Why a file that is not to be read in is shown instead.
std::string visesIStedet(const vb::Variant& status) {
    const std::string vises = "Trykk OK og inneholdet vises på skjerm i stedet!";
    switch (Filstatus_Verdi(status)) {
    case FilInnlest:
        return std::string("Denne fil er tidligere innlest! ") + vb::vbCr + "Kan kun leses inn 1 gang!" + vb::vbCr + vises;
    case FilMedUkjentDommer:
        return std::string("Denne fil er tidligere delvis innlest,") + vb::vbCr + "men inneholder noen poster med ukjent dommer! " +
               vb::vbCr + vises + vb::vbCr + "Poster med Status=2 er ikke registrert pga ukjent dommer!";
    default:
        // A status the tournament program never writes: the file is not read in, but shown.
        return "Denne fil har ukjent filstatus (" + (status.IsNull() ? std::string("tom") : vb::Concat(status, "")) +
               ") og leses ikke inn!" + vb::vbCr + vises;
    }
}

// The file is proved through a read-only handle before it is attached for writing, so a
// file that is refused or only shown keeps its bytes: whole by SQLite's check, with the
// tables and values the import needs. A file read in before is shown instead (false).
bool skalLesesInn(Utgave utgave) {
    vb::Variant status = vb::Variant::Integer(FilIkkeInnlest);
    {
        dao::Database provet = arbeidsomrade().OpenDatabase(state::Filsti, false, true);
        turneringsdb::ProvHel(provet, state::Filsti);
        Kontroller_Oppbygning(provet, "main");
        if (utgave == Utgave::Vanlig)
            status = provet.OpenRecordset("SELECT Status FROM Versjon ORDER BY rowid LIMIT 1", dao::dbOpenSnapshot).Get(0);
        if (Filstatus_Verdi(status) == FilIkkeInnlest) Kontroller_Rader(provet, "main");
    }
    if (Filstatus_Verdi(status) == FilIkkeInnlest) return true;
    apneResultatfil(Apnes::BareForVisning);
    pekerNormal();
    forms::MsgBox(visesIStedet(status), forms::vbExclamation);
    visFil();
    pekerNormal();
    return false;
}

void lesInn(Utgave utgave) {
    forms::Screen.SetMousePointer(forms::vbHourglass);
    try {
        if (utgave == Utgave::Test) {
            state::Svar = static_cast<int16_t>(forms::MsgBox(
                std::string("Du starter nå testversjonen av innlesing!") + vb::vbCr +
                    "Ingen kontroll på status tidligere innlesing gjøres!" + vb::vbCr + "Ønsker du å fortsette innlesing alikevel, " +
                    vb::vbCr + "Svar i såfall Ja, ellers avbryt ved å svare Nei!",
                forms::vbYesNo + forms::vbExclamation));
            if (state::Svar == forms::vbNo) {
                pekerNormal();
                return;
            }
        }
        state::Sekvensnummer = 0;
        if (utgave == Utgave::Vanlig) AntallDuplikater = 0;
        HentDommerFil& vindu = forms::Default<HentDommerFil>();
        vindu.Init_Grid_Dommerdata();
        vindu.Text2.SetText("");   // it counts the rows of the file on screen

        slippResultatfil();
        if (!skalLesesInn(utgave)) return;
        Tilkoplet fil;

        long ukjente = 0;
        if (!sporOmUkjenteDommere(ukjente)) {
            // Nothing was read in, but the chosen file is the one the printout and the
            // duplicates window now act on, as it would have been after a Yes.
            fil.frakople();
            apneResultatfil(Apnes::ForSkriving);
            pekerNormal();
            return;
        }
        forms::Screen.SetMousePointer(forms::vbHourglass);

        dao::Workspace& ws = arbeidsomrade();
        ws.BeginTrans();
        if (ukjente > 0) state::DBase.Execute("UPDATE " + Fil + "dommerdata SET Status = 2" + UkjentDommerVilkar);
        state::Sekvensnummer = storsteSekvensnummer();
        if (utgave == Utgave::Vanlig) {
            DuplikatFunnet = 0;
            Sjekk_Duplikat();
        }
        const int32_t innlest = lesInnRader(utgave);
        stemple(ukjente > 0);
        ws.CommitTrans();
        // The match rows on screen elsewhere may no longer be what the user picked from.
        Nullstill_Valgt_Kamp();
        fil.frakople();
        apneResultatfil(Apnes::ForSkriving);

        pekerNormal();
        fullfortMelding(ukjente > 0);
        if (utgave == Utgave::Vanlig && AntallDuplikater > 0)
            forms::MsgBox("Obs at " + std::to_string(AntallDuplikater) + " duplikater ble funnet, disse ble ikke lest inn!",
                          forms::vbExclamation);
        visFil();
        if (utgave == Utgave::Vanlig) {
            vindu.Text5.SetText(std::to_string(AntallDuplikater));
            vindu.Text4.SetText(std::to_string(ukjente));
            vindu.Text3.SetText(std::to_string(innlest));
        }
        pekerNormal();
    } catch (const vb::Err& e) {
        pekerNormal();
        // The file shown before was let go; a file that failed is nothing to print.
        if (!HarSisteFil()) forms::Default<HentDommerFil>().SSCommand2.SetVisible(false);
        forms::MsgBox(FeilMelding + e.Description, forms::vbExclamation);
    }
}

} // namespace

namespace innlesing {

bool HarSisteFil() { return !SisteFil.empty() && SisteBase.IsOpen(); }

void Glem_Siste_Fil() {
    if (!SisteBase.IsNothing()) SisteBase.Close();
    SisteBase = dao::Database();
    SisteFil.clear();
    SisteDatabase.clear();
    turneringsdb::GlemDatabaseendring(&SisteBase);
}

void FolgDatabasen() {
    SisteDatabase = state::Databasenavn;
    turneringsdb::NarDatabasenEndres(&SisteBase, [] {
        // A read-in or a failed open leaves the same database open: the file stays.
        if (state::Databasenavn == SisteDatabase) return;
        Glem_Siste_Fil();
        if (forms::IsLoaded<VisDuplikater>()) forms::Default<VisDuplikater>().Unload();
        if (forms::IsLoaded<HentDommerFil>()) forms::Default<HentDommerFil>().Tom_Vindu();
    });
}

} // namespace innlesing

void Les_Inn_Dommerfil() { lesInn(Utgave::Vanlig); }

void Les_Inn_Dommerfil_Test() { lesInn(Utgave::Test); }

namespace {

// Appends a row's match key (the cells from column fra on) to k, each value after its length,
// so that two keys are equal exactly when every value is: texts as stored (case and blanks),
// numbers by value. False when a value is missing: such a row matches nothing.
bool matchNokkel(const dao::Cells& rad, int fra, std::string& k) {
    k.clear();
    for (int i = fra; i < rad.Count(); ++i) {
        const std::size_t lengde = k.size();
        k.append(sizeof(uint32_t), '\0');
        if (!rad.AppendText(i, k)) return false;
        const auto n = static_cast<uint32_t>(k.size() - lengde - sizeof(uint32_t));
        std::memcpy(k.data() + lengde, &n, sizeof n);
    }
    return true;
}

// The keys seen, their bytes kept together in one arena that goes at once.
class Nokler {
public:
    // False when the key was there already. Its copy is kept either way: duplicates are few,
    // and so the key is hashed once.
    bool LeggTil(std::string_view k) {
        char* kopi = static_cast<char*>(arena_.allocate(k.size(), 1));
        std::memcpy(kopi, k.data(), k.size());
        return sett_.emplace(kopi, k.size()).second;
    }
private:
    std::pmr::monotonic_buffer_resource arena_;
    std::pmr::unordered_set<std::string_view> sett_{&arena_};
};

} // namespace

void Sjekk_Duplikat() {
    // A file row is a duplicate when a live match or an earlier file row (read in before it,
    // or a duplicate itself) shares its key.
    const std::string filDatoer = "SELECT Turneringsdato FROM " + Fil + "dommerdata WHERE Status = 0";
    Nokler kjent;
    std::string k;
    // Only live matches of the file's tournament dates can share a key.
    state::DBase.ScanCells("SELECT DommerNR, Dommer_HLag, Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng, TurneringsNavn, Turneringsdato, "
                           "Typespill FROM main.Dommertabell WHERE Status < 3 AND CAST(Turneringsdato AS TEXT) COLLATE BINARY IN "
                           "(SELECT CAST(Turneringsdato AS TEXT) FROM (" + filDatoer + "))",
                           [&](const dao::Cells& rad) {
                               if (matchNokkel(rad, 0, k)) kjent.LeggTil(k);
                           });
    std::vector<vb::Variant> duplikater;
    state::DBase.ScanCells("SELECT rowid, DommerNR, HLag, BLag, HPoeng, BPoeng, Turneringsnavn, Turneringsdato, TypeSpill FROM " +
                               Fil + "dommerdata WHERE Status = 0 ORDER BY rowid",
                           [&](const dao::Cells& rad) {
                               if (matchNokkel(rad, 1, k) && !kjent.LeggTil(k)) duplikater.push_back(rad.Value(0));
                           });
    for (const vb::Variant& rad : duplikater)
        state::DBase.Execute("UPDATE " + Fil + "dommerdata SET Status = 4 WHERE rowid = ?", {rad});
    AntallDuplikater = static_cast<int32_t>(duplikater.size());
    if (AntallDuplikater > 0) DuplikatFunnet = 1;
}
