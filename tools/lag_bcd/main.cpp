// lag_bcd FILE [ENTRIES_PER_LIST]: writes a sample tournament program database
// whose ranking lists the program imports ("Importer Rankingliste fra Turnering").
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "Turneringsfilskriver.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s FILE.bcd [ENTRIES_PER_LIST (default 5)]\n", argv[0]);
        return 2;
    }
    const int perListe = argc == 3 ? std::atoi(argv[2]) : 5;
    if (perListe < 0 || perListe > 1000) {
        std::fprintf(stderr, "ENTRIES_PER_LIST must be 0 to 1000\n");
        return 2;
    }
    try {
        const auto poster = Eksempelposter(perListe);
        SkrivTurneringsfil(argv[1], poster);
        std::printf("%s: %zu entries in 29 lists\n", argv[1], poster.size());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
