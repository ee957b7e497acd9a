#include "platform/mail/Eml.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "platform/files/Files.h"
#include "platform/files/WholeFile.h"
#include "platform/vb/Err.h"
#include "platform/vb/Utf8.h"

namespace mail {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
// Base64 never holds "=_" inside a line, so no encoded part can contain the boundary.
constexpr char kBoundary[] = "=_KvistrelDommer_del";
// An encoded word is at most 75 characters: "=?UTF-8?B?" + 60 + "?=" carries 45 bytes.
constexpr size_t kWordBytes = 45;

std::string base64(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned n = (unsigned char)bytes[i] << 16 | (unsigned char)bytes[i + 1] << 8 | (unsigned char)bytes[i + 2];
        for (int s : {18, 12, 6, 0}) out += kAlphabet[(n >> s) & 63];
    }
    if (i + 1 == bytes.size()) {
        const unsigned n = (unsigned char)bytes[i] << 16;
        out += kAlphabet[(n >> 18) & 63];
        out += kAlphabet[(n >> 12) & 63];
        out += "==";
    } else if (i + 2 == bytes.size()) {
        const unsigned n = (unsigned char)bytes[i] << 16 | (unsigned char)bytes[i + 1] << 8;
        for (int s : {18, 12, 6}) out += kAlphabet[(n >> s) & 63];
        out += '=';
    }
    return out;
}

// Text lines end in CR LF inside a message, whatever the letter used.
std::string crlf(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (text[i] == '\n') {
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

// A typed address may not break the header it goes into.
std::string oneLine(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    return out;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) vb::Raise(vb::errnum::FileNotFound, "Finner ikke fila " + path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

std::string Base64Lines(const std::string& bytes) {
    const std::string flat = base64(bytes);
    std::string out;
    for (size_t i = 0; i < flat.size(); i += 76) out += flat.substr(i, 76) + "\r\n";
    return out;
}

std::string EncodeHeaderWords(const std::string& utf8) {
    std::string out;
    size_t from = 0;
    while (from < utf8.size()) {
        size_t to = from;
        while (to < utf8.size()) {
            const size_t next = to + vb::detail::CharBytes(utf8, to);
            if (next - from > kWordBytes) break;
            to = next;
        }
        if (!out.empty()) out += "\r\n ";
        out += "=?UTF-8?B?" + base64(std::string_view(utf8).substr(from, to - from)) + "?=";
        from = to;
    }
    return out;
}

std::string AsciiFileName(const std::string& utf8) {
    std::string out;
    for (char32_t c : vb::detail::CodePoints(utf8)) {
        switch (c) {
        case U'æ': out += "ae"; continue;
        case U'Æ': out += "Ae"; continue;
        case U'ø': case U'ö': case U'ó': case U'ò': case U'ô': out += 'o'; continue;
        case U'Ø': case U'Ö': out += 'O'; continue;
        case U'å': case U'ä': case U'á': case U'à': case U'â': out += 'a'; continue;
        case U'Å': case U'Ä': out += 'A'; continue;
        case U'é': case U'è': case U'ê': case U'ë': out += 'e'; continue;
        case U'É': out += 'E'; continue;
        case U'ü': case U'ú': out += 'u'; continue;
        default: break;
        }
        const bool safe = (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') ||
                          c == U'.' || c == U'-' || c == U'_' || c == U' ';
        out += safe ? static_cast<char>(c) : '_';
    }
    return out.empty() ? std::string("vedlegg") : out;
}

std::string BuildEml(const EmlMessage& m) {
    std::string out;
    out += "MIME-Version: 1.0\r\n";
    if (!m.recipient.empty()) out += "To: " + oneLine(m.recipient) + "\r\n";
    out += "Subject: " + EncodeHeaderWords(m.subject) + "\r\n";
    out += "X-Unsent: 1\r\n";
    out += std::string("Content-Type: multipart/mixed; boundary=\"") + kBoundary + "\"\r\n";
    out += "\r\n";
    out += std::string("--") + kBoundary + "\r\n";
    out += "Content-Type: text/plain; charset=utf-8\r\n";
    out += "Content-Transfer-Encoding: base64\r\n\r\n";
    out += Base64Lines(crlf(m.body));
    if (!m.attachmentPath.empty()) {
        const std::string name = AsciiFileName(files::BaseName(m.attachmentPath));
        out += std::string("--") + kBoundary + "\r\n";
        out += "Content-Type: application/octet-stream; name=\"" + name + "\"\r\n";
        out += "Content-Disposition: attachment; filename=\"" + name + "\"\r\n";
        out += "Content-Transfer-Encoding: base64\r\n\r\n";
        out += Base64Lines(readAll(m.attachmentPath));
    }
    out += std::string("--") + kBoundary + "--\r\n";
    return out;
}

void WriteEml(const EmlMessage& message, const std::string& path) {
    const std::string text = BuildEml(message);
    // A half-written message never takes the place of a whole one.
    files::WholeFile out(path);
    out.Write(text);
    out.SetMode(0644);
    out.Commit();
}

} // namespace mail
