// The printed match reports: one referee's list and the report of all referees.
#include <array>
#include <cstddef>
#include <span>
#include <tuple>
#include <string>

#include "matches/Dommer.h"
#include "matches/Utskriftslinje.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "reports/Utskrift.h"
#include "reports/Utskriftsside.h"
#include "state/ProgramState.h"

using kamper::Kutt;
using printer::Printer;

namespace {

constexpr Sideoppsett Kampsett{5, Standardsett.Bruddgrense, Standardsett.FotX, Standardsett.NySideY,
                               Standardsett.Sidestart, false};

struct Tekstkolonne {
    const char* felt;
    double x;
    int lengde;   // characters kept
};

// The columns of one match row, found by name once for a recordset rather than for every row.
struct Kampfelt {
    std::array<int, 5> tekster{};
    int hjemme = 0, borte = 0;
};

constexpr std::size_t Tekstfelt = std::tuple_size_v<decltype(Kampfelt::tekster)>;

Kampfelt kampfelt(const dao::Recordset& k, std::span<const Tekstkolonne, Tekstfelt> kolonner) {
    Kampfelt f;
    for (std::size_t i = 0; i < Tekstfelt; ++i) f.tekster[i] = k.FieldIndex(kolonner[i].felt);
    f.hjemme = k.FieldIndex("Dommer_HPoeng");
    f.borte = k.FieldIndex("Dommer_BPoeng");
    return f;
}

// The text columns of one match row, then its result with the line end.
void kamprad(const dao::Recordset& k, const Kampfelt& f, std::span<const Tekstkolonne, Tekstfelt> kolonner, double resultatX) {
    for (std::size_t i = 0; i < Tekstfelt; ++i) SkrivVed(kolonner[i].x, Kutt(k.Get(f.tekster[i]), kolonner[i].lengde));
    SkrivVed(resultatX, kamper::Resultat(k.Get(f.hjemme), k.Get(f.borte)), printer::EndLine);
}

constexpr Tekstkolonne EnDommer[] = {{"Turneringsdato", 1400, 50}, {"TurneringsNavn", 3100, 20}, {"Typespill", 5200, 3},
                                     {"Dommer_HLag", 6200, 20},    {"Dommer_BLag", 8000, 20}};
constexpr Tekstkolonne AlleDommere[] = {{"Turneringsdato", 2200, 20}, {"TurneringsNavn", 3900, 23}, {"Typespill", 5700, 3},
                                        {"Dommer_HLag", 6400, 23},    {"Dommer_BLag", 8200, 23}};

std::string navn(const dao::Recordset& rs) {
    return vb::Concat(rs.Get("Dommer_FNavn"), " ") + vb::Concat(rs.Get("Dommer_ENavn"), "");
}

} // namespace

void Dommer::Overskrift2() {
    Overskriftslinje({{1000, "Nr."}, {1400, "Dato"}, {3100, "Turnering"}, {5200, "Type spill"},
                      {6200, "HjemmeLag"}, {8000, "BorteLag"}, {9750, "Resultat"}});
}

void Dommer::Overskrift1() {
    Overskriftslinje({{1000, "Nr"}, {1400, "Dommer"}, {2200, "Dato"}, {3900, "Turnering"}, {5700, "T-Spill"},
                      {6400, "Hjemmelag"}, {8200, "Bortelag"}, {10000, "Resultat"}});
}

void Dommer::SSCommand4_Click() {
    if (Text4.Text().empty()) {
        forms::MsgBox("Ingen dommer valgt, velg først en dommer og prøv på nytt! ", forms::vbInformation,
                      "Utskrift dommerrapport");
        return;
    }
    // A number that is no whole number names no referee and lists no match.
    const vb::Variant nr(vb::Val(Text4.Text()));
    Utfor_Utskrift([&] {
        Utskriftsside side(Kampsett, [this] { Overskrift2(); });
        side.Start();
        side.Tittel(state::Turnering_Navn);
        side.Tittel("");
        // The title names the referee whose matches are printed, as the register has him.
        dao::Recordset dommer =
            state::DBase.OpenRecordset("Select * from Dommere where Dommernr= ?", dao::dbOpenSnapshot, {nr});
        side.Tittel("Kampliste for dommer  : " + (dommer.EOF_() ? std::string(" ") : navn(dommer)));
        side.Tittel("");
        side.Overskrift();
        side.Rader();
        state::Utvalg2 = state::DBase.OpenRecordset("Select * from Dommertabell where Dommernr= ? AND Status<3",
                                                    dao::dbOpenSnapshot, {nr});
        int16_t rad = 0;
        const Kampfelt felt = state::Utvalg2.EOF_() ? Kampfelt{} : kampfelt(state::Utvalg2, EnDommer);
        for (; !state::Utvalg2.EOF_(); state::Utvalg2.MoveNext()) {
            ++rad;
            SkrivVed(Tallposisjon(rad, 890, 160, 80), vb::Variant(rad));
            kamprad(state::Utvalg2, felt, EnDommer, 9800);
            side.Sideskift();
        }
        side.Slutt();
    });
}

void Dommer::SSCommand7_Click() {
    Utfor_Utskrift([this] {
        Utskriftsside side(Kampsett, [this] { Overskrift1(); });
        side.Start();
        side.Tittel(state::Turnering_Navn);
        side.Tittel("");
        side.Tittel("Dommerrapport over dømte kamper per dommer:");
        side.Tittel("");
        side.Overskrift();
        side.Rader();
        // Both passes only walk forward: the rows are read as they come, none kept.
        for (dao::Recordset dommere = state::DBase.OpenRecordset("Select * from Dommere", dao::dbOpenForwardOnly);
             !dommere.EOF_(); dommere.MoveNext()) {
            const vb::Variant nr = dommere.Get("DommerNR");
            SkrivVed(nr.IsNull() ? 920 : Tallposisjon(vb::CDbl(nr), 920, 160, 80), nr);
            SkrivVed(1400, navn(dommere), printer::EndLine);
            side.Sideskift();
            dao::Recordset kamprader = state::DBase.OpenRecordset("Select * from Dommertabell where Dommernr= ? AND Status<3",
                                                                    dao::dbOpenForwardOnly, {nr});
            int16_t rad = 0;
            const Kampfelt felt = kamprader.EOF_() ? Kampfelt{} : kampfelt(kamprader, AlleDommere);
            for (; !kamprader.EOF_(); kamprader.MoveNext()) {
                ++rad;
                SkrivVed(Tallposisjon(rad, 1640, 160, 80), vb::Variant(rad));
                kamprad(kamprader, felt, AlleDommere, 10100);
                side.Sideskift();
            }
        }
        side.Slutt();
    });
}
