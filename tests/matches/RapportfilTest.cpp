// The match report files from the buttons of both match windows, read back with pandoc.
#include <filesystem>
#include <functional>

#include "Fixture.h"
#include "import/Dommer2.h"
#include "matches/Dommer.h"
#include "state/ProgramState.h"
#include "support/RtfReaders.h"

namespace kamptest {
namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::vector<std::string>>;

class Rapportfiler : public KampTest {
protected:
    void SetUp() override {
        KampTest::SetUp();
        forms::App.Path = program.path();
        forms::App.ResourcePath = KD_SOURCE_DIR "/resources";
        dommer(12, "Ola", "Nordmann");
        dommer(3, "Kari", "Ås");
        kamp({.nr = 12, .sekvens = 1, .turnering = "Vårcup", .hlag = "Ørn", .blag = "Lyn", .hp = 3, .bp = std::nullopt});
        kamp({.nr = 12, .sekvens = 2, .status = 3, .turnering = "Slettet"});
        kamp({.nr = 3, .sekvens = 3, .turnering = "Høstcup", .typespill = "Curling"});
    }
    // Shows the window, types the referee number and presses the button.
    template <class F>
    static std::function<void(const std::string&)> knapp(forms::SSCommand F::*k) {
        return [k](const std::string& nummer) {
            F& f = forms::Default<F>();
            f.Show();
            skriv(f.Text4, nummer);
            forms::Headless().boxes.clear();
            (f.*k).UserClick();
        };
    }
    std::string fil(const std::string& navn) const { return program.path() + "/Dommerrapport/" + navn; }
public:
    kdtest::TempDir program;
};

const Rows kAlle = {{"Dato", "Turnering", "T-Spill", "Hjemmelag", "Bortelag", "Resultat"},
                    {"3 Kari Ås", "", "", "", "", ""},
                    {"1. mai 2026", "Høstcup", "Curling", "A", "B", "1 - 2"},
                    {"12 Ola Nordmann", "", "", "", "", ""},
                    {"1. mai 2026", "Vårcup", "Boccia", "Ørn", "Lyn", "3 -"}};

TEST_F(Rapportfiler, BothWindowsWriteTheSameFiles) {
    fs::create_directory(program.file("DommerRapport"));
    const struct {
        std::function<void(const std::string&)> trykk;
        const char* nummer;
        const char* navn;
        Rows rader;
    } tilfeller[] = {
        {knapp<Dommer>(&Dommer::SSCommand8), "", "Dommerrapport.rtf", kAlle},
        {knapp<Dommer2>(&Dommer2::SSCommand8), "3", "Dommerrapport.rtf", kAlle},
        // Only the leading number counts; soft-deleted matches never show.
        {knapp<Dommer>(&Dommer::SSCommand9), "12abc", "DommerOversikt_12.rtf", {kAlle[0], kAlle[3], kAlle[4]}},
        {knapp<Dommer2>(&Dommer2::SSCommand9), "12", "DommerOversikt_12.rtf", {kAlle[0], kAlle[3], kAlle[4]}},
        // A number no referee has still writes its file, without rows.
        {knapp<Dommer>(&Dommer::SSCommand9), "77", "DommerOversikt_77.rtf", {kAlle[0]}},
    };
    for (const auto& t : tilfeller) {
        t.trykk(t.nummer);
        const auto b = bokser();
        ASSERT_EQ(b.size(), 1u) << t.navn;
        EXPECT_EQ(b[0].prompt, "Rapporten ble lagret på følgende fil: " + fil(t.navn));
        EXPECT_EQ(b[0].style, forms::vbOKOnly);
        EXPECT_EQ(b[0].title, "KvistrelDommer");
        EXPECT_EQ(kdtest::PandocRows(program.path() + "/DommerRapport/" + t.navn), t.rader) << t.navn << " " << t.nummer;
        const std::string tekst = kdtest::PandocText(program.path() + "/DommerRapport/" + t.navn);
        EXPECT_LT(tekst.find("Norges Valmorisk"), tekst.find(t.navn[6] == 'r' ? "Dommerrapport over dømte kamper per dommer"
                                                                               : "Kampliste for dommer"));
        fs::remove(program.path() + "/DommerRapport/" + t.navn);
    }
}

TEST_F(Rapportfiler, OneRefereeWithoutNumberWritesNothing) {
    fs::create_directory(program.file("Dommerrapport"));
    for (const auto& trykk : {knapp<Dommer>(&Dommer::SSCommand9), knapp<Dommer2>(&Dommer2::SSCommand9)}) {
        for (const char* nummer : {"", "abc", "0", "-4"}) {
            trykk(nummer);
            const auto b = bokser();
            ASSERT_EQ(b.size(), 1u) << nummer;
            EXPECT_EQ(b[0].prompt, "Ingen dommer er valgt!\rVelg dommer først og prøv igjen!");
            EXPECT_EQ(b[0].style, forms::vbInformation);
        }
    }
    EXPECT_TRUE(fs::is_empty(program.file("Dommerrapport")));
}

TEST_F(Rapportfiler, FailuresShowTheirMessages) {
    const std::string mappe = "Du må først manuelt opprette katalog for dommer-rapportene. \r"
                              "Start utforsker/file manager og opprett en katalog som heter Dommerrapport under ";
    const struct {
        const char* hva;
        std::function<void(Rapportfiler&)> forbered;   // null: no report folder
        std::function<void(const std::string&)> trykk;
        const char* nummer;
        std::string melding;   // the whole text, or its beginning when it ends with the error's own text
    } tilfeller[] = {
        {"no folder, all", nullptr, knapp<Dommer>(&Dommer::SSCommand8), "",
         mappe + "KvistrelDommer-katalogen.\rPrøv så på nytt!"},
        {"no folder, one", nullptr, knapp<Dommer2>(&Dommer2::SSCommand9), "12",
         mappe + "Kvistrel-katalogen.\rPrøv så på nytt!"},
        {"no template", [](Rapportfiler& t) { forms::App.ResourcePath = t.program.path(); }, knapp<Dommer>(&Dommer::SSCommand9), "3",
         "Rapport ikke tilgjengelig\rFinner ikke rapportmalen '" + program.path() + "/Dommerrapport1.rpt'"},
        {"field misspelt in the template",
         [](Rapportfiler& t) {
             t.program.write("dommerrapport.rpt", "table: Dommere\ndetail: Dommertabell on DommerNR\n"
                                                  "column: Dato | 2000 | text | {dommertabell.Turneringsdto}\n");
             forms::App.ResourcePath = t.program.path();
         },
         // Whoever edits the template is told where and what.
         knapp<Dommer>(&Dommer::SSCommand8), "",
         "Rapport ikke tilgjengelig\rRapportmalen '" + program.path() +
             "/dommerrapport.rpt' har en feil i linje 3: feltet {Dommertabell.Turneringsdto} finnes ikke"},
        {"older database", [](Rapportfiler&) { state::DBase.Execute("Alter Table Dommertabell Drop Column Typespill"); },
         knapp<Dommer2>(&Dommer2::SSCommand8), "", "Denne funksjonen virker kun på nye databaser.\r"
                                          "Du opprette en ny turnering for å benytte denne funksjon."},
        {"number too large", [](Rapportfiler&) {}, knapp<Dommer>(&Dommer::SSCommand9), "40000",
         "Rapporten kunne desverre ikke skrives ut, feil: "},
    };
    for (const auto& k : tilfeller) {
        fs::remove_all(program.file("Dommerrapport"));
        if (k.forbered) {
            fs::create_directory(program.file("Dommerrapport"));
            k.forbered(*this);
        }
        k.trykk(k.nummer);
        const auto b = bokser();
        ASSERT_EQ(b.size(), 1u) << k.hva;
        if (k.melding.ends_with(": ")) {
            EXPECT_EQ(b[0].prompt.rfind(k.melding, 0), 0u) << k.hva << ": " << b[0].prompt;
        } else {
            EXPECT_EQ(b[0].prompt, k.melding) << k.hva;
        }
        EXPECT_EQ(b[0].style, forms::vbOKOnly) << k.hva;
        forms::App.ResourcePath = KD_SOURCE_DIR "/resources";
    }
}

} // namespace
} // namespace kamptest
