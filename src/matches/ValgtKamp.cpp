#include "matches/ValgtKamp.h"

void Nullstill_Valgt_Kamp() { kamper::ValgtKamp.reset(); }
