// Opening and every activation of the ranking window: the referee check, the
// scratch list, the 29 lists, the renumbering and the shown list.
#include "Fixture.h"

#include "ranking/Rankinglister.h"
#include "state/ProgramState.h"

namespace rankingtest {
namespace {

class Aktivering : public RankingTest {};

class Dialog : public forms::Form {
public:
    Dialog() : forms::Form("Dialog") { BorderStyle = 3; }
};

TEST_F(Aktivering, FirstOpeningCreatesTheStandardListsAndShowsListOne) {
    Ranking& f = vis();
    EXPECT_EQ(antall("Select Count(*) From Ranking_KlData"), 29);
    dao::Recordset rs = state::DBase.OpenRecordset("Select * From Ranking_KlData Order By rowid", dao::dbOpenSnapshot);
    for (const auto& liste : ranking::Standard_Rankinglister) {
        ASSERT_FALSE(rs.EOF_());
        EXPECT_EQ(vb::CLng(rs.Get("KlasseNr")), liste.KlasseNr);
        EXPECT_EQ(vb::CStr(rs.Get("KlasseNavn")), liste.KlasseNavn);
        EXPECT_EQ(vb::CStr(rs.Get("TypeSpill")), liste.TypeSpill);
        EXPECT_EQ(vb::CStr(rs.Get("KlasseType")), liste.KlasseType);
        EXPECT_TRUE(rs.Get("SpillOpsjon").IsNull());
        EXPECT_FALSE(vb::CBool(rs.Get("TieBreak")));
        rs.MoveNext();
    }
    EXPECT_EQ(state::AktivListe, 1);
    EXPECT_EQ(f.Text5.Text(), "1");
    EXPECT_EQ(f.Text6.Text(), "Klasse 1 (BC1)");
    EXPECT_EQ(f.Combo2.Text(), "BOCCIA");
    EXPECT_TRUE(f.Combo1(0).Visible());
    for (int g = 1; g < 5; ++g) EXPECT_FALSE(f.Combo1(g).Visible()) << g;
    EXPECT_TRUE(f.Frame3.Visible());
    EXPECT_FALSE(f.Frame4.Visible());
    EXPECT_TRUE(f.Option9.Value());
    EXPECT_TRUE(f.Option7.Value());
    EXPECT_EQ(f.MSFlexGrid1.Rows(), 1);
    const char* overskrifter[] = {"Nr", "Fornavn", "Etternavn", "Klubb/Lag", "Rank", "Trukket"};
    for (int c = 0; c < 6; ++c) EXPECT_EQ(f.MSFlexGrid1.TextMatrix(0, c), overskrifter[c]);
    EXPECT_EQ(f.Combo1(3).ListCount(), 4);
    EXPECT_EQ(f.Combo1(3).ItemData(1), 26);
    EXPECT_EQ(f.Combo1(4).List(0), "29. Klasse Junior");
    EXPECT_TRUE(bokser().empty());
}

TEST_F(Aktivering, WithoutRefereesTheWindowClosesAndNothingIsCreated) {
    state::DBase.Execute("Delete From Dommere");
    leggInn({.liste = 99, .rank = 1});
    vis();
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Databasen inneholder ingen dommere!\r\rImporter/eller legg inn Dommere først!");
    EXPECT_EQ(b[0].title, "RankingListe");
    EXPECT_EQ(b[0].style, forms::vbInformation);
    EXPECT_FALSE(forms::IsLoaded<Ranking>());
    EXPECT_EQ(antall("Select Count(*) From Ranking_KlData"), 0);
    EXPECT_EQ(antall("Select Count(*) From Ranking"), 1);
}

// A count of list rows other than 29 brings back the standard set; 29 keeps the rows.
TEST_F(Aktivering, ListCountDecidesBetweenRecreatingAndKeeping) {
    struct Tilfelle { int rader; bool gjenskapes; };
    for (const Tilfelle t : {Tilfelle{28, true}, Tilfelle{30, true}, Tilfelle{29, false}}) {
        SCOPED_TRACE(t.rader);
        state::DBase.Execute("Delete From Ranking_KlData");
        for (int n = 1; n <= t.rader; ++n)
            state::DBase.Execute(
                "Insert Into Ranking_KlData (KlasseNr, KlasseNavn, SpillOpsjon, LagSpill, TieBreak) Values (?, 'Egen', 'Lagspill', True, True)",
                {vb::Variant::Integer(n)});
        vis();
        EXPECT_EQ(antall("Select Count(*) From Ranking_KlData"), 29);
        EXPECT_EQ(antall("Select Count(*) From Ranking_KlData Where KlasseNavn = 'Egen' And LagSpill And TieBreak"),
                  t.gjenskapes ? 0 : 29);
        forms::Default<Ranking>().Unload();
    }
}

TEST_F(Aktivering, ChangedClassNameReachesTheEntriesAtTheNextActivation) {
    leggInn({.liste = 5, .rank = 1});
    vis();
    // The name is copied only once the lists exist.
    EXPECT_EQ(kolonne(5, "Klasse_Navn"), std::vector<std::string>{""});
    state::DBase.Execute("Update Ranking_KlData Set KlasseNavn = 'klasse 2 ny' Where KlasseNr = 5");
    aktiverPaNytt();
    EXPECT_EQ(kolonne(5, "Klasse_Navn"), std::vector<std::string>{"klasse 2 ny"});
    state::DBase.Execute("Update Ranking_KlData Set KlasseNavn = 'Klasse 2 Ny' Where KlasseNr = 5");
    aktiverPaNytt();
    EXPECT_EQ(kolonne(5, "Klasse_Navn"), std::vector<std::string>{"Klasse 2 Ny"});
}

TEST_F(Aktivering, RenumbersEveryListInDrawnOrderAndDropsListNinetyNine) {
    leggInn({.liste = 3, .rank = 2, .fornavn = "R2", .nr = 9});
    leggInn({.liste = 3, .trukket = 5, .fornavn = "T5", .nr = 1});
    leggInn({.liste = 3, .rank = 1, .fornavn = "R1", .nr = 9});
    leggInn({.liste = 3, .trukket = 3, .fornavn = "T3"});
    leggInn({.liste = 99, .rank = 1});
    leggInn({.liste = 40, .rank = 1, .nr = 7});
    Ranking& f = vis();
    EXPECT_EQ(kolonne(3, "ForNavn"), (std::vector<std::string>{"R1", "R2", "T3", "T5"}));
    EXPECT_EQ(kolonne(3, "Nr"), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(antall("Select Count(*) From Ranking Where KlasseNr = 99"), 0);
    EXPECT_EQ(kolonne(40, "Nr"), std::vector<std::string>{"7"});

    f.Combo1(0).UserSelect(2);
    EXPECT_EQ(rutenett(f, 1), (std::vector<std::string>{"R1", "R2", "T3", "T5"}));
    EXPECT_EQ(rutenett(f, 4), (std::vector<std::string>{"1", "2", "", ""}));
    EXPECT_EQ(rutenett(f, 5), (std::vector<std::string>{"", "", "3", "5"}));
}

// Only a move between the program's windows refreshes: a message box or a modal
// dialog closing over the window hands it back as it was.
TEST_F(Aktivering, MessageBoxesAndDialogsAreNoActivation) {
    Ranking& f = vis();
    skriv(f.Text1, "Ola");
    skriv(f.Text4, "3");
    skriv(f.Text10, "2");
    f.SSCommand4.UserClick();
    EXPECT_EQ(bokser().size(), 1u);
    forms::Headless().modalDriver = [](forms::Form& d) { d.Hide(); };
    forms::Default<Dialog>().Show(forms::vbModal);
    EXPECT_EQ(forms::Screen.ActiveForm(), &f);
    EXPECT_EQ(f.Text1.Text(), "Ola");
    EXPECT_EQ(f.Text4.Text(), "3");
    aktiverPaNytt();
    EXPECT_EQ(f.Text1.Text(), "");
}

TEST_F(Aktivering, AFailedRefreshLeavesTheListsAsTheyWereAndTheWindowOpen) {
    vis();
    leggInn({.liste = 99, .rank = 1});
    leggInn({.liste = 2, .rank = 4, .nr = 8});
    // Without its list table the refresh fails after the scratch list was deleted.
    state::DBase.Execute("Drop Table Ranking_KlData");
    aktiverPaNytt();
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt.rfind("Årsak :  ", 0), 0u) << b[0].prompt;
    EXPECT_EQ(antall("Select Count(*) From Ranking Where KlasseNr = 99"), 1);
    EXPECT_EQ(kolonne(2, "Nr"), std::vector<std::string>{"8"});
    EXPECT_TRUE(forms::IsLoaded<Ranking>());
}

} // namespace
} // namespace rankingtest
