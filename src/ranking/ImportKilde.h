#pragma once
// Opening an import source and the values it may hold.
#include <span>
#include <string>

#include "platform/dao/Dao.h"

struct Importkolonne {
    const char* kilde;   // name in the source
    const char* lokal;   // name in the open database
    int type;            // the local column's dao::DataType
};

// Raises vb::Err when sti is the open tournament database: its entries would be
// deleted before they were read.
void Avvis_Apen_Database(const std::string& sti);

// Opens sti exclusively and read-only into DBaseRanking through ws and proves it holds table
// Ranking with the given columns; raises vb::Err with the reason otherwise.
void Apne_Rankingkilde(const std::string& sti, dao::Workspace& ws, std::span<const Importkolonne> kolonner);

// Puts in lokal the value as the local column holds it (Null stays Null); false
// when the column cannot hold it (text over 50 characters, a non-number or a
// number out of range for Integer).
bool Lokal_Verdi(const vb::Variant& verdi, int type, vb::Variant& lokal);
