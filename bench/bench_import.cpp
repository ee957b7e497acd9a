// The result import into a full tournament database (999 referees, 100,000
// matches), headless and with its window on screen, beside a bare SQLite program
// doing the same inserts and updates in one transaction over the same two files.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <unordered_set>

#include "BenchBase.h"
#include "Skjerm.h"
#include "Resultatfilskriver.h"
#include "database/Database.h"
#include "import/HentDommerFil.h"
#include "import/Innlesing.h"
#include "import/SisteFil.h"
#include "platform/dao/Dao.h"
#include "platform/forms/Runtime.h"
#include "state/ProgramState.h"

namespace {

namespace fs = std::filesystem;

constexpr int Dommere = 999;
constexpr int StorFil = 500000;   // rows of the largest result file
using benchbase::Kamper;

std::string mappe() {
    static const std::string m = benchbase::Mappe("import");
    return m;
}

// The file at sti as the pristine one at mal. The pristine files stay on disk, not in
// memory, so that the memory measured is the import's.
void kopier(const std::string& sti, const std::string& mal) {
    fs::remove(sti + "-journal");
    fs::copy_file(mal, sti, fs::copy_options::overwrite_existing);
}

// The pristine tournament database with this many matches, made once; its path.
const std::string& tomDatabase(int kamper) {
    static std::map<int, std::string> baser;
    std::string& sti = baser[kamper];
    if (sti.empty()) {
        sti = mappe() + "/mal" + std::to_string(kamper) + ".KVX";
        benchbase::LagTurneringsbase(sti);
        benchbase::IEnTransaksjon([kamper] {
            for (int nr = 1; nr <= Dommere; ++nr)
                state::DBase.Execute("Insert Into Dommere (DommerNR, Dommer_FNavn, Dommer_ENavn) Values (?, ?, 'Etternavn')",
                                     {vb::Variant::Integer(nr), "Fornavn" + std::to_string(nr)});
            for (int i = 0; i < kamper; ++i)
                state::DBase.Execute("Insert Into Dommertabell (DommerNR, SekvensNR, Status, TurneringsNavn, Turneringsdato, Dommer_HLag, "
                                     "Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng, Typespill) Values (?, ?, 0, 'NM', '1. mai 2025', ?, 'Ørn', 3, 2, 'BOCCIA')",
                                     {vb::Variant::Integer(1 + i % Dommere), vb::Variant::Long(i + 1), "Lag" + std::to_string(i)});
        });
        state::DBase.Close();
    }
    return sti;
}

// A pristine result file of n rows of registered referees; every fifth row is a match
// stored already (as a second reading of a tournament has), the others are new. Its path.
const std::string& resultatfil(int rader) {
    static std::map<int, std::string> filer;
    auto& sti = filer[rader];
    if (sti.empty()) {
        resultatfil::Innhold innhold;
        innhold.turneringsnavn = "NM i Boccia";
        innhold.turneringsdato = "1. mai 2026";
        for (int i = 0; i < rader; ++i) {
            const bool lagret = i % 5 == 0;
            innhold.rader.push_back({std::to_string(1 + i % Dommere), "0", "Fornavn", "Etternavn", "Klubb", "NM",
                                     lagret ? "1. mai 2025" : "1. mai 2026", "BOCCIA", "Lag" + std::to_string(i), "Ørn",
                                     lagret ? "3" : std::to_string(i % 13), "2"});
        }
        sti = mappe() + "/mal" + std::to_string(rader) + ".dkv";
        resultatfil::Skriv(sti, innhold);
    }
    return sti;
}

// With the window on screen the time runs until it has drawn the rows read in.
void BM_Innlesing(benchmark::State& s) {
    const int rader = static_cast<int>(s.range(0)), kamper = static_cast<int>(s.range(1));
    const std::string db = mappe() + "/T.KVX";
    const std::string dkv = mappe() + "/fil.dkv";
    tomDatabase(kamper);
    state::Arbeidsomrade = &dao::DBEngine::Workspaces(0);
    benchbase::Skjerm skjerm(s.range(2) != 0);
    for (auto _ : s) {
        s.PauseTiming();
        innlesing::Glem_Siste_Fil();
        state::ResetProgramState();
        forms::ResetDefaults();
        kopier(db, tomDatabase(kamper));
        kopier(dkv, resultatfil(rader));
        state::DBase = dao::DBEngine::Workspaces(0).OpenDatabase(db);
        state::Databasenavn = db;
        state::Filsti = dkv;
        skjerm.vis(forms::Default<HentDommerFil>());
        benchbase::NyMinnetopp();
        s.ResumeTiming();
        Les_Inn_Dommerfil();
        benchbase::Skjerm::tegn();
        s.PauseTiming();
        benchbase::MerkMinnetopp(s);
        // Every fifth row is a match stored already, where the database holds one with its number.
        if (forms::Default<HentDommerFil>().Text3.Text() != std::to_string(rader - (std::min(rader, kamper) + 4) / 5)) {
            s.SkipWithError("the new rows were not read in, or a duplicate was");
            break;
        }
        s.ResumeTiming();
    }
    forms::ResetDefaults();
}
BENCHMARK(BM_Innlesing)
    ->ArgsProduct({{5000, 50000}, {Kamper, benchbase::MangeKamper}, {0, 1}})
    ->ArgNames({"rader", "kamper", "visning"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
// A very large result file, for the memory it takes (okning_MB) beside the bare SQLite's.
BENCHMARK(BM_Innlesing)->ArgsProduct({{StorFil}, {Kamper, benchbase::MangeKamper}, {1}})->ArgNames({"rader", "kamper", "visning"})->Iterations(1)
    ->Unit(benchmark::kMillisecond)->UseRealTime();

void kjor(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) std::abort();
}

// A row's match key (referee, teams, points, tournament, date, game) as one text: each
// field after its length, so that equal keys are equal field by field.
std::string nokkel(sqlite3_stmt* st, std::initializer_list<int> kolonner) {
    std::string k;
    for (int c : kolonner) {
        if (sqlite3_column_type(st, c) == SQLITE_NULL) return {};
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
        const int n = sqlite3_column_bytes(st, c);
        k.append(reinterpret_cast<const char*>(&n), sizeof n).append(t, static_cast<size_t>(n));
    }
    return k;
}

// The same checks and writes with a hash set: unknown referees marked 2, duplicates of a live
// match or of an earlier row marked 4, the rest appended with the next numbers and marked 1,
// row by row with prepared statements in one transaction.
void BM_BareSqlite(benchmark::State& s) {
    const int rader = static_cast<int>(s.range(0)), kamper = static_cast<int>(s.range(1));
    const std::string db = mappe() + "/B.KVX", dkv = mappe() + "/b.dkv";
    for (auto _ : s) {
        s.PauseTiming();
        kopier(db, tomDatabase(kamper));
        kopier(dkv, resultatfil(rader));
        benchbase::NyMinnetopp();
        s.ResumeTiming();
        sqlite3* c = nullptr;
        sqlite3_open(db.c_str(), &c);
        kjor(c, "PRAGMA locking_mode = EXCLUSIVE");
        const std::string attach = "ATTACH '" + dkv + "' AS f";
        kjor(c, attach.c_str());
        kjor(c, "BEGIN");
        kjor(c, "UPDATE f.dommerdata SET Status = 2 WHERE DommerNR NOT IN (SELECT DommerNR FROM Dommere WHERE DommerNR IS NOT NULL)");
        sqlite3_stmt *maks, *velg, *sett, *merk, *levende;
        sqlite3_prepare_v2(c, "SELECT max(0, coalesce(max(SekvensNR), 0)) FROM Dommertabell", -1, &maks, nullptr);
        sqlite3_step(maks);
        long long sekvens = sqlite3_column_int64(maks, 0);
        sqlite3_finalize(maks);
        std::unordered_set<std::string> kjent;
        sqlite3_prepare_v2(c, "SELECT DommerNR, Dommer_HLag, Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng, TurneringsNavn, "
                              "Turneringsdato, Typespill FROM Dommertabell WHERE Status < 3 AND Turneringsdato IN "
                              "(SELECT Turneringsdato FROM f.dommerdata WHERE Status = 0)",
                           -1, &levende, nullptr);
        while (sqlite3_step(levende) == SQLITE_ROW)
            if (std::string k = nokkel(levende, {0, 1, 2, 3, 4, 5, 6, 7}); !k.empty()) kjent.insert(std::move(k));
        sqlite3_finalize(levende);
        sqlite3_prepare_v2(c, "SELECT rowid, DommerNR, Dommer_ForNavn, Dommer_EtterNavn, Dommer_Lag, Turneringsdato, Turneringsnavn, "
                              "HLag, BLag, HPoeng, BPoeng, TypeSpill FROM f.dommerdata WHERE Status = 0 ORDER BY rowid",
                           -1, &velg, nullptr);
        sqlite3_prepare_v2(c, "INSERT INTO Dommertabell (DommerNR, SekvensNR, Status, Dommer_FNavn, Dommer_ENavn, Dommer_Lag, "
                              "Turneringsdato, TurneringsNavn, Dommer_HLag, Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng, Typespill) "
                              "VALUES (?, ?, 0, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                           -1, &sett, nullptr);
        sqlite3_prepare_v2(c, "UPDATE f.dommerdata SET Status = ? WHERE rowid = ?", -1, &merk, nullptr);
        while (sqlite3_step(velg) == SQLITE_ROW) {
            const std::string k = nokkel(velg, {1, 7, 8, 9, 10, 6, 5, 11});
            if (!k.empty() && !kjent.insert(k).second) {
                sqlite3_bind_int(merk, 1, 4);
                sqlite3_bind_int64(merk, 2, sqlite3_column_int64(velg, 0));
                sqlite3_step(merk);
                sqlite3_reset(merk);
                continue;
            }
            sqlite3_bind_value(sett, 1, sqlite3_column_value(velg, 1));
            sqlite3_bind_int64(sett, 2, ++sekvens);
            for (int k = 2; k <= 11; ++k) sqlite3_bind_value(sett, k + 1, sqlite3_column_value(velg, k));
            sqlite3_step(sett);
            sqlite3_reset(sett);
            sqlite3_bind_int(merk, 1, 1);
            sqlite3_bind_int64(merk, 2, sqlite3_column_int64(velg, 0));
            sqlite3_step(merk);
            sqlite3_reset(merk);
        }
        for (auto* st : {velg, sett, merk}) sqlite3_finalize(st);
        kjor(c, "UPDATE f.Versjon SET Status = 1");
        kjor(c, "COMMIT");
        sqlite3_close(c);
        benchbase::MerkMinnetopp(s);
    }
}
BENCHMARK(BM_BareSqlite)
    ->ArgsProduct({{5000, 50000}, {Kamper, benchbase::MangeKamper}})
    ->ArgNames({"rader", "kamper"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_BareSqlite)->ArgsProduct({{StorFil}, {Kamper, benchbase::MangeKamper}})->ArgNames({"rader", "kamper"})->Iterations(1)
    ->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) { return benchbase::KjorMedSkjerm(argc, argv); }
