// The result import into a full tournament database (999 referees, 100,000 or 1,000,000
// matches), headless and with its window on screen, each round beside its floor: a bare
// SQLite program that does the same work with the program's statements, durability and
// page cache over the same two files, alternating which goes first. The first import of a
// process is measured in fresh processes, the program's and the floor's alike.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory_resource>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

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
using Klokke = std::chrono::steady_clock;

constexpr int Dommere = 999;
constexpr int StorFil = 500000;   // rows of the largest result file
using benchbase::Kamper;

std::string mappe() {
    static const std::string m = benchbase::Mappe("import");
    return m;
}

double sekunderSiden(Klokke::time_point start) { return std::chrono::duration<double>(Klokke::now() - start).count(); }

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

// What the result file's rows are, row i of n:
//   Vanlig:     every fifth a match stored already (as a second reading of a tournament has), the others new;
//   Duplikater: every other a stored match, and every fourth a copy of the new row two before it;
//   Ukjente:    every other of a referee not in the register (each asked about, and left);
//   Tomme:      every other with empty teams, points, names and club (such a row matches nothing).
enum Form { Vanlig, Duplikater, Ukjente, Tomme };

resultatfil::Rad rad(int i, Form form) {
    const auto lagret = [](int j) -> resultatfil::Rad {
        return {std::to_string(1 + j % Dommere), "0", "Fornavn", "Etternavn", "Klubb", "NM", "1. mai 2025", "BOCCIA",
                "Lag" + std::to_string(j), "Ørn", "3", "2"};
    };
    const auto ny = [](int j) -> resultatfil::Rad {
        return {std::to_string(1 + j % Dommere), "0", "Fornavn", "Etternavn", "Klubb", "NM", "1. mai 2026", "BOCCIA",
                "Lag" + std::to_string(j), "Ørn", std::to_string(j % 13), "2"};
    };
    switch (form) {
    case Vanlig: return i % 5 == 0 ? lagret(i) : ny(i);
    case Duplikater: return i % 2 == 0 ? lagret(i) : ny(i % 4 == 3 ? i - 2 : i);
    case Ukjente: {
        resultatfil::Rad r = ny(i);
        if (i % 2 == 1) r[0] = std::to_string(1000 + i % 2000);
        return r;
    }
    case Tomme: {
        resultatfil::Rad r = ny(i);
        if (i % 2 == 1)
            for (int f : {2, 3, 4, 8, 9, 10, 11}) r[static_cast<size_t>(f)] = std::nullopt;
        return r;
    }
    }
    return {};
}

// The rows of a file of n rows that are read in, with this many matches stored.
long nye(int n, int kamper, Form form) {
    switch (form) {
    case Vanlig: return n - (std::min(n, kamper) + 4) / 5;
    case Duplikater: return (n + 2) / 4;
    case Ukjente: return (n + 1) / 2;
    case Tomme: return n;
    }
    return 0;
}

// A pristine result file of n rows of this form; its path.
const std::string& resultatfil(int rader, Form form) {
    static std::map<std::pair<int, Form>, std::string> filer;
    auto& sti = filer[{rader, form}];
    if (sti.empty()) {
        resultatfil::Innhold innhold;
        innhold.turneringsnavn = "NM i Boccia";
        innhold.turneringsdato = "1. mai 2026";
        for (int i = 0; i < rader; ++i) innhold.rader.push_back(rad(i, form));
        sti = mappe() + "/mal" + std::to_string(rader) + "-" + std::to_string(form) + ".dkv";
        resultatfil::Skriv(sti, innhold);
    }
    return sti;
}

struct Maling {
    double sekunder = 0;
    double okningMb = 0;
    const char* feil = nullptr;
};

// ---- The program ----

// One import by the program into fresh copies, its database opened before the clock runs;
// with the window on screen the time runs until it has drawn the rows read in.
Maling programmet(const std::string& dbMal, const std::string& dkvMal, long ventet, benchbase::Skjerm& skjerm) {
    const std::string db = mappe() + "/T.KVX", dkv = mappe() + "/fil.dkv";
    innlesing::Glem_Siste_Fil();
    state::ResetProgramState();
    forms::ResetDefaults();
    forms::Headless().boxes.clear();
    kopier(db, dbMal);
    kopier(dkv, dkvMal);
    state::Arbeidsomrade = &dao::DBEngine::Workspaces(0);
    state::DBase = dao::DBEngine::Workspaces(0).OpenDatabase(db);
    state::Databasenavn = db;
    state::Filsti = dkv;
    skjerm.vis(forms::Default<HentDommerFil>());
    benchbase::NyMinnetopp();
    const auto start = Klokke::now();
    Les_Inn_Dommerfil();
    benchbase::Skjerm::tegn();
    Maling m{sekunderSiden(start), benchbase::Minnetopp().okningMb};
    if (forms::Default<HentDommerFil>().Text3.Text() != std::to_string(ventet)) m.feil = "the program read in other rows than it should";
    state::DBase.Close();
    return m;
}

// ---- The floor ----

sqlite3_stmt* forbered(sqlite3* c, const std::string& sql) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(c, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) std::abort();
    return st;
}

void kjor(sqlite3* c, const std::string& sql) {
    if (sqlite3_exec(c, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) std::abort();
}

long long tall(sqlite3* c, const std::string& sql) {
    sqlite3_stmt* st = forbered(c, sql);
    sqlite3_step(st);
    const long long v = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    return v;
}

// A row's match key from the columns fra on, each value after its length: texts as stored, numbers by value.
bool nokkel(sqlite3_stmt* st, int fra, int til, std::string& k) {
    k.clear();
    for (int c = fra; c < til; ++c) {
        sqlite3_value* v = sqlite3_column_value(st, c);
        if (sqlite3_value_type(v) == SQLITE_NULL) return false;
        const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(v));
        const auto n = static_cast<uint32_t>(sqlite3_value_bytes(v));
        k.append(reinterpret_cast<const char*>(&n), sizeof n).append(t, n);
    }
    return true;
}

// The database as the program keeps it open: exclusive, rollback journal, synchronous FULL
// (SQLite's default, which the program keeps), a 256 MiB page cache, the lock taken.
sqlite3* apneGulv(const std::string& db) {
    sqlite3* c = nullptr;
    if (sqlite3_open_v2(db.c_str(), &c, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) std::abort();
    kjor(c, "PRAGMA locking_mode = EXCLUSIVE; PRAGMA journal_mode = DELETE; PRAGMA cache_size = -262144; "
            "BEGIN EXCLUSIVE; COMMIT");
    return c;
}

// The file proved whole, read-only, before anything writes to it: SQLite's check, the file's
// status, and every value of every row within what the match table takes. Never inlined, as below.
[[gnu::noinline]] void provFil(const std::string& dkv) {
    sqlite3* p = nullptr;
    if (sqlite3_open_v2(dkv.c_str(), &p, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) std::abort();
    sqlite3_stmt* sjekk = forbered(p, "PRAGMA integrity_check(1)");
    sqlite3_step(sjekk);
    if (std::strcmp(reinterpret_cast<const char*>(sqlite3_column_text(sjekk, 0)), "ok") != 0) std::abort();
    sqlite3_finalize(sjekk);
    if (tall(p, "SELECT Status FROM Versjon ORDER BY rowid LIMIT 1") != 0) std::abort();
    sqlite3_stmt* rader = forbered(p, "SELECT DommerNR, Dommer_ForNavn, Dommer_EtterNavn, Dommer_Lag, Turneringsnavn, "
                                      "Turneringsdato, TypeSpill, HLag, BLag, HPoeng, BPoeng FROM dommerdata ORDER BY rowid");
    while (sqlite3_step(rader) == SQLITE_ROW) {
        if (sqlite3_column_type(rader, 0) != SQLITE_INTEGER) std::abort();
        for (int c = 1; c <= 8; ++c)
            if (sqlite3_column_type(rader, c) == SQLITE_BLOB || sqlite3_column_bytes(rader, c) > 50 * 4) std::abort();
        for (int c = 9; c <= 10; ++c) {
            const int t = sqlite3_column_type(rader, c);
            const long long v = sqlite3_column_int64(rader, c);
            if (t != SQLITE_NULL && (t != SQLITE_INTEGER || v < -32768 || v > 32767)) std::abort();
        }
    }
    sqlite3_finalize(rader);
    sqlite3_close(p);
}

// The rows of the file as its window shows them: eleven cells a row, by referee number and status.
[[gnu::noinline]] long visFil(const std::string& dkv) {
    sqlite3* v = nullptr;
    if (sqlite3_open_v2(dkv.c_str(), &v, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) std::abort();
    sqlite3_stmt* versjon = forbered(v, "SELECT * FROM Versjon");
    sqlite3_step(versjon);
    sqlite3_finalize(versjon);
    sqlite3_stmt* rader = forbered(v, "SELECT DommerNR, Status, Dommer_ForNavn, Dommer_EtterNavn, Turneringsdato, Turneringsnavn, "
                                      "TypeSpill, HLag, BLag, HPoeng, BPoeng FROM dommerdata");
    struct Linje {
        double nr, status;
        std::string celler;
    };
    std::vector<Linje> linjer;
    long ulest = 0;
    while (sqlite3_step(rader) == SQLITE_ROW) {
        Linje l{sqlite3_column_double(rader, 0), sqlite3_column_double(rader, 1), {}};
        for (int c = 0; c < 11; ++c) {
            if (c) l.celler += '\t';
            if (const auto* t = sqlite3_column_text(rader, c)) l.celler += reinterpret_cast<const char*>(t);
        }
        if (sqlite3_column_type(rader, 1) == SQLITE_NULL || l.status == 0) ++ulest;
        linjer.push_back(std::move(l));
    }
    sqlite3_finalize(rader);
    std::stable_sort(linjer.begin(), linjer.end(),
                     [](const Linje& a, const Linje& b) { return a.nr != b.nr ? a.nr < b.nr : a.status < b.status; });
    sqlite3_close(v);
    return ulest + static_cast<long>(linjer.size());
}

// The program's import written straight onto SQLite: the same proof of the file, the same
// statements in one transaction over both files, the duplicate keys in a reserved hash set over an arena,
// and the file read back for showing. The rows read in. Never inlined, so that a profile can name it.
[[gnu::noinline]] long gulvetsInnlesing(sqlite3* c, const std::string& dkv) {
    provFil(dkv);
    kjor(c, "ATTACH '" + dkv + "' AS f; PRAGMA f.locking_mode = EXCLUSIVE; PRAGMA f.journal_mode = DELETE");
    const std::string ukjent = " WHERE DommerNR NOT IN (SELECT DommerNR FROM main.Dommere WHERE DommerNR IS NOT NULL)";
    long ukjente = 0;
    sqlite3_stmt* spor = forbered(c, "SELECT DommerNR, Dommer_ForNavn, Dommer_EtterNavn, Dommer_Lag FROM f.dommerdata" + ukjent +
                                         " ORDER BY rowid");
    // Each such row is a question to the user, its text put together from the row: the box that
    // shows it is the window system's, not the import's.
    std::string sporsmal;
    constexpr const char* etter[] = {"  ", " ", ", ", ""};
    while (sqlite3_step(spor) == SQLITE_ROW) {
        sporsmal.assign("Filen inneholder data med ukjent dommer!\rUkjent dommernummer er : ");
        for (int k = 0; k < 4; ++k) {
            if (const auto* t = sqlite3_column_text(spor, k)) sporsmal += reinterpret_cast<const char*>(t);
            sporsmal += etter[k];
        }
        sporsmal += "\rØnsker du å fortsette innlesing av øvrige data, \rSvar i såfall Ja, ellers avbryt ved å svare Nei!";
        benchmark::DoNotOptimize(sporsmal.data());
        ++ukjente;
    }
    sqlite3_finalize(spor);
    kjor(c, "BEGIN");
    if (ukjente > 0) kjor(c, "UPDATE f.dommerdata SET Status = 2" + ukjent);
    const long long sekvens = tall(c, "SELECT max(0, coalesce(max(SekvensNR), 0)) FROM main.Dommertabell");

    const long long filrader = tall(c, "SELECT count(*) FROM f.dommerdata");
    // The keys' bytes together in one arena, the set reserved for every row of both tables.
    std::pmr::monotonic_buffer_resource arena;
    std::pmr::unordered_set<std::string_view> kjent(&arena);
    kjent.reserve(static_cast<size_t>(filrader + tall(c, "SELECT coalesce(max(rowid), 0) FROM main.Dommertabell")));
    const auto leggTil = [&](const std::string& k) {
        char* kopi = static_cast<char*>(arena.allocate(k.size(), 1));
        std::memcpy(kopi, k.data(), k.size());
        return kjent.emplace(kopi, k.size()).second;
    };
    std::string k;
    const std::string filDatoer = "SELECT Turneringsdato FROM f.dommerdata WHERE Status = 0";
    sqlite3_stmt* levende = forbered(c, "SELECT DommerNR, Dommer_HLag, Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng, TurneringsNavn, "
                                        "Turneringsdato, Typespill FROM main.Dommertabell WHERE Status < 3 AND CAST(Turneringsdato AS "
                                        "TEXT) COLLATE BINARY IN (SELECT CAST(Turneringsdato AS TEXT) FROM (" + filDatoer + "))");
    while (sqlite3_step(levende) == SQLITE_ROW)
        if (nokkel(levende, 0, 8, k)) leggTil(k);
    sqlite3_finalize(levende);
    std::vector<long long> duplikater;
    sqlite3_stmt* velg = forbered(c, "SELECT rowid, DommerNR, HLag, BLag, HPoeng, BPoeng, Turneringsnavn, Turneringsdato, TypeSpill "
                                     "FROM f.dommerdata WHERE Status = 0 ORDER BY rowid");
    while (sqlite3_step(velg) == SQLITE_ROW)
        if (nokkel(velg, 1, 9, k) && !leggTil(k)) duplikater.push_back(sqlite3_column_int64(velg, 0));
    sqlite3_finalize(velg);
    sqlite3_stmt* merk = forbered(c, "UPDATE f.dommerdata SET Status = 4 WHERE rowid = ?");
    for (long long r : duplikater) {
        sqlite3_bind_int64(merk, 1, r);
        sqlite3_step(merk);
        sqlite3_reset(merk);
    }
    sqlite3_finalize(merk);

    if (sekvens + tall(c, "SELECT count(*) FROM f.dommerdata WHERE Status = 0") > INT32_MAX) std::abort();
    sqlite3_stmt* sett = forbered(c,
        "INSERT INTO main.Dommertabell (DommerNR, SekvensNR, Status, Dommer_FNavn, Dommer_ENavn, Dommer_Lag, Turneringsdato, "
        "TurneringsNavn, Dommer_HLag, Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng, Typespill) "
        "SELECT DommerNR, ? + row_number() OVER (ORDER BY rowid), 0, Dommer_ForNavn, Dommer_EtterNavn, Dommer_Lag, "
        "Turneringsdato, Turneringsnavn, HLag, BLag, HPoeng, BPoeng, TypeSpill FROM f.dommerdata WHERE Status = 0 ORDER BY rowid");
    sqlite3_bind_int64(sett, 1, sekvens);
    sqlite3_step(sett);
    sqlite3_finalize(sett);
    const long innlest = sqlite3_changes(c);
    kjor(c, "UPDATE f.dommerdata SET Status = 1 WHERE Status = 0");
    kjor(c, "UPDATE f.Versjon SET Status = " + std::to_string(ukjente > 0 ? 2 : 1) +
                " WHERE rowid = (SELECT min(rowid) FROM f.Versjon)");
    kjor(c, "COMMIT; DETACH f");
    if (visFil(dkv) < filrader) std::abort();
    return innlest;
}

Maling gulvet(const std::string& dbMal, const std::string& dkvMal, long ventet) {
    const std::string db = mappe() + "/B.KVX", dkv = mappe() + "/b.dkv";
    kopier(db, dbMal);
    kopier(dkv, dkvMal);
    sqlite3* c = apneGulv(db);
    benchbase::NyMinnetopp();
    const auto start = Klokke::now();
    const long innlest = gulvetsInnlesing(c, dkv);
    Maling m{sekunderSiden(start), benchbase::Minnetopp().okningMb};
    if (innlest != ventet) m.feil = "the floor read in other rows than it should";
    sqlite3_close(c);
    return m;
}

// ---- Beside each other ----

// The program's time is the benchmark's; the floor's time and the ratio are counters.
struct Par {
    double program = 0, gulv = 0, programMb = 0, gulvMb = 0;
    int runder = 0;
    void merk(benchmark::State& s) const {
        s.counters["gulv_ms"] = gulv * 1000 / runder;
        s.counters["forhold"] = program / gulv;
        s.counters["okning_MB"] = programMb;
        s.counters["gulv_okning_MB"] = gulvMb;
    }
};

// Program and floor each round, taking turns at going first.
void BM_Innlesing(benchmark::State& s) {
    const int rader = static_cast<int>(s.range(0)), kamper = static_cast<int>(s.range(1));
    const auto form = static_cast<Form>(s.range(2));
    const std::string& db = tomDatabase(kamper);
    const std::string& dkv = resultatfil(rader, form);
    const long ventet = nye(rader, kamper, form);
    benchbase::Skjerm skjerm(s.range(3) != 0);
    Par par;
    for (auto _ : s) {
        Maling p, g;
        if (par.runder % 2 == 0) {
            p = programmet(db, dkv, ventet, skjerm);
            g = gulvet(db, dkv, ventet);
        } else {
            g = gulvet(db, dkv, ventet);
            p = programmet(db, dkv, ventet, skjerm);
        }
        if (const char* feil = p.feil ? p.feil : g.feil) {
            s.SkipWithError(feil);
            break;
        }
        s.SetIterationTime(p.sekunder);
        par.program += p.sekunder;
        par.gulv += g.sekunder;
        par.programMb = std::max(par.programMb, p.okningMb);
        par.gulvMb = std::max(par.gulvMb, g.okningMb);
        ++par.runder;
    }
    if (par.runder > 0) par.merk(s);
    forms::ResetDefaults();
}
BENCHMARK(BM_Innlesing)
    ->ArgsProduct({{5000, 50000}, {Kamper, benchbase::MangeKamper}, {Vanlig}, {0, 1}})
    ->ArgsProduct({{50000}, {Kamper, benchbase::MangeKamper}, {Duplikater, Ukjente, Tomme}, {0}})
    ->ArgNames({"rader", "kamper", "form", "visning"})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();
// A very large result file, for the memory it takes (okning_MB) beside the floor's.
BENCHMARK(BM_Innlesing)->ArgsProduct({{StorFil}, {Kamper, benchbase::MangeKamper}, {Vanlig}, {1}})
    ->ArgNames({"rader", "kamper", "form", "visning"})->Iterations(1)->Unit(benchmark::kMillisecond)->UseManualTime();

// ---- The first import of a process ----

constexpr const char* ForsteFlagg = "--kd_forste_innlesing";

// In a fresh process of this program: two imports in a row by the program or the floor, the
// first's and the second's time written on standard output.
int forsteInnlesing(int argc, char** argv) {
    if (argc != 7) return 2;
    const std::string hvem = argv[2], dbMal = argv[3], dkvMal = argv[4];
    const long ventet = std::atol(argv[5]);
    const bool visning = std::string(argv[6]) == "1";
    Maling m[2];
    if (hvem == "gulv") {
        for (Maling& en : m) en = gulvet(dbMal, dkvMal, ventet);
    } else {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        benchbase::Skjerm skjerm(visning);
        for (Maling& en : m) en = programmet(dbMal, dkvMal, ventet, skjerm);
        forms::ResetDefaults();
    }
    for (const Maling& en : m)
        if (en.feil) {
            std::fprintf(stderr, "%s\n", en.feil);
            return 1;
        }
    std::printf("%.9f %.9f\n", m[0].sekunder, m[1].sekunder);
    return 0;
}

struct ToInnlesinger {
    double forste = -1, andre = -1;
};

ToInnlesinger iNyProsess(const char* hvem, const std::string& db, const std::string& dkv, long ventet, bool visning) {
    const std::string kommando = "'" + fs::read_symlink("/proc/self/exe").string() + "' " + ForsteFlagg + " " + hvem + " '" + db +
                                 "' '" + dkv + "' " + std::to_string(ventet) + " " + (visning ? "1" : "0");
    FILE* ut = ::popen(kommando.c_str(), "r");
    ToInnlesinger t;
    if (ut && std::fscanf(ut, "%lf %lf", &t.forste, &t.andre) != 2) t = {};
    if (ut && ::pclose(ut) != 0) t = {};
    return t;
}

// Each round a fresh process for the program and one for the floor, taking turns at going
// first. The time is the program's first import; the second in the same process beside it
// (andre_ms), and the floor's first and second (gulv_ms, gulv_andre_ms).
void BM_ForsteInnlesing(benchmark::State& s) {
    const int rader = static_cast<int>(s.range(0)), kamper = static_cast<int>(s.range(1));
    const bool visning = s.range(2) != 0;
    const std::string& db = tomDatabase(kamper);
    const std::string& dkv = resultatfil(rader, Vanlig);
    const long ventet = nye(rader, kamper, Vanlig);
    double program = 0, andre = 0, gulv = 0, gulvAndre = 0;
    int runder = 0;
    for (auto _ : s) {
        ToInnlesinger p, g;
        if (runder % 2 == 0) {
            p = iNyProsess("program", db, dkv, ventet, visning);
            g = iNyProsess("gulv", db, dkv, ventet, visning);
        } else {
            g = iNyProsess("gulv", db, dkv, ventet, visning);
            p = iNyProsess("program", db, dkv, ventet, visning);
        }
        if (p.forste < 0 || g.forste < 0) {
            s.SkipWithError("an import in a fresh process failed");
            break;
        }
        s.SetIterationTime(p.forste);
        program += p.forste;
        andre += p.andre;
        gulv += g.forste;
        gulvAndre += g.andre;
        ++runder;
    }
    if (runder > 0) {
        s.counters["andre_ms"] = andre * 1000 / runder;
        s.counters["gulv_ms"] = gulv * 1000 / runder;
        s.counters["gulv_andre_ms"] = gulvAndre * 1000 / runder;
        s.counters["forhold"] = program / gulv;
    }
}
BENCHMARK(BM_ForsteInnlesing)
    ->ArgsProduct({{5000, 50000}, {Kamper, benchbase::MangeKamper}, {0, 1}})
    ->ArgNames({"rader", "kamper", "visning"})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == ForsteFlagg) return forsteInnlesing(argc, argv);
    return benchbase::KjorMedSkjerm(argc, argv);
}
