#include "import/Innlesing.h"

#include "import/HentDommerFil.h"
#include "import/Resultatfil.h"
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

// The file in DBaseFil and the import's own handle, with UtvalgFil and UtvalgVersjon on it.
void apneResultatfil() {
    dao::Workspace& ws = arbeidsomrade();
    SisteBase = ws.OpenDatabase(state::Filsti, true);
    SisteFil = state::Filsti;
    state::DBaseFil = ws.OpenDatabase(state::Filsti, true);
    state::UtvalgFil = state::DBaseFil.OpenRecordset("Select * from dommerdata");
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
        AntallDuplikater = 0;
        HentDommerFil& vindu = forms::Default<HentDommerFil>();
        vindu.Init_Grid_Dommerdata();

        slippResultatfil();
        arbeidsomrade();
        Tilkoplet fil;
        Kontroller_Oppbygning(state::DBase, Alias);

        if (utgave == Utgave::Vanlig) {
            dao::Recordset rs = state::DBase.OpenRecordset("SELECT Status FROM " + Fil + "Versjon ORDER BY rowid LIMIT 1",
                                                           dao::dbOpenSnapshot);
            const vb::Variant status = rs.Get(0);
            rs.Close();
            const int filstatus = Filstatus_Verdi(status);
            if (filstatus != FilIkkeInnlest) {
                fil.frakople();
                apneResultatfil();
                pekerNormal();
                if (filstatus == FilInnlest)
                    forms::MsgBox(std::string("Denne fil er tidligere innlest! ") + vb::vbCr + "Kan kun leses inn 1 gang!" + vb::vbCr +
                                      "Trykk OK og inneholdet vises på skjerm i stedet!",
                                  forms::vbExclamation);
                else if (filstatus == FilMedUkjentDommer)
                    forms::MsgBox(std::string("Denne fil er tidligere delvis innlest,") + vb::vbCr +
                                      "men inneholder noen poster med ukjent dommer! " + vb::vbCr +
                                      "Trykk OK og inneholdet vises på skjerm i stedet!" + vb::vbCr +
                                      "Poster med Status=2 er ikke registrert pga ukjent dommer!",
                                  forms::vbExclamation);
                else
                    // A status the tournament program never writes: the file is not read in, but shown.
                    forms::MsgBox(std::string("Denne fil har ukjent filstatus (") + vb::Concat(status, "") + ") og leses ikke inn!" +
                                      vb::vbCr + "Trykk OK og inneholdet vises på skjerm i stedet!",
                                  forms::vbExclamation);
                visFil();
                pekerNormal();
                return;
            }
        }
        Kontroller_Rader(state::DBase, Alias);

        long ukjente = 0;
        if (!sporOmUkjenteDommere(ukjente)) {
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
    // Texts exactly as stored (case and blanks count), points by value; an empty value matches nothing.
    const std::string Tekstpar[][2] = {{"Dommer_HLag", "HLag"}, {"Dommer_BLag", "BLag"}, {"TurneringsNavn", "Turneringsnavn"},
                                       {"Turneringsdato", "Turneringsdato"}, {"Typespill", "TypeSpill"}};
    std::string sammeKamp = "t.DommerNR = d.DommerNR AND t.Status < 3";
    std::string nokkel = "DommerNR", ikkeTom = "d.Status = 0";
    for (const auto& [kamp, fil] : Tekstpar) {
        sammeKamp += " AND t." + kamp + " = CAST(d." + fil + " AS TEXT) COLLATE BINARY";
        nokkel += ", CAST(" + fil + " AS TEXT) COLLATE BINARY";
        ikkeTom += " AND d." + fil + " IS NOT NULL";
    }
    for (const auto& [kamp, fil] : {std::pair{"Dommer_HPoeng", "HPoeng"}, std::pair{"Dommer_BPoeng", "BPoeng"}}) {
        sammeKamp += std::string(" AND t.") + kamp + " = d." + fil;
        nokkel += std::string(", ") + fil;
        ikkeTom += std::string(" AND d.") + fil + " IS NOT NULL";
    }
    // A match already live for the referee, or the same match earlier in the file (which is
    // either read in before this row or is a duplicate of a live match itself).
    state::DBase.Execute("UPDATE " + Fil + "dommerdata SET Status = 4 WHERE rowid IN (SELECT d.rowid FROM " + Fil +
                         "dommerdata AS d WHERE " + ikkeTom + " AND EXISTS (SELECT 1 FROM main.Dommertabell AS t WHERE " +
                         sammeKamp + ") UNION SELECT rad FROM (SELECT d.rowid AS rad, row_number() OVER (PARTITION BY " + nokkel +
                         " ORDER BY d.rowid) AS nr FROM " + Fil + "dommerdata AS d WHERE " + ikkeTom + ") WHERE nr > 1)");
    AntallDuplikater = static_cast<int32_t>(state::DBase.RecordsAffected());
    if (AntallDuplikater > 0) DuplikatFunnet = 1;
}
