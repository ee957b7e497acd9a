#pragma once
// Shared helpers of the database layer's tests: fresh files with the match
// and referee tables, and the error number an action raises.
#include <string>

#include "platform/dao/Dao.h"
#include "platform/vb/Err.h"
#include "support/TestEnv.h"

namespace daotest {

inline dao::Workspace& Ws() { return dao::DBEngine::Workspaces(0); }

// The number of the vb::Err the action raises; 0 when it raises none.
template <class F> int ErrOf(F&& action) {
    try {
        action();
    } catch (const vb::Err& e) {
        return e.Number;
    }
    return 0;
}

inline dao::Field TextField(const std::string& name, int size = 50) {
    dao::Field f(name, dao::dbText, size);
    f.AllowZeroLength = true;
    return f;
}

// The 14 columns of the match table, with its index on the referee number.
inline void AddMatchTable(dao::Database& db) {
    dao::TableDef t = db.CreateTableDef("Dommertabell");
    t.Fields_Append(t.CreateField("DommerNR", dao::dbInteger));
    t.Fields_Append(t.CreateField("SekvensNR", dao::dbLong));
    t.Fields_Append(t.CreateField("Status", dao::dbInteger));
    for (const char* name : {"Dommer_FNavn", "Dommer_ENavn", "Dommer_Lag", "TurneringsNavn", "Turneringsdato", "Dommer_HLag", "Dommer_BLag"})
        t.Fields_Append(TextField(name));
    t.Fields_Append(t.CreateField("Dommer_HPoeng", dao::dbInteger));
    t.Fields_Append(t.CreateField("Dommer_BPoeng", dao::dbInteger));
    t.Fields_Append(TextField("Typespill"));
    t.Fields_Append(TextField("DatoEndret"));
    db.TableDefs_Append(t);
    dao::Index i = t.CreateIndex("DommerNr");
    i.AddField("DommerNR");
    t.Indexes_Append(i);
}

// A referee table with the kinds of column the register uses.
inline void AddRefereeTable(dao::Database& db) {
    dao::TableDef t = db.CreateTableDef("Dommere");
    t.Fields_Append(t.CreateField("DommerNR", dao::dbInteger));
    t.Fields_Append(TextField("Dommer_FNavn"));
    t.Fields_Append(TextField("Dommer_ENavn"));
    t.Fields_Append(t.CreateField("Dommer_Curling", dao::dbBoolean));
    t.Fields_Append(t.CreateField("Dommer_Boccia", dao::dbBoolean));
    t.Fields_Append(TextField("Dommer_Telefon", 16));
    dao::Field email("Dommer_email", dao::dbText);
    email.AllowZeroLength = true;
    t.Fields_Append(email);
    db.TableDefs_Append(t);
    dao::Index i = t.CreateIndex("DommerNr");
    i.AddField("DommerNR");
    t.Indexes_Append(i);
}

inline void AddReferee(dao::Database& db, int nr, const std::string& first, const std::string& last, bool boccia) {
    db.Execute("INSERT INTO Dommere (DommerNR, Dommer_FNavn, Dommer_ENavn, Dommer_Boccia) VALUES (?, ?, ?, ?)",
               {dao::Variant::Integer(nr), first, last, boccia});
}

} // namespace daotest
