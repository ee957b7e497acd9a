#include "matches/Duplikater.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <unordered_set>

#include "matches/Dommer.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

namespace kamper {

namespace {

// The seven compared fields, in the grid's order. A row with any of them Null matches nothing.
constexpr const char* Sporring =
    "Select DommerNR, SekvensNR, Turneringsdato, TurneringsNavn, Typespill, Dommer_HLag, Dommer_BLag, Dommer_HPoeng, "
    "Dommer_BPoeng From Dommertabell Where Status<3";
constexpr int Felter = 7;

// Every row's fields lie in one buffer, each after its length, so that two rows are alike
// exactly when their stretches of the buffer are byte for byte the same.
struct Rad {
    int dommer;
    int32_t sekvens;
    std::size_t fra, lengde;
    std::size_t hash;   // of the referee and the stretch, so that the sort seldom compares bytes
};

// The cell's text after its length; false on Null.
bool leggTil(std::string& buffer, const dao::Cells& rad, int kolonne) {
    uint32_t n = 0;
    const std::size_t lengde = buffer.size();
    buffer.append(reinterpret_cast<const char*>(&n), sizeof n);
    if (!rad.AppendText(kolonne, buffer)) return false;
    n = static_cast<uint32_t>(buffer.size() - lengde - sizeof n);
    std::memcpy(buffer.data() + lengde, &n, sizeof n);
    return true;
}

std::vector<std::string_view> felter(std::string_view del) {
    std::vector<std::string_view> ut;
    while (!del.empty()) {
        uint32_t n;
        std::memcpy(&n, del.data(), sizeof n);
        ut.push_back(del.substr(sizeof n, n));
        del.remove_prefix(sizeof n + n);
    }
    return ut;
}

// The grid row: D-Nr., Dato, Turnering, B/C, Hjemmelag, Bortelag, HP, BP, SNr.
std::string linje(const Rad& r, std::string_view del) {
    const auto f = felter(del);
    const std::string t = vb::vbTab;
    std::string ut = std::to_string(r.dommer);
    for (int i = 0; i < Felter; ++i) {
        const std::string felt(f[static_cast<std::size_t>(i)]);
        ut += t + forms::GridCell(i == 2 ? vb::Left(felt, 1) : felt);
    }
    return ut + t + std::to_string(r.sekvens);
}

} // namespace

std::vector<std::string> FinnDuplikater(dao::Database& db) {
    std::unordered_set<int> registrert;
    dao::Recordset dommere = db.OpenRecordset("Select DommerNR From Dommere Where DommerNR Is Not Null", dao::dbOpenSnapshot);
    for (; !dommere.EOF_(); dommere.MoveNext()) registrert.insert(vb::CLng(dommere.Get(0)));

    // Room for every row up front (the largest rowid bounds their count): growing buffers of
    // this size would copy them and fault in fresh pages at each doubling.
    dao::Recordset storst = db.OpenRecordset("Select Max(rowid) From Dommertabell", dao::dbOpenSnapshot);
    const auto plass = static_cast<std::size_t>(std::clamp<long long>(
        storst.Get(0).IsNull() ? 0 : static_cast<long long>(vb::CDbl(storst.Get(0))), 0, 4'000'000));
    std::string buffer;
    buffer.reserve(plass * 96);
    std::vector<Rad> rader;
    rader.reserve(plass);
    db.ScanCells(Sporring, [&](const dao::Cells& rad) {
        const auto dommer = rad.Long(0);
        if (!dommer || !registrert.contains(*dommer)) return;
        const std::size_t fra = buffer.size();
        bool hel = true;
        for (int i = 2; i < 2 + Felter && hel; ++i) hel = leggTil(buffer, rad, i);
        const auto sekvens = hel ? rad.Long(1) : std::nullopt;
        if (!sekvens) {
            buffer.resize(fra);
            return;
        }
        rader.push_back({*dommer, *sekvens, fra, buffer.size() - fra, 0});
    });
    const auto del = [&](const Rad& r) { return std::string_view(buffer).substr(r.fra, r.lengde); };
    for (Rad& r : rader) r.hash = std::hash<std::string_view>{}(del(r)) ^ static_cast<std::size_t>(r.dommer);
    const auto lik = [&](const Rad& a, const Rad& b) { return a.hash == b.hash && a.dommer == b.dommer && del(a) == del(b); };
    // Alike rows lie together after sorting; any order of the groups serves (the grid sorts).
    std::sort(rader.begin(), rader.end(), [&](const Rad& a, const Rad& b) {
        if (a.hash != b.hash) return a.hash < b.hash;
        return a.dommer != b.dommer ? a.dommer < b.dommer : del(a) < del(b);
    });

    // Each row once for every other row like it with another sequence number.
    std::vector<std::string> linjer;
    for (std::size_t fra = 0, til = 0; fra < rader.size(); fra = til) {
        for (til = fra + 1; til < rader.size() && lik(rader[til], rader[fra]); ++til) {}
        for (std::size_t a = fra; a < til; ++a)
            for (std::size_t b = fra; b < til; ++b)
                if (rader[a].sekvens != rader[b].sekvens) linjer.push_back(linje(rader[a], del(rader[a])));
    }
    return linjer;
}

} // namespace kamper

namespace {

constexpr kamper::Kolonne Duplikatkolonner[] = {
    {"D-Nr.", 500, 3},       {"Dato", 1500, 3},      {"Turnering", 2000, -1}, {"B/C", 400, -1}, {"Hjemmelag", 1700, -1},
    {"Bortelag", 1700, -1}, {"HP", 320, 3},          {"BP", 350, 3},          {"SNr", 500, 3}};

// The hourglass while the search runs, back to the arrow however it ends.
struct Timeglass {
    Timeglass() { forms::Screen.SetMousePointer(forms::vbHourglass); }
    ~Timeglass() { forms::Screen.SetMousePointer(forms::vbDefault); }
};

} // namespace

void Dommer::Overskrift_Duplikatliste() {
    kamper::SettOverskrift(MSFlexGrid1, Duplikatkolonner);
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
        Timeglass timeglass;
        dao::Recordset antall = state::DBase.OpenRecordset("Select Count(*) from Dommere", dao::dbOpenSnapshot);
        state::AntallDommere = static_cast<int16_t>(vb::CLng(antall.Get(0)));
        for (const std::string& linje : kamper::FinnDuplikater(state::DBase)) MSFlexGrid1.AddItem(linje);
    }
    MSFlexGrid1.SetCol(8);
    MSFlexGrid1.SetColSel(0);
    MSFlexGrid1.Sort(forms::flexSortGenericAscending);
}
