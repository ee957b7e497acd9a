#include "register/Dommernummer.h"

#include <cmath>

#include "platform/vb/Err.h"
#include "platform/vb/Variant.h"

std::optional<int16_t> GyldigDommernummer(double verdi) {
    if (!std::isfinite(verdi) || verdi != std::floor(verdi)) return std::nullopt;
    if (verdi < MinsteDommernummer || verdi > StorsteDommernummer) return std::nullopt;
    return static_cast<int16_t>(verdi);
}

std::optional<int16_t> GyldigDommernummer(std::string_view tekst) {
    // "1e999" overflows as it is read: far outside the register's range all the same.
    try {
        return GyldigDommernummer(vb::Val(tekst));
    } catch (const vb::Err&) {
        return std::nullopt;
    }
}
