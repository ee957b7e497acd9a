#include "database/Kampoversikt.h"

#include <algorithm>

#include "platform/dao/KeptValue.h"

namespace turneringsdb {

namespace {

dao::KeptValue<Kampoversikt>& kept() {
    static dao::KeptValue<Kampoversikt> k;
    return k;
}

Kampoversikt les(const dao::Database& db) {
    Kampoversikt o;
    // The engine compares the game with the column's rule (without regard to case).
    db.ScanCells("Select DommerNR, SekvensNR, Status<3, Typespill='BOCCIA', Typespill='CURLING' From Dommertabell",
                 [&](const dao::Cells& rad) {
                     if (const auto sekvens = rad.Long(1))
                         o.storsteSekvensnummer = std::max(o.storsteSekvensnummer, *sekvens);
                     const auto dommer = rad.Long(0);
                     if (!dommer) return;
                     Kamptall& t = o.perDommer[*dommer];
                     ++t.alle;
                     if (rad.Long(2).value_or(0) == 0) return;
                     ++t.aktive;
                     t.boccia += rad.Long(3).value_or(0);
                     t.curling += rad.Long(4).value_or(0);
                 });
    return o;
}

} // namespace

const Kampoversikt& Oversikt(const dao::Database& db) {
    return kept().Get(db, [&] { return les(db); });
}

Kamptall Spill(const dao::Database& db, const vb::Variant& typespill) {
    Kamptall t{.aktive = 1};
    db.Scan("Select Coalesce(? = 'BOCCIA' Collate NOCASE, 0), Coalesce(? = 'CURLING' Collate NOCASE, 0)",
            [&](const std::vector<vb::Variant>& rad) {
                t.boccia = rad[0].ToLong();
                t.curling = rad[1].ToLong();
            },
            {typespill, typespill});
    return t;
}

void KampLagtTil(const dao::Database& db, const dao::ChangeStamp& before, int dommer, int32_t sekvens,
                 const Kamptall& spill) {
    kept().AfterWrite(db, before, [&](Kampoversikt& o) {
        Kamptall& t = o.perDommer[dommer];
        ++t.alle;
        t.aktive += spill.aktive;
        t.boccia += spill.boccia;
        t.curling += spill.curling;
        o.storsteSekvensnummer = std::max(o.storsteSekvensnummer, sekvens);
    });
}

void KampSlettet(const dao::Database& db, const dao::ChangeStamp& before, int dommer, const Kamptall& spill) {
    kept().AfterWrite(db, before, [&](Kampoversikt& o) {
        Kamptall& t = o.perDommer[dommer];
        t.aktive -= spill.aktive;
        t.boccia -= spill.boccia;
        t.curling -= spill.curling;
    });
}

void AndreTabellerSkrevet(const dao::Database& db, const dao::ChangeStamp& before, long long rader) {
    dao::ChangeStamp bareDe = before;
    bareDe.changes += rader;
    if (db.Stamp() == bareDe) kept().AfterWrite(db, before, [](Kampoversikt&) {});
    else kept().Forget();
}

} // namespace turneringsdb
