#pragma once
// Pieces of the printed match reports: a value at its X, texts cut to a length,
// and the underlined heading line.
#include <initializer_list>
#include <utility>

#include "platform/printer/Printer.h"
#include "platform/vb/Variant.h"

namespace kamper {

// The value at X, staying on the line unless told otherwise; Null prints nothing.
void SkrivVed(double x, const vb::Variant& verdi, printer::Line linje = printer::Stay);
// The first n characters of a text; Null stays Null.
vb::Variant Kutt(const vb::Variant& verdi, int n);
// Home and away points joined by " - "; a missing value gives nothing.
std::string Resultat(const vb::Variant& hjemme, const vb::Variant& borte);
// Underline on, 8 points, each heading at its X, a line end after the last, underline off.
void Overskriftslinje(std::initializer_list<std::pair<const char*, double>> overskrifter);

} // namespace kamper
