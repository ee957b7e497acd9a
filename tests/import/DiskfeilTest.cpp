// An import whose disk fails at any one of its writes: the user is told the first error,
// never that there was nothing left to undo, and both files open through the program
// afterwards, either as before the import or fully read in.
#include "Diskfeil.h"
#include "Fixture.h"

#include <fstream>

#include "database/Apen.h"
#include "import/Innlesing.h"
#include "state/ProgramState.h"

namespace importtest {
namespace {

class DiskfeilTest : public ImportTest {};

TEST_F(DiskfeilTest, AnIoErrorAtAnyWriteTellsTheFirstErrorAndLeavesBothFilesBeforeOrAfter) {
    const std::string sti = lagFil("io.dkv", {Kamp(1), Kamp(2), Kamp(3)});
    slippFiler();
    turneringsdb::LukkApen();
    const std::string db = kdtest::ReadFile(dbsti), dkv = kdtest::ReadFile(sti);
    Diskfeil disk;
    bool lestInn = false;
    int feil = 0;
    for (long n = 0; !lestInn && n < 400; ++n) {
        SCOPED_TRACE(n);
        slippFiler();
        turneringsdb::LukkApen();
        std::ofstream(dbsti, std::ios::binary | std::ios::trunc) << db;
        std::ofstream(sti, std::ios::binary | std::ios::trunc) << dkv;
        std::remove((dbsti + "-journal").c_str());
        std::remove((sti + "-journal").c_str());
        disk.TillatSkrivinger(-1);
        state::Databasenavn = dbsti;
        ASSERT_TRUE(turneringsdb::ByttTil(dbsti));
        boksTekster();

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

} // namespace
} // namespace importtest
