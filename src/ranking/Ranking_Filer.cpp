// The export for the clubs and the two import choosers.
#include "platform/forms/Form.h"
#include "ranking/Eksport.h"
#include "ranking/HentRanking.h"
#include "ranking/Ranking.h"

void Ranking::SSCommand2_Click() { Lag_Rankingliste_For_Klubbene(); }
void Ranking::SSCommand9_Click() { forms::Default<HentRanking>().Show(forms::vbModal); }
void Ranking::SSCommand3_Click() { forms::Default<HentRanking2>().Show(forms::vbModal); }
