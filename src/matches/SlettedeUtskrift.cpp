// The printout of every soft-deleted match.
#include "matches/Utskriftslinje.h"
#include "matches/VisSletteData.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Format.h"
#include "reports/Utskrift.h"
#include "reports/Utskriftsside.h"
#include "state/ProgramState.h"

using kamper::Kutt;
using printer::Printer;

void Print_Overskrift_Slettede() {
    Overskriftslinje({{900, "Nr."}, {1350, "S."}, {1700, "Fornavn"}, {3200, "Etternavn"}, {5000, "TS"},
                      {5500, "HLag"}, {6800, "BLag"}, {8100, "HP"}, {8600, "BP"}, {9100, "Dato"}});
}

void Print_Slettede_Data() {
    const bool skrevet = Utfor_Utskrift([] {
        Utskriftsside side(Standardsett, Print_Overskrift_Slettede);
        side.Start();
        side.Tittel("Oversikt over slettede turneringsdata", 900);
        side.Tittel("", 900);
        Printer.SetFontSize(8);
        side.Tittel("Dato for utskrift: " + vb::Format(vb::Now(), "d, mmmm yyyy"), 900);
        side.Tittel("", 900);
        SkrivVed(900, "S: SekvensNr");
        SkrivVed(2500, "Nr.: DommerNr");
        SkrivVed(4000, "TS: TypeSpill - BO/CU");
        SkrivVed(6200, "HP/BP: Poeng Hjemmelag/Bortelag", printer::EndLine);
        side.Tittel("", 900);
        side.Overskrift();
        side.Rader();
        state::Utvalg1 = state::DBase.OpenRecordset("Select * from dommertabell where Status=3", dao::dbOpenSnapshot);
        for (; !state::Utvalg1.EOF_(); state::Utvalg1.MoveNext()) {
            const dao::Recordset& k = state::Utvalg1;
            const vb::Variant nr = k.Get("DommerNR");
            const vb::Variant sekvens = k.Get("SekvensNR");
            SkrivVed(nr.IsNull() ? 780 : Tallposisjon(vb::CDbl(nr), 780, 200, 100), nr);
            SkrivVed(sekvens.IsNull() ? 1150 : Tallposisjon(vb::CDbl(sekvens), 1150, 200, 100), sekvens);
            SkrivVed(1700, Kutt(k.Get("Dommer_FNavn"), 22));
            SkrivVed(3200, Kutt(k.Get("Dommer_ENavn"), 22));
            SkrivVed(5000, Kutt(k.Get("Typespill"), 2));
            SkrivVed(5500, Kutt(k.Get("Dommer_HLag"), 23));
            SkrivVed(6800, Kutt(k.Get("Dommer_BLag"), 23));
            SkrivVed(8100, k.Get("Dommer_HPoeng"));
            SkrivVed(8600, k.Get("Dommer_BPoeng"));
            SkrivVed(9100, k.Get("DatoEndret"), printer::EndLine);
            side.Sideskift();
        }
        side.Slutt();
    });
    // A print saved as a file was told with its path; it reached no printer.
    if (skrevet && Printer.ReachedPrinter())
        forms::MsgBox("Rapport oversendt printer for utskrift!", forms::vbExclamation + forms::vbOKOnly);
}
