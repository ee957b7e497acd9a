#include "matches/Duplikater.h"

#include <algorithm>
#include <unordered_set>

#include "matches/Dommer.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

namespace kamper {

namespace {

// The seven compared fields joined into one text by the engine, each after a separator no
// typed text holds. A Null anywhere makes the whole text Null, and such a row matches nothing.
constexpr const char* Sporring =
    "Select DommerNR, SekvensNR, Turneringsdato || char(31) || TurneringsNavn || char(31) || Typespill || char(31) "
    "|| Dommer_HLag || char(31) || Dommer_BLag || char(31) || Dommer_HPoeng || char(31) || Dommer_BPoeng "
    "From Dommertabell Where Status<3";

std::vector<std::string> deler(const std::string& felt) {
    std::vector<std::string> ut;
    std::size_t fra = 0;
    for (std::size_t skille; (skille = felt.find('\x1f', fra)) != std::string::npos; fra = skille + 1)
        ut.push_back(felt.substr(fra, skille - fra));
    ut.push_back(felt.substr(fra));
    return ut;
}

// The grid row: D-Nr., Dato, Turnering, B/C, Hjemmelag, Bortelag, HP, BP, SNr.
std::string linje(int dommer, const std::string& felt, int32_t sekvens) {
    const auto f = deler(forms::GridCell(felt));
    const std::string t = vb::vbTab;
    return std::to_string(dommer) + t + f[0] + t + f[1] + t + vb::Left(f[2], 1) + t + f[3] + t + f[4] + t + f[5] + t +
           f[6] + t + std::to_string(sekvens);
}

} // namespace

std::vector<std::string> FinnDuplikater(dao::Database& db) {
    std::unordered_set<int> registrert;
    dao::Recordset dommere = db.OpenRecordset("Select DommerNR From Dommere Where DommerNR Is Not Null", dao::dbOpenSnapshot);
    for (; !dommere.EOF_(); dommere.MoveNext()) registrert.insert(vb::CLng(dommere.Get(0)));

    struct Rad {
        std::size_t nokkel;   // hash of referee and fields: equal rows have equal ones
        int dommer;
        int32_t sekvens;
        std::string felt;
    };
    std::vector<Rad> rader;
    dao::Recordset rs = db.OpenRecordset(Sporring, dao::dbOpenSnapshot);
    rader.reserve(static_cast<std::size_t>(rs.RecordCount()));
    for (; !rs.EOF_(); rs.MoveNext()) {
        const vb::Variant nr = rs.Get(0), sekvens = rs.Get(1), felt = rs.Get(2);
        if (nr.IsNull() || sekvens.IsNull() || felt.IsNull()) continue;
        const int dommer = vb::CLng(nr);
        if (!registrert.contains(dommer)) continue;
        std::string tekst = vb::CStr(felt);
        const std::size_t h = std::hash<std::string>{}(tekst) ^ (static_cast<std::size_t>(dommer) * 0x9E3779B97F4A7C15ull);
        rader.push_back({h, dommer, vb::CLng(sekvens), std::move(tekst)});
    }
    // Equal rows lie together after sorting by hash; the exact test (texts byte by byte, so with
    // regard to case) sorts out rows whose hashes only happen to agree.
    std::sort(rader.begin(), rader.end(), [](const Rad& a, const Rad& b) { return a.nokkel < b.nokkel; });

    // Each row once for every other row like it with another sequence number.
    std::vector<std::string> linjer;
    for (std::size_t fra = 0, til = 0; fra < rader.size(); fra = til) {
        for (til = fra + 1; til < rader.size() && rader[til].nokkel == rader[fra].nokkel; ++til) {}
        for (std::size_t a = fra; a < til; ++a)
            for (std::size_t b = fra; b < til; ++b)
                if (rader[a].sekvens != rader[b].sekvens && rader[a].dommer == rader[b].dommer &&
                    rader[a].felt == rader[b].felt)
                    linjer.push_back(linje(rader[a].dommer, rader[a].felt, rader[a].sekvens));
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
