// The printed ranking list: tournament name, title line, heading and one line
// per entry in drawn order, with the columns of the selected play type.
#include "platform/dao/Dao.h"
#include "platform/forms/Runtime.h"
#include "platform/printer/Printer.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "ranking/Ranking.h"
#include "state/ProgramState.h"

namespace {

using printer::Printer;
using printer::Stay;

constexpr double Topp = 500;   // twips from the top of the printable page

double rund(double x) { return vb::RoundHalfEven(x); }

// A number column: numbers above 9 move one digit left so that their right ends line up.
void skrivTall(double x, const vb::Variant& verdi, bool tomNarIkkeOver0, printer::Line linje) {
    const bool tall = !verdi.IsNull() && vb::CLng(verdi) > 0;
    if (tall && vb::CLng(verdi) > 9) x -= Printer.TextWidth("1");
    Printer.SetCurrentX(x);
    if (tall || !tomNarIkkeOver0) Printer.Print(verdi, linje);
    else Printer.Print(" ", linje);
}

void skrivTekst(double x, const vb::Variant& verdi, long lengde) {
    Printer.SetCurrentX(x);
    Printer.Print(vb::Left(vb::Concat(verdi, ""), lengde), Stay);
}

} // namespace

void Ranking::SSCommand6_Click() { Skriv_Rapport(); }

void Ranking::Skriv_Rapport() {
    constexpr const char* Fontfeil = "Feil med utskrifts Fonter, utskriften kan bli helt/delvis uleselig";
    forms::Timeglass timeglass;
    try {
        Printer.SetScaleMode(printer::vbTwips);
    } catch (const vb::Err&) {
        forms::MsgBox(Fontfeil, forms::vbOKOnly);
    }
    try {
        const int16_t liste = vb::CInt(vb::Variant(vb::Val(Text5.Text())));
        Print_Rankingliste_Klasse(liste, liste);
    } catch (const vb::Err&) {
        forms::MsgBox(Fontfeil, forms::vbOKOnly);
    }
}

void Ranking::Print_Rankingliste_Klasse(int forste, int siste) {
    try {
        Printer.SetFontSize(10);
        const double u = rund(Printer.TextWidth("xxxx"));
        for (int n = forste; n <= siste; ++n) {
            // One list a page.
            if (n > forste) Printer.NewPage();
            Printer.SetCurrentY(Topp);
            Printer.SetFontBold(true);
            Printer.SetCurrentX(1.9 * u);
            Printer.Print(state::Turnering_Navn);
            Printer.Print();
            Printer.SetFontBold(false);

            state::Utvalg2 = state::DBase.OpenRecordset("Select * from Ranking_KlData where KlasseNr=" + std::to_string(n),
                                                        dao::dbOpenSnapshot);
            const dao::Recordset& liste = state::Utvalg2;
            Printer.SetCurrentX(1.9 * u);
            Printer.Print("Rankingliste Nr : ", Stay);
            Printer.Print(vb::Variant::Integer(n), Stay);
            Printer.Print("     ", Stay);
            Printer.Print(liste.Get("KlasseNavn"), Stay);
            Printer.Print("    (", Stay);
            Printer.Print(liste.Get("TypeSpill"), Stay);
            Printer.Print(" / ", Stay);
            Printer.Print(liste.Get("KlasseType"), Stay);
            Printer.Print(")");
            Printer.Print();

            const bool individuelt = Option7.Value();
            Printer.SetFontUnderline(true);
            Printer.SetFontBold(true);
            double c = rund(Printer.Width() / 12);
            const std::pair<double, const char*> overskrifter[] = {
                {0.4 * c + u, "Nr"}, {1.25 * c, individuelt ? "Spiller" : "Lag"}, {5.75 * c, individuelt ? "Klubb" : ""},
                {8 * c, "RankNr"}, {9 * c, "Trukket"}};
            for (int i = 0; i < 5; ++i) {
                Printer.SetCurrentX(overskrifter[i].first);
                Printer.Print(overskrifter[i].second, i == 4 ? printer::EndLine : Stay);
            }
            Printer.SetFontBold(false);
            Printer.SetFontUnderline(false);

            state::Utvalg2 = state::DBase.OpenRecordset(
                "Select * from Ranking where KlasseNr=" + std::to_string(n) + " ORDER BY Trukket ASC,Rank_Nr ASC",
                dao::dbOpenSnapshot);
            state::Sortering = 1;
            for (; !state::Utvalg2.EOF_(); state::Utvalg2.MoveNext()) {
                const dao::Recordset& post = state::Utvalg2;
                // A list longer than the page goes on with its lines at the top of the next one.
                if (Printer.CurrentY() + Printer.TextHeight("Nr") > Printer.ScaleHeight()) {
                    Printer.NewPage();
                    Printer.SetCurrentY(Topp);
                }
                c = rund(Printer.Width() / 12);
                skrivTall(0.68 * c + Printer.TextWidth("Nr") / 2, post.Get("Nr"), false, Stay);
                skrivTekst(0.82 * c + Printer.TextWidth("Fornavn") / 2, post.Get("ForNavn"), 18);
                skrivTekst(2.8 * c + Printer.TextWidth("Etternavn") / 2, post.Get("EtterNavn"), 22);
                if (individuelt) skrivTekst(5.45 * c + Printer.TextWidth("Klubb") / 2, post.Get("Klubb"), 20);
                skrivTall(8 * c + Printer.TextWidth("Rank") / 2, post.Get("Rank_Nr"), true, Stay);
                skrivTall(9 * c + Printer.TextWidth("Trukk") / 2, post.Get("Trukket"), true, printer::EndLine);
            }
        }
        Printer.EndDoc();
    } catch (const vb::Err&) {
        forms::MsgBox("Det er feil med skriveren eller utskrift avbrutt", forms::vbOKOnly);
        // What was printed so far goes to the printer.
        try {
            Printer.SetFontBold(false);
            Printer.SetFontUnderline(false);
            Printer.EndDoc();
        } catch (const vb::Err&) {
        }
    }
}
