// The export for the clubs and the two import choosers belong to the ranking
// files module, which fills these handlers.
#include "ranking/Ranking.h"

void Ranking::SSCommand2_Click() {}
void Ranking::SSCommand9_Click() {}
void Ranking::SSCommand3_Click() {}
