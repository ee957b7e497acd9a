// lag_bcd FILE [ENTRIES_PER_LIST]: writes a sample tournament program database
// whose ranking lists the program imports ("Importer Rankingliste fra Turnering").
#include <charconv>
#include <cstdio>
#include <exception>
#include <string>

#include "Turneringsfilskriver.h"

namespace {

int bruk(const char* program) {
    std::fprintf(stderr, "Bruk: %s FIL.bcd [OPPFØRINGER_PER_LISTE]\n"
                         "Skriver OPPFØRINGER_PER_LISTE (0 til 1000, uten tall 5) oppføringer i hver av de 29 listene.\n",
                 program);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) return bruk(argv[0]);
    int perListe = 5;
    if (argc == 3) {
        // The whole argument is the number: "12x" or "mange" is refused, not read as 12 or 0.
        const std::string tall = argv[2];
        const auto [slutt, feil] = std::from_chars(tall.data(), tall.data() + tall.size(), perListe);
        if (feil != std::errc() || slutt != tall.data() + tall.size() || perListe < 0 || perListe > 1000) {
            std::fprintf(stderr, "lag_bcd: OPPFØRINGER_PER_LISTE må være et tall fra 0 til 1000, ikke «%s»\n", argv[2]);
            return 2;
        }
    }
    try {
        const auto poster = Eksempelposter(perListe);
        SkrivTurneringsfil(argv[1], poster);
        std::printf("%s: %zu oppføringer i 29 lister\n", argv[1], poster.size());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lag_bcd: %s\n", e.what());
        return 1;
    }
    return 0;
}
