#pragma once
// The databases the ranking files work on.
#include "platform/dao/Dao.h"

// DBase2, the second handle on the open tournament database; opened again on
// Databasenavn when another window closed it.
dao::Database& Turneringsbase();
// Closes DBaseRanking and the recordsets on it, ignoring errors: no later
// export or import may read a file left open by an earlier one.
void LukkRankingfil();
