#include "matches/Utskriftslinje.h"

#include <variant>

#include "platform/vb/Strings.h"

namespace kamper {

vb::Variant Kutt(vb::Variant verdi, int n) {
    if (verdi.IsNull()) return verdi;
    // A text of no more bytes than n has no more characters either: it stays whole.
    if (const auto* tekst = std::get_if<std::string>(&verdi.raw()); tekst && n >= 0 && tekst->size() <= static_cast<size_t>(n))
        return verdi;
    return vb::Left(vb::CStr(verdi), n);
}

std::string Resultat(const vb::Variant& hjemme, const vb::Variant& borte) {
    // Built in one text: the report writes one for each of its rows.
    std::string r = hjemme.IsNull() ? std::string() : hjemme.ToText();
    r += " - ";
    if (!borte.IsNull()) r += borte.ToText();
    return r;
}

} // namespace kamper
