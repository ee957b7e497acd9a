// The print of the referees in the search window's grid.
#include <string>

#include "platform/printer/Printer.h"
#include "platform/vb/Variant.h"
#include "reports/Felt.h"
#include "reports/Rapporter.h"
#include "reports/Registervalg.h"
#include "reports/Search_Data.h"
#include "reports/Utskrift.h"
#include "reports/Utskriftsside.h"
#include "state/ProgramState.h"

using printer::Printer;
using printer::Stay;

namespace {

const Klassetekst KortBoccia[] = {{"KlB_Dommer1", "Forb.dommer 1"}, {"KlB_Dommer2", "Forb.dommer 2"},
                                  {"KlB_Dommer3", "Forb.dommer 3"}, {"KlB_Aspirant1", "Aspirant 1"},
                                  {"KlB_Aspirant2", "Aspirant 2"},  {"KlB_Aspirant3", "Aspirant 3"}};
const Klassetekst KortCurling[] = {
    {"KlC_Dommer1", "Forb.dommer 1"}, {"KlC_Dommer3", "Forb.dommer 3"}, {"KlC_Aspirant1", "Aspirant 1"}};

// The short class of a game the referee judges; "-" when he does not, or has no class.
std::string Utskriftsklasse(const dao::Recordset& rs, const char* spill, std::span<const Klassetekst> klasser) {
    const std::string klasse = Flagg(rs, spill) ? ForsteKlasse(rs, klasser) : std::string();
    return klasse.empty() ? "-" : klasse;
}

void Overskrift() {
    Printer.SetFontUnderline(true);
    Printer.SetFontSize(8);
    Skriv_Kolonner({{900, "D.Nr."}, {1500, "Fornavn"}, {3300, "Etternavn"}, {5300, "Lag"}, {7700, "Boccia"}});
    Printer.SetCurrentX(8950);
    Printer.Print("Curling");
    Printer.SetFontUnderline(false);
}

void SkrivRad(const dao::Recordset& rs) {
    const vb::Variant nr = rs.Get("DommerNR");
    Printer.SetFontSize(8);
    Printer.SetCurrentX(Tallposisjon(nr.ToDouble(), 850, 210, 100));
    Printer.Print(nr, Stay);
    Skriv_Felter(rs, {{1500, "Dommer_FNavn"}, {3300, "Dommer_ENavn"}, {5300, "Dommer_Lag"}});
    const std::string boccia = Utskriftsklasse(rs, "Dommer_Boccia", KortBoccia);
    Printer.SetCurrentX(boccia == "-" ? 7750 : 7700);
    Printer.Print(boccia, Stay);
    const std::string curling = Utskriftsklasse(rs, "Dommer_Curling", KortCurling);
    Printer.SetCurrentX(curling == "-" ? 8550 : 8950);
    Printer.Print(curling);
}

} // namespace

void Print_Sokeresultat() {
    const Registervalg& reg = Registervalg::Gjeldende();
    auto& grid = forms::Default<Search_Data>().MSFlexGrid1;
    Utfor_Utskrift([&] {
        // A long result breaks pages as the other lists do; one page keeps its plain end.
        Utskriftsside side(Standardsett, Overskrift);
        side.Start();
        Printer.SetCurrentX(900);
        const std::string tittel = state::SokKlubb
                                       ? "Norges Valmorisk - Resultat fra søk på lag/klubb: " + reg.Sokelag()
                                       : Navnesok_Tekst(reg.Sokefornavn(), reg.Sokeetternavn());
        if (!tittel.empty()) Printer.Print(tittel);
        Printer.Print();
        side.Overskrift();
        side.Rader();
        for (int i = 0; i < grid.Rows(); ++i) {
            grid.SetRow(i);
            grid.SetCol(0);
            const double verdi = vb::Val(grid.Text());
            if (verdi <= 0 || verdi >= 1000) continue;
            const int16_t nr = static_cast<int16_t>(verdi);
            state::Utvalg3 = state::DBase.OpenRecordset("Select * from Dommere where Dommernr = ?", dao::dbOpenDynaset,
                                                        {vb::Variant::Integer(nr)});
            // A referee removed since the search is left out, not half printed.
            if (state::Utvalg3.EOF_()) continue;
            state::ValgtDommer = nr;
            SkrivRad(state::Utvalg3);
            side.Sideskift();
        }
        if (side.Side() > 1)
            side.Slutt();
        else
            Printer.EndDoc();
    });
}
