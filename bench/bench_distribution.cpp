// The referee distribution file from a full register of 999 referees.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "BenchBase.h"
#include "distribution/Dommerfil.h"
#include "platform/dao/Dao.h"
#include "platform/forms/Runtime.h"
#include "state/ProgramState.h"

namespace {

namespace fs = std::filesystem;

constexpr int Dommere = 999;
std::string g_mappe;

// One tournament database with a full register, made once.
const std::string& mappe() {
    static const bool laget = [] {
        g_mappe = benchbase::Mappe("dommerfil");
        forms::App.Path = g_mappe;
        benchbase::ApneNyTurnering(g_mappe);
        state::DBase2 = dao::DBEngine::Workspaces(0).OpenDatabase(state::Databasenavn);
        benchbase::IEnTransaksjon([] {
            for (int nr = 1; nr <= Dommere; ++nr)
                state::DBase.Execute("Insert Into Dommere (DommerNR, Dommer_FNavn, Dommer_ENavn, Dommer_Lag, Dommer_Boccia, "
                                     "Dommer_Curling) Values (?, ?, ?, ?, ?, ?)",
                                     {vb::Variant::Integer(nr), "Fornavn" + std::to_string(nr), "Etternavn",
                                      "Klubb " + std::to_string(nr % 40), nr % 2 == 0, nr % 3 == 0});
        });
        return true;
    }();
    (void)laget;
    return g_mappe;
}

// The register button's write of a new file.
void BM_SkrivNyDommerfil999(benchmark::State& s) {
    const std::string sti = mappe() + "/KV_Dommere.kvz";
    for (auto _ : s) {
        s.PauseTiming();
        fs::remove(sti);
        forms::Headless().boxes.clear();
        s.ResumeTiming();
        dommerfil::Skriv(dommerfil::Inngang::Registerknapp, sti);
    }
    if (forms::Headless().boxes.size() != 1) s.SkipWithError("not written");
}
BENCHMARK(BM_SkrivNyDommerfil999)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The refill of an existing file after OK to the question.
void BM_FyllEksisterendeDommerfil999(benchmark::State& s) {
    const std::string sti = mappe() + "/KV_Dommere.kvz";
    if (!fs::exists(sti)) dommerfil::Skriv(dommerfil::Inngang::Registerknapp, sti);
    for (auto _ : s) {
        s.PauseTiming();
        forms::Headless().boxes.clear();
        forms::Headless().setNextAnswer(forms::vbOK);
        s.ResumeTiming();
        dommerfil::Skriv(dommerfil::Inngang::Registerknapp, sti);
    }
    if (forms::Headless().boxes.size() != 2) s.SkipWithError("not refilled");
}
BENCHMARK(BM_FyllEksisterendeDommerfil999)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
