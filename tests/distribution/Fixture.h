#pragma once
// A tournament database with referees in a temporary program folder, the
// message boxes shown, and the sqlite3 shell to read written files with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Variant.h"
#include "support/Programtilstand.h"
#include "support/TestEnv.h"

namespace distest {

struct Dommer {
    int nr;
    vb::Variant fnavn, enavn, lag;
    bool curling = false, boccia = false, fotball = false, handball = false;
};

// Makes a tournament database at path with the program's own creators, DBase
// and DBase2 open on it, Databasenavn set.
void LagTurnering(const std::string& path, const std::string& opprettetAv = "Norges Valmorisk");
void LeggInn(const Dommer& d);
// 999 referees numbered 1 to 999.
void LeggInnMange(int antall);

// What the sqlite3 shell prints for the statements (rows as "a|b|c" lines).
std::string Sqlite(const std::string& file, const std::string& sql);

class DistTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The message boxes shown so far (and forgets them).
    std::vector<forms::MsgBoxRequest> bokser() { return kdtest::TaBokser(); }
    // Ticks the program's polls, as its event loop would, until none is left (at most 20 s).
    static void ventPaSvar();
    // The files of a folder, hidden ones too.
    std::vector<std::string> filer(const std::string& mappe);

    kdtest::TempDir dir;
};

} // namespace distest
