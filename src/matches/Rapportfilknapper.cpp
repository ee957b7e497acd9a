// The report-file buttons of the two match windows. Their runs (the report
// files of all referees and of the referee in Text4) are written with the
// report-template component; until then a press writes nothing.
#include "matches/Dommer.h"
#include "matches/Dommer2.h"

void Dommer::SSCommand8_Click() {}
void Dommer::SSCommand9_Click() {}
void Dommer2::SSCommand8_Click() {}
void Dommer2::SSCommand9_Click() {}
