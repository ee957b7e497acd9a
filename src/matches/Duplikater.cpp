#include "matches/Duplikater.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <unordered_set>

#include "matches/Dommer.h"
#include "matches/LikeHasher.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

namespace kamper {

namespace {

// The seven compared fields, in the grid's order. A row with any of them Null matches nothing.
constexpr const char* Hele =
    "Select rowid, DommerNR, SekvensNR, Turneringsdato, TurneringsNavn, Typespill, Dommer_HLag, Dommer_BLag, "
    "Dommer_HPoeng, Dommer_BPoeng From Dommertabell Where Status<3 And rowid In (";
constexpr int Felter = 7;
constexpr int Spillkolonne = 5;
// The first reading narrows the rows by the fields that tell matches apart (a referee's
// tournament is told by its date, the game by its teams and points): fewer cells a row, and
// the game's letters never part two rows here.
constexpr const char* Skille =
    "Select rowid, DommerNR, Turneringsdato, Dommer_HLag, Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng From Dommertabell "
    "Where Status<3";

// The second reading names its rows by rowid, a block at a time through one kept statement
// (a block is padded with its last rowid: the list is a set).
constexpr std::size_t Blokk = 500;
const std::string& Blokkvis() {
    static const std::string sql = [] {
        std::string s = Hele;
        for (std::size_t i = 0; i < Blokk; ++i) s += i == 0 ? "?" : ",?";
        return s + ")";
    }();
    return sql;
}

// The referee and the fields from column fra on, each after its length, so that two rows are
// alike exactly when these bytes are; the game (column spill, if any) in capitals, as the
// program's queries compare it ("Boccia" typed in, "BOCCIA" read in). False when the row
// matches nothing: an unregistered referee or a Null.
bool radbytes(const dao::Cells& rad, int fra, int spill, const std::unordered_set<int>& registrert, std::string& ut) {
    const auto dommer = rad.Long(1);
    if (!dommer || !registrert.contains(*dommer)) return false;
    ut.assign(reinterpret_cast<const char*>(&*dommer), sizeof(int32_t));
    for (int i = fra, til = rad.Count(); i < til; ++i) {
        uint32_t n = 0;
        const std::size_t lengde = ut.size();
        ut.append(reinterpret_cast<const char*>(&n), sizeof n);
        if (!rad.AppendText(i, ut)) return false;
        const std::size_t tekst = lengde + sizeof n;
        if (i == spill) ut.replace(tekst, std::string::npos, vb::UCase(std::string_view(ut).substr(tekst)));
        n = static_cast<uint32_t>(ut.size() - tekst);
        std::memcpy(ut.data() + lengde, &n, sizeof n);
    }
    return true;
}

struct Rad {
    int dommer;
    int32_t sekvens;
    std::string bytes;   // the referee, then the fields as radbytes lays them
    std::string bc;      // the first letter of the game as stored, for the list
};

// The grid row: D-Nr., Dato, Turnering, B/C, Hjemmelag, Bortelag, HP, BP, SNr.
std::string linje(const Rad& r) {
    std::string ut = std::to_string(r.dommer);
    std::string_view del(r.bytes);
    del.remove_prefix(sizeof(int32_t));
    for (int i = 0; i < Felter; ++i) {
        uint32_t n;
        std::memcpy(&n, del.data(), sizeof n);
        const std::string felt(del.substr(sizeof n, n));
        del.remove_prefix(sizeof n + n);
        ut += vb::vbTab;
        ut += forms::GridCell(i == 2 ? r.bc : felt);
    }
    return ut + vb::vbTab + std::to_string(r.sekvens);
}

// The rowids of rows whose telling fields hash alike: every duplicate is among them. One
// pass keeping 16 bytes a row whatever the texts' length, and no sort of every row (it
// would grow faster than the table).
std::vector<int64_t> kandidater(dao::Database& db, const std::unordered_set<int>& registrert) {
    // Room for every row up front, the largest rowid bounding their count: doubling buffers
    // of this size would copy them and fault in fresh pages.
    dao::Recordset storst = db.OpenRecordset("Select Max(rowid) From Dommertabell", dao::dbOpenSnapshot);
    const auto plass = static_cast<std::size_t>(std::clamp<long long>(
        storst.Get(0).IsNull() ? 0 : static_cast<long long>(vb::CDbl(storst.Get(0))), 0, 4'000'000));
    std::vector<std::size_t> hasher;
    std::vector<int64_t> rowids;
    hasher.reserve(plass);
    rowids.reserve(plass);
    std::string bytes;
    db.ScanCells(Skille, [&](const dao::Cells& rad) {
        if (!radbytes(rad, 2, -1, registrert, bytes)) return;
        hasher.push_back(std::hash<std::string>{}(bytes));
        rowids.push_back(*rad.Long(0));
    });
    std::vector<int64_t> ut = likeHasher(hasher, rowids);
    std::sort(ut.begin(), ut.end());
    return ut;
}

} // namespace

std::vector<std::string> FinnDuplikater(dao::Database& db) {
    std::unordered_set<int> registrert;
    dao::Recordset dommere = db.OpenRecordset("Select DommerNR From Dommere Where DommerNR Is Not Null", dao::dbOpenSnapshot);
    for (; !dommere.EOF_(); dommere.MoveNext()) registrert.insert(vb::CLng(dommere.Get(0)));

    // Only the candidates are read whole, and compared byte for byte.
    const std::vector<int64_t> rowids = kandidater(db, registrert);
    std::vector<Rad> rader;
    std::string bytes, spill;
    dao::Params blokk(Blokk);
    for (std::size_t fra = 0; fra < rowids.size(); fra += Blokk) {
        for (std::size_t i = 0; i < Blokk; ++i) blokk[i] = static_cast<double>(rowids[std::min(fra + i, rowids.size() - 1)]);
        db.ScanCells(Blokkvis(), [&](const dao::Cells& rad) {
            const auto sekvens = rad.Long(2);
            if (!sekvens || !radbytes(rad, 3, Spillkolonne, registrert, bytes)) return;
            spill.clear();
            rad.AppendText(Spillkolonne, spill);
            rader.push_back({*rad.Long(1), *sekvens, bytes, vb::Left(spill, 1)});
        }, blokk);
    }
    std::sort(rader.begin(), rader.end(), [](const Rad& a, const Rad& b) { return a.bytes < b.bytes; });

    // Each row once for every other row like it with another sequence number.
    std::vector<std::string> linjer;
    for (std::size_t fra = 0, til = 0; fra < rader.size(); fra = til) {
        for (til = fra + 1; til < rader.size() && rader[til].bytes == rader[fra].bytes; ++til) {}
        for (std::size_t a = fra; a < til; ++a)
            for (std::size_t b = fra; b < til; ++b)
                if (rader[a].sekvens != rader[b].sekvens) linjer.push_back(linje(rader[a]));
    }
    return linjer;
}

} // namespace kamper

namespace {

constexpr shared::Kolonne Duplikatkolonner[] = {
    {"D-Nr.", 500, 3},       {"Dato", 1500, 3},      {"Turnering", 2000, -1}, {"B/C", 400, -1}, {"Hjemmelag", 1700, -1},
    {"Bortelag", 1700, -1}, {"HP", 320, 3},          {"BP", 350, 3},          {"SNr", 500, 3}};

} // namespace

void Dommer::Overskrift_Duplikatliste() {
    shared::SettOverskrift(MSFlexGrid1, Duplikatkolonner);
    listetDommer_ = 0;
    kampgridTomt();
}

void Dommer::SSCommand5_Click() {
    if (Duplikatmodus) {
        MSFlexGrid2_Click();
        return;
    }
    visDuplikatmodus(true);
    Overskrift_Duplikatliste();
    MSFlexGrid2.SetCol(0);
    {
        forms::Timeglass timeglass;
        dao::Recordset antall = state::DBase.OpenRecordset("Select Count(*) from Dommere", dao::dbOpenSnapshot);
        state::AntallDommere = static_cast<int16_t>(vb::CLng(antall.Get(0)));
        for (const std::string& linje : kamper::FinnDuplikater(state::DBase)) MSFlexGrid1.AddItem(linje);
    }
    MSFlexGrid1.SetCol(8);
    MSFlexGrid1.SetColSel(0);
    MSFlexGrid1.Sort(forms::flexSortGenericAscending);
}
