#pragma once
// A tournament database in a temporary folder with referees and match rows put
// straight in, the match windows shown on it, and the message boxes they showed.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/dao/Dao.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"
#include "support/Programtilstand.h"
#include "support/TestEnv.h"

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace kamptest {

struct Kamp {
    int nr = 1;
    std::optional<long> sekvens;
    int status = 0;
    std::string turnering = "Cup", dato = "1. mai 2026", hlag = "A", blag = "B";
    std::optional<int> hp = 1, bp = 2;
    std::string typespill = "Boccia";
    std::string fnavn, enavn, slettet;
};

class KampTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void dommer(int nr, const std::string& fnavn, const std::string& enavn, const std::string& lag = "",
                bool boccia = true, bool curling = false);
    void kamp(const Kamp& k);
    // Rows of a grid below the heading, each as its cells joined by "|".
    static std::vector<std::string> rader(const forms::MSFlexGrid& g);
    long tall(const std::string& sql, const dao::Params& p = {});
    std::vector<forms::MsgBoxRequest> bokser() { return kdtest::TaBokser(); }
    static void skriv(forms::TextBox& t, const std::string& tekst);

    kdtest::TempDir dir;
    std::string dbsti;
};

} // namespace kamptest
