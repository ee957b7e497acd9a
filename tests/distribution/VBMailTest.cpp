// The e-mail window: its opening state, the hand-off to a recording xdg-email,
// the saved message without a mail client, and the refusals.
#include "Fixture.h"

#include <chrono>
#include <filesystem>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "../mail/MailTestSupport.h"
#include "distribution/VBMail.h"
#include "frame/Hovedmeny2.h"
#include "qtview/FormWindow.h"
#include "qtview/QtHost.h"
#include "state/ProgramState.h"
#include "support/OnceShown.h"

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

// Every typed text travels inside one mailto: URI, so that xdg-email never reads one as
// its own option ("--help" anywhere made it print its usage and exit 0, an unknown "-x"
// made it exit 1), and an empty subject is left out instead of refused.
TEST_F(Epost, StartHandsTheLetterToTheMailClientWithTheTypedTextsInsideOneUri) {
    PathAs path(bin.path() + ":/usr/bin:/bin");
    struct Tilfelle {
        std::string adresse, emne;
    };
    const Tilfelle tilfeller[] = {
        {"", "Ny dommerfil – æøå"},
        {"klubb@eksempel.no", "Oversendelse av oppdatert dommerfil til klubbene.."},
        {"--help", "--version"},
        {"Kari Ås <kari@eksempel.no>", ""},
        {"-x", "a&b=c?d #%"},
    };
    for (const Tilfelle& t : tilfeller) {
        SCOPED_TRACE(t.adresse + " / " + t.emne);
        std::filesystem::remove(bin.file("args"));
        VBMail& f = vis();
        f.Text1.SetText(t.adresse);
        f.Text2.SetText(t.emne);
        f.Logon.UserClick();
        ventPaSvar();
        const auto args = RecordedArgs(bin.path());
        ASSERT_EQ(args.size(), 4u);
        EXPECT_EQ(std::vector<std::string>(args.begin(), args.begin() + 3),
                  (std::vector<std::string>{"--utf8", "--attach", vedlegg}));
        auto uri = mailtest::ParseMailto(args[3], bin.path());
        EXPECT_EQ(uri.count("error"), 0u) << uri["error"];
        EXPECT_EQ(uri["scheme"], "mailto");
        EXPECT_EQ(uri["to"], t.adresse);
        EXPECT_EQ(uri.count("subject"), t.emne.empty() ? 0u : 1u);
        EXPECT_EQ(uri["subject"], t.emne);
        // Line breaks in a mailto: URI are CR LF.
        EXPECT_EQ(uri["body"], "Til alle arrangørklubbene!\r\n\r\nVedlagt finner dere en oppdatert dommerfil for "
                               "Kvistrel, vennligst ta denne i bruk ved neste turnering!\r\n\r\nMed vennlig hilsen\r\n"
                               "Dovadavuzar");
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

// The window stays in use while xdg-email thinks it over; its refusal, however late and
// even after the window has closed, saves the letter and says so, and the window goes off line.
TEST_F(Epost, ALateOrFailedRefusalSavesTheLetterAndTellsTheUser) {
    struct Tilfelle {
        const char* navn;
        int status;
        std::string ekstra;
        bool lukk;
        std::string starterMed;
        int ikon;
    };
    const Tilfelle tilfeller[] = {
        {"slow exit 3", 3, "sleep 1.5", false, "Det er ikke satt opp noe e-postprogram på denne maskinen.\r\r",
         forms::vbInformation},
        {"exit 1", 1, "", false,
         "E-postprogrammet tok ikke imot e-posten.\rÅrsak :  xdg-email avsluttet med feilkode 1 (feil i argumentene).",
         forms::vbExclamation},
        {"slow exit 4, window closed", 4, "sleep 1.5", true,
         "E-postprogrammet tok ikke imot e-posten.\rÅrsak :  xdg-email avsluttet med feilkode 4 (handlingen mislyktes).",
         forms::vbExclamation},
    };
    const std::string eml = dir.file("DommerDistribusjon/KV_Dommere.eml");
    for (const Tilfelle& t : tilfeller) {
        SCOPED_TRACE(t.navn);
        std::filesystem::remove(eml);
        mailtest::WriteRecorder(bin.path(), t.status, t.ekstra);
        PathAs path(bin.path() + ":/usr/bin:/bin");
        VBMail& f = vis();
        const auto start = std::chrono::steady_clock::now();
        f.Logon.UserClick();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
        if (!t.ekstra.empty()) {
            EXPECT_TRUE(bokser().empty());
            EXPECT_EQ(f.MsgCountLbl.Caption(), "On Line");
        }
        if (t.lukk) f.SSCommand1.UserClick();
        ventPaSvar();
        const auto b = bokser();
        ASSERT_EQ(b.size(), 1u);
        EXPECT_EQ(b[0].prompt.rfind(t.starterMed, 0), 0u) << b[0].prompt;
        EXPECT_NE(b[0].prompt.find("E-posten med dommerfila er lagret her:\r" + eml + "\r"), std::string::npos);
        EXPECT_EQ(b[0].icon(), t.ikon);
        EXPECT_TRUE(std::filesystem::exists(eml));
        if (!t.lukk) {
            EXPECT_EQ(f.MsgCountLbl.Caption(), "Off Line");
            EXPECT_TRUE(f.Logon.Enabled());
            f.SSCommand1.UserClick();
        }
    }
}

// In the real window the late answer comes through the event loop, as a real message box.
// In the drawn window the closing button's caption keeps its "/" on a line with a word,
// and Escape is that button.
TEST_F(Epost, InTheDrawnWindowEscapeClosesItAndItsCaptionBreaksBetweenWords) {
    qtview::QtHost host;
    forms::SetHost(&host);
    VBMail& f = vis();
    auto* knapp = qobject_cast<QToolButton*>(host.windowOf(f)->viewWidget(f.SSCommand1));
    ASSERT_NE(knapp, nullptr);
    EXPECT_EQ(knapp->text(), QStringLiteral("Avbryt /\nAvslutt"));
    QWidget* adresse = host.windowOf(f)->viewWidget(f.Text1);
    QApplication::setActiveWindow(adresse->window());
    adresse->setFocus();
    QTest::keyClick(adresse, Qt::Key_Escape);
    EXPECT_FALSE(forms::IsLoaded<VBMail>());
    forms::ResetDefaults();
    forms::SetHost(nullptr);
}

TEST_F(Epost, InTheDrawnWindowALateRefusalIsToldFromTheEventLoop) {
    mailtest::WriteRecorder(bin.path(), 3, "sleep 1");
    PathAs path(bin.path() + ":/usr/bin:/bin");
    qtview::QtHost host;
    forms::SetHost(&host);
    VBMail& f = vis();
    QString tekst;
    kdtest::OnceShown(kdtest::ModalAbove(nullptr), [&tekst](QWidget* shown) {
        auto* boks = qobject_cast<QMessageBox*>(shown);
        ASSERT_NE(boks, nullptr);
        tekst = boks->text();
        boks->accept();
    }, 20000);
    f.Logon.UserClick();
    EXPECT_EQ(f.MsgCountLbl.Caption(), "On Line");
    QElapsedTimer klokke;
    klokke.start();
    while (tekst.isEmpty() && klokke.elapsed() < 20000) {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    EXPECT_TRUE(tekst.startsWith("Det er ikke satt opp noe e-postprogram på denne maskinen.")) << tekst.toStdString();
    EXPECT_EQ(f.MsgCountLbl.Caption(), "Off Line");
    EXPECT_TRUE(std::filesystem::exists(dir.file("DommerDistribusjon/KV_Dommere.eml")));
    forms::ResetDefaults();
    forms::SetHost(nullptr);
}

TEST_F(Epost, WithoutMailClientTheLetterIsSavedAndTheUserToldWhere) {
    PathAs path(dir.path());
    VBMail& f = vis();
    f.Logon.UserClick();
    const std::string eml = dir.file("DommerDistribusjon/KV_Dommere.eml");
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_NE(b[0].prompt.find(eml), std::string::npos) << b[0].prompt;
    EXPECT_EQ(b[0].icon(), forms::vbInformation);
    EXPECT_TRUE(std::filesystem::exists(eml));
    // No mail program, so not "On Line" either; another try stays possible.
    EXPECT_EQ(f.MsgCountLbl.Caption(), "Off Line");
    EXPECT_TRUE(f.Logon.Enabled());
}

TEST_F(Epost, RefusalsNameTheirCauseAndHandNothingOver) {
    struct Tilfelle {
        const char* navn;
        bool utenVedlegg, utenMappe;
        std::string starterMed;
    };
    const Tilfelle tilfeller[] = {
        {"missing attachment", true, false, "Finner ikke dommerfila som skal sendes med e-posten:\r"},
        {"no client, no folder", true, true, "Logon Failure: Fant ikke noe e-postprogram"},
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
        // Nothing handed over: the window is off line, ready for another try.
        EXPECT_EQ(f.MsgCountLbl.Caption(), "Off Line");
        EXPECT_TRUE(f.Logon.Enabled());
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
