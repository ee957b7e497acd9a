#include "platform/report/Formula.h"

#include <cctype>

#include "platform/report/ReportErrors.h"
#include "platform/vb/Err.h"

namespace report {

namespace {

class Parser {
public:
    Parser(const std::string& text, const FieldResolver& resolve, const char* what)
        : s_(text), resolve_(resolve), what_(what) {}

    SqlCondition selection() {
        SqlCondition out;
        skipBlanks();
        if (at_ == s_.size()) return out;
        out.sql = orExpr(out.params);
        skipBlanks();
        if (at_ != s_.size()) fail("ventet AND eller OR");
        return out;
    }

    SqlOrder sort() {
        SqlOrder out;
        skipBlanks();
        if (at_ == s_.size()) return out;
        const char sign = s_[at_];
        if (sign != '+' && sign != '-') fail("ventet + eller - foran feltet");
        ++at_;
        skipBlanks();
        if (at_ == s_.size() || s_[at_] != '{') fail("ventet et felt");
        out.sql = field() + (sign == '+' ? " ASC" : " DESC");
        skipBlanks();
        if (at_ != s_.size()) fail("ventet slutten");
        return out;
    }

private:
    [[noreturn]] void fail(const std::string& expected) const {
        vb::Raise(errnum::FormulaError, std::string("Feil i ") + what_ + " «" + s_ + "» ved tegn " +
                                            std::to_string(at_ + 1) + ": " + expected);
    }
    void skipBlanks() {
        while (at_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[at_]))) ++at_;
    }
    // A keyword, without regard to case, ending where a word does.
    bool keyword(const char* word) {
        skipBlanks();
        size_t n = 0;
        while (word[n] && at_ + n < s_.size() &&
               std::toupper(static_cast<unsigned char>(s_[at_ + n])) == word[n])
            ++n;
        if (word[n]) return false;
        if (at_ + n < s_.size() && (std::isalnum(static_cast<unsigned char>(s_[at_ + n])) || s_[at_ + n] == '_'))
            return false;
        at_ += n;
        return true;
    }
    std::string orExpr(dao::Params& params) {
        std::string sql = andExpr(params);
        while (keyword("OR")) sql = sql + " OR " + andExpr(params);
        return sql;
    }
    std::string andExpr(dao::Params& params) {
        std::string sql = comparison(params);
        while (keyword("AND")) sql = "(" + sql + " AND " + comparison(params) + ")";
        return sql;
    }
    std::string comparison(dao::Params& params) {
        const std::string left = operand(params);
        skipBlanks();
        if (at_ == s_.size() || s_[at_] != '=') fail("ventet =");
        ++at_;
        return left + " = " + operand(params);
    }
    std::string operand(dao::Params& params) {
        skipBlanks();
        if (at_ == s_.size()) fail("ventet et felt eller en verdi");
        if (s_[at_] == '{') return field();
        if (keyword("TRUE")) {
            params.emplace_back(true);
            return "?";
        }
        if (keyword("FALSE")) {
            params.emplace_back(false);
            return "?";
        }
        const size_t start = at_;
        if (s_[at_] == '-') ++at_;
        const size_t digits = at_;
        while (at_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[at_]))) ++at_;
        if (at_ == digits || at_ - digits > 9) {
            at_ = start;
            fail("ventet et felt, True, False eller et helt tall");
        }
        params.emplace_back(std::stoi(s_.substr(start, at_ - start)));
        return "?";
    }
    std::string field() {
        const size_t close = s_.find('}', at_);
        if (close == std::string::npos) fail("feltet mangler }");
        Pattern p;
        if (!ParsePattern(s_.substr(at_, close - at_ + 1), p) || p.pieces.size() != 1 || !p.pieces[0].field)
            fail("feltet skrives {tabell.felt}");
        at_ = close + 1;
        return resolve_(*p.pieces[0].field);
    }

    const std::string& s_;
    const FieldResolver& resolve_;
    const char* what_;
    size_t at_ = 0;
};

} // namespace

SqlCondition ParseSelection(const std::string& formula, const FieldResolver& resolve) {
    return Parser(formula, resolve, "utvalgsformelen").selection();
}

SqlOrder ParseSort(const std::string& sortField, const FieldResolver& resolve) {
    return Parser(sortField, resolve, "sorteringsfeltet").sort();
}

} // namespace report
