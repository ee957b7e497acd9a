#include "import/Innlesing.h"

#include "import/HentDommerFil.h"
#include "import/Resultatfil.h"
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
// (showing the file puts UtvalgFil on its rows).
void apneResultatfil() {
    dao::Workspace& ws = arbeidsomrade();
    SisteBase = ws.OpenDatabase(state::Filsti, true);
    SisteFil = state::Filsti;
    state::DBaseFil = ws.OpenDatabase(state::Filsti, true);
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
        arbeidsomrade();
        Tilkoplet fil;
        Kontroller_Oppbygning(state::DBase, Alias);

        if (utgave == Utgave::Vanlig) {
            dao::Recordset rs = state::DBase.OpenRecordset("SELECT Status FROM " + Fil + "Versjon ORDER BY rowid LIMIT 1",
                                                           dao::dbOpenSnapshot);
            const vb::Variant status = rs.Get(0);
            rs.Close();
            if (Filstatus_Verdi(status) != FilIkkeInnlest) {
                fil.frakople();
                apneResultatfil();
                pekerNormal();
                forms::MsgBox(visesIStedet(status), forms::vbExclamation);
                visFil();
                pekerNormal();
                return;
            }
        }
        Kontroller_Rader(state::DBase, Alias);

        long ukjente = 0;
        if (!sporOmUkjenteDommere(ukjente)) {
            // Nothing was read in, but the chosen file is the one the printout and the
            // duplicates window now act on, as it would have been after a Yes.
            fil.frakople();
            apneResultatfil();
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
        apneResultatfil();

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
}

} // namespace innlesing

void Les_Inn_Dommerfil() { lesInn(Utgave::Vanlig); }

void Les_Inn_Dommerfil_Test() { lesInn(Utgave::Test); }

void Sjekk_Duplikat() {
    // Live matches of the register and the file's unread rows sorted together by the match
    // key: a file row is a duplicate when a live match or an earlier file row (read in before
    // it, or a duplicate itself) shares its key. Texts count exactly as stored (case and
    // blanks), points by value; a row with an empty key value matches nothing.
    struct Par {
        const char* kamp;
        const char* fil;
        bool tekst;
    };
    constexpr Par Nokkel[] = {{"DommerNR", "DommerNR", false},          {"Dommer_HLag", "HLag", true},
                              {"Dommer_BLag", "BLag", true},            {"Dommer_HPoeng", "HPoeng", false},
                              {"Dommer_BPoeng", "BPoeng", false},       {"TurneringsNavn", "Turneringsnavn", true},
                              {"Turneringsdato", "Turneringsdato", true}, {"Typespill", "TypeSpill", true}};
    std::string kamper = "SELECT 0 AS kilde, 0 AS rad", filrader = "SELECT 1, rowid", kampHele = "Status < 3",
                filHele = "Status = 0", deling;
    int k = 0;
    for (const auto& p : Nokkel) {
        const std::string navn = "k" + std::to_string(k++);
        const std::string binaer = p.tekst ? " COLLATE BINARY" : "";
        kamper += std::string(", ") + (p.tekst ? "CAST(" + std::string(p.kamp) + " AS TEXT)" : p.kamp) + binaer + " AS " + navn;
        filrader += std::string(", ") + (p.tekst ? "CAST(" + std::string(p.fil) + " AS TEXT)" : p.fil) + binaer;
        kampHele += std::string(" AND ") + p.kamp + " IS NOT NULL";
        filHele += std::string(" AND ") + p.fil + " IS NOT NULL";
        deling += (deling.empty() ? "" : ", ") + navn + binaer;
    }
    // Only live matches of the file's tournament dates take part: the others cannot share a key.
    kampHele += " AND CAST(Turneringsdato AS TEXT) COLLATE BINARY IN (SELECT CAST(Turneringsdato AS TEXT) FROM " + Fil +
                "dommerdata WHERE " + filHele + ")";
    state::DBase.Execute("UPDATE " + Fil + "dommerdata SET Status = 4 WHERE rowid IN (SELECT rad FROM (SELECT kilde, rad, "
                         "row_number() OVER (PARTITION BY " + deling + " ORDER BY kilde, rad) AS nr FROM (" + kamper +
                         " FROM main.Dommertabell WHERE " + kampHele + " UNION ALL " + filrader + " FROM " + Fil +
                         "dommerdata WHERE " + filHele + ")) WHERE kilde = 1 AND nr > 1)");
    AntallDuplikater = static_cast<int32_t>(state::DBase.RecordsAffected());
    if (AntallDuplikater > 0) DuplikatFunnet = 1;
}
