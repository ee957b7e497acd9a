#pragma once
// What the program's command line asks for: the window, with or without a
// database to open, or an answer in the terminal (help, the version, a refusal).
#include <string>
#include <vector>

struct Kommandolinje {
    enum class Handling { Start, Hjelp, Versjon, Feil };
    Handling handling = Handling::Start;
    std::string database;  // Start: the database named, "" = none
    std::string tekst;     // Hjelp, Versjon, Feil: what to print (Feil on standard error)
};

// The arguments after the program name, read before there is any display;
// --help and --version win over anything else before "--", after which every
// argument is a name. Qt's own options (-style fusion, ...) are let through.
Kommandolinje TolkKommandolinje(const std::vector<std::string>& argumenter, const std::string& versjon);
