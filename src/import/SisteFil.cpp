#include "import/SisteFil.h"

#include "database/Apen.h"
#include "import/HentDommerFil.h"
#include "import/VisDuplikater.h"
#include "platform/forms/Runtime.h"
#include "state/ProgramState.h"

namespace innlesing {

bool HarSisteFil() { return !SisteFil.empty() && SisteBase.IsOpen(); }

void Glem_Siste_Fil() {
    if (!SisteBase.IsNothing()) SisteBase.Close();
    SisteBase = dao::Database();
    SisteFil.clear();
    SisteDatabase.clear();
    turneringsdb::GlemDatabaseendring(&SisteBase);
}

void FolgDatabasen() {
    SisteDatabase = state::Databasenavn;
    turneringsdb::NarDatabasenEndres(&SisteBase, [] {
        // A read-in or a failed open leaves the same database open: the file stays.
        if (state::Databasenavn == SisteDatabase) return;
        Glem_Siste_Fil();
        if (forms::IsLoaded<VisDuplikater>()) forms::Default<VisDuplikater>().Unload();
        if (forms::IsLoaded<HentDommerFil>()) forms::Default<HentDommerFil>().Tom_Vindu();
    });
}

} // namespace innlesing
