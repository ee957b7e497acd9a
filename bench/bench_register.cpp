// The referee register on a full database: 999 referees, 100,000 match rows;
// the refresh and the showing also with the window on screen.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "BenchBase.h"
#include "Skjerm.h"
#include "matches/Dommer.h"
#include "platform/dao/Dao.h"
#include "platform/forms/Runtime.h"
#include "register/Dommere_Init.h"
#include "register/LesInn.h"
#include "state/ProgramState.h"

namespace {

constexpr int Dommere = 999;
using benchbase::Kamper;
using Klokke = std::chrono::steady_clock;

double sekunderSiden(Klokke::time_point start) { return std::chrono::duration<double>(Klokke::now() - start).count(); }

void fyllDommere(dao::Database& db) {
    dao::Workspace& ws = dao::DBEngine::Workspaces(0);
    ws.BeginTrans();
    for (int nr = 1; nr <= Dommere; ++nr)
        db.Execute("Insert Into Dommere (DommerNR, Dommer_FNavn, Dommer_ENavn, Dommer_Lag, Dommer_Boccia, KlB_Dommer1) "
                   "Values (?, ?, ?, ?, ?, ?)",
                   {vb::Variant::Integer(nr), "Fornavn" + std::to_string(nr), "Etternavn", "Klubb", nr % 2 == 0,
                    nr % 3 == 0});
    ws.CommitTrans();
}

void fyllKamper(int nr, int antall, long start) {
    dao::Workspace& ws = dao::DBEngine::Workspaces(0);
    ws.BeginTrans();
    for (int i = 0; i < antall; ++i)
        state::DBase.Execute(
            "Insert Into Dommertabell (DommerNR, SekvensNR, Status, TurneringsNavn, Typespill) Values (?, ?, 0, 'NM', 'BOCCIA')",
            {vb::Variant::Integer(nr > 0 ? nr : 1 + i % Dommere), vb::Variant::Long(start + i)});
    ws.CommitTrans();
}

// A full tournament database with this many matches, made once, open, with the register shown on it.
Dommere_Init& register_(int kamper = Kamper) {
    benchbase::ApneTurnering("register", kamper, [kamper] {
        fyllDommere(state::DBase);
        fyllKamper(0, kamper, 1);
    });
    auto& form = forms::Default<Dommere_Init>();
    form.Show();
    form.Form_Activate();
    return form;
}

int radFor(Dommere_Init& f, int nr) {
    for (int r = 1; r < f.MSFlexGrid1.Rows(); ++r)
        if (std::stoi(f.MSFlexGrid1.TextMatrix(r, 0)) == nr) return r;
    return 0;
}

// Each return to the register; with the window on screen, until it has drawn the refill.
void BM_Oppfrisking(benchmark::State& s) {
    Dommere_Init& f = register_(static_cast<int>(s.range(0)));
    benchbase::Skjerm skjerm(s.range(1) != 0);
    skjerm.vis(f);
    benchbase::TidMedTegning(s, [&f] { f.Form_Activate(); });
    s.counters["rader"] = f.MSFlexGrid1.Rows() - 1;
}
BENCHMARK(BM_Oppfrisking)->Apply(benchbase::MedOgUtenSkjerm);

void BM_VisRegisteret(benchmark::State& s) {
    register_(static_cast<int>(s.range(0)));
    benchbase::Skjerm skjerm(s.range(1) != 0);
    benchbase::TidApning<Dommere_Init>(s, skjerm);
    s.counters["rader"] = forms::Default<Dommere_Init>().MSFlexGrid1.Rows() - 1;
}
BENCHMARK(BM_VisRegisteret)->Apply(benchbase::MedOgUtenSkjerm);

// What a save and a deletion spend on the refill of list and grid that follows them.
void BM_FyllListeOgRutenett(benchmark::State& s) {
    Dommere_Init& f = register_();
    for (auto _ : s) {
        f.Fyll_List1();
        f.Fyll_MSFlexgrid1();
    }
}
BENCHMARK(BM_FyllListeOgRutenett)->Unit(benchmark::kMillisecond);

// A referee's changed name saved, beside a match saved by hand in the match window on the same
// file, with their refills; the two take turns at going first. The time is the referee's save,
// the match save's time (kamplagring_ms) and the ratio (forhold) are counters.
void BM_LagreEndring(benchmark::State& s) {
    Dommere_Init& f = register_(static_cast<int>(s.range(0)));
    f.Option2.UserClick();
    Dommer& kamp = forms::Default<Dommer>();
    kamp.Show();
    int runde = 0;
    double dommer = 0, kamplagring = 0;
    const auto lagreDommer = [&] {
        f.Text4.SetText("500");
        f.Text1.SetText("Navn" + std::to_string(runde));
        f.SSCheck1.SetValue(1);
        f.Option7.SetValue(true);
        const auto start = Klokke::now();
        f.SSCommand2_Click();
        return sekunderSiden(start);
    };
    const auto lagreKamp = [&] {
        kamp.Text4.SetText("500");
        kamp.Text1.SetText("Fornavn500");
        kamp.Text5.SetText("Vårcup");
        kamp.Text6.SetText("3. mai 2026");
        kamp.SSCheck1.SetValue(1);
        kamp.Text8(2).SetText("3");
        const auto start = Klokke::now();
        kamp.SSCommand2_Click();
        return sekunderSiden(start);
    };
    for (auto _ : s) {
        const bool dommerForst = ++runde % 2 == 0;
        const double k = dommerForst ? 0 : lagreKamp();
        const double d = lagreDommer();
        kamplagring += dommerForst ? lagreKamp() : k;
        dommer += d;
        s.SetIterationTime(d);
    }
    s.counters["kamplagring_ms"] = kamplagring * 1000 / runde;
    s.counters["forhold"] = dommer / kamplagring;
    kamp.Unload();
}
BENCHMARK(BM_LagreEndring)->Arg(Kamper)->Arg(benchbase::MangeKamper)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_SlettDommerMed1000Kamper(benchmark::State& s) {
    Dommere_Init& f = register_();
    f.Option2.UserClick();
    long sekvens = 10'000'000;
    for (auto _ : s) {
        s.PauseTiming();
        state::DBase.Execute("Insert Into Dommere (DommerNR, Dommer_FNavn) Values (1000, 'Slettes')");
        fyllKamper(1000, 1000, sekvens);
        sekvens += 1000;
        f.Fyll_MSFlexgrid1();
        f.MSFlexGrid1.SetRow(radFor(f, 1000));
        forms::Headless().setNextAnswer(forms::vbYes);
        s.ResumeTiming();
        f.C_SlettDommer_Click();
    }
}
BENCHMARK(BM_SlettDommerMed1000Kamper)->Unit(benchmark::kMillisecond);

void BM_NullstillAlleKamper(benchmark::State& s) {
    Dommere_Init& f = register_();
    for (auto _ : s) {
        forms::Headless().setNextAnswer(forms::vbYes);
        f.SSCommand10_Click();
        s.PauseTiming();
        fyllKamper(0, Kamper, 1);
        s.ResumeTiming();
    }
}
BENCHMARK(BM_NullstillAlleKamper)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

void BM_LedigeNummer(benchmark::State& s) {
    Dommere_Init& f = register_();
    state::DBase.Execute("Delete From Dommere Where DommerNR In (10, 500, 998)");
    for (auto _ : s) f.Command1_Click();
    s.counters["ledige"] = f.List2.ListCount();
}
BENCHMARK(BM_LedigeNummer)->Unit(benchmark::kMillisecond);

void BM_LesInn999(benchmark::State& s) {
    register_();
    // The source: another file with a full register, made once.
    static const std::string kilde = [] {
        const std::string sti = benchbase::Mappe("register-kilde") + "/Kilde.KVX";
        dao::Database mal = state::DBase;
        benchbase::LagTurneringsbase(sti);
        fyllDommere(state::DBase);
        state::DBase.Close();
        state::DBase = mal;
        return sti;
    }();
    state::Filsti = kilde;
    for (auto _ : s) {
        s.PauseTiming();
        state::DBase.Execute("Delete From Dommere");
        forms::Headless().boxes.clear();
        s.ResumeTiming();
        Les_Inn_Dommerbase();
    }
    s.counters["dommere"] = static_cast<double>(
        vb::CLng(state::DBase.OpenRecordset("Select Count(*) From Dommere").Get(0)));
}
BENCHMARK(BM_LesInn999)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return benchbase::KjorMedSkjerm(argc, argv); }
