// The two printed reports of the last result file: title block with the status
// legend, a heading line, then one line per row on the standard page set.
#include "import/Resultatutskrift.h"

#include "import/Innlesing.h"
#include "import/SisteFil.h"
#include "import/VisDuplikater.h"
#include "platform/forms/Runtime.h"
#include "platform/printer/Printer.h"
#include "reports/Utskrift.h"
#include "reports/Utskriftsside.h"

using printer::Printer;

namespace {

void skrivRad(const dao::Recordset& rad) {
    for (const auto& felt : innlesing::Radlinje(rad)) SkrivVed(felt.x, felt.verdi);
    // The line ends also when the last columns were empty.
    Printer.Print();
}

void skrivRapport(const char* tittel, const char* sql, void (*overskrift)()) {
    if (!innlesing::HarSisteFil()) {
        forms::MsgBox(innlesing::IngenFilMelding, forms::vbInformation, innlesing::IngenFilTittel);
        return;
    }
    Utfor_Utskrift([&] {
        dao::Recordset versjon = innlesing::SisteBase.OpenRecordset("Select * from versjon", dao::dbOpenSnapshot);
        Utskriftsside side(Standardsett, overskrift);
        side.Start();
        side.Tittel(tittel + vb::Concat(versjon.Get("Turneringsnavn"), ""), 800);
        Printer.Print();
        Printer.SetFontSize(8);
        side.Tittel("Dato for turnering: " + vb::Concat(versjon.Get("Turneringsdato"), ""), 800);
        Printer.Print();
        Printer.SetCurrentX(800);
        Printer.Print("Status S betyr:", printer::Stay);
        for (const char* linje : {"S=0 (post er ikke innlest)", "S=1 (post er lest og registrert i databasen)",
                                  "S=2 (Post ikke lest, den inneholder ukjent dommer)", "S=4 (Post ikke lest, duplikat)"})
            side.Tittel(linje, 2400);
        Printer.Print();
        side.Overskrift();
        side.Rader();
        for (dao::Recordset rader = innlesing::SisteBase.OpenRecordset(sql, dao::dbOpenSnapshot); !rader.EOF_(); rader.MoveNext()) {
            skrivRad(rader);
            side.Sideskift();
        }
        side.Slutt();
    });
}

} // namespace

void Print_Overskrift_Dommerdata() {
    Overskriftslinje({{800, "Nr."}, {1250, "S."}, {1600, "Fornavn"}, {3300, "Etternavn"}, {4900, "T-Spill"},
                      {5700, "HjemmeLag"}, {7500, "BorteLag"}, {9850, "HP"}, {10500, "BP"}});
}

void Print_Overskrift_Duplikater() {
    Overskriftslinje({{800, "Nr."}, {1250, "S."}, {1600, "Fornavn"}, {3300, "Etternavn"}, {4900, "T-Spill"},
                      {5700, "HLag"}, {7500, "BLag"}, {9650, "HPoeng"}, {10300, "BPoeng"}});
}

void Print_Dommerdata_Fil() {
    skrivRapport("Dommerdata for ", "Select * from dommerdata Order by dommernr asc, status asc", Print_Overskrift_Dommerdata);
}

void Print_Duplikater() {
    skrivRapport("Duplikater for ", "Select * from dommerdata where Status=4 Order by dommernr asc, status asc",
                 Print_Overskrift_Duplikater);
}
