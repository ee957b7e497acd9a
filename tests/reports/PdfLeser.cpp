#include "PdfLeser.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace pdftest {

std::string Kjor(const std::string& kommando) {
    std::string ut;
    FILE* p = popen(kommando.c_str(), "r");
    if (!p) return ut;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) ut.append(buf, n);
    return pclose(p) == 0 ? ut : std::string();
}

std::string Sitat(const std::string& s) {
    std::string ut = "'";
    for (char c : s) ut += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return ut + "'";
}

std::string Tekst(const std::string& pdf) { return Kjor("pdftotext -layout " + Sitat(pdf) + " - 2>/dev/null"); }

int Sider(const std::string& pdf) {
    const std::string info = Kjor("pdfinfo " + Sitat(pdf) + " 2>/dev/null");
    const auto at = info.find("\nPages:");
    return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 7);
}

std::string Fonter(const std::string& pdf) { return Kjor("pdffonts " + Sitat(pdf) + " 2>/dev/null"); }

Ordboks Boks(const std::string& pdf, const std::string& ord) {
    const std::string html = Kjor("pdftotext -bbox -f 1 -l 1 " + Sitat(pdf) + " - 2>/dev/null");
    // <word xMin="…" yMin="…" xMax="…" yMax="…">ord</word>
    for (std::size_t at = html.find("<word "); at != std::string::npos; at = html.find("<word ", at + 1)) {
        const std::size_t slutt = html.find('>', at);
        if (slutt == std::string::npos || html.compare(slutt + 1, ord.size() + 7, ord + "</word>") != 0) continue;
        const auto verdi = [&](const char* navn) {
            const std::size_t v = html.find(std::string(navn) + "=\"", at);
            return v < slutt ? std::atof(html.c_str() + v + std::strlen(navn) + 2) : 0.0;
        };
        return {verdi("xMin"), verdi("yMin"), verdi("xMax"), verdi("yMax")};
    }
    return {};
}

} // namespace pdftest
