#include "PdfLeser.h"

#include <cstdio>
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
    std::smatch m;
    const std::string info = Kjor("pdfinfo " + Sitat(pdf) + " 2>/dev/null");
    return std::regex_search(info, m, std::regex(R"(Pages:\s+(\d+))")) ? std::stoi(m[1]) : -1;
}

std::string Fonter(const std::string& pdf) { return Kjor("pdffonts " + Sitat(pdf) + " 2>/dev/null"); }

} // namespace pdftest
