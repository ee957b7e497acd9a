#pragma once
// A tournament database in a temporary folder, the register window shown on it,
// and short ways to put referees and match rows in and read them back.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/dao/Dao.h"
#include "platform/forms/Runtime.h"
#include "register/Dommere_Init.h"
#include "support/Programtilstand.h"
#include "support/TestEnv.h"

// Referees are written with designated initializers; the members left out keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace regtest {

struct Dommer {
    int nr = 0;
    std::string fnavn, enavn, lag;
    bool boccia = false, curling = false;
    std::vector<std::string> flagg;                  // class flags set True
    std::map<std::string, std::string> tekster;     // further text columns
};

class RegisterTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds referees and match rows straight into the open database.
    void leggInn(const Dommer& d);
    void leggInnKamper(int nr, int antall, int status = 0);
    // The register window, shown (and so refreshed).
    Dommere_Init& vis();
    // Makes another window active and comes back, as the user does.
    void aktiverPaNytt();

    // A referee's row (fails the test when there is none) and the number of rows.
    dao::Recordset rad(int nr);
    long antall(const std::string& sql, const dao::Params& p = {});
    bool flagg(int nr, const char* kolonne);

    // What the user does: type into a box, tick, click.
    static void skriv(forms::TextBox& t, const std::string& tekst);
    // The message boxes shown so far (and forgets them).
    std::vector<forms::MsgBoxRequest> bokser() { return kdtest::TaBokser(); }

    kdtest::TempDir dir;
    std::string dbsti;
};

} // namespace regtest
