// Entry editing: the working modes, a click on an entry, saving a new or a
// changed entry, and deleting one.
#include <cmath>
#include <optional>

#include "database/Transaksjon.h"
#include "platform/dao/Dao.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "ranking/Ranking.h"
#include "ranking/Rankinglister.h"
#include "state/ProgramState.h"

namespace {

constexpr const char* Tittel = "Administrasjon Ranking Liste";
constexpr const char* Mangelfull = "Mangefull informasjon for spiller/lag er angitt, kompletter data og prøv igjen!";
constexpr const char* IkkeFunnet = "Fant ikke den angitte spiller/lag!";
constexpr const char* ManglerNummer = "Ranking Nr eller Trukket Nr må oppgis!!";

void melding(const std::string& tekst, const char* tittel = Tittel) {
    forms::MsgBox(tekst, forms::vbInformation + forms::vbOKOnly, tittel);
}

// The number a field holds, as the Integer column will store it; nothing when it does not
// fit, also when it is too large to read at all ("1e999").
std::optional<int16_t> heltall(const std::string& felt) {
    const std::optional<double> lest = vb::ValInRange(felt);
    if (!lest) return std::nullopt;
    const double verdi = vb::RoundHalfEven(*lest);
    if (verdi < -32768 || verdi > 32767) return std::nullopt;
    return static_cast<int16_t>(verdi);
}

std::string tall(const vb::Variant& v) {
    if (v.IsNull()) return {};
    const long n = vb::CLng(v);
    return n > 0 ? std::to_string(n) : std::string();
}

std::string liste() { return std::to_string(state::AktivListe); }

dao::Recordset valgtPost() {
    return state::DBase.OpenRecordset("Select * from Ranking Where KlasseNr=" + liste() + " And NR=" +
                                      std::to_string(ranking::ValgtNr));
}

long antallMed(const char* kolonne, int16_t verdi) {
    dao::Recordset rs = state::DBase.OpenRecordset("Select Count(*) from Ranking where KlasseNR=" + liste() + " And " +
                                                       kolonne + ">0 And " + kolonne + "=?",
                                                   dao::dbOpenSnapshot, {vb::Variant(verdi)});
    return vb::CLng(rs.Get(0));
}

} // namespace

void Ranking::modus(bool lagre, bool slett, bool rapport, bool importer) {
    SSCommand4.SetEnabled(lagre);
    SSCommand5.SetEnabled(slett);
    SSCommand6.SetEnabled(rapport);
    SSCommand9.SetEnabled(importer);
    SSCommand3.SetEnabled(importer);
}

void Ranking::Option1_Click() {
    ranking::ValgtNr = 0;
    tomFelter(true);
    modus(true, false, false, false);
    SSCommand4.SetCaption("Lagre Lag/Spiller i Rankingliste");
}

void Ranking::Option2_Click() {
    ranking::ValgtNr = 0;
    tomFelter(true);
    modus(true, false, false, false);
    SSCommand4.SetCaption("Endre Lag/Spiller i Rankingliste");
}

void Ranking::Option3_Click() {
    ranking::ValgtNr = 0;
    modus(false, false, true, false);
}

void Ranking::Option4_Click() {
    ranking::ValgtNr = 0;
    tomFelter(true);
    modus(false, true, false, false);
}

void Ranking::Option6_Click() {
    ranking::ValgtNr = 0;
    tomFelter(false);
    modus(false, false, false, true);
}

void Ranking::MSFlexGrid1_Click() {
    if (!Option2.Value() && !Option4.Value()) return;
    const int rad = MSFlexGrid1.Row();
    if (rad < MSFlexGrid1.FixedRows) return;
    const std::optional<int16_t> nr = heltall(MSFlexGrid1.TextMatrix(rad, 0));
    if (!nr || *nr <= 0) return;
    ranking::ValgtNr = *nr;
    // From the stored entry: the grid leaves out the club of ranked entries in team play.
    dao::Recordset post = valgtPost();
    if (post.EOF_()) return;
    Text1.SetText(vb::Concat(post.Get("ForNavn"), ""));
    Text2.SetText(vb::Concat(post.Get("EtterNavn"), ""));
    Text3.SetText(vb::Concat(post.Get("Klubb"), ""));
    Text4.SetText(tall(post.Get("Rank_Nr")));
    Text10.SetText(tall(post.Get("Trukket")));
}

void Ranking::SSCommand4_Click() {
    const bool individuelt = ranking::AktivSpillOpsjon == ranking::Individuelt;
    if (Text1.Text().empty() || (individuelt && Text2.Text().empty())) return melding(Mangelfull);
    if (!Text4.Text().empty() && !Text10.Text().empty())
        return melding("Obs du må velge enten Ranking Nr eller Trukket Nr, ikke begge deler!!");
    if (Text4.Text().empty() && Text10.Text().empty()) return melding(ManglerNummer);
    const std::optional<int16_t> rankNr = heltall(Text4.Text());
    const std::optional<int16_t> trukket = heltall(Text10.Text());
    if (!rankNr || !trukket) return melding("Ranking Nr og Trukket Nr kan ikke være større enn 32767!");

    if (Option1.Value()) {
        if (*rankNr <= 0 && *trukket <= 0) return melding(ManglerNummer);
        if (*rankNr > 0 && antallMed("Rank_Nr", *rankNr) > 0)
            return melding(std::string("Det angitte Ranking nummer finnes allerede i denne klassen") + vb::vbLf +
                           "oppdater Ranking nummer og prøv igjen!");
        if (*trukket > 0 && antallMed("Trukket", *trukket) > 0)
            return melding(std::string("Det angitte 'Trukket' nummer finnes allerede i denne klassen") + vb::vbLf +
                           "oppdater 'Trukket' nummer og prøv igjen!");
        I_Transaksjon([&] {
            dao::Recordset antall =
                state::DBase.OpenRecordset("Select Count(*) from Ranking where KlasseNR=" + liste(), dao::dbOpenSnapshot);
            const bool rangert = *rankNr > 0;
            state::DBase.Execute(
                "Insert Into Ranking (Nr, KlasseNr, Klasse_Navn, Fornavn, Etternavn, Klubb, Rank_Nr, Trukket) "
                "Values (?, ?, ?, ?, ?, ?, ?, ?)",
                {vb::Variant::Integer(vb::CLng(antall.Get(0)) + 1), vb::Variant(state::AktivListe), Text6.Text(),
                 Text1.Text(), Text2.Text(), Text3.Text(), vb::Variant::Integer(rangert ? *rankNr : 0),
                 vb::Variant::Integer(rangert ? 0 : *trukket)});
            lagreListensSpilltype();
            Nummerer_Lister(state::AktivListe, state::AktivListe);
        });
        Fyll_Rankingliste(state::AktivListe);
        tomFelter(false);
        Text4.SetText(std::to_string(std::max<int>(*rankNr, 0) + 1));
    } else if (Option2.Value()) {
        dao::Recordset post;
        if (ranking::ValgtNr > 0) post = valgtPost();
        if (post.IsNothing() || post.EOF_()) {
            melding(IkkeFunnet, "Endre Spillerdata");
        } else {
            I_Transaksjon([&] {
                post.Edit();
                post.Set("Fornavn", Text1.Text());
                post.Set("Etternavn", Text2.Text());
                post.Set("Klubb", Text3.Text());
                post.Set("Rank_Nr", vb::Variant(*rankNr));
                post.Set("Trukket", vb::Variant(*trukket));
                post.Update();
                lagreListensSpilltype();
            });
        }
        Fyll_Rankingliste(state::AktivListe);
    }
    Lagre_TypeSpill();
}

void Ranking::lagreListensSpilltype() {
    dao::Recordset rad = state::DBase.OpenRecordset("Select * from Ranking_KlData where Klassenr=" + liste());
    if (rad.EOF_()) return;
    const bool individuelt = Option7.Value();
    rad.Edit();
    rad.Set("SpillOpsjon", individuelt ? ranking::Individuelt : ranking::Lagspill);
    rad.Set("IndiSpill", individuelt);
    rad.Set("Lagspill", !individuelt);
    rad.Update();
}

void Ranking::SSCommand5_Click() {
    constexpr const char* SletteTittel = "Slette Spiller";
    if (Text1.Text().empty()) return melding(Mangelfull, SletteTittel);
    dao::Recordset post;
    if (ranking::ValgtNr > 0) post = valgtPost();
    if (post.IsNothing() || post.EOF_()) return melding(IkkeFunnet, SletteTittel);
    post.Delete();
    tomFelter(true);
    Fyll_Rankingliste(state::AktivListe);
}
