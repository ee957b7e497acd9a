// The database layer against raw SQLite: appending the match table's rows
// through AddNew/Update in one transaction (the layer should stay within twice
// the raw cost), counting one referee's matches by the index, and opening a file.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

#include "BenchBase.h"
#include "platform/dao/Dao.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRows = 100000;
constexpr int kReferees = 999;   // numbers 1 to 999, about 100 matches each
const char* const kTextColumns[] = {"Dommer_FNavn", "Dommer_ENavn", "Dommer_Lag", "TurneringsNavn", "Turneringsdato", "Dommer_HLag", "Dommer_BLag"};

dao::Workspace& Ws() { return dao::DBEngine::Workspaces(0); }

const std::string& Scratch() {
    static const std::string folder = benchbase::Mappe("dao");
    return folder;
}

// The values one row is made of, taken round from small pools as real data repeats.
struct Row {
    int referee, sequence, status, home, away;
    const std::string* texts[7];
    const std::string* game;
};

std::vector<Row> MakeRows() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (int i = 0; i < 97; ++i) v.push_back("Navn nummer " + std::to_string(i) + " Ørnes");
        return v;
    }();
    static const std::vector<std::string> games = {"BOCCIA", "CURLING"};
    std::vector<Row> rows;
    rows.reserve(kRows);
    for (int i = 0; i < kRows; ++i) {
        Row r{i % kReferees + 1, i + 1, i % 7 == 0 ? 3 : 0, i % 13, i % 11, {}, &games[static_cast<size_t>(i % 2)]};
        for (int t = 0; t < 7; ++t) r.texts[t] = &names[static_cast<size_t>((i + t * 7) % 97)];
        rows.push_back(r);
    }
    return rows;
}

const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = MakeRows();
    return rows;
}

void AddMatchTable(dao::Database& db) {
    dao::TableDef t = db.CreateTableDef("Dommertabell");
    t.Fields_Append(t.CreateField("DommerNR", dao::dbInteger));
    t.Fields_Append(t.CreateField("SekvensNR", dao::dbLong));
    t.Fields_Append(t.CreateField("Status", dao::dbInteger));
    for (const char* name : kTextColumns) {
        dao::Field f(name, dao::dbText, 50);
        f.AllowZeroLength = true;
        t.Fields_Append(f);
    }
    t.Fields_Append(t.CreateField("Dommer_HPoeng", dao::dbInteger));
    t.Fields_Append(t.CreateField("Dommer_BPoeng", dao::dbInteger));
    for (const char* name : {"Typespill", "DatoEndret"}) {
        dao::Field f(name, dao::dbText, 50);
        f.AllowZeroLength = true;
        t.Fields_Append(f);
    }
    db.TableDefs_Append(t);
    dao::Index i = t.CreateIndex("DommerNr");
    i.AddField("DommerNR");
    t.Indexes_Append(i);
}

// A new file with the empty match table; the previous one of that name is removed.
std::string FreshFile(const std::string& name) {
    const std::string path = Scratch() + "/" + name;
    fs::remove(path);
    dao::Database db = Ws().CreateDatabase(path);
    AddMatchTable(db);
    db.Close();
    return path;
}

void AppendThroughLayer(dao::Database& db) {
    dao::Recordset rs = db.OpenRecordset("Dommertabell");
    Ws().BeginTrans();
    for (const Row& r : Rows()) {
        rs.AddNew();
        rs("DommerNR") = dao::Variant::Integer(r.referee);
        rs("SekvensNR") = r.sequence;
        rs("Status") = dao::Variant::Integer(r.status);
        for (int t = 0; t < 7; ++t) rs(kTextColumns[t]) = *r.texts[t];
        rs("Dommer_HPoeng") = dao::Variant::Integer(r.home);
        rs("Dommer_BPoeng") = dao::Variant::Integer(r.away);
        rs("Typespill") = *r.game;
        rs("DatoEndret") = "";
        rs.Update();
    }
    Ws().CommitTrans();
    rs.Close();
}

void BM_AppendRows_Layer(benchmark::State& state) {
    Rows();
    for (auto _ : state) {
        state.PauseTiming();
        const std::string path = FreshFile("lag.kvx");
        dao::Database db = Ws().OpenDatabase(path);
        state.ResumeTiming();
        AppendThroughLayer(db);
        state.PauseTiming();
        db.Close();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_AppendRows_RawSqlite(benchmark::State& state) {
    Rows();
    for (auto _ : state) {
        state.PauseTiming();
        const std::string path = FreshFile("raw.kvx");
        sqlite3* db = nullptr;
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
        sqlite3_exec(db, "PRAGMA locking_mode = EXCLUSIVE; PRAGMA journal_mode = DELETE;", nullptr, nullptr, nullptr);
        state.ResumeTiming();
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db,
                           "INSERT INTO Dommertabell (DommerNR, SekvensNR, Status, Dommer_FNavn, Dommer_ENavn, Dommer_Lag, TurneringsNavn, "
                           "Turneringsdato, Dommer_HLag, Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng, Typespill, DatoEndret) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                           -1, &insert, nullptr);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        for (const Row& r : Rows()) {
            sqlite3_bind_int(insert, 1, r.referee);
            sqlite3_bind_int(insert, 2, r.sequence);
            sqlite3_bind_int(insert, 3, r.status);
            for (int t = 0; t < 7; ++t) sqlite3_bind_text(insert, 4 + t, r.texts[t]->c_str(), static_cast<int>(r.texts[t]->size()), SQLITE_TRANSIENT);
            sqlite3_bind_int(insert, 11, r.home);
            sqlite3_bind_int(insert, 12, r.away);
            sqlite3_bind_text(insert, 13, r.game->c_str(), static_cast<int>(r.game->size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 14, "", 0, SQLITE_STATIC);
            if (sqlite3_step(insert) != SQLITE_DONE) state.SkipWithError(sqlite3_errmsg(db));
            sqlite3_reset(insert);
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_finalize(insert);
        state.PauseTiming();
        sqlite3_close(db);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

// One file with 100,000 matches of 200 referees, kept for the reading benchmarks.
const std::string& FullFile() {
    static const std::string path = [] {
        const std::string p = FreshFile("full.kvx");
        dao::Database db = Ws().OpenDatabase(p);
        AppendThroughLayer(db);
        return p;
    }();
    return path;
}

void BM_CountOneRefereesMatches(benchmark::State& state) {
    dao::Database db = Ws().OpenDatabase(FullFile());
    int referee = 0;
    for (auto _ : state) {
        referee = referee % kReferees + 1;
        dao::Recordset rs = db.OpenRecordset("Select Count(*) AS Antall from Dommertabell where DommerNR = ?", dao::dbOpenSnapshot,
                                             {dao::Variant::Integer(referee)});
        benchmark::DoNotOptimize(rs.Get("Antall"));
    }
}

// The same count straight through SQLite, the floor for the one above.
void BM_CountOneRefereesMatches_RawSqlite(benchmark::State& state) {
    dao::Database keep = Ws().OpenDatabase(FullFile());
    keep.Close();   // the file must be free for the raw connection
    sqlite3* db = nullptr;
    sqlite3_open_v2(FullFile().c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    sqlite3_exec(db, "PRAGMA locking_mode = EXCLUSIVE", nullptr, nullptr, nullptr);   // as the layer holds its files
    sqlite3_stmt* count = nullptr;
    sqlite3_prepare_v2(db, "Select Count(*) AS Antall from Dommertabell where DommerNR = ?", -1, &count, nullptr);
    int referee = 0;
    for (auto _ : state) {
        referee = referee % kReferees + 1;
        sqlite3_bind_int(count, 1, referee);
        sqlite3_step(count);
        benchmark::DoNotOptimize(sqlite3_column_int(count, 0));
        sqlite3_reset(count);
    }
    sqlite3_finalize(count);
    sqlite3_close(db);
}

// The report's own way: its selection of one referee's active Boccia matches and their RecordCount.
void BM_ReportSelectionRecordCount(benchmark::State& state) {
    dao::Database db = Ws().OpenDatabase(FullFile());
    int referee = 0;
    for (auto _ : state) {
        referee = referee % kReferees + 1;
        dao::Recordset rs = db.OpenRecordset("Select * from Dommertabell where Dommernr = " + std::to_string(referee) +
                                             " AND Typespill='BOCCIA' AND Status <3");
        benchmark::DoNotOptimize(rs.RecordCount());
    }
}

void BM_OpenAndClose(benchmark::State& state) {
    const std::string& path = FullFile();
    for (auto _ : state) {
        dao::Database db = Ws().OpenDatabase(path);
        db.Close();
    }
}

} // namespace

BENCHMARK(BM_AppendRows_Layer)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5);
BENCHMARK(BM_AppendRows_RawSqlite)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5);
BENCHMARK(BM_CountOneRefereesMatches)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_CountOneRefereesMatches_RawSqlite)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_ReportSelectionRecordCount)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_OpenAndClose)->Unit(benchmark::kMicrosecond)->Repetitions(5);

BENCHMARK_MAIN();
