#include "reports/Utskriftsside.h"

#include <string>

#include "platform/printer/Printer.h"
#include "platform/vb/Err.h"

using printer::Printer;

Utskriftsside::Utskriftsside(const Sideoppsett& oppsett, std::function<void()> overskrift)
    : oppsett_(oppsett), overskrift_(std::move(overskrift)), side_(oppsett.Sidestart) {}

void Utskriftsside::Start() {
    Printer.SetScaleHeight(100);
    Printer.SetCurrentY(oppsett_.ToppY);
    Printer.SetFontSize(10);
}

void Utskriftsside::Tittel(const std::string& tekst, double x) {
    Printer.SetCurrentX(x);
    Printer.Print(tekst);
}

void Utskriftsside::Overskrift() { overskrift_(); }

void Utskriftsside::Rader() {
    Printer.SetFontSize(8);
    side_ = oppsett_.Sidestart;
}

void Utskriftsside::nesteSide() {
    if (side_ == INT16_MAX) vb::Raise(vb::errnum::Overflow);
    ++side_;
}

void Utskriftsside::Sideskift() {
    const float grense = static_cast<float>(oppsett_.Bruddgrense * Printer.ScaleHeight());
    if (!(Printer.CurrentY() > grense)) return;
    if (oppsett_.Tellesett) {
        Printer.Print();
        nesteSide();
        Printer.SetCurrentX(oppsett_.FotX);
        Printer.Print(Sidetekst(side_));
    } else {
        Printer.SetCurrentY(0.94 * Printer.ScaleHeight());
        Printer.SetCurrentX(oppsett_.FotX);
        Printer.Print(Sidetekst(side_), printer::Stay);
        nesteSide();
    }
    Printer.NewPage();
    Printer.SetCurrentY(oppsett_.NySideY);
    Overskrift();
}

void Utskriftsside::Slutt() {
    if (oppsett_.Tellesett) {
        Printer.SetCurrentY(0.95 * Printer.ScaleHeight());
        Printer.SetCurrentX(oppsett_.FotX);
        Printer.Print(Sidetekst(side_ + 1));
    } else {
        Printer.SetCurrentY(0.94 * Printer.ScaleHeight());
        Printer.Print();
        Printer.SetCurrentX(oppsett_.FotX);
        Printer.Print(Sidetekst(side_), printer::Stay);
    }
    Printer.EndDoc();
}

double Tallposisjon(double verdi, double base, double underTi, double underHundre) {
    if (verdi < 10) return base + underTi;
    if (verdi < 100) return base + underHundre;
    return base;
}

std::string Sidetekst(int side) { return "Side " + std::to_string(side); }

void SkrivVed(double x, const vb::Variant& verdi, printer::Line linje) {
    Printer.SetCurrentX(x);
    Printer.Print(verdi, linje);
}

void Skriv_Kolonner(std::initializer_list<std::pair<double, const char*>> kolonner) {
    for (const auto& [x, tekst] : kolonner) SkrivVed(x, tekst);
}

void Overskriftslinje(std::initializer_list<std::pair<double, const char*>> overskrifter) {
    Printer.SetFontUnderline(true);
    Printer.SetFontSize(8);
    std::size_t i = 0;
    for (const auto& [x, tekst] : overskrifter)
        SkrivVed(x, tekst, ++i == overskrifter.size() ? printer::EndLine : printer::Stay);
    Printer.SetFontUnderline(false);
}
