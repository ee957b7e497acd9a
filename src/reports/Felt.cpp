#include "reports/Felt.h"

#include "platform/printer/Printer.h"

std::string Felt(const dao::Recordset& rs, const char* navn) {
    const vb::Variant v = rs.Get(navn);
    return v.IsNull() ? std::string() : v.ToText();
}

bool Flagg(const dao::Recordset& rs, const char* navn) {
    const vb::Variant v = rs.Get(navn);
    return !v.IsNull() && v.ToBool();
}

int16_t Nummer(const dao::Recordset& rs, const char* navn) { return rs.Get(navn).ToInteger(); }

namespace {
const Klassetekst Boccia[] = {{"KlB_Dommer1", "Forbundsdommer 1"},   {"KlB_Dommer2", "Forbundsdommer 2"},
                              {"KlB_Dommer3", "Forbundsdommer 3"},   {"KlB_Aspirant1", "Aspirantdommer 1"},
                              {"KlB_Aspirant2", "Aspirantdommer 2"}, {"KlB_Aspirant3", "Aspirantdommer 3"},
                              {"KlB_Overdommer", "Overdommer"}};
const Klassetekst Curling[] = {{"KlC_Dommer1", "Forbundsdommer 1"},
                               {"KlC_Dommer3", "Forbundsdommer 3"},
                               {"KlC_Aspirant1", "Aspirantdommer 1"},
                               {"KlC_Overdommer", "Overdommer"}};
} // namespace

const std::span<const Klassetekst> BocciaKlasser(Boccia);
const std::span<const Klassetekst> CurlingKlasser(Curling);

std::string ForsteKlasse(const dao::Recordset& rs, std::span<const Klassetekst> klasser) {
    for (const Klassetekst& k : klasser)
        if (Flagg(rs, k.flagg)) return k.tekst;
    return {};
}

void Skriv_Felter(const dao::Recordset& rs, std::initializer_list<std::pair<double, const char*>> felter) {
    for (const auto& [x, felt] : felter) {
        printer::Printer.SetCurrentX(x);
        printer::Printer.Print(rs.Get(felt), printer::Stay);
    }
}
