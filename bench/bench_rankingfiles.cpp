// The ranking files with 29 lists and 3,000 entries: the export for the clubs
// (a new file, and the refill of an existing one) and the two imports.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "BenchBase.h"
#include "Turneringsfilskriver.h"
#include "platform/dao/Dao.h"
#include "platform/forms/Runtime.h"
#include "ranking/Eksport.h"
#include "ranking/Import.h"
#include "state/ProgramState.h"

namespace {

namespace fs = std::filesystem;

constexpr int Poster = 3000;

// Exactly Poster entries spread over the 29 lists.
std::vector<Rankingpost> poster() {
    std::vector<Rankingpost> p = Eksempelposter(Poster / 29 + 1);
    p.resize(Poster);
    return p;
}

struct Filer {
    std::string mappe, turnering, annen, bcd, eksport;
};

// A tournament database with the 29 lists and the entries, left in DBase.
void lagTurneringsbase(const std::string& sti) {
    state::Opprettet_Av = "Norges Valmorisk";
    benchbase::LagTurneringsbase(sti);
    benchbase::IEnTransaksjon([] {
        for (int n = 1; n <= 29; ++n)
            state::DBase.Execute("Insert Into Ranking_KlData (KlasseNr, TypeSpill, KlasseType, KlasseNavn) Values (?, ?, ?, ?)",
                                 {vb::Variant::Integer(n), n <= 20 ? "BOCCIA" : "CURLING", "SENIOR", "Klasse " + std::to_string(n)});
        for (const Rankingpost& p : poster())
            state::DBase.Execute("Insert Into Ranking (Nr, Rank_Nr, Trukket, ForNavn, EtterNavn, Klubb, KlasseNr, Klasse_Navn) "
                                 "Values (?, ?, ?, ?, ?, ?, ?, ?)",
                                 {vb::Variant::Integer(p.nr), vb::Variant::Integer(p.rank), vb::Variant::Integer(p.trukket),
                                  p.fornavn, p.etternavn, p.klubb, vb::Variant::Integer(p.klasse), p.klasseNavn});
    });
}

const Filer& filer() {
    static const Filer f = [] {
        Filer f;
        f.mappe = benchbase::Mappe("rankingfiles");
        fs::create_directories(f.mappe + "/DommerDistribusjon");
        forms::App.Path = f.mappe;
        f.turnering = f.mappe + "/Turnering.KVX";
        f.annen = f.mappe + "/Annen.KVX";
        f.bcd = f.mappe + "/cup.bcd";
        f.eksport = f.mappe + "/DommerDistribusjon/RankingListe.rlt";
        lagTurneringsbase(f.annen);
        state::DBase.Close();
        lagTurneringsbase(f.turnering);
        state::DBase2 = dao::DBEngine::Workspaces(0).OpenDatabase(f.turnering);
        state::Databasenavn = f.turnering;
        SkrivTurneringsfil(f.bcd, poster());
        return f;
    }();
    return f;
}

void eksporter(std::initializer_list<int> svar) {
    for (int s : svar) forms::Headless().setNextAnswer(s);
    Lag_Rankingliste_For_Klubbene();
    forms::Headless().boxes.clear();
}

void BM_Eksport_NyFil(benchmark::State& state) {
    const Filer& f = filer();
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(f.eksport);
        state.ResumeTiming();
        eksporter({forms::vbOK, forms::vbNo});
    }
    if (!fs::exists(f.eksport)) state.SkipWithError("no export file");
}

void BM_Eksport_FyllPaNytt(benchmark::State& state) {
    const Filer& f = filer();
    if (!fs::exists(f.eksport)) eksporter({forms::vbOK, forms::vbNo});
    for (auto _ : state) eksporter({forms::vbOK, forms::vbOK, forms::vbNo});
}

void BM_Import_Turneringsfil(benchmark::State& state) {
    const Filer& f = filer();
    for (auto _ : state) Importer_Fra_Turneringsfil(f.bcd);
    if (!forms::Headless().boxes.empty()) state.SkipWithError(forms::Headless().boxes.back().prompt.c_str());
}

void BM_Import_Dommerdatabase(benchmark::State& state) {
    const Filer& f = filer();
    for (auto _ : state) Importer_Fra_Dommerdatabase(f.annen);
    if (!forms::Headless().boxes.empty()) state.SkipWithError(forms::Headless().boxes.back().prompt.c_str());
}

BENCHMARK(BM_Eksport_NyFil)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_Eksport_FyllPaNytt)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_Import_Turneringsfil)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_Import_Dommerdatabase)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(5)->ReportAggregatesOnly();

} // namespace

BENCHMARK_MAIN();
