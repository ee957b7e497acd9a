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
// The box of the first word on page 1 that is exactly ord (pdftotext -bbox), in points
// from the top; all 0 when there is none.
struct Ordboks { double xMin = 0, yMin = 0, xMax = 0, yMax = 0; };
Ordboks Boks(const std::string& pdf, const std::string& ord);

} // namespace pdftest
