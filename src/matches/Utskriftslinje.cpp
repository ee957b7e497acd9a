#include "matches/Utskriftslinje.h"

#include "platform/vb/Strings.h"

namespace kamper {

vb::Variant Kutt(const vb::Variant& verdi, int n) {
    if (verdi.IsNull()) return verdi;
    return vb::Left(vb::CStr(verdi), n);
}

std::string Resultat(const vb::Variant& hjemme, const vb::Variant& borte) {
    return vb::Concat(hjemme, " - ") + vb::Concat(borte, "");
}

} // namespace kamper
