#include "matches/Duplikater.h"

#include <unordered_map>

#include "matches/Dommer.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

namespace kamper {

namespace {

// The compared fields in the order of the query below; the first four are texts.
constexpr const char* Sporring =
    "Select DommerNR, SekvensNR, Turneringsdato, TurneringsNavn, Typespill, Dommer_HLag, Dommer_BLag, "
    "Dommer_HPoeng, Dommer_BPoeng From Dommertabell Where Status<3 And DommerNR In (Select DommerNR From Dommere) "
    "Order By DommerNR";

struct Rad {
    std::string celler;   // the grid row
    long sekvens;
};

// The key of the exact comparison; empty when a compared value is Null (such a row matches nothing).
bool nokkel(const dao::Recordset& rs, std::string& ut) {
    ut.clear();
    for (int i = 0; i < 9; ++i) {
        const vb::Variant v = rs.Get(i);
        if (v.IsNull()) return false;
        if (i == 1) continue;   // the sequence number must differ, not agree
        // Texts character by character, numbers by value; a separator no text holds keeps fields apart.
        ut += i >= 7 ? vb::NumberText(vb::CDbl(v)) : vb::CStr(v);
        ut += '\x1f';
    }
    return true;
}

} // namespace

std::vector<std::string> FinnDuplikater(dao::Database& db) {
    dao::Recordset rs = db.OpenRecordset(Sporring, dao::dbOpenSnapshot);
    std::unordered_map<std::string, std::vector<Rad>> like;
    std::vector<std::string> rekkefolge;
    std::string k;
    for (; !rs.EOF_(); rs.MoveNext()) {
        if (!nokkel(rs, k)) continue;
        const auto celle = [&](int i) { return vb::CStr(rs.Get(i)); };
        Rad rad{celle(0) + vb::vbTab + celle(2) + vb::vbTab + celle(3) + vb::vbTab + vb::Left(celle(4), 1) + vb::vbTab +
                    celle(5) + vb::vbTab + celle(6) + vb::vbTab + celle(7) + vb::vbTab + celle(8) + vb::vbTab + celle(1),
                vb::CLng(rs.Get(1))};
        auto [plass, ny] = like.try_emplace(k);
        if (ny) rekkefolge.push_back(k);
        plass->second.push_back(std::move(rad));
    }
    std::vector<std::string> linjer;
    for (const std::string& gruppe : rekkefolge) {
        const auto& rader = like[gruppe];
        if (rader.size() < 2) continue;
        for (const Rad& a : rader)
            for (const Rad& b : rader)
                if (a.sekvens != b.sekvens) linjer.push_back(a.celler);
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
