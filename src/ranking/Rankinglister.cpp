#include "ranking/Rankinglister.h"

namespace ranking {

const std::array<Rankingliste, AntallLister> Standard_Rankinglister{{
    {1, "BOCCIA", "SENIOR", "Klasse 1 (BC1)", "1. Klasse 1 (BC1)", "1. Boccia/Senior Klasse 1 (BC1)"},
    {2, "BOCCIA", "SENIOR", "Klasse 1 (BC2)", "2. Klasse 1 (BC2)", "2. Boccia/Senior Klasse 1 (BC2)"},
    {3, "BOCCIA", "SENIOR", "Klasse 1 Renne (BC3)", "3. Klasse 1 renne (BC3)", "3. Boccia/Senior Klasse 1 renne (BC3)"},
    {4, "BOCCIA", "SENIOR", "Klasse 1 (BC4)", "4. Klasse 1 (BC4)", "4. Boccia/Senior Klasse 1 (BC4)"},
    {5, "BOCCIA", "SENIOR", "Klasse 2", "5. Klasse 2", "5. Boccia/Senior Klasse 2"},
    {6, "BOCCIA", "SENIOR", "Klasse 3", "6. Klasse 3", "6. Boccia/Senior Klasse 3"},
    {7, "BOCCIA", "SENIOR", "Klasse 3 S", "7. Klasse 3 S", "7. Boccia/Senior Klasse 3 S"},
    {8, "BOCCIA", "SENIOR", "Klasse 4", "8. Klasse 4", "8. Boccia/Senior Klasse 4"},
    {9, "BOCCIA", "SENIOR", "Klasse 5", "9. Klasse 5", "9. Boccia/Senior Klasse 5"},
    {10, "BOCCIA", "SENIOR", "Klasse Åpen", "10. Klasse Åpen", "10. Boccia/Senior Klasse Åpen"},
    {11, "BOCCIA", "JUNIOR", "Klasse 1 (BC1)", "11. Klasse 1 (BC1)", nullptr},
    {12, "BOCCIA", "JUNIOR", "Klasse 1 (BC2)", "12. Klasse 1 (BC2)", nullptr},
    {13, "BOCCIA", "JUNIOR", "Klasse 1 Renne (BC3)", "13. Klasse 1 renne (BC3)", nullptr},
    {14, "BOCCIA", "JUNIOR", "Klasse 1 (BC4)", "14. Klasse 1 (BC4)", nullptr},
    {15, "BOCCIA", "JUNIOR", "Klasse 2", "15. Klasse 2", nullptr},
    {16, "BOCCIA", "JUNIOR", "Klasse 3", "16. Klasse 3", nullptr},
    {17, "BOCCIA", "JUNIOR", "Klasse 3 S", "17. Klasse 3 S", nullptr},
    {18, "BOCCIA", "JUNIOR", "Klasse 4", "18. Klasse 4", nullptr},
    {19, "BOCCIA", "JUNIOR", "Klasse 5", "19. Klasse 5", nullptr},
    {20, "BOCCIA", "JUNIOR", "Klasse Åpen", "20. Klasse Åpen", nullptr},
    {21, "CURLING", "HERRER", "Klasse 1", "21. Klasse 1 Herrer", "21. Curling/Herrer Klasse 1"},
    {22, "CURLING", "HERRER", "Klasse 2", "22. Klasse 2 Herrer", "22. Curling/Herrer Klasse 2"},
    {23, "CURLING", "HERRER", "Klasse 3", "23. Klasse 3 Herrer", "23. Curling/Herrer Klasse 3"},
    {24, "CURLING", "HERRER", "Klasse Åpen", "24. Klasse åpen Herrer", "24. Curling/Herrer Klasse Åpen"},
    {25, "CURLING", "DAMER", "Klasse 1", "25. Klasse 1 Damer", nullptr},
    {26, "CURLING", "DAMER", "Klasse 2", "26. Klasse 2 Damer", nullptr},
    {27, "CURLING", "DAMER", "Klasse 3", "27. Klasse 3 Damer", nullptr},
    {28, "CURLING", "DAMER", "Klasse Åpen", "28. Klasse åpen Damer", nullptr},
    {29, "CURLING", "JUNIOR", "Klasse Junior", "29. Klasse Junior", nullptr},
}};

int GruppeFor(int liste) {
    for (int g = 0; g < static_cast<int>(Grupper.size()); ++g)
        if (liste <= Grupper[static_cast<size_t>(g)].siste) return g;
    return static_cast<int>(Grupper.size()) - 1;
}

std::string Listeoverskrift(int liste, const std::string& klasseNavn) {
    return "Liste nr. : " + std::to_string(liste) + "  " + klasseNavn;
}

} // namespace ranking
