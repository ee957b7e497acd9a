// The export killed at random moments, in another process: the program's own open
// then finds the old file or the new one, whole (or no file, when there was none).
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "platform/dao/Dao.h"
#include "platform/vb/Strings.h"
#include "ranking/Eksport.h"
#include "ranking/RankingfilFixture.h"
#include "state/ProgramState.h"

namespace fs = std::filesystem;

namespace rankfiltest {
namespace {

using Klokke = std::chrono::steady_clock;

class EksportAvbruddTest : public RankingfilTest {
protected:
    void fyll(int antall, const std::string& utgiver) {
        state::DBase.Execute("Delete from Ranking");
        state::DBase.Execute("Update Versjon Set OpprettetAv = ?", {utgiver});
        std::vector<Post> poster;
        for (int i = 0; i < antall; ++i)
            poster.push_back({vb::Variant::Integer(i % 100 + 1), vb::Variant::Integer(i % 100 + 1), vb::Variant::Integer(0),
                              "Fornavn " + std::to_string(i), "Etternavn", "Klubb", vb::Variant::Integer(i % 29 + 1), "Klasse"});
        leggInn(poster);
    }
    // The export in a child process, killed after etter (never, when negative); returns how long it ran.
    Klokke::duration eksporterIBarn(std::chrono::microseconds etter) {
        state::ResetProgramState();
        const auto start = Klokke::now();
        const pid_t barn = ::fork();
        if (barn == 0) {
            apneTurneringsbase();
            // Both roads answer OK to what they ask and No to the printout.
            svar({forms::vbOK, forms::vbOK, forms::vbNo});
            Lag_Rankingliste_For_Klubbene();
            ::_exit(forms::Headless().boxes.size() >= 2 ? 0 : 1);
        }
        if (etter.count() >= 0) {
            std::this_thread::sleep_for(etter);
            ::kill(barn, SIGKILL);
        }
        int status = 0;
        ::waitpid(barn, &status, 0);
        const auto tid = Klokke::now() - start;
        if (etter.count() < 0) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        return tid;
    }
    // The file as the program's own open finds it (read-only, after any rollback a kill left).
    std::string lest() const {
        dao::Database fil = dao::DBEngine::Workspaces(0).OpenDatabase(eksportfil(), false, true);
        const auto tekst = [&](const std::string& sql) {
            const dao::Recordset rs = fil.OpenRecordset(sql, dao::dbOpenSnapshot);
            std::string ut;
            for (int i = 0; i < rs.FieldCount(); ++i) ut += (i ? "|" : "") + vb::Concat(rs.Get(i), "");
            return ut + "\n";
        };
        const std::string ut = (fil.Damage().empty() ? "ok\n" : "damaged\n") +
                               tekst("Select count(*), min(OpprettetAv), max(OpprettetAv) From Ranking") +
                               tekst("Select count(*) From Ranking_KlData");
        fil.Close();
        return ut;
    }
};

TEST_F(EksportAvbruddTest, AKillAtAnyMomentLeavesTheOldFileOrTheNewOneWhole) {
    fyll(500, "Gammel");
    svar({forms::vbOK, forms::vbNo});
    Lag_Rankingliste_For_Klubbene();
    const std::string gammel = lest();
    ASSERT_EQ(gammel, "ok\n500|Gammel|Gammel\n29\n");
    const std::string kopi = program.file("gammel.rlt");
    fs::copy_file(eksportfil(), kopi);
    fyll(3000, "Ny");

    const auto heleTiden = std::chrono::duration_cast<std::chrono::microseconds>(eksporterIBarn(std::chrono::microseconds(-1)));
    const std::string ny = lest();
    ASSERT_EQ(ny, "ok\n3000|Ny|Ny\n29\n");

    std::mt19937 tilfeldig(15);
    std::uniform_int_distribution<long> ventetid(0, heleTiden.count());
    int gamle = 0, nye = 0, ingen = 0;
    int midtIEksporten = 0;   // kills that left the writer's temporary file beside the export
    // Counts and clears what a killed writer left, so each trial starts clean.
    const auto skrivesFortsatt = [&] {
        bool funnet = false;
        for (const auto& f : fs::directory_iterator(fs::path(eksportfil()).parent_path()))
            if (f.path().filename().string()[0] == '.') funnet = fs::remove(f.path());
        return funnet;
    };
    // Under load the export's timing shifts: trials go on, bounded, until a kill lands inside the write.
    for (int forsok = 0; forsok < 24 || (midtIEksporten == 0 && forsok < 200); ++forsok) {
        const bool fantesFra = forsok % 2 == 1;
        fs::remove(eksportfil());
        if (fantesFra) fs::copy_file(kopi, eksportfil());
        eksporterIBarn(std::chrono::microseconds(ventetid(tilfeldig)));
        midtIEksporten += skrivesFortsatt();
        if (!fs::exists(eksportfil())) {
            EXPECT_FALSE(fantesFra) << "trial " << forsok;
            ++ingen;
            continue;
        }
        const std::string innhold = lest();
        if (fantesFra && innhold == gammel) ++gamle;
        else if (innhold == ny) ++nye;
        else ADD_FAILURE() << "trial " << forsok << ": " << innhold;
    }
    std::cout << "old " << gamle << ", new " << nye << ", none " << ingen << " (whole export " << heleTiden.count()
              << " us)\n";
    EXPECT_GT(midtIEksporten, 0) << "no kill landed while the export was writing";
}

} // namespace
} // namespace rankfiltest
