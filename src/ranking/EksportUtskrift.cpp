// The check list of what goes to the clubs. Positions are twips from the top
// left of the printable area; only size, bold and underline change the font.
#include "ranking/EksportUtskrift.h"

#include <map>
#include <string>

#include "platform/printer/Printer.h"
#include "platform/vb/Strings.h"
#include "ranking/Databaser.h"
#include "state/ProgramState.h"

namespace {

using printer::Printer;

constexpr const char* Utvalget = "Select * from Ranking ORDER BY KlasseNr asc, TrukketNr ASC, RankingNr asc";
constexpr double Toppmarg = 500;
constexpr int Navnelengde = 22;

struct Liste {
    std::string navn;
    std::string spill;   // "LagSpill", "Individuelt" or "-"
};

std::string Tekst(const vb::Variant& v) { return vb::Concat(v, ""); }

long Tall(const vb::Variant& v) { return v.IsNull() ? 0 : vb::CLng(v); }

// A number above 0 at x, nearer the right edge of its column the shorter it is.
void SkrivTall(double x, long tall) {
    if (tall <= 0) return;
    if (tall < 10) x += 100;
    else if (tall < 100) x += 10;
    Printer.SetCurrentX(x);
    Printer.Print(vb::Variant(static_cast<int>(tall)), printer::Stay);
}

void SkrivTekst(double x, const std::string& tekst, printer::Line linje = printer::Stay) {
    Printer.SetCurrentX(x);
    Printer.Print(tekst, linje);
}

std::map<long, Liste> Lister() {
    std::map<long, Liste> lister;
    state::Utvalg3 = state::DBaseRanking.OpenRecordset("Select * from Ranking_KlData", dao::dbOpenSnapshot);
    for (dao::Recordset& rs = state::Utvalg3; !rs.EOF_(); rs.MoveNext()) {
        const vb::Variant nr = rs.Get("KlasseNr");
        if (nr.IsNull()) continue;
        const std::string spill = vb::CBool(rs.Get("LagSpill")) ? "LagSpill" : vb::CBool(rs.Get("IndiSpill")) ? "Individuelt" : "-";
        lister.try_emplace(vb::CLng(nr), Liste{Tekst(rs.Get("KlasseNavn")), spill});
    }
    return lister;
}

void Tittelblokk(const vb::Variant& dato) {
    Printer.SetCurrentX(500);
    Printer.SetCurrentY(Toppmarg);
    Printer.SetFontSize(16);
    Printer.SetFontBold(true);
    Printer.Print("Rankingliste");
    Printer.Print();
    Printer.SetFontSize(10);
    Printer.SetFontBold(false);
    SkrivTekst(500, "Utgiver                    : " + state::Turnering_Navn, printer::EndLine);
    SkrivTekst(500, "Dato Rankingliste    : " + Tekst(dato), printer::EndLine);
    SkrivTekst(500, "Navn Rankingliste   : " + state::RankingFilnavn, printer::EndLine);
    Printer.Print();
    Printer.Print();
}

void Overskrifter() {
    Printer.SetFontSize(8);
    Printer.SetFontUnderline(true);
    SkrivTekst(300, "LNr.");
    SkrivTekst(700, "Fornavn/Lag");
    SkrivTekst(2300, "Etternavn");
    SkrivTekst(3900, "Klubb");
    SkrivTekst(5300, "Rank Nr");
    SkrivTekst(6000, "Tr. Nr");
    SkrivTekst(6600, "Klasse");
    SkrivTekst(8100, "TypeSpill", printer::EndLine);
    Printer.SetFontUnderline(false);
}

// A row that would pass the bottom goes on a new page, at the title block's top margin.
void NyLinje() {
    if (Printer.CurrentY() + Printer.TextHeight("Ag") > Printer.ScaleHeight()) {
        Printer.NewPage();
        Printer.SetCurrentY(Toppmarg);
    }
}

void Skriv() {
    using namespace state;
    Printer.SetScaleMode(printer::vbTwips);
    const std::map<long, Liste> lister = Lister();
    Utvalg2 = DBaseRanking.OpenRecordset(Utvalget, dao::dbOpenSnapshot);
    // An export without entries still prints its title block and headings.
    Tittelblokk(Utvalg2.EOF_() ? vb::Variant(vb::Null) : Utvalg2.Get("Dato"));
    Overskrifter();
    for (; !Utvalg2.EOF_(); Utvalg2.MoveNext()) {
        NyLinje();
        const long klasse = Tall(Utvalg2.Get("KlasseNR"));
        const auto liste = lister.find(klasse);
        SkrivTall(250, klasse);
        SkrivTekst(700, vb::Left(Tekst(Utvalg2.Get("Fornavn")), Navnelengde));
        SkrivTekst(2300, vb::Left(Tekst(Utvalg2.Get("Etternavn")), Navnelengde));
        SkrivTekst(3900, vb::Left(Tekst(Utvalg2.Get("Klubb")), Navnelengde));
        SkrivTall(5440, Tall(Utvalg2.Get("RankingNr")));
        SkrivTall(6050, Tall(Utvalg2.Get("TrukketNr")));
        SkrivTekst(6600, liste != lister.end() ? liste->second.navn : "");
        SkrivTekst(8100, Tekst(Utvalg2.Get("TypeSpill")));
        SkrivTekst(9000, Tekst(Utvalg2.Get("KlasseType")));
        SkrivTekst(9800, liste != lister.end() ? liste->second.spill : "-", printer::EndLine);
    }
    Printer.EndDoc();
}

} // namespace

void Print_Rankingliste() {
    using namespace state;
    LukkRankingfil();
    try {
        DBaseRanking = dao::DBEngine::Workspaces(0).OpenDatabase(RankingFilsti);
        printer::RunDocument(Skriv);
    } catch (...) {
        LukkRankingfil();
        throw;
    }
    LukkRankingfil();
}
