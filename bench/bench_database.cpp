// The tournament database's costly moments: making a new file, opening and
// upgrading a full version-1 file, and saving a full file under a new name.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "BenchBase.h"
#include "database/Database.h"
#include "database/Schema.h"
#include "platform/dao/Dao.h"
#include "platform/forms/Runtime.h"
#include "state/ProgramState.h"

namespace fs = std::filesystem;
using namespace turneringsdb;

namespace {

constexpr int Dommere = 999;
constexpr int Kamper = 100000;

const std::string& Felles() {
    static const std::string sti = [] {
        const std::string mappe = benchbase::Mappe("database");
        forms::App.Path = mappe;
        state::Arbeidsomrade = &dao::DBEngine::Workspaces(0);
        return mappe;
    }();
    return sti;
}

bool KomMedTrinn(const std::string& tabell, const std::string& kolonne) {
    for (const Oppgraderingstrinn& t : Oppgraderingstrinnene())
        for (const NyKolonne& k : t.kolonner)
            if (tabell == k.tabell && kolonne == k.kolonne.navn) return true;
    return false;
}

// A version-1 file: the first layout, without every column a later step adds
// and without the ranking tables.
void LagVersjon1(const std::string& sti) {
    dao::Database db = dao::DBEngine::Workspaces(0).CreateDatabase(sti);
    for (const Tabell* t : {&VersjonTabell(), &DommereTabell(), &DommertabellTabell()}) {
        Tabell gammel{t->navn, {}, t->indeksnavn, t->indekskolonne};
        for (const Kolonne& k : t->kolonner)
            if (!KomMedTrinn(t->navn, k.navn)) gammel.kolonner.push_back(k);
        LagTabell(db, gammel);
    }
    db.Execute("INSERT INTO Versjon (DatabaseID, TurneringsNavn) VALUES (?, ?)",
               {vb::Variant::Integer(1), "Norges Valmorisk"});
    dao::Workspace& ws = dao::DBEngine::Workspaces(0);
    ws.BeginTrans();
    for (int nr = 1; nr <= Dommere; ++nr)
        db.Execute("INSERT INTO Dommere (DommerNR, Dommer_FNavn, Dommer_ENavn, Dommer_Lag, Dommer_Boccia) "
                   "VALUES (?, ?, ?, ?, ?)",
                   {vb::Variant::Integer(nr), "Fornavn" + std::to_string(nr), "Etternavn", "Klubb", true});
    for (int sekvens = 1; sekvens <= Kamper; ++sekvens)
        db.Execute("INSERT INTO Dommertabell (DommerNR, SekvensNR, Status, Dommer_FNavn, Dommer_ENavn, "
                   "Dommer_Lag, TurneringsNavn, Turneringsdato, Typespill) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                   {vb::Variant::Integer(sekvens % Dommere + 1), sekvens, vb::Variant::Integer(0), "Fornavn",
                    "Etternavn", "Klubb", "NM", "08. desember 2026", "BOCCIA"});
    ws.CommitTrans();
    db.Close();
}

const std::string& Mal() {
    static const std::string sti = [] {
        const std::string s = Felles() + "/mal.KVX";
        LagVersjon1(s);
        return s;
    }();
    return sti;
}

void Apne(const std::string& sti) {
    state::Katalog = fs::path(sti).parent_path().string() + "/";
    state::Filnavn = fs::path(sti).filename().string();
    Sett_Databasenavn();
    Oppgrader_Database();
}

void NyDatabase(benchmark::State& s) {
    const std::string sti = Felles() + "/Ny.kvx";
    for (auto _ : s) {
        state::Databasenavn = sti;
        Opprett_Ny_Database();
        s.PauseTiming();
        if (state::DBase.IsNothing()) s.SkipWithError("not created");
        state::ResetProgramState();
        state::Arbeidsomrade = &dao::DBEngine::Workspaces(0);
        fs::remove(sti);
        s.ResumeTiming();
    }
}
BENCHMARK(NyDatabase)->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(5)->ReportAggregatesOnly(true);

void ApneOgOppgrader(benchmark::State& s) {
    const std::string sti = Felles() + "/Oppgrader.KVX";
    for (auto _ : s) {
        s.PauseTiming();
        state::ResetProgramState();
        state::Arbeidsomrade = &dao::DBEngine::Workspaces(0);
        fs::copy_file(Mal(), sti, fs::copy_options::overwrite_existing);
        s.ResumeTiming();
        Apne(sti);
        s.PauseTiming();
        if (state::DBase.IsNothing() || !state::DBase.TableDef_("Dommere").FindField("KlC_Overdommer"))
            s.SkipWithError("not upgraded");
        s.ResumeTiming();
    }
    state::ResetProgramState();
}
BENCHMARK(ApneOgOppgrader)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(5)->ReportAggregatesOnly(true);

void LagreSom(benchmark::State& s) {
    const std::string original = Felles() + "/Full.KVX";
    fs::copy_file(Mal(), original, fs::copy_options::overwrite_existing);
    const std::string mappe = Felles() + "/kopier";
    fs::create_directories(mappe);
    state::ResetProgramState();
    state::Arbeidsomrade = &dao::DBEngine::Workspaces(0);
    Apne(original);
    for (auto _ : s) {
        state::Katalog = mappe + "/";
        state::Filnavn = "Kopi";
        Lagre_Database_Som();
        s.PauseTiming();
        if (state::Databasenavn != mappe + "/Kopi.KVX") s.SkipWithError("not saved");
        Apne(original);
        fs::remove(mappe + "/Kopi.KVX");
        s.ResumeTiming();
    }
    state::ResetProgramState();
}
BENCHMARK(LagreSom)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
