#include "ranking/Import.h"

#include "database/Apen.h"
#include "database/Transaksjon.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "ranking/Databaser.h"
#include "ranking/ImportKilde.h"
#include "state/ProgramState.h"

namespace {

constexpr Importkolonne Turneringsfilkolonner[] = {
    {"Nr", "Nr", dao::dbInteger},          {"Fornavn", "ForNavn", dao::dbText},    {"Etternavn", "EtterNavn", dao::dbText},
    {"Klubb", "Klubb", dao::dbText},       {"Rank_Nr", "Rank_Nr", dao::dbInteger}, {"KlasseNr", "KlasseNr", dao::dbInteger},
    {"Klasse_Navn", "Klasse_Navn", dao::dbText}, {"Trukket", "Trukket", dao::dbInteger}};

// The position is not taken from another database of this program: the ranking window numbers the lists again.
constexpr Importkolonne Dommerdatabasekolonner[] = {
    {"Fornavn", "ForNavn", dao::dbText},    {"Etternavn", "EtterNavn", dao::dbText},     {"Klubb", "Klubb", dao::dbText},
    {"Rank_Nr", "Rank_Nr", dao::dbInteger}, {"KlasseNr", "KlasseNr", dao::dbInteger}, {"Klasse_Navn", "Klasse_Navn", dao::dbText},
    {"Trukket", "Trukket", dao::dbInteger}};

constexpr Importkolonne Listekolonner[] = {
    {"KlasseNr", "KlasseNr", dao::dbInteger},  {"TypeSpill", "TypeSpill", dao::dbText},     {"KlasseType", "KlasseType", dao::dbText},
    {"KlasseNavn", "KlasseNavn", dao::dbText}, {"SpillOpsjon", "SpillOpsjon", dao::dbText}, {"Lagspill", "LagSpill", dao::dbBoolean},
    {"IndiSpill", "IndiSpill", dao::dbBoolean}, {"TieBreak", "TieBreak", dao::dbBoolean}};

// Every entry of the open database gives way to the source's entries; a value
// the local column cannot hold leaves that column of the entry empty.
void ErstattPoster(dao::Database& mal, std::span<const Importkolonne> kolonner) {
    using namespace state;
    mal.Execute("Delete from Ranking");
    // Row by row: a snapshot would copy every entry into memory first.
    Utvalg4 = DBaseRanking.OpenRecordset("Select * from Ranking", dao::dbOpenDynaset);
    Utvalg2 = mal.OpenRecordset("Select * from Ranking");
    for (; !Utvalg4.EOF_(); Utvalg4.MoveNext()) {
        Utvalg2.AddNew();
        for (const Importkolonne& k : kolonner) {
            vb::Variant verdi;
            if (Lokal_Verdi(Utvalg4.Get(k.kilde), k.type, verdi) && !verdi.IsNull()) Utvalg2.Set(k.lokal, verdi);
        }
        Utvalg2.Update();
    }
}

// Each source list changes the local list of its number, when there is one; no
// list is added or removed. A value the local column cannot hold leaves it unchanged.
void OverforListeoppsett(dao::Database& mal) {
    using namespace state;
    if (!DBaseRanking.HasTable("Ranking_KlData")) return;
    const dao::TableDef kilde = DBaseRanking.TableDef_("Ranking_KlData");
    if (!kilde.FindField("KlasseNr")) return;
    Utvalg4 = DBaseRanking.OpenRecordset("Select * from Ranking_KlData", dao::dbOpenSnapshot);
    for (; !Utvalg4.EOF_(); Utvalg4.MoveNext()) {
        vb::Variant nr;
        if (!Lokal_Verdi(Utvalg4.Get("KlasseNr"), dao::dbInteger, nr) || nr.IsNull()) continue;
        Utvalg2 = mal.OpenRecordset("Select * from Ranking_KlData where KlasseNr=?", dao::dbOpenDynaset, {nr});
        if (Utvalg2.EOF_()) continue;
        Utvalg2.Edit();
        for (const Importkolonne& k : Listekolonner) {
            if (!kilde.FindField(k.kilde)) continue;
            vb::Variant verdi;
            if (!Lokal_Verdi(Utvalg4.Get(k.kilde), k.type, verdi)) continue;
            // A Yes/No without a value reads as False.
            if (verdi.IsNull() && k.type == dao::dbBoolean) verdi = false;
            Utvalg2.Set(k.lokal, verdi);
        }
        Utvalg2.Update();
    }
}

void MeldFeil(const std::string& sti, const vb::Err& e) {
    forms::MsgBox("Kunne ikke lese rankinglister fra:" + std::string(vb::vbCr) + sti + vb::vbCr + turneringsdb::Aarsak(e),
                  forms::vbExclamation);
}

void Importer(const std::string& sti, dao::Workspace*& arbeidsomrade, std::span<const Importkolonne> kolonner,
              bool medLister) {
    using namespace state;
    RankingFilsti = sti;
    LukkRankingfil();
    try {
        dao::Database& mal = Turneringsbase();
        arbeidsomrade = &dao::DBEngine::Workspaces(0);
        Apne_Rankingkilde(sti, *arbeidsomrade, kolonner);
        I_Transaksjon([&] {
            ErstattPoster(mal, kolonner);
            if (medLister) OverforListeoppsett(mal);
        });
    } catch (const vb::Err& e) {
        LukkRankingfil();
        forms::Screen.SetMousePointer(forms::vbDefault);
        MeldFeil(sti, e);
        return;
    }
    LukkRankingfil();
}

} // namespace

bool Importkilde_Godtatt(const std::string& sti) {
    try {
        Avvis_Apen_Database(sti);
        return true;
    } catch (const vb::Err& e) {
        MeldFeil(sti, e);
        return false;
    }
}

void Importer_Fra_Turneringsfil(const std::string& sti) {
    Importer(sti, state::ArbeidsomradeRanking, Turneringsfilkolonner, false);
}

void Importer_Fra_Dommerdatabase(const std::string& sti) {
    Importer(sti, state::ArbeidsomradeRanking2, Dommerdatabasekolonner, true);
}
