#pragma once
// Shared set-up of the tournament database tests: a program folder of their own,
// clean program-wide state, the layout as the file format describes it, and
// files of the older versions built column by column.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dao/Dao.h"
#include "platform/forms/Runtime.h"
#include "support/Programtilstand.h"
#include "support/TestEnv.h"

namespace dbtest {

struct Kol {
    std::string navn;
    int type;
    int storrelse;   // Text: the size read back; 0 elsewhere (not compared)
};
using Kolonneliste = std::vector<Kol>;

// The version 9 layout, table by table.
const Kolonneliste& Versjon9();
const Kolonneliste& Dommere9();
const Kolonneliste& Dommertabell9();
const Kolonneliste& Ranking9();
const Kolonneliste& RankingKlData9();

// Columns the upgrade step of a version adds: (table, column).
struct Tillegg {
    std::string tabell;
    Kol kol;
};
std::vector<Tillegg> TilleggFraVersjon(int versjon);

// A file of the given old version (1..8): the version 9 layout without what the
// steps from that version on add, one referee, one match and the Versjon row.
void LagGammelFil(const std::string& sti, int versjon);

// The columns of a table as stored.
Kolonneliste Kolonner(const dao::Database& db, const std::string& tabell);
std::vector<std::string> Navnene(const Kolonneliste& k);

class DbTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string program() const { return forms::App.Path; }
    std::string iProgram(const std::string& navn) const { return program() + "/" + navn; }
    // Creates a new database in the program folder through the creation road.
    std::string NyFil(const std::string& navn);
    // Opens a file through the open road (Katalog + Filnavn, then the upgrade).
    void Apne(const std::string& sti);
    // Message boxes shown since SetUp.
    std::vector<forms::MsgBoxRequest>& bokser() { return forms::Headless().boxes; }
    kdtest::TempDir tmp;
};

} // namespace dbtest
