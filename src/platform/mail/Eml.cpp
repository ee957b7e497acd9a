#include "platform/mail/Eml.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/files/Files.h"
#include "platform/files/WholeFile.h"
#include "platform/mail/Idna.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "platform/vb/Utf8.h"

namespace mail {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
// Base64 never holds "=_" inside a line, so no encoded part can contain the boundary.
constexpr char kBoundary[] = "=_KvistrelDommer_del";
// A header line that holds encoded words may be 76 characters long at most.
constexpr size_t kLineMax = 76;
// "=?UTF-8?B?" and "?=" around the base64 of an encoded word.
constexpr size_t kWordFrame = 12;

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

// One header field, folded before a token that would take its line past kLineMax.
// Unfolding (taking out the CR LF) gives back the text with one space before each token.
class Field {
public:
    explicit Field(const std::string& name) : text_(name + ":"), line_(text_.size()) {}

    void add(const std::string& token) {
        if (lineHasToken_ && line_ + 1 + token.size() > kLineMax) fold();
        put(token);
    }
    // The text as encoded words, each filling what its line has room for, characters kept whole.
    void addEncoded(const std::string& utf8) {
        for (size_t from = 0; from < utf8.size();) {
            if (lineHasToken_ && wordBytes() < vb::detail::CharBytes(utf8, from)) fold();
            size_t to = from;
            while (to < utf8.size()) {
                const size_t next = to + vb::detail::CharBytes(utf8, to);
                if (next - from > wordBytes() && to > from) break;
                to = next;
            }
            put("=?UTF-8?B?" + base64(std::string_view(utf8).substr(from, to - from)) + "?=");
            from = to;
        }
    }
    std::string text() const { return text_ + "\r\n"; }

private:
    // The bytes an encoded word can carry after a space on the current line.
    size_t wordBytes() const {
        const size_t room = kLineMax - std::min(kLineMax, line_ + 1);
        return room > kWordFrame ? (room - kWordFrame) / 4 * 3 : 0;
    }
    void fold() {
        text_ += "\r\n";
        line_ = 0;
        lineHasToken_ = false;
    }
    void put(const std::string& token) {
        text_ += ' ' + token;
        line_ += 1 + token.size();
        lineHasToken_ = true;
    }
    std::string text_;
    size_t line_;
    bool lineHasToken_ = false;
};

bool isAscii(const std::string& text) {
    for (unsigned char c : text)
        if (c < 0x20 || c > 0x7e) return false;
    return true;
}

// A plain subject as its words; anything a reader could take otherwise (letters outside
// ASCII, an edge blank it would trim, a text that looks encoded) as encoded words.
std::string subjectField(const std::string& subject) {
    Field field("Subject");
    if (subject.empty()) return field.text();
    if (!isAscii(subject) || subject.front() == ' ' || subject.back() == ' ' || subject.find("=?") != std::string::npos) {
        field.addEncoded(subject);
        return field.text();
    }
    for (size_t from = 0;;) {
        const size_t space = subject.find(' ', from);
        field.add(subject.substr(from, space - from));
        if (space == std::string::npos) return field.text();
        from = space + 1;
    }
}

// The typed addresses, split at the commas between them (not those in quotes or brackets).
std::vector<std::string> mailboxes(const std::string& typed) {
    std::vector<std::string> out(1);
    bool quoted = false, bracket = false;
    for (char c : typed) {
        if (c == '"') quoted = !quoted;
        if (!quoted && c == '<') bracket = true;
        if (!quoted && c == '>') bracket = false;
        if (c == ',' && !quoted && !bracket)
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

// "Name <address>" keeps an ASCII name as typed and encodes any other (a phrase of
// encoded words, its quotes taken off); an address without a name goes as typed.
// Every domain goes in its ASCII form.
std::string toField(const std::string& typed) {
    Field field("To");
    std::vector<std::string> parts;
    for (const std::string& part : mailboxes(oneLine(typed)))
        if (std::string box = vb::Trim(part); !box.empty()) parts.push_back(std::move(box));
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string& box = parts[i];
        const std::string comma = i + 1 < parts.size() ? "," : "";
        const size_t open = box.rfind('<');
        if (box.back() != '>' || open == std::string::npos) {
            field.add(AsciiAddress(box) + comma);
            continue;
        }
        const std::string bracketed = '<' + AsciiAddress(box.substr(open + 1, box.size() - open - 2)) + '>' + comma;
        std::string name = vb::Trim(box.substr(0, open));
        if (isAscii(name)) {
            if (!name.empty()) field.add(name);
        } else {
            if (name.size() >= 2 && name.front() == '"' && name.back() == '"') name = name.substr(1, name.size() - 2);
            field.addEncoded(name);
        }
        field.add(bracketed);
    }
    return field.text();
}

} // namespace

std::string Base64Lines(const std::string& bytes) {
    const std::string flat = base64(bytes);
    std::string out;
    for (size_t i = 0; i < flat.size(); i += 76) out += flat.substr(i, 76) + "\r\n";
    return out;
}

std::string CrLf(const std::string& text) {
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
    if (!vb::Trim(oneLine(m.recipient)).empty()) out += toField(m.recipient);
    out += subjectField(m.subject);
    out += "X-Unsent: 1\r\n";
    out += std::string("Content-Type: multipart/mixed; boundary=\"") + kBoundary + "\"\r\n";
    out += "\r\n";
    out += std::string("--") + kBoundary + "\r\n";
    out += "Content-Type: text/plain; charset=utf-8\r\n";
    out += "Content-Transfer-Encoding: base64\r\n\r\n";
    out += Base64Lines(CrLf(m.body));
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
