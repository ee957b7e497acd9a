#include "platform/mail/Idna.h"

#include <algorithm>

namespace mail {

namespace {

AsciiDomainConversion g_conversion = nullptr;

} // namespace

void SetAsciiDomainConversion(AsciiDomainConversion conversion) { g_conversion = conversion; }

std::string AsciiAddress(const std::string& address) {
    const size_t at = address.rfind('@');
    if (at == std::string::npos || !g_conversion) return address;
    const std::string domain = address.substr(at + 1);
    if (std::all_of(domain.begin(), domain.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) return address;
    const std::string ascii = g_conversion(domain);
    return ascii.empty() ? address : address.substr(0, at + 1) + ascii;
}

} // namespace mail
