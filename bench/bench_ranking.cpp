// The ranking window on full lists: 29 lists with 3,000 entries, 100 in each
// list but the last, which holds 200.
#include <benchmark/benchmark.h>

#include <string>

#include "BenchBase.h"
#include "platform/dao/Dao.h"
#include "platform/forms/Runtime.h"
#include "platform/printer/Printer.h"
#include "platform/printer/Recording.h"
#include "ranking/Ranking.h"
#include "state/ProgramState.h"

namespace {

constexpr int Poster = 3000;
class AnnetVindu : public forms::Form {
public:
    AnnetVindu() : forms::Form("AnnetVindu") { MDIChild = true; }
};

void fyllPoster() {
    for (int i = 0; i < Poster; ++i) {
        const int liste = i < 2800 ? 1 + i / 100 : 29;
        const int plass = i < 2800 ? i % 100 : i - 2800;
        const bool trukket = plass % 3 == 2;
        // Stored out of order, so that the first refresh has real renumbering to do.
        state::DBase.Execute(
            "Insert Into Ranking (Nr, KlasseNr, Rank_Nr, Trukket, ForNavn, EtterNavn, Klubb) Values (?, ?, ?, ?, ?, ?, ?)",
            {vb::Variant::Integer(200 - plass), vb::Variant::Integer(liste), vb::Variant::Integer(trukket ? 0 : plass + 1),
             vb::Variant::Integer(trukket ? plass + 1 : 0), "Fornavn" + std::to_string(i), "Etternavn", "Klubb"});
    }
}

// One tournament database with the 29 full lists and the ranking window shown on it.
Ranking& rankingvindu() {
    static Ranking* f = [] {
        benchbase::ApneNyTurnering(benchbase::Mappe("ranking"));
        state::DBase.Execute("Insert Into Dommere (DommerNR, Dommer_FNavn) Values (1, 'Kari')");
        benchbase::IEnTransaksjon(fyllPoster);
        auto& form = forms::Default<Ranking>();
        form.Show();
        return &form;
    }();
    return *f;
}

// The refresh the window runs each time the user comes back to it.
void BM_Aktivering(benchmark::State& state) {
    Ranking& f = rankingvindu();
    auto& annet = forms::Default<AnnetVindu>();
    for (auto _ : state) {
        annet.Show();
        f.Activate();
    }
}
BENCHMARK(BM_Aktivering)->Unit(benchmark::kMillisecond);

// A new entry ranked third in a list of 100: nearly every entry of the list moves one place.
void BM_NyPost(benchmark::State& state) {
    Ranking& f = rankingvindu();
    f.Option1.UserClick();
    for (auto _ : state) {
        state.PauseTiming();
        state::DBase.Execute("Delete From Ranking Where ForNavn = 'Ny'");
        f.Text1.SetText("Ny");
        f.Text2.SetText("Spiller");
        f.Text4.SetText("3");   // free: the third place of each list holds a drawn entry
        f.Text10.SetText("");
        state.ResumeTiming();
        f.SSCommand4.UserClick();
    }
    if (!forms::Headless().boxes.empty()) state.SkipWithError(forms::Headless().boxes.back().prompt.c_str());
    state::DBase.Execute("Delete From Ranking Where ForNavn = 'Ny'");
}
BENCHMARK(BM_NyPost)->Unit(benchmark::kMillisecond);

// The 200-entry list to the recording printer.
void BM_Utskrift(benchmark::State& state) {
    Ranking& f = rankingvindu();
    printer::ResetPrinter();
    for (auto _ : state) {
        printer::Recorder().clear();
        f.Print_Rankingliste_Klasse(29, 29);
    }
    if (printer::Recorder().last().texts.size() < 200 * 5) state.SkipWithError("the list did not print");
}
BENCHMARK(BM_Utskrift)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
