#pragma once
// What the lists and counts read of the whole match table, gathered in one pass and kept
// while the file stands as it was. The program's own appends and soft deletions mend it in
// place, so that a save or a deletion in a large table does not read the table again.
#include <cstdint>
#include <unordered_map>

#include "platform/dao/Dao.h"

namespace turneringsdb {

struct Kamptall {
    long alle = 0;       // rows of every Status
    long aktive = 0;     // Status below 3
    long boccia = 0;     // of those, the game Boccia (in any letter case)
    long curling = 0;
};

struct Kampoversikt {
    std::unordered_map<int, Kamptall> perDommer;   // by DommerNR; rows without one count nowhere
    int32_t storsteSekvensnummer = 0;              // the largest SekvensNR, never below 0
};

// The overview of db's Dommertabell, as it stands now.
const Kampoversikt& Oversikt(const dao::Database& db);

// How an active match of this game counts among the active ones: aktive 1, and boccia or
// curling as the engine compares.
Kamptall Spill(const dao::Database& db, const vb::Variant& typespill);

// Tells the kept overview of a write just made: before is db's stamp just before it.
// An active match of the referee, with that sequence number and game, was appended.
void KampLagtTil(const dao::Database& db, const dao::ChangeStamp& before, int dommer, int32_t sekvens,
                 const Kamptall& spill);
// An active match of the referee became deleted (Status 3).
void KampSlettet(const dao::Database& db, const dao::ChangeStamp& before, int dommer, const Kamptall& spill);
// Only rows of other tables were written, each by a statement of its own: rader of them. The
// connection counting more (a trigger of the file's own) means the matches may have moved too.
void AndreTabellerSkrevet(const dao::Database& db, const dao::ChangeStamp& before, long long rader);

} // namespace turneringsdb
