// Opening a tournament database and bringing its layout up to version 9.
#include "database/Apen.h"

#include <filesystem>

#include "database/Database.h"
#include "database/Schema.h"
#include "platform/files/Files.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

using namespace turneringsdb;

namespace {

constexpr int FeltFinnes = dao::errnum::FieldExists;

// A file that holds neither Versjon.DatabaseID nor Dommere is some other database:
// it is left exactly as it is.
void SjekkTurneringsfil(const dao::Database& db) {
    const bool harVersjon = db.HasTable("Versjon") && db.TableDef_("Versjon").FindField("DatabaseID");
    if (!harVersjon || !db.HasTable("Dommere"))
        vb::Raise(dao::errnum::NoSuchTable, "Filen er ikke en turneringsdatabase (tabellen Versjon eller Dommere mangler).");
}

void LeggTilKolonne(dao::Database& db, const NyKolonne& ny) {
    dao::TableDef def = db.TableDef_(ny.tabell);
    dao::Field f = def.CreateField(ny.kolonne.navn, ny.kolonne.type);
    if (ny.kolonne.type == dao::dbText) {
        f.AllowZeroLength = true;
        f.Size = ny.kolonne.storrelse;
    }
    try {
        def.Fields_Append(f);
    } catch (const vb::Err& e) {
        // A step may run over a file that has some of its columns already.
        if (e.Number != FeltFinnes) throw;
    }
}

// Runs the steps from the stored version up to 8 and stamps 9, all in one
// transaction: a file is either fully upgraded or left as it was.
void Oppgrader(dao::Database& db) {
    dao::Recordset rs = db.OpenRecordset("Versjon", dao::dbOpenDynaset);
    if (rs.EOF_()) {
        rs.Close();
        return;
    }
    const vb::Variant lagret = rs.Get("DatabaseID");
    rs.Close();
    if (lagret.IsNull() || lagret.IsEmpty()) return;
    const int versjon = lagret.ToLong();
    if (versjon == Skjemaversjon) return;
    // An unknown version gets no step, only the stamp.
    const bool kjentVersjon = versjon >= 1 && versjon < Skjemaversjon;

    // Cursors on the file would stop the engine from altering its tables.
    SlippDelte();
    dao::Workspace& ws = Arbeid();
    ws.BeginTrans();
    try {
        for (const Oppgraderingstrinn& trinn : Oppgraderingstrinnene()) {
            if (!kjentVersjon || trinn.versjon < versjon) continue;
            for (const NyKolonne& k : trinn.kolonner) LeggTilKolonne(db, k);
            if (trinn.rankingtabeller) {
                Opprett_Ranking();
                Opprett_Ranking_KlData();
            }
        }
        dao::Recordset stempel = db.OpenRecordset("Versjon", dao::dbOpenDynaset);
        stempel.Edit();
        stempel.Set("DatabaseID", vb::Variant::Integer(Skjemaversjon));
        stempel.Update();
        stempel.Close();
        ws.CommitTrans();
    } catch (...) {
        ws.Rollback();
        throw;
    }
}

// The tournament date came after version 9: added to any file that lacks it.
void LeggTilTurneringsdato(dao::Database& db) {
    if (!db.TableDef_("Versjon").FindField(Turneringsdatokolonne().kolonne.navn)) LeggTilKolonne(db, Turneringsdatokolonne());
}

// Every refusal of the chosen file (in use, write-protected, missing, not a tournament
// database, an upgrade that failed) gets the one message of a failed open, with the
// reason the engine found: the guess in its first line is often not the one.
void Rapporter(const vb::Err& feil) {
    forms::MsgBox(std::string("Feil ved åpning av databasen, den kan f.eks. være skrivebeskyttet!!") + vb::vbCrLf +
                      "Kontrollér status på database-filen ved hjelp av Explorer/Utforsker" + vb::vbCrLf + vb::vbCrLf +
                      Aarsak(feil),
                  forms::vbQuestion + forms::vbOKOnly);
}

} // namespace

namespace turneringsdb {

bool ByttTil(const std::string& sti) {
    dao::Database forrige = state::DBase;
    dao::Database ny;
    try {
        // Proved a tournament database through a read-only handle first: the exclusive
        // lock is a write, and a file that is refused must be left exactly as it was.
        dao::Database provet = Arbeid().OpenDatabase(sti, false, true);
        try {
            SjekkTurneringsfil(provet);
        } catch (const vb::Err&) {
            provet.Close();
            throw;
        }
        provet.Close();
        ny = Arbeid().OpenDatabase(sti, true, false);
    } catch (const vb::Err& e) {
        Rapporter(e);
        return false;
    }
    // The table creators of the upgrade work on DBase.
    state::DBase = ny;
    try {
        Oppgrader(ny);
        LeggTilTurneringsdato(ny);
    } catch (const vb::Err& e) {
        ny.Close();
        state::DBase = forrige;
        Rapporter(e);
        return false;
    }
    BliApen(forrige, sti);
    // The file is open and upgraded whatever the read of its version row meets now: the
    // failure is told, and the user works on or opens the file again.
    try {
        state::UtvalgVersjon = state::DBase.OpenRecordset("Versjon", dao::dbOpenDynaset);
    } catch (const vb::Err& e) {
        forms::MsgBox(Aarsak(e), forms::vbCritical);
    }
    return true;
}

} // namespace turneringsdb

void Oppgrader_Database() {
    Navn forrige = NavnPaaApen();
    forms::Timeglass timeglass;
    // What a save-as killed during its copy left in this folder goes now.
    files::RemoveWriteLeftovers(files::FolderOf(state::Databasenavn));
    // The open database's own name, whose file another program replaced, took away or
    // wrote into: the lost file is let go first (no handle may open its name beside it, and
    // the connection's pages are the old file's), and is nothing to fall back to.
    namespace fs = std::filesystem;
    if (!forrige.databasenavn.empty() && !state::DBase.AsLastLeft() &&
        fs::path(forrige.databasenavn).lexically_normal() == fs::path(state::Databasenavn).lexically_normal()) {
        LukkApen();
        forrige = {};
    }
    if (!ByttTil(state::Databasenavn)) SettTilbake(forrige);
}
