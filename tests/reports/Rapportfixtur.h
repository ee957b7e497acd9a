#pragma once
// A tournament database in a temporary folder, the register window shown on it
// in its report mode, and the recording printer with whole-percent lines:
// at 8 points a line is 1 % of the page, at 10 points 2 %.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/Runtime.h"
#include "platform/printer/Printer.h"
#include "platform/printer/Recording.h"
#include "register/Dommere_Init.h"
#include "support/Programtilstand.h"
#include "support/TestEnv.h"

// Referees are written with designated initializers; the members left out keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace rapporttest {

struct Dommer {
    int nr = 0;
    std::string fnavn, enavn, lag;
    bool boccia = false, curling = false;
    std::vector<std::string> flagg;                                  // class flags set True
    std::vector<std::pair<std::string, std::string>> tekster;       // further text columns
    bool nullNavn = false;                                           // first and last name Null
};

class RapportTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void leggInn(const Dommer& d);
    void leggInnKamper(int nr, int antall, const std::string& typespill, int status = 0);
    // The register window shown (DBase2 opened) in report mode, with report type `type` chosen.
    Dommere_Init& register_(int type = 0);
    std::vector<forms::MsgBoxRequest> bokser() { return kdtest::TaBokser(); }

    // The last printed document (ended), and its texts at one X.
    const printer::RecordedDocument& doc();
    std::vector<std::string> ved(double x);

    kdtest::TempDir dir;
    printer::RecordingBackend& rec = printer::Recorder();
};

} // namespace rapporttest
