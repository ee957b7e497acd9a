#pragma once
// The ranking export database "RankingListe.rlt" that the federation sends to
// the clubs: every list and every entry of the open tournament database.
#include "platform/vb/Variant.h"

// The button "Lag ny Rankingliste for klubbene": creates or, after a question,
// refills the file, then offers its printout. Every failure is told.
void Lag_Rankingliste_For_Klubbene();

// OpprettetAv of the tournament data; an empty Versjon table is error 3021.
vb::Variant Eksportens_Utgiver();

// The pieces, working on DBaseRanking and reading the tournament database
// through DBase2. Engine errors pass to the caller.
void Opprett_Tabell_Ranking();
// A table that exists already stays as it is.
void Opprett_Tabell_Ranking_KlData();
// Copies every entry (with its list's game and class type, the creator and
// today's date) and every list. An empty Versjon table fails before any row.
void Lagre_RankingData();
// Opens RankingFilsti exclusively into DBaseRanking and empties both tables.
void Slett_RankingData();
