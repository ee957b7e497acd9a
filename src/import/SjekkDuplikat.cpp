#include "import/SjekkDuplikat.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory_resource>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "import/Innlesing.h"
#include "state/ProgramState.h"

using namespace innlesing;

namespace {

const std::string Fil = std::string(Alias) + ".";

// Appends a row's match key (the cells from column fra on) to k, each value after its length,
// so that two keys are equal exactly when every value is: texts as stored (case and blanks),
// numbers by value. False when a value is missing: such a row matches nothing.
bool matchNokkel(const dao::Cells& rad, int fra, std::string& k) {
    k.clear();
    for (int i = fra; i < rad.Count(); ++i) {
        const std::size_t lengde = k.size();
        k.append(sizeof(uint32_t), '\0');
        if (!rad.AppendText(i, k)) return false;
        const auto n = static_cast<uint32_t>(k.size() - lengde - sizeof(uint32_t));
        std::memcpy(k.data() + lengde, &n, sizeof n);
    }
    return true;
}

// The keys seen, their bytes kept together in one arena that goes at once.
class Nokler {
public:
    // False when the key was there already. Its copy is kept either way: duplicates are few,
    // and so the key is hashed once.
    bool LeggTil(std::string_view k) {
        char* kopi = static_cast<char*>(arena_.allocate(k.size(), 1));
        std::memcpy(kopi, k.data(), k.size());
        return sett_.emplace(kopi, k.size()).second;
    }
private:
    std::pmr::monotonic_buffer_resource arena_;
    std::pmr::unordered_set<std::string_view> sett_{&arena_};
};

} // namespace

void Sjekk_Duplikat() {
    // A file row is a duplicate when a live match or an earlier file row (read in before it,
    // or a duplicate itself) shares its key.
    const std::string filDatoer = "SELECT Turneringsdato FROM " + Fil + "dommerdata WHERE Status = 0";
    Nokler kjent;
    std::string k;
    // Only live matches of the file's tournament dates can share a key.
    state::DBase.ScanCells("SELECT DommerNR, Dommer_HLag, Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng, TurneringsNavn, Turneringsdato, "
                           "Typespill FROM main.Dommertabell WHERE Status < 3 AND CAST(Turneringsdato AS TEXT) COLLATE BINARY IN "
                           "(SELECT CAST(Turneringsdato AS TEXT) FROM (" + filDatoer + "))",
                           [&](const dao::Cells& rad) {
                               if (matchNokkel(rad, 0, k)) kjent.LeggTil(k);
                           });
    std::vector<vb::Variant> duplikater;
    state::DBase.ScanCells("SELECT rowid, DommerNR, HLag, BLag, HPoeng, BPoeng, Turneringsnavn, Turneringsdato, TypeSpill FROM " +
                               Fil + "dommerdata WHERE Status = 0 ORDER BY rowid",
                           [&](const dao::Cells& rad) {
                               if (matchNokkel(rad, 1, k) && !kjent.LeggTil(k)) duplikater.push_back(rad.Value(0));
                           });
    // A few hundred rows a statement: a file full of duplicates would spend more on a statement
    // a row than on the writes.
    constexpr std::size_t Klump = 500;
    for (std::size_t fra = 0; fra < duplikater.size(); fra += Klump) {
        const auto til = duplikater.begin() + static_cast<std::ptrdiff_t>(std::min(duplikater.size(), fra + Klump));
        const dao::Params rader(duplikater.begin() + static_cast<std::ptrdiff_t>(fra), til);
        std::string sql = "UPDATE " + Fil + "dommerdata SET Status = 4 WHERE rowid IN (?";
        for (std::size_t i = 1; i < rader.size(); ++i) sql += ", ?";
        state::DBase.Execute(sql + ")", rader);
    }
    AntallDuplikater = static_cast<int32_t>(duplikater.size());
    if (AntallDuplikater > 0) DuplikatFunnet = 1;
}
