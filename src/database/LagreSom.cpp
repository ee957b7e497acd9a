// Saving the open database under a new name: a whole-file copy that then
// becomes the open database.
#include <filesystem>

#include "database/Apen.h"
#include "database/Database.h"
#include "platform/files/Files.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

using namespace turneringsdb;

namespace {

const char* const TilSegSelv = "Filen kan ikke kopieres til seg selv, velg annen fil";
const char* const FinnesFraFor = "Filen finnes fra før, velg annen fil";

bool SammeFil(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

void UgyldigFormat() {
    forms::Beep();
    forms::MsgBox("Ugyldig format på filnavn, Eks format: 'Turnering1' eller 'Turnering1.KVX' ", forms::vbOKOnly);
}

// Back to the database that was open before the save began. When that fails too (the
// file went meanwhile) none is open, and the windows that showed it hear so: none of
// them goes on showing, or writing into, a database that is closed.
void ApneForrige(const Navn& forrige) {
    state::Databasenavn = forrige.databasenavn;
    state::DatabaseFilnavn = forrige.filnavn;
    if (!forrige.databasenavn.empty() && !ByttTil(forrige.databasenavn)) SettTilbake({});
}

} // namespace

void Lagre_Database_Som() {
    // Works on a copy: the extension and the folder never reach Filnavn.
    std::string Navn = state::Filnavn;
    // A name may come with the leading "/" of the command-line convention.
    while (!Navn.empty() && Navn.front() == '/') Navn.erase(0, 1);
    const std::string stor = vb::UCase(Navn);
    if (stor == "*.KVX") return;
    if (vb::Right(stor, 4) != ".KVX") {
        if (vb::InStr(Navn, ".") > 0 || vb::Trim(Navn).empty()) {
            UgyldigFormat();
            return;
        }
        Navn += ".KVX";
    }
    // A name that starts with "." (".KVX" among them) would be a hidden file.
    if (Navn[0] == '.') {
        UgyldigFormat();
        return;
    }
    Navn = Sammenfoy(state::Katalog, Navn);

    // Both refusals come before anything is closed: the open file stays open.
    const std::string kilde = state::Databasenavn;
    if (files::ExistsInAnyCase(Navn)) {
        forms::MsgBox(SammeFil(Navn, kilde) ? TilSegSelv : FinnesFraFor, forms::vbOKOnly);
        return;
    }

    const turneringsdb::Navn forrige{state::Databasenavn, state::DatabaseFilnavn};
    // A copy of a file held open would read it past the engine's locks.
    LukkApen();
    try {
        files::FileCopy(kilde, Navn);
    } catch (const vb::Err& e) {
        // The copy onto itself was refused above; a permission failure here is the
        // folder's or the file's, and is told as it is.
        if (e.Number == vb::errnum::PathFileAccess)
            forms::MsgBox(FinnesFraFor, forms::vbOKOnly);
        else
            forms::MsgBox(Aarsak(e), forms::vbInformation + forms::vbOKOnly);
        ApneForrige(forrige);
        return;
    }
    SettNavn(Navn);
    state::Arbeidsomrade = &dao::DBEngine::Workspaces(0);
    if (!ByttTil(Navn)) ApneForrige(forrige);
}
