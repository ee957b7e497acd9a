#pragma once
// A tournament program database (".bcd") as the ranking import reads it: one
// table Ranking with a row per player or team, and the columns the import
// leaves behind (Opt1, Opt2, Pulje1, Pulje2).
#include <string>
#include <vector>

struct Rankingpost {
    int nr = 0, rank = 0, trukket = 0, klasse = 0;
    std::string fornavn, etternavn, klubb, klasseNavn;
};

// Writes a new file at sti holding the entries, in one transaction. Throws
// std::runtime_error (an existing file is never overwritten).
void SkrivTurneringsfil(const std::string& sti, const std::vector<Rankingpost>& poster);

// Entries for the 29 lists, perListe in each: two thirds ranked, the rest drawn.
std::vector<Rankingpost> Eksempelposter(int perListe);
