// The register's button that writes the referee list of the chosen type as a report file.
#include <filesystem>

#include "RapportfilFixture.h"
#include "platform/forms/Form.h"
#include "register/Dommere_Init.h"
#include "state/ProgramState.h"

namespace rapporttest {
namespace {

namespace fs = std::filesystem;

class ElektroniskRapport : public RapportfilTest {
protected:
    void SetUp() override {
        RapportfilTest::SetUp();
        leggInn({1, "Åse", "Bø", true, false, {"KlB_Dommer1"}});
        leggInn({2, "Kari", "Ås", false, true, {"KlC_Dommer3"}});
        leggInn({3, "Per", "Uten Spill", false, false, {}});
        leggInn({4, "Ola", "Over", true, true, {"KlB_Overdommer", "KlC_Overdommer"}});
        leggInn({5, "Tor", "Lie", true, false, {"KlB_Aspirant2"}});
    }
    // The register in report mode with option n chosen (0: none), and the button clicked.
    void eksporter(int n) {
        auto& f = forms::Default<Dommere_Init>();
        f.Show();
        f.Option3.UserClick();
        if (n > 0) dynamic_cast<forms::SSOption&>(*f.FindControl("SSOption" + std::to_string(n))).UserClick();
        else
            for (int i = 1; i <= 15; ++i) dynamic_cast<forms::SSOption&>(*f.FindControl("SSOption" + std::to_string(i))).SetValue(false);
        bokser();
        f.C_ElektroniskRapport.UserClick();
    }
};

TEST_F(ElektroniskRapport, EachTypeWritesItsFileHeadingAndMessage) {
    lagRapportmappe("DommerRAPPORT");   // made by the user, in any case
    const struct {
        int type;
        const char* fil;
        const char* overskrift;
        const char* tittel;
        std::vector<std::string> nummer;
    } typer[] = {
        // Type 1 counts the referees it lists, not referee 3 who judges neither game.
        {1, "DommerOversikt.rtf", "Alle dommere - Boccia + Curling (4 stk)", "KvistrelDommer: Alle dommere", {"1", "2", "4", "5"}},
        {2, "DommerOversikt_Boccia.rtf", "Alle dommere - Boccia (3 stk)", "KvistrelDommer: Boccia dommere", {"1", "4", "5"}},
        {3, "DommerOversikt_Curling.rtf", "Alle dommere - Curling (2 stk)", "KvistrelDommer: Curling dommere", {"2", "4"}},
        {4, "DommerOversikt_Curling_Forb3.rtf", "Forbundsdommere 3 - Curling (1 stk)",
         "KvistrelDommer: Forbundsdommer 3 Curling", {"2"}},
        {7, "DommerOversikt_Boccia_Forb1.rtf", "Forbundsdommere 1 - Boccia (1 stk)", "KvistrelDommer: Forbundsdommer 1 Boccia",
         {"1"}},
        {11, "DommerOversikt_Boccia_Asp2.rtf", "Aspirantdommere 2 - Boccia (1 stk)", "KvistrelDommer: Aspirantdommer 2 Boccia",
         {"5"}},
        // An Overdommer (referee 4) is classified: not in the unclassified list.
        {13, "DommerOversikt_Uklassifiserte.rtf", "Uklassifiserte dommere (1 stk)", "KvistrelDommer: Uklassifiserte dommere",
         {"3"}},
        {14, "DommerOversikt_Boccia_Over.rtf", "Overdommere - Boccia (1 stk)", "KvistrelDommer: Overdommer Boccia", {"4"}},
        {15, "DommerOversikt_Curling_Over.rtf", "Overdommere - Curling (1 stk)", "KvistrelDommer: Overdommer Curling", {"4"}},
    };
    for (const auto& t : typer) {
        eksporter(t.type);
        const std::string fil = program.path() + "/DommerRAPPORT/" + t.fil;
        EXPECT_EQ(forsteKolonne(fil), t.nummer) << t.type;
        EXPECT_EQ(comm1(), t.overskrift) << t.type;
        const auto b = bokser();
        ASSERT_EQ(b.size(), 1u) << t.type;
        EXPECT_EQ(b[0].prompt, "Rapporten ble lagret på følgende fil: " + program.path() + "/Dommerrapport/" + t.fil +
                                   "\r\rAntall dommere funnet: " + std::to_string(t.nummer.size()));
        EXPECT_EQ(b[0].title, t.tittel);
        EXPECT_EQ(b[0].style, forms::vbInformation);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(program.path() + "/DommerRAPPORT"), fs::directory_iterator()), 9);
}

TEST_F(ElektroniskRapport, TypeWithoutRefereesOrNoTypeWritesNothing) {
    lagRapportmappe();
    state::DBase.Execute("Update Versjon Set Comm1 = 'Forrige liste (9 stk)'");
    const struct {
        int type;
        const char* melding;
        int stil;
    } typer[] = {
        {5, "Ingen Forbundsdommere 1 for Curling funnet!", forms::vbExclamation},
        {6, "Ingen Aspirantdommere 1 for Curling funnet!", forms::vbExclamation},
        {8, "Ingen Forbundsdommer 2 for Boccia funnet", forms::vbExclamation},
        {12, "Ingen Aspirantdommer 3 for Boccia funnet", forms::vbExclamation},
        {0, "Ingen rapporttype er valgt!\rVelg type rapport og prøv igjen!", forms::vbExclamation},
    };
    for (const auto& t : typer) {
        eksporter(t.type);
        const auto b = bokser();
        ASSERT_EQ(b.size(), 1u) << t.type;
        EXPECT_EQ(b[0].prompt, t.melding);
        EXPECT_EQ(b[0].style, t.stil);
        EXPECT_EQ(b[0].title, "KvistrelDommer");
    }
    state::DBase.Execute("Update Dommere Set KlB_Dommer1 = False, KlB_Aspirant2 = False, KlC_Dommer3 = False, "
                         "Dommer_Boccia = True");
    eksporter(13);   // everyone unclassified: found
    bokser();
    state::DBase.Execute("Update Dommere Set KlB_Dommer3 = True");
    state::DBase.Execute("Update Versjon Set Comm1 = 'Forrige liste (9 stk)'");
    eksporter(13);
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Ingen uklassifiserte dommere funnet!");
    EXPECT_EQ(b[0].style, forms::vbInformation);
    EXPECT_EQ(comm1(), "Forrige liste (9 stk)");
    EXPECT_EQ(std::distance(fs::directory_iterator(program.path() + "/Dommerrapport"), fs::directory_iterator()), 1);
}

TEST_F(ElektroniskRapport, FailuresShowTheirMessage) {
    const struct {
        const char* hva;
        void (*forbered)(ElektroniskRapport&);
        std::string start;
        bool overskriftLagret;
    } tilfeller[] = {
        {"no report folder", [](ElektroniskRapport&) {}, "Rapport ikke mulig , Feilmelding: \rKan ikke skrive rapportfilen '",
         true},
        {"no templates", [](ElektroniskRapport& t) { t.lagRapportmappe(); forms::App.ResourcePath = t.data.path(); },
         "Rapport ikke tilgjengelig", true},
        {"no tournament row", [](ElektroniskRapport& t) { t.lagRapportmappe(); state::DBase.Execute("Delete From Versjon"); },
         "Rapport ikke mulig , Feilmelding: \r", false},
    };
    for (const auto& k : tilfeller) {
        k.forbered(*this);
        eksporter(2);
        const auto b = bokser();
        ASSERT_EQ(b.size(), 1u) << k.hva;
        EXPECT_EQ(b[0].prompt.rfind(k.start, 0), 0u) << k.hva << ": " << b[0].prompt;
        EXPECT_EQ(b[0].style, forms::vbOKOnly) << k.hva;
        EXPECT_EQ(b[0].title, "KvistrelDommer") << k.hva;
        if (k.overskriftLagret) {
            EXPECT_EQ(comm1(), "Alle dommere - Boccia (3 stk)") << k.hva;
        }
        fs::remove_all(program.file("Dommerrapport"));
        state::DBase.Execute("Update Versjon Set Comm1 = ''");
    }
}

} // namespace
} // namespace rapporttest
