#pragma once
// A tournament database with referees in a temporary folder, the ranking
// window shown on it, and short ways to put entries in and read them back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dao/Dao.h"
#include "platform/forms/Runtime.h"
#include "ranking/Ranking.h"
#include "support/Programtilstand.h"
#include "support/TestEnv.h"

namespace rankingtest {

struct Post {
    int liste = 1;
    int rank = 0, trukket = 0;
    std::string fornavn = "Ola", etternavn = "Nordmann", klubb = "Kvikk";
    int nr = 0;   // 0: left without a value
};

class RankingTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void leggInnDommer();
    void leggInn(const Post& p);
    // The ranking window, shown (and so refreshed).
    Ranking& vis();
    // Makes another window active and comes back, as the user does.
    void aktiverPaNytt();

    long antall(const std::string& sql, const dao::Params& p = {});
    // One column of the list's entries, in Nr order, as text ("" for no value).
    std::vector<std::string> kolonne(int liste, const std::string& felt);
    // Column c of the grid's rows below the heading.
    static std::vector<std::string> rutenett(Ranking& f, int c);
    static void skriv(forms::TextBox& t, const std::string& tekst);
    // The message boxes shown so far (and forgets them).
    std::vector<forms::MsgBoxRequest> bokser() { return kdtest::TaBokser(); }

    kdtest::TempDir dir;
    std::string dbsti;
};

} // namespace rankingtest
