// The writer killed at random moments: the file at the path is always absent,
// the old one, or the new one, and always whole.
#include "Fixture.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "distribution/Dommerfil.h"
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
    for (int forsok = 0; forsok < 24; ++forsok) {
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

        if (!fs::exists(sti)) {
            EXPECT_FALSE(gammel) << "the old file is gone";
            ++sett[0];
            continue;
        }
        const std::string innhold = Sqlite(sti, "PRAGMA integrity_check; SELECT count(*), max(DommerNR) FROM Dommere;");
        if (innhold == "ok\n5|5\n" && gammel) {
            ++sett[1];
        } else {
            EXPECT_EQ(innhold, "ok\n999|999\n");
            ++sett[2];
        }
    }
    RecordProperty("ingen_gammel_ny", std::to_string(sett[0]) + "/" + std::to_string(sett[1]) + "/" + std::to_string(sett[2]));
}

} // namespace
} // namespace distest
