#pragma once
// Pieces of the printed match reports: texts cut to a length and the result.
#include <string>

#include "platform/vb/Variant.h"

namespace kamper {

// The first n characters of a text; Null stays Null.
vb::Variant Kutt(vb::Variant verdi, int n);
// Home and away points joined by " - "; a missing value gives nothing.
std::string Resultat(const vb::Variant& hjemme, const vb::Variant& borte);

} // namespace kamper
