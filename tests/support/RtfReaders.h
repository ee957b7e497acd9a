#pragma once
// The written RTF files read back by real readers: pandoc (the table's rows,
// cell by cell, and the plain text) and unrtf (its text output, in UTF-8).
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "platform/vb/Utf8.h"

namespace kdtest {

inline std::string RunReader(const std::string& command) {
    std::string out;
    FILE* p = ::popen(command.c_str(), "r");
    if (!p) return out;
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
    ::pclose(p);
    return out;
}

inline std::string QuotedPath(const std::string& path) { return "'" + path + "'"; }

inline std::vector<std::vector<std::string>> PandocRows(const std::string& rtfPath) {
    const std::string html = RunReader("pandoc -f rtf -t html " + QuotedPath(rtfPath));
    const auto plain = [](std::string text) {
        text = std::regex_replace(text, std::regex("<[^>]*>"), "");
        for (auto [entity, c] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}})
            text = std::regex_replace(text, std::regex(entity), c);
        text = std::regex_replace(text, std::regex("\\s+"), " ");
        return std::regex_replace(text, std::regex("^ | $"), "");
    };
    std::vector<std::vector<std::string>> rows;
    const std::regex row("<tr[^>]*>([\\s\\S]*?)</tr>"), cell("<t[dh][^>]*>([\\s\\S]*?)</t[dh]>|<t[dh][^>]*/>");
    for (std::sregex_iterator r(html.begin(), html.end(), row), end; r != end; ++r) {
        const std::string inner = (*r)[1];
        std::vector<std::string> cells;
        for (std::sregex_iterator c(inner.begin(), inner.end(), cell); c != end; ++c) cells.push_back(plain((*c)[1]));
        rows.push_back(cells);
    }
    return rows;
}

inline std::string PandocText(const std::string& rtfPath) {
    return RunReader("pandoc -f rtf -t plain --wrap=none " + QuotedPath(rtfPath));
}

inline std::string UnrtfText(const std::string& rtfPath) {
    const std::string latin1 = RunReader("unrtf --text " + QuotedPath(rtfPath) + " 2>/dev/null");
    std::string utf8;
    for (unsigned char c : latin1) vb::detail::AppendUtf8(utf8, c);
    return utf8;
}

} // namespace kdtest
