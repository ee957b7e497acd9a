#pragma once
// The match the user picked in Dommer's match grid: its referee and sequence
// number, as the row showed them. A deletion acts on it and on nothing else.
//
// Nullstill_Valgt_Kamp() forgets it; every refill of the grid, a save and a
// change of referee call it, and so must the result import after it has run
// (the rows on screen may no longer be what the user picked from).
#include <cstdint>
#include <optional>

namespace kamper {

struct Kampvalg {
    int16_t dommer;
    int32_t sekvens;
};

// Empty when no match row is picked.
inline std::optional<Kampvalg> ValgtKamp;

} // namespace kamper

void Nullstill_Valgt_Kamp();
