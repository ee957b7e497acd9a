#pragma once
// Domains in their ASCII form (IDNA), as the address fields of a message must
// carry them. The conversion itself (case folding, normalisation, Punycode) is the
// host's: the program sets Qt's at start, as it sets the printer backend.
#include <string>

namespace mail {

// A domain of any script to its ASCII form ("ørnil.no" -> "xn--rnil-fra.no"); an
// empty answer for a domain that has none.
using AsciiDomainConversion = std::string (*)(const std::string& domain);
void SetAsciiDomainConversion(AsciiDomainConversion conversion);

// "klubber@ørnil.no" -> "klubber@xn--rnil-fra.no"; an address without "@", with an
// ASCII domain, or whose domain has no ASCII form (or no conversion is set) comes back
// as it was; the part before the "@" is never touched.
std::string AsciiAddress(const std::string& address);

} // namespace mail
