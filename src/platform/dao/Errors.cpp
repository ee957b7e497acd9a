#include "platform/dao/Errors.h"

#include <sqlite3.h>

#include <utility>

#include "platform/vb/Err.h"

namespace dao::detail {

namespace {

std::string quoted(std::string_view object) { return "'" + std::string(object) + "'"; }

std::string text(int number, std::string_view object) {
    const std::string o = object.empty() ? std::string() : quoted(object);
    switch (number) {
    case vb::errnum::Overflow: return object.empty() ? "Overflyt" : "Overflyt i feltet " + o + ".";
    case vb::errnum::TypeMismatch: return object.empty() ? "Typen samsvarer ikke" : "Typen samsvarer ikke for feltet " + o + ".";
    case dao::errnum::CannotOpen:
        return "Databasemotoren kan ikke åpne filen" + (object.empty() ? std::string() : " " + std::string(object)) + ".";
    case dao::errnum::InUse: return "Databasen " + o + " er allerede i bruk av en annen person eller prosess.";
    case dao::errnum::DatabaseExists: return "Databasen " + o + " finnes allerede.";
    case dao::errnum::FieldExists: return "Kan ikke definere feltet " + o + " mer enn én gang.";
    case dao::errnum::FieldTooSmall:
        return "Feltet " + o + " er for lite til å ta imot så mye data som du prøvde å legge til. "
               "Prøv å sette inn eller lime inn mindre data.";
    case dao::errnum::NoSuchItem: return "Finner ikke elementet " + o + " i denne samlingen.";
    case dao::errnum::TooFewParameters: return "For få parametere." + (object.empty() ? std::string() : " " + std::string(object) + ".");
    case dao::errnum::SyntaxError: return "Syntaksfeil i spørringsuttrykket " + o + ".";
    case dao::errnum::TableExists: return "Tabellen " + o + " finnes allerede.";
    case dao::errnum::ObjectExists: return "Objektet " + o + " finnes allerede.";
    case dao::errnum::DuplicateKey: return "Endringene ble ikke utført fordi de ville gitt like verdier i en unik indeks.";
    case dao::errnum::NoTransaction: return "Du prøvde å fullføre eller angre en transaksjon uten først å starte en transaksjon.";
    case dao::errnum::InvalidPath: return o + " er ikke en gyldig bane. Kontroller at mappen finnes.";
    case dao::errnum::DiskError: return "Disk- eller nettverksfeil." + (object.empty() ? std::string() : " (" + std::string(object) + ")");
    case dao::errnum::DiskFull: return "Ikke nok plass på disken.";
    case dao::errnum::NotADatabase: return "Kan ikke åpne databasen " + o + ". Filen er kanskje skadet.";
    case dao::errnum::Canceled: return "Arbeidet ble avbrutt fordi programmet avsluttes. Ingenting av det ble lagret.";
    case dao::errnum::SelectNotExecutable: return "Kan ikke utføre en utvalgsspørring.";
    case dao::errnum::NoSuchTable: return "Databasemotoren finner ikke inndatatabellen eller spørringen " + o + ".";
    case dao::errnum::BadName: return o + " er ikke et gyldig navn.";
    case dao::errnum::FieldNotUpdatable: return "Feltet " + o + " kan ikke oppdateres.";
    case dao::errnum::RecordDeleted: return "Posten er slettet.";
    case dao::errnum::InvalidOperation: return "Ugyldig operasjon.";
    case dao::errnum::TableLocked: return "Databasemotoren kunne ikke låse tabellen fordi den allerede er i bruk.";
    case dao::errnum::NoFieldDefined: return "Ingen felt er definert. Kan ikke tilføye tabelldefinisjonen eller indeksen " + o + ".";
    case dao::errnum::IndexExists: return "Indeksen " + o + " finnes allerede.";
    case dao::errnum::NullNotAllowed: return "Feltet " + o + " kan ikke inneholde en Null-verdi.";
    case dao::errnum::ObjectInvalid: return "Objektet er ugyldig eller ikke lenger angitt.";
    case dao::errnum::FileGone:
        return "Databasen " + o + " finnes ikke lenger: filen er slettet eller flyttet mens programmet hadde den åpen. "
               "Ingenting ble lagret.";
    case dao::errnum::FileReplaced:
        return "Databasen " + o + " er ikke lenger den filen programmet åpnet: et annet program har byttet den ut eller "
               "skrevet over den mens den var åpen. Ingenting ble lagret.";
    case dao::errnum::Reserved: return "Reservert feil (" + std::string(object) + ").";
    default: {
        const std::string base = vb::ErrorText(number);
        return object.empty() ? base : base + " (" + std::string(object) + ")";
    }
    }
}

sqlite3* g_storedDespiteFailure = nullptr;

bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

std::string after(std::string_view message, std::string_view marker) {
    const auto at = message.find(marker);
    return at == std::string_view::npos ? std::string() : std::string(message.substr(at + marker.size()));
}

} // namespace

void Fail(int number, std::string_view object) { throw vb::Err(number, text(number, object)); }

namespace {

[[noreturn]] void translate(sqlite3* db, int rc, std::string_view sql) {
    const std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    const int extended = db ? sqlite3_extended_errcode(db) : rc;
    switch (extended) {
    case SQLITE_CONSTRAINT_CHECK: {
        // Our column checks are named after what they guard: size_<field>, range_<field>.
        const std::string name = after(message, "CHECK constraint failed: ");
        if (startsWith(name, "size_")) Fail(dao::errnum::FieldTooSmall, name.substr(5));
        if (startsWith(name, "range_")) Fail(vb::errnum::Overflow, name.substr(6));
        Fail(dao::errnum::Reserved, message);
    }
    case SQLITE_CONSTRAINT_NOTNULL: Fail(dao::errnum::NullNotAllowed, after(message, "NOT NULL constraint failed: "));
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY: Fail(dao::errnum::DuplicateKey);
    default: break;
    }
    switch (rc & 0xff) {
    case SQLITE_BUSY: Fail(dao::errnum::InUse, db ? sqlite3_db_filename(db, "main") : "");
    case SQLITE_LOCKED: Fail(dao::errnum::TableLocked);
    case SQLITE_READONLY: Fail(dao::errnum::CannotUpdate);
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT: Fail(dao::errnum::NotADatabase, db ? sqlite3_db_filename(db, "main") : "");
    case SQLITE_FULL: Fail(dao::errnum::DiskFull);
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN: Fail(dao::errnum::DiskError, message);
    case SQLITE_RANGE: Fail(dao::errnum::TooFewParameters);
    case SQLITE_INTERRUPT: Fail(dao::errnum::Canceled);
    case SQLITE_ERROR:
        if (startsWith(message, "no such table: ")) Fail(dao::errnum::NoSuchTable, after(message, "no such table: "));
        if (startsWith(message, "no such column: ")) Fail(dao::errnum::TooFewParameters, "Ukjent navn: " + after(message, "no such column: "));
        if (startsWith(message, "duplicate column name: ")) Fail(dao::errnum::FieldExists, after(message, "duplicate column name: "));
        if (startsWith(message, "table ") && message.ends_with(" already exists")) Fail(dao::errnum::TableExists, message.substr(6, message.size() - 21));
        if (startsWith(message, "database ") && message.ends_with(" is locked")) Fail(dao::errnum::TableLocked);
        if (startsWith(message, "index ") && message.ends_with(" already exists")) Fail(dao::errnum::IndexExists, message.substr(6, message.size() - 21));
        Fail(dao::errnum::SyntaxError, sql.empty() ? std::string_view(message) : sql);
    default: Fail(dao::errnum::Reserved, message);
    }
}

} // namespace

void FailSqlite(sqlite3* db, int rc, std::string_view sql) {
    if (!db || db != std::exchange(g_storedDespiteFailure, nullptr)) translate(db, rc, sql);
    try {
        translate(db, rc, sql);
    } catch (vb::Err& e) {
        e.Description = "Endringen er lagret, men vinduet kunne ikke oppdateres etterpå. Ikke gjør endringen på nytt. (" +
                        e.Description + ")";
        throw;
    }
}

void NoteStoredDespiteFailure(sqlite3* db) { g_storedDespiteFailure = db; }

void WriteBegins(sqlite3* db) {
    if (g_storedDespiteFailure == db) g_storedDespiteFailure = nullptr;
}

} // namespace dao::detail
