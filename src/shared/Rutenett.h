#pragma once
// The column tables of the windows' grids.
#include <span>

#include "platform/forms/Controls.h"

namespace shared {

// One column of a grid: heading, width in twips, alignment code (-1 leaves the grid's own),
// and the field it shows (none for a running number).
struct Kolonne {
    const char* overskrift;
    int bredde;
    int justering;
    const char* felt = nullptr;
};

// The column count, and each column's alignment and width.
void SettKolonner(forms::MSFlexGrid& grid, std::span<const Kolonne> kolonner);

// SettKolonner, then empties the grid down to its heading row and writes the headings
// cell by cell, which leaves the last column current.
void SettOverskrift(forms::MSFlexGrid& grid, std::span<const Kolonne> kolonner);

} // namespace shared
