#include "register/Stempel.h"

#include <string>

#include "platform/vb/Format.h"
#include "state/ProgramState.h"

void Siste_Oppdatering(dao::Database& db, std::string_view datoformat) {
    using state::Utvalg1;
    Utvalg1 = db.OpenRecordset("Select * from versjon");
    Utvalg1.Edit();
    Utvalg1.Set("LagetDato", vb::Format(vb::Now(), datoformat));
    Utvalg1.Set("ADDR1", vb::Format(vb::Now(), "hhmm"));
    Utvalg1.Set("ADDR2", vb::Format(vb::Now(), "dddd"));
    Utvalg1.Update();
}
