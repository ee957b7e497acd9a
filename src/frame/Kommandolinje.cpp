#include "frame/Kommandolinje.h"

#include <algorithm>

namespace {

constexpr const char* Bruk = "Bruk: KvistrelDommer [--help] [--version] [DATABASE]\n";

constexpr const char* Hjelp =
    "Register over dommere i Boccia og Curling.\n"
    "\n"
    "DATABASE er en turneringsdatabase som åpnes ved start: et filnavn i\n"
    "~/KvistrelDommer (store og små bokstaver likegyldig, «.BCA» legges til et\n"
    "navn uten punktum) eller en sti til filen.\n"
    "\n"
    "  -h, --help     vis denne hjelpen og avslutt\n"
    "      --version  vis versjonen og avslutt\n";

Kommandolinje Feil(const std::string& hva) {
    return {Kommandolinje::Handling::Feil, "",
            "KvistrelDommer: " + hva + "\n" + Bruk + "Se «KvistrelDommer --help».\n"};
}

} // namespace

Kommandolinje TolkKommandolinje(const std::vector<std::string>& argumenter, const std::string& versjon) {
    const auto slutt = std::find(argumenter.begin(), argumenter.end(), "--");
    for (auto a = argumenter.begin(); a != slutt; ++a) {
        if (*a == "--help" || *a == "-h") return {Kommandolinje::Handling::Hjelp, "", std::string(Bruk) + Hjelp};
        if (*a == "--version") return {Kommandolinje::Handling::Versjon, "", "KvistrelDommer " + versjon + "\n"};
    }
    std::vector<std::string> navn;
    for (auto a = argumenter.begin(); a != argumenter.end(); ++a) {
        if (a == slutt) continue;
        if (a < slutt && a->size() > 1 && a->front() == '-') return Feil("ukjent valg «" + *a + "»");
        navn.push_back(*a);
    }
    if (navn.size() > 1) return Feil("bare én database kan åpnes om gangen");
    return {Kommandolinje::Handling::Start, navn.empty() ? "" : navn.front(), ""};
}
