#include "shared/Rutenett.h"

namespace shared {

void SettKolonner(forms::MSFlexGrid& grid, std::span<const Kolonne> kolonner) {
    grid.SetCols(static_cast<int>(kolonner.size()));
    for (int c = 0; c < static_cast<int>(kolonner.size()); ++c) {
        if (kolonner[c].justering >= 0) grid.SetColAlignment(c, kolonner[c].justering);
        grid.SetColWidth(c, kolonner[c].bredde);
    }
}

void SettOverskrift(forms::MSFlexGrid& grid, std::span<const Kolonne> kolonner) {
    SettKolonner(grid, kolonner);
    grid.SetRows(1);
    grid.SetRow(0);
    for (int c = 0; c < static_cast<int>(kolonner.size()); ++c) {
        grid.SetCol(c);
        grid.SetText(kolonner[c].overskrift);
    }
}

} // namespace shared
