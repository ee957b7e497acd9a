#include "frame/Kommandolinje.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr const char* Bruk = "Bruk: KvistrelDommer [--help] [--version] [DATABASE]\n";

constexpr const char* Hjelp =
    "Register over dommere i Boccia og Curling.\n"
    "\n"
    "DATABASE er en turneringsdatabase som åpnes ved start: et filnavn i\n"
    "~/KvistrelDommer (store og små bokstaver likegyldig; et navn uten punktum\n"
    "får «.BCA», eller «.kvx» når det ikke finnes en slik «.BCA»-fil) eller en\n"
    "sti til filen.\n"
    "\n"
    "  -h, --help     vis denne hjelpen og avslutt\n"
    "      --version  vis versjonen og avslutt\n";

Kommandolinje Feil(const std::string& hva) {
    return {Kommandolinje::Handling::Feil, "",
            "KvistrelDommer: " + hva + "\n" + Bruk + "Se «KvistrelDommer --help».\n"};
}

// The options QApplication takes for itself (with one or two dashes), read here
// before there is a display, so that they are neither refused nor taken for a name.
struct QtValg {
    std::string_view navn;
    bool medVerdi;
};
constexpr std::array<QtValg, 20> QtsValg{{
    {"platform", true}, {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true}, {"qwindowtitle", true}, {"reverse", false},
    {"session", true}, {"style", true}, {"stylesheet", true}, {"widgetcount", false}, {"testability", false},
    // X11's own names
    {"display", true}, {"geometry", true}, {"name", true}, {"title", true}, {"icon", true}, {"visual", true},
    {"sync", false},
}};

// How many arguments a Qt option at a takes (the option and its value), 0 for none of Qt's.
std::size_t QtValgLengde(std::string_view a) {
    if (a.size() < 2 || a[0] != '-') return 0;
    a.remove_prefix(a[1] == '-' ? 2 : 1);
    const std::size_t lik = a.find('=');
    const std::string_view navn = a.substr(0, lik);
    const auto valg = std::find_if(QtsValg.begin(), QtsValg.end(), [&](const QtValg& v) { return v.navn == navn; });
    if (valg == QtsValg.end() || (lik != std::string_view::npos && !valg->medVerdi)) return 0;
    return valg->medVerdi && lik == std::string_view::npos ? 2 : 1;
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
        if (a < slutt) {
            if (const std::size_t qt = QtValgLengde(*a)) {
                if (static_cast<std::size_t>(slutt - a) < qt) return Feil("valget «" + *a + "» mangler en verdi");
                a += static_cast<std::ptrdiff_t>(qt - 1);
                continue;
            }
            if (a->size() > 1 && a->front() == '-') return Feil("ukjent valg «" + *a + "»");
        }
        navn.push_back(*a);
    }
    if (navn.size() > 1) return Feil("bare én database kan åpnes om gangen");
    return {Kommandolinje::Handling::Start, navn.empty() ? "" : navn.front(), ""};
}
