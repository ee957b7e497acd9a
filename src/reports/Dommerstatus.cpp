// The status list of one game: the referees of a class with their course dates
// and the class text the register holds for them.
#include <span>
#include <string>

#include "platform/forms/Runtime.h"
#include "platform/printer/Printer.h"
#include "reports/Felt.h"
#include "reports/Rapporter.h"
#include "reports/Registervalg.h"
#include "reports/Utskrift.h"
#include "reports/Utskriftsside.h"
#include "state/ProgramState.h"

using printer::Printer;
using printer::Stay;

namespace {

struct Klassevalg {
    int valg;              // report type (option number)
    const char* betingelse;
    const char* tittel;
};

const Klassevalg Boccia[] = {
    {7, "KlB_Dommer1=True", "Status for Boccia Forbundsdommer 1 ("},
    {8, "KlB_Dommer2=True", "Status for Boccia Forbundsdommer 2 ("},
    {9, "KlB_Dommer3=True", "Status for Boccia Forbundsdommer 3 ("},
    {10, "KlB_Aspirant1=True", "Status for Boccia Aspirantdommer 1 ("},
    {11, "KlB_Aspirant2=True", "Status for Boccia Aspirantdommer 2 ("},
    {12, "KlB_Aspirant3=True", "Status for Boccia Aspirantdommer 3 ("},
    {13, "KlB_Dommer1=False AND KlB_Dommer2=False AND KlB_Dommer3=False AND KlB_Aspirant1=False AND "
         "KlB_Aspirant2=False AND KlB_Aspirant3=False",
     "Status for Boccia Uklassifiserte dommere ("},
    {14, "KlB_Overdommer=True", "Status for Boccia Overdommer ("},
};

const Klassevalg Curling[] = {
    {4, "KlC_Dommer3=True", "Status for Curling Forbundsdommer 3 ("},
    {5, "KlC_Dommer1=True", "Status for Curling Forbundsdommer 1 ("},
    {6, "KlC_Aspirant1=True", "Status for Curling Aspirantdommer 1 ("},
    {13, "KlC_Dommer1=False AND KlC_Dommer3=False AND KlC_Aspirant1=False", "Status for Curling uklassifiserte dommere ("},
    {15, "KlC_Overdommer=True", "Status for Curling Overdommer ("},
};

const std::string UklassifisertCurling = "  Uklassifisert";

// The last true flag wins; the handball flag has always stood for Overdommer here.
std::string KlasseBoccia(const dao::Recordset& rs) {
    std::string k = "Uklassifisert";
    const bool d2 = Flagg(rs, "KlB_Dommer2");
    if (Flagg(rs, "KlB_Dommer1")) k = d2 ? "Forbundsdommer 1/2" : "Forbundsdommer 1";
    if (!Flagg(rs, "KlB_Dommer1") && d2) k = "Forbundsdommer 2";
    if (Flagg(rs, "KlB_Dommer3")) k = d2 ? "Forbundsdommer 3/2" : "Forbundsdommer 3";
    if (Flagg(rs, "KlB_Aspirant1")) k = "Aspirantdommer 1";
    if (Flagg(rs, "KlB_Aspirant2")) k = "Aspirantdommer 2";
    if (Flagg(rs, "KlB_Aspirant3")) k = "Aspirantdommer 3";
    if (Flagg(rs, "Dommer_Handball")) k = "Overdommer";
    if (Flagg(rs, "KlB_Overdommer")) k = "Overdommer";
    return k;
}

std::string KlasseCurling(const dao::Recordset& rs) {
    const std::string klasse = ForsteKlasse(rs, CurlingKlasser);
    return klasse.empty() ? UklassifisertCurling : klasse;
}

void SkrivStatuslinje(const dao::Recordset& rs, bool boccia) {
    const vb::Variant nr = rs.Get("DommerNR");
    Printer.SetCurrentX(Tallposisjon(nr.IsNull() ? 0 : nr.ToDouble(), 880, 200, 100));
    Printer.Print(nr, Stay);
    Skriv_Felter(rs, {{1500, "Dommer_FNavn"},
                      {3200, "Dommer_ENavn"},
                      {5000, "Dommer_Lag"},
                      {7400, "Dommer_DatoDKurs"},
                      {8300, boccia ? "Dommer_DatoOppdBocKurs" : "Dommer_DatoOppdCurKurs"}});
    Printer.SetCurrentX(9400);
    if (boccia) {
        Printer.Print(KlasseBoccia(rs), Stay);
        Printer.Print();
        return;
    }
    const std::string klasse = KlasseCurling(rs);
    Printer.Print(klasse);
    Printer.Print();
    if (klasse == UklassifisertCurling) Printer.Print();
}

} // namespace

void Print_Overskrift_Dommerstatus() {
    Printer.SetFontUnderline(true);
    Printer.SetFontSize(8);
    Skriv_Kolonner({{1000, "Nr."}, {1500, "Fornavn"}, {3200, "Etternavn"}, {5000, "Lag"}, {7400, "Kurs"},
                    {8300, "Oppdatering"}, {9450, "Dommerstatus"}});
    Printer.Print();
    Printer.SetFontUnderline(false);
}

void Print_Dommerstatus(int16_t& spill) {
    const bool boccia = spill == 1;
    Utfor_Utskrift([&] {
        Utskriftsside side(Standardsett, Print_Overskrift_Dommerstatus);
        side.Start();
        Printer.SetCurrentX(1000);
        const std::string spillflagg = boccia ? "Dommer_Boccia=" : "Dommer_Curling=";
        dao::Recordset telling = state::DBase2.OpenRecordset("Select * from Dommere where " + spillflagg + "True");
        if (telling.RecordCount() <= 0) {
            forms::MsgBox(boccia ? "Ingen Boccia dommere funnet!" : "Ingen Curling dommere funnet!", forms::vbExclamation);
            return;
        }
        telling.Close();
        Printer.Print("Norges Valmorisk");
        Printer.SetCurrentX(1000);

        const int type = Registervalg::Gjeldende().Rapporttype();
        std::string sql = "Select * from dommere where " + spillflagg + "True";
        std::string tittel = boccia ? "Dommerstatus for Boccia dommere (" : "Dommerstatus for Curling dommere (";
        for (const Klassevalg& k : boccia ? std::span<const Klassevalg>(Boccia) : std::span<const Klassevalg>(Curling)) {
            if (k.valg != type) continue;
            sql += std::string(" AND ") + k.betingelse;
            tittel = k.tittel;
        }
        state::Utvalg = state::DBase2.OpenRecordset(sql + " Order By Dommernr asc");
        Printer.Print(tittel + std::to_string(vb::CInt(vb::Variant(state::Utvalg.RecordCount()))) + " stk)");
        Printer.Print();
        side.Overskrift();
        side.Rader();
        for (; !state::Utvalg.EOF_(); state::Utvalg.MoveNext()) {
            SkrivStatuslinje(state::Utvalg, boccia);
            side.Sideskift();
        }
        side.Slutt();
    });
}
