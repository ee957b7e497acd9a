// The register's searches by name and by club into the window Search_Data.
#include <string>

#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "reports/Felt.h"
#include "reports/Rapporter.h"
#include "reports/Registervalg.h"
#include "reports/Search_Data.h"
#include "state/ProgramState.h"

namespace {

// The pattern occurs anywhere in the field, upper case against upper case; a Null field never matches.
bool Finnes(const dao::Recordset& rs, const char* felt, const std::string& monster) {
    const vb::Variant v = rs.Get(felt);
    return !v.IsNull() && vb::InStr(vb::UCase(v.ToText()), vb::UCase(monster)) > 0;
}

std::string Spilltekst(const dao::Recordset& rs) {
    const bool boccia = Flagg(rs, "Dommer_Boccia"), curling = Flagg(rs, "Dommer_Curling");
    if (boccia && curling) return "Boccia & Curling";
    if (curling) return "Curling";
    if (boccia) return "Boccia";
    return {};
}

std::string Rad(const dao::Recordset& rs, bool medKlasser) {
    std::string rad = Felt(rs, "DommerNR") + "\t" + Felt(rs, "Dommer_FNavn") + "\t" + Felt(rs, "Dommer_ENavn") +
                      "\t" + Felt(rs, "Dommer_Lag") + "\t" + Spilltekst(rs) + "\t";
    // The Overdommer flags are no class of the search.
    if (medKlasser) {
        rad += ForsteKlasse(rs, BocciaKlasser.first(6));
        rad += "\t";
        rad += ForsteKlasse(rs, CurlingKlasser.first(3));
    } else {
        rad += "\t";
    }
    return rad;
}

template <class Treff>
void Sok(Treff treff, bool medKlasser, const std::string& resultat) {
    auto& vindu = forms::Default<Search_Data>();
    dao::Recordset rs = state::DBase2.OpenRecordset("Select * from Dommere");
    for (; !rs.EOF_(); rs.MoveNext())
        if (treff(rs)) vindu.MSFlexGrid1.AddItem(Rad(rs, medKlasser));
    vindu.Label1.SetCaption(resultat);
    vindu.Show();
}

void IngenSokedata(const std::string& hva) {
    forms::MsgBox(hva + "\r" + "Angi ønsket søke-data og prøv på nytt!", forms::vbExclamation);
}

} // namespace

void Sok_Navn() {
    const Registervalg& reg = Registervalg::Gjeldende();
    const std::string f = reg.Sokefornavn(), l = reg.Sokeetternavn();
    if (f.empty() && l.empty()) return IngenSokedata("Ingen navn angitt for søking!");
    Sok(
        [&](const dao::Recordset& rs) {
            if (f.empty()) return Finnes(rs, "Dommer_ENavn", l);
            return Finnes(rs, "Dommer_FNavn", f) && (l.empty() || Finnes(rs, "Dommer_ENavn", l));
        },
        false, Navnesok_Tekst(f, l));
}

void Sok_Lag() {
    const std::string c = Registervalg::Gjeldende().Sokelag();
    if (c.empty()) return IngenSokedata("Ingen lag/klubb angitt for søking!");
    Sok([&](const dao::Recordset& rs) { return Finnes(rs, "Dommer_Lag", c); }, true,
        "Resultat fra søk på klubb/lag: " + c);
}

std::string Navnesok_Tekst(const std::string& fornavn, const std::string& etternavn) {
    if (!fornavn.empty() && !etternavn.empty())
        return "Resultat fra søk på Fornavn: " + fornavn + ", Etternavn: " + etternavn;
    if (!fornavn.empty()) return "Resultat fra søk på Fornavn: " + fornavn;
    if (!etternavn.empty()) return "Resultat fra søk på Etternavn: " + etternavn;
    return {};
}
