// The one-page sheet of the selected referee: his games, classes and match counts.
#include <string>

#include "platform/forms/Runtime.h"
#include "platform/printer/Printer.h"
#include "reports/Felt.h"
#include "reports/Rapporter.h"
#include "reports/Utskrift.h"
#include "reports/Utskriftsside.h"
#include "state/ProgramState.h"

using printer::Printer;
using printer::Stay;

namespace {

// The game's class column: the first set flag, empty with none, "Ingen Klassifisering"
// when the referee does not judge the game.
std::string Klassekolonne(const dao::Recordset& rs, const char* spill, std::span<const Klassetekst> klasser) {
    return Flagg(rs, spill) ? ForsteKlasse(rs, klasser) : "Ingen Klassifisering";
}

void SkrivSpillinje(const char* navn, bool dommer, const std::string& klasse, int16_t nr, const char* typespill) {
    Printer.SetCurrentX(1000);
    Printer.Print(navn, Stay);
    Printer.SetCurrentX(2650);
    Printer.Print(dommer ? "Ja" : "Nei", Stay);
    Printer.SetCurrentX(4000);
    Printer.Print(klasse, Stay);
    Printer.SetCurrentX(7500);
    state::Utvalg3 = state::DBase.OpenRecordset(
        std::string("Select * from Dommertabell where Dommernr = ? AND Typespill='") + typespill + "' AND Status <3",
        dao::dbOpenDynaset, {vb::Variant::Integer(nr)});
    if (state::Utvalg3.EOF_()) {
        Printer.Print(" 0");
        return;
    }
    state::Utvalg3.MoveLast();
    Printer.Print(vb::Variant::Long(state::Utvalg3.RecordCount()));
}

} // namespace

void Print_Dommer_Rapport() {
    state::Utvalg = state::DBase2.OpenRecordset("Select * from dommere where Dommernr= ?", dao::dbOpenDynaset,
                                                {vb::Variant::Integer(state::ValgtDommer)});
    dao::Recordset& rs = state::Utvalg;
    if (rs.EOF_()) {
        forms::MsgBox(std::string("Ingen dommer valgt!") + "\r" + "Velg Dommer og prøv igjen!", forms::vbExclamation);
        return;
    }
    const int16_t nr = Nummer(rs, "DommerNR");
    const std::string fnavn = Felt(rs, "Dommer_FNavn"), enavn = Felt(rs, "Dommer_ENavn");
    const int svar = forms::MsgBox("Dommer: " + std::to_string(nr) + " " + fnavn + " " + enavn + " er valgt" + "\r" +
                                       "Bekreft at du ønsker rapport for denne!",
                                   forms::vbExclamation + forms::vbOKCancel);
    if (svar == forms::vbCancel) return;

    Utfor_Utskrift([&] {
        Printer.SetScaleHeight(100);
        Printer.SetCurrentY(4);
        Printer.SetFontSize(10);
        Printer.SetCurrentX(1000);
        Printer.Print("Norges Valmorisk");
        Printer.Print();
        Printer.SetCurrentX(1000);
        Printer.Print("Registrerte data for dommer : ");
        Printer.Print();
        Printer.SetCurrentX(1000);
        Printer.Print(std::to_string(nr) + "    " + fnavn + " " + enavn + "   " + Felt(rs, "Dommer_Lag"));
        Printer.Print();
        Printer.Print();

        Printer.SetFontSize(8);
        Printer.SetFontUnderline(true);
        Skriv_Kolonner({{1000, "Type spill"}, {2500, "Ja/Nei"}, {4000, "Klassifisering"}});
        Printer.SetCurrentX(7000);
        Printer.Print("Antall kamper");
        Printer.SetFontUnderline(false);

        SkrivSpillinje("Boccia", Flagg(rs, "Dommer_Boccia"),
                       Klassekolonne(rs, "Dommer_Boccia", BocciaKlasser),
                       nr, "BOCCIA");
        SkrivSpillinje("Curling", Flagg(rs, "Dommer_Curling"),
                       Klassekolonne(rs, "Dommer_Curling", CurlingKlasser),
                       nr, "CURLING");
        Printer.EndDoc();
    });
}
