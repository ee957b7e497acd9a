// The class-list window and the main window's two entries.
#include "Fixture.h"

#include <QApplication>
#include <QTableView>
#include <QTest>

#include "frame/Hovedmeny2.h"
#include "qtview/FormWindow.h"
#include "ranking/ListeData.h"
#include "state/ProgramState.h"
#include "support/Mus.h"
#include "support/SvarendeQtVert.h"

namespace rankingtest {
namespace {

class Listedata : public RankingTest {
protected:
    ListeData& visListe() {
        vis().Unload();   // the ranking window makes the 29 lists
        auto& l = forms::Default<ListeData>();
        l.Show();
        return l;
    }
};

TEST_F(Listedata, ShowsTheListsWithTheirPlayType) {
    state::DBase.Execute("Delete From Ranking_KlData");
    vis().Unload();
    state::DBase.Execute("Update Ranking_KlData Set LagSpill = True, IndiSpill = True Where KlasseNr = 2");
    state::DBase.Execute("Update Ranking_KlData Set IndiSpill = True Where KlasseNr = 3");
    auto& l = forms::Default<ListeData>();
    l.Show();
    ASSERT_EQ(l.MSFlexGrid1.Rows(), 30);
    const char* rad1[] = {"1", "BOCCIA", "SENIOR", "Klasse 1 (BC1)", ""};
    for (int c = 0; c < 5; ++c) EXPECT_EQ(l.MSFlexGrid1.TextMatrix(1, c), rad1[c]);
    EXPECT_EQ(l.MSFlexGrid1.TextMatrix(2, 4), "Lagspill");
    EXPECT_EQ(l.MSFlexGrid1.TextMatrix(3, 4), "Individuelt spill");
    EXPECT_EQ(l.MSFlexGrid1.TextMatrix(29, 0), "29");
    EXPECT_EQ(l.MSFlexGrid1.TextMatrix(0, 3), "KlasseNavn");
}

TEST_F(Listedata, AClickFillsTheFieldsAndShowsTheClassType) {
    ListeData& l = visListe();
    l.MSFlexGrid1.UserClickCell(21, 2);
    EXPECT_EQ(l.Text1.Text(), "21");
    EXPECT_EQ(l.Text2.Text(), "CURLING");
    EXPECT_EQ(l.Text3.Text(), "HERRER");
    EXPECT_EQ(l.Text4.Text(), "Klasse 1");
    EXPECT_TRUE(l.Frame3.Visible());
    EXPECT_FALSE(l.Frame2.Visible());
    EXPECT_TRUE(l.Option6.Value());
    l.MSFlexGrid1.UserClickCell(12, 2);
    EXPECT_TRUE(l.Frame2.Visible());
    EXPECT_TRUE(l.Option5.Value());
}

TEST_F(Listedata, SavedNameReachesTheGridAndLaterTheEntries) {
    leggInn({.liste = 5, .rank = 1});
    ListeData& l = visListe();
    l.MSFlexGrid1.UserClickCell(5, 1);
    skriv(l.Text4, "Klasse 2 ny");
    l.SSCommand2.UserClick();
    EXPECT_TRUE(bokser().empty());
    EXPECT_EQ(l.MSFlexGrid1.TextMatrix(5, 3), "Klasse 2 ny");
    EXPECT_EQ(l.Text4.Text(), "Klasse 2 ny");
    vis();
    EXPECT_EQ(kolonne(5, "Klasse_Navn"), std::vector<std::string>{"Klasse 2 ny"});
}

// A save that cannot change a name changes nothing, and says why: a missing name, or a mode
// whose deletion or new list the ranking window's fixed lists would not keep.
TEST_F(Listedata, SavesThatChangeNothingSayWhy) {
    const std::string fast = "\r\rRankinglistene er alltid de 29 faste klasselistene; bare klassenavnet kan endres, "
                             "under «Endre listedata».";
    struct Tilfelle { const char* navn; int modus; bool tomtNavn; std::string melding, tittel; };
    for (const Tilfelle& t :
         {Tilfelle{"empty name", 1, true, "Mangler inn-data for å kunne lagre", "RankingListe fra forbundet"},
          Tilfelle{"new list", 3, false, "En ny liste kan ikke legges til." + fast, "Listedata"},
          Tilfelle{"new list, nothing typed", 3, true, "En ny liste kan ikke legges til." + fast, "Listedata"},
          Tilfelle{"delete list", 2, false, "En liste kan ikke slettes." + fast, "Listedata"}}) {
        SCOPED_TRACE(t.navn);
        ListeData& l = visListe();
        (t.modus == 1 ? l.Option1 : t.modus == 2 ? l.Option2 : l.Option3).UserClick();
        l.MSFlexGrid1.UserClickCell(5, 1);
        if (t.modus == 3) skriv(l.Text1, "30");
        skriv(l.Text4, t.tomtNavn ? "" : "Ny");
        l.SSCommand2.UserClick();
        const auto b = bokser();
        ASSERT_EQ(b.size(), 1u);
        EXPECT_EQ(b[0].prompt, t.melding);
        EXPECT_EQ(b[0].title, t.tittel);
        EXPECT_EQ(b[0].style, forms::vbInformation);
        EXPECT_EQ(antall("Select Count(*) From Ranking_KlData Where KlasseNavn = 'Ny' Or KlasseNr = 30"), 0);
        EXPECT_EQ(antall("Select Count(*) From Ranking_KlData"), 29);
        l.SSCommand1.UserClick();
    }
}

class ListedataSkjerm : public Listedata {
protected:
    void SetUp() override {
        Listedata::SetUp();
        forms::SetHost(&vert);
    }
    kdtest::SvarendeQtVert vert;
};

// Through the real widgets: the fields follow the arrow, and the name saved is the list's it reached.
TEST_F(ListedataSkjerm, TheNameIsSavedForTheListTheArrowMovedTo) {
    ListeData& l = visListe();
    auto* rutenett = qobject_cast<QTableView*>(vert.windowOf(l)->viewWidget(l.MSFlexGrid1));
    QApplication::setActiveWindow(rutenett->window());
    kdtest::ClickCell(rutenett, 20, 1);
    ASSERT_EQ(l.Text1.Text(), "20");
    QTest::keyClick(rutenett, Qt::Key_Down);
    EXPECT_EQ(l.Text1.Text(), "21");
    EXPECT_EQ(l.Text3.Text(), "HERRER");
    EXPECT_TRUE(l.Frame3.Visible());
    skriv(l.Text4, "Herrer åpen");
    QTest::mouseClick(vert.windowOf(l)->viewWidget(l.SSCommand2), Qt::LeftButton);
    EXPECT_TRUE(bokser().empty());
    EXPECT_EQ(antall("Select Count(*) From Ranking_KlData Where KlasseNr = 21 And KlasseNavn = 'Herrer åpen'"), 1);
    EXPECT_EQ(antall("Select Count(*) From Ranking_KlData Where KlasseNavn = 'Herrer åpen'"), 1);
}

TEST_F(Listedata, WithoutRefereesTheWindowCloses) {
    state::DBase.Execute("Delete From Dommere");
    auto& l = forms::Default<ListeData>();
    l.Show();
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Databasen inneholder ingen dommere!\r\rImporter/eller legg inn Dommere først! ");
    EXPECT_EQ(b[0].title, "Listedata");
    EXPECT_FALSE(forms::IsLoaded<ListeData>());
}

TEST_F(Listedata, MainWindowEntriesOpenTheWindowsBehindTheGate) {
    auto& h = forms::Default<Hovedmeny2>();
    h.Show();
    state::Databasenavn.clear();
    h.SSCommand3.UserClick();
    h.SSCommand4.UserClick();
    const auto b = bokser();
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[1].prompt, "Du må åpne fil/database først!");
    EXPECT_FALSE(forms::IsLoaded<Ranking>() || forms::IsLoaded<ListeData>());
    state::Databasenavn = dbsti;
    h.SSCommand3.UserClick();
    h.SSCommand4.UserClick();
    EXPECT_TRUE(forms::IsLoaded<Ranking>() && forms::IsLoaded<ListeData>());
    EXPECT_TRUE(bokser().empty());
}

} // namespace
} // namespace rankingtest
