#include "platform/dao/Values.h"

#include <limits>

#include "platform/dao/Errors.h"
#include "platform/vb/Strings.h"

namespace dao::detail {

namespace {

Variant number(sqlite3_int64 v) {
    if (v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max()) return Variant(static_cast<int>(v));
    return Variant(static_cast<double>(v));
}

Variant text(sqlite3_stmt* stmt, int column) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return Variant(std::string(p ? p : "", static_cast<size_t>(sqlite3_column_bytes(stmt, column))));
}

// Whatever the cell holds, by its storage class (computed columns).
Variant plain(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_NULL: return vb::Null;
    case SQLITE_INTEGER: return number(sqlite3_column_int64(stmt, column));
    case SQLITE_FLOAT: return Variant(sqlite3_column_double(stmt, column));
    default: return text(stmt, column);
    }
}

} // namespace

Variant ReadValue(sqlite3_stmt* stmt, int column, int type) {
    const int storage = sqlite3_column_type(stmt, column);
    if (type == dbBoolean) return Variant(storage != SQLITE_NULL && sqlite3_column_int64(stmt, column) != 0);
    if (storage == SQLITE_NULL) return vb::Null;
    switch (type) {
    case dbByte:
    case dbInteger:
        if (storage == SQLITE_INTEGER) {
            const sqlite3_int64 v = sqlite3_column_int64(stmt, column);
            if (v >= -32768 && v <= 32767) return Variant(static_cast<int16_t>(v));
        }
        return plain(stmt, column);
    case dbSingle:
        if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT) return Variant(static_cast<float>(sqlite3_column_double(stmt, column)));
        return plain(stmt, column);
    case dbCurrency:
    case dbDouble:
        if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT) return Variant(sqlite3_column_double(stmt, column));
        return plain(stmt, column);
    case dbText:
    case dbMemo: return text(stmt, column);
    default: return plain(stmt, column);
    }
}

Variant Shown(const Variant& v, int type) {
    if (type == dbBoolean && (v.IsNull() || v.IsEmpty())) return Variant(false);
    return v;
}

void BindStored(sqlite3_stmt* stmt, int index, const Variant& value, const ColumnDesc& column) {
    if (column.type == dbBoolean) {
        sqlite3_bind_int(stmt, index, value.IsNull() || value.IsEmpty() ? 0 : (vb::CBool(value) ? 1 : 0));
        return;
    }
    if (value.IsNull() || value.IsEmpty()) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    try {
        switch (column.type) {
        case dbByte: {
            const int v = vb::CInt(value);
            if (v < 0 || v > 255) Fail(vb::errnum::Overflow, column.name);
            sqlite3_bind_int(stmt, index, v);
            return;
        }
        case dbInteger: sqlite3_bind_int(stmt, index, vb::CInt(value)); return;
        case dbLong: sqlite3_bind_int(stmt, index, vb::CLng(value)); return;
        case dbSingle:
        case dbDouble:
        case dbCurrency: sqlite3_bind_double(stmt, index, vb::CDbl(value)); return;
        case dbText:
        case dbMemo: {
            const auto* given = std::get_if<std::string>(&value.raw());
            const std::string converted = given ? std::string() : vb::CStr(value);
            const std::string& s = given ? *given : converted;
            // No more bytes than the size means no more characters either.
            if (column.type == dbText && column.size > 0 && s.size() > static_cast<size_t>(column.size) && vb::Len(s) > column.size) Fail(dao::errnum::FieldTooSmall, column.name);
            sqlite3_bind_text(stmt, index, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
            return;
        }
        default: Bind(stmt, index, value); return;
        }
    } catch (const vb::Err& e) {
        // The runtime's conversion errors, told with the field they concern.
        if (e.Number == vb::errnum::Overflow || e.Number == vb::errnum::TypeMismatch) Fail(e.Number, column.name);
        throw;
    }
}

} // namespace dao::detail
