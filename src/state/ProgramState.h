#pragma once
// The program-wide variables every window and procedure shares, under the
// names the program has always used. One thread; no locks.
#include <cstdint>
#include <string>
#include "platform/dao/Dao.h"

namespace state {

// Paths and file dialogs.
inline std::string Databasenavn;       // full path of the open tournament database; "" = none open
inline std::string DatabaseFilnavn;    // its bare file name
inline std::string Filnavn;            // file name of the last file dialog (with a leading "/")
inline std::string Katalog;            // folder of the last file dialog
inline std::string Filmonster;         // file pattern of the file dialogs
inline std::string Filsti;             // path of the other database in DBaseFil
inline std::string RankingFilsti, RankingFilnavn;

// Database objects, all in workspace 0.
inline dao::Workspace* Arbeidsomrade = nullptr;
inline dao::Workspace* ArbeidsomradeFil = nullptr;
inline dao::Workspace* ArbeidsomradeRanking = nullptr;
inline dao::Workspace* ArbeidsomradeRanking2 = nullptr;
inline dao::Database DBase, DBase2, DBaseFil, DBaseRanking;
inline dao::Recordset Utvalg, Utvalg1, Utvalg2, Utvalg3, Utvalg4, UtvalgFil, UtvalgVersjon;

// Tournament data.
inline std::string Turnering_Navn, Turnering_Dato, Turnering_Sted, Opprettet_Av;

// Selection and form state.
inline int16_t ValgtDommer = 0;
inline int32_t Sekvensnummer = 0;
inline int16_t DommerFunnet = 0;
inline int16_t AntallDommere = 0;
inline int16_t SokKlubb = 0;
inline int16_t Sortering = 0;
inline int16_t Svar = 0;
inline int16_t Avbrutt = 0;
inline int16_t AktivListe = 0;
inline std::string Skjermformat;
inline int16_t Museknapp = 0;

// Back to the start values (tests): strings empty, numbers 0, handles Nothing
// (open handles are closed first).
void ResetProgramState();

// The program's version texts, made from the project's version (KD_VERSION from the build):
// the whole one ("Versjon 1.20.0") and the short one, major.minor ("1.20"), which the
// start picture and the tournament's stored record carry.
inline constexpr const char* ProgramVersionShort = KD_VERSION_MAJOR_MINOR;
inline constexpr const char* ProgramVersion = "Versjon " KD_VERSION;
inline constexpr const char* ProgramName = "KvistrelDommer";

} // namespace state
