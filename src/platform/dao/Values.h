#pragma once
// Values between SQLite cells and the program's Variants, by field type: a
// Boolean reads True/False (Null as False), an Integer as a 16-bit value; a
// write is converted as the runtime converts, and checked to the field's range and size.
#include <sqlite3.h>

#include "platform/dao/Plan.h"

namespace dao::detail {

Variant ReadValue(sqlite3_stmt* stmt, int column, int type);
// A Null Boolean reads False, also from a row being edited.
Variant Shown(const Variant& v, int type);
// Binds a value for a column: 6 / 13 for a number out of range or no number,
// 3163 for a text longer than the field.
void BindStored(sqlite3_stmt* stmt, int index, const Variant& value, const ColumnDesc& column);

} // namespace dao::detail
