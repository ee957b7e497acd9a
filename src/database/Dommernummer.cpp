#include "database/Dommernummer.h"

#include <cmath>

#include "platform/vb/Variant.h"

std::optional<int16_t> GyldigDommernummer(double verdi) {
    if (!std::isfinite(verdi) || verdi != std::floor(verdi)) return std::nullopt;
    if (verdi < MinsteDommernummer || verdi > StorsteDommernummer) return std::nullopt;
    return static_cast<int16_t>(verdi);
}

std::optional<int16_t> GyldigDommernummer(std::string_view tekst) {
    // "1e999" is too large to read: far outside the register's range all the same.
    const std::optional<double> verdi = vb::ValInRange(tekst);
    return verdi ? GyldigDommernummer(*verdi) : std::nullopt;
}
