#include "matches/Utskriftslinje.h"

#include "platform/vb/Strings.h"

using printer::Printer;

namespace kamper {

void SkrivVed(double x, const vb::Variant& verdi, printer::Line linje) {
    Printer.SetCurrentX(x);
    Printer.Print(verdi, linje);
}

vb::Variant Kutt(const vb::Variant& verdi, int n) {
    if (verdi.IsNull()) return verdi;
    return vb::Left(vb::CStr(verdi), n);
}

std::string Resultat(const vb::Variant& hjemme, const vb::Variant& borte) {
    return vb::Concat(hjemme, " - ") + vb::Concat(borte, "");
}

void Overskriftslinje(std::initializer_list<std::pair<const char*, double>> overskrifter) {
    Printer.SetFontUnderline(true);
    Printer.SetFontSize(8);
    std::size_t i = 0;
    for (const auto& [tekst, x] : overskrifter)
        SkrivVed(x, tekst, ++i == overskrifter.size() ? printer::EndLine : printer::Stay);
    Printer.SetFontUnderline(false);
}

} // namespace kamper
