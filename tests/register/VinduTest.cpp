// The window's placement, its refresh on activation: grid, counters, stamp.
#include "Fixture.h"

#include <functional>

#include "database/Kampoversikt.h"
#include "frame/Hovedmeny2.h"
#include "state/ProgramState.h"

namespace regtest {
namespace {

class Vindu : public RegisterTest {};

TEST_F(Vindu, PlacedBelowTheButtonBarEveryTimeItIsLoaded) {
    forms::Default<Hovedmeny2>().Picture2.SetHeight(600);
    Dommere_Init& f = vis();
    EXPECT_EQ(f.Left(), 120);
    EXPECT_EQ(f.Top(), 1350);
    EXPECT_TRUE(f.MDIChild);
    EXPECT_EQ(f.Caption(), "Administrasjon av Turnerings Dommere");
    f.SetLeft(5000);
    f.SSCommand1.UserClick();   // "Ferdig" unloads it
    EXPECT_FALSE(forms::IsLoaded<Dommere_Init>());
    EXPECT_EQ(vis().Left(), 120);
}

TEST_F(Vindu, EmptyRegisterShowsOnlyHeadingsAndZeroCounters) {
    Dommere_Init& f = vis();
    EXPECT_EQ(f.MSFlexGrid1.Rows(), 1);
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(0, 0), "Nr");
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(0, 3), "Kamper");
    EXPECT_EQ(f.Text16.Text(), "0");
    EXPECT_EQ(f.Text17.Text(), "0");
    EXPECT_EQ(f.Text18.Text(), "0");
    EXPECT_EQ(state::AntallDommere, 0);
}

TEST_F(Vindu, GridLinesUpNumbersAndCountsEveryMatchRow) {
    leggInn({.nr = 7, .fnavn = "Ola", .enavn = "Nordmann", .lag = "Kvikk", .boccia = true});
    leggInn({.nr = 42, .fnavn = "Kari", .enavn = "", .lag = "", .curling = true});
    state::DBase.Execute("Insert Into Dommere (DommerNR) Values (123)");   // names and club Null
    leggInnKamper(7, 2);
    leggInnKamper(7, 1, 3);   // marked deleted, counted all the same
    Dommere_Init& f = vis();
    ASSERT_EQ(f.MSFlexGrid1.Rows(), 4);
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(1, 0), "    7");
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(1, 1), "Ola  Nordmann");
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(1, 2), "Kvikk");
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(1, 3), "3");
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(2, 0), "  42");
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(2, 3), "0");
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(3, 0), "123");
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(3, 1), "  ");
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(3, 2), "");
    EXPECT_EQ(f.MSFlexGrid1.ColAlignment(0), 3);
    EXPECT_EQ(f.MSFlexGrid1.ColAlignment(1), 0);
    EXPECT_EQ(f.MSFlexGrid1.ColWidth(1), 2400);
    EXPECT_EQ(f.MSFlexGrid1.Row(), 0);
    EXPECT_EQ(state::AntallDommere, 3);
}

// The counts come from the kept match overview: each kind of write leaves them true.
TEST_F(Vindu, MatchCountsStayTrueAfterEveryKindOfWrite) {
    leggInn({.nr = 7, .fnavn = "Ola", .enavn = "Nordmann", .lag = "Kvikk", .boccia = true});
    leggInnKamper(7, 2);
    Dommere_Init& f = vis();
    ASSERT_EQ(f.MSFlexGrid1.TextMatrix(1, 3), "2");
    const auto spill = turneringsdb::Spill(state::DBase, "BOCCIA");
    const struct {
        const char* hva;
        std::function<void()> skriv;
        const char* antall;
    } skrivinger[] = {
        {"the program's own append",
         [&] {
             const dao::ChangeStamp for_ = state::DBase.Stamp();
             state::DBase.Execute("Insert Into Dommertabell (DommerNR, SekvensNR, Status, Typespill) Values (7, 90, 0, 'BOCCIA')");
             turneringsdb::KampLagtTil(state::DBase, for_, 7, 90, spill);
         },
         "3"},
        {"a soft deletion",
         [&] {
             const dao::ChangeStamp for_ = state::DBase.Stamp();
             state::DBase.Execute("Update Dommertabell Set Status = 3 Where SekvensNR = 90");
             turneringsdb::KampSlettet(state::DBase, for_, 7, spill);
         },
         "3"},
        {"a write the overview is not told of", [] { state::DBase.Execute("Delete From Dommertabell Where SekvensNR = 90"); }, "2"},
        {"a write through the register's handle", [] { state::DBase2.Execute("Delete From Dommertabell"); }, "0"},
    };
    for (const auto& s : skrivinger) {
        s.skriv();
        f.Form_Activate();
        EXPECT_EQ(f.MSFlexGrid1.TextMatrix(1, 3), s.antall) << s.hva;
    }
}

// A referee's save writes no match: the refill after it counts from the overview kept before
// it. Any write that reaches the match table, or may have, has it read again.
TEST_F(Vindu, ARefereesSaveKeepsTheMatchOverviewAndAMatchWriteRenewsIt) {
    leggInn({.nr = 7, .fnavn = "Ola", .enavn = "Nordmann", .boccia = true});
    leggInn({.nr = 8, .fnavn = "Kari", .boccia = true});
    leggInnKamper(7, 2);
    leggInnKamper(8, 1);
    Dommere_Init& f = vis();
    f.Option2.UserClick();
    // The kept overview told of an append that never happened: while it is kept, referee 7
    // shows one match more than the table holds; read again, the true two.
    const auto merkOversikten = [] {
        turneringsdb::Oversikt(state::DBase);
        const dao::ChangeStamp for_ = state::DBase.Stamp();
        turneringsdb::KampLagtTil(state::DBase, for_, 7, 90, turneringsdb::Spill(state::DBase, "BOCCIA"));
    };
    const auto lagreNavn = [&](const std::string& navn) {
        skriv(f.Text4, "7");
        f.SSCommand7.UserClick();
        skriv(f.Text1, navn);
        f.SSCommand2.UserClick();
        ASSERT_TRUE(bokser().empty());
    };
    merkOversikten();
    lagreNavn("Ole");
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(1, 1), "Ole  Nordmann");
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(1, 3), "3") << "the save read the match table again";
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(2, 3), "1");

    // What comes before the overview is told of the append, then the write.
    const struct {
        const char* hva;
        std::function<void()> forst, skriv;
        const char* antall;
    } skrivinger[] = {
        {"a match written by SQL through the register's handle, then a save", [] {},
         [&] {
             state::DBase2.Execute("Insert Into Dommertabell (DommerNR, SekvensNR, Status) Values (7, 91, 0)");
             lagreNavn("Olav");
         },
         "3"},
        {"a save whose row fires the file's own trigger into the match table",
         [] {
             state::DBase.Execute("Create Trigger Flytt After Update On Dommere Begin "
                                  "Delete From Dommertabell Where SekvensNR = 91; End");
         },
         [&] { lagreNavn("Olaf"); }, "2"},
        {"another referee deleted with his matches", [] { state::DBase.Execute("Drop Trigger Flytt"); },
         [&] {
             f.MSFlexGrid1.UserClickCell(2, 1);
             forms::Headless().setNextAnswer(forms::vbYes);
             f.C_SlettDommer.UserClick();
             bokser();
         },
         "2"},
    };
    for (const auto& s : skrivinger) {
        s.forst();
        merkOversikten();
        s.skriv();
        EXPECT_EQ(f.MSFlexGrid1.TextMatrix(1, 3), s.antall) << s.hva;
    }
    EXPECT_EQ(f.MSFlexGrid1.Rows(), 2);
    EXPECT_EQ(antall("Select Count(*) From Dommertabell Where DommerNR = 8"), 0);
}

TEST_F(Vindu, CountersCountEachGameAndBoth) {
    leggInn({.nr = 1, .fnavn = "A", .boccia = true, .curling = true});
    leggInn({.nr = 2, .fnavn = "B", .boccia = true});
    leggInn({.nr = 3, .fnavn = "C"});
    Dommere_Init& f = vis();
    EXPECT_EQ(f.Text16.Text(), "3");
    EXPECT_EQ(f.Text17.Text(), "2");
    EXPECT_EQ(f.Text18.Text(), "1");
}

TEST_F(Vindu, StampShownAndANullTimeLeavesItsBoxEmpty) {
    state::DBase.Execute("Update Versjon Set LagetDato = '8. desember 2026', ADDR1 = Null, ADDR2 = 'tirsdag'");
    Dommere_Init& f = vis();
    EXPECT_EQ(f.Text11.Text(), "8. desember 2026");
    EXPECT_EQ(f.Text12.Text(), "");
    EXPECT_EQ(f.Text13.Text(), "tirsdag");
    state::DBase.Execute("Update Versjon Set ADDR1 = '0815'");
    aktiverPaNytt();
    EXPECT_EQ(f.Text12.Text(), "kl. 0815");
}

TEST_F(Vindu, ReturningAfterAnImportShowsNewCountsAndEmptiesTheFreeList) {
    leggInn({.nr = 1, .fnavn = "A", .boccia = true});
    leggInn({.nr = 3, .fnavn = "C", .boccia = true});
    Dommere_Init& f = vis();
    f.Command1.UserClick();
    ASSERT_EQ(f.List2.ListCount(), 1);
    f.SSCheck1.UserClick();
    EXPECT_TRUE(f.Frame2.Enabled());
    leggInnKamper(3, 5);
    aktiverPaNytt();
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(2, 3), "5");
    EXPECT_EQ(f.List2.ListCount(), 0);
    EXPECT_FALSE(f.Frame2.Enabled());
    EXPECT_FALSE(f.Frame3.Enabled());
}

} // namespace
} // namespace regtest
