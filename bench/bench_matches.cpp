// The match windows on a full database: 999 referees, 100,000 active matches
// and a tenth as many deleted ones; the refills and the showing also with the window on screen.
#include <benchmark/benchmark.h>

#include <string>

#include "BenchBase.h"
#include "Skjerm.h"
#include "matches/Dommer.h"
#include "matches/VisSletteData.h"
#include "platform/dao/Dao.h"
#include "platform/forms/Runtime.h"
#include "platform/printer/Printer.h"
#include "platform/printer/Recording.h"
#include "state/ProgramState.h"

namespace {

constexpr int Dommere = 999;
constexpr int Kamper = 100000;

void fyll(int kamper) {
    const int slettede = kamper / 10;
    for (int nr = 1; nr <= Dommere; ++nr)
        state::DBase.Execute("Insert Into Dommere (DommerNR, Dommer_FNavn, Dommer_ENavn, Dommer_Lag) Values (?, ?, ?, ?)",
                             {vb::Variant::Integer(nr), "Fornavn" + std::to_string(nr), "Etternavn", "Klubb"});
    for (int i = 0; i < kamper + slettede; ++i)
        state::DBase.Execute(
            "Insert Into Dommertabell (DommerNR, SekvensNR, Status, TurneringsNavn, Turneringsdato, Dommer_HLag, "
            "Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng, Typespill, DatoEndret) "
            "Values (?, ?, ?, ?, '12. mai 2026', ?, ?, ?, ?, 'BOCCIA', ?)",
            {vb::Variant::Integer(1 + i % Dommere), vb::Variant::Long(i + 1), vb::Variant::Integer(i < kamper ? 0 : 3),
             "Turnering " + std::to_string(i % 50), "Lag " + std::to_string(i % 37), "Lag " + std::to_string(i % 41),
             vb::Variant::Integer(i % 7), vb::Variant::Integer(i % 5),
             i < kamper ? vb::Variant(vb::Null) : vb::Variant("8. des 2026")});
    // Some matches entered twice, each pair once with the game in other letters.
    state::DBase.Execute("Insert Into Dommertabell (DommerNR, SekvensNR, Status, TurneringsNavn, Turneringsdato, "
                         "Dommer_HLag, Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng, Typespill) "
                         "Select DommerNR, SekvensNR + 1000000, Status, TurneringsNavn, Turneringsdato, Dommer_HLag, "
                         "Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng, Case When SekvensNR % 200 = 0 Then 'BOCCIA' "
                         "Else 'Boccia' End From Dommertabell Where SekvensNR % 100 = 0");
}

// A full tournament database with this many active matches, made once, open, with the match window shown on it.
Dommer& vindu(int kamper = Kamper) {
    benchbase::ApneTurnering("matches", kamper, [kamper] { benchbase::IEnTransaksjon([kamper] { fyll(kamper); }); });
    auto& form = forms::Default<Dommer>();
    form.Show();
    return form;
}

// With the window on screen, until it has drawn the refill.
void BM_Dommerliste(benchmark::State& s) {
    Dommer& f = vindu(static_cast<int>(s.range(0)));
    benchbase::Skjerm skjerm(s.range(1) != 0);
    skjerm.vis(f);
    benchbase::TidMedTegning(s, [&f] { f.Fyll_Dommerliste(); });
    s.counters["rader"] = f.MSFlexGrid2.Rows() - 1;
}
BENCHMARK(BM_Dommerliste)->Apply(benchbase::MedOgUtenSkjerm);

void BM_Kampliste(benchmark::State& s) {
    Dommer& f = vindu(static_cast<int>(s.range(0)));
    benchbase::Skjerm skjerm(s.range(1) != 0);
    skjerm.vis(f);
    f.Text4.SetText("500");
    benchbase::TidMedTegning(s, [&f] { f.Fyll_Kampliste(); });
    s.counters["rader"] = f.MSFlexGrid1.Rows() - 1;
}
BENCHMARK(BM_Kampliste)->Apply(benchbase::MedOgUtenSkjerm);

void BM_VisKampvinduet(benchmark::State& s) {
    vindu(static_cast<int>(s.range(0)));
    benchbase::Skjerm skjerm(s.range(1) != 0);
    benchbase::TidApning<Dommer>(s, skjerm);
    s.counters["rader"] = forms::Default<Dommer>().MSFlexGrid2.Rows() - 1;
}
BENCHMARK(BM_VisKampvinduet)->Apply(benchbase::MedOgUtenSkjerm);

void BM_ManuellLagring(benchmark::State& s) {
    Dommer& f = vindu();
    for (auto _ : s) {
        s.PauseTiming();
        f.Text4.SetText("500");
        f.Text1.SetText("Fornavn500");
        f.Text5.SetText("Vårcup");
        f.Text6.SetText("3. mai 2026");
        f.Text8(2).SetText("3");
        f.SSCheck1.SetValue(1);
        s.ResumeTiming();
        f.SSCommand2_Click();
    }
}
BENCHMARK(BM_ManuellLagring)->Unit(benchmark::kMillisecond);

void BM_Duplikatsok(benchmark::State& s) {
    Dommer& f = vindu();
    for (auto _ : s) {
        f.SSCommand5_Click();
        s.PauseTiming();
        s.counters["linjer"] = f.MSFlexGrid1.Rows() - 1;
        f.SSCommand5_Click();
        s.ResumeTiming();
    }
}
BENCHMARK(BM_Duplikatsok)->Unit(benchmark::kMillisecond);

void BM_VisSletteData(benchmark::State& s) {
    vindu();
    for (auto _ : s) {
        forms::Default<VisSletteData>().Load();
        s.PauseTiming();
        s.counters["rader"] = forms::Default<VisSletteData>().MSFlexGrid1.Rows() - 1;
        forms::Default<VisSletteData>().Unload();
        s.ResumeTiming();
    }
}
BENCHMARK(BM_VisSletteData)->Unit(benchmark::kMillisecond);

void BM_KamprapportAlleDommere(benchmark::State& s) {
    Dommer& f = vindu();
    printer::ResetPrinter();
    for (auto _ : s) {
        f.SSCommand7_Click();
        s.PauseTiming();
        s.counters["sider"] = printer::Recorder().last().pages;
        printer::Recorder().clear();
        s.ResumeTiming();
    }
}
BENCHMARK(BM_KamprapportAlleDommere)->Unit(benchmark::kMillisecond);

// The same run to a backend that measures as the recording one does but keeps nothing:
// what the report itself costs, apart from the recorder's storage of its 700,000 texts.
class Tellebakende : public printer::Backend {
public:
    printer::PageSize pageSize() override { return printer::Recorder().page; }
    double textWidth(const std::string& t, const printer::Font& f) override { return printer::Recorder().textWidth(t, f); }
    double lineHeight(const printer::Font& f) override { return printer::Recorder().lineHeight(f); }
    void startDoc() override {}
    void text(const printer::PrintedText&) override { ++tekster; }
    void newPage() override {}
    void endDoc() override {}
    void killDoc() override {}
    long tekster = 0;
};

void BM_KamprapportAlleDommereUtenLagring(benchmark::State& s) {
    Dommer& f = vindu();
    Tellebakende bakende;
    printer::SetBackend(&bakende);
    for (auto _ : s) f.SSCommand7_Click();
    printer::SetBackend(nullptr);
    s.counters["tekster"] = static_cast<double>(bakende.tekster) / static_cast<double>(s.iterations());
}
BENCHMARK(BM_KamprapportAlleDommereUtenLagring)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return benchbase::KjorMedSkjerm(argc, argv); }
