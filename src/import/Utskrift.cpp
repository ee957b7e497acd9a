// TEMPORARY until the page model is merged.
#include "import/Utskrift.h"
void Print_Dommerdata_Fil() {}
void Print_Duplikater() {}
void Print_Overskrift_Dommerdata() {}
void Print_Overskrift_Duplikater() {}
