// The play type of a list: layout, the store on a mouse press, the store at
// the end of a save, and the grid rows by the stored flags.
#include "Fixture.h"

#include "ranking/Rankinglister.h"
#include "state/ProgramState.h"

namespace rankingtest {
namespace {

class Spilltype : public RankingTest {
protected:
    dao::Recordset liste(int nr) {
        return state::DBase.OpenRecordset("Select * From Ranking_KlData Where KlasseNr = ?", dao::dbOpenSnapshot,
                                          {vb::Variant::Integer(nr)});
    }
};

TEST_F(Spilltype, OptionsLayOutTeamAndIndividualPlay) {
    Ranking& f = vis();
    f.Option8.UserClick();
    EXPECT_EQ(f.Label2.Caption(), "Lag");
    EXPECT_EQ(f.Label3.Caption(), "Lag forts.");
    EXPECT_FALSE(f.Label5.Visible() || f.Text3.Visible());
    EXPECT_EQ(f.MSFlexGrid1.ColWidth(3), 100);
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(0, 3), "");
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(0, 1), "Lag");
    f.Option7.UserClick();
    EXPECT_EQ(f.Label2.Caption(), "Fornavn");
    EXPECT_EQ(f.Label3.Caption(), "Etternavn");
    EXPECT_TRUE(f.Text3.Visible());
    EXPECT_EQ(f.MSFlexGrid1.ColWidth(3), 1900);
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(0, 3), "Klubb/Lag");
    // Selecting only lays out: nothing is stored.
    EXPECT_TRUE(liste(1).Get("SpillOpsjon").IsNull());
}

// Any mouse button on an option stores its text at once; the flags wait for the next save.
TEST_F(Spilltype, MousePressStoresTheTextAndTheSaveTheFlags) {
    for (const int knapp : {forms::vbLeftButton, forms::vbRightButton}) {
        SCOPED_TRACE(knapp);
        state::DBase.Execute("Update Ranking_KlData Set SpillOpsjon = Null, LagSpill = False, IndiSpill = False");
        Ranking& f = vis();
        f.Option8.UserMouseDown(knapp);
        f.Option8.UserClick();
        dao::Recordset rad = liste(1);
        EXPECT_EQ(vb::CStr(rad.Get("SpillOpsjon")), "Lagspill");
        EXPECT_FALSE(vb::CBool(rad.Get("LagSpill")) || vb::CBool(rad.Get("IndiSpill")));
        f.Unload();
    }
    Ranking& f = vis();
    EXPECT_TRUE(f.Option8.Value());   // the window marks the stored text
    skriv(f.Text1, "Lag A");
    skriv(f.Text4, "1");
    f.SSCommand4.UserClick();
    dao::Recordset rad = liste(1);
    EXPECT_TRUE(vb::CBool(rad.Get("LagSpill")));
    EXPECT_FALSE(vb::CBool(rad.Get("IndiSpill")));
}

TEST_F(Spilltype, WithoutAListRowTheLayoutFollowsTheEmptyPlayTypeAsTeamPlay) {
    Ranking& f = vis();
    state::DBase.Execute("Delete From Ranking_KlData Where KlasseNr = 1");
    ranking::AktivSpillOpsjon.clear();
    f.Lagre_TypeSpill();
    EXPECT_EQ(ranking::AktivSpillOpsjon, "");
    EXPECT_EQ(f.MSFlexGrid1.ColWidth(1), 2700);
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(0, 2), "Lag forts.");
}

// Ranked rows show the club only when the stored flags say individual play; drawn rows always.
TEST_F(Spilltype, ClubCellsFollowTheStoredFlags) {
    leggInn({.liste = 1, .rank = 1, .klubb = "Lyn"});
    leggInn({.liste = 1, .trukket = 2, .klubb = "Fram"});
    struct Tilfelle { const char* flagg; const char* rangert; };
    for (const Tilfelle t : {Tilfelle{"LagSpill = True", ""}, Tilfelle{"IndiSpill = True", "Lyn"},
                             Tilfelle{"LagSpill = False", ""}}) {
        SCOPED_TRACE(t.flagg);
        vis();
        state::DBase.Execute("Update Ranking_KlData Set LagSpill = False, IndiSpill = False");
        state::DBase.Execute(std::string("Update Ranking_KlData Set ") + t.flagg);
        Ranking& f = forms::Default<Ranking>();
        aktiverPaNytt();
        EXPECT_EQ(rutenett(f, 3), (std::vector<std::string>{t.rangert, "Fram"}));
        f.Unload();
    }
}

} // namespace
} // namespace rankingtest
