// The e-mail window: its opening state, the hand-off to a recording xdg-email,
// the saved message without a mail client, and the refusals.
#include "Fixture.h"

#include <filesystem>

#include "../mail/MailTestSupport.h"
#include "distribution/VBMail.h"
#include "frame/Hovedmeny2.h"
#include "state/ProgramState.h"

namespace distest {
namespace {

using mailtest::PathAs;
using mailtest::RecordedArgs;

class Epost : public DistTest {
protected:
    void SetUp() override {
        DistTest::SetUp();
        std::filesystem::create_directories(dir.file("DommerDistribusjon"));
        vedlegg = dir.write("DommerDistribusjon/KV_Dommere.kvz", "innhold");
        mailtest::WriteRecorder(bin.path(), 0);
    }
    VBMail& vis() {
        auto& f = forms::Default<VBMail>();
        f.Show();
        return f;
    }
    kdtest::TempDir bin;
    std::string vedlegg;
};

TEST_F(Epost, OpensWithItsFixedTextsOffLineAndTheClock) {
    VBMail& f = vis();
    EXPECT_EQ(f.Caption(), "Send dommerfil som epost....");
    EXPECT_EQ(f.Left(), 100);
    EXPECT_EQ(f.Top(), 1600);
    EXPECT_EQ(f.MsgCountLbl.Caption(), "Off Line");
    EXPECT_EQ(f.Text2.Text(), "Oversendelse av oppdatert dommerfil til klubbene..");
    EXPECT_EQ(f.Text1.Text(), "");
    EXPECT_EQ(f.Text3.Text(),
              "Til alle arrangørklubbene!\n\nVedlagt finner dere en oppdatert dommerfil for Kvistrel, vennligst ta denne "
              "i bruk ved neste turnering!\n\nMed vennlig hilsen\nDovadavuzar");
    EXPECT_FALSE(f.Text3.Visible());
    EXPECT_TRUE(f.Logon.Enabled());
    EXPECT_EQ(f.TimeLbl.Caption(), "08:15:00");
    kdtest::PinClock({2026, 12, 8, 8, 15, 15});
    f.Timer1.Fire();
    EXPECT_EQ(f.TimeLbl.Caption(), "08:15:15");
}

TEST_F(Epost, StartHandsTheLetterToTheMailClientWithTheAddressOnlyWhenTyped) {
    PathAs path(bin.path() + ":/usr/bin:/bin");
    for (const std::string adresse : {"", "klubb@eksempel.no"}) {
        SCOPED_TRACE(adresse);
        VBMail& f = vis();
        f.Text1.SetText(adresse);
        f.Text2.SetText("Ny dommerfil – æøå");
        f.Logon.UserClick();
        std::vector<std::string> forventet{"--utf8", "--subject", "Ny dommerfil – æøå", "--body", f.Text3.Text(),
                                           "--attach", vedlegg};
        if (!adresse.empty()) forventet.push_back(adresse);
        EXPECT_EQ(RecordedArgs(bin.path()), forventet);
        EXPECT_TRUE(bokser().empty());
        EXPECT_FALSE(f.Logon.Enabled());
        EXPECT_EQ(f.MsgCountLbl.Caption(), "On Line");
        // Closing and opening again starts afresh.
        f.SSCommand1.UserClick();
        EXPECT_FALSE(forms::IsLoaded<VBMail>());
    }
    VBMail& f = vis();
    EXPECT_TRUE(f.Logon.Enabled());
    EXPECT_EQ(f.Text2.Text(), "Oversendelse av oppdatert dommerfil til klubbene..");
}

TEST_F(Epost, WithoutMailClientTheLetterIsSavedAndTheUserToldWhere) {
    PathAs path(dir.path());
    vis().Logon.UserClick();
    const std::string eml = dir.file("DommerDistribusjon/KV_Dommere.eml");
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_NE(b[0].prompt.find(eml), std::string::npos) << b[0].prompt;
    EXPECT_EQ(b[0].icon(), forms::vbInformation);
    EXPECT_TRUE(std::filesystem::exists(eml));
}

TEST_F(Epost, RefusalsNameTheirCauseAndHandNothingOver) {
    struct Tilfelle {
        const char* navn;
        bool utenVedlegg, utenMappe;
        std::string starterMed;
        bool paLinje;
    };
    const Tilfelle tilfeller[] = {
        {"missing attachment", true, false, "Finner ikke dommerfila som skal sendes med e-posten:\r", true},
        {"no client, no folder", true, true, "Logon Failure: Fant ikke noe e-postprogram", false},
    };
    for (const auto& t : tilfeller) {
        SCOPED_TRACE(t.navn);
        std::filesystem::remove(bin.file("args"));
        if (t.utenVedlegg) std::filesystem::remove(vedlegg);
        if (t.utenMappe) std::filesystem::remove_all(dir.file("DommerDistribusjon"));
        PathAs path(t.utenMappe ? dir.path() : bin.path() + ":/bin");
        VBMail& f = vis();
        f.Logon.UserClick();
        const auto b = bokser();
        ASSERT_EQ(b.size(), 1u);
        EXPECT_EQ(b[0].prompt.rfind(t.starterMed, 0), 0u) << b[0].prompt;
        if (t.utenVedlegg && !t.utenMappe) {
            EXPECT_NE(b[0].prompt.find(vedlegg), std::string::npos);
        }
        EXPECT_TRUE(RecordedArgs(bin.path()).empty());
        EXPECT_EQ(f.MsgCountLbl.Caption(), t.paLinje ? "On Line" : "Off Line");
        EXPECT_EQ(f.Logon.Enabled(), !t.paLinje);
        f.SSCommand1.UserClick();
    }
}

TEST_F(Epost, StatusBarBoxesFollowTheWidth) {
    VBMail& f = vis();
    for (int bredde : {10005, 14000}) {
        SCOPED_TRACE(bredde);
        f.SetWidth(bredde + 120);
        ASSERT_EQ(f.Picture1.Width(), bredde);
        EXPECT_EQ(f.TimeBoxLine(0).X1(), bredde - 1200);
        EXPECT_EQ(f.TimeBoxLine(1).X2(), bredde - 60);
        EXPECT_EQ(f.TimeBoxSide(1).X1(), bredde - 60);
        EXPECT_EQ(f.TimeBoxSide(0).X1() - f.MsgBoxSide(1).X1(), 90);
        EXPECT_EQ(f.MsgBoxLine(0).X1(), 60);
        EXPECT_EQ(f.TopLine2(1).X2(), bredde);
        EXPECT_EQ(f.TimeLbl.Left(), bredde - f.TimeLbl.Width() - 265);
        EXPECT_EQ(f.TopLine(0).X2(), bredde);
    }
}

TEST_F(Epost, MainWindowOpensItOnlyBehindTheGate) {
    auto& hoved = forms::Default<Hovedmeny2>();
    for (const bool apen : {false, true}) {
        SCOPED_TRACE(apen);
        state::Databasenavn = apen ? dir.file("Turnering.KVX") : "";
        hoved.Ny_Dommerfil_Click();
        const auto b = bokser();
        EXPECT_EQ(forms::IsLoaded<VBMail>(), apen);
        EXPECT_EQ(b.size(), apen ? 0u : 1u);
        if (!apen) {
            EXPECT_EQ(b[0].prompt, "Du må åpne fil/database først!");
        }
    }
    forms::Default<VBMail>().Unload();
    hoved.SSCommand1_Click();
    EXPECT_TRUE(forms::IsLoaded<VBMail>());
}

} // namespace
} // namespace distest
