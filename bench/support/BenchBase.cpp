#include "BenchBase.h"

#include <malloc.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <map>
#include <vector>

#include "database/Database.h"
#include "platform/dao/Dao.h"
#include "state/ProgramState.h"

namespace benchbase {

namespace fs = std::filesystem;

namespace {

std::vector<std::string>& MapperTilOpprydding() {
    // Never destroyed: the exit handler reads it after static destructors may have run.
    static auto* mapper = new std::vector<std::string>;
    return *mapper;
}

} // namespace

std::string Mappe(const std::string& navn) {
    const std::string sti = (fs::temp_directory_path() / ("kd-bench-" + navn + "-" + std::to_string(::getpid()))).string();
    fs::create_directories(sti);
    if (MapperTilOpprydding().empty())
        std::atexit([] {
            std::error_code ec;
            for (const std::string& m : MapperTilOpprydding()) fs::remove_all(m, ec);
        });
    MapperTilOpprydding().push_back(sti);
    return sti;
}

void LagTurneringsbase(const std::string& sti, Tabeller tabeller) {
    state::DBase = dao::DBEngine::Workspaces(0).CreateDatabase(sti);
    Opprett_Versjon();
    Opprett_Dommere();
    Opprett_Dommertabell();
    if (tabeller == Tabeller::Alle) {
        Opprett_Ranking();
        Opprett_Ranking_KlData();
    }
}

void ApneNyTurnering(const std::string& mappe, Tabeller tabeller) {
    state::Arbeidsomrade = &dao::DBEngine::Workspaces(0);
    state::Databasenavn = mappe + "/Turnering.KVX";
    LagTurneringsbase(state::Databasenavn, tabeller);
}

void ApneTurnering(const std::string& navn, int storrelse, const std::function<void()>& fyll) {
    static std::map<std::string, std::string> baser;
    std::string& sti = baser[navn + "-" + std::to_string(storrelse)];
    if (sti.empty()) {
        ApneNyTurnering(Mappe(navn + "-" + std::to_string(storrelse)));
        fyll();
        sti = state::Databasenavn;
    } else if (sti != state::Databasenavn) {
        state::Arbeidsomrade = &dao::DBEngine::Workspaces(0);
        state::Databasenavn = sti;
        state::DBase = state::Arbeidsomrade->OpenDatabase(sti);
    }
    // A window's second handle left on another size's file would read that file.
    if (!state::DBase2.IsNothing() && state::DBase2.IsOpen() && state::DBase2.Name() != sti) {
        state::DBase2.Close();
        state::DBase2 = state::Arbeidsomrade->OpenDatabase(sti);
    }
}

void IEnTransaksjon(const std::function<void()>& fyll) {
    dao::Workspace& ws = dao::DBEngine::Workspaces(0);
    ws.BeginTrans();
    fyll();
    ws.CommitTrans();
}

namespace {

double statusMb(const std::string& felt) {
    std::ifstream status("/proc/self/status");
    for (std::string linje; std::getline(status, linje);)
        if (linje.rfind(felt, 0) == 0) return std::stod(linje.substr(felt.size())) / 1024.0;
    return 0;
}

double vedStart = 0;

} // namespace

void NyMinnetopp() {
    malloc_trim(0);   // what earlier rounds freed is given back, so it cannot hide this round's rise
    std::ofstream("/proc/self/clear_refs") << "5";
    vedStart = statusMb("VmRSS:");
}

Topp Minnetopp() {
    const double topp = statusMb("VmHWM:");
    return {topp, topp - vedStart};
}

void MerkMinnetopp(benchmark::State& s) {
    const Topp t = Minnetopp();
    s.counters["topp_MB"] = t.mb;
    s.counters["okning_MB"] = t.okningMb;
}

} // namespace benchbase
