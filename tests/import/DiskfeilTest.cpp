// An import whose disk fails at any one of its writes: the user is told the first error,
// never that there was nothing left to undo, and both files open through the program
// afterwards, either as before the import or fully read in.
#include "Fixture.h"

#include <fstream>
#include <iostream>

#include "database/Apen.h"
#include "import/Innlesing.h"
#include "state/ProgramState.h"
#include "support/Diskfeil.h"

namespace importtest {
namespace {

class DiskfeilTest : public ImportTest {
protected:
    // Both files as they were before the import, the database open again through the program.
    void gjenopprett(const std::string& sti, const std::string& db, const std::string& dkv) {
        slippFiler();
        turneringsdb::LukkApen();
        std::ofstream(dbsti, std::ios::binary | std::ios::trunc) << db;
        std::ofstream(sti, std::ios::binary | std::ios::trunc) << dkv;
        std::remove((dbsti + "-journal").c_str());
        std::remove((sti + "-journal").c_str());
        state::Databasenavn = dbsti;
        ASSERT_TRUE(turneringsdb::ByttTil(dbsti));
        boksTekster();
    }
};

TEST_F(DiskfeilTest, AnIoErrorAtAnyWriteTellsTheFirstErrorAndLeavesBothFilesBeforeOrAfter) {
    const std::string sti = lagFil("io.dkv", {Kamp(1), Kamp(2), Kamp(3)});
    slippFiler();
    turneringsdb::LukkApen();
    const std::string db = kdtest::ReadFile(dbsti), dkv = kdtest::ReadFile(sti);
    kdtest::Diskfeil disk;
    bool lestInn = false;
    int feil = 0;
    for (long n = 0; !lestInn && n < 400; ++n) {
        SCOPED_TRACE(n);
        disk.TillatSkrivinger(-1);
        gjenopprett(sti, db, dkv);

        disk.TillatSkrivinger(n);
        lesInn(sti);
        disk.TillatSkrivinger(-1);
        const auto b = boksTekster();
        ASSERT_FALSE(b.empty());
        lestInn = b[0].rfind("Innlesing fullført OK!", 0) == 0;
        if (!lestInn) {
            ++feil;
            EXPECT_EQ(b.size(), 1u);
            EXPECT_EQ(b[0].rfind(Innlesingsfeil, 0), 0u) << b[0];
            EXPECT_EQ(b[0].find("rollback"), std::string::npos) << b[0];
            EXPECT_EQ(b[0].find("transaksjon"), std::string::npos) << b[0];
        }
        // Reopened through the program: a journal the failure left is rolled back there.
        slippFiler();
        turneringsdb::LukkApen();
        ASSERT_TRUE(turneringsdb::ByttTil(dbsti));
        const long kamper = antallKamper();
        const std::string status = filstatus(sti);
        EXPECT_TRUE((kamper == 0 && status == "0") || (kamper == 3 && status == "1")) << kamper << " matches, status " << status;
    }
    EXPECT_TRUE(lestInn);
    EXPECT_GT(feil, 3);
}

// A sync that fails at any point of the import's commit: what the user is told agrees
// with what the files hold, so a read-in that was stored is never offered again.
TEST_F(DiskfeilTest, AFailingSyncAtAnyPointIsToldAsWhatTheFilesHold) {
    const std::string sti = lagFil("synk.dkv", {Kamp(1), Kamp(2), Kamp(3)});
    slippFiler();
    turneringsdb::LukkApen();
    const std::string db = kdtest::ReadFile(dbsti), dkv = kdtest::ReadFile(sti);
    kdtest::Diskfeil disk;
    int feil = 0, lagretTrossFeil = 0;
    bool heleGikk = false;
    for (long n = 0; !heleGikk && n < 40; ++n) {
        SCOPED_TRACE(n);
        disk.TillatSynkroniseringer(-1);
        gjenopprett(sti, db, dkv);

        disk.TillatSynkroniseringer(n);
        lesInn(sti);
        const long synket = disk.Synkroniseringer();
        disk.TillatSynkroniseringer(-1);
        const auto b = boksTekster();
        ASSERT_FALSE(b.empty());
        const bool lestInn = b[0].rfind("Innlesing fullført OK!", 0) == 0;
        heleGikk = lestInn && synket < n;
        feil += !lestInn;
        lagretTrossFeil += lestInn && synket == n;
        slippFiler();
        turneringsdb::LukkApen();
        ASSERT_TRUE(turneringsdb::ByttTil(dbsti));
        const long kamper = antallKamper();
        const std::string status = filstatus(sti);
        if (lestInn) EXPECT_TRUE(kamper == 3 && status == "1") << kamper << " matches, status " << status;
        else EXPECT_TRUE(kamper == 0 && status == "0") << kamper << " matches, status " << status << ": " << b[0];
    }
    EXPECT_TRUE(heleGikk);
    EXPECT_GT(feil, 0);
    std::cout << feil << " syncs failed the import, " << lagretTrossFeil << " came after its commit point\n";
}

} // namespace
} // namespace importtest
