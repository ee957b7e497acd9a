#include "import/Innlesing.h"

#include <cstdint>
#include <limits>
#include <string>

#include "database/Apen.h"
#include "import/HentDommerFil.h"
#include "import/Resultatfil.h"
#include "import/SisteFil.h"
#include "import/SjekkDuplikat.h"
#include "matches/ValgtKamp.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

using namespace innlesing;

namespace {

enum class Utgave { Vanlig, Test };

dao::Workspace& arbeidsomrade() { return dao::DBEngine::Workspaces(0); }

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

// The result file attached to the database for the length of one import, so that one
// transaction of the workspace spans both files; one left open is rolled back.
class Tilkoplet {
public:
    Tilkoplet(dao::Database& db, dao::Workspace& ws, const std::string& fil) : db_(db), ws_(ws) { db_.Attach(fil, Alias); }
    ~Tilkoplet() {
        if (ws_.InTransaction()) {
            try { ws_.Rollback(); } catch (const vb::Err&) {}
        }
        if (tilkoplet_) {
            try { db_.Detach(Alias); } catch (const vb::Err&) {}
        }
    }
    void frakople() {
        db_.Detach(Alias);
        tilkoplet_ = false;
    }
    Tilkoplet(const Tilkoplet&) = delete;
    Tilkoplet& operator=(const Tilkoplet&) = delete;
private:
    dao::Database& db_;
    dao::Workspace& ws_;
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

// Asks about every row whose referee is not registered, in the file's order, reading the rows
// as it goes (nothing is written meanwhile). False when the user said No.
bool sporOmUkjenteDommere(long& antall) {
    dao::Recordset rs = state::DBase.OpenRecordset("SELECT DommerNR, Dommer_ForNavn, Dommer_EtterNavn, Dommer_Lag FROM " + Fil +
                                                       "dommerdata" + UkjentDommerVilkar + " ORDER BY rowid",
                                                   dao::dbOpenForwardOnly);
    antall = 0;
    // One text for every question, its fixed parts put together once: a file may hold thousands.
    const std::string innledning = std::string("Filen inneholder data med ukjent dommer!") + vb::vbCr + "Ukjent dommernummer er : ";
    const std::string avslutning = std::string(vb::vbCr) + "Ønsker du å fortsette innlesing av øvrige data, " + vb::vbCr +
                                   "Svar i såfall Ja, ellers avbryt ved å svare Nei!";
    std::string tekst;
    const auto verdi = [&](int felt, const char* etter) {
        if (const vb::Variant v = rs.Get(felt); !v.IsNull()) tekst += v.ToText();
        tekst += etter;
    };
    for (; !rs.EOF_(); rs.MoveNext()) {
        tekst.assign(innledning);
        verdi(0, "  ");
        verdi(1, " ");
        verdi(2, ", ");
        verdi(3, "");
        tekst += avslutning;
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
bool skalLesesInn(Utgave utgave, forms::Timeglass& timeglass) {
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
    timeglass.Slipp();
    forms::MsgBox(visesIStedet(status), forms::vbExclamation);
    visFil();
    return false;
}

void lesInn(Utgave utgave) {
    forms::Timeglass timeglass;
    try {
        if (utgave == Utgave::Test) {
            state::Svar = static_cast<int16_t>(forms::MsgBox(
                std::string("Du starter nå testversjonen av innlesing!") + vb::vbCr +
                    "Ingen kontroll på status tidligere innlesing gjøres!" + vb::vbCr + "Ønsker du å fortsette innlesing alikevel, " +
                    vb::vbCr + "Svar i såfall Ja, ellers avbryt ved å svare Nei!",
                forms::vbYesNo + forms::vbExclamation));
            if (state::Svar == forms::vbNo) return;
        }
        state::Sekvensnummer = 0;
        if (utgave == Utgave::Vanlig) AntallDuplikater = 0;
        HentDommerFil& vindu = forms::Default<HentDommerFil>();
        vindu.Init_Grid_Dommerdata();
        vindu.Text2.SetText("");   // it counts the rows of the file on screen

        slippResultatfil();
        if (!skalLesesInn(utgave, timeglass)) return;
        dao::Workspace& ws = arbeidsomrade();
        Tilkoplet fil(state::DBase, ws, state::Filsti);

        long ukjente = 0;
        if (!sporOmUkjenteDommere(ukjente)) {
            // Nothing was read in, but the chosen file is the one the printout and the
            // duplicates window now act on, as it would have been after a Yes.
            fil.frakople();
            apneResultatfil(Apnes::ForSkriving);
            return;
        }

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

        timeglass.Slipp();
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
    } catch (const vb::Err& e) {
        timeglass.Slipp();
        // The file shown before was let go; a file that failed is nothing to print.
        if (!HarSisteFil()) forms::Default<HentDommerFil>().SSCommand2.SetVisible(false);
        forms::MsgBox(FeilMelding + e.Description, forms::vbExclamation);
    }
}

} // namespace


void Les_Inn_Dommerfil() { lesInn(Utgave::Vanlig); }

void Les_Inn_Dommerfil_Test() { lesInn(Utgave::Test); }
