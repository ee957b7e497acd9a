// Where each field of a result-file row lands on the printed line.
#include "import/Utskrift.h"

#include "platform/vb/Strings.h"

namespace innlesing {

namespace {

struct Tekstfelt {
    const char* felt;
    int x;
    long lengde;
};
constexpr Tekstfelt Tekster[] = {{"Dommer_ForNavn", 1600, 22}, {"Dommer_EtterNavn", 3300, 20}, {"TypeSpill", 4900, 3},
                                 {"HLag", 5700, 23},           {"BLag", 7500, 23}};

bool tom(const vb::Variant& v) { return v.IsNull() || v.IsEmpty(); }

// One- and two-digit values move right so that the digits line up.
int nummerX(const vb::Variant& nr) {
    const double v = vb::IsNumeric(nr) ? vb::CDbl(nr) : 1000;
    if (v < 10) return 880;
    if (v < 100) return 780;
    return 680;
}

} // namespace

std::vector<Utskriftsfelt> Radlinje(const dao::Recordset& rad) {
    std::vector<Utskriftsfelt> linje;
    linje.push_back({nummerX(rad.Get("DommerNR")), rad.Get("DommerNR")});
    if (const vb::Variant s = rad.Get("Status"); !tom(s)) linje.push_back({1200, s});
    for (const auto& t : Tekster)
        if (const vb::Variant v = rad.Get(t.felt); !tom(v)) linje.push_back({t.x, vb::Left(vb::CStr(v), t.lengde)});
    if (const vb::Variant h = rad.Get("HPoeng"); !tom(h)) linje.push_back({vb::CDbl(h) < 10 ? 9880 : 9790, h});
    if (const vb::Variant b = rad.Get("BPoeng"); !tom(b)) linje.push_back({vb::CDbl(b) < 10 ? 10530 : 10440, b});
    return linje;
}

} // namespace innlesing
