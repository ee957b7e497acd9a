#pragma once
// The result file (".dkv") the tournament program writes: its tables, the
// columns the import relies on, the row and file status codes and their texts,
// and the check that a file can be read in before anything in it is changed.
#include <array>
#include <string>

#include "platform/dao/Dao.h"

namespace innlesing {

// Poststatus: the Status of a dommerdata row.
inline constexpr int IkkeInnlest = 0, Innlest = 1, UkjentDommer = 2, Duplikat = 4;
// Filstatus: the Status of the file's Versjon row.
inline constexpr int FilIkkeInnlest = 0, FilInnlest = 1, FilMedUkjentDommer = 2;

inline constexpr std::array<const char*, 12> Dommerdata_Kolonner = {
    "DommerNR", "Status", "Dommer_ForNavn", "Dommer_EtterNavn", "Dommer_Lag", "Turneringsnavn",
    "Turneringsdato", "TypeSpill", "HLag", "BLag", "HPoeng", "BPoeng"};
inline constexpr std::array<const char*, 3> Versjon_Kolonner = {"Turneringsnavn", "Turneringsdato", "Status"};
// The text columns go into Text 50 columns of Dommertabell, the points into Integer columns.
inline constexpr std::array<const char*, 8> Tekstkolonner = {
    "Dommer_ForNavn", "Dommer_EtterNavn", "Dommer_Lag", "Turneringsnavn", "Turneringsdato", "TypeSpill", "HLag", "BLag"};
inline constexpr std::array<const char*, 2> Poengkolonner = {"HPoeng", "BPoeng"};
inline constexpr int Tekstlengde = 50;

// 0, 1 or 2 for those values (as a number or numeric text); -1 for any other, Null too.
int Filstatus_Verdi(const vb::Variant& status);
// The text shown beside "Filstatus:"; "" for a value without one.
std::string Filstatus_Tekst(const vb::Variant& status);

// The tables and columns exist and Versjon has a row; raises vb::Err naming what is missing.
// schema: the alias the file is attached under, or "main".
void Kontroller_Oppbygning(dao::Database& db, const std::string& schema);
// Every DommerNR is a whole number, every text fits Text 50, every point fits an
// Integer; raises vb::Err naming the first bad row (counted from 1) and its column.
void Kontroller_Rader(dao::Database& db, const std::string& schema);

} // namespace innlesing
