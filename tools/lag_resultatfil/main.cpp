// lag_resultatfil: writes a result file (".dkv") from a list of rows, for
// trying out the import without the tournament program.
#include <fstream>
#include <iostream>
#include <string>

#include "Resultatfilskriver.h"

namespace {

int bruk() {
    std::cerr << "Bruk: lag_resultatfil [-n TURNERINGSNAVN] [-d DATO] [-s FILSTATUS] UTFIL.dkv [RADER.txt]\n"
                 "Radene leses fra RADER.txt eller fra standard inn, én rad per linje, tolv felt skilt med ';':\n"
                 "  DommerNR;Status;Fornavn;Etternavn;Lag;Turneringsnavn;Turneringsdato;TypeSpill;HLag;BLag;HPoeng;BPoeng\n"
                 "Et tomt felt blir Null. Linjer som er tomme eller begynner med # hoppes over.\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    resultatfil::Innhold innhold;
    std::string utfil, radfil;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto verdi = [&]() -> resultatfil::Felt {
            if (i + 1 >= argc) return std::nullopt;
            const std::string v = argv[++i];
            return v.empty() ? std::nullopt : resultatfil::Felt(v);
        };
        if (a == "-n") innhold.turneringsnavn = verdi();
        else if (a == "-d") innhold.turneringsdato = verdi();
        else if (a == "-s") innhold.filstatus = verdi();
        else if (a == "-h" || a == "--help") return bruk();
        else if (utfil.empty()) utfil = a;
        else if (radfil.empty()) radfil = a;
        else return bruk();
    }
    if (utfil.empty()) return bruk();

    std::ifstream fil;
    if (!radfil.empty()) {
        fil.open(radfil);
        if (!fil) {
            std::cerr << "lag_resultatfil: kan ikke lese " << radfil << "\n";
            return 1;
        }
    }
    std::istream& inn = radfil.empty() ? std::cin : fil;
    std::string linje;
    int nr = 0;
    while (std::getline(inn, linje)) {
        ++nr;
        if (linje.empty() || linje == "\r" || linje[0] == '#') continue;
        try {
            innhold.rader.push_back(resultatfil::LesRad(linje));
        } catch (const resultatfil::Feil& e) {
            std::cerr << "lag_resultatfil: linje " << nr << ": " << e.what() << "\n";
            return 1;
        }
    }
    try {
        resultatfil::Skriv(utfil, innhold);
    } catch (const resultatfil::Feil& e) {
        std::cerr << "lag_resultatfil: " << e.what() << "\n";
        return 1;
    }
    std::cout << utfil << ": " << innhold.rader.size() << " rader\n";
    return 0;
}
