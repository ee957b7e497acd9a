// The duplicate search and the window's list mode.
#include "Fixture.h"

#include <QApplication>
#include <QTableView>
#include <QTest>

#include <algorithm>

#include "matches/Dommer.h"
#include "matches/Duplikater.h"
#include "qtview/FormWindow.h"
#include "qtview/QtHost.h"
#include "state/ProgramState.h"

namespace kamptest {
namespace {

class Duplikater : public KampTest {
protected:
    std::vector<std::string> sok() {
        auto linjer = kamper::FinnDuplikater(state::DBase);
        std::sort(linjer.begin(), linjer.end());
        return linjer;
    }
};

TEST_F(Duplikater, ExactEqualityOfActiveRowsOfOneReferee) {
    dommer(1, "A", "A");
    dommer(2, "B", "B");
    dommer(500, "C", "C");
    const struct {
        const char* hva;
        Kamp a, b;
        bool funnet;
    } tilfeller[] = {
        {"equal pair", {.nr = 1}, {.nr = 1}, true},
        {"referee above the count", {.nr = 500}, {.nr = 500}, true},
        {"game typed in and read in", {.nr = 1, .typespill = "Boccia"}, {.nr = 1, .typespill = "BOCCIA"}, true},
        {"case of another field differs", {.nr = 1, .turnering = "Cup"}, {.nr = 1, .turnering = "CUP"}, false},
        {"another game", {.nr = 1, .typespill = "Boccia"}, {.nr = 1, .typespill = "Bocciaa"}, false},
        {"tournament differs", {.nr = 1, .turnering = "Cup"}, {.nr = 1, .turnering = "Cup 2"}, false},
        {"date differs", {.nr = 1, .dato = "1. mai 2026"}, {.nr = 1, .dato = "2. mai 2026"}, false},
        {"trailing blank", {.nr = 1, .hlag = "A"}, {.nr = 1, .hlag = "A "}, false},
        {"points differ", {.nr = 1, .hp = 1}, {.nr = 1, .hp = 3}, false},
        {"empty points", {.nr = 1, .hp = std::nullopt}, {.nr = 1, .hp = std::nullopt}, false},
        {"one deleted", {.nr = 1}, {.nr = 1, .status = 3}, false},
        {"two referees", {.nr = 1}, {.nr = 2}, false},
        {"referee not registered", {.nr = 77}, {.nr = 77}, false},
        {"a separator inside a text", {.nr = 1, .hlag = "A\x1f" "B", .blag = "C"}, {.nr = 1, .hlag = "A", .blag = "B\x1f" "C"},
         false},
    };
    for (const auto& t : tilfeller) {
        state::DBase.Execute("Delete From Dommertabell");
        Kamp a = t.a, b = t.b;
        a.sekvens = 10;
        b.sekvens = 11;
        kamp(a);
        kamp(b);
        const auto linjer = sok();
        if (!t.funnet) {
            EXPECT_TRUE(linjer.empty()) << t.hva;
            continue;
        }
        const std::string nr = std::to_string(t.a.nr);
        EXPECT_EQ(linjer, (std::vector<std::string>{nr + "\t1. mai 2026\tCup\tB\tA\tB\t1\t2\t10",
                                                    nr + "\t1. mai 2026\tCup\tB\tA\tB\t1\t2\t11"}))
            << t.hva;
    }
}

// The commonest duplicate: a match read in from the result file and typed in again by hand;
// each row shows the game's letter as stored.
TEST_F(Duplikater, TheButtonOnScreenListsAHandEnteredCopyOfAnImportedMatch) {
    dommer(3, "Ola", "Nordmann");
    kamp({.nr = 3, .sekvens = 10, .typespill = "BOCCIA"});
    kamp({.nr = 3, .sekvens = 11, .typespill = "boccia"});
    qtview::QtHost host;
    forms::SetHost(&host);
    auto& f = forms::Default<Dommer>();
    f.Show();
    QTest::mouseClick(host.windowOf(f)->viewWidget(f.SSCommand5), Qt::LeftButton);
    QApplication::processEvents();
    auto* liste = qobject_cast<QTableView*>(host.windowOf(f)->viewWidget(f.MSFlexGrid1));
    ASSERT_NE(liste, nullptr);
    QStringList rader;
    for (int r = 1; r < liste->model()->rowCount(); ++r)
        rader << liste->model()->index(r, 3).data().toString() + liste->model()->index(r, 8).data().toString();
    EXPECT_EQ(rader, (QStringList{"B10", "b11"}));
    forms::ResetDefaults();
    forms::SetHost(nullptr);
}

TEST_F(Duplikater, EachRowOnceForEveryOtherRowLikeIt) {
    dommer(3, "A", "A");
    for (long s : {5, 6, 7}) kamp({.nr = 3, .sekvens = s});
    kamp({.nr = 3, .sekvens = 7});   // the same sequence number twice is no duplicate of itself
    EXPECT_EQ(sok().size(), 3u + 3u + 2u + 2u);
}

// More alike rows than one reading by rowid takes, and rows alike in all but a Null.
TEST_F(Duplikater, ManyPairsAllFoundAndNullSequenceNumbersIgnored) {
    dommer(1, "A", "A");
    dao::Workspace& ws = dao::DBEngine::Workspaces(0);
    ws.BeginTrans();
    constexpr long Par = 701;
    for (long i = 0; i < Par; ++i) {
        const std::string lag = "Lag " + std::to_string(i);
        kamp({.nr = 1, .sekvens = 2 * i, .hlag = lag});
        kamp({.nr = 1, .sekvens = 2 * i + 1, .hlag = lag});
        kamp({.nr = 1, .hlag = lag});   // no sequence number: no duplicate of anything
        kamp({.nr = 1, .sekvens = 5000 + i, .hlag = lag, .typespill = "Curling"});
    }
    ws.CommitTrans();
    const auto linjer = sok();
    ASSERT_EQ(linjer.size(), static_cast<std::size_t>(2 * Par));
    EXPECT_EQ(linjer.front(), "1\t1. mai 2026\tCup\tB\tLag 0\tB\t1\t2\t0");
    EXPECT_EQ(std::count_if(linjer.begin(), linjer.end(), [](const std::string& l) { return l.find("\tC\t") != std::string::npos; }), 0);
}

TEST_F(Duplikater, ListModeIsOneStateAndARefereeClickLeavesItFully) {
    dommer(3, "Ola", "Nordmann");
    kamp({.nr = 3, .sekvens = 10});
    kamp({.nr = 3, .sekvens = 11});
    auto& f = forms::Default<Dommer>();
    f.Show();
    f.MSFlexGrid2.UserClickCell(1, 0);
    skriv(f.Text5, "Neste cup");
    state::ValgtDommer = 3;

    f.SSCommand5.UserClick();
    EXPECT_TRUE(f.Duplikatmodus);
    EXPECT_EQ(f.Label1.Caption(), "Duplikatliste for : ");
    EXPECT_EQ(f.SSCommand5.Caption(), "Tilbake til manuell innlegging av turneringsdata");
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(0, 0), "D-Nr.");
    EXPECT_EQ(rader(f.MSFlexGrid1).size(), 2u);
    EXPECT_FALSE(f.Text4.Visible());
    EXPECT_FALSE(f.Text8(2).Visible());
    EXPECT_TRUE(f.Text5.Visible());
    for (auto* k : {&f.SSCommand2, &f.SSCommand3, &f.SSCommand8, &f.SSCommand9}) EXPECT_FALSE(k->Enabled());
    EXPECT_EQ(f.Text5.Text(), "Neste cup");
    EXPECT_EQ(state::ValgtDommer, 3);
    EXPECT_EQ(state::AntallDommere, 1);

    f.MSFlexGrid2.UserClickCell(1, 0);
    EXPECT_FALSE(f.Duplikatmodus);
    EXPECT_EQ(f.Label1.Caption(), "Manuell innlegging av turneringsdata for dommere");
    EXPECT_EQ(f.SSCommand5.Caption(), "Søk etter mulige Duplikater i DommerDatabasen");
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(0, 0), "Nr.");
    EXPECT_TRUE(f.Text4.Visible());
    for (auto* k : {&f.SSCommand2, &f.SSCommand3, &f.SSCommand8, &f.SSCommand9}) EXPECT_TRUE(k->Enabled());

    // The next press searches again; the one after returns to entry.
    f.SSCommand5.UserClick();
    EXPECT_TRUE(f.Duplikatmodus);
    f.SSCommand5.UserClick();
    EXPECT_FALSE(f.Duplikatmodus);
    EXPECT_TRUE(f.SSCommand3.Enabled());
}

} // namespace
} // namespace kamptest
