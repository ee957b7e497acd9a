// The lists of registered referees by game and class.
#include <string>

#include "platform/forms/Runtime.h"
#include "platform/printer/Printer.h"
#include "platform/vb/Strings.h"
#include "reports/Felt.h"
#include "reports/Rapporter.h"
#include "reports/Registervalg.h"
#include "reports/Utskrift.h"
#include "reports/Utskriftsside.h"
#include "state/ProgramState.h"

using printer::Printer;
using printer::Stay;

namespace {

struct Listetype {
    const char* utvalg;
    const char* tittel;
    const char* ingen;
};

// By report type 1 to 15. Type 1 counts what it prints: the referees of either game.
// Type 13 leaves out the Overdommere: they are classified.
const Listetype Typer[] = {
    {"Dommer_Boccia=True OR Dommer_Curling=True", "Dommere for Boccia og Curling (", "Ingen Dommere funnet!"},
    {"Dommer_Boccia=True", "Registrerte Boccia dommere (", "Ingen Boccia dommere funnet!"},
    {"Dommer_Curling=True", "Registrerte Curling dommere (", "Ingen Curling dommere funnet!"},
    {"KlC_Dommer3=True", "Registrerte Forbundsdommere 3 for Curling (", "Ingen Forbundsdommer 3 for Curling funnet!"},
    {"KlC_Dommer1=True", "Registrerte Forbundsdommere 1 for Curling (", "Ingen Forbundsdommer 1 for Curling funnet!"},
    {"KlC_Aspirant1=True", "Registrerte Aspirantdommere 1 for Curling (", "Ingen Aspirantdommer 1 for Curling funnet!"},
    {"KlB_Dommer1=True", "Registrerte Forbundsdommere 1 for Boccia (", "Ingen Forbundsdommer 1 for Boccia funnet!"},
    {"KlB_Dommer2=True", "Registrerte Forbundsdommere 2 for Boccia (", "Ingen Forbundsdommer 2 for Boccia funnet!"},
    {"KlB_Dommer3=True", "Registrerte Forbundsdommere 3 for Boccia (", "Ingen Forbundsdommer 3 for Boccia funnet!"},
    {"KlB_Aspirant1=True", "Registrerte Aspirantdommere 1 for Boccia (", "Ingen Aspirant 1 dommere for Boccia funnet!"},
    {"KlB_Aspirant2=True", "Registrerte Aspirantdommere 2 for Boccia (", "Ingen Aspirant 2 dommere for Boccia funnet!"},
    {"KlB_Aspirant3=True", "Registrerte Aspirantdommere 3 for Boccia (", "Ingen Aspirant 3 dommere for Boccia funnet!"},
    {"KlB_Aspirant3=False AND KlB_Aspirant2=False AND KlB_Aspirant1=False AND KlB_Dommer1=False AND "
     "KlB_Dommer2=False AND KlB_Dommer3=False AND KlC_Dommer1=False AND KlC_Dommer3=False AND KlC_Aspirant1=False AND "
     "KlB_Overdommer=False AND KlC_Overdommer=False",
     "Norges Valmorisk - Uklassifiserte dommere (", "Ingen Dommere funnet!"},
    {"KlB_Overdommer=True", "Registrerte Overdommere for Boccia (", "Ingen Overdommer for Boccia funnet!"},
    {"KlC_Overdommer=True", "Registrerte Overdommere for Curling (", "Ingen Overdommer for Curling funnet!"},
};

constexpr int Uklassifiserte = 13;

bool MedSpillkolonner(int type) { return type >= 1 && type <= 3; }

void SkrivDommerlinje(const dao::Recordset& rs, int type) {
    const vb::Variant nr = rs.Get("DommerNR");
    Printer.SetCurrentX(Tallposisjon(nr.IsNull() ? 0 : nr.ToDouble(), 880, 200, 100));
    Printer.Print(nr, Stay);
    Printer.SetCurrentX(1450);
    Printer.Print(vb::Left(Felt(rs, "Dommer_FNavn"), 20), Stay);
    Printer.SetCurrentX(3000);
    Printer.Print(vb::Left(Felt(rs, "Dommer_ENavn"), 18), Stay);
    Printer.SetCurrentX(4500);
    Printer.Print(vb::Left(Felt(rs, "Dommer_Lag"), 20), Stay);
    Printer.SetCurrentX(6500);
    Printer.Print(rs.Get("Dommer_DatoDKurs"), Stay);
    if (MedSpillkolonner(type)) {
        if (Flagg(rs, "Dommer_Boccia")) {
            Printer.SetCurrentX(7800);
            Printer.Print("X", Stay);
        }
        if (Flagg(rs, "Dommer_Curling")) {
            Printer.SetCurrentX(8350);
            Printer.Print("X", Stay);
        }
    }
    Printer.SetCurrentX(8800);
    Printer.Print(rs.Get("Dommer_DatoOppdBocKurs"), Stay);
    Printer.SetCurrentX(9850);
    Printer.Print(rs.Get("Dommer_DatoOppdCurKurs"));
}

} // namespace

void Print_Overskrift_Registrerte_Dommere() {
    Printer.SetFontUnderline(true);
    Printer.SetFontSize(8);
    Skriv_Kolonner({
        {1000, "Nr."}, {1450, "Fornavn"}, {3000, "Etternavn"}, {4500, "Lag"}, {6500, "Dato Kurs"}});
    if (MedSpillkolonner(Registervalg::Gjeldende().Rapporttype())) {
        Printer.SetCurrentX(7600);
        Printer.Print("  Boc.     Curl.", Stay);
    }
    Printer.SetCurrentX(8800);
    Printer.Print("Oppd. kurs Boc/Curl");
    Printer.SetFontUnderline(false);
}

void Print_Registrerte_Dommere() {
    const int type = Registervalg::Gjeldende().Rapporttype();
    if (type == 0) {
        forms::MsgBox("Velg type rapport!", forms::vbExclamation);
        return;
    }
    const Listetype& liste = Typer[type - 1];
    Utfor_Utskrift([&] {
        Utskriftsside side(Standardsett, Print_Overskrift_Registrerte_Dommere);
        side.Start();
        Printer.SetCurrentX(1000);
        dao::Recordset telling = state::DBase2.OpenRecordset(std::string("Select * from Dommere where ") + liste.utvalg);
        if (telling.RecordCount() <= 0) {
            forms::MsgBox(liste.ingen, forms::vbExclamation);
            return;
        }
        const std::string antall = std::to_string(vb::CInt(vb::Variant(telling.RecordCount())));
        telling.Close();
        if (type != Uklassifiserte) Printer.Print("Norges Valmorisk");
        side.Tittel(liste.tittel + antall + " stk)");
        Printer.Print();
        side.Overskrift();
        side.Rader();
        state::Utvalg =
            state::DBase2.OpenRecordset(std::string("Select * from dommere where ") + liste.utvalg + " Order By Dommernr asc");
        for (; !state::Utvalg.EOF_(); state::Utvalg.MoveNext()) {
            SkrivDommerlinje(state::Utvalg, type);
            side.Sideskift();
        }
        side.Slutt();
    });
}
