#include "ranking/Databaser.h"

#include "platform/vb/Err.h"
#include "state/ProgramState.h"

dao::Database& Turneringsbase() {
    using namespace state;
    if (DBase2.IsNothing() || !DBase2.IsOpen()) DBase2 = dao::DBEngine::Workspaces(0).OpenDatabase(Databasenavn);
    return DBase2;
}

void LukkRankingfil() {
    using namespace state;
    for (dao::Recordset* rs : {&Utvalg, &Utvalg1, &Utvalg2, &Utvalg3, &Utvalg4}) {
        try {
            if (!rs->IsNothing()) rs->Close();
        } catch (const vb::Err&) {
        }
        *rs = dao::Recordset();
    }
    try {
        if (!DBaseRanking.IsNothing()) DBaseRanking.Close();
    } catch (const vb::Err&) {
    }
    DBaseRanking = dao::Database();
}
