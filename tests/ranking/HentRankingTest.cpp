// The two import choosers: how they open, and what OK, No and "Avbryt" leave
// behind.
#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "qtview/FormWindow.h"
#include "qtview/QtHost.h"
#include "support/Mus.h"
#include "support/OnceShown.h"

#include "platform/vb/Strings.h"
#include "ranking/HentRanking.h"
#include "ranking/RankingfilFixture.h"
#include "state/ProgramState.h"

namespace fs = std::filesystem;

namespace rankfiltest {
namespace {

using V = vb::Variant;

struct Velger {
    const char* navn;
    std::function<Rankingvelger&()> vindu;
    bool (*lastet)();
    const char* tittel;
    const char* monster;
    const char* fil;   // a source of its kind in the folder "kilder"
};

class HentRankingTest : public RankingfilTest, public ::testing::WithParamInterface<Velger> {
public:
    void SetUp() override {
        RankingfilTest::SetUp();
        leggInn({{V::Integer(1), V::Integer(1), V::Integer(0), "Lokal", "En", "A", V::Integer(1), "Klasse 1"}});
        mappe = program.file("kilder");
        fs::create_directory(mappe);
        Sqlite3(mappe + "/cup.bcd", "CREATE TABLE Ranking (Nr, Fornavn, Etternavn, Klubb, Rank_Nr, KlasseNr, Klasse_Navn, Trukket);"
                                    "INSERT INTO Ranking VALUES (1, 'Fra', 'Fil', 'K', 1, 3, 'L', 0);");
        LagTurneringsbase(mappe + "/Annen.KVX", "X");
        dao::Database annen = dao::DBEngine::Workspaces(0).OpenDatabase(mappe + "/Annen.KVX");
        LeggInn(annen, {{V::Integer(1), V::Integer(1), V::Integer(0), "Fra", "Fil", "K", V::Integer(3), "L"}});
        annen.Close();
        state::Katalog = mappe;
    }
    Rankingvelger& vis() {
        Rankingvelger& v = GetParam().vindu();
        v.Show();
        return v;
    }
    void velg(Rankingvelger& v, const std::string& navn) {
        const auto& filer = v.FileListBox.List();
        const auto i = std::find(filer.begin(), filer.end(), navn);
        ASSERT_NE(i, filer.end()) << navn;
        v.FileListBox.UserSelect(static_cast<int>(i - filer.begin()));
    }
    std::string navn() { return rader("Select ForNavn from Ranking"); }
    std::string mappe;
};

TEST_P(HentRankingTest, OpensInKatalogWithItsPatternSelectedInTheNameBox) {
    Rankingvelger& v = vis();
    EXPECT_EQ(v.Caption(), GetParam().tittel);
    EXPECT_EQ(v.FileListBox.Path(), mappe);
    EXPECT_EQ(v.PathSpec.Caption(), mappe);
    EXPECT_EQ(v.FileListBox.Pattern(), GetParam().monster);
    EXPECT_EQ(v.FileListBox.List(), std::vector<std::string>{GetParam().fil});
    EXPECT_EQ(v.TextBox.Text(), GetParam().monster);
    EXPECT_EQ(v.TextBox.SelLength(), static_cast<int>(vb::Len(GetParam().monster)));
    EXPECT_EQ(state::Filnavn, GetParam().monster);
    EXPECT_EQ(v.SSCommand1(0).Caption(), "OK");
    EXPECT_EQ(v.SSCommand1(1).Caption(), "Avbryt");
}

TEST_P(HentRankingTest, ANameLeftByTheLastDialogIsShownWhenTheListHoldsIt) {
    state::Filnavn = GetParam().fil;
    Rankingvelger& v = vis();
    EXPECT_EQ(v.TextBox.Text(), GetParam().fil);
    EXPECT_EQ(v.FileListBox.FileName(), GetParam().fil);
}

TEST_P(HentRankingTest, WithTheLastNameShownAMouseClickStillChoosesAnotherFile) {
    const std::string annen = std::string("b") + (GetParam().monster + 1);
    std::ofstream(mappe + "/" + annen) << "x";
    state::Filnavn = GetParam().fil;
    qtview::QtHost qt;
    forms::SetHost(&qt);
    Rankingvelger& v = vis();
    auto* liste = qobject_cast<QListWidget*>(qt.windowOf(v)->viewWidget(v.FileListBox));
    ASSERT_NE(liste, nullptr);
    ASSERT_EQ(v.TextBox.Text(), GetParam().fil);
    kdtest::FocusByMouse(qt.windowOf(v)->viewWidget(v.TextBox));
    kdtest::ClickRow(liste, kdtest::RowOf(liste, QString::fromStdString(annen)));
    EXPECT_EQ(v.TextBox.Text(), annen);
    EXPECT_EQ(liste->count(), 2);
    forms::ResetDefaults();
    forms::SetHost(nullptr);
}

TEST_P(HentRankingTest, OkAsksFirstAndNoChangesNothing) {
    Rankingvelger& v = vis();
    velg(v, GetParam().fil);
    svar({forms::vbNo});
    v.SSCommand1(0).UserClick();
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, std::string("Dersom du fortsetter vil eksisterende rankinglister slettes,") + vb::vbCr +
                               "Ønsker du å fortsette?");
    EXPECT_EQ(b[0].style, 36);
    EXPECT_EQ(b[0].title, "Slette Rankinglister");
    EXPECT_EQ(navn(), "Lokal\n");
    EXPECT_FALSE(GetParam().lastet());
    EXPECT_EQ(state::Katalog, mappe);
}

TEST_P(HentRankingTest, YesImportsThePickedFileAndClosesTheChooser) {
    Rankingvelger& v = vis();
    velg(v, GetParam().fil);
    svar({forms::vbYes});
    v.SSCommand1(0).UserClick();
    EXPECT_EQ(bokser().size(), 1u);
    EXPECT_EQ(navn(), "Fra\n");
    EXPECT_FALSE(GetParam().lastet());
    EXPECT_EQ(state::Katalog, mappe + "/");
    EXPECT_EQ(state::RankingFilsti, mappe + "/" + GetParam().fil);
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
}

// Asked first, the user would answer Ja to a deletion that the refusal then never makes.
TEST_P(HentRankingTest, TheOpenDatabaseIsRefusedBeforeAnyQuestionAndTheChooserStays) {
    state::Katalog = fs::path(dbsti).parent_path().string();
    qtview::QtHost qt;
    forms::SetHost(&qt);
    Rankingvelger& v = vis();
    auto* navnefelt = qt.windowOf(v)->viewWidget(v.TextBox);
    QTest::mouseClick(navnefelt, Qt::LeftButton);
    QTest::keyClick(navnefelt, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(navnefelt, QString::fromStdString(fs::path(dbsti).filename().string()));
    QString melding;
    kdtest::OnceShown(kdtest::ModalAbove(nullptr), [&melding](QWidget* w) {
        auto* boks = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(boks, nullptr);
        melding = boks->text();
        boks->close();
    });
    QTest::mouseClick(qt.windowOf(v)->viewWidget(v.SSCommand1(0)), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(melding.startsWith(QStringLiteral("Kunne ikke lese rankinglister fra:"))) << melding.toStdString();
    EXPECT_TRUE(melding.endsWith(QStringLiteral("Årsak :  Filen er databasen som er åpen nå. Velg en annen database.")))
        << melding.toStdString();
    EXPECT_TRUE(GetParam().lastet());
    EXPECT_EQ(navn(), "Lokal\n");
    forms::ResetDefaults();
    forms::SetHost(nullptr);
}

TEST_P(HentRankingTest, AvbrytClosesAndLeavesEverything) {
    Rankingvelger& v = vis();
    velg(v, GetParam().fil);
    v.SSCommand1(1).UserClick();
    EXPECT_TRUE(bokser().empty());
    EXPECT_EQ(navn(), "Lokal\n");
    EXPECT_FALSE(GetParam().lastet());
    EXPECT_EQ(state::Katalog, mappe);
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
}

INSTANTIATE_TEST_SUITE_P(
    Velgere, HentRankingTest,
    ::testing::Values(Velger{"HentRanking", [] () -> Rankingvelger& { return forms::Default<HentRanking>(); },
                             &forms::IsLoaded<HentRanking>, "Hent Ranking", "*.bcd", "cup.bcd"},
                      Velger{"HentRanking2", [] () -> Rankingvelger& { return forms::Default<HentRanking2>(); },
                             &forms::IsLoaded<HentRanking2>, "Hent Ranking2", "*.kvx", "Annen.KVX"}),
    [](const auto& info) { return std::string(info.param.navn); });

} // namespace
} // namespace rankfiltest
