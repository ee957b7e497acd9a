#include "distribution/Dommerfil.h"

#include <functional>

#include "platform/dao/ErrorNumbers.h"
#include "platform/vb/Err.h"
#include "state/ProgramState.h"

namespace {

struct Kolonne {
    const char* navn;
    int type;
    int storrelse;   // 0: the engine's default size for text
};

constexpr Kolonne Kolonner[] = {
    {"DommerNR", dao::dbInteger, 0},     {"Dommer_FNavn", dao::dbText, 50}, {"Dommer_ENavn", dao::dbText, 50},
    {"Dommer_Lag", dao::dbText, 50},     {"Dommer_Curling", dao::dbBoolean, 0}, {"Dommer_Boccia", dao::dbBoolean, 0},
    {"Dommer_Fotball", dao::dbBoolean, 0}, {"Dommer_Handball", dao::dbBoolean, 0}, {"OpprettetAv", dao::dbText, 50},
    {"Dato", dao::dbText, 0},
};

constexpr const char* Kopierte[] = {"DommerNR",      "Dommer_FNavn",  "Dommer_ENavn",   "Dommer_Lag",
                                    "Dommer_Curling", "Dommer_Boccia", "Dommer_Fotball", "Dommer_Handball"};

// Table creation reports nothing: a missing table shows up as the copy's failure. A
// full disk or a failing one is told as it is, or the copy would blame a missing table.
void uansett(const std::function<void()>& steg) {
    try {
        steg();
    } catch (const vb::Err& e) {
        if (e.Number == dao::errnum::DiskFull || e.Number == dao::errnum::DiskError) throw;
    }
}

} // namespace

void Opprett_Dommere_Dommerfil(dao::Database& fil) {
    dao::TableDef tabell = fil.CreateTableDef("Dommere");
    for (const Kolonne& k : Kolonner) {
        uansett([&] {
            dao::Field felt = tabell.CreateField(k.navn, k.type, k.storrelse);
            if (k.type == dao::dbText) felt.AllowZeroLength = true;
            tabell.Fields_Append(felt);
        });
    }
    uansett([&] { fil.TableDefs_Append(tabell); });
    uansett([&] {
        dao::Index indeks = tabell.CreateIndex("DommerNr");
        indeks.AddField("DommerNR");
        tabell.Indexes_Append(indeks);
    });
}

void Kopier_Dommere_Til_Dommerfil(dao::Database& fil) {
    dao::Recordset kilde = state::DBase.OpenRecordset("Select * from dommere");
    dao::Recordset maal = fil.OpenRecordset("Select * from dommere");
    // Versjon does not change during the copy: one read serves every row. It is
    // read at the first referee, so an empty register needs no Versjon row.
    vb::Variant opprettetAv, dato;
    bool lest = false;
    while (!kilde.EOF_()) {
        if (!lest) {
            dao::Database& db = state::DBase2.IsNothing() || !state::DBase2.IsOpen() ? state::DBase : state::DBase2;
            dao::Recordset versjon = db.OpenRecordset("Select * from Versjon", dao::dbOpenSnapshot);
            opprettetAv = versjon.Get("OpprettetAv");
            dato = versjon.Get("LagetDato");
            lest = true;
        }
        maal.AddNew();
        for (const char* k : Kopierte) maal.Set(k, kilde.Get(k));
        maal.Set("OpprettetAv", opprettetAv);
        maal.Set("Dato", dato);
        maal.Update();
        kilde.MoveNext();
    }
}

void Slett_Dommere_Dommerfil(dao::Database& fil) { fil.Execute("Delete From dommere"); }
