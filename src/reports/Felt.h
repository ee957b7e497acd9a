#pragma once
// Reading a referee row as the reports print it: a Null text is empty, a Null
// flag is not set.
#include <initializer_list>
#include <span>
#include <string>
#include <utility>

#include "platform/dao/Dao.h"

std::string Felt(const dao::Recordset& rs, const char* navn);
bool Flagg(const dao::Recordset& rs, const char* navn);
int16_t Nummer(const dao::Recordset& rs, const char* navn);

struct Klassetekst {
    const char* flagg;
    const char* tekst;
};

// The classes of each game in order of precedence, Overdommer last.
extern const std::span<const Klassetekst> BocciaKlasser;
extern const std::span<const Klassetekst> CurlingKlasser;

// The text of the first set flag; empty when none is set.
std::string ForsteKlasse(const dao::Recordset& rs, std::span<const Klassetekst> klasser);

// Each field of the row at its X, staying on the line; a Null field prints nothing.
void Skriv_Felter(const dao::Recordset& rs, std::initializer_list<std::pair<double, const char*>> felter);
