// The export file's two tables and their contents.
#include <map>
#include <utility>

#include "database/Schema.h"
#include "platform/dao/Dao.h"
#include "platform/vb/Err.h"
#include "platform/vb/Format.h"
#include "ranking/Eksport.h"
#include "ranking/Databaser.h"
#include "state/ProgramState.h"

using turneringsdb::Tabell;

namespace {


const Tabell& RankingfilTabell() {
    static const Tabell t{"Ranking",
                          {{"NR", dao::dbInteger, 0},
                           {"KlasseNR", dao::dbInteger, 0},
                           {"TypeSpill", dao::dbText, 50},
                           {"Fornavn", dao::dbText, 50},
                           {"Etternavn", dao::dbText, 50},
                           {"Klubb", dao::dbText, 50},
                           {"KlasseType", dao::dbText, 50},
                           {"KlasseNavn", dao::dbText, 50},
                           {"RankingNr", dao::dbInteger, 0},
                           {"TrukketNr", dao::dbInteger, 0},
                           {"OpprettetAv", dao::dbText, 50},
                           {"Dato", dao::dbText, 0}},
                          "KlasseNr",
                          "KlasseNR"};
    return t;
}

// Entry columns of the file and the tournament database's columns they come from.
constexpr std::pair<const char*, const char*> Postkolonner[] = {
    {"NR", "Nr"},           {"KlasseNR", "KlasseNr"},       {"Fornavn", "ForNavn"},   {"Etternavn", "EtterNavn"},
    {"Klubb", "Klubb"},     {"KlasseNavn", "Klasse_Navn"}, {"RankingNr", "Rank_Nr"}, {"TrukketNr", "Trukket"}};

constexpr const char* Listekolonner[] = {"KlasseNr",    "TypeSpill", "KlasseType", "KlasseNavn",
                                         "SpillOpsjon", "LagSpill",  "IndiSpill",  "TieBreak"};

// Null stays unset: the new row already holds no value (False in a Yes/No column).
void Kopier(dao::Recordset& til, const char* tilKolonne, const vb::Variant& verdi) {
    if (!verdi.IsNull()) til.Set(tilKolonne, verdi);
}

struct Listedata {
    vb::Variant typeSpill, klasseType;
};

} // namespace

void Opprett_Tabell_Ranking() { turneringsdb::LagTabell(state::DBaseRanking, RankingfilTabell()); }

void Opprett_Tabell_Ranking_KlData() {
    try {
        turneringsdb::LagTabell(state::DBaseRanking, turneringsdb::RankingKlDataTabell());
    } catch (const vb::Err& e) {
        // Only an existing table is passed over; a disk or engine failure must end the export.
        if (e.Number != dao::errnum::TableExists) throw;
    }
}

vb::Variant Eksportens_Utgiver() {
    dao::Recordset versjon = Turneringsbase().OpenRecordset("Select * from Versjon", dao::dbOpenSnapshot);
    if (versjon.EOF_())
        vb::Raise(dao::errnum::NoCurrentRecord, "Tabellen Versjon i databasen er tom, så det er ukjent hvem som har laget listene.");
    return versjon.Get("OpprettetAv");
}

void Lagre_RankingData() {
    using namespace state;
    dao::Database& kilde = Turneringsbase();
    const vb::Variant utgiver = Eksportens_Utgiver();
    const std::string dato = vb::Format(vb::Now(), "d. mmmm yyyy");

    // The lists are read once; the first row of a number counts, as a lookup by number finds it.
    std::map<long, Listedata> lister;
    Utvalg2 = kilde.OpenRecordset("Select * from Ranking_KlData", dao::dbOpenSnapshot);
    for (; !Utvalg2.EOF_(); Utvalg2.MoveNext()) {
        const vb::Variant nr = Utvalg2.Get("KlasseNr");
        if (!nr.IsNull()) lister.try_emplace(vb::CLng(nr), Listedata{Utvalg2.Get("TypeSpill"), Utvalg2.Get("KlasseType")});
    }

    // Row by row: a snapshot would copy every entry into memory first.
    Utvalg1 = kilde.OpenRecordset("Select * from Ranking", dao::dbOpenDynaset);
    Utvalg = DBaseRanking.OpenRecordset("Select * from Ranking");
    for (; !Utvalg1.EOF_(); Utvalg1.MoveNext()) {
        Utvalg.AddNew();
        // An entry of a list that has no row keeps empty list fields.
        const vb::Variant nr = Utvalg1.Get("KlasseNr");
        if (!nr.IsNull()) {
            if (const auto liste = lister.find(vb::CLng(nr)); liste != lister.end()) {
                Kopier(Utvalg, "TypeSpill", liste->second.typeSpill);
                Kopier(Utvalg, "KlasseType", liste->second.klasseType);
            }
        }
        for (const auto& [til, fra] : Postkolonner) Kopier(Utvalg, til, Utvalg1.Get(fra));
        Kopier(Utvalg, "OpprettetAv", utgiver);
        Utvalg.Set("Dato", dato);
        Utvalg.Update();
    }

    Utvalg1 = kilde.OpenRecordset("Select * from Ranking_KlData", dao::dbOpenSnapshot);
    Utvalg = DBaseRanking.OpenRecordset("Select * from Ranking_KlData");
    for (; !Utvalg1.EOF_(); Utvalg1.MoveNext()) {
        Utvalg.AddNew();
        for (const char* kolonne : Listekolonner) Kopier(Utvalg, kolonne, Utvalg1.Get(kolonne));
        Utvalg.Update();
    }
    Utvalg.Close();
}

void Slett_RankingData() {
    using namespace state;
    ArbeidsomradeRanking = &dao::DBEngine::Workspaces(0);
    DBaseRanking = ArbeidsomradeRanking->OpenDatabase(RankingFilsti, true);
    DBaseRanking.Execute("Delete from Ranking");
    DBaseRanking.Execute("Delete from Ranking_KlData");
}
