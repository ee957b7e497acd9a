#include "import/Resultatfil.h"

#include "platform/dao/ErrorNumbers.h"
#include "platform/vb/Err.h"

namespace innlesing {

namespace {

// The file names its own tables and columns; they reach SQL only as quoted identifiers.
std::string navn(const std::string& schema, const char* tabell) { return "\"" + schema + "\"." + tabell; }

bool harKolonne(dao::Database& db, const std::string& schema, const char* tabell, const char* kolonne) {
    dao::Recordset rs = db.OpenRecordset("SELECT count(*) FROM pragma_table_info(?, ?) WHERE lower(name) = lower(?)",
                                         dao::dbOpenSnapshot, {tabell, schema, kolonne});
    return vb::CLng(rs.Get(0)) > 0;
}

bool harTabell(dao::Database& db, const std::string& schema, const char* tabell) {
    dao::Recordset rs = db.OpenRecordset("SELECT count(*) FROM pragma_table_info(?, ?)", dao::dbOpenSnapshot, {tabell, schema});
    return vb::CLng(rs.Get(0)) > 0;
}

// A whole number: stored as an integer, or as a real without fraction.
std::string helt(const std::string& k) {
    return "(typeof(" + k + ") = 'integer' OR (typeof(" + k + ") = 'real' AND " + k + " = CAST(" + k + " AS INTEGER)))";
}

} // namespace

int Filstatus_Verdi(const vb::Variant& status) {
    if (status.IsNull() || status.IsEmpty() || !vb::IsNumeric(status)) return -1;
    const double v = vb::CDbl(status);
    for (int kjent : {FilIkkeInnlest, FilInnlest, FilMedUkjentDommer})
        if (v == kjent) return kjent;
    return -1;
}

std::string Filstatus_Tekst(const vb::Variant& status) {
    switch (Filstatus_Verdi(status)) {
    case FilIkkeInnlest: return "Ikke innlest";
    case FilInnlest: return "Innlest tidligere";
    case FilMedUkjentDommer: return "Har poster med ukjent dommer";
    default: return "";
    }
}

void Kontroller_Oppbygning(dao::Database& db, const std::string& schema) {
    for (const char* tabell : {"dommerdata", "Versjon"})
        if (!harTabell(db, schema, tabell)) vb::Raise(dao::errnum::NoSuchItem, "Filen har ingen tabell " + std::string(tabell) + ".");
    for (const char* k : Dommerdata_Kolonner)
        if (!harKolonne(db, schema, "dommerdata", k))
            vb::Raise(dao::errnum::NoSuchItem, "Tabellen dommerdata mangler kolonnen " + std::string(k) + ".");
    for (const char* k : Versjon_Kolonner)
        if (!harKolonne(db, schema, "Versjon", k)) vb::Raise(dao::errnum::NoSuchItem, "Tabellen Versjon mangler kolonnen " + std::string(k) + ".");
    dao::Recordset rs = db.OpenRecordset("SELECT count(*) FROM " + navn(schema, "Versjon"), dao::dbOpenSnapshot);
    if (vb::CLng(rs.Get(0)) < 1) vb::Raise(dao::errnum::NoCurrentRecord, "Tabellen Versjon har ingen rad.");
}

void Kontroller_Rader(dao::Database& db, const std::string& schema) {
    // One pass finds the first row that breaks a rule, and which rule it breaks.
    std::string feil = "CASE WHEN NOT " + helt("DommerNR") + " THEN 'DommerNR'";
    for (const char* k : Tekstkolonner) {
        const std::string c(k);
        feil += " WHEN typeof(" + c + ") = 'blob' THEN '" + c + " blob' WHEN length(" + c + ") > " + std::to_string(Tekstlengde) +
                " THEN '" + c + "'";
    }
    for (const char* k : Poengkolonner) {
        const std::string c(k);
        feil += " WHEN " + c + " IS NOT NULL AND NOT (" + helt(c) + " AND " + c + " BETWEEN -32768 AND 32767) THEN '" + c + "'";
    }
    feil += " END";
    // The row's place in the file is counted only for a row found: numbering every row on the
    // way would copy each one aside.
    const std::string tabell = navn(schema, "dommerdata");
    dao::Recordset rs = db.OpenRecordset("SELECT rowid, " + feil + " AS kolonne FROM " + tabell +
                                             " WHERE kolonne IS NOT NULL ORDER BY rowid LIMIT 1",
                                         dao::dbOpenSnapshot);
    if (rs.EOF_()) return;
    std::string kolonne = vb::CStr(rs.Get(1));
    const bool blob = kolonne.ends_with(" blob");
    if (blob) kolonne.resize(kolonne.size() - 5);
    dao::Recordset plass = db.OpenRecordset("SELECT count(*) FROM " + tabell + " WHERE rowid <= ?", dao::dbOpenSnapshot, {rs.Get(0)});
    const std::string rad = "Rad " + vb::CStr(plass.Get(0)) + ", kolonne " + kolonne + ": ";
    if (kolonne == "DommerNR") vb::Raise(vb::errnum::TypeMismatch, rad + "dommernummeret er ikke et heltall.");
    if (kolonne == "HPoeng" || kolonne == "BPoeng")
        vb::Raise(vb::errnum::Overflow, rad + "poengene er ikke et heltall fra -32768 til 32767.");
    if (blob) vb::Raise(vb::errnum::TypeMismatch, rad + "verdien er ikke tekst.");
    vb::Raise(dao::errnum::FieldTooSmall, rad + "teksten er lengre enn " + std::to_string(Tekstlengde) + " tegn.");
}

} // namespace innlesing
