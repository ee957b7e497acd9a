#pragma once
// The last-update stamp (Siste_Oppdatering) in the Versjon row: date, time
// "hhmm" and weekday, each from its own reading of the clock.
#include <string_view>

#include "platform/dao/Dao.h"

inline constexpr std::string_view DatoEtterEndring = "d. mmmm yyyy";
inline constexpr std::string_view DatoEtterNyDommer = "d mmmm yyyy";

// Writes the stamp into the first Versjon row of db, through Utvalg1.
void Siste_Oppdatering(dao::Database& db, std::string_view datoformat);
