#pragma once
// Domains in their ASCII form (IDNA), as the address fields of a message
// must carry them: a label with letters outside ASCII becomes "xn--" and its
// Punycode (RFC 3492), lower-cased first (ASCII and Latin-1 capitals).
#include <string>

namespace mail {

// The label's Punycode, without the "xn--" prefix.
std::string Punycode(const std::u32string& label);
// "klubber@ørnil.no" -> "klubber@xn--rnil-zua.no"; an address without "@" or
// with an ASCII domain comes back as it was, the part before the "@" untouched.
std::string AsciiAddress(const std::string& address);

} // namespace mail
