#include "database/Schema.h"

namespace turneringsdb {

using dao::dbBoolean;
using dao::dbInteger;
using dao::dbLong;
using dao::dbMemo;
using dao::dbText;

const Tabell& VersjonTabell() {
    static const Tabell t{"Versjon",
                          {{"LagetDato", dbText, 50},
                           {"TurneringSted", dbText, 50},
                           {"TurneringsNavn", dbText, 50},
                           {"DatabaseID", dbInteger, 0},
                           {"OpprettetAv", dbText, 50},
                           {"ADDR1", dbText, 50},
                           {"ADDR2", dbText, 50},
                           {"PHON", dbText, 20},
                           {"COMM", dbMemo, 0},
                           {"Comm1", dbText, 50},
                           {"Comm2", dbText, 50},
                           {"Comm3", dbText, 50},
                           {"Comm4", dbText, 50},
                           {"Turneringsdato", dbText, 50}},
                          nullptr,
                          nullptr};
    return t;
}

const Tabell& DommereTabell() {
    static const Tabell t{"Dommere",
                          {{"DommerNR", dbInteger, 0},
                           {"Dommer_FNavn", dbText, 50},
                           {"Dommer_ENavn", dbText, 50},
                           {"Dommer_Lag", dbText, 50},
                           {"Dommer_Curling", dbBoolean, 0},
                           {"Dommer_Boccia", dbBoolean, 0},
                           {"Dommer_Fotball", dbBoolean, 0},
                           {"Dommer_Handball", dbBoolean, 0},
                           {"Dommer_Petangue", dbBoolean, 0},
                           {"KlB_Aspirant1", dbBoolean, 0},
                           {"KlB_Aspirant2", dbBoolean, 0},
                           {"KlB_Aspirant3", dbBoolean, 0},
                           {"KlB_Dommer1", dbBoolean, 0},
                           {"KlB_Dommer2", dbBoolean, 0},
                           {"KlB_Dommer3", dbBoolean, 0},
                           {"KlC_Aspirant1", dbBoolean, 0},
                           {"KlC_Dommer1", dbBoolean, 0},
                           {"KlC_Dommer3", dbBoolean, 0},
                           {"Dommer_FDato", dbText, 0},
                           {"Dommer_email", dbText, 0},
                           {"Dommer_Adresse", dbText, 50},
                           {"Dommer_Postnr", dbText, 50},
                           {"Dommer_Poststed", dbText, 50},
                           {"Dommer_Telefon", dbText, 16},
                           {"Dommer_Mobil", dbText, 16},
                           {"Dommer_DatoDKurs", dbText, 50},
                           {"Dommer_DatoOppdBocKurs", dbText, 50},
                           {"Dommer_DatoOppdCurKurs", dbText, 50},
                           {"KlB_Overdommer", dbBoolean, 0},
                           {"KlC_Overdommer", dbBoolean, 0}},
                          "DommerNr",
                          "DommerNR"};
    return t;
}

const Tabell& DommertabellTabell() {
    static const Tabell t{"Dommertabell",
                          {{"DommerNR", dbInteger, 0},
                           {"SekvensNR", dbLong, 0},
                           {"Status", dbInteger, 0},
                           {"Dommer_FNavn", dbText, 50},
                           {"Dommer_ENavn", dbText, 50},
                           {"Dommer_Lag", dbText, 50},
                           {"TurneringsNavn", dbText, 50},
                           {"Turneringsdato", dbText, 50},
                           {"Dommer_HLag", dbText, 50},
                           {"Dommer_BLag", dbText, 50},
                           {"Dommer_HPoeng", dbInteger, 0},
                           {"Dommer_BPoeng", dbInteger, 0},
                           {"Typespill", dbText, 50},
                           {"DatoEndret", dbText, 50}},
                          "DommerNr",
                          "DommerNR"};
    return t;
}

const Tabell& RankingTabell() {
    static const Tabell t{"Ranking",
                          {{"Nr", dbInteger, 0},
                           {"Rank_Nr", dbInteger, 0},
                           {"Trukket", dbInteger, 0},
                           {"ForNavn", dbText, 50},
                           {"EtterNavn", dbText, 50},
                           {"Klubb", dbText, 50},
                           {"KlasseNr", dbInteger, 0},
                           {"Klasse_Navn", dbText, 50},
                           {"Klasse_Type", dbText, 50}},
                          "Lag_Nr",
                          "Nr"};
    return t;
}

const Tabell& RankingKlDataTabell() {
    static const Tabell t{"Ranking_KlData",
                          {{"KlasseNr", dbInteger, 0},
                           {"TypeSpill", dbText, 50},
                           {"KlasseType", dbText, 50},
                           {"KlasseNavn", dbText, 50},
                           {"SpillOpsjon", dbText, 50},
                           {"LagSpill", dbBoolean, 0},
                           {"IndiSpill", dbBoolean, 0},
                           {"TieBreak", dbBoolean, 0}},
                          "Klasse_Nr",
                          "KlasseNr"};
    return t;
}

std::vector<dao::TableDef> Tabelldefinisjoner() {
    std::vector<dao::TableDef> ut;
    for (const Tabell* t : {&VersjonTabell(), &DommereTabell(), &DommertabellTabell(), &RankingTabell(), &RankingKlDataTabell()}) {
        dao::TableDef& def = ut.emplace_back(t->navn);
        for (const Kolonne& k : t->kolonner) def.Fields.push_back(def.CreateField(k.navn, k.type, k.storrelse));
    }
    return ut;
}

void LagTabell(dao::Database& db, const Tabell& tabell) {
    dao::TableDef def = db.CreateTableDef(tabell.navn);
    for (const Kolonne& k : tabell.kolonner) {
        dao::Field f = def.CreateField(k.navn, k.type);
        if (k.type == dbText || k.type == dbMemo) {
            if (k.storrelse > 0) f.Size = k.storrelse;
            f.AllowZeroLength = true;
        }
        def.Fields_Append(f);
    }
    db.TableDefs_Append(def);
    if (!tabell.indeksnavn) return;
    // The index goes on the stored table, as the table was made first.
    dao::TableDef lagret = db.TableDef_(tabell.navn);
    dao::Index indeks = lagret.CreateIndex(tabell.indeksnavn);
    indeks.AddField(tabell.indekskolonne);
    lagret.Indexes_Append(indeks);
}

const std::vector<Oppgraderingstrinn>& Oppgraderingstrinnene() {
    static const std::vector<Oppgraderingstrinn> trinn{
        {1,
         {{"Dommere", {"Dommer_Petangue", dbBoolean, 0}},
          {"Dommere", {"KlB_Aspirant1", dbBoolean, 0}},
          {"Dommere", {"KlB_Aspirant2", dbBoolean, 0}},
          {"Dommere", {"KlB_Aspirant3", dbBoolean, 0}},
          {"Dommere", {"KlB_Dommer1", dbBoolean, 0}},
          {"Dommere", {"KlB_Dommer2", dbBoolean, 0}},
          {"Dommere", {"KlB_Dommer3", dbBoolean, 0}},
          {"Dommere", {"KlC_Dommer1", dbBoolean, 0}},
          {"Dommere", {"KlC_Dommer3", dbBoolean, 0}},
          {"Dommere", {"KlC_Aspirant1", dbBoolean, 0}},
          {"Dommere", {"Dommer_email", dbText, 50}}}},
        {2,
         {{"Dommertabell", {"Dommer_HLag", dbText, 50}},
          {"Dommertabell", {"Dommer_BLag", dbText, 50}},
          {"Dommertabell", {"Dommer_HPoeng", dbInteger, 0}},
          {"Dommertabell", {"Dommer_BPoeng", dbInteger, 0}}}},
        {3, {{"Dommertabell", {"DatoEndret", dbText, 50}}}},
        {4,
         {{"Dommere", {"Dommer_DatoDKurs", dbText, 50}},
          {"Versjon", {"Comm1", dbText, 50}},
          {"Versjon", {"Comm2", dbText, 50}},
          {"Versjon", {"Comm3", dbText, 50}},
          {"Versjon", {"Comm4", dbText, 50}}}},
        {5,
         {{"Versjon", {"Comm1", dbText, 50}},
          {"Versjon", {"Comm2", dbText, 50}},
          {"Versjon", {"Comm3", dbText, 50}},
          {"Versjon", {"Comm4", dbText, 50}}}},
        {6,
         {{"Dommere", {"Dommer_DatoOppdBocKurs", dbText, 50}}, {"Dommere", {"Dommer_DatoOppdCurKurs", dbText, 50}}},
         true},
        {7, {}, true},
        {8, {{"Dommere", {"KlB_Overdommer", dbBoolean, 0}}, {"Dommere", {"KlC_Overdommer", dbBoolean, 0}}}},
    };
    return trinn;
}

const NyKolonne& Turneringsdatokolonne() {
    static const NyKolonne k{"Versjon", {"Turneringsdato", dbText, 50}};
    return k;
}

} // namespace turneringsdb
