// Entry editing: the save checks, insert with renumbering, change, delete,
// and which entry a change or a delete acts on.
#include "Fixture.h"

#include "ranking/Rankinglister.h"
#include "state/ProgramState.h"

namespace rankingtest {
namespace {

constexpr const char* Mangelfull = "Mangefull informasjon for spiller/lag er angitt, kompletter data og prøv igjen!";
constexpr const char* Begge = "Obs du må velge enten Ranking Nr eller Trukket Nr, ikke begge deler!!";
constexpr const char* Ingen = "Ranking Nr eller Trukket Nr må oppgis!!";
constexpr const char* IkkeFunnet = "Fant ikke den angitte spiller/lag!";

class Poster : public RankingTest {
protected:
    // List 2 shown, stored as individual or team play.
    Ranking& visListe2(bool individuelt) {
        vis();
        state::DBase.Execute(std::string("Update Ranking_KlData Set IndiSpill = ") + (individuelt ? "True" : "False") +
                             ", LagSpill = " + (individuelt ? "False" : "True") + " Where KlasseNr = 2");
        Ranking& f = forms::Default<Ranking>();
        f.Combo1(0).UserSelect(1);
        bokser();
        return f;
    }
    void fyll(Ranking& f, const std::string& fornavn, const std::string& etternavn, const std::string& rank,
              const std::string& trukket) {
        skriv(f.Text1, fornavn);
        skriv(f.Text2, etternavn);
        skriv(f.Text4, rank);
        skriv(f.Text10, trukket);
    }
    std::string enesteMelding() {
        const auto b = bokser();
        EXPECT_EQ(b.size(), 1u);
        return b.empty() ? std::string() : b[0].prompt;
    }
};

// Every refused save shows its message and stores nothing.
TEST_F(Poster, RefusedSaves) {
    leggInn({.liste = 2, .rank = 4});
    leggInn({.liste = 2, .trukket = 6});
    struct Tilfelle { bool individuelt; const char *fornavn, *etternavn, *rank, *trukket; std::string melding; };
    const Tilfelle tilfeller[] = {
        {true, "Ola", "", "5", "", Mangelfull},
        {false, "", "Nordmann", "5", "", Mangelfull},
        {true, "Ola", "N", "5", "0", Begge},
        {true, "Ola", "N", "", "", Ingen},
        {true, "Ola", "N", "0", "", Ingen},
        {true, "Ola", "N", "", "-2", Ingen},
        {true, "Ola", "N", "abc", "", Ingen},
        {true, "Ola", "N", "40000", "", "Ranking Nr og Trukket Nr kan ikke være større enn 32767!"},
        // Too large to read at all: the same range message, not an overflow.
        {true, "Ola", "N", "1e999", "", "Ranking Nr og Trukket Nr kan ikke være større enn 32767!"},
        {true, "Ola", "N", "", "1e400", "Ranking Nr og Trukket Nr kan ikke være større enn 32767!"},
        {true, "Ola", "N", "4", "",
         "Det angitte Ranking nummer finnes allerede i denne klassen\noppdater Ranking nummer og prøv igjen!"},
        {true, "Ola", "N", "", "6",
         "Det angitte 'Trukket' nummer finnes allerede i denne klassen\noppdater 'Trukket' nummer og prøv igjen!"},
    };
    for (const Tilfelle& t : tilfeller) {
        SCOPED_TRACE(t.melding + " / " + t.rank + " / " + t.trukket);
        Ranking& f = visListe2(t.individuelt);
        fyll(f, t.fornavn, t.etternavn, t.rank, t.trukket);
        f.SSCommand4.UserClick();
        const auto b = bokser();
        ASSERT_EQ(b.size(), 1u);
        EXPECT_EQ(b[0].prompt, t.melding);
        EXPECT_EQ(b[0].title, "Administrasjon Ranking Liste");
        EXPECT_EQ(b[0].style, forms::vbInformation);
        EXPECT_EQ(antall("Select Count(*) From Ranking"), 2);
        f.Unload();
    }
}

TEST_F(Poster, InsertRenumbersTheListAndProposesTheNextNumber) {
    leggInn({.liste = 2, .rank = 7, .fornavn = "R7"});
    leggInn({.liste = 2, .trukket = 4, .fornavn = "T4"});
    leggInn({.liste = 2, .rank = 2, .fornavn = "R2"});
    leggInn({.liste = 2, .trukket = 1, .fornavn = "T1"});
    Ranking& f = visListe2(false);   // team play: the surname may stay empty
    fyll(f, "R5", "", "5", "");
    f.SSCommand4.UserClick();
    EXPECT_TRUE(bokser().empty());
    EXPECT_EQ(kolonne(2, "ForNavn"), (std::vector<std::string>{"R2", "R5", "R7", "T1", "T4"}));
    EXPECT_EQ(kolonne(2, "Nr"), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(kolonne(2, "Klasse_Navn")[1], "Klasse 1 (BC2)");
    EXPECT_EQ(rutenett(f, 1), (std::vector<std::string>{"R2", "R5", "R7", "T1", "T4"}));
    EXPECT_EQ(f.Text4.Text(), "6");
    EXPECT_EQ(f.Text1.Text(), "");

    skriv(f.Text4, "");
    fyll(f, "T3", "", "", "3");
    f.SSCommand4.UserClick();
    EXPECT_EQ(kolonne(2, "ForNavn")[4], "T3");
    EXPECT_EQ(f.Text4.Text(), "1");
    // Text4 keeps its proposal: the next drawn entry names both numbers.
    fyll(f, "T8", "", "1", "8");
    f.SSCommand4.UserClick();
    EXPECT_EQ(enesteMelding(), Begge);
}

TEST_F(Poster, InsertStoresThePlayTypeOfTheWindow) {
    Ranking& f = visListe2(true);
    f.Option8.UserClick();   // by keyboard or code: only the window changes
    fyll(f, "Lag A", "forts.", "1", "");
    f.SSCommand4.UserClick();
    dao::Recordset rad = state::DBase.OpenRecordset("Select * From Ranking_KlData Where KlasseNr = 2", dao::dbOpenSnapshot);
    EXPECT_EQ(vb::CStr(rad.Get("SpillOpsjon")), "Lagspill");
    EXPECT_TRUE(vb::CBool(rad.Get("LagSpill")));
    EXPECT_FALSE(vb::CBool(rad.Get("IndiSpill")));
    EXPECT_EQ(ranking::AktivSpillOpsjon, "Lagspill");
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(0, 1), "Lag");
}

TEST_F(Poster, TextsAreCutToTheColumnSize) {
    Ranking& f = visListe2(true);
    fyll(f, std::string(60, 'a'), "Å" + std::string(59, 'b'), "1", "");
    f.SSCommand4.UserClick();
    EXPECT_TRUE(bokser().empty());
    EXPECT_EQ(kolonne(2, "ForNavn"), std::vector<std::string>{std::string(50, 'a')});
    EXPECT_EQ(kolonne(2, "EtterNavn"), std::vector<std::string>{"Å" + std::string(49, 'b')});
}

TEST_F(Poster, AClickFillsTheFieldsOnlyInChangeAndDeleteMode) {
    leggInn({.liste = 2, .rank = 1, .fornavn = "Lag A", .etternavn = "forts", .klubb = "Klubben"});
    leggInn({.liste = 2, .trukket = 3, .fornavn = "Lag B"});
    Ranking& f = visListe2(false);
    for (forms::SSOption* modus : {&f.Option1, &f.Option3, &f.Option6}) {
        modus->UserClick();
        f.MSFlexGrid1.UserClickCell(1, 1);
        EXPECT_EQ(f.Text1.Text(), "") << modus->Name();
    }
    for (forms::SSOption* modus : {&f.Option2, &f.Option4}) {
        modus->UserClick();
        f.MSFlexGrid1.UserClickCell(1, 2);
        EXPECT_EQ(f.Text1.Text(), "Lag A");
        EXPECT_EQ(f.Text2.Text(), "forts");
        // The grid shows no club for a ranked team; the stored one is kept.
        EXPECT_EQ(f.MSFlexGrid1.TextMatrix(1, 3), "");
        EXPECT_EQ(f.Text3.Text(), "Klubben");
        EXPECT_EQ(f.Text4.Text(), "1");
        EXPECT_EQ(f.Text10.Text(), "");
        f.MSFlexGrid1.UserClickCell(2, 2);
        EXPECT_EQ(f.Text4.Text(), "");
        EXPECT_EQ(f.Text10.Text(), "3");
    }
}

TEST_F(Poster, ChangeWritesTheClickedEntryWithoutChecksOrRenumbering) {
    leggInn({.liste = 2, .rank = 1, .fornavn = "A"});
    leggInn({.liste = 2, .rank = 2, .fornavn = "B", .klubb = "Lyn"});
    Ranking& f = visListe2(false);
    f.Option2.UserClick();
    EXPECT_EQ(f.SSCommand4.Caption(), "Endre Lag/Spiller i Rankingliste");
    f.MSFlexGrid1.UserClickCell(2, 1);
    skriv(f.Text1, "B2");
    skriv(f.Text4, "1");   // the number A has: a change checks no duplicates
    f.SSCommand4.UserClick();
    EXPECT_TRUE(bokser().empty());
    EXPECT_EQ(kolonne(2, "ForNavn"), (std::vector<std::string>{"A", "B2"}));
    EXPECT_EQ(kolonne(2, "Rank_Nr"), (std::vector<std::string>{"1", "1"}));
    EXPECT_EQ(kolonne(2, "Trukket"), (std::vector<std::string>{"0", "0"}));
    EXPECT_EQ(kolonne(2, "Klubb")[1], "Lyn");
    EXPECT_EQ(f.Text1.Text(), "B2");
}

// A change or a delete acts only on an entry clicked in the current list and mode.
TEST_F(Poster, WithoutAFreshClickChangeAndDeleteFindNothing) {
    leggInn({.liste = 2, .rank = 1, .fornavn = "A"});
    leggInn({.liste = 3, .rank = 1, .fornavn = "C"});
    struct Tilfelle { const char* navn; bool slett; int hvordan; };
    for (const Tilfelle t : {Tilfelle{"change, other list", false, 0}, Tilfelle{"delete, other list", true, 0},
                             Tilfelle{"change, new mode", false, 1}, Tilfelle{"delete, activation", true, 2}}) {
        SCOPED_TRACE(t.navn);
        Ranking& f = visListe2(false);
        forms::SSOption& modus = t.slett ? f.Option4 : f.Option2;
        modus.UserClick();
        f.MSFlexGrid1.UserClickCell(1, 1);
        if (t.hvordan == 0) f.Combo1(0).UserSelect(2);
        if (t.hvordan == 1) modus.UserClick();
        if (t.hvordan == 2) aktiverPaNytt();
        skriv(f.Text1, "X");
        if (!t.slett) skriv(f.Text4, "1");
        (t.slett ? f.SSCommand5 : f.SSCommand4).UserClick();
        const auto b = bokser();
        ASSERT_EQ(b.size(), 1u);
        EXPECT_EQ(b[0].prompt, IkkeFunnet);
        EXPECT_EQ(b[0].title, t.slett ? "Slette Spiller" : "Endre Spillerdata");
        EXPECT_EQ(kolonne(2, "ForNavn"), std::vector<std::string>{"A"});
        EXPECT_EQ(kolonne(3, "ForNavn"), std::vector<std::string>{"C"});
        f.Unload();
    }
}

TEST_F(Poster, DeleteRemovesTheClickedEntryAndLeavesTheGap) {
    for (int r = 1; r <= 4; ++r) leggInn({.liste = 2, .rank = r, .fornavn = "P" + std::to_string(r)});
    Ranking& f = visListe2(true);
    f.Option4.UserClick();
    f.SSCommand5.UserClick();
    EXPECT_EQ(enesteMelding(), Mangelfull);
    f.MSFlexGrid1.UserClickCell(2, 1);
    f.SSCommand5.UserClick();
    EXPECT_TRUE(bokser().empty());
    EXPECT_EQ(kolonne(2, "Nr"), (std::vector<std::string>{"1", "3", "4"}));
    EXPECT_EQ(rutenett(f, 0), (std::vector<std::string>{"1", "3", "4"}));
    EXPECT_EQ(f.Text1.Text(), "");
}

// A failing write is shown, stores nothing of the save, and leaves the window usable.
TEST_F(Poster, ADatabaseFailureIsShownAndUndoesTheInsert) {
    Ranking& f = visListe2(true);
    state::DBase.Execute("Create Trigger sperre Before Update On Ranking_KlData Begin Select Raise(Abort, 'Listen er sperret'); End");
    fyll(f, "Ola", "N", "1", "");
    f.SSCommand4.UserClick();
    const auto b = bokser();
    ASSERT_FALSE(b.empty());
    EXPECT_NE(b[0].prompt.find("Årsak :  "), std::string::npos);
    EXPECT_EQ(antall("Select Count(*) From Ranking"), 0);
    state::DBase.Execute("Drop Trigger sperre");
    f.SSCommand4.UserClick();
    EXPECT_EQ(antall("Select Count(*) From Ranking"), 1);
}

} // namespace
} // namespace rankingtest
