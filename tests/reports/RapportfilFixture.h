#pragma once
// A tournament database made by the program's own table creators, the
// program folder in a temporary folder with the installed templates beside
// it, and the RTF files read back with pandoc.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/Runtime.h"
#include "support/Programtilstand.h"
#include "support/TestEnv.h"

namespace rapporttest {

// Named apart from the page-model fixture's Dommer: both live in this namespace and one test program.
struct Rapportfildommer {
    int nr;
    std::string fnavn, enavn;
    bool boccia = false, curling = false;
    std::vector<std::string> flagg;   // class flags set True
};

class RapportfilTest : public ::testing::Test {
public:
    void SetUp() override;
    void TearDown() override;

    void leggInn(const Rapportfildommer& d);
    void leggInnKamp(int nr, int sekvens, int status, const std::string& turnering);
    std::string comm1();
    // The report folder as the user made it.
    void lagRapportmappe(const std::string& navn = "Dommerrapport");
    std::string rapport(const std::string& fil) const { return program.path() + "/Dommerrapport/" + fil; }
    // The first cell of every table row but the heading row, as pandoc reads the file.
    std::vector<std::string> forsteKolonne(const std::string& fil) const;
    std::vector<forms::MsgBoxRequest> bokser() { return kdtest::TaBokser(); }

    kdtest::TempDir program, data;
    std::string dbsti;
};

} // namespace rapporttest
