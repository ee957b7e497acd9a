#include "ranking/EksportUtskrift.h"
void Print_Rankingliste() {}
