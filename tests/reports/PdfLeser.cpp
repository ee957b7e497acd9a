#include "PdfLeser.h"

#include <cstdio>
#include <cstdlib>
#include <regex>

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
    const std::regex ordet(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    for (std::sregex_iterator i(html.begin(), html.end(), ordet), slutt; i != slutt; ++i)
        if ((*i)[5] == ord) return {std::stod((*i)[1]), std::stod((*i)[2]), std::stod((*i)[3]), std::stod((*i)[4])};
    return {};
}

} // namespace pdftest
