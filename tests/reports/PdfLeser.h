#pragma once
// Reads printed PDF files back with poppler's own tools.
#include <string>

namespace pdftest {

// The output of a command run through the shell; empty when it fails.
std::string Kjor(const std::string& kommando);
// "'path'" for the shell.
std::string Sitat(const std::string& s);
std::string Tekst(const std::string& pdf);        // pdftotext -layout
int Sider(const std::string& pdf);                // pdfinfo's "Pages:"; -1 when unreadable
std::string Fonter(const std::string& pdf);       // pdffonts

} // namespace pdftest
