#pragma once
// An open tournament database with the 29 lists in a temporary program folder
// that has "DommerDistribusjon", and ways to put entries in, read files with the
// sqlite3 shell, and hold a file locked from another process.
#include <gtest/gtest.h>
#include <sys/types.h>

#include <string>
#include <vector>

#include "platform/dao/Dao.h"
#include "platform/forms/Runtime.h"
#include "support/Programtilstand.h"
#include "support/TestEnv.h"

namespace rankfiltest {

struct Post {
    vb::Variant nr, rank, trukket;
    vb::Variant fornavn, etternavn, klubb;
    vb::Variant klasse, klasseNavn;
};

// Makes a tournament database at sti with the program's table creators and 29
// lists (1-20 Boccia, 21-29 Curling); it is left closed.
void LagTurneringsbase(const std::string& sti, const std::string& opprettetAv);
// Adds entries straight into the database db.
void LeggInn(dao::Database& db, const std::vector<Post>& poster);

class RankingfilTest : public ::testing::Test {
public:
    void SetUp() override;
    void TearDown() override;

    // Opens dbsti as the program has it open: DBase, DBase2, the names.
    void apneTurneringsbase();
    void leggInn(const std::vector<Post>& poster) { LeggInn(state_DBase(), poster); }
    long antall(const std::string& sql);
    // The rows of sql on the open database: columns joined by "|", Null as nothing, a line each.
    std::string rader(const std::string& sql);
    // The message boxes shown so far (and forgets them).
    std::vector<forms::MsgBoxRequest> bokser() { return kdtest::TaBokser(); }
    // Scripted answers for the next boxes, in order.
    static void svar(std::initializer_list<int> svarene);
    std::string eksportfil() const { return program.path() + "/DommerDistribusjon/RankingListe.rlt"; }

    kdtest::TempDir program;
    std::string dbsti;

private:
    static dao::Database& state_DBase();
};

// What the sqlite3 shell prints for sql on the file: rows as lines, columns joined by "|".
std::string Sqlite3(const std::string& fil, const std::string& sql);

} // namespace rankfiltest
