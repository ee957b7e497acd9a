#pragma once
// The search for matches entered twice: active rows of one referee that agree
// exactly in every match field (the game without regard to case) but carry
// different sequence numbers.
#include <string>
#include <vector>

#include "platform/dao/Dao.h"

namespace kamper {

// The grid rows of the duplicate list, tab-separated, unsorted: each row once for every
// other row that duplicates it. Reads the whole table once, then the rows that may be
// duplicates; only referees of the register.
std::vector<std::string> FinnDuplikater(dao::Database& db);

} // namespace kamper
