#include "MailTestSupport.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/mail/Idna.h"
#include "qtview/MailDomains.h"

namespace mailtest {

namespace {

// Messages get their domains converted as in the program, which sets Qt's conversion at start.
[[maybe_unused]] const bool hostConversionSet = (mail::SetAsciiDomainConversion(qtview::AsciiDomain), true);

} // namespace

void WriteRecorder(const std::string& folder, int status, const std::string& extra, const std::string& program) {
    const std::string script = folder + "/" + program;
    std::ofstream out(script);
    out << "#!/bin/sh\n: > '" << folder << "/args'\n"
        << "for a in \"$@\"; do printf '%s\\0' \"$a\" >> '" << folder << "/args'; done\n"
        << extra << "\nexit " << status << "\n";
    out.close();
    ::chmod(script.c_str(), 0755);
}

std::vector<std::string> RecordedArgs(const std::string& folder) {
    std::ifstream in(folder + "/args", std::ios::binary);
    if (!in) return {};
    std::vector<std::string> args;
    std::string arg;
    while (std::getline(in, arg, '\0')) args.push_back(arg);
    return args;
}

PathAs::PathAs(const std::string& path) {
    const char* old = std::getenv("PATH");
    old_ = old ? old : "";
    ::setenv("PATH", path.c_str(), 1);
}

PathAs::~PathAs() { ::setenv("PATH", old_.c_str(), 1); }

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

namespace {

// Runs a Python script on one argument; it prints "key=hex of value" lines, so any bytes come through.
std::map<std::string, std::string> runPython(const std::string& script, const std::string& scriptPath,
                                             const std::string& argument) {
    std::ofstream(scriptPath) << script;
    std::string quoted = "'";
    for (char c : argument) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    quoted += "'";
    FILE* p = ::popen(("python3 '" + scriptPath + "' " + quoted + " 2>&1").c_str(), "r");
    if (!p) throw std::runtime_error("python3");
    std::string output;
    char buf[4096];
    while (size_t n = std::fread(buf, 1, sizeof buf, p)) output.append(buf, n);
    ::pclose(p);
    std::remove(scriptPath.c_str());
    std::map<std::string, std::string> fields;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) {
            fields["error"] += line + "\n";
            continue;
        }
        std::string value;
        for (size_t i = eq + 1; i + 1 < line.size(); i += 2) value += char(std::stoi(line.substr(i, 2), nullptr, 16));
        fields[line.substr(0, eq)] = value;
    }
    return fields;
}

} // namespace

std::map<std::string, std::string> ParseMailto(const std::string& uri, const std::string& scratchFolder) {
    const std::string script =
        "import sys, urllib.parse as u\n"
        "p = u.urlsplit(sys.argv[1])\n"
        "h = lambda s: s.encode('utf-8').hex()\n"
        "print('scheme=' + h(p.scheme))\n"
        "print('to=' + h(u.unquote(p.path, errors='strict')))\n"
        "for k, v in u.parse_qsl(p.query, keep_blank_values=True, errors='strict'):\n"
        "    print(k + '=' + h(v))\n";
    return runPython(script, scratchFolder + "/mailto.py", uri);
}

std::map<std::string, std::string> ParseEml(const std::string& path) {
    const std::string script =
        "import sys, email\n"
        "from email import policy\n"
        "m = email.message_from_bytes(open(sys.argv[1], 'rb').read(), policy=policy.default)\n"
        "h = lambda s: s.encode('utf-8').hex()\n"
        "print('subject=' + h(str(m['Subject'])))\n"
        "t = m['To']\n"
        "print('to=' + h(str(t) if t is not None else '<none>'))\n"
        "print('to.names=' + h('|'.join(a.display_name for a in t.addresses) if t is not None else ''))\n"
        "print('to.addrs=' + h('|'.join(a.addr_spec for a in t.addresses) if t is not None else ''))\n"
        "print('defects=' + h(str(len(m.defects) + sum(len(m[k].defects) for k in ('Subject', 'To') if m[k] is not None))))\n"
        "print('bcc=' + h(str(m['Bcc']) if m['Bcc'] is not None else '<none>'))\n"
        "print('unsent=' + h(str(m['X-Unsent'])))\n"
        "print('body=' + h(m.get_body(('plain',)).get_content()))\n"
        "for a in m.iter_attachments():\n"
        "    print('filename=' + h(a.get_filename()))\n"
        "    print('attachment=' + h(a.get_content().hex()))\n";
    return runPython(script, path + ".py", path);
}

size_t LongestHeaderLine(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    size_t longest = 0;
    for (std::string line; std::getline(in, line) && line != "\r";) longest = std::max(longest, line.size() - 1);
    return longest;
}

} // namespace mailtest
