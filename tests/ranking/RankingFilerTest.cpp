// The ranking window's buttons for the files, as a user meets them: the import
// from a tournament program file shows its entries renumbered on return, and
// the export for the clubs writes its file.
#include <filesystem>

#include "Fixture.h"
#include "ranking/HentRanking.h"
#include "ranking/RankingfilFixture.h"
#include "state/ProgramState.h"

namespace fs = std::filesystem;

namespace rankingtest {
namespace {

class RankingFilerTest : public RankingTest {};

TEST_F(RankingFilerTest, ImportFromATournamentFileShowsItsEntriesRenumberedOnReturn) {
    leggInn({.liste = 1, .rank = 1, .fornavn = "Lokal"});
    const std::string bcd = dir.file("cup.bcd");
    rankfiltest::Sqlite3(bcd, "CREATE TABLE Ranking (Nr, Fornavn, Etternavn, Klubb, Rank_Nr, KlasseNr, Klasse_Navn, Trukket);"
                              "INSERT INTO Ranking VALUES (0, 'Berit', 'B', 'K', 2, 1, 'X', 0);"
                              "INSERT INTO Ranking VALUES (0, 'Anne', 'A', 'K', 1, 1, 'X', 0);");
    Ranking& f = vis();
    f.Option6.UserClick();
    f.SSCommand9.UserClick();
    ASSERT_TRUE(forms::IsLoaded<HentRanking>());
    auto& velger = forms::Default<HentRanking>();
    velger.FileListBox.SetPath(dir.path());
    velger.FileListBox.UserSelect(0);
    forms::Headless().setNextAnswer(forms::vbYes);
    velger.SSCommand1(0).UserClick();
    EXPECT_FALSE(forms::IsLoaded<HentRanking>());
    EXPECT_EQ(rutenett(f, 1), (std::vector<std::string>{"Anne", "Berit"}));
    EXPECT_EQ(rutenett(f, 0), (std::vector<std::string>{"1", "2"}));
}

TEST_F(RankingFilerTest, TheExportButtonWritesTheFileForTheClubs) {
    forms::App.Path = dir.path();
    fs::create_directory(dir.file("DommerDistribusjon"));
    leggInn({.liste = 3, .rank = 1, .fornavn = "Kari"});
    Ranking& f = vis();
    bokser();
    forms::Headless().setNextAnswer(forms::vbOK);
    forms::Headless().setNextAnswer(forms::vbNo);
    f.SSCommand2.UserClick();
    EXPECT_EQ(bokser().size(), 2u);
    EXPECT_EQ(rankfiltest::Sqlite3(dir.file("DommerDistribusjon/RankingListe.rlt"), "SELECT Fornavn, TypeSpill FROM Ranking"),
              "Kari|BOCCIA\n");
}

} // namespace
} // namespace rankingtest
