#include "Resultatfilskriver.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <memory>

namespace resultatfil {

const std::array<const char*, AntallFelt> Kolonner = {
    "DommerNR", "Status", "Dommer_ForNavn", "Dommer_EtterNavn", "Dommer_Lag", "Turneringsnavn",
    "Turneringsdato", "TypeSpill", "HLag", "BLag", "HPoeng", "BPoeng"};

namespace {

// The number columns; the rest hold text.
bool erTall(int felt) { return felt == 0 || felt == 1 || felt == 10 || felt == 11; }

struct Lukker {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct Avslutter {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};

void kjor(sqlite3* db, const std::string& sql) {
    char* melding = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &melding) != SQLITE_OK) {
        const std::string tekst = melding ? melding : "ukjent feil";
        sqlite3_free(melding);
        throw Feil(tekst);
    }
}

std::unique_ptr<sqlite3_stmt, Avslutter> forbered(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) != SQLITE_OK) throw Feil(sqlite3_errmsg(db));
    return std::unique_ptr<sqlite3_stmt, Avslutter>(s);
}

void bind(sqlite3_stmt* s, int i, const Felt& f) {
    if (f) sqlite3_bind_text(s, i, f->data(), static_cast<int>(f->size()), SQLITE_TRANSIENT);
    else sqlite3_bind_null(s, i);
}

void steg(sqlite3* db, sqlite3_stmt* s) {
    if (sqlite3_step(s) != SQLITE_DONE) throw Feil(sqlite3_errmsg(db));
    sqlite3_reset(s);
}

} // namespace

void Skriv(const std::string& sti, const Innhold& innhold) {
    struct stat st {};
    if (::stat(sti.c_str(), &st) == 0) throw Feil("filen finnes allerede: " + sti);
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(sti.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<sqlite3, Lukker> db(raw);
    if (rc != SQLITE_OK) throw Feil("kan ikke lage " + sti);

    std::string kolonner, merker;
    for (int i = 0; i < AntallFelt; ++i) {
        kolonner += std::string(i ? ", " : "") + Kolonner[static_cast<size_t>(i)] + (erTall(i) ? " INTEGER" : " TEXT");
        merker += i ? ", ?" : "?";
    }
    kjor(db.get(), "BEGIN");
    kjor(db.get(), "CREATE TABLE dommerdata (" + kolonner + ")");
    kjor(db.get(), "CREATE TABLE Versjon (Turneringsnavn TEXT, Turneringsdato TEXT, Status INTEGER)");
    auto versjon = forbered(db.get(), "INSERT INTO Versjon VALUES (?, ?, ?)");
    bind(versjon.get(), 1, innhold.turneringsnavn);
    bind(versjon.get(), 2, innhold.turneringsdato);
    bind(versjon.get(), 3, innhold.filstatus);
    steg(db.get(), versjon.get());
    auto rad = forbered(db.get(), "INSERT INTO dommerdata VALUES (" + merker + ")");
    for (const Rad& r : innhold.rader) {
        for (int i = 0; i < AntallFelt; ++i) bind(rad.get(), i + 1, r[static_cast<size_t>(i)]);
        steg(db.get(), rad.get());
    }
    kjor(db.get(), "COMMIT");
}

Rad LesRad(const std::string& linje) {
    Rad rad;
    size_t start = 0;
    for (int i = 0; i < AntallFelt; ++i) {
        const size_t slutt = linje.find(';', start);
        if (slutt == std::string::npos && i < AntallFelt - 1)
            throw Feil("for få felt (" + std::to_string(i + 1) + " av " + std::to_string(AntallFelt) + ")");
        std::string felt = linje.substr(start, slutt == std::string::npos ? std::string::npos : slutt - start);
        if (!felt.empty() && felt.back() == '\r') felt.pop_back();
        if (!felt.empty()) rad[static_cast<size_t>(i)] = felt;
        start = slutt == std::string::npos ? linje.size() : slutt + 1;
        if (i == AntallFelt - 1 && slutt != std::string::npos) throw Feil("for mange felt");
    }
    return rad;
}

} // namespace resultatfil
