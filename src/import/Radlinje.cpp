// Where each field of a result-file row lands on the printed line.
#include "import/Resultatutskrift.h"

#include "platform/vb/Strings.h"
#include "reports/Utskriftsside.h"

namespace innlesing {

namespace {

struct Tekstfelt {
    const char* felt;
    double x;
    long lengde;
};
constexpr Tekstfelt Tekster[] = {{"Dommer_ForNavn", 1600, 22}, {"Dommer_EtterNavn", 3300, 20}, {"TypeSpill", 4900, 3},
                                 {"HLag", 5700, 23},           {"BLag", 7500, 23}};

bool tom(const vb::Variant& v) { return v.IsNull() || v.IsEmpty(); }

double tall(const vb::Variant& v) { return vb::IsNumeric(v) ? vb::CDbl(v) : 1000; }

} // namespace

std::vector<Utskriftsfelt> Radlinje(const dao::Recordset& rad) {
    std::vector<Utskriftsfelt> linje;
    // One- and two-digit values move right so that the digits line up.
    const vb::Variant nr = rad.Get("DommerNR");
    linje.push_back({Tallposisjon(tall(nr), 680, 200, 100), nr});
    if (const vb::Variant s = rad.Get("Status"); !tom(s)) linje.push_back({1200, s});
    for (const auto& t : Tekster)
        if (const vb::Variant v = rad.Get(t.felt); !tom(v)) linje.push_back({t.x, vb::Left(vb::CStr(v), t.lengde)});
    if (const vb::Variant h = rad.Get("HPoeng"); !tom(h)) linje.push_back({Tallposisjon(tall(h), 9790, 90, 0), h});
    if (const vb::Variant b = rad.Get("BPoeng"); !tom(b)) linje.push_back({Tallposisjon(tall(b), 10440, 90, 0), b});
    return linje;
}

} // namespace innlesing
