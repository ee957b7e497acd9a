#pragma once
// The written RTF files read back by real readers: pandoc (the table's rows,
// cell by cell, and the plain text) and unrtf (its text output, in UTF-8).
#include <cctype>
#include <cstdio>
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

// Text of an HTML fragment: tags dropped, the four entities pandoc writes decoded, blanks collapsed.
inline std::string HtmlText(const std::string& html) {
    std::string text;
    bool inTag = false, blank = false;
    for (size_t i = 0; i < html.size(); ++i) {
        const char c = html[i];
        if (inTag || c == '<') {
            inTag = c != '>';
            continue;
        }
        if (c == ' ' || c == '\n' || c == '\t') {
            blank = !text.empty();
            continue;
        }
        if (blank) text += ' ';
        blank = false;
        bool entity = false;
        for (auto [name, ch] : {std::pair{"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&amp;", '&'}}) {
            if (html.compare(i, std::char_traits<char>::length(name), name) == 0) {
                text += ch;
                i += std::char_traits<char>::length(name) - 1;
                entity = true;
                break;
            }
        }
        if (!entity) text += c;
    }
    return text;
}

inline std::vector<std::vector<std::string>> PandocRows(const std::string& rtfPath) {
    const std::string html = RunReader("pandoc -f rtf -t html " + QuotedPath(rtfPath));
    std::vector<std::vector<std::string>> rows;
    for (size_t tr = html.find("<tr"); tr != std::string::npos; tr = html.find("<tr", tr + 1)) {
        const size_t end = html.find("</tr>", tr);
        std::vector<std::string> cells;
        for (size_t at = html.find("<t", tr + 3); at < end; at = html.find("<t", at + 1)) {
            if ((html[at + 2] != 'd' && html[at + 2] != 'h') || std::isalpha(static_cast<unsigned char>(html[at + 3]))) continue;
            const size_t close = html.find('>', at);
            if (html[close - 1] == '/') {
                cells.emplace_back();
                continue;
            }
            const size_t stop = html.find("</t", close);
            cells.push_back(HtmlText(html.substr(close + 1, stop - close - 1)));
            at = stop;
        }
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
