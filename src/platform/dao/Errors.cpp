#include "platform/dao/Errors.h"

#include <sqlite3.h>

#include "platform/vb/Err.h"

namespace dao::detail {

namespace {

std::string quoted(std::string_view object) { return "'" + std::string(object) + "'"; }

std::string text(int number, std::string_view object) {
    const std::string o = object.empty() ? std::string() : quoted(object);
    switch (number) {
    case vb::errnum::Overflow: return object.empty() ? "Overflyt" : "Overflyt i feltet " + o + ".";
    case vb::errnum::TypeMismatch: return object.empty() ? "Typen samsvarer ikke" : "Typen samsvarer ikke for feltet " + o + ".";
    case vb::errnum::CannotOpen:
        return "Databasemotoren kan ikke åpne filen" + (object.empty() ? std::string() : " " + std::string(object)) + ".";
    case vb::errnum::InUse: return "Databasen " + o + " er allerede i bruk av en annen person eller prosess.";
    case vb::errnum::DatabaseExists: return "Databasen " + o + " finnes allerede.";
    case vb::errnum::FieldExists: return "Kan ikke definere feltet " + o + " mer enn én gang.";
    case vb::errnum::FieldTooSmall:
        return "Feltet " + o + " er for lite til å ta imot så mye data som du prøvde å legge til. "
               "Prøv å sette inn eller lime inn mindre data.";
    case vb::errnum::NoSuchItem: return "Finner ikke elementet " + o + " i denne samlingen.";
    case vb::errnum::TooFewParameters: return "For få parametere." + (object.empty() ? std::string() : " " + std::string(object) + ".");
    case vb::errnum::SyntaxError: return "Syntaksfeil i spørringsuttrykket " + o + ".";
    case vb::errnum::TableExists: return "Tabellen " + o + " finnes allerede.";
    case num::ObjectExists: return "Objektet " + o + " finnes allerede.";
    case num::DuplicateKey: return "Endringene ble ikke utført fordi de ville gitt like verdier i en unik indeks.";
    case num::NoTransaction: return "Du prøvde å fullføre eller angre en transaksjon uten først å starte en transaksjon.";
    case num::InvalidPath: return o + " er ikke en gyldig bane. Kontroller at mappen finnes.";
    case vb::errnum::DiskError: return "Disk- eller nettverksfeil." + (object.empty() ? std::string() : " (" + std::string(object) + ")");
    case vb::errnum::DiskFull: return "Ikke nok plass på disken.";
    case vb::errnum::NotADatabase: return "Kan ikke åpne databasen " + o + ". Filen er kanskje skadet.";
    case num::SelectNotExecutable: return "Kan ikke utføre en utvalgsspørring.";
    case vb::errnum::NoSuchTable: return "Databasemotoren finner ikke inndatatabellen eller spørringen " + o + ".";
    case num::BadName: return o + " er ikke et gyldig navn.";
    case num::FieldNotUpdatable: return "Feltet " + o + " kan ikke oppdateres.";
    case num::RecordDeleted: return "Posten er slettet.";
    case num::TableLocked: return "Databasemotoren kunne ikke låse tabellen fordi den allerede er i bruk.";
    case num::NoFieldDefined: return "Ingen felt er definert. Kan ikke tilføye tabelldefinisjonen eller indeksen " + o + ".";
    case num::IndexExists: return "Indeksen " + o + " finnes allerede.";
    case num::NullNotAllowed: return "Feltet " + o + " kan ikke inneholde en Null-verdi.";
    case num::ObjectInvalid: return "Objektet er ugyldig eller ikke lenger angitt.";
    case num::FileGone:
        return "Databasen " + o + " finnes ikke lenger: filen er slettet eller flyttet mens programmet hadde den åpen. "
               "Ingenting ble lagret.";
    case num::FileReplaced:
        return "Databasen " + o + " er ikke lenger den filen programmet åpnet: et annet program har byttet den ut eller "
               "skrevet over den mens den var åpen. Ingenting ble lagret.";
    case num::Reserved: return "Reservert feil (" + std::string(object) + ").";
    default: {
        const std::string base = vb::ErrorText(number);
        return object.empty() ? base : base + " (" + std::string(object) + ")";
    }
    }
}

bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

std::string after(std::string_view message, std::string_view marker) {
    const auto at = message.find(marker);
    return at == std::string_view::npos ? std::string() : std::string(message.substr(at + marker.size()));
}

} // namespace

void Fail(int number, std::string_view object) { throw vb::Err(number, text(number, object)); }

void FailSqlite(sqlite3* db, int rc, std::string_view sql) {
    const std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    const int extended = db ? sqlite3_extended_errcode(db) : rc;
    switch (extended) {
    case SQLITE_CONSTRAINT_CHECK: {
        // Our column checks are named after what they guard: size_<field>, range_<field>.
        const std::string name = after(message, "CHECK constraint failed: ");
        if (startsWith(name, "size_")) Fail(vb::errnum::FieldTooSmall, name.substr(5));
        if (startsWith(name, "range_")) Fail(vb::errnum::Overflow, name.substr(6));
        Fail(num::Reserved, message);
    }
    case SQLITE_CONSTRAINT_NOTNULL: Fail(num::NullNotAllowed, after(message, "NOT NULL constraint failed: "));
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY: Fail(num::DuplicateKey);
    default: break;
    }
    switch (rc & 0xff) {
    case SQLITE_BUSY: Fail(vb::errnum::InUse, db ? sqlite3_db_filename(db, "main") : "");
    case SQLITE_LOCKED: Fail(num::TableLocked);
    case SQLITE_READONLY: Fail(vb::errnum::CannotUpdate);
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT: Fail(vb::errnum::NotADatabase, db ? sqlite3_db_filename(db, "main") : "");
    case SQLITE_FULL: Fail(vb::errnum::DiskFull);
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN: Fail(vb::errnum::DiskError, message);
    case SQLITE_RANGE: Fail(vb::errnum::TooFewParameters);
    case SQLITE_ERROR:
        if (startsWith(message, "no such table: ")) Fail(vb::errnum::NoSuchTable, after(message, "no such table: "));
        if (startsWith(message, "no such column: ")) Fail(vb::errnum::TooFewParameters, "Ukjent navn: " + after(message, "no such column: "));
        if (startsWith(message, "duplicate column name: ")) Fail(vb::errnum::FieldExists, after(message, "duplicate column name: "));
        if (startsWith(message, "table ") && message.ends_with(" already exists")) Fail(vb::errnum::TableExists, message.substr(6, message.size() - 21));
        if (startsWith(message, "database ") && message.ends_with(" is locked")) Fail(num::TableLocked);
        if (startsWith(message, "index ") && message.ends_with(" already exists")) Fail(num::IndexExists, message.substr(6, message.size() - 21));
        Fail(vb::errnum::SyntaxError, sql.empty() ? std::string_view(message) : sql);
    default: Fail(num::Reserved, message);
    }
}

} // namespace dao::detail
