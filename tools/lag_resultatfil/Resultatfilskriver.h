#pragma once
// A result file as the tournament program writes it: table dommerdata with one
// row per refereed match and referee, and the one-row table Versjon.
#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace resultatfil {

// A field as written; nullopt is Null. Numbers are given as text and stored as
// numbers by the number columns; text that is no number stays text there.
using Felt = std::optional<std::string>;

// DommerNR, Status, Dommer_ForNavn, Dommer_EtterNavn, Dommer_Lag, Turneringsnavn,
// Turneringsdato, TypeSpill, HLag, BLag, HPoeng, BPoeng.
inline constexpr int AntallFelt = 12;
using Rad = std::array<Felt, AntallFelt>;
extern const std::array<const char*, AntallFelt> Kolonner;

struct Innhold {
    Felt turneringsnavn;
    Felt turneringsdato;
    Felt filstatus = "0";
    std::vector<Rad> rader;
};

struct Feil : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Writes a new file; an existing file is never overwritten.
void Skriv(const std::string& sti, const Innhold& innhold);

// One line "nr;status;fornavn;...;bpoeng": twelve fields split at ';', an empty field is Null.
Rad LesRad(const std::string& linje);

} // namespace resultatfil
