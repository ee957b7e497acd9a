// The ranking windows drawn by Qt: pictures to look at, and the rule that a
// closing message box is no activation of the window under it.
#include "Fixture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <filesystem>

#include "frame/Hovedmeny2.h"
#include "qtview/FormWindow.h"
#include "qtview/QtHost.h"
#include "ranking/ListeData.h"
#include "state/ProgramState.h"
#include "support/OnceShown.h"

namespace rankingtest {
namespace {

class Skjerm : public RankingTest {
protected:
    void SetUp() override {
        RankingTest::SetUp();
        forms::SetHost(&host);
    }
    void TearDown() override {
        forms::ResetDefaults();
        forms::SetHost(nullptr);
        RankingTest::TearDown();
    }
    std::string bilde(forms::Form& f, const std::string& navn) {
        const std::string mappe = KD_BINARY_DIR "/screenshots";
        std::filesystem::create_directories(mappe);
        QCoreApplication::processEvents();
        EXPECT_TRUE(qtview::SaveScreenshot(f, mappe + "/" + navn + ".png"));
        return mappe + "/" + navn + ".png";
    }
    // Answers the next message box that opens, as the user's OK.
    static void svarNesteBoks() {
        kdtest::OnceShown(kdtest::ModalAbove(nullptr), [](QWidget* boks) {
            ASSERT_NE(boks, nullptr);
            boks->close();
        });
    }
    qtview::QtHost host;
};

TEST_F(Skjerm, FilledListsAreDrawn) {
    leggInn({.liste = 1, .rank = 1, .fornavn = "Åse", .etternavn = "Bø", .klubb = "Ørn IL"});
    leggInn({.liste = 1, .rank = 2, .fornavn = "Per", .etternavn = "Hansen", .klubb = "Lyn"});
    leggInn({.liste = 1, .trukket = 4, .fornavn = "Kåre", .etternavn = "Ødegård", .klubb = "Bækkelaget"});
    auto& h = forms::Default<Hovedmeny2>();
    h.Show();
    h.SSCommand3.UserClick();
    Ranking& f = forms::Default<Ranking>();
    bilde(h, "hoved-ranking");
    EXPECT_GT(std::filesystem::file_size(bilde(f, "ranking")), 10000u);
    f.Combo2.UserSelect(1);
    f.Option8.UserClick();
    bilde(f, "ranking-curling-lag");
    auto& l = forms::Default<ListeData>();
    l.Show();
    l.MSFlexGrid1.UserClickCell(21, 1);
    EXPECT_GT(std::filesystem::file_size(bilde(l, "listedata")), 10000u);
}

// The window system activates the window under a message box when the box closes;
// that must not refresh the ranking window and wipe what the user typed.
TEST_F(Skjerm, AClosingMessageBoxIsNoActivation) {
    Ranking& f = vis();
    QWidget* ramme = host.windowOf(f)->frame();
    ASSERT_NE(ramme, nullptr);
    skriv(f.Text1, "Ola");
    skriv(f.Text4, "3");
    skriv(f.Text10, "2");
    svarNesteBoks();
    f.SSCommand4.UserClick();   // both numbers: refused with a message
    QEvent aktiv(QEvent::WindowActivate);
    QApplication::sendEvent(ramme, &aktiv);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.Text1.Text(), "Ola");
    EXPECT_EQ(f.Text4.Text(), "3");

    // A move to another window of the program and back is an activation.
    forms::Default<ListeData>().Show();
    QApplication::sendEvent(ramme, &aktiv);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.Text1.Text(), "");
}

} // namespace
} // namespace rankingtest
