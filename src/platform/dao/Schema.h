#pragma once
// How the engine's field types live in SQLite column declarations, so that a
// file read back gives the same types, sizes and zero-length flags, and the
// column checks keep Integer, Long and Text values in range from any writer.
#include <string>
#include <string_view>
#include <vector>

#include "platform/dao/Dao.h"

namespace dao::detail {

struct ColumnInfo {
    std::string name;
    int type = dbText;
    int size = 0;
    bool allowZeroLength = true;
};

struct TableInfo {
    std::string schema;   // "main" or the alias of an attached file
    std::string name;     // as stored
    std::vector<ColumnInfo> columns;
    int find(std::string_view column) const;   // -1 when absent; without regard to case
};

// The column as it goes into CREATE TABLE: its declaration and then its
// check ("" for types without one, else starting with a space).
std::string ColumnDefinition(const Field& f);
std::string ColumnDeclaration(const Field& f);
std::string ColumnCheck(const Field& f);
// The field type, size and zero-length flag read back from a declared type.
ColumnInfo ReadDeclaredType(std::string name, std::string_view declared);
// The size the engine reports for a field of a type (Text: its declared size).
int StoredSize(int type, int declaredSize);
// The table-qualified name an index is stored under, and the name shown to callers.
std::string StoredIndexName(std::string_view table, std::string_view index);
std::string ShownIndexName(std::string_view table, std::string_view stored);

// Names match with ASCII letters folded, as SQLite matches them.
inline bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] + 32) : a[i];
        const char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] + 32) : b[i];
        if (x != y) return false;
    }
    return true;
}

} // namespace dao::detail
