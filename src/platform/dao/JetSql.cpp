#include "platform/dao/JetSql.h"

#include <array>
#include <cctype>

namespace dao::detail {

namespace {

enum class Kind { Space, Word, String, Ident, Symbol, Param };

struct Token {
    Kind kind;
    size_t begin, end;   // byte range in the text
};

bool wordByte(unsigned char c) { return std::isalnum(c) || c == '_' || c >= 0x80; }

// Splits SQL into tokens; an unterminated literal runs to the end.
std::vector<Token> tokenize(std::string_view s) {
    std::vector<Token> out;
    size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        const size_t start = i;
        if (std::isspace(c)) {
            while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
            out.push_back({Kind::Space, start, i});
        } else if (c == '\'' || c == '"' || c == '`') {
            ++i;
            while (i < s.size()) {
                if (s[i] == static_cast<char>(c)) {
                    if (i + 1 < s.size() && s[i + 1] == static_cast<char>(c)) { i += 2; continue; }
                    ++i;
                    break;
                }
                ++i;
            }
            out.push_back({c == '`' ? Kind::Ident : Kind::String, start, i});
        } else if (c == '[') {
            while (i < s.size() && s[i] != ']') ++i;
            if (i < s.size()) ++i;
            out.push_back({Kind::Ident, start, i});
        } else if (c == '-' && i + 1 < s.size() && s[i + 1] == '-') {
            while (i < s.size() && s[i] != '\n') ++i;
            out.push_back({Kind::Space, start, i});
        } else if (c == '?' || c == ':' || c == '@' || c == '$') {
            ++i;
            while (i < s.size() && wordByte(static_cast<unsigned char>(s[i]))) ++i;
            out.push_back({c == ':' && i == start + 1 ? Kind::Symbol : Kind::Param, start, i});
        } else if (wordByte(c)) {
            while (i < s.size() && wordByte(static_cast<unsigned char>(s[i]))) ++i;
            out.push_back({Kind::Word, start, i});
        } else {
            ++i;
            static constexpr std::array<std::string_view, 6> pairs = {"||", "<>", "<=", ">=", "!=", "=="};
            for (auto p : pairs)
                if (s.substr(start, 2) == p) { i = start + 2; break; }
            out.push_back({Kind::Symbol, start, i});
        }
    }
    return out;
}

bool same(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

// A double-quoted literal as a single-quoted one.
std::string singleQuoted(std::string_view lit) {
    std::string out = "'";
    const std::string_view body = lit.size() >= 2 && lit.back() == '"' ? lit.substr(1, lit.size() - 2) : lit.substr(1);
    for (size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '"' && i + 1 < body.size() && body[i + 1] == '"') ++i;
        if (body[i] == '\'') out += '\'';
        out += body[i];
    }
    return out + "'";
}

std::string likePattern(std::string lit) {
    for (size_t i = 1; i + 1 < lit.size(); ++i) {
        if (lit[i] == '*') lit[i] = '%';
        else if (lit[i] == '?') lit[i] = '_';
    }
    return lit;
}

std::string unbracket(std::string_view name) {
    if (name.size() >= 2 && ((name.front() == '[' && name.back() == ']') || (name.front() == '`' && name.back() == '`') ||
                             (name.front() == '\'' && name.back() == '\'') || (name.front() == '"' && name.back() == '"')))
        return std::string(name.substr(1, name.size() - 2));
    return std::string(name);
}

bool isName(const Token& t) { return t.kind == Kind::Word || t.kind == Kind::Ident || t.kind == Kind::String; }

} // namespace

std::string TranslateSql(std::string_view sql) {
    const auto tokens = tokenize(sql);
    std::string out;
    out.reserve(sql.size() + 8);
    bool afterLike = false;
    for (const Token& t : tokens) {
        const std::string_view text = sql.substr(t.begin, t.end - t.begin);
        if (t.kind == Kind::Space) { out += text; continue; }
        if (t.kind == Kind::String) {
            std::string lit = text.front() == '"' ? singleQuoted(text) : std::string(text);
            out += afterLike ? likePattern(std::move(lit)) : lit;
        } else if (t.kind == Kind::Symbol && text == "&") {
            out += "||";
        } else {
            out += text;
        }
        afterLike = t.kind == Kind::Word && same(text, "LIKE");
    }
    while (!out.empty() && (out.back() == ';' || std::isspace(static_cast<unsigned char>(out.back())))) out.pop_back();
    return out;
}

bool IsQuery(std::string_view source) {
    for (const Token& t : tokenize(source)) {
        if (t.kind == Kind::Space) continue;
        const std::string_view w = source.substr(t.begin, t.end - t.begin);
        return t.kind == Kind::Word && (same(w, "SELECT") || same(w, "WITH") || same(w, "VALUES"));
    }
    return false;
}

bool IsStarItem(std::string_view item) {
    const auto tokens = tokenize(item);
    std::vector<Token> sig;
    for (const Token& t : tokens)
        if (t.kind != Kind::Space) sig.push_back(t);
    auto is = [&](size_t k, std::string_view s) { return item.substr(sig[k].begin, sig[k].end - sig[k].begin) == s; };
    if (sig.size() == 1) return is(0, "*");
    return sig.size() == 3 && isName(sig[0]) && is(1, ".") && is(2, "*");
}

SelectShape ParseSelect(std::string_view s) {
    SelectShape shape;
    std::vector<Token> t;
    for (const Token& tok : tokenize(s))
        if (tok.kind != Kind::Space) t.push_back(tok);
    auto text = [&](size_t k) { return s.substr(t[k].begin, t[k].end - t[k].begin); };
    auto word = [&](size_t k, std::string_view w) { return k < t.size() && t[k].kind == Kind::Word && same(text(k), w); };

    if (!word(0, "SELECT")) return shape;
    size_t k = 1;
    if (word(k, "DISTINCT") || word(k, "DISTINCTROW")) return shape;
    if (word(k, "ALL")) ++k;

    // The column list, split at its top-level commas.
    static constexpr std::array<std::string_view, 9> aggregates = {"COUNT", "SUM", "AVG", "MIN", "MAX", "TOTAL", "GROUP_CONCAT", "FIRST", "LAST"};
    int depth = 0;
    size_t itemStart = k;
    for (;; ++k) {
        if (k >= t.size()) return shape;
        const std::string_view x = text(k);
        if (t[k].kind == Kind::Param) return shape;
        if (t[k].kind == Kind::Symbol && x == "(") ++depth;
        if (t[k].kind == Kind::Symbol && x == ")") --depth;
        if (t[k].kind == Kind::Word && k + 1 < t.size() && text(k + 1) == "(")
            for (auto a : aggregates)
                if (same(x, a)) return shape;
        if (depth == 0 && ((t[k].kind == Kind::Symbol && x == ",") || word(k, "FROM"))) {
            if (k == itemStart) return shape;
            shape.items.emplace_back(s.substr(t[itemStart].begin, t[k - 1].end - t[itemStart].begin));
            itemStart = k + 1;
            if (word(k, "FROM")) break;
        }
    }
    const size_t from = ++k;
    if (k >= t.size() || !isName(t[k])) return shape;
    shape.table = unbracket(text(k));
    if (k + 2 < t.size() && text(k + 1) == "." && isName(t[k + 2])) {
        shape.schema = shape.table;
        shape.table = unbracket(text(k + 2));
        k += 2;
    }
    ++k;
    // Words that end the FROM item, and those of the clauses that make a selection read-only.
    static constexpr std::array<std::string_view, 14> keywords = {"WHERE", "ORDER", "GROUP", "HAVING", "UNION", "EXCEPT", "INTERSECT",
                                                                  "JOIN", "LEFT", "INNER", "CROSS", "NATURAL", "LIMIT", "WINDOW"};
    static constexpr std::array<std::string_view, 8> readOnly = {"GROUP", "HAVING", "UNION", "EXCEPT", "INTERSECT", "JOIN", "LIMIT", "WINDOW"};
    auto among = [&](size_t q, const auto& list) {
        for (auto w : list)
            if (word(q, w)) return true;
        return false;
    };
    if (word(k, "AS")) ++k;
    if (k < t.size() && isName(t[k]) && !among(k, keywords)) shape.alias = unbracket(text(k++));
    shape.tableRef = std::string(s.substr(t[from].begin, t[k - 1].end - t[from].begin));
    if (k < t.size() && !word(k, "WHERE") && !word(k, "ORDER")) return shape;
    depth = 0;
    for (size_t q = k; q < t.size(); ++q) {
        const std::string_view x = text(q);
        if (t[q].kind == Kind::Symbol && x == "(") ++depth;
        if (t[q].kind == Kind::Symbol && x == ")") --depth;
        if (depth != 0) continue;
        if (word(q, "ORDER") && word(q + 1, "BY")) shape.hasOrderBy = true;
        else if (among(q, readOnly)) return shape;
    }
    shape.fromOn = std::string(s.substr(t[from].begin));
    shape.single = true;
    return shape;
}

} // namespace dao::detail
