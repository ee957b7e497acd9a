// Saving one refereed match typed in by hand.
#include <algorithm>
#include <string>

#include "database/Dommernummer.h"
#include "database/Kampoversikt.h"
#include "matches/Dommer.h"
#include "matches/Kampvindu.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

namespace {

constexpr int Tekstkolonne = 50;

bool bareSifre(const std::string& s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

// Points as typed: empty is allowed and stays empty (Null); otherwise a whole number of the
// Integer range. False when the text is neither.
bool lesPoeng(const std::string& tekst, vb::Variant& verdi) {
    const std::string t = vb::Trim(tekst);
    if (t.empty()) {
        verdi = vb::Variant(vb::Null);
        return true;
    }
    const std::string sifre = t[0] == '-' || t[0] == '+' ? t.substr(1) : t;
    if (!bareSifre(sifre)) return false;
    // Leading zeros add nothing: only the digits after them can leave the range.
    if (sifre.size() - std::min(sifre.find_first_not_of('0'), sifre.size()) > 5) return false;
    const long tall = std::stol(t);
    if (tall < -32768 || tall > 32767) return false;
    verdi = vb::Variant::Integer(static_cast<int>(tall));
    return true;
}

vb::Variant poeng(const std::string& tekst) {
    vb::Variant verdi;
    lesPoeng(tekst, verdi);
    return verdi;
}

void melding(const std::string& tekst, const char* tittel = "Innlegging Dommere") {
    forms::MsgBox(tekst, forms::vbInformation + forms::vbOKOnly, tittel);
}

} // namespace

std::string Dommer::feilIInntasting() {
    const struct { const forms::TextBox* boks; const char* navn; } tekster[] = {
        {&Text1, "Fornavn"},        {&Text2, "Etternavn"},          {&Text5, "Turneringsnavn"},
        {&Text6, "Turneringsdato"}, {&Text8(0), "Hjemmelag"}, {&Text8(1), "Bortelag"}};
    for (const auto& t : tekster)
        if (vb::Len(t.boks->Text()) > Tekstkolonne)
            return std::string(t.navn) + " kan ha høyst " + std::to_string(Tekstkolonne) + " tegn!";
    for (int i : {2, 3})
        if (vb::Variant verdi; !lesPoeng(Text8(i).Text(), verdi))
            return "Poeng må være et helt tall fra -32768 til 32767, eller stå tomt!";
    return {};
}

void Dommer::SSCommand2_Click() {
    if (Text1.Text().empty()) return melding("Skriv inn navn på dommer");
    if (SSCheck1.Value() == 0 && SSCheck2.Value() == 0) return melding("Velg minimum en type spill !");
    if (Text5.Text().empty() || Text6.Text().empty())
        return melding("Både Turneringsdato og Turneringsnavn må angis !");
    if (const std::string feil = feilIInntasting(); !feil.empty()) return melding(feil);

    const auto nr = GyldigDommernummer(Text4.Text());
    bool finnes = false;
    if (nr) {
        state::Utvalg2 = state::DBase.OpenRecordset("Select * from Dommere where Dommernr = ?", dao::dbOpenSnapshot,
                                                    {vb::Variant(*nr)});
        finnes = !state::Utvalg2.EOF_();
    }
    if (!finnes)
        return melding("Dommernummer finnes ikke, velg annen dommer eller legg inn ny dommer først !",
                       "Innlegging Dommerdata");

    // A failure here reaches the user as it is, and the boxes keep what was typed.
    Registrer_Kamp();

    Fyll_Kampliste();
    Overskrift_Kampliste();
    if (state::DommerFunnet) {
        listKamper(false);
        MSFlexGrid1.SetColSel(1);
        MSFlexGrid1.Sort(forms::flexSortNumericDescending);
    }
    state::DommerFunnet = true;
    Fyll_Dommerliste();

    for (auto* t : {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8(0), &Text8(1), &Text8(2), &Text8(3)})
        t->SetText("");
    SSCheck1.SetValue(0);
    SSCheck2.SetValue(0);
}

void Dommer::Registrer_Kamp() {
    // Numbered on from the largest stored one; an empty or all-negative table starts at 1.
    state::Sekvensnummer = turneringsdb::Oversikt(state::DBase).storsteSekvensnummer;

    // One statement appends the row; opening the table for an append would first read every row's key.
    vb::Variant typespill(vb::Null);
    if (SSCheck1.Value() != 0) typespill = "Boccia";
    if (SSCheck2.Value() != 0) typespill = "Curling";
    const int16_t nr = *GyldigDommernummer(Text4.Text());
    const int32_t sekvens = state::Sekvensnummer + 1;
    const turneringsdb::Kamptall spill = turneringsdb::Spill(state::DBase, typespill);
    const dao::ChangeStamp for_ = state::DBase.Stamp();
    state::DBase.Execute(
        "Insert Into Dommertabell (DommerNR, SekvensNR, Status, Dommer_FNavn, Dommer_ENavn, TurneringsNavn, "
        "Turneringsdato, Dommer_HLag, Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng, Typespill) "
        "Values (?, ?, 0, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        {vb::Variant(nr), vb::Variant::Long(sekvens), Text1.Text(), Text2.Text(), Text5.Text(), Text6.Text(),
         Text8(0).Text(), Text8(1).Text(), poeng(Text8(2).Text()), poeng(Text8(3).Text()), typespill});
    turneringsdb::KampLagtTil(state::DBase, for_, nr, sekvens, spill);
}
