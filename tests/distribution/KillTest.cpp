// The writer killed at random moments: the file at the path is always absent,
// the old one, or the new one, always whole as the program opens it, and the next
// write into the folder leaves nothing of the killed one.
#include "Fixture.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>

#include "distribution/Dommerfil.h"
#include "platform/dao/Dao.h"
#include "state/ProgramState.h"

namespace distest {
namespace {

class Drept : public DistTest {};

TEST_F(Drept, KilledWriterLeavesNoFileTheOldOneOrTheNewOneWhole) {
    namespace fs = std::filesystem;
    LeggInnMange(5);
    const std::string mal = dir.file("mal/KV_Dommere.kvz");
    fs::create_directories(dir.file("mal"));
    dommerfil::Skriv(dommerfil::Inngang::Velger, mal);
    for (int nr = 6; nr <= 999; ++nr) LeggInn({nr, "Fornavn", "Etternavn", "Klubb"});

    // How long one whole write takes here, to spread the kills over it.
    fs::create_directories(dir.file("maal"));
    const std::string sti = dir.file("maal/KV_Dommere.kvz");
    const auto start = std::chrono::steady_clock::now();
    dommerfil::Skriv(dommerfil::Inngang::Velger, sti);
    const long varighet =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();

    std::mt19937 tilfeldig(20261208);
    int sett[3] = {0, 0, 0};   // no file, old, new
    int midtISkrivingen = 0;   // kills that left the writer's temporary file behind
    // Under load a whole write may outlast every kill: trials go on, bounded, until one lands inside it.
    for (int forsok = 0; forsok < 24 || (midtISkrivingen == 0 && forsok < 200); ++forsok) {
        SCOPED_TRACE(forsok);
        const bool gammel = forsok % 2 == 1;
        fs::remove_all(dir.file("maal"));
        fs::create_directories(dir.file("maal"));
        if (gammel) fs::copy_file(mal, sti);
        const pid_t barn = ::fork();
        if (barn == 0) {
            dommerfil::Skriv(dommerfil::Inngang::Velger, sti);
            ::_exit(0);
        }
        ::usleep(static_cast<useconds_t>(std::uniform_int_distribution<long>(0, varighet * 4)(tilfeldig)));
        ::kill(barn, SIGKILL);
        ::waitpid(barn, nullptr, 0);
        const auto etterDrapet = filer(dir.file("maal"));
        midtISkrivingen += std::any_of(etterDrapet.begin(), etterDrapet.end(), [](const std::string& f) { return f[0] == '.'; });

        // The next write into the folder clears what the killed one left there.
        dommerfil::Skriv(dommerfil::Inngang::Velger, dir.file("maal/Neste.kvz"));
        const auto igjen = filer(dir.file("maal"));
        EXPECT_TRUE(std::none_of(igjen.begin(), igjen.end(), [](const std::string& f) { return f[0] == '.'; }))
            << igjen.size() << " files, " << igjen.front();
        if (!fs::exists(sti)) {
            EXPECT_FALSE(gammel) << "the old file is gone";
            ++sett[0];
            continue;
        }
        // Read back through the program's own open, as the mail hand-off and the clubs' import do.
        dao::Database fil = dao::DBEngine::Workspaces(0).OpenDatabase(sti, false, true);
        EXPECT_EQ(fil.Damage(), "");
        const std::string innhold =
            vb::Concat(fil.OpenRecordset("Select count(*), max(DommerNR) From Dommere", dao::dbOpenSnapshot).Get(0), "");
        fil.Close();
        if (innhold == "5" && gammel) {
            ++sett[1];
        } else {
            EXPECT_EQ(innhold, "999");
            ++sett[2];
        }
    }
    EXPECT_GT(midtISkrivingen, 0) << "no kill landed while the file was being written";
    RecordProperty("ingen_gammel_ny", std::to_string(sett[0]) + "/" + std::to_string(sett[1]) + "/" + std::to_string(sett[2]));
}

} // namespace
} // namespace distest
