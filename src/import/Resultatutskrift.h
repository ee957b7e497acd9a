#pragma once
// The printed reports of the last result file read in: every row with its
// status, and the rows marked as duplicates.
#include <string>
#include <vector>

#include "platform/dao/Dao.h"

void Print_Dommerdata_Fil();
void Print_Duplikater();
void Print_Overskrift_Dommerdata();
void Print_Overskrift_Duplikater();

namespace innlesing {

// One column of a printed row line: its X in twips and the value printed there.
struct Utskriftsfelt {
    double x;
    vb::Variant verdi;   // numbers print as the page model prints numbers, texts as they are
};
// The columns a row prints; an empty field prints nothing and is left out.
std::vector<Utskriftsfelt> Radlinje(const dao::Recordset& rad);

} // namespace innlesing
