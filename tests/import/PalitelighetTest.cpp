// Reliability: an import killed at any moment leaves both files whole and either
// untouched or fully read in; random and broken files never crash the import and,
// when refused, leave both files byte for byte as they were.
#include "Fixture.h"

#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "database/Apen.h"
#include "database/Database.h"
#include "import/HentDommerFil.h"
#include "import/Innlesing.h"
#include "platform/dao/Journals.h"
#include "state/ProgramState.h"

namespace fs = std::filesystem;

namespace importtest {
namespace {

class Palitelighet : public ImportTest {};

// PRAGMA integrity_check with the plain SQLite library, once the program has let go of the file.
bool hel(const std::string& sti) {
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open_v2(sti.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* s = nullptr;
    bool ok = sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &s, nullptr) == SQLITE_OK && sqlite3_step(s) == SQLITE_ROW &&
              std::string(reinterpret_cast<const char*>(sqlite3_column_text(s, 0))) == "ok";
    sqlite3_finalize(s);
    sqlite3_close(db);
    return ok;
}

long long tall(dao::Database& db, const std::string& sql) { return vb::CLng(db.OpenRecordset(sql, dao::dbOpenSnapshot).Get(0)); }

// Runs the regular import of dkv into the database at db in a child process; returns its pid.
pid_t startBarn(const std::string& db, const std::string& dkv) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        state::DBase = dao::DBEngine::Workspaces(0).OpenDatabase(db);
        state::Filsti = dkv;
        Les_Inn_Dommerfil();
        ::_exit(forms::Headless().boxes.size() == 1 ? 0 : 3);
    }
    return pid;
}

TEST_F(Palitelighet, KilledImportLeavesBothFilesBeforeOrAfter) {
    constexpr int Rader = 20000;
    const StorImport filer = storImport(Rader);
    const std::string &arbeid = filer.mappe, &db = filer.db, &dkv = filer.dkv;
    const auto gjenopprett = [&] { filer.legg(); };

    // How long a whole import takes here.
    gjenopprett();
    const auto start = std::chrono::steady_clock::now();
    int status = 0;
    ::waitpid(startBarn(db, dkv), &status, 0);
    const auto varighet = std::chrono::steady_clock::now() - start;
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the whole import did not finish in the child";
    const long long mikros = std::chrono::duration_cast<std::chrono::microseconds>(varighet).count();

    std::mt19937 tilfeldig(20261208);
    int for_ = 0, etter = 0, hotJournals = 0;
    long long fra = mikros / 2, til = mikros * 3 / 2;
    // Under load a whole import may outlast every kill: trials go on, bounded, until one lands inside the write.
    // The write reaches the disk at the commit, near the end, a small share of the time in a slow
    // build (the sanitizers): later trials close in on it.
    for (int runde = 0; runde < 24 || (hotJournals == 0 && runde < 300); ++runde) {
        SCOPED_TRACE(runde);
        gjenopprett();
        const pid_t barn = startBarn(db, dkv);
        const long long vent = runde < 24 ? std::uniform_int_distribution<long long>(0, mikros)(tilfeldig)
                                          : std::uniform_int_distribution<long long>(fra, til)(tilfeldig);
        std::this_thread::sleep_for(std::chrono::microseconds(vent));
        ::kill(barn, SIGKILL);
        ::waitpid(barn, &status, 0);

        // Only a journal the next open rolls back proves the kill came inside the write: in
        // exclusive mode the journal stays, emptied, after the commit too.
        const bool varm = dao::detail::JournalIsHot(db + "-journal") || dao::detail::JournalIsHot(dkv + "-journal");
        hotJournals += varm;
        // Reopened the way the user would: the tournament database through the open dialog's
        // road, the result file through the layer's read-only proof. A journal the kill left
        // is rolled back by these opens.
        state::Databasenavn = db;
        state::DatabaseFilnavn = "T.KVX";
        Oppgrader_Database();
        ASSERT_TRUE(forms::Headless().boxes.empty()) << forms::Headless().boxes.at(0).prompt << (varm ? " (hot journal)" : "");
        ASSERT_TRUE(state::DBase.IsOpen());
        dao::Database resultatfil = dao::DBEngine::Workspaces(0).OpenDatabase(dkv, false, true);
        const long long kamper = tall(state::DBase, "SELECT count(*) FROM Dommertabell");
        const long long ulest = tall(resultatfil, "SELECT count(*) FROM dommerdata WHERE Status = 0");
        const long long lest = tall(resultatfil, "SELECT count(*) FROM dommerdata WHERE Status = 1");
        const long long filstatus = tall(resultatfil, "SELECT Status FROM Versjon");
        resultatfil.Close();
        EXPECT_FALSE(fs::exists(db + "-journal"));
        turneringsdb::LukkApen();
        state::DBase = dao::Database();
        // A super-journal stays while a journal it lists could still be rolled back (the result
        // file's, before that file was opened again); the next open for writing takes it, and
        // then nothing of the killed program's journals is left.
        Oppgrader_Database();
        ASSERT_TRUE(forms::Headless().boxes.empty()) << forms::Headless().boxes.at(0).prompt;
        for (const auto& fil : fs::directory_iterator(arbeid))
            EXPECT_FALSE(fil.path().filename().string().starts_with("T.KVX-mj")) << fil.path();
        turneringsdb::LukkApen();
        state::DBase = dao::Database();
        ASSERT_TRUE(hel(db));
        ASSERT_TRUE(hel(dkv));
        const bool uendret = kamper == 1 && ulest == Rader && lest == 0 && filstatus == 0;
        const bool innlest = kamper == 1 + Rader && ulest == 0 && lest == Rader && filstatus == 1;
        EXPECT_TRUE(uendret || innlest) << kamper << " matches, " << ulest << " unread, " << lest << " read, file status " << filstatus;
        for_ += uendret;
        etter += innlest;
        // Closing in on the commit: a kill before it moves the earliest wait up, one after it the
        // latest down; where the run's own spread makes them meet or cross, the window opens
        // again around where they met.
        if (!varm && uendret) fra = std::max(fra, vent);
        if (!varm && innlest) til = std::min(til, vent);
        if (til - fra < mikros / 50) {
            const long long midt = (fra + til) / 2;
            fra = std::max(0LL, midt - mikros / 20);
            til = midt + mikros / 20;
        }
    }
    std::cout << "killed before the commit " << for_ << " times, after it " << etter << " times; " << hotJournals
              << " kills left a journal\n";
    // A hot journal left behind is the proof that a kill landed inside the write.
    EXPECT_GT(hotJournals, 0) << "no kill landed while the import was writing";
    state::DBase = dao::DBEngine::Workspaces(0).OpenDatabase(dbsti);
}

// A result file of random make-up: column types, value kinds, missing parts, damage.
class TilfeldigFil {
public:
    explicit TilfeldigFil(std::mt19937& t) : t_(t) {}

    void skriv(const std::string& sti) {
        const int art = tall(0, 19);
        ren_ = tall(0, 1) == 1;
        if (art == 0) {   // empty file
            std::ofstream(sti, std::ios::binary);
            return;
        }
        if (art == 1) {   // foreign bytes
            std::string b(static_cast<size_t>(tall(1, 5000)), '\0');
            for (char& c : b) c = static_cast<char>(tall(0, 255));
            std::ofstream(sti, std::ios::binary) << b;
            return;
        }
        sqlite3* db = nullptr;
        sqlite3_open(sti.c_str(), &db);
        kjor(db, "BEGIN");
        if (art != 2) lagDommerdata(db);
        if (art != 3) lagVersjon(db, art == 4);
        if (art == 5) kjor(db, "CREATE TABLE Annet (x)");
        kjor(db, "COMMIT");
        sqlite3_close(db);
        if (art == 6) {   // cut short
            const auto storrelse = fs::file_size(sti);
            fs::resize_file(sti, static_cast<uintmax_t>(tall(1, static_cast<int>(storrelse) - 1)));
        }
    }

private:
    int tall(int a, int b) { return std::uniform_int_distribution<int>(a, b)(t_); }
    static void kjor(sqlite3* db, const std::string& sql) { sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr); }

    // Declared types as other writers use them; now and then a text type for a number.
    std::string type(bool tallkolonne) {
        const char* tall_[] = {"INTEGER", "SMALLINT", "", "REAL", "LONG", "TEXT"};
        const char* tekst[] = {"TEXT", "TEXT(50)", "", "VARCHAR(255)"};
        return tallkolonne ? tall_[tall(0, ren_ ? 4 : 5)] : tekst[tall(0, 3)];
    }

    // A value of a random kind: in a clean file a fitting one or Null (never for the
    // referee number); otherwise now and then text in a number column, fractions, big
    // numbers, long or zero-byte texts, blobs.
    void bind(sqlite3_stmt* s, int i, bool tallkolonne, bool nummer = false) {
        const int r = ren_ ? (nummer ? 10 : tall(7, 29)) : tall(0, 29);
        if (r == 0 || (ren_ && r == 7)) sqlite3_bind_null(s, i);
        else if (r == 1) sqlite3_bind_text(s, i, "tekst", -1, SQLITE_TRANSIENT);
        else if (r == 2) sqlite3_bind_double(s, i, tall(-100, 100) / 4.0);
        else if (r == 3) sqlite3_bind_int64(s, i, tall(-1, 1) * 40000LL + tall(0, 5));
        else if (r == 4) sqlite3_bind_text(s, i, std::string(static_cast<size_t>(tall(45, 60)), 'x').c_str(), -1, SQLITE_TRANSIENT);
        else if (r == 5) sqlite3_bind_blob(s, i, "\0\1\2", 3, SQLITE_TRANSIENT);
        else if (r == 6) sqlite3_bind_text(s, i, "a\0b", 3, SQLITE_TRANSIENT);
        else if (r == 7) sqlite3_bind_text(s, i, "", 0, SQLITE_TRANSIENT);
        else if (tallkolonne) sqlite3_bind_int(s, i, tall(0, 25));
        else sqlite3_bind_text(s, i, tall(0, 1) ? "Lyn" : "Ørn", -1, SQLITE_TRANSIENT);
    }

    void lagDommerdata(sqlite3* db) {
        std::string kolonner;
        int antall = 0;
        for (size_t i = 0; i < resultatfil::Kolonner.size(); ++i) {
            if (!ren_ && tall(0, 20) == 0) continue;   // a missing column
            kolonner += std::string(antall++ ? ", " : "") + resultatfil::Kolonner[i] + " " + type(i <= 1 || i >= 10);
        }
        if (antall == 0) kolonner = "x";
        kjor(db, "CREATE TABLE dommerdata (" + kolonner + ")");
        sqlite3_stmt* s = nullptr;
        std::string merker = "?";
        for (int i = 1; i < std::max(antall, 1); ++i) merker += ", ?";
        sqlite3_prepare_v2(db, ("INSERT INTO dommerdata VALUES (" + merker + ")").c_str(), -1, &s, nullptr);
        const int rader = tall(0, 30);
        for (int r = 0; r < rader; ++r) {
            for (int i = 1; i <= std::max(antall, 1); ++i) bind(s, i, i <= 2 || i >= antall - 1, i == 1);
            sqlite3_step(s);
            sqlite3_reset(s);
        }
        sqlite3_finalize(s);
    }

    void lagVersjon(sqlite3* db, bool tom) {
        kjor(db, "CREATE TABLE Versjon (Turneringsnavn " + type(false) + ", Turneringsdato " + type(false) + ", Status " + type(true) + ")");
        if (tom) return;
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO Versjon VALUES (?, ?, ?)", -1, &s, nullptr);
        bind(s, 1, false);
        bind(s, 2, false);
        if (tall(0, 2)) sqlite3_bind_int(s, 3, 0);
        else bind(s, 3, true);
        sqlite3_step(s);
        sqlite3_finalize(s);
    }

    std::mt19937& t_;
    bool ren_ = false;
};

TEST_F(Palitelighet, RandomFilesGiveAMessageOrACorrectImport) {
    std::mt19937 tilfeldig(4711);
    int avvist = 0, innlest = 0, vist = 0;
    for (int n = 0; n < 300; ++n) {
        SCOPED_TRACE(n);
        const std::string sti = datamappe + "/f" + std::to_string(n) + ".dkv";
        TilfeldigFil(tilfeldig).skriv(sti);
        const auto for_ = bytes(sti);
        const long kamperFor = antallKamper();
        forms::Default<HentDommerFil>().Text3.SetText("");
        const bool test = n % 5 == 4;
        state::Filsti = sti;
        if (test) Les_Inn_Dommerfil_Test();
        else Les_Inn_Dommerfil();
        const auto b = boksTekster();
        ASSERT_FALSE(b.empty());
        const std::string& siste = b.back();
        if (siste.rfind(Innlesingsfeil, 0) == 0) {
            ++avvist;
            EXPECT_EQ(bytes(sti), for_);
        } else if (std::find_if(b.begin(), b.end(), [](const std::string& s) { return s.rfind("Innlesing fullført OK!", 0) == 0; }) !=
                   b.end()) {
            ++innlest;
            const long lagtTil = antallKamper() - kamperFor;
            if (!test) {
                EXPECT_EQ(forms::Default<HentDommerFil>().Text3.Text(), std::to_string(lagtTil));
            }
            const std::string status = filstatus(sti);
            EXPECT_TRUE(status == "1" || status == "2") << status;
        } else {
            ++vist;
            EXPECT_NE(siste.find("vises på skjerm"), std::string::npos) << siste;
            EXPECT_EQ(bytes(sti), for_);
        }
        slippFiler();
    }
    std::cout << avvist << " refused, " << innlest << " read in, " << vist << " only shown\n";
    EXPECT_GT(avvist, 30);
    EXPECT_GT(innlest, 30);
}

} // namespace
} // namespace importtest
