#pragma once
// A tournament database with referees 1 to 20, the import window loaded, and
// result files written into the data folder; ways to read both files back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Resultatfilskriver.h"
#include "platform/dao/Dao.h"
#include "platform/forms/Runtime.h"
#include "support/Programtilstand.h"
#include "support/TestEnv.h"

namespace importtest {

using resultatfil::Felt;
using resultatfil::Innhold;
using resultatfil::Rad;

// One match row of referee nr in the tournament "NM" on "1. mai 2026".
Rad Kamp(int nr, const char* hlag = "Lyn", const char* blag = "Ørn", int hpoeng = 3, int bpoeng = 2,
         const char* typespill = "BOCCIA", Felt status = "0");

// What the user reads before the reason when an import fails, written out as he sees it.
inline const std::string Innlesingsfeil = "OBS, Feil ved innlesing av dommerfil fra klubb! ";

class ImportTest : public ::testing::Test {
protected:
    // A large import for the tests that end the program in the middle of it: one match in
    // the database, a result file of rader matches of referees 1 to 20, both let go and
    // kept as bytes; legg() lays them anew into the working folder as db and dkv.
    struct StorImport {
        std::string db, dkv, mappe, dbBytes, dkvBytes;
        void legg() const;
    };
    StorImport storImport(int rader);

    void SetUp() override;
    void TearDown() override;

    // Writes a result file into the data folder; returns its path.
    std::string lagFil(const std::string& navn, const Innhold& innhold);
    std::string lagFil(const std::string& navn, const std::vector<Rad>& rader, Felt filstatus = "0");
    // Filsti := path, then the regular import.
    void lesInn(const std::string& sti);

    // Values read through the program's own layer (the file may be held open by the import).
    std::vector<std::string> kolonne(const std::string& sti, const std::string& sql);
    std::string filstatus(const std::string& sti);
    std::vector<std::string> radstatus(const std::string& sti);   // dommerdata's Status, file order; "" for Null
    long antallKamper();
    // Lets go of every handle on result files, so they can be read as plain bytes.
    void slippFiler();
    // The bytes of both files, with nothing held open while they are read.
    std::pair<std::string, std::string> bytes(const std::string& dkv);

    std::vector<forms::MsgBoxRequest> bokser() { return kdtest::TaBokser(); }
    std::vector<std::string> boksTekster();

    kdtest::TempDir dir;
    std::string dbsti;
    std::string datamappe;
};

} // namespace importtest
