// Report files on a full database: 999 referees, 100,000 match rows.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "BenchBase.h"
#include "matches/Dommer.h"
#include "platform/dao/Dao.h"
#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"
#include "register/Dommere_Init.h"
#include "state/ProgramState.h"

namespace {

namespace fs = std::filesystem;

constexpr int Dommere = 999;
constexpr int Kamper = 100000;

std::string g_mappe;

void fyll() {
    for (int nr = 1; nr <= Dommere; ++nr)
        state::DBase.Execute(
            "Insert Into Dommere (DommerNR, Dommer_FNavn, Dommer_ENavn, Dommer_Lag, Dommer_Boccia, Dommer_Curling, "
            "Dommer_DatoDKurs) Values (?, ?, ?, ?, ?, ?, '1. mai 2020')",
            {vb::Variant::Integer(nr), "Fornavn" + std::to_string(nr), "Etternavn Ærlig", "Klubb Ørn", nr % 2 == 0,
             nr % 3 == 0});
    for (int i = 0; i < Kamper; ++i)
        state::DBase.Execute(
            "Insert Into Dommertabell (DommerNR, SekvensNR, Status, TurneringsNavn, Turneringsdato, Dommer_HLag, "
            "Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng, Typespill) Values (?, ?, ?, 'Norgesmesterskapet', "
            "'1. mai 2026', 'Hjemmelaget Å', 'Bortelaget Ø', 3, 2, 'BOCCIA')",
            {vb::Variant::Integer(1 + i % Dommere), vb::Variant::Long(i + 1), vb::Variant::Integer(i % 50 == 0 ? 3 : 0)});
}

// One full tournament database with its report folder; the templates beside the sources.
void forbered() {
    static const bool klar = [] {
        g_mappe = benchbase::Mappe("reportfiles");
        fs::create_directories(g_mappe + "/Dommerrapport");
        forms::App.Path = g_mappe;
        forms::App.ResourcePath = (fs::path(__FILE__).parent_path().parent_path() / "resources").string();
        benchbase::ApneNyTurnering(g_mappe, benchbase::Tabeller::UtenRanking);
        benchbase::IEnTransaksjon(fyll);
        return true;
    }();
    (void)klar;
}

// The register's button with "Alle (Boccia + Curling)" chosen: count, heading, file.
void BM_RefereeListFile(benchmark::State& state) {
    forbered();
    auto& f = forms::Default<Dommere_Init>();
    f.Show();
    f.Option3.UserClick();
    f.SSOption1.UserClick();
    for (auto _ : state) {
        f.C_ElektroniskRapport.UserClick();
        forms::Headless().boxes.clear();
    }
}
BENCHMARK(BM_RefereeListFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The match window's button for the matches of all referees.
void BM_AllRefereesMatchFile(benchmark::State& state) {
    forbered();
    auto& f = forms::Default<Dommer>();
    f.Show();
    for (auto _ : state) {
        f.SSCommand8.UserClick();
        forms::Headless().boxes.clear();
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(g_mappe + "/Dommerrapport/Dommerrapport.rtf"));
}
BENCHMARK(BM_AllRefereesMatchFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
