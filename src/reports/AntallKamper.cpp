// Every referee with his count of active Boccia and Curling matches.
#include <string>
#include <unordered_map>

#include "database/Kampoversikt.h"
#include "platform/printer/Printer.h"
#include "reports/Felt.h"
#include "reports/Rapporter.h"
#include "reports/Utskrift.h"
#include "reports/Utskriftsside.h"
#include "state/ProgramState.h"

using printer::Printer;
using printer::Stay;

namespace {

struct Antall {
    int16_t boccia = 0, curling = 0;
};

// The referee's counts from those kept for the lists; one whose active matches name no
// game, or who has none, counts 0.
Antall TellKamper(const std::unordered_map<int, turneringsdb::Kamptall>& kamper, int nr) {
    const auto it = kamper.find(nr);
    if (it == kamper.end()) return {};
    return {vb::CInt(vb::Variant::Long(it->second.boccia)), vb::CInt(vb::Variant::Long(it->second.curling))};
}

// A count column: "   0" at the base X when there are none, else right-aligned by digits.
void SkrivAntall(int16_t n, double x, double smal) {
    if (n == 0) {
        Printer.SetCurrentX(x);
        Printer.Print("   0", Stay);
        return;
    }
    Printer.SetCurrentX(Tallposisjon(n, smal, 180, 90));
    Printer.Print(vb::Variant(n), Stay);
}

} // namespace

void Print_Overskrift_Antall_Kamper() {
    Printer.SetCurrentX(7200);
    Printer.Print("Antall dømte kamper");
    Printer.SetFontUnderline(true);
    Skriv_Kolonner({
        {1000, "Dommernr./navn"}, {4200, "Klubb/Lag"}, {7000, "Boccia"}, {7800, "Curling"}, {8800, "Totalt"}});
    // The line ends at the headings' own size: ended at the rows' smaller one, the first row
    // would run into the underlined headings of the first page.
    Printer.SetFontUnderline(false);
    Printer.Print();
    Printer.SetFontSize(8);
}

void Print_Antall_Domte_Kamper() {
    Utfor_Utskrift([] {
        Utskriftsside side(Tellesett, Print_Overskrift_Antall_Kamper);
        side.Start();
        side.Tittel("Norges Valmorisk");
        Printer.Print();
        side.Tittel("Oversikt over antall dømte kamper for alle dommere : ");
        side.Overskrift();
        side.Rader();
        const auto& kamper = turneringsdb::Oversikt(state::DBase).perDommer;
        state::Utvalg = state::DBase2.OpenRecordset("Select * from dommere");
        for (; !state::Utvalg.EOF_(); state::Utvalg.MoveNext()) {
            const dao::Recordset& rs = state::Utvalg;
            const int16_t nr = Nummer(rs, "DommerNR");
            Printer.SetCurrentX(Tallposisjon(nr, 910, 180, 90));
            Printer.Print(vb::Variant(nr), Stay);
            Printer.SetCurrentX(1400);
            Printer.Print(Felt(rs, "Dommer_FNavn") + " " + Felt(rs, "Dommer_ENavn"), Stay);
            Printer.SetCurrentX(4200);
            Printer.Print(rs.Get("Dommer_Lag"), Stay);
            const Antall a = TellKamper(kamper, nr);
            SkrivAntall(a.boccia, 7100, 7010);
            SkrivAntall(a.curling, 8000, 7910);
            const int16_t totalt = vb::CInt(vb::Variant(a.boccia + a.curling));
            Printer.SetCurrentX(Tallposisjon(totalt, 8810, 180, 90));
            Printer.Print(vb::Variant(totalt));
            side.Sideskift();
        }
        side.Slutt();
    });
}
