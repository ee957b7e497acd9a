#include "platform/dao/Schema.h"

#include <cctype>
#include <charconv>

#include "platform/dao/Statement.h"

namespace dao::detail {

namespace {

constexpr int kDefaultTextSize = 255;
constexpr std::string_view kNoZeroLength = "NONEMPTY ";

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string rangeCheck(const std::string& column, const char* low, const char* high) {
    return " CONSTRAINT " + Quote("range_" + column) + " CHECK (" + Quote(column) + " BETWEEN " + low + " AND " + high + ")";
}

std::string textSize(const Field& f) { return std::to_string(f.Size > 0 ? f.Size : kDefaultTextSize); }

} // namespace

int TableInfo::find(std::string_view column) const {
    for (size_t i = 0; i < columns.size(); ++i)
        if (SameName(columns[i].name, column)) return static_cast<int>(i);
    return -1;
}

std::string ColumnDeclaration(const Field& f) {
    const std::string q = Quote(f.Name);
    const std::string zero = f.AllowZeroLength ? "" : std::string(kNoZeroLength);
    switch (f.Type) {
    case dbBoolean: return q + " BOOLEAN NOT NULL ON CONFLICT REPLACE DEFAULT 0";
    case dbByte: return q + " TINYINT";
    case dbInteger: return q + " SMALLINT";
    case dbLong: return q + " INTEGER";
    case dbCurrency: return q + " CURRENCY";
    case dbSingle: return q + " FLOAT";
    case dbDouble: return q + " DOUBLE";
    case dbDate: return q + " DATETIME";
    case dbLongBinary: return q + " BLOB";
    case dbMemo: return q + " " + zero + "LONGTEXT COLLATE NOCASE";
    default: return q + " " + zero + "TEXT(" + textSize(f) + ") COLLATE NOCASE";
    }
}

std::string ColumnCheck(const Field& f) {
    switch (f.Type) {
    case dbByte: return rangeCheck(f.Name, "0", "255");
    case dbInteger: return rangeCheck(f.Name, "-32768", "32767");
    case dbLong: return rangeCheck(f.Name, "-2147483648", "2147483647");
    case dbBoolean:
    case dbCurrency:
    case dbSingle:
    case dbDouble:
    case dbDate:
    case dbLongBinary:
    case dbMemo: return "";
    default: return " CONSTRAINT " + Quote("size_" + f.Name) + " CHECK (length(" + Quote(f.Name) + ") <= " + textSize(f) + ")";
    }
}

std::string ColumnDefinition(const Field& f) { return ColumnDeclaration(f) + ColumnCheck(f); }

ColumnInfo ReadDeclaredType(std::string name, std::string_view declared) {
    ColumnInfo c;
    c.name = std::move(name);
    std::string d = upper(declared);
    if (d.starts_with(kNoZeroLength)) {
        c.allowZeroLength = false;
        d.erase(0, kNoZeroLength.size());
    }
    int size = 0;
    const auto open = d.find('(');
    if (open != std::string::npos) {
        std::from_chars(d.data() + open + 1, d.data() + d.size(), size);
        d.erase(open);
        while (!d.empty() && d.back() == ' ') d.pop_back();
    }
    if (d == "BOOLEAN") c.type = dbBoolean;
    else if (d == "TINYINT") c.type = dbByte;
    else if (d == "SMALLINT") c.type = dbInteger;
    else if (d == "INTEGER" || d.find("INT") != std::string::npos) c.type = dbLong;
    else if (d == "CURRENCY") c.type = dbCurrency;
    else if (d == "FLOAT") c.type = dbSingle;
    else if (d == "DATETIME") c.type = dbDate;
    else if (d == "LONGTEXT") c.type = dbMemo;
    else if (d.find("CHAR") != std::string::npos || d.find("CLOB") != std::string::npos || d.find("TEXT") != std::string::npos)
        c.type = size > 0 ? dbText : dbMemo;
    else if (d.empty() || d == "BLOB") c.type = dbLongBinary;
    else c.type = dbDouble;
    c.size = StoredSize(c.type, size);
    return c;
}

int StoredSize(int type, int declaredSize) {
    switch (type) {
    case dbBoolean:
    case dbByte: return 1;
    case dbInteger: return 2;
    case dbLong:
    case dbSingle: return 4;
    case dbCurrency:
    case dbDouble:
    case dbDate: return 8;
    case dbText: return declaredSize > 0 ? declaredSize : kDefaultTextSize;
    default: return 0;
    }
}

std::string StoredIndexName(std::string_view table, std::string_view index) {
    return std::string(table) + "." + std::string(index);
}

std::string ShownIndexName(std::string_view table, std::string_view stored) {
    if (stored.size() > table.size() + 1 && stored[table.size()] == '.' && SameName(stored.substr(0, table.size()), table))
        return std::string(stored.substr(table.size() + 1));
    return std::string(stored);
}

} // namespace dao::detail
