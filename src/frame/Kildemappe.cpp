#include "frame/Kildemappe.h"

#include <fstream>

bool ErKildemappe(const std::string& mappe) {
    // The declaration stands at the top of the file: reading its start is enough.
    constexpr std::size_t Start = 4096;
    std::ifstream fil(mappe + "/CMakeLists.txt", std::ios::binary);
    if (!fil) return false;
    std::string tekst(Start, '\0');
    fil.read(tekst.data(), Start);
    tekst.resize(static_cast<std::size_t>(fil.gcount()));
    return tekst.find("project(KvistrelDommer ") != std::string::npos;
}
