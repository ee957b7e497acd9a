#include "Turneringsfilskriver.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <memory>
#include <stdexcept>

namespace {

struct Lukker {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct Ferdig {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};

void Sjekk(sqlite3* db, int rc, const char* hva) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE) throw std::runtime_error(std::string(hva) + ": " + sqlite3_errmsg(db));
}

const char* const Fornavn[] = {"Åse", "Bjørn", "Kari", "Ola", "Øystein", "Marte", "Per", "Sigrid", "Håkon", "Ingrid"};
const char* const Etternavn[] = {"Ødegård", "Berg", "Hansen", "Lie", "Æsøy", "Nilsen", "Dahl", "Strand", "Bakke", "Moen"};
const char* const Klubber[] = {"Bøler IL", "Trondheim BK", "Kvikk", "Tromsø CK", "Ålesund IF"};

std::string Listenavn(int n) {
    if (n <= 20) return "Klasse " + std::to_string((n - 1) % 10 + 1);
    if (n == 29) return "Klasse Junior";
    return "Klasse " + std::to_string((n - 21) % 4 + 1);
}

} // namespace

void SkrivTurneringsfil(const std::string& sti, const std::vector<Rankingpost>& poster) {
    struct stat st {};
    if (::stat(sti.c_str(), &st) == 0) throw std::runtime_error(sti + " finnes allerede");
    sqlite3* raw = nullptr;
    const int apnet = sqlite3_open_v2(sti.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<sqlite3, Lukker> db(raw);
    if (apnet != SQLITE_OK) throw std::runtime_error("kan ikke lage " + sti);
    Sjekk(db.get(),
          sqlite3_exec(db.get(),
                       "PRAGMA journal_mode = DELETE; BEGIN;"
                       "CREATE TABLE Ranking (Nr SMALLINT, Fornavn VARCHAR(50), Etternavn VARCHAR(50), Klubb VARCHAR(50), "
                       "Rank_Nr SMALLINT, KlasseNr SMALLINT, Klasse_Navn VARCHAR(50), Trukket SMALLINT, Opt1 VARCHAR(50), "
                       "Opt2 VARCHAR(50), Pulje1 SMALLINT, Pulje2 SMALLINT);",
                       nullptr, nullptr, nullptr),
          "tabellen Ranking");
    sqlite3_stmt* s = nullptr;
    Sjekk(db.get(),
          sqlite3_prepare_v2(db.get(),
                             "INSERT INTO Ranking (Nr, Fornavn, Etternavn, Klubb, Rank_Nr, KlasseNr, Klasse_Navn, Trukket, "
                             "Opt1, Opt2, Pulje1, Pulje2) VALUES (?, ?, ?, ?, ?, ?, ?, ?, '', '', 0, 0)",
                             -1, &s, nullptr),
          "innsetting");
    std::unique_ptr<sqlite3_stmt, Ferdig> inn(s);
    for (const Rankingpost& p : poster) {
        sqlite3_bind_int(s, 1, p.nr);
        sqlite3_bind_text(s, 2, p.fornavn.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 3, p.etternavn.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 4, p.klubb.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(s, 5, p.rank);
        sqlite3_bind_int(s, 6, p.klasse);
        sqlite3_bind_text(s, 7, p.klasseNavn.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(s, 8, p.trukket);
        Sjekk(db.get(), sqlite3_step(s), "innsetting");
        sqlite3_reset(s);
    }
    inn.reset();
    Sjekk(db.get(), sqlite3_exec(db.get(), "COMMIT", nullptr, nullptr, nullptr), "lagring");
}

std::vector<Rankingpost> Eksempelposter(int perListe) {
    std::vector<Rankingpost> poster;
    int i = 0;
    for (int liste = 1; liste <= 29; ++liste) {
        const int rangert = (perListe * 2 + 2) / 3;
        for (int k = 1; k <= perListe; ++k, ++i) {
            Rankingpost p;
            p.nr = k;
            p.klasse = liste;
            p.klasseNavn = Listenavn(liste);
            p.rank = k <= rangert ? k : 0;
            p.trukket = k <= rangert ? 0 : k - rangert;
            p.fornavn = Fornavn[i % 10];
            p.etternavn = Etternavn[(i / 10) % 10];
            p.klubb = Klubber[i % 5];
            poster.push_back(std::move(p));
        }
    }
    return poster;
}
