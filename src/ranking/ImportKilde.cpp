#include "ranking/ImportKilde.h"

#include <cmath>

#include "database/Apen.h"
#include "platform/files/Files.h"
#include "platform/dao/ErrorNumbers.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

namespace {

constexpr int Tekstlengde = 50;

} // namespace

void Avvis_Apen_Database(const std::string& sti) {
    if (turneringsdb::ErApenDatabase(sti))
        vb::Raise(dao::errnum::CannotOpen, "Filen er databasen som er åpen nå. Velg en annen database.");
}

void Apne_Rankingkilde(const std::string& sti, dao::Workspace& ws, std::span<const Importkolonne> kolonner) {
    const std::string navn = files::BaseName(sti);
    if (navn.empty() || navn.find_first_of("*?") != std::string::npos)
        vb::Raise(vb::errnum::BadFileName, "Ingen fil er valgt (" + navn + ").");
    Avvis_Apen_Database(sti);
    // Only read: a source that is refused or read keeps its bytes (and its journal mode).
    state::DBaseRanking = ws.OpenDatabase(sti, true, true);
    if (!state::DBaseRanking.HasTable("Ranking")) vb::Raise(dao::errnum::NoSuchTable, "Filen har ingen tabell Ranking.");
    const dao::TableDef tabell = state::DBaseRanking.TableDef_("Ranking");
    for (const Importkolonne& k : kolonner)
        if (!tabell.FindField(k.kilde))
            vb::Raise(dao::errnum::NoSuchItem, std::string("Tabellen Ranking i filen mangler kolonnen ") + k.kilde + ".");
}

bool Lokal_Verdi(const vb::Variant& verdi, int type, vb::Variant& lokal) {
    if (verdi.IsNull() || verdi.IsEmpty()) {
        lokal = vb::Null;
        return true;
    }
    try {
        if (type == dao::dbInteger) {
            if (!vb::IsNumeric(verdi)) return false;
            const double tall = vb::RoundHalfEven(vb::CDbl(verdi));
            if (!std::isfinite(tall) || tall < -32768 || tall > 32767) return false;
            lokal = vb::Variant::Integer(static_cast<int>(tall));
        } else if (type == dao::dbBoolean) {
            lokal = vb::CBool(verdi);
        } else {
            std::string tekst = vb::CStr(verdi);
            if (vb::Len(tekst) > Tekstlengde) return false;
            lokal = std::move(tekst);
        }
        return true;
    } catch (const vb::Err&) {
        return false;
    }
}
