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

Variant text(sqlite3_value* cell) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(cell));
    return Variant(std::string(p ? p : "", static_cast<size_t>(sqlite3_value_bytes(cell))));
}

// Whatever the cell holds, by its storage class (computed columns).
Variant plain(sqlite3_value* cell, int storage) {
    switch (storage) {
    case SQLITE_NULL: return vb::Null;
    case SQLITE_INTEGER: return number(sqlite3_value_int64(cell));
    case SQLITE_FLOAT: return Variant(sqlite3_value_double(cell));
    default: return text(cell);
    }
}

} // namespace

Variant ReadValue(sqlite3_stmt* stmt, int column, int type) {
    // The cell is fetched from the statement once and read as a value: every sqlite3_column_*
    // call checks the statement anew. Safe here: a connection is only ever used by one thread.
    sqlite3_value* cell = sqlite3_column_value(stmt, column);
    const int storage = sqlite3_value_type(cell);
    if (type == dbBoolean) return Variant(storage != SQLITE_NULL && sqlite3_value_int64(cell) != 0);
    if (storage == SQLITE_NULL) return vb::Null;
    switch (type) {
    case dbByte:
    case dbInteger:
        if (storage == SQLITE_INTEGER) {
            const sqlite3_int64 v = sqlite3_value_int64(cell);
            if (v >= -32768 && v <= 32767) return Variant(static_cast<int16_t>(v));
        }
        return plain(cell, storage);
    case dbSingle:
        if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT) return Variant(static_cast<float>(sqlite3_value_double(cell)));
        return plain(cell, storage);
    case dbCurrency:
    case dbDouble:
        if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT) return Variant(sqlite3_value_double(cell));
        return plain(cell, storage);
    case dbText:
    case dbMemo: return text(cell);
    default: return plain(cell, storage);
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
