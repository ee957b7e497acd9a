// The referee reports on a full database: 999 referees, 100,000 match rows.
// The lists go to the recording printer, the full list also to a PDF file.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <string>

#include "BenchBase.h"
#include "platform/dao/Dao.h"
#include "platform/forms/Runtime.h"
#include "platform/printer/Printer.h"
#include "platform/printer/Recording.h"
#include "qtview/PrinterBackend.h"
#include "register/Dommere_Init.h"
#include "reports/Rapporter.h"
#include "state/ProgramState.h"

namespace {

constexpr int Dommere = 999;
constexpr int Kamper = 100000;

std::string g_mappe;

void fyll() {
    for (int nr = 1; nr <= Dommere; ++nr)
        state::DBase.Execute(
            "Insert Into Dommere (DommerNR, Dommer_FNavn, Dommer_ENavn, Dommer_Lag, Dommer_Boccia, Dommer_Curling, "
            "KlB_Dommer1, Dommer_DatoDKurs) Values (?, ?, ?, ?, ?, ?, ?, '01.02.2020')",
            {vb::Variant::Integer(nr), "Fornavn" + std::to_string(nr), "Etternavn", "Klubb", true, nr % 2 == 0,
             nr % 3 == 0});
    for (int i = 0; i < Kamper; ++i)
        state::DBase.Execute(
            "Insert Into Dommertabell (DommerNR, SekvensNR, Status, Dommer_FNavn, Dommer_ENavn, Dommer_Lag, "
            "TurneringsNavn, Turneringsdato, Dommer_HLag, Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng, Typespill) "
            "Values (?, ?, ?, 'Fornavn', 'Etternavn', 'Klubb', 'NM i Boccia 2026', '12. mars 2026', 'Hjemmelaget', "
            "'Bortelaget', 3, 2, ?)",
            {vb::Variant::Integer(1 + i % Dommere), vb::Variant::Long(i + 1), vb::Variant::Integer(i % 10 == 0 ? 3 : 0),
             i % 2 ? "BOCCIA" : "Curling"});
}

// One full tournament database, the register's report type "Alle (Boccia + Curling)".
void database() {
    static bool klar = [] {
        g_mappe = benchbase::Mappe("reports");
        forms::App.Path = g_mappe;
        benchbase::ApneNyTurnering(g_mappe);
        benchbase::IEnTransaksjon(fyll);
        state::DBase2 = state::Arbeidsomrade->OpenDatabase(state::Databasenavn);
        forms::Default<Dommere_Init>().SSOption1.SetValue(true);
        return true;
    }();
    (void)klar;
}

template <class Rapport>
void TilOpptaker(benchmark::State& s, Rapport rapport) {
    database();
    printer::ResetPrinter();
    for (auto _ : s) {
        printer::Recorder().clear();
        rapport();
    }
    s.counters["sider"] = printer::Recorder().last().pages;
}

void BM_Registrerte_Dommere(benchmark::State& s) { TilOpptaker(s, Print_Registrerte_Dommere); }
void BM_Dommerstatus(benchmark::State& s) {
    TilOpptaker(s, [] {
        int16_t spill = 1;
        Print_Dommerstatus(spill);
    });
}
void BM_Antall_Domte_Kamper(benchmark::State& s) { TilOpptaker(s, Print_Antall_Domte_Kamper); }

void BM_Registrerte_Dommere_Pdf(benchmark::State& s) {
    database();
    qtview::QtPrinterBackend pdf;
    pdf.setPdfFile(QString::fromStdString(g_mappe + "/liste.pdf"));
    printer::SetBackend(&pdf);
    for (auto _ : s) Print_Registrerte_Dommere();
    printer::SetBackend(nullptr);
}

} // namespace

BENCHMARK(BM_Registrerte_Dommere)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Dommerstatus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Antall_Domte_Kamper)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Registrerte_Dommere_Pdf)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    forms::ResetDefaults();
    state::ResetProgramState();
    return 0;
}
