#pragma once
// Which tournament database is open, and the one road by which that changes:
// creation, opening and save-as all end here, so DBase, DBase2, the shared
// recordsets and the names always agree on one file.
#include <functional>
#include <string>
#include "platform/dao/Dao.h"
#include "platform/forms/Form.h"
#include "platform/vb/Err.h"

namespace turneringsdb {

// Arbeidsomrade, taken from the engine when the start-up has not set it yet.
dao::Workspace& Arbeid();

// Katalog joined with a name by exactly one "/" ("" folder: the name as it is).
std::string Sammenfoy(const std::string& katalog, const std::string& navn);
// The text after the last "/".
std::string BareNavn(const std::string& sti);

struct Navn {
    std::string databasenavn, filnavn;
};
// The names of the file DBase holds open; empty when none is open.
Navn NavnPaaApen();
void SettNavn(const std::string& sti);

// Closes the shared recordsets (Utvalg, Utvalg1..4, UtvalgVersjon).
void SlippDelte();
// Closes DBase and DBase2 and the shared recordsets.
void LukkApen();
// ny (already in DBase) is now the open database at sti: the handle held
// before is closed, DBase2 is a fresh second handle, the names follow.
void BliApen(dao::Database forrige, const std::string& sti);
// After a failed change: the names of the database still open, DBase2 on it again.
void SettTilbake(const Navn& forrige);

// Whether sti is the file of the open tournament database (the same device and inode,
// whatever the name): a writer that emptied it would empty the open database itself.
bool ErApenDatabase(const std::string& sti);

// Raises 3049 naming sti when SQLite's check finds db damaged.
void ProvHel(const dao::Database& db, const std::string& sti);

// An existing file that is to be emptied and filled again is proved first through a
// read-only handle, so a refused file keeps its bytes: not the open database, whole,
// and holding the table. Raises vb::Err with the reason otherwise.
void ProvFilForPafylling(const std::string& sti, const std::string& tabell);

// Opens sti as the open database, upgrading it to version 9. On failure the
// user is told why and DBase is what it was; returns whether it opened.
bool ByttTil(const std::string& sti);

// Windows that show the open database's data refresh at once when it changes
// (new, open, save-as, read-in, and a failed open that fell back). A window
// registers when it loads and forgets itself when it unloads.
void NarDatabasenEndres(const void* vindu, std::function<void()> oppfrisk);
// The same for a window that reads the database as it refreshes: with none open after
// the change (a failed save-as whose way back failed too) it closes instead.
void NarDatabasenEndresEllerLukk(forms::Form& vindu, std::function<void()> oppfrisk);
void GlemDatabaseendring(const void* vindu);
void DatabasenErEndret();

// "Årsak :  " and the error's text.
std::string Aarsak(const vb::Err& e);

} // namespace turneringsdb
