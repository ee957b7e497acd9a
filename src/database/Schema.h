#pragma once
// The layout of the tournament database, version 9: tables, columns in order,
// the one index of each table, and the upgrade steps of the older versions.
#include <string>
#include <vector>
#include "platform/dao/Dao.h"

namespace turneringsdb {

inline constexpr int Skjemaversjon = 9;

struct Kolonne {
    const char* navn;
    int type;        // dao::DataType
    int storrelse;   // Text: declared size; 0 = the engine's default
};

struct Tabell {
    const char* navn;
    std::vector<Kolonne> kolonner;
    const char* indeksnavn;      // nullptr: no index
    const char* indekskolonne;
};

const Tabell& VersjonTabell();
const Tabell& DommereTabell();
const Tabell& DommertabellTabell();
const Tabell& RankingTabell();
const Tabell& RankingKlDataTabell();

// Every table of the layout as a table definition, in the order above.
std::vector<dao::TableDef> Tabelldefinisjoner();

// Makes the table with its columns and then its index in db. Raises the
// engine's error (3010 when the table exists) and leaves an appended table in the file.
void LagTabell(dao::Database& db, const Tabell& tabell);

// One upgrade step: the columns it adds per table, and whether it adds the ranking tables.
struct NyKolonne {
    const char* tabell;
    Kolonne kolonne;
};
struct Oppgraderingstrinn {
    int versjon;                     // the stored DatabaseID it upgrades from
    std::vector<NyKolonne> kolonner;
    bool rankingtabeller = false;
};
// Steps for the versions 1 to 8, in order.
const std::vector<Oppgraderingstrinn>& Oppgraderingstrinnene();
// The tournament date in Versjon, which files made before it came lack whatever their version.
const NyKolonne& Turneringsdatokolonne();

} // namespace turneringsdb
