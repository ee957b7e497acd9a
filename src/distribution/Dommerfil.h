#pragma once
// The referee distribution database KV_Dommere.kvz that the clubs get: one
// table Dommere with the register's numbers, names, clubs and games, and the
// write that the register's button and the folder chooser both run.
#include <string>
#include "platform/dao/Dao.h"

inline constexpr const char* DommerfilNavn = "KV_Dommere.kvz";

// Makes table Dommere with its ten columns and its index in fil; a step that fails is skipped.
void Opprett_Dommere_Dommerfil(dao::Database& fil);
// Appends one row per referee of DBase to fil's Dommere, with the creator and
// date stamp of the tournament database in every row.
void Kopier_Dommere_Til_Dommerfil(dao::Database& fil);
// Deletes every row of fil's Dommere.
void Slett_Dommere_Dommerfil(dao::Database& fil);

namespace dommerfil {

// Which entry runs the write: the wording of two messages differs.
enum class Inngang { Registerknapp, Velger };

// Writes the file at sti (kept in Filsti): a new file is made whole or not at all,
// an existing one is refilled after the user's OK in one transaction. Every
// outcome is told in a message box; the file is closed afterwards.
void Skriv(Inngang inngang, const std::string& sti);

// The register button's place for it: the data folder.
std::string StiIDatamappen();

} // namespace dommerfil
