#pragma once
// Qt's IDNA conversion for the addresses of the messages the program writes.
#include <string>

namespace qtview {

// Set with mail::SetAsciiDomainConversion.
std::string AsciiDomain(const std::string& domain);

} // namespace qtview
