// Choosing the current list by game, group and list.
#include "Fixture.h"

#include "state/ProgramState.h"

namespace rankingtest {
namespace {

class Valg : public RankingTest {};

int valgt(forms::ComboBox& c, int liste) {
    for (int i = 0; i < c.ListCount(); ++i)
        if (c.ItemData(i) == liste) return i;
    ADD_FAILURE() << "no item for list " << liste;
    return 0;
}

TEST_F(Valg, PickingAListShowsItAndClearsTheEntryFields) {
    Ranking& f = vis();
    for (auto* t : {&f.Text1, &f.Text2, &f.Text3, &f.Text10}) skriv(*t, "x");
    f.Combo3.UserSelect(valgt(f.Combo3, 5));
    EXPECT_EQ(state::AktivListe, 5);
    EXPECT_EQ(f.Combo3.Text(), "Liste nr. : 5  Klasse 2");
    EXPECT_EQ(f.Combo1(0).Text(), "Liste nr. : 5  Klasse 2");
    EXPECT_EQ(f.Text5.Text(), "5");
    EXPECT_EQ(f.Text6.Text(), "Klasse 2");
    for (auto* t : {&f.Text1, &f.Text2, &f.Text3, &f.Text10}) EXPECT_EQ(t->Text(), "") << t->Name();
    EXPECT_EQ(f.Text4.Text(), "1");
}

// The proposed next ranking number: the highest plus one; none, drawn only or no value count as 0.
TEST_F(Valg, ProposedRankingNumber) {
    struct Tilfelle { const char* navn; std::vector<Post> poster; const char* forslag; };
    const Tilfelle tilfeller[] = {
        {"highest 7", {{.liste = 2, .rank = 7}, {.liste = 2, .rank = 3}, {.liste = 2, .trukket = 9}}, "8"},
        {"drawn only", {{.liste = 2, .trukket = 4}}, "1"},
        {"empty", {}, "1"},
    };
    for (const Tilfelle& t : tilfeller) {
        SCOPED_TRACE(t.navn);
        state::DBase.Execute("Delete From Ranking");
        for (const Post& p : t.poster) leggInn(p);
        Ranking& f = vis();
        f.Combo1(0).UserSelect(1);
        EXPECT_EQ(f.Text4.Text(), t.forslag);
        f.Unload();
    }
    state::DBase.Execute("Delete From Ranking");
    state::DBase.Execute("Insert Into Ranking (KlasseNr, ForNavn) Values (2, 'Uten')");
    Ranking& f = vis();
    f.Combo1(0).UserSelect(1);
    EXPECT_EQ(f.Text4.Text(), "1");
}

TEST_F(Valg, ListChooserSetsGameFrameAndClassComboFromTheNumber) {
    Ranking& f = vis();
    f.Option13.UserClick();
    EXPECT_EQ(state::AktivListe, 1);   // Damer lies in the hidden Curling frame
    f.Combo2.UserSelect(1);
    f.Option13.UserClick();
    EXPECT_EQ(state::AktivListe, 25);
    ASSERT_EQ(f.Combo3.ListCount(), 4);
    f.Combo3.UserSelect(1);
    EXPECT_EQ(state::AktivListe, 26);
    for (int g = 0; g < 5; ++g) EXPECT_EQ(f.Combo1(g).Visible(), g == 3) << g;
    EXPECT_EQ(f.Combo2.Text(), "CURLING");
    EXPECT_FALSE(f.Frame3.Visible());
    EXPECT_TRUE(f.Frame4.Visible());
    EXPECT_EQ(f.Combo3.ListCount(), 4);
    EXPECT_EQ(f.Combo3.List(0), "25. Klasse 1 Damer");
}

TEST_F(Valg, GameChoiceFillsTheLongItemsAndKeepsTheEntryFields) {
    Ranking& f = vis();
    skriv(f.Text1, "Ola");
    skriv(f.Text4, "3");
    f.Combo2.UserSelect(1);
    EXPECT_EQ(state::AktivListe, 21);
    ASSERT_EQ(f.Combo3.ListCount(), 4);
    EXPECT_EQ(f.Combo3.List(3), "24. Curling/Herrer Klasse Åpen");
    EXPECT_EQ(f.Combo3.ItemData(3), 24);
    EXPECT_TRUE(f.Option12.Value());
    EXPECT_FALSE(f.Option9.Value() || f.Option10.Value());
    EXPECT_FALSE(f.Option9.Enabled() || f.Option10.Enabled());
    EXPECT_EQ(f.Combo1(2).Text(), "Klasse 1");
    EXPECT_EQ(f.Text1.Text(), "Ola");
    EXPECT_EQ(f.Text4.Text(), "3");

    f.Combo2.UserSelect(0);
    EXPECT_EQ(state::AktivListe, 1);
    ASSERT_EQ(f.Combo3.ListCount(), 10);
    EXPECT_EQ(f.Combo3.List(2), "3. Boccia/Senior Klasse 1 renne (BC3)");
    EXPECT_TRUE(f.Option9.Value());
    EXPECT_TRUE(f.Option9.Enabled() && f.Option10.Enabled());
}

TEST_F(Valg, GroupOptionsFillTheShortItemsOfTheirGroup) {
    Ranking& f = vis();
    f.Option10.UserClick();
    EXPECT_EQ(state::AktivListe, 11);
    ASSERT_EQ(f.Combo3.ListCount(), 10);
    EXPECT_EQ(f.Combo3.List(0), "11. Klasse 1 (BC1)");
    EXPECT_EQ(f.Combo3.ItemData(9), 20);
    EXPECT_TRUE(f.Combo1(1).Visible());
    f.Combo2.UserSelect(1);
    f.Option14.UserClick();
    EXPECT_EQ(state::AktivListe, 29);
    ASSERT_EQ(f.Combo3.ListCount(), 1);
    EXPECT_EQ(f.Combo3.List(0), "29. Klasse Junior");
    EXPECT_EQ(f.Text6.Text(), "Klasse Junior");
}

TEST_F(Valg, AMissingListRowGivesAnEmptyName) {
    Ranking& f = vis();
    state::DBase.Execute("Delete From Ranking_KlData Where KlasseNr = 5");
    f.Combo3.UserSelect(valgt(f.Combo3, 5));
    EXPECT_TRUE(bokser().empty());
    EXPECT_EQ(state::AktivListe, 5);
    EXPECT_EQ(f.Combo3.Text(), "Liste nr. : 5  ");
    EXPECT_EQ(f.Text6.Text(), "");
}

} // namespace
} // namespace rankingtest
