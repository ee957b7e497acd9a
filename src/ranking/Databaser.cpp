#include "ranking/Databaser.h"

#include "database/Apen.h"
#include "platform/vb/Err.h"
#include "state/ProgramState.h"

dao::Database& Turneringsbase() {
    using namespace state;
    if (DBase2.IsNothing() || !DBase2.IsOpen()) DBase2 = dao::DBEngine::Workspaces(0).OpenDatabase(Databasenavn);
    return DBase2;
}

void LukkRankingfil() {
    // Any of the shared recordsets may lie on the file.
    turneringsdb::SlippDelte();
    try {
        if (!state::DBaseRanking.IsNothing()) state::DBaseRanking.Close();
    } catch (const vb::Err&) {
    }
    state::DBaseRanking = dao::Database();
}
