#pragma once
// The printed page model the referee, match and import reports are laid out on.
// Y is in percent of the printable height (scale height 100), X in twips.
//
//   Utskriftsside side(Standardsett, Print_Overskrift_X);   // the report's heading routine
//   side.Start();                          // scale 100, Y = top, font size 10
//   side.Tittel("Norges Valmorisk");       // X 1000, the text, line end (title block)
//   printer::Printer.Print();              // the blank line, where the report has one
//   side.Overskrift();                     // the heading routine
//   side.Rader();                          // font size 8, page counter to its start
//   for (each row) { ...print the row...; side.Sideskift(); }
//   side.Slutt();                          // the last page's footer, then EndDoc
//
// Run the whole report inside Utfor_Utskrift (Utskrift.h), so that an error
// kills the document and is told to the user.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <utility>
#include <string>

#include "platform/printer/Printer.h"
#include "platform/vb/Variant.h"

struct Sideoppsett {
    double ToppY;          // Y at the top of the first page
    double Bruddgrense;    // a page is full when Y > this x scale height (strictly)
    double FotX;           // X of "Side n"
    double NySideY;        // Y after a new page
    int16_t Sidestart;     // first value of the page counter
    bool Tellesett;        // the footer rules of the count of refereed matches
};

inline constexpr Sideoppsett Standardsett{4, 0.92, 5500, 5, 1, false};
inline constexpr Sideoppsett Tellesett{4, 0.93, 5600, 4, 0, true};

class Utskriftsside {
public:
    Utskriftsside(const Sideoppsett& oppsett, std::function<void()> overskrift);

    void Start();
    // X = x, the text, line end; at the font size in force.
    void Tittel(const std::string& tekst, double x = 1000);
    void Overskrift();
    void Rader();
    // The test after every row: past the break fraction, the footer, a new page and the heading.
    void Sideskift();
    void Slutt();

    int16_t Side() const { return side_; }

private:
    void nesteSide();   // counter + 1, with the overflow of a 16-bit counter

    Sideoppsett oppsett_;
    std::function<void()> overskrift_;
    int16_t side_ = 0;
};

// X of a number right-aligned by its digit count: below 10 moves it right by
// underTi, 10 to 99 by underHundre, larger numbers print at base.
double Tallposisjon(double verdi, double base, double underTi, double underHundre);

// The value at X, staying on the line unless told otherwise; Null prints nothing.
void SkrivVed(double x, const vb::Variant& verdi, printer::Line linje = printer::Stay);
// Each text at its X, staying on the line (a heading line, or the columns of a row).
void Skriv_Kolonner(std::initializer_list<std::pair<double, const char*>> kolonner);
// The underlined heading line: underline on, 8 points, each heading at its X, a line end
// after the last, underline off.
void Overskriftslinje(std::initializer_list<std::pair<double, const char*>> overskrifter);

// "Side " and the page number without blanks.
std::string Sidetekst(int side);
