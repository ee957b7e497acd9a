// Save-as: the name rules, the two refusals, and the copy becoming the open database.
#include "DbTest.h"

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "database/Apen.h"
#include "database/Database.h"
#include "platform/files/Files.h"
#include "state/ProgramState.h"

namespace dbtest {
namespace {

class SaveAsTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        kilde = NyFil("Kilde");
        state::DBase.Execute("INSERT INTO Dommere (DommerNR, Dommer_FNavn) VALUES (?, ?)",
                             {vb::Variant::Integer(5), "Åshild"});
        mappe = program() + "/kopier";
        files::MkDir(mappe);
        state::Katalog = mappe + "/";
    }
    void LagreSom(const std::string& navn) {
        state::Filnavn = navn;
        Lagre_Database_Som();
    }
    void ForventKildenApen() {
        EXPECT_EQ(state::Databasenavn, kilde);
        EXPECT_EQ(state::DatabaseFilnavn, "Kilde.kvx");
        EXPECT_EQ(state::DBase.Name(), kilde);
        EXPECT_EQ(state::DBase2.Name(), kilde);
        EXPECT_EQ(state::DBase.OpenRecordset("Dommere").Get("Dommer_FNavn").ToText(), "Åshild");
    }
    std::string kilde, mappe;
};

TEST_F(SaveAsTest, NameWithoutExtensionGetsKvxAndTheCopyIsOpen) {
    const std::string for_ = kdtest::ReadFile(kilde);
    state::Utvalg = state::DBase2.OpenRecordset("Dommere");
    LagreSom("Turnering1");
    EXPECT_TRUE(bokser().empty());
    const std::string kopi = mappe + "/Turnering1.KVX";
    EXPECT_EQ(state::Filnavn, "Turnering1");   // the caller's name is left as typed
    EXPECT_EQ(state::Databasenavn, kopi);
    EXPECT_EQ(state::DatabaseFilnavn, "Turnering1.KVX");
    EXPECT_EQ(state::DBase.Name(), kopi);
    EXPECT_EQ(state::DBase2.Name(), kopi);
    EXPECT_TRUE(state::Utvalg.IsNothing());
    // The copy is the file as it was, byte for byte; writes now go to the copy.
    state::DBase.Execute("UPDATE Dommere SET Dommer_FNavn = ?", {"Endret"});
    state::ResetProgramState();
    EXPECT_EQ(kdtest::ReadFile(kilde), for_);
    dao::Database k = dao::DBEngine::Workspaces(0).OpenDatabase(kopi);
    EXPECT_EQ(k.OpenRecordset("Dommere").Get("Dommer_FNavn").ToText(), "Endret");
    k.Close();

    Apne(kilde);   // a lower-case ".kvx" is kept as typed
    state::Katalog = mappe + "/";
    LagreSom("cup.kvx");
    EXPECT_EQ(state::Databasenavn, mappe + "/cup.kvx");
    EXPECT_EQ(state::DatabaseFilnavn, "cup.kvx");
}

TEST_F(SaveAsTest, ThePatternDoesNothing) {
    for (const char* m : {"*.KVX", "*.kvx", "*.Kvx"}) LagreSom(m);
    EXPECT_TRUE(bokser().empty());
    EXPECT_TRUE(files::FilesIn(mappe, "*").empty());
    ForventKildenApen();
}

TEST_F(SaveAsTest, OtherDotsBeepAndShowTheFormatMessage) {
    for (const char* navn : {"cup.mdb", "a.b", "cup.kvx.bak", "", ".KVX", ".skjult.kvx"}) {
        const int pip = forms::Headless().beeps;
        bokser().clear();
        LagreSom(navn);
        EXPECT_EQ(forms::Headless().beeps, pip + 1) << navn;
        ASSERT_EQ(bokser().size(), 1u) << navn;
        EXPECT_EQ(bokser()[0].prompt, "Ugyldig format på filnavn, Eks format: 'Turnering1' eller 'Turnering1.KVX' ");
        EXPECT_EQ(bokser()[0].style, forms::vbOKOnly);
        EXPECT_EQ(bokser()[0].title, forms::ProgramTitle);
    }
    EXPECT_TRUE(files::FilesIn(mappe, "*").empty());
    ForventKildenApen();
}

TEST_F(SaveAsTest, CopyOntoItselfIsRefusedAndNothingIsTouched) {
    const std::string for_ = kdtest::ReadFile(kilde);
    state::Katalog = program() + "/";
    LagreSom("Kilde.kvx");
    ASSERT_EQ(bokser().size(), 1u);
    EXPECT_EQ(bokser()[0].prompt, "Filen kan ikke kopieres til seg selv, velg annen fil");
    EXPECT_EQ(bokser()[0].style, forms::vbOKOnly);
    EXPECT_EQ(kdtest::ReadFile(kilde), for_);
    ForventKildenApen();
}

TEST_F(SaveAsTest, CopyOverAnotherFileIsRefused) {
    const std::string annen = mappe + "/Annen.KVX";
    {
        std::ofstream(annen) << "behold meg";
    }
    // The old file system knew one file of a name whatever its letter case.
    for (const char* navn : {"Annen", "annen.kvx", "ANNEN"}) {
        bokser().clear();
        LagreSom(navn);
        ASSERT_EQ(bokser().size(), 1u) << navn;
        EXPECT_EQ(bokser()[0].prompt, "Filen finnes fra før, velg annen fil");
        EXPECT_EQ(bokser()[0].style, forms::vbOKOnly);
    }
    EXPECT_EQ(files::FilesIn(mappe, "*"), std::vector<std::string>{"Annen.KVX"});
    EXPECT_EQ(kdtest::ReadFile(annen), "behold meg");
    ForventKildenApen();
}

TEST_F(SaveAsTest, FolderWithoutWritePermissionTellsTheTrueReason) {
    if (kdtest::RunningAsRoot()) GTEST_SKIP() << "root may write into any folder";
    ASSERT_EQ(::chmod(mappe.c_str(), 0555), 0);
    LagreSom("Ny");
    ::chmod(mappe.c_str(), 0755);
    ASSERT_EQ(bokser().size(), 1u);
    EXPECT_EQ(bokser()[0].prompt, "Årsak :  Ingen tilgang: du har ikke lov til å skrive i mappen " + mappe);
    ForventKildenApen();
}

TEST_F(SaveAsTest, LeftoversOfAKilledCopyGoWithTheNextSaveAs) {
    const std::string rest = mappe + "/.Gammel.KVX.kdtmp-x1Y2z3";
    std::ofstream(rest) << std::string(4096, 'x');
    LagreSom("Ny");
    EXPECT_TRUE(bokser().empty());
    EXPECT_FALSE(files::Exists(rest));
    EXPECT_TRUE(files::Exists(mappe + "/Ny.KVX"));
}

TEST_F(SaveAsTest, FailedCopyKeepsTheOriginalOpen) {
    state::Katalog = program() + "/finnes-ikke/";
    LagreSom("Ny");
    ASSERT_EQ(bokser().size(), 1u);
    EXPECT_FALSE(files::Exists(program() + "/finnes-ikke"));
    ForventKildenApen();
}

// With the open file gone, both the copy and the way back fail: none is open after, and
// the windows hear it while none is named.
TEST_F(SaveAsTest, FailedCopyAndFailedReturnLeaveNoneOpenAndTheWindowsFollow) {
    std::vector<std::string> hort;
    turneringsdb::NarDatabasenEndres(&hort, [&] { hort.push_back(state::Databasenavn); });
    ASSERT_EQ(::unlink(kilde.c_str()), 0);
    LagreSom("Ny");
    turneringsdb::GlemDatabaseendring(&hort);
    EXPECT_EQ(bokser().size(), 2u);   // the copy's failure, then the way back's
    EXPECT_EQ(state::Databasenavn, "");
    EXPECT_EQ(state::DatabaseFilnavn, "");
    EXPECT_EQ(hort, std::vector<std::string>{""});
}

} // namespace
} // namespace dbtest
