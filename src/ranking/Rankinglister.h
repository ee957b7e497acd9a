#pragma once
// The 29 fixed class lists, their groups and item texts, and the ranking
// window's variables that outlive the window itself.
#include <array>
#include <cstdint>
#include <string>

namespace ranking {

struct Rankingliste {
    int16_t KlasseNr;
    const char* TypeSpill;
    const char* KlasseType;
    const char* KlasseNavn;
    const char* kortTekst;   // item of the group's class combo and of the group options
    const char* langTekst;   // item of the list chooser after a change of game; null where none
};

inline constexpr int AntallLister = 29;
extern const std::array<Rankingliste, AntallLister> Standard_Rankinglister;

// The five groups of lists; the group index is also the index of its class combo.
struct Gruppe {
    int forste, siste;   // list numbers
};
inline constexpr std::array<Gruppe, 5> Grupper{{{1, 10}, {11, 20}, {21, 24}, {25, 28}, {29, 29}}};
// Group of a list number: up to 10 group 0, then by the ranges above; past 29 the last group.
int GruppeFor(int liste);

// The list heading of the combos: "Liste nr. : 5  Klasse 2".
std::string Listeoverskrift(int liste, const std::string& klasseNavn);

inline constexpr const char* Individuelt = "Individuelt spill";
inline constexpr const char* Lagspill = "Lagspill";

// The play type the grid follows ("Individuelt spill", "Lagspill" or empty) and the
// entry last clicked; both keep their values while the program runs.
inline std::string AktivSpillOpsjon;
inline int16_t ValgtNr = 0;

} // namespace ranking
