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
    db.Scan("Select DommerNR, SekvensNR, Status<3, Typespill='BOCCIA', Typespill='CURLING' From Dommertabell",
            [&](const std::vector<vb::Variant>& rad) {
                if (!rad[1].IsNull()) o.storsteSekvensnummer = std::max<int64_t>(o.storsteSekvensnummer, rad[1].ToLong());
                if (rad[0].IsNull() || rad[2].IsNull() || rad[2].ToLong() == 0) return;
                Kamptall& t = o.perDommer[static_cast<int>(rad[0].ToLong())];
                ++t.aktive;
                if (!rad[3].IsNull()) t.boccia += rad[3].ToLong();
                if (!rad[4].IsNull()) t.curling += rad[4].ToLong();
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

} // namespace turneringsdb
